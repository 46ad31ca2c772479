#include "res/HelpText.h"
#include "res/resource.h"

#include <QCoreApplication>

// One short topic per help context id of the mailbox pages: what the field is and what it takes,
// translated in the context of the page that shows it.
namespace zel::res {

QString contextHelpText(int contextId)
{
    switch (contextId) {
    // Mailbox Settings
    case IDH_SETTINGS_MAILBOX_NUMBER:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Mailbox Number\n\nThe number of the mailbox these settings belong to. It is set "
            "when Zel is configured and cannot be changed here.");
    case IDH_SETTINGS_PASSWORD:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Mailbox Password\n\nThe mailbox's password: exactly 4 digits. Press Reset to put "
            "in the default password 5823. A new password reaches the device with the next "
            "Apply.");
    case IDH_SETTINGS_LANGUAGE:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Mailbox Language\n\nThe language in which the device speaks to callers and to you. "
            "Choose one of the languages installed on the device; a slot shown as Unknown or "
            "Not Installed cannot be chosen.");
    case IDH_SETTINGS_BACKUP_EXTENSION:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Backup Extension\n\nAn extension to which a caller can be forwarded during your "
            "personal greeting. Digits only, up to 6; leave it empty for none.");
    case IDH_SETTINGS_OPERATOR:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Operator Extension\n\nThe operator a caller reaches from your personal greeting. "
            "Choose one of the operator extensions set up on the device.");
    case IDH_SETTINGS_FAX:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Fax Extension\n\nWhere a fax call that reaches your personal greeting is sent. "
            "Choose one of the fax extensions set up on the device, or None.");
    case IDH_SETTINGS_ANNOUNCER:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Announcer\n\nWhen checked, callers hear your greeting only and cannot leave a "
            "message.");
    case IDH_SETTINGS_DO_NOT_DISTURB:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Do Not Disturb\n\nWhen checked, calls are not put through to your extension. A "
            "virtual mailbox has no extension of its own and must always have it checked.");
    case IDH_SETTINGS_TIME_STAMP:
        return QCoreApplication::translate(
            "CSettingsPage",
            "Time Stamp\n\nWhen checked, the device tells you the date and time at which each "
            "message was left before playing it.");

    // Mailbox Statistics
    case IDH_STATISTICS_NEW_MESSAGES:
        return QCoreApplication::translate(
            "CStatisticsPage",
            "Number of new messages\n\nMessages in the mailbox that have not been listened to "
            "yet, as the device last reported them.");
    case IDH_STATISTICS_SAVED_MESSAGES:
        return QCoreApplication::translate(
            "CStatisticsPage",
            "Number of saved messages\n\nMessages that have been listened to and kept, as the "
            "device last reported them.");
    case IDH_STATISTICS_TOTAL_MESSAGES:
        return QCoreApplication::translate(
            "CStatisticsPage", "Total number of messages\n\nNew and saved messages together.");
    case IDH_STATISTICS_MAX_MESSAGES:
        return QCoreApplication::translate(
            "CStatisticsPage",
            "Max. stored messages\n\nThe most messages the mailbox can hold. When it is full, "
            "callers cannot leave new messages.");

    // Mailbox Notifications
    case IDH_NOTIFICATIONS_LOCAL_NOTIFY:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Local notification type\n\nHow your own telephone tells you of a new message: "
            "None, a message light (MSG Light 1 or 2), Sign Rings or Rings. It is set on the "
            "device and only shown here.");
    case IDH_NOTIFICATIONS_NOTIFY_EXTENSION:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Extension to notify\n\nThe extension that gets the local notification. It is set "
            "on the device and only shown here.");
    case IDH_NOTIFICATIONS_PHONE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Telephone number\n\nThe number the device calls to tell you of a new message. Up "
            "to 20 characters: the digits 0-9, * and #, and the dialling letters P, A, B, C, "
            "D and Q (either case).");
    case IDH_NOTIFICATIONS_PHONE_ENABLE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Enable (Telephone number)\n\nWhen checked, the device calls the telephone number "
            "below for each new message. A number must then be entered.");
    case IDH_NOTIFICATIONS_PAGER_ENABLE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Enable (Pager number)\n\nWhen checked, the device pages the number below for each "
            "new message. A pager number must then be entered.");
    case IDH_NOTIFICATIONS_PAGER:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Pager number\n\nThe pager the device calls for each new message. Up to 40 "
            "characters: the digits 0-9, * and #, the dialling letters P, A, B, C, D and Q, "
            "and X and $ (letters in either case).");
    case IDH_NOTIFICATIONS_SMS_ENABLE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Enable (SMS)\n\nWhen checked, the device sends a text message to the mobile number "
            "below for each new message. A number must then be entered.");
    case IDH_NOTIFICATIONS_SMS:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "SMS - Mobile phone number\n\nThe mobile phone that gets the text message. Up to 40 "
            "characters: digits only, with an optional + at the start, e.g. +972541234567.");
    case IDH_NOTIFICATIONS_EMAIL_ENABLE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Enable (E-Mail)\n\nWhen checked, the device e-mails the address below for each new "
            "message. Only available when the device supports e-mail notification.");
    case IDH_NOTIFICATIONS_EMAIL:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "E-Mail target address\n\nThe address that gets the notification e-mail, up to 60 "
            "characters.");
    case IDH_NOTIFICATIONS_MESSAGE_TYPE:
        return QCoreApplication::translate(
            "CNotificationsPage",
            "Message type\n\nWhat the notification e-mail carries: no attachment, the voice "
            "message attached, attached and kept in the mailbox, or attached and deleted from "
            "the mailbox. Attached and deleted is not safe: a lost e-mail loses the message.");
    default:
        return {};
    }
}

} // namespace zel::res
