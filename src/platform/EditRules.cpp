#include "EditRules.h"

#include <QLineEdit>
#include <algorithm>

namespace zel {

namespace {
qsizetype nonDigits(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c < u'0' || c > u'9'; });
}
} // namespace

EditRules::EditRules(QLineEdit* edit, int textLimit, bool digitsOnly)
    : QValidator(edit), m_edit(edit), m_nTextLimit(textLimit), m_bDigitsOnly(digitsOnly),
      m_strBefore(edit->text())
{
    // Validation runs before textChanged, so this always holds the previous text.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_strBefore = text; });
}

QValidator::State EditRules::validate(QString& input, int&) const
{
    // QLineEdit::setText resets the undo state, so an unmodified edit means the program set
    // the text: keep it as it is.
    if (!m_edit->isModified())
        return Acceptable;
    if (m_nTextLimit > 0 && input.size() > m_nTextLimit && input.size() > m_strBefore.size())
        return Invalid;
    if (m_bDigitsOnly && nonDigits(input) > nonDigits(m_strBefore))
        return Invalid;
    return Acceptable;
}

} // namespace zel
