#pragma once

#include "DeviceResponder.h"

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

// The device on the network: receives requests and sends each answer back to the address and
// port the request came from.
class DeviceServer : public QObject
{
    Q_OBJECT

public:
    explicit DeviceServer(DeviceResponder& responder, QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 port() const { return m_socket.localPort(); }

private:
    void readPendingDatagrams();
    // Sends `datagram` and returns the log text that says so.
    QString send(const QByteArray& datagram, bool fromOtherPort, const QHostAddress& peer,
                 quint16 peerPort);

    DeviceResponder& m_responder;
    QUdpSocket m_socket;
    QUdpSocket m_otherSocket; // bound on first use, for answers from another port
};
