#pragma once

#include "protocol/MailboxRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zel::Datagram {

inline constexpr std::size_t kMaxSize = 4096;  // nothing past this is ever read
inline constexpr std::size_t kFillSize = 1000; // bytes reset to 255 around each request
inline constexpr std::uint8_t kFill = 255;
inline constexpr std::size_t kViewRequestSize = 9;
inline constexpr std::size_t kHeaderSize = 12;
inline constexpr std::size_t kAckIgnoreSize =
    16; // an acknowledgement reader skips datagrams this big

// Writes the 9-byte view request for `mailbox` into `out` (at least 9 bytes) and returns 9;
// returns 0 and writes nothing when `out` is smaller. Digits past the sixth are dropped.
std::size_t buildViewRequest(std::string_view mailbox, std::span<std::uint8_t> out);

// Assembles the apply request for `record` in `out` (at least kFillSize bytes; the first
// kFillSize are reset to 255 first) and returns its size; returns 0 and writes nothing when
// `out` is smaller. Every field is cut to the record's capacity (RecordLimits: 6-digit
// mailbox and extensions, 4-digit password, 20/40/40/60 characters), so the request never
// exceeds 200 bytes whatever the record holds.
std::size_t buildApplyRequest(const MailboxRecord& record, std::span<std::uint8_t> out);

enum class ViewReplyKind
{
    BadMagic,      // does not start with "!!V": nothing else was read
    BadLength,     // header length larger than the size minus 11, or shorter than a header
    NoSuchMailbox, // status 1
    NotValid,      // status 2, or a record body that runs past the datagram, has a counted
                   // field with a negative length or over its RecordLimits capacity, or a
                   // backup digit count over 6
    BareAck,       // status 0 with length 1
    Record,        // a full record follows and was read into `record`
};

struct ViewReply
{
    ViewReplyKind kind = ViewReplyKind::BadMagic;
    std::string mailboxNumber; // from the header slots, when the magic was right
    MailboxRecord record;      // only for Record; mailboxNumber is copied into it
};

// Reads at most kMaxSize bytes of `datagram`, and never past its end. A datagram that starts
// with the magic but is shorter than the 12-byte header is BadLength.
ViewReply readViewReply(std::span<const std::uint8_t> datagram);

// Result codes of the apply exchange.
namespace AckResult {
inline constexpr int Waiting = -1;
inline constexpr int Applied = 0;
inline constexpr int NoSuchMailbox = 1;
inline constexpr int NotValid = 2;
inline constexpr int OtherMailbox = 4;
inline constexpr int BadLength = 5;
inline constexpr int BadMagic = 6;
} // namespace AckResult

// Applies one received datagram to the apply exchange's `result` and returns the new result.
// Datagrams of kAckIgnoreSize bytes or more leave it unchanged. One of 3 to 11 bytes that
// starts with the magic has no room for a length and a status: BadLength, nothing else read.
int readAcknowledgement(std::span<const std::uint8_t> datagram, std::string_view sentMailbox,
                        int result);

} // namespace zel::Datagram
