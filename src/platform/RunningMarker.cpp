#include "RunningMarker.h"

#include <QCoreApplication>
#include <QDir>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace zel {

QString runningMarkerName(const QString& programFolder)
{
    QString folder = QDir::toNativeSeparators(programFolder).toLower();
    folder.replace(u'\\', u'/');
    return QStringLiteral("Global\\Zel:") + folder;
}

void markProgramRunning()
{
#ifdef Q_OS_WIN
    // Never closed: Windows releases it when the process ends, however it ends.
    const std::wstring name =
        runningMarkerName(QCoreApplication::applicationDirPath()).toStdWString();
    CreateMutexW(nullptr, FALSE, name.c_str());
#endif
}

} // namespace zel
