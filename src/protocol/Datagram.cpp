#include "Datagram.h"

#include "protocol/DatagramLayout.h"
#include "protocol/DialString.h"
#include "protocol/DigitSlots.h"
#include "protocol/PackedItems.h"

#include <algorithm>
#include <array>

namespace zel::Datagram {

using namespace Layout;

namespace {

// Appends one counted field, its text clamped to the record's capacity so that no record,
// however it was filled, can push the request past the working area.
class RequestWriter
{
public:
    RequestWriter(std::span<std::uint8_t> out, std::size_t offset) : m_out(out), m_offset(offset) {}

    std::size_t offset() const { return m_offset; }

    void appendByte(std::uint8_t value) { m_out[m_offset++] = value; }

    void appendText(const std::string& text, std::size_t capacity)
    {
        const std::size_t length = std::min(text.size(), capacity);
        appendByte(static_cast<std::uint8_t>(length));
        for (std::size_t i = 0; i < length; ++i)
            appendByte(static_cast<std::uint8_t>(text[i]));
    }

    // A number that does not encode goes out as its plain characters.
    void appendDialString(const std::string& text, std::size_t capacity)
    {
        std::array<unsigned char, RecordLimits::kPager> codes{};
        const std::size_t length = std::min({text.size(), capacity, codes.size()});
        std::copy_n(text.begin(), length, codes.begin());
        EncodeDialString(codes.data(), static_cast<int>(length));
        appendByte(static_cast<std::uint8_t>(length));
        for (std::size_t i = 0; i < length; ++i)
            appendByte(codes[i]);
    }

private:
    std::span<std::uint8_t> m_out;
    std::size_t m_offset;
};

} // namespace

std::size_t buildViewRequest(std::string_view mailbox, std::span<std::uint8_t> out)
{
    if (out.size() < kViewRequestSize)
        return 0;
    std::copy(std::begin(kViewRequestMagic), std::end(kViewRequestMagic), out.begin());
    writeDigitSlots(mailbox, out.subspan(kMailboxSlotsOffset, kMailboxSlots));
    return kViewRequestSize;
}

std::size_t buildApplyRequest(const MailboxRecord& record, std::span<std::uint8_t> out)
{
    if (out.size() < kFillSize)
        return 0;
    std::fill_n(out.begin(), kFillSize, kFill);

    std::copy(std::begin(kApplyRequestMagic), std::end(kApplyRequestMagic), out.begin());
    writeDigitSlots(record.mailboxNumber, out.subspan(kMailboxSlotsOffset, kMailboxSlots));
    out[kLengthOffset] = 0;
    out[kLengthOffset + 1] = 0;

    const std::uint16_t flagsWord = packFlagsWord(record);
    out[11] = packAcceptCallsByte(record);
    out[12] = packFlagsByte(record);
    out[13] = static_cast<std::uint8_t>(flagsWord >> 8);
    out[14] = static_cast<std::uint8_t>(flagsWord & 0xff);
    writeDigitSlots(record.password, out.subspan(15, RecordLimits::kPasswordDigits));
    writeDigitSlots(record.notifyExtension, out.subspan(19, RecordLimits::kExtensionDigits));
    writeDigitSlots(record.backupExtension, out.subspan(25, RecordLimits::kExtensionDigits));
    out[31] = static_cast<std::uint8_t>(
        std::min(record.backupExtension.size(), RecordLimits::kExtensionDigits));
    out[32] = static_cast<std::uint8_t>(record.operatorExtensionIndex);
    out[33] = packFaxExtensionByte(record.faxExtensionChoice);
    out[34] = static_cast<std::uint8_t>(record.maxMessages + 7);

    RequestWriter writer(out, 35);
    writer.appendDialString(record.telephoneNumber, RecordLimits::kTelephone);
    writer.appendDialString(record.pagerNumber, RecordLimits::kPager);
    writer.appendText(record.smsNumber, RecordLimits::kSms);
    std::size_t last = 0;
    if (record.emailSupported != 0) {
        writer.appendText(record.emailAddress, RecordLimits::kEmail);
        last = writer.offset();
        writer.appendByte(static_cast<std::uint8_t>(record.messageType));
    } else {
        // The filler byte: already 255 from the fill above.
        last = writer.offset();
    }

    const std::size_t length = last - kUncountedHeader;
    out[kLengthOffset] = static_cast<std::uint8_t>(length >> 8);
    out[kLengthOffset + 1] = static_cast<std::uint8_t>(length & 0xff);
    return last + 1;
}

int readAcknowledgement(std::span<const std::uint8_t> datagram, std::string_view sentMailbox,
                        int result)
{
    if (datagram.size() >= kAckIgnoreSize)
        return result;
    if (!hasReplyMagic(datagram))
        return AckResult::BadMagic;
    // Too short to hold a length and a status: as wrong as a length that does not fit.
    if (datagram.size() < kHeaderSize)
        return AckResult::BadLength;

    const std::string mailbox =
        readDigitSlots(datagram.subspan(kMailboxSlotsOffset, kMailboxSlots));
    const int length = readHeaderLength(datagram);
    if (!headerLengthFits(datagram, length))
        result = AckResult::BadLength;
    if (mailbox != sentMailbox)
        result = AckResult::OtherMailbox;

    const std::uint8_t status = datagram[kStatusOffset];
    if (status == 1)
        result = AckResult::NoSuchMailbox;
    else if (status == 2)
        result = AckResult::NotValid;
    else if (status == 0 && length == 1)
        result = AckResult::Applied;
    return result;
}

} // namespace zel::Datagram
