#include "net/CZelAsyncSocket.h"
#include "net/EndpointListener.h"
#include "support/TestPeer.h"
#include "support/TraceCapture.h"

#include <QHostAddress>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

const std::uint8_t kRequest[] = {'!', '!', '?', 3, 0, 5, 255, 255, 255};

// The endpoint's owner: says where the device is and keeps what it is told.
class Listener final : public EndpointListener
{
public:
    QString address = QStringLiteral("127.0.0.1");
    int port = 0;
    QList<QByteArray> datagrams;
    QList<quint16> senderPorts;
    int oversize = 0;
    QList<CZelAsyncSocket*> closed;
    std::function<void()> onDatagram;

    QString deviceAddress() const override { return address; }
    int devicePort() const override { return port; }
    void datagramReceived(std::span<const std::uint8_t> datagram, const QHostAddress& sender,
                          quint16 senderPort) override
    {
        datagrams.append(
            QByteArray(reinterpret_cast<const char*>(datagram.data()), qsizetype(datagram.size())));
        senderPorts.append(sender == QHostAddress::LocalHost ? senderPort : 0);
        if (onDatagram)
            onDatagram();
    }
    void oversizeDatagramDropped() override { ++oversize; }
    void endpointClosed(CZelAsyncSocket& endpoint) override { closed.append(&endpoint); }
};

class ClosableSocket : public CZelAsyncSocket
{
public:
    using CZelAsyncSocket::CZelAsyncSocket;
    using CZelAsyncSocket::OnClose;
};

// An endpoint on a free port, sending to `devicePort` on 127.0.0.1.
struct Endpoint
{
    explicit Endpoint(quint16 devicePort) : socket(std::make_unique<ClosableSocket>(listener))
    {
        listener.port = devicePort;
        opened = socket->Create(0);
    }
    quint16 port() const { return socket->localPort(); }

    Listener listener;
    std::unique_ptr<ClosableSocket> socket;
    bool opened = false;
};

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    return bytes;
}

} // namespace

class NetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createBindsAndSwitchesBroadcastOn();
    void createFails_data();
    void createFails();
    void queuedDatagramGoesWhereTheListenerSays();
    void datagramsAreReportedWithTheirSender();
    void datagramSizeLimit();
    void emptyDatagramIsDroppedAndEndpointStaysOpen();
    void sendErrorClosesEndpointForGood();
    void onCloseTellsTheListenerAndDestroysEndpoint();
    void destroyedDuringReportIsSafe();
};

void NetTest::createBindsAndSwitchesBroadcastOn()
{
    Endpoint endpoint(5000);
    QVERIFY(endpoint.opened);
    QVERIFY(endpoint.socket->isOpen());
    QVERIFY(endpoint.port() != 0);
    int broadcast = -1;
    QVERIFY(endpoint.socket->setBroadcast(false));
    QVERIFY(endpoint.socket->readBroadcast(broadcast));
    QCOMPARE(broadcast, 0);
    QVERIFY(endpoint.socket->setBroadcast(true));
    QVERIFY(endpoint.socket->readBroadcast(broadcast));
    QVERIFY(broadcast != 0);
}

void NetTest::createFails_data()
{
    QTest::addColumn<bool>("portTaken");
    QTest::newRow("port already in use") << true;
    QTest::newRow("port out of range") << false;
}

void NetTest::createFails()
{
    QFETCH(bool, portTaken);
    QUdpSocket blocker;
    QVERIFY(blocker.bind(QHostAddress::AnyIPv4, 0));
    Listener listener;
    CZelAsyncSocket socket(listener);
    QVERIFY(!socket.Create(portTaken ? blocker.localPort() : 70000));
    QVERIFY(!socket.isOpen());
}

void NetTest::queuedDatagramGoesWhereTheListenerSays()
{
    TestPeer device;
    TestPeer moved;
    Endpoint endpoint(device.port());
    endpoint.socket->queue(kRequest, sizeof kRequest);

    QTRY_COMPARE(device.received.size(), 1);
    QCOMPARE(device.received[0], QByteArray::fromHex("21213f030005ffffff"));
    QCOMPARE(device.lastSenderPort, endpoint.port());
    const CZelAsyncSocket::SendState sent = endpoint.socket->sendState();
    QCOMPARE(sent.bytesSent, 0);
    QCOMPARE(sent.bytesToSend, 0);
    QVERIFY(std::all_of(sent.buffer.begin(), sent.buffer.begin() + 1000,
                        [](auto b) { return b == 0xFF; }));

    // The listener is asked again for every send.
    endpoint.listener.port = moved.port();
    endpoint.socket->queue(kRequest, sizeof kRequest);
    QTRY_COMPARE(moved.received.size(), 1);
    QCOMPARE(device.received.size(), 1);

    // The highest port is a port like any other.
    endpoint.listener.port = 65535;
    endpoint.socket->queue(kRequest, sizeof kRequest);
    QVERIFY(endpoint.socket->isOpen());
}

