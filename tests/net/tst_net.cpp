#include "NetTestSupport.h"
#include "net/CZelAsyncSocket.h"
#include "net/CZelSocketOwner.h"
#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"

#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

const QString kSocketFailure =
    QStringLiteral("Failed to create UDP socket! Please restart ZEL program");

constexpr zel::DialogTemplate kViewWindow{0, kViewExchangeCaption, 100, 40, "",
                                          8, zel::ModalFrame,      {}};
constexpr zel::DialogTemplate kApplyWindow{0, kApplyExchangeCaption, 100, 40, "",
                                           8, zel::ModalFrame,       {}};

// Stands in for an open exchange window: traces each message with the size it found.
class ExchangeWindow : public zel::Dialog
{
public:
    ExchangeWindow(const zel::DialogTemplate& dialogTemplate, const char* name,
                   const CZelSocketOwner& owner)
        : Dialog(dialogTemplate), m_name(name), m_owner(owner)
    {
        Create(nullptr);
    }

    QList<int> messages;
    std::function<void()> onMessage;

protected:
    bool WindowProc(int message) override
    {
        messages.append(message);
        OutputDebugStringA(QStringLiteral("%1 %2\n")
                               .arg(QLatin1String(m_name))
                               .arg(m_owner.m_nReceived)
                               .toLatin1()
                               .constData());
        if (onMessage)
            onMessage();
        return true;
    }

private:
    const char* m_name;
    const CZelSocketOwner& m_owner;
};

class ClosableSocket : public CZelAsyncSocket
{
public:
    using CZelAsyncSocket::CZelAsyncSocket;
    using CZelAsyncSocket::OnClose;
};

std::unique_ptr<CZelSocketOwner> openEndpoint(quint16 devicePort)
{
    auto owner = std::make_unique<CZelSocketOwner>();
    owner->m_nLocalPort = 0;
    owner->m_strDeviceAddress = QStringLiteral("127.0.0.1");
    owner->m_nDevicePort = devicePort;
    owner->CreateSocket();
    return owner;
}

bool firstBytesCleared(const std::array<std::uint8_t, 4096>& buffer)
{
    return std::all_of(buffer.begin(), buffer.begin() + 1000, [](auto b) { return b == 0xFF; });
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    return bytes;
}

QByteArray received(const CZelSocketOwner& owner)
{
    return QByteArray(reinterpret_cast<const char*>(owner.m_rxBuffer.data()),
                      std::max(owner.m_nReceived, 0));
}

} // namespace

class NetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createBindsWithBroadcastOn();
    void createFailureIsReported_data();
    void createFailureIsReported();
    void queuedDatagramGoesToDevice();
    void replyFromAnotherPortRedirectsNextRequest();
    void datagramSizeLimit();
    void emptyDatagramIsDroppedAndEndpointStaysOpen();
    void deliveryIsSynchronousViewFirst();
    void datagramWithNoExchangeOpenIsOnlyStored();
    void sendErrorClosesEndpointForGood();
    void onCloseForgetsAndDestroysEndpoint();
    void releaseResetsBuffersAndClosesPort();
    void releaseDuringDeliveryIsSafe();
};

void NetTest::createBindsWithBroadcastOn()
{
    BoxRecorder boxes;
    const auto owner = openEndpoint(5000);
    QVERIFY(owner->m_bSocketReady);
    QVERIFY(owner->m_pSocket);
    QVERIFY(owner->m_pSocket->isOpen());
    QVERIFY(owner->m_pSocket->localPort() != 0);
    int broadcast = 0;
    QVERIFY(owner->m_pSocket->readBroadcast(broadcast));
    QVERIFY(broadcast != 0);

    CZelAsyncSocket* const first = owner->m_pSocket;
    owner->m_bSocketReady = false;
    owner->CreateSocket();
    QCOMPARE(owner->m_pSocket, first);
    QVERIFY(owner->m_bSocketReady);
    QVERIFY(boxes.boxes.isEmpty());
}

void NetTest::createFailureIsReported_data()
{
    QTest::addColumn<bool>("portTaken");
    QTest::newRow("port already in use") << true;
    QTest::newRow("port out of range") << false;
}

