#include "EditRules.h"

#include <QLineEdit>
#include <algorithm>

namespace zel {

EditRules::EditRules(QLineEdit* edit, int textLimit, EditCharacters characters)
    : QValidator(edit), m_edit(edit), m_nTextLimit(textLimit), m_characters(characters),
      m_strBefore(edit->text())
{
    // Validation runs before textChanged, so this always holds the previous text.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_strBefore = text; });
}

qsizetype EditRules::refusedCharacters(const QString& text) const
{
    switch (m_characters) {
    case EditCharacters::Digits:
        return std::count_if(text.begin(), text.end(),
                             [](QChar c) { return c < u'0' || c > u'9'; });
    case EditCharacters::Latin1:
        return std::count_if(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
    case EditCharacters::Any:
        break;
    }
    return 0;
}

QValidator::State EditRules::validate(QString& input, int& pos) const
{
    // QLineEdit::setText resets the undo state, so an unmodified edit means the program set
    // the text: keep it as it is.
    if (!m_edit->isModified())
        return Acceptable;
    if (refusedCharacters(input) > refusedCharacters(m_strBefore))
        return Invalid;
    if (m_nTextLimit <= 0 || input.size() <= m_nTextLimit)
        return Acceptable;
    // The cursor ends behind what was inserted; what follows it was there before, and so
    // is what both texts start with.
    const qsizetype after = input.size() - pos;
    qsizetype kept = 0;
    const qsizetype maxKept = std::min<qsizetype>(pos, m_strBefore.size() - after);
    while (kept < maxKept && input.at(kept) == m_strBefore.at(kept))
        ++kept;
    const qsizetype room = std::max<qsizetype>(0, m_nTextLimit - kept - after);
    const qsizetype inserted = pos - kept;
    if (inserted <= room)
        return Acceptable; // it fits, or nothing went in: a deletion in an over-long text
    input.remove(kept + room, inserted - room);
    pos = int(kept + room);
    return Acceptable;
}

} // namespace zel
