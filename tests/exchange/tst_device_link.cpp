// The main window's link to the device over real sockets, with stand-ins for the two exchange
// windows that record what they are sent.

#include "ExchangeTestSupport.h"
#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "net/CZelAsyncSocket.h"
#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"

#include <QPointer>
#include <QTest>

namespace {

const QString kSocketFailure =
    QStringLiteral("Failed to create UDP socket! Please restart ZEL program");

constexpr zel::DialogTemplate kWindow{0, "", "", 100, 40, "", 8, zel::ModalFrame, {}};

// Stands in for an open exchange window: traces each message with the size it found.
class ExchangeWindow : public zel::Dialog
{
public:
    ExchangeWindow(const QString& caption, const char* name, const DeviceLink& link)
        : Dialog(kWindow), m_name(name), m_link(link)
    {
        Create(nullptr);
        setWindowTitle(caption);
    }

    QList<int> messages;
    std::function<void()> onMessage;

protected:
    bool WindowProc(int message) override
    {
        messages.append(message);
        zel::OutputDebugStringA(
            QStringLiteral("%1 %2\n").arg(QLatin1String(m_name)).arg(m_link.received()).toLatin1());
        if (onMessage)
            onMessage();
        return true;
    }

private:
    const char* m_name;
    const DeviceLink& m_link;
};

class ClosableSocket : public CZelAsyncSocket
{
public:
    using CZelAsyncSocket::CZelAsyncSocket;
    using CZelAsyncSocket::OnClose;
};

bool firstBytesCleared(const zel::DatagramBuffer& buffer)
{
    return std::all_of(buffer.begin(), buffer.begin() + 1000, [](auto b) { return b == 0xFF; });
}

QByteArray received(const DeviceLink& link)
{
    const std::span<const std::uint8_t> datagram = link.lastDatagram();
    return QByteArray(reinterpret_cast<const char*>(datagram.data()), qsizetype(datagram.size()));
}

} // namespace

class DeviceLinkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createBindsWithBroadcastOn();
    void createFailureIsReported_data();
    void createFailureIsReported();
    void replyFromAnotherPortRedirectsNextRequest();
    void deliveryIsSynchronousViewFirst();
    void oversizeAndUndeliveredDatagrams();
    void onCloseForgetsEndpoint();
    void releaseResetsBuffersAndClosesPort();
    void releaseDuringDeliveryIsSafe();
};

void DeviceLinkTest::createBindsWithBroadcastOn()
{
    BoxRecorder boxes;
    DeviceLink link;
    openLink(link, 5000);
    QVERIFY(link.socketReady());
    QVERIFY(link.endpoint());
    QVERIFY(link.endpoint()->isOpen());
    int broadcast = 0;
    QVERIFY(link.endpoint()->readBroadcast(broadcast));
    QVERIFY(broadcast != 0);

    const CZelAsyncSocket* const first = link.endpoint();
    link.createSocket();
    QCOMPARE(link.endpoint(), first);
    QVERIFY(link.socketReady());
    QVERIFY(boxes.shown().isEmpty());
}

void DeviceLinkTest::createFailureIsReported_data()
{
    QTest::addColumn<bool>("portTaken");
    QTest::newRow("port already in use") << true;
    QTest::newRow("port out of range") << false;
}

void DeviceLinkTest::createFailureIsReported()
{
    QFETCH(bool, portTaken);
    BoxRecorder boxes;
    QUdpSocket blocker;
    QVERIFY(blocker.bind(QHostAddress::AnyIPv4, 0));

    DeviceLink link;
    link.setLocalPort(portTaken ? blocker.localPort() : 70000);
    link.createSocket();

    QVERIFY(!link.socketReady());
    QVERIFY(!link.endpoint());
    QCOMPARE(link.socketError(), kSocketFailure);
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.shown()[0].text, kSocketFailure);
    QCOMPARE(boxes.shown()[0].title, zel::applicationTitle());
    QCOMPARE(boxes.shown()[0].icon, zel::MessageBox::Exclamation);
    QCOMPARE(boxes.shown()[0].buttons, zel::MessageBox::Ok);
}

void DeviceLinkTest::replyFromAnotherPortRedirectsNextRequest()
{
    TestPeer configured;
    TestPeer other;
    DeviceLink link;
    openLink(link, configured.port());
    ExchangeWindow view(CRefreshDlg::caption(), "view", link);

    other.sendTo(QByteArrayLiteral("!!V reply"), link.endpoint()->localPort());
    QTRY_COMPARE(view.messages.size(), 1);
    QCOMPARE(received(link), QByteArrayLiteral("!!V reply"));
    QCOMPARE(link.deviceAddress(), QStringLiteral("127.0.0.1"));
    QCOMPARE(link.devicePort(), int(other.port()));

    const std::uint8_t request[] = {'!', '!', '?', 1, 255, 255, 255, 255, 255};
    link.sendApplyRequest(request);
    QTRY_COMPARE(other.received.size(), 1);
    QTest::qWait(20);
    QCOMPARE(configured.received.size(), 0);
}

