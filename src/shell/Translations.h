#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace zel {

// Zel's translation, and Qt's own for the texts Qt draws itself (the message boxes' "Yes" and
// "No"), for the first of `languages` that Zel speaks; installed while this object lives. English,
// the language of the source texts, ends the search: a user who prefers it to a language Zel
// speaks gets it.
class Translations
{
public:
    explicit Translations(const QStringList& languages);

    // The language installed, as its translation names it ("de"); empty for English.
    QString language() const { return m_zel.language(); }

private:
    QTranslator m_zel;
    QTranslator m_qt;
};

} // namespace zel
