// Time from a reply leaving the device to the end of the view exchange's reply handler (which
// ends the dialog), over 1,000 exchanges on 127.0.0.1. The device answers from its own thread,
// once at once and once 2 ms after the request, so that the reply also arrives while the
// exchange is asleep in its wait rather than still drawing its new status.

#include "BenchSupport.h"
#include "exchange/CRefreshDlg.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"

#include <QApplication>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <atomic>
#include <future>
#include <thread>

namespace {

constexpr int kExchanges = 1000;

// A full view reply for mailbox 305: no e-mail block, password 1234.
const QByteArray kReply = QByteArray::fromHex("212156030005ffffff003500"
                                              "00"
                                              "03010001"
                                              "00000000000000"
                                              "00000000"
                                              "010205"
                                              "0203"
                                              "00000000"
                                              "00000000"
                                              "01020304"
                                              "ffffffffffff"
                                              "ffffffffffff00"
                                              "000411"
                                              "000000");

class TimedRefreshDlg : public CRefreshDlg
{
public:
    using CRefreshDlg::CRefreshDlg;
    SteadyTime handled;

protected:
    bool WindowProc(int message) override
    {
        const bool result = CRefreshDlg::WindowProc(message);
        if (message == zel::WM_VIEW_REPLY)
            handled = std::chrono::steady_clock::now();
        return result;
    }
};

class AnsweringDevice
{
public:
    AnsweringDevice()
    {
        std::promise<quint16> port;
        m_thread = std::thread([this, &port] { run(port); });
        m_port = port.get_future().get();
    }
    ~AnsweringDevice()
    {
        m_stop = true;
        m_thread.join();
    }

    quint16 port() const { return m_port; }
    std::atomic<int> answerDelayMs = 0;
    std::atomic<SteadyTime> sentAt;

private:
    void run(std::promise<quint16>& port)
    {
        QUdpSocket socket;
        socket.bind(QHostAddress::LocalHost, 0);
        port.set_value(socket.localPort());
        while (!m_stop) {
            if (!socket.waitForReadyRead(100))
                continue;
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = socket.receiveDatagram();
                std::this_thread::sleep_for(std::chrono::milliseconds(answerDelayMs));
                sentAt = std::chrono::steady_clock::now();
                socket.writeDatagram(kReply, request.senderAddress(),
                                     quint16(request.senderPort()));
            }
        }
    }

    std::atomic<bool> m_stop = false;
    quint16 m_port = 0;
    std::thread m_thread;
};

} // namespace

int main(int argc, char** argv)
{
    prepareBenchApplication();
    QApplication app(argc, argv);

    AnsweringDevice device;
    DeviceLink link;
    openLink(link, device.port());

    const auto medianLatency = [&] {
        std::vector<double> latencies;
        for (int i = 0; i < kExchanges; ++i) {
            TimedRefreshDlg dialog(link, QStringLiteral("305"), false);
            if (dialog.DoModal() == zel::IDOK)
                latencies.push_back(microsecondsBetween(device.sentAt.load(), dialog.handled));
        }
        if (latencies.size() != std::size_t(kExchanges))
            std::printf("  %zu of %d exchanges did not end with OK\n",
                        kExchanges - latencies.size(), kExchanges);
        return medianOf(latencies);
    };
    sideBySide("reply sent at once -> handled, median of 1000", "us", medianLatency);
    device.answerDelayMs = 2;
    sideBySide("reply sent 2 ms later -> handled, median of 1000", "us", medianLatency);
    return 0;
}
