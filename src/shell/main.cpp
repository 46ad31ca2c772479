#include "platform/RunningMarker.h"
#include "platform/UserLanguages.h"
#include "shell/AppInfo.h"
#include "shell/CZelApp.h"
#include "shell/CommandLine.h"
#include "shell/Translations.h"

#include <QApplication>

namespace {
CZelApp theApp;
} // namespace

int main(int argc, char* argv[])
{
#ifndef Q_OS_WIN
    // Installed in lower case as Linux names programs; the title stays the one Zel.exe gives.
    QCoreApplication::setApplicationName(QStringLiteral("Zel"));
#endif
    if (const std::optional<int> exitStatus = zel::answerCommandLine(argc, argv))
        return *exitStatus;

    QApplication application(argc, argv);
    zel::markProgramRunning(QStringLiteral("Zel"));
    const zel::Translations translations(zel::userLanguages());
    // Links the window to its desktop entry (task bar icon, Wayland app id).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zel::appInfo::desktopId));
    theApp.InitInstance();
    return 0;
}
