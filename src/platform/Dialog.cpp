#include "Dialog.h"

#include "platform/Controls.h"
#include "platform/DialogFont.h"
#include "platform/InputBlock.h"
#include "platform/LeadingNumber.h"
#include "platform/PrivateMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace zel {

namespace {

struct TemplateMetrics
{
    QFont font;
    QSize baseUnits;
};

// The largest dialog font that keeps every window on the screen; 0 while any size does.
qreal pointSizeLimit = 0;

// A template's font and base units, looked up and measured once for each application font and
// limit: the font list and the letters' layout cost more than building the controls.
const TemplateMetrics& metricsOf(const DialogTemplate& dialogTemplate)
{
    static QHash<const DialogTemplate*, TemplateMetrics> known;
    static QFont knownFor;
    static qreal knownLimit = 0;
    // Comparing fonts is cheaper than spelling out a font's key for every dialog built.
    if (QApplication::font() != knownFor || pointSizeLimit != knownLimit) {
        known.clear();
        knownFor = QApplication::font();
        knownLimit = pointSizeLimit;
    }
    auto found = known.constFind(&dialogTemplate);
    if (found == known.constEnd()) {
        const qreal size = pointSizeLimit > 0
                               ? std::min<qreal>(dialogTemplate.pointSize, pointSizeLimit)
                               : dialogTemplate.pointSize;
        const QFont font = platformDialogFont(size);
        found = known.insert(&dialogTemplate, {font, dialogBaseUnits(font)});
    }
    return *found;
}

Qt::WindowFlags windowFlagsOf(unsigned styles)
{
    if (styles & ChildDialog)
        return Qt::Widget;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (styles & SystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (styles & MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (styles & ContextHelp)
        flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}

bool isLabel(const ControlTemplate& row)
{
    return row.kind == ControlKind::Label || row.kind == ControlKind::CenteredLabel;
}

// A combo's template height includes its dropped-down list; its line is one row high.
QRect lineOf(const ControlTemplate& row)
{
    const bool combo =
        row.kind == ControlKind::DropDownList || row.kind == ControlKind::DropDownCombo;
    return QRect(row.x, row.y, row.width, combo ? std::min(row.height, 14) : row.height);
}

bool sameLine(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The label in front of an edit or combo, which names it for screen readers: the nearest
// label to its left on the same line with no other control in between, or else a label
// right above it; one that starts hidden as the control does. Hidden disabled rows only
// carry values and never show, so they have none.
std::optional<qsizetype> labelInFront(std::span<const ControlTemplate> rows, qsizetype index)
{
    constexpr int kMaxGapAbove = 8; // dialog units: one line of text
    const unsigned hidden = rows[index].styles & Hidden;
    if (hidden && (rows[index].styles & Disabled))
        return std::nullopt;
    const QRect control = lineOf(rows[index]);
    std::optional<qsizetype> left;
    std::optional<qsizetype> above;
    for (qsizetype i = 0; i < qsizetype(rows.size()); ++i) {
        if (!isLabel(rows[i]) || (rows[i].styles & Hidden) != hidden)
            continue;
        const QRect label = lineOf(rows[i]);
        // Some labels run a little under the control they name.
        if (sameLine(label, control) && label.center().x() < control.left() &&
            (!left || label.right() > lineOf(rows[*left]).right()))
            left = i;
        const int gap = control.top() - label.bottom() - 1;
        if (gap >= 0 && gap <= kMaxGapAbove && label.left() <= control.right() &&
            control.left() <= label.right() &&
            (!above || label.bottom() > lineOf(rows[*above]).bottom()))
            above = i;
    }
    if (left) {
        const QRect label = lineOf(rows[*left]);
        const bool between = std::any_of(rows.begin(), rows.end(), [&](const ControlTemplate& row) {
            const QRect other = lineOf(row);
            return takesFocus(row.kind) && sameLine(other, control) &&
                   other.left() > label.right() && other.right() < control.left();
        });
        if (!between)
            return left;
    }
    return above;
}

} // namespace

QString translatedText(const DialogTemplate& dialogTemplate, const char* text)
{
    if (!text || !*text)
        return {};
    return QCoreApplication::translate(dialogTemplate.context, text);
}

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, windowFlagsOf(dialogTemplate.styles)), m_template(dialogTemplate)
{
    if (m_template.styles & ChildDialog)
        setWindowFlags(Qt::Widget); // QDialog's constructor made it a window
    const TemplateMetrics& metrics = metricsOf(m_template);
    setFont(metrics.font);
    m_nBaseUnitX = metrics.baseUnits.width();
    m_nBaseUnitY = metrics.baseUnits.height();
    setWindowTitle(translatedText(m_template, m_template.caption));
    const QSize size = dialogUnitsToPixels(0, 0, m_template.width, m_template.height).size();
    if (m_template.styles & ChildDialog)
        resize(size);
    else
        setFixedSize(size);
    buildControls();
}

Dialog::~Dialog() = default;

int Dialog::baseUnitX() const
{
    return m_nBaseUnitX;
}

void fitDialogsToScreen(const DialogTemplate& largest)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Windows knows a window's frame once the window is made; a window manager frames it as it
    // shows, so elsewhere the style's title bar stands for the frame.
    QDialog probe(nullptr, windowFlagsOf(largest.styles));
    probe.setFixedSize(largest.width, largest.height);
    probe.winId();
    QMargins frame = probe.windowHandle()->frameMargins();
    if (frame.isNull())
        frame.setTop(probe.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const qreal size =
        fittingPointSize(largest.pointSize, QSize(largest.width, largest.height), frame,
                         screen->availableGeometry().size(), [](qreal pointSize) {
                             return dialogBaseUnits(platformDialogFont(pointSize));
                         });
    pointSizeLimit = size < largest.pointSize ? size : 0;
}

QRect Dialog::dialogUnitsToPixels(int x, int y, int width, int height) const
{
    const int left = x * m_nBaseUnitX / 4;
    const int top = y * m_nBaseUnitY / 8;
    return QRect(left, top, (x + width) * m_nBaseUnitX / 4 - left,
                 (y + height) * m_nBaseUnitY / 8 - top);
}

void Dialog::buildControls()
{
    QWidget* previous = nullptr;
    QList<QWidget*> built;
    for (const ControlTemplate& control : m_template.controls) {
        // A picture's text names its image, which no language changes.
        const QString text = control.kind == ControlKind::Picture
                                 ? QString::fromUtf8(control.text)
                                 : translatedText(m_template, control.text);
        QWidget* widget = makeControl(control, text, this);
        built.append(widget);
        QRect geometry = dialogUnitsToPixels(control.x, control.y, control.width, control.height);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // A combo's height in a template includes its dropped-down list.
            geometry.setHeight(combo->sizeHint().height());
        }
        widget->setGeometry(geometry);
        if (takesFocus(control.kind)) {
            if (previous)
                QWidget::setTabOrder(previous, firstFocusOf(widget));
            previous = lastFocusOf(widget);
        }
        if (control.id != kStaticId)
            m_controls.insert(control.id, widget);
        // As the framework does: the OK and Cancel commands go to OnOK and OnCancel.
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (control.id == IDOK)
                connect(button, &QPushButton::clicked, this, &Dialog::accept);
            else if (control.id == IDCANCEL)
                connect(button, &QPushButton::clicked, this, &Dialog::reject);
        }
    }
    for (qsizetype i = 0; i < built.size(); ++i) {
        if (!qobject_cast<QLineEdit*>(built[i]) && !qobject_cast<QComboBox*>(built[i]))
            continue;
        if (const auto label = labelInFront(m_template.controls, i))
            static_cast<QLabel*>(built[*label])->setBuddy(built[i]);
    }
}