void DeviceLinkTest::deliveryIsSynchronousViewFirst()
{
    TestPeer device;
    DeviceLink link;
    openLink(link, device.port());
    ExchangeWindow apply(CApplyDlg::caption(), "apply", link);
    ExchangeWindow view(CRefreshDlg::caption(), "view", link);
    TraceCapture trace;

    device.sendTo(QByteArrayLiteral("abc"), link.endpoint()->localPort());
    device.sendTo(QByteArrayLiteral("abcde"), link.endpoint()->localPort());
    QTRY_COMPARE(apply.messages.size(), 2);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\nview 3\napply 3\n"
                                     "CZelAsyncSocket::OnReceive\nview 5\napply 5\n"));
    QCOMPARE(view.messages, QList<int>({zel::WM_VIEW_REPLY, zel::WM_VIEW_REPLY}));
    QCOMPARE(apply.messages, QList<int>({zel::WM_APPLY_REPLY, zel::WM_APPLY_REPLY}));

    // An ended exchange is no longer found.
    view.EndDialog(zel::IDCANCEL);
    device.sendTo(QByteArrayLiteral("x"), link.endpoint()->localPort());
    QTRY_COMPARE(apply.messages.size(), 3);
    QCOMPARE(view.messages.size(), 2);
}

void DeviceLinkTest::oversizeAndUndeliveredDatagrams()
{
    TestPeer device;
    DeviceLink link;
    openLink(link, device.port());
    TraceCapture trace;

    // With no exchange open a datagram is only stored.
    device.sendTo(QByteArrayLiteral("!!V\x03\x00\x05"), link.endpoint()->localPort());
    QTRY_COMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(received(link), QByteArrayLiteral("!!V\x03\x00\x05"));

    device.sendTo(QByteArray(4097, 'x'), link.endpoint()->localPort());
    QTRY_COMPARE(link.received(), -1);
    QCOMPARE(link.receiveArea()[0], std::uint8_t('!'));
    QVERIFY(link.endpoint()->isOpen());
}

void DeviceLinkTest::onCloseForgetsEndpoint()
{
    ClosableSocket* socket = nullptr;
    DeviceLink link([&](EndpointListener& owner) { return socket = new ClosableSocket(owner); });
    openLink(link, 5000);
    QVERIFY(socket->isOpen());
    const QPointer<CZelAsyncSocket> alive(socket);

    socket->OnClose(0);
    QVERIFY(!link.endpoint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
}

void DeviceLinkTest::releaseResetsBuffersAndClosesPort()
{
    TestPeer device;
    DeviceLink link;
    openLink(link, device.port());
    const quint16 localPort = link.endpoint()->localPort();
    device.sendTo(QByteArray(4096, 0x11), localPort);
    link.sendApplyRequest(std::vector<std::uint8_t>(1001, 0x22));
    QTRY_COMPARE(link.received(), 4096);

    link.ReleaseSocket();
    QVERIFY(!link.endpoint());
    QVERIFY(firstBytesCleared(link.receiveArea()));
    QVERIFY(firstBytesCleared(link.stagingArea()));
    QCOMPARE(link.receiveArea()[1000], std::uint8_t{0x11});
    QCOMPARE(link.stagingArea()[1000], std::uint8_t{0x22});
    QVERIFY(link.deviceAddress().isEmpty());
    QUdpSocket successor;
    QVERIFY(successor.bind(QHostAddress::AnyIPv4, localPort));

    link.ReleaseSocket();
    QVERIFY(!link.endpoint());
}

void DeviceLinkTest::releaseDuringDeliveryIsSafe()
{
    TestPeer device;
    DeviceLink link;
    openLink(link, device.port());
    ExchangeWindow view(CRefreshDlg::caption(), "view", link);
    view.onMessage = [&link] { link.ReleaseSocket(); };

    device.sendTo(QByteArrayLiteral("one"), link.endpoint()->localPort());
    device.sendTo(QByteArrayLiteral("two"), link.endpoint()->localPort());
    QTRY_COMPARE(view.messages.size(), 1);
    QTest::qWait(20);
    QCOMPARE(view.messages.size(), 1);
    QVERIFY(!link.endpoint());
    QVERIFY(link.deviceAddress().isEmpty());
}

int runDeviceLinkTests(int argc, char** argv)
{
    DeviceLinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_device_link.moc"
