#pragma once

#include "net/DatagramBuffer.h"
#include "net/EndpointListener.h"

#include <QString>

// The main window's link to the device: the endpoint, where the device is, and the areas in
// which datagrams are received and assembled. The exchanges work through it, and it hands
// every datagram received to the open exchange window; the sender of one that an exchange
// takes as its answer becomes the device.
class DeviceLink final : public EndpointListener
{
public:
    DeviceLink();
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Sets up m_pSocket bound to m_nLocalPort with broadcast on; sets m_bSocketReady.
    void CreateSocket();
    // Resets the buffers, forgets the device address, closes and deletes the endpoint.
    void ReleaseSocket();

    CZelAsyncSocket* m_pSocket = nullptr;
    QString m_strDeviceAddress;
    quint32 m_nDevicePort = 5000;
    quint32 m_nLocalPort = 5000;
    DatagramBuffer m_rxBuffer;
    int m_nReceived = 0;
    DatagramBuffer m_txBuffer;
    QString m_socketError; // at most 255 characters
    bool m_bSocketReady = false;

private:
    QString deviceAddress() const override;
    quint32 devicePort() const override;
    void datagramReceived(std::span<const std::uint8_t> datagram, const QHostAddress& sender,
                          quint16 senderPort) override;
    void oversizeDatagramDropped() override;
    void endpointClosed(CZelAsyncSocket& endpoint) override;

    void discardSocket();
};
