#pragma once

#include "net/DatagramBuffer.h"

#include <QObject>
#include <cstdint>

class EndpointListener;
class QSocketNotifier;
class QUdpSocket;

// The program's one UDP endpoint. It sends to where its listener says the device is, and
// reports every datagram that arrives to the listener, synchronously.
class CZelAsyncSocket : public QObject
{
    Q_OBJECT

public:
    explicit CZelAsyncSocket(EndpointListener& listener);
    ~CZelAsyncSocket() override;

    // Binds to `localPort` on any local IPv4 address; false on failure.
    bool Create(int localPort);
    bool setBroadcast(bool on);
    // Reads SO_BROADCAST into `value`; false when the read failed.
    bool readBroadcast(int& value) const;
    // After Close the endpoint can neither send nor receive.
    void Close();
    bool isOpen() const;
    quint16 localPort() const;

    // Sends the pending part of m_sendBuffer to the listener's device address and port.
    void Flush();
    // Makes `data` the pending datagram and flushes it.
    void queue(const std::uint8_t* data, int size);

    // What is left to send: all counts 0 and the first 1000 bytes reset once a datagram is out.
    struct SendState
    {
        const zel::DatagramBuffer& buffer;
        int bytesSent;
        int bytesToSend;
    };
    SendState sendState() const { return {m_sendBuffer, m_bytesSent, m_bytesToSend}; }

protected:
    virtual int Receive(void* buffer, int size);
    virtual int Send(const void* buffer, int size);
    virtual void OnReceive(int errorCode);
    virtual void OnSend(int errorCode);
    virtual void OnOutOfBandData(int errorCode);
    virtual void OnAccept(int errorCode);
    virtual void OnConnect(int errorCode);
    // Tells the listener and destroys the endpoint.
    virtual void OnClose(int errorCode);

private:
    void readPendingDatagrams();

    zel::DatagramBuffer m_sendBuffer;
    int m_bytesSent = 0;
    int m_bytesToSend = 0;
    EndpointListener& m_listener;
    QUdpSocket* m_udp;
    QSocketNotifier* m_writeNotifier = nullptr;
    // One byte more than the largest datagram taken: a datagram that fills it is too long.
    std::array<std::uint8_t, zel::Datagram::kMaxSize + 1> m_receiveBuffer;
    bool m_closed = false;
    bool m_readFailed = false;
    // Depth of socket notifications on the stack: the Qt socket must outlive them.
    int m_notifying = 0;
};