QWidget* Dialog::GetDlgItem(int id) const
{
    return m_controls.value(id);
}

const ControlTemplate* Dialog::rowOf(int id) const
{
    const auto row =
        std::find_if(m_template.controls.begin(), m_template.controls.end(),
                     [id](const ControlTemplate& control) { return control.id == id; });
    return row == m_template.controls.end() ? nullptr : &*row;
}

QString Dialog::templateText(int id) const
{
    const ControlTemplate* row = rowOf(id);
    return row ? translatedText(m_template, row->text) : QString();
}

int Dialog::helpContextOf(int id) const
{
    const ControlTemplate* row = rowOf(id);
    return row && id != kStaticId ? row->helpId : 0;
}

int Dialog::controlId(const QWidget* control) const
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (it.value() == control)
            return it.key();
    }
    return kStaticId;
}

void Dialog::SetDlgItemText(int id, const QString& text)
{
    QWidget* control = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            combo->setCurrentIndex(combo->findText(text));
            combo->setEditText(text);
        } else if (const int index = combo->findText(text); index >= 0) {
            combo->setCurrentIndex(index);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (control) {
        control->setWindowTitle(text);
    }
}

QString Dialog::GetDlgItemText(int id) const
{
    QWidget* control = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return group->title();
    return control ? control->windowTitle() : QString();
}

void Dialog::SetDlgItemInt(int id, int value)
{
    SetDlgItemText(id, QString::number(value));
}

