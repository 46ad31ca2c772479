// Processor time used while a view exchange waits its three periods for a device that never
// answers.

#include "BenchSupport.h"
#include "exchange/CRefreshDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUdpSocket>

int main(int argc, char** argv)
{
    prepareBenchApplication();
    QApplication app(argc, argv);

    QUdpSocket silentDevice;
    silentDevice.bind(QHostAddress::LocalHost, 0);
    DeviceLink link;
    openLink(link, silentDevice.localPort());

    sideBySide("view exchange with a silent device: processor time", "% of one core", [&] {
        const double processorStart = processorSeconds();
        QElapsedTimer wall;
        wall.start();
        CRefreshDlg dialog(link, QStringLiteral("305"), true);
        dialog.DoModal();
        const double seconds = double(wall.elapsed()) / 1000;
        const double used = processorSeconds() - processorStart;
        std::printf("  waited %.1f s, used %.3f s of processor time\n", seconds, used);
        return 100 * used / seconds;
    });
    return 0;
}