void NetTest::createFailureIsReported()
{
    QFETCH(bool, portTaken);
    BoxRecorder boxes;
    QUdpSocket blocker;
    QVERIFY(blocker.bind(QHostAddress::AnyIPv4, 0));

    CZelSocketOwner owner;
    owner.m_nLocalPort = portTaken ? blocker.localPort() : 70000;
    owner.CreateSocket();

    QVERIFY(!owner.m_bSocketReady);
    QVERIFY(!owner.m_pSocket);
    QCOMPARE(owner.m_socketError, kSocketFailure);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].text, kSocketFailure);
    QCOMPARE(boxes.boxes[0].title, zel::applicationTitle());
    QCOMPARE(boxes.boxes[0].icon, zel::MessageBox::Exclamation);
    QCOMPARE(boxes.boxes[0].buttons, zel::MessageBox::Ok);
}

void NetTest::queuedDatagramGoesToDevice()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    const std::uint8_t request[] = {'!', '!', '?', 3, 0, 5, 255, 255, 255};
    owner->m_pSocket->queue(request, sizeof request);

    QTRY_COMPARE(device.received.size(), 1);
    QCOMPARE(device.received[0], QByteArray::fromHex("21213f030005ffffff"));
    QCOMPARE(device.m_nLastSenderPort, owner->m_pSocket->localPort());
    QCOMPARE(owner->m_pSocket->m_nBytesSent, 0);
    QCOMPARE(owner->m_pSocket->m_nBytesToSend, 0);
    QVERIFY(firstBytesCleared(owner->m_pSocket->m_sendBuffer));
}

void NetTest::replyFromAnotherPortRedirectsNextRequest()
{
    TestPeer configured;
    TestPeer other;
    const auto owner = openEndpoint(configured.port());
    ExchangeWindow view(kViewWindow, "view", *owner);

    other.sendTo(QByteArrayLiteral("!!V reply"), owner->m_pSocket->localPort());
    QTRY_COMPARE(view.messages.size(), 1);
    QCOMPARE(received(*owner), QByteArrayLiteral("!!V reply"));
    QCOMPARE(owner->m_strDeviceAddress, QStringLiteral("127.0.0.1"));
    QCOMPARE(owner->m_nDevicePort, quint32(other.port()));

    const std::uint8_t request[] = {'!', '!', '?', 1, 255, 255, 255, 255, 255};
    owner->m_pSocket->queue(request, sizeof request);
    QTRY_COMPARE(other.received.size(), 1);
    QTest::qWait(20);
    QCOMPARE(configured.received.size(), 0);
}

void NetTest::datagramSizeLimit()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    ExchangeWindow view(kViewWindow, "view", *owner);
    TraceCapture trace;

    device.sendTo(pattern(4096), owner->m_pSocket->localPort());
    QTRY_COMPARE(view.messages.size(), 1);
    QCOMPARE(owner->m_nReceived, 4096);
    QCOMPARE(received(*owner), pattern(4096));

    trace.text.clear();
    device.sendTo(pattern(4097), owner->m_pSocket->localPort());
    QTRY_COMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(owner->m_nReceived, -1);
    QCOMPARE(view.messages.size(), 1);

    device.sendTo(QByteArrayLiteral("after"), owner->m_pSocket->localPort());
    QTRY_COMPARE(view.messages.size(), 2);
    QCOMPARE(received(*owner), QByteArrayLiteral("after"));
}

void NetTest::emptyDatagramIsDroppedAndEndpointStaysOpen()
{
    TestPeer device;
    TestPeer stranger;
    const auto owner = openEndpoint(device.port());
    ExchangeWindow view(kViewWindow, "view", *owner);
    device.sendTo(QByteArrayLiteral("first"), owner->m_pSocket->localPort());
    QTRY_COMPARE(view.messages.size(), 1);

    TraceCapture trace;
    stranger.sendTo(QByteArray(), owner->m_pSocket->localPort());
    QTRY_COMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(view.messages.size(), 1);
    QCOMPARE(received(*owner), QByteArrayLiteral("first"));
    QCOMPARE(owner->m_nDevicePort, quint32(device.port()));
    QVERIFY(owner->m_pSocket->isOpen());

    const std::uint8_t request[] = {'!', '!', '?', 7, 255, 255, 255, 255, 255};
    owner->m_pSocket->queue(request, sizeof request);
    QTRY_COMPARE(device.received.size(), 1);
    device.reply(QByteArrayLiteral("second"));
    QTRY_COMPARE(view.messages.size(), 2);
    QCOMPARE(received(*owner), QByteArrayLiteral("second"));
}

