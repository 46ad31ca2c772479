#include "Controls.h"

#include "platform/EditRules.h"
#include "platform/Ipv4AddressEdit.h"
#include "platform/TabControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QtMath>

namespace zel {

namespace {

// A check box drawn flat: a plain square with a tick, no 3-D edge.
class FlatCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(box, palette().brush(QPalette::Base));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        if (isChecked()) {
            const QRectF tick = QRectF(box).adjusted(3, 3, -3, -3);
            painter.drawPolyline(QPolygonF{QPointF(tick.left(), tick.center().y()),
                                           QPointF(tick.center().x(), tick.bottom()),
                                           QPointF(tick.right(), tick.top())});
        }
        if (!text().isEmpty()) {
            const QRect label = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
            style()->drawItemText(&painter, label, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                                  isEnabled(), text(), QPalette::WindowText);
        }
    }
};

void applyEditRules(QLineEdit* edit, const ControlTemplate& control)
{
    const EditCharacters characters = (control.styles & DigitsOnly)   ? EditCharacters::Digits
                                      : (control.styles & Latin1Only) ? EditCharacters::Latin1
                                                                      : EditCharacters::Any;
    if (control.textLimit > 0 || characters != EditCharacters::Any)
        edit->setValidator(new EditRules(edit, control.textLimit, characters));
}

QWidget* makeEdit(const ControlTemplate& control, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    applyEditRules(edit, control);
    if (control.styles & PasswordChars)
        edit->setEchoMode(QLineEdit::Password);
    edit->setReadOnly(control.styles & ReadOnly);
    edit->setText(text);
    return edit;
}

QWidget* makeCombo(const ControlTemplate& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    if (control.kind == ControlKind::DropDownCombo) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        applyEditRules(combo->lineEdit(), control);
        // Typed text never selects an item, not even one it names exactly; only the list
        // does. QComboBox would pick the matching item when editing finishes (Enter, focus
        // leaving), so that connection goes.
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                         [combo](const QString& text) {
                             if (combo->currentIndex() < 0)
                                 return;
                             QLineEdit* edit = combo->lineEdit();
                             const int cursor = edit->cursorPosition();
                             combo->setCurrentIndex(-1);
                             edit->setText(text);
                             edit->setCursorPosition(cursor);
                         });
    }
    return combo;
}

QWidget* makeReportList(QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->header()->setSectionsMovable(false);
    return list;
}

// A static picture: shown at its own size in the template's rectangle, or, once its owner asks
// for scaled contents, filling it. On a screen scaled above 100% the image's "@2x" twin, when
// there is one, keeps it sharp. A missing image shows nothing.
class Picture : public QLabel
{
public:
    Picture(const QString& path, QWidget* parent) : QLabel(parent), m_image(path)
    {
        const qsizetype dot = path.lastIndexOf(u'.');
        if (dot > 0)
            m_sharp = QPixmap(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
        if (qApp->devicePixelRatio() > 1.0 && !m_sharp.isNull()) {
            QPixmap shown = m_sharp;
            shown.setDevicePixelRatio(2.0);
            setPixmap(shown);
        } else {
            setPixmap(m_image);
        }
        setAlignment(Qt::AlignCenter);
    }

protected:
    // Scaled, it fills its rectangle to the last device pixel (QLabel rounds its scaled copy's
    // size, which leaves a line unfilled at 125%), smoothly reduced from the image that suits the
    // screen it is on now.
    void paintEvent(QPaintEvent* event) override
    {
        if (!hasScaledContents() || m_image.isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        const QRect target = contentsRect();
        const qreal ratio = devicePixelRatioF();
        const QSize pixels(qCeil(target.width() * ratio), qCeil(target.height() * ratio));
        if (m_scaled.size() != pixels) {
            const QPixmap& source = ratio > 1.0 && !m_sharp.isNull() ? m_sharp : m_image;
            m_scaled = source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        QPainter painter(this);
        drawFrame(&painter);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(target), m_scaled, QRectF(m_scaled.rect()));
    }

private:
    QPixmap m_image;
    QPixmap m_sharp;
    QPixmap m_scaled;
};

QWidget* makeWidget(const ControlTemplate& control, const QString& text, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(true);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        return button;
    }
    case ControlKind::CheckBox:
        return (control.styles & Flat) ? new FlatCheckBox(text, parent)
                                       : new QCheckBox(text, parent);
    case ControlKind::GroupBox: {
        // Only a frame: drawn beneath its neighbours and never in the way of the mouse.
        auto* group = new QGroupBox(text, parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->lower();
        if (control.styles & CenteredCaption)
            group->setAlignment(Qt::AlignHCenter);
        return group;
    }
    case ControlKind::Label:
    case ControlKind::CenteredLabel: {
        auto* label = new QLabel(text, parent);
        label->setWordWrap(true);
        label->setAlignment(
            Qt::AlignTop |
            (control.kind == ControlKind::CenteredLabel ? Qt::AlignHCenter : Qt::AlignLeft));
        return label;
    }
    case ControlKind::Edit:
        return makeEdit(control, text, parent);
    case ControlKind::Picture:
        return new Picture(text, parent);
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
        return makeCombo(control, parent);
    case ControlKind::ReportList:
        return makeReportList(parent);
    case ControlKind::TabControl:
        return new TabControl(parent);
    case ControlKind::Ipv4Address:
        return new Ipv4AddressEdit(parent);
    }
    return new QWidget(parent);
}

bool isButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::CheckBox;
}

} // namespace

QWidget* makeControl(const ControlTemplate& control, const QString& text, QWidget* parent)
{
    QWidget* widget = makeWidget(control, text, parent);
    widget->setObjectName(QStringLiteral("ctl") + QString::number(control.id));
    // No fixed accessible name: labels, buttons and frames report their current text, and
    // edits and combos the label in front of them (their buddy).
    if (control.styles & Bordered) {
        if (auto* frame = qobject_cast<QFrame*>(widget))
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    if (!takesFocus(control.kind))
        widget->setFocusPolicy(Qt::NoFocus);
    else if (!(control.styles & TabStop))
        widget->setFocusPolicy(isButton(control.kind) ? Qt::NoFocus : Qt::ClickFocus);
    widget->setEnabled(!(control.styles & Disabled));
    if (control.styles & Hidden)
        widget->hide();
    return widget;
}

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::GroupBox && kind != ControlKind::Label &&
           kind != ControlKind::CenteredLabel && kind != ControlKind::Picture;
}

QWidget* firstFocusOf(QWidget* control)
{
    if (auto* address = qobject_cast<Ipv4AddressEdit*>(control))
        return address->field(0);
    return control;
}

QWidget* lastFocusOf(QWidget* control)
{
    if (auto* address = qobject_cast<Ipv4AddressEdit*>(control))
        return address->field(3);
    return control;
}

} // namespace zel
