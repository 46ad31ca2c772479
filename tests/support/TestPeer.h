#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <functional>

// A scripted UDP peer on 127.0.0.1 and a port of its own.
class TestPeer
{
public:
    TestPeer()
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] { readAll(); });
    }

    quint16 port() const { return m_socket.localPort(); }

    void sendTo(const QByteArray& datagram, quint16 port)
    {
        m_socket.writeDatagram(datagram, QHostAddress::LocalHost, port);
    }
    // Answers the sender of the last datagram received.
    void reply(const QByteArray& datagram) { sendTo(datagram, lastSenderPort); }

    QList<QByteArray> received;
    quint16 lastSenderPort = 0;
    // Runs for every datagram received, after it was recorded.
    std::function<void(const QByteArray&)> onDatagram;

private:
    void readAll()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            received.append(datagram.data());
            lastSenderPort = quint16(datagram.senderPort());
            if (onDatagram)
                onDatagram(datagram.data());
        }
    }

    QUdpSocket m_socket;
};
