#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>

class CZelAsyncSocket;
class QHostAddress;
class QString;

// The endpoint's owner, as the endpoint sees it: where to send, and what happened. Every report
// comes from inside one of the endpoint's notifications, and the listener may release the
// endpoint from there.
class EndpointListener
{
public:
    // Asked again before every send: the device's answer may have come from elsewhere.
    virtual QString deviceAddress() const = 0;
    virtual int devicePort() const = 0;

    // A datagram of 1 to 4096 bytes; `datagram` is valid during the call only.
    virtual void datagramReceived(std::span<const std::uint8_t> datagram,
                                  const QHostAddress& sender, quint16 senderPort) = 0;
    // A datagram longer than 4096 bytes arrived and was dropped.
    virtual void oversizeDatagramDropped() = 0;
    // The endpoint closed without being asked; it destroys itself once its notification is over.
    virtual void endpointClosed(CZelAsyncSocket& endpoint) = 0;

protected:
    ~EndpointListener() = default;
};
