#pragma once

#include <QObject>

#include <array>
#include <cstdint>

class QUdpSocket;
struct CZelSocketOwner;

// The program's one UDP endpoint. Every datagram that arrives is copied into the owner's
// receive area and handed, synchronously, to the open exchange window.
class CZelAsyncSocket : public QObject
{
    Q_OBJECT

public:
    explicit CZelAsyncSocket(CZelSocketOwner& owner);
    ~CZelAsyncSocket() override;

    // Binds to `localPort` on any local IPv4 address; false on failure.
    bool Create(quint16 localPort);
    bool setBroadcast(bool on);
    bool broadcast(bool* ok) const;
    void Close();
    quint16 localPort() const;

    // The caller sets m_nBytesSent to 0, copies its request into m_sendBuffer, sets
    // m_nBytesToSend and calls Flush.
    void Flush();
    void queue(const std::uint8_t* data, int size); // the three steps above, then Flush

    std::array<std::uint8_t, 4096> m_sendBuffer;
    int m_nBytesSent = 0;
    int m_nBytesToSend = 0;

protected:
    virtual int Receive(void* buffer, int size);
    virtual int Send(const void* buffer, int size);
    virtual void OnReceive(int errorCode);
    virtual void OnSend(int errorCode);
    virtual void OnOutOfBandData(int errorCode);
    virtual void OnAccept(int errorCode);
    virtual void OnConnect(int errorCode);
    virtual void OnClose(int errorCode);

private:
    CZelSocketOwner& m_owner;
    QUdpSocket* m_pUdp = nullptr;
};
