// Processor time used while a view exchange waits its three periods for a device that never
// answers.

#include "BenchSupport.h"
#include "exchange/CRefreshDlg.h"
#include "net/CZelSocketOwner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUdpSocket>

int main(int argc, char** argv)
{
    prepareBenchApplication();
    QApplication app(argc, argv);

    QUdpSocket silentDevice;
    silentDevice.bind(QHostAddress::LocalHost, 0);
    CZelSocketOwner owner;
    owner.m_nLocalPort = 0;
    owner.m_strDeviceAddress = QStringLiteral("127.0.0.1");
    owner.m_nDevicePort = silentDevice.localPort();
    owner.CreateSocket();

    sideBySide("view exchange with a silent device: processor time", "% of one core", [&] {
        const double processorStart = processorSeconds();
        QElapsedTimer wall;
        wall.start();
        CRefreshDlg dialog(owner, QStringLiteral("305"), true);
        dialog.DoModal();
        const double seconds = double(wall.elapsed()) / 1000;
        const double used = processorSeconds() - processorStart;
        std::printf("  waited %.1f s, used %.3f s of processor time\n", seconds, used);
        return 100 * used / seconds;
    });
    return 0;
}
