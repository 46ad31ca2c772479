#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>

// Byte positions shared by the request builders and the reply readers.
namespace zel::Datagram::Layout {

inline constexpr std::uint8_t kViewRequestMagic[] = {'!', '!', '?'};
inline constexpr std::uint8_t kApplyRequestMagic[] = {'!', '!', 'S'};
inline constexpr std::uint8_t kReplyMagic[] = {'!', '!', 'V'};

inline constexpr std::size_t kMailboxSlotsOffset = 3;
inline constexpr std::size_t kMailboxSlots = 6;
inline constexpr std::size_t kLengthOffset = 9;
inline constexpr std::size_t kStatusOffset = 11;
inline constexpr std::size_t kBodyOffset = 12;
// Bytes before the part a header length counts in a reply; a request's length also leaves
// out its final byte.
inline constexpr std::size_t kUncountedHeader = 11;

inline bool hasReplyMagic(std::span<const std::uint8_t> datagram)
{
    return datagram.size() >= std::size(kReplyMagic) &&
           std::equal(std::begin(kReplyMagic), std::end(kReplyMagic), datagram.begin());
}

// Needs at least kLengthOffset + 2 bytes.
inline int readHeaderLength(std::span<const std::uint8_t> datagram)
{
    return (datagram[kLengthOffset] << 8) | datagram[kLengthOffset + 1];
}

// The header rule: the length counted after byte 10 must fit into what was received.
inline bool headerLengthFits(std::span<const std::uint8_t> datagram, int length)
{
    return static_cast<long>(datagram.size()) - static_cast<long>(kUncountedHeader) >= length;
}

} // namespace zel::Datagram::Layout
