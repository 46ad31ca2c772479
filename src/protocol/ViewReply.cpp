#include "protocol/Datagram.h"
#include "protocol/DatagramLayout.h"
#include "protocol/DialString.h"
#include "protocol/DigitSlots.h"
#include "protocol/PackedItems.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zel::Datagram {

using namespace Layout;

namespace {

// Reads the body item after item. Any item that would run past the end of the datagram, and
// any counted field with a negative length or over its limit, fails the whole read: such a
// reply is not a record, and no part of it is taken over.
class BodyReader
{
public:
    explicit BodyReader(std::span<const std::uint8_t> datagram) : m_data(datagram) {}

    std::optional<std::span<const std::uint8_t>> bytes(std::size_t count)
    {
        if (m_data.size() - m_offset < count)
            return std::nullopt;
        const auto item = m_data.subspan(m_offset, count);
        m_offset += count;
        return item;
    }

    std::optional<std::uint8_t> byte()
    {
        const auto item = bytes(1);
        if (!item)
            return std::nullopt;
        return (*item)[0];
    }

    std::optional<int> signedByte()
    {
        const auto value = byte();
        if (!value)
            return std::nullopt;
        return static_cast<std::int8_t>(*value);
    }

    std::optional<std::span<const std::uint8_t>> counted(std::size_t limit)
    {
        const auto length = signedByte();
        if (!length || *length < 0 || static_cast<std::size_t>(*length) > limit)
            return std::nullopt;
        return bytes(static_cast<std::size_t>(*length));
    }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_offset = kBodyOffset;
};

// A field that fails to decode is kept as its raw bytes; either way the text ends at the
// first zero byte.
std::string decodeDialField(std::span<const std::uint8_t> codes)
{
    std::array<unsigned char, RecordLimits::kPager + 1> buffer{};
    std::copy(codes.begin(), codes.end(), buffer.begin());
    DecodeDialString(buffer.data(), static_cast<int>(codes.size()));
    const auto end = std::find(buffer.begin(), buffer.begin() + codes.size(), 0);
    return std::string(buffer.begin(), end);
}

std::string plainText(std::span<const std::uint8_t> characters)
{
    return std::string(characters.begin(), characters.end());
}

// Both list entries and extensions are digit strings; a slot that is no digit ends them, so
// that nothing but digits reaches the pages' "_"-separated lists.
template <std::size_t N> bool readList(BodyReader& reader, std::array<std::string, N>& entries)
{
    for (std::string& entry : entries) {
        const auto field = reader.counted(RecordLimits::kListEntryDigits);
        if (!field)
            return false;
        entry = readDigitSlots(*field);
    }
    return true;
}

bool readBody(BodyReader& reader, MailboxRecord& record)
{
    const auto emailBlock = reader.byte();
    if (!emailBlock)
        return false;
    record.emailSupported = *emailBlock;

    if (!readList(reader, record.operatorExtensions) || !readList(reader, record.faxExtensions))
        return false;

    const auto languages = reader.bytes(record.languageCodes.size());
    const auto newMessages = reader.signedByte();
    const auto savedMessages = reader.signedByte();
    const auto reserved = reader.bytes(4);
    const auto acceptCalls = reader.byte();
    const auto flagsByte = reader.byte();
    const auto flagsWord = reader.bytes(2);
    const auto password = reader.bytes(RecordLimits::kPasswordDigits);
    const auto notifyExtension = reader.bytes(RecordLimits::kExtensionDigits);
    const auto backupSlots = reader.bytes(RecordLimits::kExtensionDigits);
    const auto backupDigits = reader.byte();
    const auto operatorIndex = reader.signedByte();
    const auto faxByte = reader.byte();
    const auto maxMessages = reader.signedByte();
    if (!languages || !newMessages || !savedMessages || !reserved || !acceptCalls || !flagsByte ||
        !flagsWord || !password || !notifyExtension || !backupSlots || !backupDigits ||
        !operatorIndex || !faxByte || !maxMessages)
        return false;
    // A digit count beyond the six slots describes no extension the record can hold.
    if (*backupDigits > RecordLimits::kExtensionDigits)
        return false;

    const auto telephone = reader.counted(RecordLimits::kTelephone);
    if (!telephone)
        return false;
    const auto pager = reader.counted(RecordLimits::kPager);
    if (!pager)
        return false;
    const auto sms = reader.counted(RecordLimits::kSms);
    if (!sms)
        return false;
    if (record.emailSupported != 0) {
        const auto email = reader.counted(RecordLimits::kEmail);
        if (!email)
            return false;
        const auto messageType = reader.byte();
        if (!messageType)
            return false;
        record.emailAddress = plainText(*email);
        record.messageType = *messageType;
    }

    std::copy(languages->begin(), languages->end(), record.languageCodes.begin());
    record.newMessages = *newMessages;
    record.savedMessages = *savedMessages;
    record.totalMessages = record.newMessages + record.savedMessages;
    unpackAcceptCallsByte(*acceptCalls, record);
    unpackFlagsByte(*flagsByte, record);
    unpackFlagsWord(static_cast<std::uint16_t>(((*flagsWord)[0] << 8) | (*flagsWord)[1]), record);
    record.password = readDigitValuesUnchecked(*password);
    record.notifyExtension = readDigitSlots(*notifyExtension);
    record.backupExtension = readDigitValuesUnchecked(backupSlots->first(*backupDigits));
    record.operatorExtensionIndex = *operatorIndex;
    record.faxExtensionChoice = unpackFaxExtensionByte(*faxByte);
    record.maxMessages = *maxMessages - 7;
    record.telephoneNumber = decodeDialField(*telephone);
    record.pagerNumber = decodeDialField(*pager);
    record.smsNumber = plainText(*sms);
    return true;
}

} // namespace

ViewReply readViewReply(std::span<const std::uint8_t> datagram)
{
    datagram = datagram.first(std::min(datagram.size(), kMaxSize));
    ViewReply reply;
    if (!hasReplyMagic(datagram))
        return reply;

    const std::size_t slotsEnd = std::min(datagram.size(), kMailboxSlotsOffset + kMailboxSlots);
    reply.mailboxNumber =
        readDigitSlots(datagram.subspan(kMailboxSlotsOffset, slotsEnd - kMailboxSlotsOffset));

    if (datagram.size() < kHeaderSize) {
        reply.kind = ViewReplyKind::BadLength;
        return reply;
    }
    const int length = readHeaderLength(datagram);
    if (!headerLengthFits(datagram, length)) {
        reply.kind = ViewReplyKind::BadLength;
        return reply;
    }

    const std::uint8_t status = datagram[kStatusOffset];
    if (status == 1) {
        reply.kind = ViewReplyKind::NoSuchMailbox;
        return reply;
    }
    if (status == 2) {
        reply.kind = ViewReplyKind::NotValid;
        return reply;
    }
    if (status == 0 && length == 1) {
        reply.kind = ViewReplyKind::BareAck;
        return reply;
    }

    BodyReader reader(datagram);
    MailboxRecord record;
    if (!readBody(reader, record)) {
        reply.kind = ViewReplyKind::NotValid;
        return reply;
    }
    record.mailboxNumber = reply.mailboxNumber;
    reply.record = std::move(record);
    reply.kind = ViewReplyKind::Record;
    return reply;
}

} // namespace zel::Datagram
