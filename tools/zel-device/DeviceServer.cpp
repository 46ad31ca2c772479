#include "DeviceServer.h"

#include "DatagramLog.h"

#include <QNetworkDatagram>
#include <QTimer>

DeviceServer::DeviceServer(DeviceResponder& responder, QObject* parent)
    : QObject(parent), m_responder(responder)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &DeviceServer::readPendingDatagrams);
}

bool DeviceServer::listen(const QHostAddress& address, quint16 port, QString& error)
{
    if (!m_socket.bind(address, port)) {
        error = QStringLiteral("cannot listen on %1:%2: %3")
                    .arg(address.toString())
                    .arg(port)
                    .arg(m_socket.errorString());
        return false;
    }
    return true;
}

void DeviceServer::readPendingDatagrams()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram request = m_socket.receiveDatagram();
        const QHostAddress peer = request.senderAddress();
        const auto peerPort = quint16(request.senderPort());
        DatagramLog::write(DatagramLog::line("in ", peer, peerPort, request.data()));

        const DeviceAnswer answer = m_responder.answer(request.data());
        if (!answer.note.isEmpty())
            DatagramLog::write(QStringLiteral("    %1").arg(answer.note));
        if (!answer.datagram)
            continue;
        const QByteArray reply = *answer.datagram;
        const bool otherPort = answer.fromOtherPort;
        if (answer.delayMs > 0) {
            QTimer::singleShot(answer.delayMs, this, [this, reply, otherPort, peer, peerPort] {
                send(reply, otherPort, peer, peerPort);
            });
        } else {
            send(reply, otherPort, peer, peerPort);
        }
    }
}

void DeviceServer::send(const QByteArray& datagram, bool fromOtherPort, const QHostAddress& peer,
                        quint16 peerPort)
{
    QUdpSocket* socket = &m_socket;
    if (fromOtherPort) {
        if (m_otherSocket.state() != QAbstractSocket::BoundState)
            m_otherSocket.bind(m_socket.localAddress(), 0);
        socket = &m_otherSocket;
    }
    DatagramLog::write(DatagramLog::line("out", peer, peerPort, datagram) +
                       QStringLiteral(" (from port %1)").arg(socket->localPort()));
    if (socket->writeDatagram(datagram, peer, peerPort) != datagram.size())
        DatagramLog::write(QStringLiteral("    send failed: %1").arg(socket->errorString()));
}
