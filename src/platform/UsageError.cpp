#include "UsageError.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace zel {

void reportUsageError(const QString& message)
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    if (!::GetConsoleWindow() && !(startup.dwFlags & STARTF_USESTDHANDLES)) {
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(message.utf16()),
                      reinterpret_cast<const wchar_t*>(QCoreApplication::applicationName().utf16()),
                      MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
        return;
    }
#endif
    std::fputs(qPrintable(message), stderr);
}

} // namespace zel
