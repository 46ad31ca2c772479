#include "PackedFields.h"

namespace {

constexpr quint8 kVirtual = 0x80;
constexpr quint8 kNoTimeStamp = 0x40;
constexpr quint8 kLanguage2 = 0x20;
constexpr quint8 kLanguage1 = 0x10;
constexpr quint8 kAnnouncer = 0x08;

constexpr quint16 kExternalAllowed = 0x8000;
constexpr quint16 kLocalNotification = 0x4000;
constexpr quint16 kTelephone = 0x0080;
constexpr quint16 kSms = 0x0040;
constexpr quint16 kEmail = 0x0020;
constexpr quint16 kPager = 0x0010;

} // namespace

namespace PackedFields {

quint8 acceptCallsByte(const MailboxRecord& record)
{
    return record.doNotDisturb ? 0 : 1;
}

quint8 flagsByte(const MailboxRecord& record)
{
    quint8 value = 0;
    if (record.mailboxType == 1)
        value |= kVirtual;
    if (!record.timeStamp)
        value |= kNoTimeStamp;
    if (record.languageIndex == 1)
        value |= kLanguage1;
    else if (record.languageIndex == 2)
        value |= kLanguage2;
    if (record.announcer)
        value |= kAnnouncer;
    return value;
}

quint16 flagsWord(const MailboxRecord& record)
{
    quint16 value = 0;
    if (record.localNotificationType >= 1 && record.localNotificationType <= 4)
        value = kLocalNotification | quint16(1u << (record.localNotificationType - 1));
    if (record.externalNotificationAllowed)
        value |= kExternalAllowed;
    if (record.telephoneEnabled)
        value |= kTelephone;
    if (record.smsEnabled)
        value |= kSms;
    if (record.emailEnabled)
        value |= kEmail;
    if (record.pagerEnabled)
        value |= kPager;
    return value;
}

void takeAcceptCallsByte(quint8 value, MailboxRecord& record)
{
    record.doNotDisturb = value == 0;
}

void takeFlagsByte(quint8 value, MailboxRecord& record)
{
    record.mailboxType = (value & kVirtual) ? 1 : 0;
    record.timeStamp = !(value & kNoTimeStamp);
    if (value & kLanguage1)
        record.languageIndex = 1;
    else if (value & kLanguage2)
        record.languageIndex = 2;
    else
        record.languageIndex = 0;
    record.announcer = value & kAnnouncer;
}

void takeFlagsWord(quint16 value, MailboxRecord& record)
{
    record.localNotificationType = 0;
    for (int type = 1; type <= 4; ++type) {
        if (value & (1u << (type - 1))) {
            record.localNotificationType = type;
            break;
        }
    }
    record.externalNotificationAllowed = value & kExternalAllowed;
    record.telephoneEnabled = value & kTelephone;
    record.smsEnabled = value & kSms;
    record.emailEnabled = value & kEmail;
    record.pagerEnabled = value & kPager;
}

} // namespace PackedFields
