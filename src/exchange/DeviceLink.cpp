#include "DeviceLink.h"

#include "exchange/ExchangeMessages.h"
#include "net/CZelAsyncSocket.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QHostAddress>
#include <algorithm>
#include <new>

namespace {

// An open exchange window, found by its template's caption as the exchanges give it.
QWidget* exchangeWindow(const zel::DialogTemplate& exchange)
{
    return zel::FindWindow(zel::translatedText(exchange, exchange.caption));
}

// Synchronous hand-over, view exchange first: each handler has finished when this returns.
// True when an exchange took the datagram as its answer.
bool deliverToExchanges()
{
    bool answered = false;
    if (QWidget* view = exchangeWindow(zel::res::refreshDialog()))
        answered = zel::SendMessage(view, zel::WM_VIEW_REPLY);
    if (QWidget* apply = exchangeWindow(zel::res::applyDialog()))
        answered = zel::SendMessage(apply, zel::WM_APPLY_REPLY) || answered;
    return answered;
}

} // namespace

DeviceLink::DeviceLink()
    : DeviceLink(
          [](EndpointListener& listener) { return new (std::nothrow) CZelAsyncSocket(listener); })
{}

DeviceLink::DeviceLink(EndpointMaker makeEndpoint) : m_makeEndpoint(std::move(makeEndpoint))
{
    m_rxBuffer.fill(zel::Datagram::kFill);
    m_txBuffer.fill(zel::Datagram::kFill);
}

DeviceLink::~DeviceLink()
{
    ReleaseSocket();
}

void DeviceLink::setDevice(const QString& address, int port)
{
    m_strDeviceAddress = address;
    m_nDevicePort = port;
}

void DeviceLink::setLocalPort(int port)
{
    m_nLocalPort = port;
}

void DeviceLink::createSocket()
{
    m_bSocketReady = false;
    if (m_pSocket) {
        m_bSocketReady = true;
        return;
    }
    m_pSocket = m_makeEndpoint(*this);
    if (!m_pSocket) {
        zel::MessageBox::appBox(zel::ExchangeMessages::noSocket());
        m_bSocketReady = false;
        return;
    }
    if (!m_pSocket->Create(m_nLocalPort)) {
        m_socketError = zel::ExchangeMessages::noSocket();
        discardSocket();
        zel::MessageBox::appBox(m_socketError);
        m_bSocketReady = false;
        return;
    }
    // Without broadcast the program goes on silently without an endpoint; every exchange
    // then reports the missing endpoint.
    if (!m_pSocket->setBroadcast(true)) {
        discardSocket();
    } else {
        int broadcast = 0;
        if (!m_pSocket->readBroadcast(broadcast) && broadcast == 0)
            discardSocket();
    }
    m_bSocketReady = true;
}

void DeviceLink::ReleaseSocket()
{
    if (!m_pSocket)
        return;
    clearAreas();
    m_strDeviceAddress.clear();
    m_pSocket->Close();
    discardSocket();
}

QString DeviceLink::deviceAddress() const
{
    return m_strDeviceAddress;
}

int DeviceLink::devicePort() const
{
    return m_nDevicePort;
}

void DeviceLink::clearAreas()
{
    zel::clearDatagramBuffer(m_rxBuffer);
    zel::clearDatagramBuffer(m_txBuffer);
}

void DeviceLink::stageViewRequest(const QString& mailbox)
{
    m_stagedSize = zel::Datagram::buildViewRequest(mailbox.toStdString(), m_txBuffer);
}

void DeviceLink::sendViewRequest()
{
    m_pSocket->queue(m_txBuffer.data(), int(m_stagedSize));
    zel::clearDatagramBuffer(m_txBuffer);
}

void DeviceLink::sendApplyRequest(std::span<const std::uint8_t> request)
{
    zel::clearDatagramBuffer(m_txBuffer);
    m_stagedSize = std::min(request.size(), m_txBuffer.size());
    std::copy_n(request.begin(), m_stagedSize, m_txBuffer.begin());
    m_pSocket->queue(m_txBuffer.data(), int(m_stagedSize));
}

std::span<const std::uint8_t> DeviceLink::lastDatagram() const
{
    return {m_rxBuffer.data(), std::size_t(std::max(m_nReceived, 0))};
}

void DeviceLink::datagramReceived(std::span<const std::uint8_t> datagram,
                                  const QHostAddress& sender, quint16 senderPort)
{
    std::copy(datagram.begin(), datagram.end(), m_rxBuffer.begin());
    m_nReceived = int(datagram.size());
    // A device that answers from elsewhere is followed there; a stray datagram moves nothing,
    // or anyone could redirect every later request, the password included. A link released
    // while the exchange handled the datagram stays without a device.
    if (deliverToExchanges() && m_pSocket) {
        m_strDeviceAddress = sender.toString();
        m_nDevicePort = senderPort;
    }
}

void DeviceLink::oversizeDatagramDropped()
{
    m_nReceived = -1;
}

void DeviceLink::endpointClosed(CZelAsyncSocket& endpoint)
{
    if (m_pSocket == &endpoint)
        m_pSocket = nullptr;
}

void DeviceLink::discardSocket()
{
    delete m_pSocket;
    m_pSocket = nullptr;
}
