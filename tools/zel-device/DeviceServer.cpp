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

        // Answer first and log afterwards: formatting the log lines would delay every reply.
        const DeviceAnswer answer = m_responder.answer(request.data());
        const bool answerNow = answer.datagram && answer.delayMs <= 0;
        const QString sentNow =
            answerNow ? send(*answer.datagram, answer.fromOtherPort, peer, peerPort) : QString();

        DatagramLog::write(DatagramLog::line("in ", peer, peerPort, request.data()));
        if (!answer.note.isEmpty())
            DatagramLog::write(QStringLiteral("    %1").arg(answer.note));
        if (answerNow) {
            DatagramLog::write(sentNow);
        } else if (answer.datagram) {
            const QByteArray reply = *answer.datagram;
            const bool otherPort = answer.fromOtherPort;
            QTimer::singleShot(answer.delayMs, this, [this, reply, otherPort, peer, peerPort] {
                DatagramLog::write(send(reply, otherPort, peer, peerPort));
            });
        }
    }
}

QString DeviceServer::send(const QByteArray& datagram, bool fromOtherPort, const QHostAddress& peer,
                           quint16 peerPort)
{
    QUdpSocket* socket = &m_socket;
    if (fromOtherPort) {
        if (m_otherSocket.state() != QAbstractSocket::BoundState)
            m_otherSocket.bind(m_socket.localAddress(), 0);
        socket = &m_otherSocket;
    }
    const bool sent = socket->writeDatagram(datagram, peer, peerPort) == datagram.size();
    QString log = DatagramLog::line("out", peer, peerPort, datagram) +
                  QStringLiteral(" (from port %1)").arg(socket->localPort());
    if (!sent)
        log += QStringLiteral("\n    send failed: %1").arg(socket->errorString());
    return log;
}
