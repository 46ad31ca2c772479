#include "CZelSocketOwner.h"

#include "net/CZelAsyncSocket.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <new>

namespace {
constexpr std::size_t kClearedBytes = 1000;
} // namespace

void clearDatagramBuffer(std::array<std::uint8_t, 4096>& buffer)
{
    std::fill_n(buffer.begin(), kClearedBytes, std::uint8_t{0xFF});
}

CZelSocketOwner::CZelSocketOwner()
{
    m_rxBuffer.fill(0xFF);
    m_txBuffer.fill(0xFF);
}

CZelSocketOwner::~CZelSocketOwner()
{
    ReleaseSocket();
}

void CZelSocketOwner::CreateSocket()
{
    if (m_pSocket) {
        m_bSocketReady = true;
        return;
    }
    const QString failure =
        QStringLiteral("Failed to create UDP socket! Please restart ZEL program");
    m_pSocket = new (std::nothrow) CZelAsyncSocket(*this);
    if (!m_pSocket) {
        zel::MessageBox::appBox(failure);
        m_bSocketReady = false;
        return;
    }
    if (!m_pSocket->Create(m_nLocalPort)) {
        m_socketError = failure;
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

void CZelSocketOwner::ReleaseSocket()
{
    if (!m_pSocket)
        return;
    clearDatagramBuffer(m_rxBuffer);
    clearDatagramBuffer(m_txBuffer);
    m_strDeviceAddress.clear();
    m_pSocket->Close();
    discardSocket();
}

void CZelSocketOwner::discardSocket()
{
    delete m_pSocket;
    m_pSocket = nullptr;
}