unsigned Dialog::GetDlgItemInt(int id) const
{
    return unsigned(
        readLeadingNumber(GetDlgItemText(id), NumberReading::Unsigned, LeadingSpace::Ends));
}

void Dialog::CheckDlgButton(int id, bool checked)
{
    if (auto* button = dlgItem<QAbstractButton>(id))
        button->setChecked(checked);
}

bool Dialog::IsDlgButtonChecked(int id) const
{
    const auto* button = dlgItem<QAbstractButton>(id);
    return button && button->isChecked();
}

// A modal dialog's owner and the program's other dialogs; help windows stand apart, as the
// help program does.
QList<QWidget*> Dialog::windowsBlockedByModalRun() const
{
    QList<QWidget*> windows;
    if (parentWidget())
        windows.append(parentWidget()->window());
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget* window : topLevels) {
        if (window != this && qobject_cast<Dialog*>(window))
            windows.append(window);
    }
    return windows;
}

int Dialog::DoModal()
{
    // Blocked from the start of the opening step, which may run a whole exchange before
    // the modal loop begins.
    const InputBlock block(windowsBlockedByModalRun(), this);
    m_bAlive = true;
    m_nResult = 0;
    OnInitDialog();
    if (!m_bAlive)
        return m_nResult;
    m_bInModalLoop = true;
    // The block above covers the program's dialogs; Qt's modality only keeps this one over its
    // owner. An application-modal run would block the help window too.
    setWindowModality(Qt::WindowModal);
    const int result = exec();
    m_bInModalLoop = false;
    if (m_bAlive) { // ended by Qt itself, not through EndDialog
        m_bAlive = false;
        m_nResult = result;
    }
    return m_nResult;
}

void Dialog::Create(QWidget* parent)
{
    if (parent != parentWidget() || (m_template.styles & ChildDialog))
        setParent(parent, windowFlagsOf(m_template.styles));
    hide();
    m_bAlive = true;
    m_nResult = 0;
    OnInitDialog();
}

void Dialog::EndDialog(int result)
{
    m_bAlive = false;
    m_nResult = result;
    if (!m_bInModalLoop) {
        done(result);
        return;
    }
    // As with the framework's EndDialog, the handler that ends a modal dialog finishes first;
    // the window goes once control is back in the modal loop.
    QMetaObject::invokeMethod(
        this, [this, result] { done(result); }, Qt::QueuedConnection);
}

bool Dialog::OnInitDialog()
{
    return true;
}

void Dialog::OnOK()
{
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool Dialog::WindowProc(int)
{
    return false;
}

bool Dialog::OnHelpInfo(const HelpInfo&)
{
    return false;
}

void Dialog::accept()
{
    OnOK();
}

void Dialog::reject()
{
    OnCancel();
}

// The control under `widget`: the ancestor that is a direct child of a Dialog, with that
// dialog's id for it (pages inside the main window keep their own ids).
HelpInfo Dialog::helpInfoFor(QWidget* widget) const
{
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (const auto* owner = qobject_cast<const Dialog*>(w->parentWidget()))
            return {HelpInfo::Window, owner->controlId(w), w};
    }
    return {HelpInfo::Window, m_template.id, const_cast<Dialog*>(this)};
}

void Dialog::pressDefaultButton()
{
    for (const ControlTemplate& control : m_template.controls) {
        auto* button =
            control.kind == ControlKind::DefPushButton ? dlgItem<QPushButton>(control.id) : nullptr;
        if (button && button->isVisible()) {
            if (button->isEnabled())
                button->click();
            return;
        }
    }
    accept();
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? event->key() : 0) {
    case Qt::Key_F1:
        event->setAccepted(OnHelpInfo(helpInfoFor(QApplication::focusWidget())));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressDefaultButton();
        return;
    case Qt::Key_Escape:
        if (m_template.styles & ChildDialog) {
            event->ignore();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

bool Dialog::event(QEvent* event)
{
    if (event->type() == PrivateMessageEvent::eventType()) {
        auto* privateMessage = static_cast<PrivateMessageEvent*>(event);
        privateMessage->setResult(WindowProc(privateMessage->message()));
        return true;
    }
    if (event->type() == QEvent::WhatsThis || event->type() == QEvent::QueryWhatsThis) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QWidget* child = childAt(help->pos());
        if (child) {
            if (event->type() == QEvent::QueryWhatsThis || OnHelpInfo(helpInfoFor(child))) {
                event->accept();
                return true;
            }
        }
        event->ignore();
        return false;
    }
    return QDialog::event(event);
}

} // namespace zel
