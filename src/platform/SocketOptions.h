#pragma once

#include <QtGlobal>

namespace zel {

// SO_BROADCAST of the socket `descriptor`; false when the system refused.
bool setBroadcastOption(qintptr descriptor, bool on);
// Reads SO_BROADCAST into `value`; false when the read failed, `value` then left as it was.
bool readBroadcastOption(qintptr descriptor, int& value);

// Whether the send that just failed on this thread found the system's buffer full: a retry once
// the socket can write again, not a failure. Qt says so itself on Unix; Windows' WSAEWOULDBLOCK
// reaches it as a network error.
bool sendWouldBlock();

// Whether the system fails the read of a datagram longer than the buffer instead of cutting it
// short (Windows' WSAEMSGSIZE, which Wine reports as an empty datagram): its size must be looked
// at before it is read.
#ifdef Q_OS_WIN
inline constexpr bool kOverlongDatagramFailsItsRead = true;
#else
inline constexpr bool kOverlongDatagramFailsItsRead = false;
#endif

} // namespace zel
