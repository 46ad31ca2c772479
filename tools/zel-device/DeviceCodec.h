#pragma once

#include "MailboxRecord.h"

#include <QByteArray>
#include <optional>
#include <string>

// The device's side of the wire: it writes view replies and acknowledgements and reads view
// and apply requests. Written apart from Zel's own protocol code on purpose, so that a mistake
// on one side is not mirrored on the other.
namespace DeviceCodec {

inline constexpr qsizetype kHeaderSize = 12;
inline constexpr qsizetype kViewRequestSize = 9;
inline constexpr qsizetype kSlotsOffset = 3;
inline constexpr qsizetype kSlotCount = 6;
inline constexpr qsizetype kStatusOffset = 11;

enum Status : quint8
{
    Applied = 0,
    UnknownMailbox = 1,
    NotValid = 2
};

enum class RequestKind
{
    View,
    Apply,
    Other
};
RequestKind kindOf(const QByteArray& datagram);

// Six slots for a mailbox number: one byte per digit value, then 255.
QByteArray mailboxSlots(const std::string& number);

// The mailbox number in bytes 3 to 8, read strictly: one to six digit values followed only by
// 255. Nothing when the slots are missing or hold anything else.
std::optional<std::string> readMailboxSlots(const QByteArray& datagram);

// The 12-byte header with a length of 1: status 1 or 2, or a bare acknowledgement.
QByteArray headerOnly(const QByteArray& slots, quint8 status);

// A full view reply for `record`, with `status` in byte 11.
QByteArray viewReply(const MailboxRecord& record, quint8 status = Applied);

enum class ApplyCheck
{
    Ok,
    Malformed
};

// Whether an apply request has a well-formed header: the size a request can have, the length
// field equal to the size minus 12 and well-formed mailbox slots.
ApplyCheck checkApplyHeader(const QByteArray& datagram);

// Reads the body of an apply request over `record` (whose emailSupported decides whether an
// e-mail block must be present). Returns the updated record, or nothing when the body is
// malformed: a field runs past the end, a counted field is over its limit or negative, a digit
// or dial code is invalid, a value is out of range.
std::optional<MailboxRecord> readApplyRequest(const QByteArray& datagram,
                                              const MailboxRecord& record);

} // namespace DeviceCodec
