#include "Ipv4AddressEdit.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QValidator>

namespace zel {

namespace {

// Up to three digits with a value of at most 255.
class ByteValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        if (input.isEmpty())
            return Intermediate;
        if (input.size() > 3)
            return Invalid;
        for (QChar c : input) {
            if (c < u'0' || c > u'9')
                return Invalid;
        }
        return input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

} // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setValidator(new ByteValidator(field));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i, field](const QString& text) {
            if (text.size() == 3 && field->cursorPosition() == 3 && i < 3) {
                focusField(i + 1, false);
                m_autoAdvancedTo = i + 1;
            }
        });
        layout->addWidget(field, 1);
        m_fields[i] = field;
        if (i > 0)
            setTabOrder(m_fields[i - 1], field);
    }
    setFocusProxy(m_fields[0]);
}

void Ipv4AddressEdit::setAddress(const std::array<quint8, 4>& bytes)
{
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(QString::number(bytes[i]));
}

std::array<quint8, 4> Ipv4AddressEdit::address() const
{
    std::array<quint8, 4> bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[i] = quint8(qBound(0, m_fields[i]->text().toInt(), 255));
    return bytes;
}

QLineEdit* Ipv4AddressEdit::field(int index) const
{
    return m_fields.at(index);
}

void Ipv4AddressEdit::setAccessibleNames(const QString& baseName)
{
    setAccessibleName(baseName);
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setAccessibleName(tr("%1, part %2").arg(baseName).arg(i + 1));
}

void Ipv4AddressEdit::focusField(int index, bool atEnd)
{
    QLineEdit* target = m_fields[index];
    target->setFocus(Qt::OtherFocusReason);
    if (atEnd)
        target->end(false);
    else
        target->selectAll();
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    const auto index = int(std::find(m_fields.begin(), m_fields.end(), watched) - m_fields.begin());
    if (index >= 4)
        return QWidget::eventFilter(watched, event);
    QLineEdit* field = m_fields[index];
    // The click that brings the focus into a field selects it; otherwise it would put the
    // caret beside the old value, and what the user types would be added to it.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
        m_clickFocused = index;
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && m_clickFocused == index) {
        m_clickFocused = -1;
        field->selectAll();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const bool autoAdvancedHere = m_autoAdvancedTo == index;
    m_autoAdvancedTo = -1;
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's decimal key counts as a dot whatever it types (a German keypad types ",").
    const bool decimalKey = (key->modifiers() & Qt::KeypadModifier) &&
                            (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma);
    if (key->text() == QStringLiteral(".") || decimalKey) {
        // A dot right after a third digit moved on only confirms that move.
        if (!autoAdvancedHere && index < 3 && !field->text().isEmpty())
            focusField(index + 1, false);
        return true; // a dot is never part of a field
    }
    if (field->text() == QStringLiteral("0") && key->text().size() == 1 &&
        key->text().front().isDigit()) {
        field->clear(); // a lone 0 is a placeholder: the first digit typed replaces it
        return false;
    }
    if (key->key() == Qt::Key_Backspace && index > 0 && field->cursorPosition() == 0 &&
        !field->hasSelectedText()) {
        focusField(index - 1, true);
        return true;
    }
    return false;
}

void Ipv4AddressEdit::paintEvent(QPaintEvent*)
{
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_PanelLineEdit, option);
}

} // namespace zel
