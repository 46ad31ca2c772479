// Time from opening the view exchange to its end with OK against zel-device, password not
// required. 10 ms of it is the start timer.

#include "BenchSupport.h"
#include "exchange/CRefreshDlg.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int kExchanges = 300;

// Starts zel-device on 127.0.0.1 and a free port, its log discarded; returns the port or 0.
quint16 startDevice(QProcess& device)
{
    device.setStandardErrorFile(QProcess::nullDevice());
    device.start(QStringLiteral(ZEL_DEVICE_PATH),
                 {QStringLiteral("--address"), QStringLiteral("127.0.0.1"),
                  QStringLiteral("--port"), QStringLiteral("0")});
    if (!device.waitForStarted() || !device.waitForReadyRead())
        return 0;
    static const QRegularExpression listening(QStringLiteral("^listening 127\\.0\\.0\\.1:(\\d+)"));
    const auto match = listening.match(QString::fromUtf8(device.readLine()));
    return match.hasMatch() ? quint16(match.captured(1).toUInt()) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    prepareBenchApplication();
    QApplication app(argc, argv);

    QProcess device;
    const quint16 devicePort = startDevice(device);
    if (devicePort == 0) {
        std::fprintf(stderr, "zel-device did not start\n");
        return 1;
    }
    DeviceLink link;
    openLink(link, devicePort);

    sideBySide("open -> ended with OK against zel-device, median of 300", "ms", [&] {
        std::vector<double> durations;
        int failed = 0;
        for (int i = 0; i < kExchanges; ++i) {
            const SteadyTime start = std::chrono::steady_clock::now();
            CRefreshDlg dialog(link, QStringLiteral("305"), false);
            if (dialog.DoModal() != zel::IDOK) {
                ++failed;
                continue;
            }
            durations.push_back(microsecondsBetween(start, std::chrono::steady_clock::now()) /
                                1000);
        }
        if (failed)
            std::printf("  %d exchanges did not end with OK\n", failed);
        return medianOf(durations);
    });
    device.terminate();
    device.waitForFinished();
    return 0;
}
