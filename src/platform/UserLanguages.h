#pragma once

#include <QStringList>

namespace zel {

// The languages the user reads, most wanted first, as BCP 47 names ("de-DE", "fr"): on Windows
// the display languages, elsewhere from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. Empty when the
// messages locale is C or POSIX, whose messages are the untranslated ones whatever LANGUAGE
// says, as gettext has it.
QStringList userLanguages();

} // namespace zel
