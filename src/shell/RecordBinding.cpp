#include "RecordBinding.h"

#include "pages/CNotificationsPage.h"
#include "pages/TransferFields.h"
#include "platform/Dialog.h"
#include "res/resource.h"

#include <variant>

namespace zel {

namespace {

enum class Transfer
{
    Text,          // the control's text
    Check,         // a check box's state
    Integer,       // a decimal text: written signed, read unsigned, so -1 reads as 0
    AllowedLabel,  // the Notifications page's text for the flag
    ExtensionList, // every entry followed by "_", empty entries included
    LanguageList,  // the languages' codes, each followed by "_"; the page names them
};

enum class Direction
{
    Both,        // written by Refresh, read by Apply
    RefreshOnly, // only written; Apply leaves the field as the last Refresh left it
    Copy,        // a page's copy of a field another page holds: written by Refresh, and again
                 // with what Apply read there, so that the pages never disagree
};

enum class Condition
{
    Always,
    WithEmail, // written only when the device supports e-mail; otherwise the field is cleared
};

using Field =
    std::variant<std::string MailboxRecord::*, bool MailboxRecord::*, int MailboxRecord::*,
                 std::array<std::string, 8> MailboxRecord::*,
                 std::array<std::string, 4> MailboxRecord::*, std::array<int, 3> MailboxRecord::*>;

struct Row
{
    BoundPage page;
    int controlId;
    Transfer transfer;
    Field field;
    Direction direction = Direction::Both;
    Condition condition = Condition::Always;
};

using enum BoundPage;
using enum Transfer;
using enum Direction;
using enum Condition;
using R = MailboxRecord;

// Refresh writes these rows in this order, Apply reads the rows it takes back in the same
// order.
// clang-format off
const Row kBinding[] = {
    {Settings,      zel::IDC_SETTINGS_MAILBOX_NUMBER,      Text,          &R::mailboxNumber},
    {Settings,      zel::IDC_SETTINGS_NOTIFY_EXTENSION,    Text,          &R::notifyExtension},
    {Settings,      zel::IDC_SETTINGS_PASSWORD,            Text,          &R::password},
    {Settings,      zel::IDC_SETTINGS_BACKUP_EXTENSION,    Text,          &R::backupExtension},
    {Settings,      zel::IDC_SETTINGS_ANNOUNCER,           Check,         &R::announcer},
    {Settings,      zel::IDC_SETTINGS_DO_NOT_DISTURB,      Check,         &R::doNotDisturb},
    {Settings,      zel::IDC_SETTINGS_TIME_STAMP,          Check,         &R::timeStamp},
    {Settings,      zel::IDC_SETTINGS_LANGUAGE_INDEX,      Integer,       &R::languageIndex},
    {Settings,      zel::IDC_SETTINGS_MAILBOX_TYPE_VALUE,  Integer,       &R::mailboxType},
    {Settings,      zel::IDC_SETTINGS_LOCAL_NOTIFY_VALUE,  Integer,       &R::localNotificationType},
    {Settings,      zel::IDC_SETTINGS_OPERATOR_VALUE,      Integer,       &R::operatorExtensionIndex},
    {Settings,      zel::IDC_SETTINGS_FAX_VALUE,           Integer,       &R::faxExtensionChoice},
    {Settings,      zel::IDC_SETTINGS_OPERATOR_LIST,       ExtensionList, &R::operatorExtensions, RefreshOnly},
    {Settings,      zel::IDC_SETTINGS_FAX_LIST,            ExtensionList, &R::faxExtensions,      RefreshOnly},
    {Settings,      zel::IDC_SETTINGS_LANGUAGE_LIST,       LanguageList,  &R::languageCodes,      RefreshOnly},

    {Notifications, zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED,      Check,        &R::externalNotificationAllowed},
    {Notifications, zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT, AllowedLabel, &R::externalNotificationAllowed, RefreshOnly},
    {Notifications, zel::IDC_NOTIFICATIONS_PHONE_ENABLE,          Check,        &R::telephoneEnabled},
    {Notifications, zel::IDC_NOTIFICATIONS_PAGER_ENABLE,          Check,        &R::pagerEnabled},
    {Notifications, zel::IDC_NOTIFICATIONS_SMS_ENABLE,            Check,        &R::smsEnabled},
    {Notifications, zel::IDC_NOTIFICATIONS_EMAIL_ENABLE,          Check,        &R::emailEnabled},
    {Notifications, zel::IDC_NOTIFICATIONS_PHONE,                 Text,         &R::telephoneNumber},
    {Notifications, zel::IDC_NOTIFICATIONS_PAGER,                 Text,         &R::pagerNumber},
    {Notifications, zel::IDC_NOTIFICATIONS_SMS,                   Text,         &R::smsNumber},
    {Notifications, zel::IDC_NOTIFICATIONS_EMAIL_SUPPORTED,       Integer,      &R::emailSupported},
    {Notifications, zel::IDC_NOTIFICATIONS_EMAIL,                 Text,         &R::emailAddress, Both, WithEmail},
    {Notifications, zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE,    Integer,      &R::messageType,  Both, WithEmail},
    // Shown only here; the Settings page holds them, and its list is where the user changes
    // the local notification when a virtual mailbox may not have one.
    {Notifications, zel::IDC_NOTIFICATIONS_NOTIFY_EXTENSION,      Text,         &R::notifyExtension,       Copy},
    {Notifications, zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE,    Integer,      &R::localNotificationType, Copy},
    {Notifications, zel::IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE,    Integer,      &R::mailboxType,           Copy},

    {Statistics,    zel::IDC_STATISTICS_NEW_MESSAGES,      Integer,       &R::newMessages,   RefreshOnly},
    {Statistics,    zel::IDC_STATISTICS_SAVED_MESSAGES,    Integer,       &R::savedMessages, RefreshOnly},
    {Statistics,    zel::IDC_STATISTICS_TOTAL_MESSAGES,    Integer,       &R::totalMessages, RefreshOnly},
    {Statistics,    zel::IDC_STATISTICS_MAX_MESSAGES,      Integer,       &R::maxMessages,   RefreshOnly},
};
// clang-format on

// The record holds the device's one-byte characters.
QString text(const std::string& value)
{
    return QString::fromLatin1(value.data(), qsizetype(value.size()));
}

std::string text(const QString& value)
{
    return value.toLatin1().toStdString();
}

template <class Entries, class ToText> QString listText(const Entries& entries, ToText toText)
{
    QStringList texts;
    for (const auto& entry : entries)
        texts.append(toText(entry));
    return zel::listText(texts);
}

template <class Member> const auto& fieldOf(const MailboxRecord& record, const Field& field)
{
    return record.*std::get<Member>(field);
}

QString writtenText(const MailboxRecord& record, const Row& row)
{
    switch (row.transfer) {
    case Text:
        return text(fieldOf<std::string R::*>(record, row.field));
    case AllowedLabel:
        return CNotificationsPage::externalNotificationText(fieldOf<bool R::*>(record, row.field));
    case ExtensionList:
        if (const auto* operators = std::get_if<std::array<std::string, 8> R::*>(&row.field))
            return listText(record.**operators, [](const std::string& e) { return text(e); });
        return listText(fieldOf<std::array<std::string, 4> R::*>(record, row.field),
                        [](const std::string& e) { return text(e); });
    case LanguageList:
        return listText(fieldOf<std::array<int, 3> R::*>(record, row.field),
                        [](int code) { return QString::number(code); });
    case Check:
    case Integer:
        break;
    }
    Q_UNREACHABLE();
    return {};
}

void writeRow(const MailboxRecord& record, const Row& row, zel::Dialog& page)
{
    switch (row.transfer) {
    case Check:
        page.CheckDlgButton(row.controlId, fieldOf<bool R::*>(record, row.field));
        break;
    case Integer:
        page.SetDlgItemInt(row.controlId, fieldOf<int R::*>(record, row.field));
        break;
    default:
        page.SetDlgItemText(row.controlId, writtenText(record, row));
    }
}

} // namespace

void writeRecordToPage(MailboxRecord& record, BoundPage which, zel::Dialog& page)
{
    for (const Row& row : kBinding) {
        if (row.page != which)
            continue;
        if (row.condition == WithEmail && record.emailSupported == 0) {
            std::visit([&record](auto member) { record.*member = {}; }, row.field);
            continue;
        }
        writeRow(record, row, page);
    }
}

void writeCopiesToPage(const MailboxRecord& record, BoundPage which, zel::Dialog& page)
{
    for (const Row& row : kBinding) {
        if (row.page == which && row.direction == Copy)
            writeRow(record, row, page);
    }
}

void readPageIntoRecord(const zel::Dialog& page, BoundPage which, MailboxRecord& record)
{
    for (const Row& row : kBinding) {
        if (row.page != which || row.direction != Both)
            continue;
        switch (row.transfer) {
        case Text:
            record.*std::get<std::string R::*>(row.field) =
                text(page.GetDlgItemText(row.controlId));
            break;
        case Check:
            record.*std::get<bool R::*>(row.field) = page.IsDlgButtonChecked(row.controlId);
            break;
        case Integer:
            record.*std::get<int R::*>(row.field) = int(page.GetDlgItemInt(row.controlId));
            break;
        default:
            Q_UNREACHABLE();
        }
    }
}

} // namespace zel
