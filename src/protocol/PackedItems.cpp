#include "PackedItems.h"

namespace zel {

namespace {

constexpr std::uint8_t kVirtualBit = 0x80;
constexpr std::uint8_t kNoTimeStampBit = 0x40;
constexpr std::uint8_t kLanguage2Bit = 0x20;
constexpr std::uint8_t kLanguage1Bit = 0x10;
constexpr std::uint8_t kAnnouncerBit = 0x08;

constexpr std::uint16_t kExternalBit = 0x8000;
constexpr std::uint16_t kLocalNotificationBit = 0x4000;
constexpr std::uint16_t kTelephoneBit = 0x0080;
constexpr std::uint16_t kSmsBit = 0x0040;
constexpr std::uint16_t kEmailBit = 0x0020;
constexpr std::uint16_t kPagerBit = 0x0010;

constexpr std::uint8_t kNoFaxExtension = 4;

} // namespace

std::uint8_t packAcceptCallsByte(const MailboxRecord& record)
{
    return record.doNotDisturb ? 0 : 1;
}

void unpackAcceptCallsByte(std::uint8_t value, MailboxRecord& record)
{
    record.doNotDisturb = value == 0;
}

std::uint8_t packFlagsByte(const MailboxRecord& record)
{
    std::uint8_t value = 0;
    if (record.mailboxType == 1)
        value |= kVirtualBit;
    if (!record.timeStamp)
        value |= kNoTimeStampBit;
    if (record.languageIndex == 1)
        value |= kLanguage1Bit;
    else if (record.languageIndex == 2)
        value |= kLanguage2Bit;
    if (record.announcer)
        value |= kAnnouncerBit;
    return value;
}

void unpackFlagsByte(std::uint8_t value, MailboxRecord& record)
{
    record.mailboxType = (value & kVirtualBit) ? 1 : 0;
    record.timeStamp = !(value & kNoTimeStampBit);
    if (value & kLanguage1Bit)
        record.languageIndex = 1;
    else if (value & kLanguage2Bit)
        record.languageIndex = 2;
    else
        record.languageIndex = 0;
    record.announcer = (value & kAnnouncerBit) != 0;
}

std::uint16_t packFlagsWord(const MailboxRecord& record)
{
    std::uint16_t value = 0;
    const int type = record.localNotificationType;
    if (type >= 1 && type <= 4)
        value = kLocalNotificationBit | static_cast<std::uint16_t>(1u << (type - 1));
    if (record.externalNotificationAllowed)
        value |= kExternalBit;
    if (record.telephoneEnabled)
        value |= kTelephoneBit;
    if (record.pagerEnabled)
        value |= kPagerBit;
    if (record.emailEnabled)
        value |= kEmailBit;
    if (record.smsEnabled)
        value |= kSmsBit;
    return value;
}

void unpackFlagsWord(std::uint16_t value, MailboxRecord& record)
{
    record.localNotificationType = 0;
    for (int bit = 0; bit < 4; ++bit) {
        if (value & (1u << bit)) {
            record.localNotificationType = bit + 1;
            break;
        }
    }
    record.externalNotificationAllowed = (value & kExternalBit) != 0;
    record.telephoneEnabled = (value & kTelephoneBit) != 0;
    record.pagerEnabled = (value & kPagerBit) != 0;
    record.emailEnabled = (value & kEmailBit) != 0;
    record.smsEnabled = (value & kSmsBit) != 0;
}

std::uint8_t packFaxExtensionByte(int faxExtensionChoice)
{
    if (faxExtensionChoice >= 1 && faxExtensionChoice <= 4)
        return static_cast<std::uint8_t>(faxExtensionChoice - 1);
    return kNoFaxExtension;
}

int unpackFaxExtensionByte(std::uint8_t value)
{
    return value < kNoFaxExtension ? value + 1 : 0;
}

} // namespace zel
