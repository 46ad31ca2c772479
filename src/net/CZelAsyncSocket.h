#pragma once

#include <QObject>
#include <array>
#include <cstdint>

class QSocketNotifier;
class QUdpSocket;
struct CZelSocketOwner;

// Captions by which the endpoint finds the open exchange window for a datagram.
inline constexpr char kViewExchangeCaption[] = "Refresh mailbox settings view";
inline constexpr char kApplyExchangeCaption[] = "Apply mailbox settings";

// The program's one UDP endpoint. Every datagram that arrives is copied into the owner's
// receive area and handed, synchronously, to the open exchange window.
class CZelAsyncSocket : public QObject
{
    Q_OBJECT

public:
    explicit CZelAsyncSocket(CZelSocketOwner& owner);
    ~CZelAsyncSocket() override;

    // Binds to `localPort` on any local IPv4 address; false on failure.
    bool Create(quint32 localPort);
    bool setBroadcast(bool on);
    // Reads SO_BROADCAST into `value`; false when the read failed.
    bool readBroadcast(int& value) const;
    // After Close the endpoint can neither send nor receive.
    void Close();
    bool isOpen() const;
    quint16 localPort() const;

    // Sends the pending part of m_sendBuffer to the owner's device address and port.
    void Flush();
    // Makes `data` the pending datagram and flushes it.
    void queue(const std::uint8_t* data, int size);

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
    // Sets the owner's m_pSocket to null and destroys the endpoint.
    virtual void OnClose(int errorCode);

private:
    void readPendingDatagrams();

    CZelSocketOwner& m_owner;
    QUdpSocket* m_pUdp;
    QSocketNotifier* m_pWriteNotifier = nullptr;
    bool m_bClosed = false;
    bool m_bReadFailed = false;
    // Depth of socket notifications on the stack: the Qt socket must outlive them.
    int m_nNotifying = 0;
};
