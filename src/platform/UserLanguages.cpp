#include "UserLanguages.h"

#include <QLocale>

namespace zel {

QStringList userLanguages()
{
#ifndef Q_OS_WIN
    // The first of these that is set decides the messages locale.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (locale.isEmpty())
            continue;
        if (locale == u"C" || locale == u"POSIX")
            return {};
        break;
    }
#endif
    return QLocale::system().uiLanguages();
}

} // namespace zel
