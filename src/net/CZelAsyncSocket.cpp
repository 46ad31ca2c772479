#include "CZelAsyncSocket.h"

#include "net/EndpointListener.h"
#include "platform/SocketOptions.h"
#include "platform/Trace.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QSocketNotifier>
#include <QUdpSocket>
#include <algorithm>

namespace {

constexpr int kMaxPort = 0xFFFF;

} // namespace

CZelAsyncSocket::CZelAsyncSocket(EndpointListener& listener)
    : m_listener(listener), m_udp(new QUdpSocket(this))
{
    m_sendBuffer.fill(0xFF);
    connect(m_udp, &QUdpSocket::readyRead, this, &CZelAsyncSocket::readPendingDatagrams);
    // Only a close we did not ask for is news: QUdpSocket reports our own Close too.
    connect(m_udp, &QUdpSocket::disconnected, this, [this] {
        if (!m_closed)
            OnClose(0);
    });
}

CZelAsyncSocket::~CZelAsyncSocket()
{
    m_udp->disconnect(this);
    if (m_notifying > 0) {
        // Destroyed from inside a delivery: the Qt socket is still emitting and must
        // outlive its signal.
        m_udp->close();
        m_udp->setParent(nullptr);
        m_udp->deleteLater();
    }
}

bool CZelAsyncSocket::Create(int localPort)
{
    // The device is on the local network: never ask for a proxy (which would load the system
    // proxy resolver and start its thread just to open the socket).
    m_udp->setProxy(QNetworkProxy::NoProxy);
    // Exclusively: on a shared PC no other program may bind the port too and take the device's
    // answers (Windows lets a later socket share it unless the first refuses).
    if (localPort < 0 || localPort > kMaxPort ||
        !m_udp->bind(QHostAddress::AnyIPv4, quint16(localPort), QAbstractSocket::DontShareAddress))
        return false;
    // Qt tells nothing when a UDP socket can write again; this notifier runs only while a
    // datagram is left pending.
    m_writeNotifier = new QSocketNotifier(m_udp->socketDescriptor(), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        OnSend(0);
    });
    return true;
}

bool CZelAsyncSocket::setBroadcast(bool on)
{
    const qintptr descriptor = m_udp->socketDescriptor();
    return descriptor != -1 && zel::setBroadcastOption(descriptor, on);
}

bool CZelAsyncSocket::readBroadcast(int& value) const
{
    const qintptr descriptor = m_udp->socketDescriptor();
    return descriptor != -1 && zel::readBroadcastOption(descriptor, value);
}

void CZelAsyncSocket::Close()
{
    m_closed = true;
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
    m_udp->close();
}

bool CZelAsyncSocket::isOpen() const
{
    return !m_closed && m_udp->state() == QAbstractSocket::BoundState;
}

quint16 CZelAsyncSocket::localPort() const
{
    return m_udp->localPort();
}

void CZelAsyncSocket::queue(const std::uint8_t* data, int size)
{
    size = std::clamp(size, 0, int(m_sendBuffer.size()));
    m_nBytesSent = 0;
    std::copy_n(data, size, m_sendBuffer.begin());
    m_nBytesToSend = size;
    Flush();
}

void CZelAsyncSocket::Flush()
{
    while (m_nBytesSent < m_nBytesToSend) {
        const QHostAddress device(m_listener.deviceAddress());
        const int devicePort = m_listener.devicePort();
        // A closed endpoint must not send: QUdpSocket would quietly bind a new socket.
        if (m_closed || device.isNull() || devicePort < 0 || devicePort > kMaxPort) {
            Close();
            return;
        }
        const qint64 sent =
            m_udp->writeDatagram(reinterpret_cast<const char*>(m_sendBuffer.data()) + m_nBytesSent,
                                 m_nBytesToSend - m_nBytesSent, device, quint16(devicePort));
        if (sent < 0) {
            if (m_udp->error() == QAbstractSocket::TemporaryError || zel::sendWouldBlock()) {
                m_writeNotifier->setEnabled(true);
                return;
            }
            Close();
            return;
        }
        m_nBytesSent += int(sent);
    }
    m_nBytesSent = 0;
    m_nBytesToSend = 0;
    clearDatagramBuffer(m_sendBuffer);
}

void CZelAsyncSocket::readPendingDatagrams()
{
    const QPointer<CZelAsyncSocket> alive(this);
    ++m_notifying;
    m_readFailed = false;
    // Qt notifies once for everything pending: read until nothing is left.
    while (!m_closed && !m_readFailed && m_udp->hasPendingDatagrams()) {
        OnReceive(0);
        if (!alive)
            return;
    }
    --m_notifying;
}

int CZelAsyncSocket::Receive(void* buffer, int size)
{
    zel::OutputDebugStringA("CZelAsyncSocket::Receive\n");
    return int(m_udp->read(static_cast<char*>(buffer), size));
}

int CZelAsyncSocket::Send(const void* buffer, int size)
{
    zel::OutputDebugStringA("CZelAsyncSocket::Send\n");
    return int(m_udp->write(static_cast<const char*>(buffer), size));
}

void CZelAsyncSocket::OnReceive(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnReceive\n");
    // Only its size then tells an over-long datagram apart from an empty one.
    if (zel::kOverlongDatagramFailsItsRead &&
        m_udp->pendingDatagramSize() > qint64(Datagram::kMaxSize)) {
        m_udp->readDatagram(reinterpret_cast<char*>(m_receiveBuffer.data()),
                            qint64(m_receiveBuffer.size()));
        m_listener.oversizeDatagramDropped();
        return;
    }
    // Read at once, without asking for the size first: a longer datagram is cut to the
    // buffer and then dropped whole.
    QHostAddress sender;
    quint16 senderPort = 0;
    const qint64 received =
        m_udp->readDatagram(reinterpret_cast<char*>(m_receiveBuffer.data()),
                            qint64(m_receiveBuffer.size()), &sender, &senderPort);
    if (received < 0) {
        m_readFailed = true;
        return;
    }
    if (received > qint64(Datagram::kMaxSize)) {
        m_listener.oversizeDatagramDropped();
        return;
    }
    // An empty datagram is valid UDP that any host may send: drop it, stay open.
    if (received == 0)
        return;
    m_listener.datagramReceived(
        std::span<const std::uint8_t>(m_receiveBuffer.data(), std::size_t(received)), sender,
        senderPort);
}

void CZelAsyncSocket::OnSend(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnSend\n");
    Flush();
}

void CZelAsyncSocket::OnOutOfBandData(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnOutOfBandData\n");
}

void CZelAsyncSocket::OnAccept(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnAccept\n");
}

void CZelAsyncSocket::OnConnect(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnConnect\n");
}

void CZelAsyncSocket::OnClose(int /*errorCode*/)
{
    zel::OutputDebugStringA("CZelAsyncSocket::OnClose\n");
    Close();
    m_listener.endpointClosed(*this);
    // Called from a signal of our own socket: deleting now would pull it from under Qt.
    deleteLater();
}