void NetTest::deliveryIsSynchronousViewFirst()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    ExchangeWindow apply(kApplyWindow, "apply", *owner);
    ExchangeWindow view(kViewWindow, "view", *owner);
    TraceCapture trace;

    device.sendTo(QByteArrayLiteral("abc"), owner->m_pSocket->localPort());
    device.sendTo(QByteArrayLiteral("abcde"), owner->m_pSocket->localPort());
    QTRY_COMPARE(apply.messages.size(), 2);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\nview 3\napply 3\n"
                                     "CZelAsyncSocket::OnReceive\nview 5\napply 5\n"));
    QCOMPARE(view.messages, QList<int>({zel::WM_VIEW_REPLY, zel::WM_VIEW_REPLY}));
    QCOMPARE(apply.messages, QList<int>({zel::WM_APPLY_REPLY, zel::WM_APPLY_REPLY}));

    // An ended exchange is no longer found.
    view.EndDialog(zel::IDCANCEL);
    device.sendTo(QByteArrayLiteral("x"), owner->m_pSocket->localPort());
    QTRY_COMPARE(apply.messages.size(), 3);
    QCOMPARE(view.messages.size(), 2);
}

void NetTest::datagramWithNoExchangeOpenIsOnlyStored()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    TraceCapture trace;
    device.sendTo(QByteArrayLiteral("!!V\x03\x00\x05"), owner->m_pSocket->localPort());
    QTRY_COMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(received(*owner), QByteArrayLiteral("!!V\x03\x00\x05"));
    QVERIFY(owner->m_pSocket->isOpen());
}

void NetTest::sendErrorClosesEndpointForGood()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    const quint16 localPort = owner->m_pSocket->localPort();
    owner->m_strDeviceAddress = QStringLiteral("not an address");
    const std::uint8_t request[] = {'!', '!', '?', 1, 255, 255, 255, 255, 255};
    owner->m_pSocket->queue(request, sizeof request);
    QVERIFY(!owner->m_pSocket->isOpen());
    QVERIFY(owner->m_pSocket);

    // Neither receives nor, with a good address again, sends.
    TraceCapture trace;
    device.sendTo(QByteArrayLiteral("late"), localPort);
    owner->m_strDeviceAddress = QStringLiteral("127.0.0.1");
    owner->m_pSocket->queue(request, sizeof request);
    QTest::qWait(50);
    QCOMPARE(trace.text, std::string());
    QCOMPARE(device.received.size(), 0);
}

void NetTest::onCloseForgetsAndDestroysEndpoint()
{
    CZelSocketOwner owner;
    auto* socket = new ClosableSocket(owner);
    owner.m_pSocket = socket;
    QVERIFY(socket->Create(0));
    const QPointer<CZelAsyncSocket> alive(socket);

    TraceCapture trace;
    socket->OnClose(0);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnClose\n"));
    QVERIFY(!owner.m_pSocket);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
}

void NetTest::releaseResetsBuffersAndClosesPort()
{
    const auto owner = openEndpoint(5000);
    const quint16 localPort = owner->m_pSocket->localPort();
    owner->m_rxBuffer.fill(0x11);
    owner->m_txBuffer.fill(0x22);

    owner->ReleaseSocket();
    QVERIFY(!owner->m_pSocket);
    QVERIFY(firstBytesCleared(owner->m_rxBuffer));
    QVERIFY(firstBytesCleared(owner->m_txBuffer));
    QCOMPARE(owner->m_rxBuffer[1000], std::uint8_t{0x11});
    QCOMPARE(owner->m_txBuffer[1000], std::uint8_t{0x22});
    QVERIFY(owner->m_strDeviceAddress.isEmpty());
    QUdpSocket successor;
    QVERIFY(successor.bind(QHostAddress::AnyIPv4, localPort));

    owner->ReleaseSocket();
    QVERIFY(!owner->m_pSocket);
}

void NetTest::releaseDuringDeliveryIsSafe()
{
    TestPeer device;
    const auto owner = openEndpoint(device.port());
    ExchangeWindow view(kViewWindow, "view", *owner);
    view.onMessage = [&owner] { owner->ReleaseSocket(); };

    device.sendTo(QByteArrayLiteral("one"), owner->m_pSocket->localPort());
    device.sendTo(QByteArrayLiteral("two"), owner->m_pSocket->localPort());
    QTRY_COMPARE(view.messages.size(), 1);
    QTest::qWait(20);
    QCOMPARE(view.messages.size(), 1);
    QVERIFY(!owner->m_pSocket);
}

QTEST_MAIN(NetTest)
#include "tst_net.moc"
