#pragma once

#include <QString>
#include <array>
#include <cstdint>

class CZelAsyncSocket;

// The main window's members that the endpoint and the exchanges share. The main window
// derives from it; tests use it on its own.
struct CZelSocketOwner
{
    CZelAsyncSocket* m_pSocket = nullptr;
    QString m_strDeviceAddress;
    quint32 m_nDevicePort = 5000;
    quint32 m_nLocalPort = 5000;
    std::array<std::uint8_t, 4096> m_rxBuffer;
    int m_nReceived = 0;
    std::array<std::uint8_t, 4096> m_txBuffer;
    QString m_socketError; // at most 255 characters
    bool m_bSocketReady = false;

    CZelSocketOwner();
    virtual ~CZelSocketOwner();
    CZelSocketOwner(const CZelSocketOwner&) = delete;
    CZelSocketOwner& operator=(const CZelSocketOwner&) = delete;

    // Sets up m_pSocket bound to m_nLocalPort with broadcast on; sets m_bSocketReady.
    void CreateSocket();
    // Resets the buffers, forgets the device address, closes and deletes the endpoint.
    void ReleaseSocket();

private:
    void discardSocket();
};

// Resets the first 1000 bytes of a datagram buffer to 255: the buffer holds no datagram.
void clearDatagramBuffer(std::array<std::uint8_t, 4096>& buffer);
