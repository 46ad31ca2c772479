#include "SocketOptions.h"

#ifdef Q_OS_WIN
#ifndef NOMINMAX // MinGW's C++ library defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace zel {

bool setBroadcastOption(qintptr descriptor, bool on)
{
    const int value = on ? 1 : 0;
#ifdef Q_OS_WIN
    return ::setsockopt(SOCKET(descriptor), SOL_SOCKET, SO_BROADCAST,
                        reinterpret_cast<const char*>(&value), sizeof value) == 0;
#else
    return ::setsockopt(int(descriptor), SOL_SOCKET, SO_BROADCAST, &value, sizeof value) == 0;
#endif
}

bool readBroadcastOption(qintptr descriptor, int& value)
{
#ifdef Q_OS_WIN
    int size = sizeof value;
    return ::getsockopt(SOCKET(descriptor), SOL_SOCKET, SO_BROADCAST,
                        reinterpret_cast<char*>(&value), &size) == 0;
#else
    socklen_t size = sizeof value;
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_BROADCAST, &value, &size) == 0;
#endif
}

bool sendWouldBlock()
{
#ifdef Q_OS_WIN
    return WSAGetLastError() == WSAEWOULDBLOCK;
#else
    return false;
#endif
}

} // namespace zel
