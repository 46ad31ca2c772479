#pragma once

#include "protocol/Datagram.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zel {

// Room for the largest datagram either side ever reads.
using DatagramBuffer = std::array<std::uint8_t, Datagram::kMaxSize>;

// Resets the first 1000 bytes to 255: the buffer holds no datagram.
inline void clearDatagramBuffer(DatagramBuffer& buffer)
{
    std::fill_n(buffer.begin(), Datagram::kFillSize, Datagram::kFill);
}

} // namespace zel
