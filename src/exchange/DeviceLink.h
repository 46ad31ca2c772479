#pragma once

#include "net/DatagramBuffer.h"
#include "net/EndpointListener.h"

#include <QString>
#include <functional>
#include <span>

// The main window's link to the device: the endpoint, where the device is, and the areas in
// which datagrams are received and assembled. The exchanges work through it, and it hands
// every datagram received to the open exchange window; the sender of one that an exchange
// takes as its answer becomes the device.
class DeviceLink final : public EndpointListener
{
public:
    // Makes the endpoint for createSocket; null when there is no memory for one.
    using EndpointMaker = std::function<CZelAsyncSocket*(EndpointListener&)>;

    DeviceLink();
    // Tests stand in their own endpoint here.
    explicit DeviceLink(EndpointMaker makeEndpoint);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Where requests go until a device answers from elsewhere.
    void setDevice(const QString& address, int port);
    // The port createSocket binds to; 0 lets the system choose.
    void setLocalPort(int port);
    QString deviceAddress() const override;
    int devicePort() const override;
    int localPort() const { return m_nLocalPort; }

    // Sets up m_pSocket bound to m_nLocalPort with broadcast on; sets m_bSocketReady.
    void createSocket();
    // Resets the buffers, forgets the device address, closes and deletes the endpoint.
    void ReleaseSocket();
    // False when createSocket failed, after it said so.
    bool socketReady() const { return m_bSocketReady; }
    // Null without an endpoint; an exchange then has nothing to send with.
    const CZelAsyncSocket* endpoint() const { return m_pSocket; }
    // Why the last createSocket failed (at most 255 characters).
    const QString& socketError() const { return m_socketError; }

    // Resets the first 1000 bytes of the receive and the staging area: they hold no datagram.
    void clearAreas();
    // The view exchange assembles its request in the staging area first, and sends it when it
    // is due; the area is then cleared.
    void stageViewRequest(const QString& mailbox);
    void sendViewRequest();
    // The apply exchange's request goes into the cleared staging area and out at once.
    void sendApplyRequest(std::span<const std::uint8_t> request);

    // The last datagram received, and its size: -1 when it was over-long and dropped, and the
    // datagram then empty.
    std::span<const std::uint8_t> lastDatagram() const;
    int received() const { return m_nReceived; }
    // The whole areas, beyond the last datagram and the last request too.
    const zel::DatagramBuffer& receiveArea() const { return m_rxBuffer; }
    const zel::DatagramBuffer& stagingArea() const { return m_txBuffer; }

private:
    void datagramReceived(std::span<const std::uint8_t> datagram, const QHostAddress& sender,
                          quint16 senderPort) override;
    void oversizeDatagramDropped() override;
    void endpointClosed(CZelAsyncSocket& endpoint) override;

    void discardSocket();

    EndpointMaker m_makeEndpoint;
    CZelAsyncSocket* m_pSocket = nullptr;
    QString m_strDeviceAddress;
    int m_nDevicePort = 5000;
    int m_nLocalPort = 5000;
    zel::DatagramBuffer m_rxBuffer;
    int m_nReceived = 0;
    zel::DatagramBuffer m_txBuffer;
    std::size_t m_stagedSize = 0;
    QString m_socketError; // at most 255 characters
    bool m_bSocketReady = false;
};
