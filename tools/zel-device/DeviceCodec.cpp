#include "DeviceCodec.h"

#include "DialCodes.h"
#include "PackedFields.h"

namespace {

constexpr char kFill = char(255);
constexpr qsizetype kLengthOffset = 9;
constexpr qsizetype kApplyFixedEnd = 35; // first byte after the fixed part of an apply request
constexpr qsizetype kSmallestApply = 39; // no numbers, no e-mail block
constexpr int kMaxMessagesOffset = 7;
constexpr int kNoFax = 4;
constexpr int kTelephoneLimit = 20;
constexpr int kPagerLimit = 40;
constexpr int kSmsLimit = 40;
constexpr int kEmailLimit = 60;

QByteArray digitValues(const std::string& digits)
{
    QByteArray values;
    for (char c : digits)
        values.append(char(c - '0'));
    return values;
}

QByteArray digitSlots(const std::string& digits, qsizetype slots)
{
    QByteArray values = digitValues(digits);
    values.append(slots - values.size(), kFill);
    return values;
}

void appendCounted(QByteArray& out, const QByteArray& bytes)
{
    out.append(char(bytes.size()));
    out.append(bytes);
}

void appendWord(QByteArray& out, quint16 value)
{
    out.append(char(value >> 8));
    out.append(char(value & 0xff));
}

QByteArray textBytes(const std::string& text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray dialCodes(const std::string& text)
{
    return DialCodes::fromText(text).value_or(textBytes(text));
}

quint8 byteAt(const QByteArray& data, qsizetype offset)
{
    return quint8(data.at(offset));
}

// Digits in `count` slots: digit values, then only 255. Nothing on any other byte.
std::optional<std::string> readSlots(const QByteArray& data, qsizetype offset, qsizetype count)
{
    std::string digits;
    qsizetype i = 0;
    for (; i < count && byteAt(data, offset + i) <= 9; ++i)
        digits.push_back(char('0' + byteAt(data, offset + i)));
    for (; i < count; ++i) {
        if (data.at(offset + i) != kFill)
            return std::nullopt;
    }
    return digits;
}

// Walks the counted fields of an apply request, never past `end`.
class CountedReader
{
public:
    CountedReader(const QByteArray& data, qsizetype start, qsizetype end)
        : m_data(data), m_pos(start), m_end(end)
    {}

    std::optional<QByteArray> next(int limit)
    {
        if (m_pos >= m_end)
            return std::nullopt;
        const auto length = qint8(m_data.at(m_pos));
        if (length < 0 || length > limit || m_end - (m_pos + 1) < length)
            return std::nullopt;
        QByteArray bytes = m_data.mid(m_pos + 1, length);
        m_pos += 1 + length;
        return bytes;
    }

    qsizetype position() const { return m_pos; }

private:
    const QByteArray& m_data;
    qsizetype m_pos;
    qsizetype m_end;
};

bool readFixedPart(const QByteArray& data, MailboxRecord& record)
{
    PackedFields::takeAcceptCallsByte(byteAt(data, 11), record);
    PackedFields::takeFlagsByte(byteAt(data, 12), record);
    PackedFields::takeFlagsWord(quint16(byteAt(data, 13) << 8 | byteAt(data, 14)), record);

    std::string password;
    for (qsizetype i = 15; i < 19; ++i) {
        if (byteAt(data, i) > 9)
            return false;
        password.push_back(char('0' + byteAt(data, i)));
    }
    const auto notify = readSlots(data, 19, 6);
    const auto backup = readSlots(data, 25, 6);
    const auto backupDigits = byteAt(data, 31);
    if (!notify || !backup || backup->size() != std::size_t(backupDigits))
        return false;
    const auto operatorIndex = qint8(data.at(32));
    const auto fax = byteAt(data, 33);
    if (operatorIndex < 0 || operatorIndex > 7 || fax > kNoFax)
        return false;

    record.password = password;
    record.notifyExtension = *notify;
    record.backupExtension = *backup;
    record.operatorExtensionIndex = operatorIndex;
    record.faxExtensionChoice = fax == kNoFax ? 0 : fax + 1;
    record.maxMessages = qint8(data.at(34)) - kMaxMessagesOffset;
    return true;
}

} // namespace

namespace DeviceCodec {

RequestKind kindOf(const QByteArray& datagram)
{
    if (datagram.startsWith("!!?"))
        return RequestKind::View;
    if (datagram.startsWith("!!S"))
        return RequestKind::Apply;
    return RequestKind::Other;
}

QByteArray mailboxSlots(const std::string& number)
{
    return digitSlots(number, kSlotCount);
}

std::optional<std::string> readMailboxSlots(const QByteArray& datagram)
{
    if (datagram.size() < kSlotsOffset + kSlotCount)
        return std::nullopt;
    auto number = readSlots(datagram, kSlotsOffset, kSlotCount);
    if (!number || number->empty())
        return std::nullopt;
    return number;
}

QByteArray headerOnly(const QByteArray& slots, quint8 status)
{
    QByteArray reply("!!V");
    reply.append(slots.left(kSlotCount));
    reply.append(kSlotCount - qMin(slots.size(), kSlotCount), kFill);
    appendWord(reply, 1);
    reply.append(char(status));
    return reply;
}

QByteArray viewReply(const MailboxRecord& record, quint8 status)
{
    QByteArray body;
    body.append(char(record.emailSupported != 0 ? 1 : 0));
    for (const auto& entry : record.operatorExtensions)
        appendCounted(body, digitValues(entry));
    for (const auto& entry : record.faxExtensions)
        appendCounted(body, digitValues(entry));
    for (int code : record.languageCodes)
        body.append(char(code));
    body.append(char(record.newMessages));
    body.append(char(record.savedMessages));
    body.append(4, char(0)); // reserved
    body.append(char(PackedFields::acceptCallsByte(record)));
    body.append(char(PackedFields::flagsByte(record)));
    appendWord(body, PackedFields::flagsWord(record));
    body.append(digitValues(record.password));
    body.append(digitSlots(record.notifyExtension, 6));
    body.append(digitSlots(record.backupExtension, 6));
    body.append(char(record.backupExtension.size()));
    body.append(char(record.operatorExtensionIndex));
    body.append(char(record.faxExtensionChoice == 0 ? kNoFax : record.faxExtensionChoice - 1));
    body.append(char(record.maxMessages + kMaxMessagesOffset));
    appendCounted(body, dialCodes(record.telephoneNumber));
    appendCounted(body, dialCodes(record.pagerNumber));
    appendCounted(body, textBytes(record.smsNumber));
    if (record.emailSupported != 0) {
        appendCounted(body, textBytes(record.emailAddress));
        body.append(char(record.messageType));
    }

    QByteArray reply("!!V");
    reply.append(mailboxSlots(record.mailboxNumber));
    appendWord(reply, quint16(1 + body.size()));
    reply.append(char(status));
    reply.append(body);
    return reply;
}

ApplyCheck checkApplyHeader(const QByteArray& datagram)
{
    if (datagram.size() < kSmallestApply || !readMailboxSlots(datagram))
        return ApplyCheck::Malformed;
    const int length = byteAt(datagram, kLengthOffset) << 8 | byteAt(datagram, kLengthOffset + 1);
    return length == datagram.size() - 12 ? ApplyCheck::Ok : ApplyCheck::Malformed;
}

std::optional<MailboxRecord> readApplyRequest(const QByteArray& datagram,
                                              const MailboxRecord& record)
{
    if (checkApplyHeader(datagram) != ApplyCheck::Ok)
        return std::nullopt;
    MailboxRecord updated = record;
    if (!readFixedPart(datagram, updated))
        return std::nullopt;

    // The final byte is the message type or, without an e-mail block, a filler 255.
    const qsizetype last = datagram.size() - 1;
    CountedReader reader(datagram, kApplyFixedEnd, last);
    const auto telephone = reader.next(kTelephoneLimit);
    const auto pager = telephone ? reader.next(kPagerLimit) : std::nullopt;
    const auto sms = pager ? reader.next(kSmsLimit) : std::nullopt;
    if (!sms)
        return std::nullopt;
    const auto telephoneText = DialCodes::toText(*telephone);
    const auto pagerText = DialCodes::toText(*pager);
    if (!telephoneText || !pagerText)
        return std::nullopt;

    if (record.emailSupported != 0) {
        const auto email = reader.next(kEmailLimit);
        const int messageType = byteAt(datagram, last);
        if (!email || messageType > 3)
            return std::nullopt;
        updated.emailAddress = email->toStdString();
        updated.messageType = messageType;
    } else if (datagram.at(last) != kFill) {
        return std::nullopt;
    }
    if (reader.position() != last)
        return std::nullopt;

    updated.telephoneNumber = *telephoneText;
    updated.pagerNumber = *pagerText;
    updated.smsNumber = sms->toStdString();
    return updated;
}

} // namespace DeviceCodec