void NetTest::datagramsAreReportedWithTheirSender()
{
    TestPeer device;
    TestPeer other;
    Endpoint endpoint(device.port());
    TraceCapture trace;

    device.sendTo(QByteArrayLiteral("abc"), endpoint.port());
    QTRY_COMPARE(endpoint.listener.datagrams.size(), 1);
    other.sendTo(QByteArrayLiteral("abcde"), endpoint.port());
    QTRY_COMPARE(endpoint.listener.datagrams.size(), 2);
    QCOMPARE(endpoint.listener.datagrams,
             QList<QByteArray>({QByteArrayLiteral("abc"), QByteArrayLiteral("abcde")}));
    QCOMPARE(endpoint.listener.senderPorts, QList<quint16>({device.port(), other.port()}));
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\nCZelAsyncSocket::OnReceive\n"));
    // Where the device is stays the listener's business.
    endpoint.socket->queue(kRequest, sizeof kRequest);
    QTRY_COMPARE(device.received.size(), 1);
    QCOMPARE(other.received.size(), 0);
}

void NetTest::datagramSizeLimit()
{
    TestPeer device;
    Endpoint endpoint(device.port());
    TraceCapture trace;

    device.sendTo(pattern(4096), endpoint.port());
    QTRY_COMPARE(endpoint.listener.datagrams.size(), 1);
    QCOMPARE(endpoint.listener.datagrams[0], pattern(4096));

    trace.text.clear();
    device.sendTo(pattern(4097), endpoint.port());
    QTRY_COMPARE(endpoint.listener.oversize, 1);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(endpoint.listener.datagrams.size(), 1);

    device.sendTo(QByteArrayLiteral("after"), endpoint.port());
    QTRY_COMPARE(endpoint.listener.datagrams.size(), 2);
    QCOMPARE(endpoint.listener.datagrams[1], QByteArrayLiteral("after"));
}

void NetTest::emptyDatagramIsDroppedAndEndpointStaysOpen()
{
    TestPeer device;
    Endpoint endpoint(device.port());
    TraceCapture trace;

    device.sendTo(QByteArray(), endpoint.port());
    QTRY_COMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QVERIFY(endpoint.listener.datagrams.isEmpty());
    QVERIFY(endpoint.listener.closed.isEmpty());
    QVERIFY(endpoint.socket->isOpen());

    endpoint.socket->queue(kRequest, sizeof kRequest);
    QTRY_COMPARE(device.received.size(), 1);
    device.reply(QByteArrayLiteral("second"));
    QTRY_COMPARE(endpoint.listener.datagrams, QList<QByteArray>({QByteArrayLiteral("second")}));
}

void NetTest::sendErrorClosesEndpointForGood()
{
    TestPeer device;
    Endpoint endpoint(device.port());
    endpoint.listener.address = QStringLiteral("not an address");
    endpoint.socket->queue(kRequest, sizeof kRequest);
    QVERIFY(!endpoint.socket->isOpen());
    // Closed on its own initiative, not by the peer: nothing to report.
    QVERIFY(endpoint.listener.closed.isEmpty());

    // Neither receives nor, with a good address again, sends.
    TraceCapture trace;
    device.sendTo(QByteArrayLiteral("late"), endpoint.port());
    endpoint.listener.address = QStringLiteral("127.0.0.1");
    endpoint.socket->queue(kRequest, sizeof kRequest);
    QTest::qWait(50);
    QCOMPARE(trace.text, std::string());
    QCOMPARE(device.received.size(), 0);
}

void NetTest::onCloseTellsTheListenerAndDestroysEndpoint()
{
    Endpoint endpoint(5000);
    ClosableSocket* socket = endpoint.socket.release();
    const QPointer<CZelAsyncSocket> alive(socket);

    TraceCapture trace;
    socket->OnClose(0);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnClose\n"));
    QCOMPARE(endpoint.listener.closed, QList<CZelAsyncSocket*>({socket}));
    QVERIFY(!socket->isOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
}

void NetTest::destroyedDuringReportIsSafe()
{
    TestPeer device;
    Endpoint endpoint(device.port());
    const quint16 port = endpoint.port();
    endpoint.listener.onDatagram = [&endpoint] { endpoint.socket.reset(); };

    device.sendTo(QByteArrayLiteral("one"), port);
    device.sendTo(QByteArrayLiteral("two"), port);
    QTRY_COMPARE(endpoint.listener.datagrams.size(), 1);
    QTest::qWait(20);
    QCOMPARE(endpoint.listener.datagrams.size(), 1);
    QUdpSocket successor;
    QVERIFY(successor.bind(QHostAddress::AnyIPv4, port));
}

QTEST_GUILESS_MAIN(NetTest)
#include "tst_net.moc"
