#include "RunningMarker.h"

#include <QCoreApplication>
#include <QDir>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <sddl.h>
#endif

namespace zel {

QString runningMarkerName(const QString& program, const QString& programFolder)
{
    QString folder = QDir::toNativeSeparators(programFolder).toLower();
    folder.replace(u'\\', u'/');
    return QStringLiteral("Global\\%1:%2").arg(program, folder);
}

QString runningMarkerSecurity()
{
    // SYNCHRONIZE (0x00100000) for authenticated users (AU) and the system (SY).
    return QStringLiteral("D:(A;;0x00100000;;;AU)(A;;0x00100000;;;SY)");
}

void markProgramRunning(const QString& program)
{
#ifdef Q_OS_WIN
    const std::wstring name =
        runningMarkerName(program, QCoreApplication::applicationDirPath()).toStdWString();
    const std::wstring security = runningMarkerSecurity().toStdWString();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, FALSE};
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            security.c_str(), SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr))
        return;
    // Asking for SYNCHRONIZE alone, a second Zel of the same folder opens the first one's
    // marker too, so that it stays while either runs. Never closed: Windows releases it when
    // the process ends, however it ends.
    CreateMutexExW(&attributes, name.c_str(), 0, SYNCHRONIZE);
    LocalFree(attributes.lpSecurityDescriptor);
#else
    Q_UNUSED(program);
#endif
}

} // namespace zel
