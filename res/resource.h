#pragma once

#include "platform/PrivateMessage.h"

// Every id of Zel's windows, in one place: dialog templates, control ids, help context ids and
// private messages. Control ids are unique only within their template (1053 is one control on
// the Settings page and another on the Notifications page), so each name says whose it is.
namespace zel {

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_ZEL_DIALOG = 102;
inline constexpr int IDD_SETTINGS_PAGE = 138;
inline constexpr int IDD_NOTIFICATIONS_PAGE = 139;
inline constexpr int IDD_STATISTICS_PAGE = 140;
inline constexpr int IDD_DATA_INIT = 141;
inline constexpr int IDD_REFRESH = 145;
inline constexpr int IDD_APPLY = 148;
inline constexpr int IDD_PRE_APPLY = 151;

// The framework's own command ids, used by several templates.
inline constexpr int IDC_OK_BUTTON = 1;     // IDOK
inline constexpr int IDC_CANCEL_BUTTON = 2; // IDCANCEL
inline constexpr int ID_HELP = 57670;

// Main window.
inline constexpr int IDC_MAIN_REFRESH = 3;
inline constexpr int IDC_MAIN_TAB = 1000;
inline constexpr int IDC_MAIN_BANNER = 1001;
inline constexpr int IDC_MAIN_APPLY = 1002;
inline constexpr int IDC_MAIN_OFFLINE_BANNER = 1059;
inline constexpr unsigned IDM_ABOUTBOX = 16;          // the system menu's "&About Zel..."
inline constexpr int IDC_MAIN_BANNER_SUBTITLE = 1060; // drawn over the banner's artwork

// About box.
inline constexpr int IDC_ABOUT_VERSION = 1100; // "%1" stands for the version
inline constexpr int IDC_ABOUT_NOTICES = 1101; // where a package's third-party notices are

// Data-initialising dialog.
inline constexpr int IDC_DATA_INIT_MAILBOX = 1003;
inline constexpr int IDC_DATA_INIT_MAILBOX_LABEL = 1004;
inline constexpr int IDC_DATA_INIT_ADDRESS = 1041;
inline constexpr int IDC_DATA_INIT_PORT = 1042;
inline constexpr int IDC_DATA_INIT_ADDRESS_LABEL = 1043;
inline constexpr int IDC_DATA_INIT_PORT_LABEL = 1044;
inline constexpr int IDC_DATA_INIT_PROMPT = 1045;

// The two exchange dialogs (view and apply) share their status lines.
inline constexpr int IDC_REFRESH_HIDDEN_OK = 3;
inline constexpr int IDC_REFRESH_REQUEST = 4;
inline constexpr int IDC_REFRESH_PASSWORD = 1010;
inline constexpr int IDC_EXCHANGE_STATUS_LINE1 = 1047;
inline constexpr int IDC_EXCHANGE_STATUS_LINE2 = 1048;

// Settings page. The *_VALUE, *_INDEX and *_LIST edits are hidden transfer fields: integers as
// signed decimal text, lists as "_"-terminated entries.
inline constexpr int IDC_SETTINGS_MAILBOX_NUMBER = 1003;
inline constexpr int IDC_SETTINGS_MAILBOX_NUMBER_LABEL = 1004;
inline constexpr int IDC_SETTINGS_NOTIFY_EXTENSION =
    1005; // hidden: the Notifications page shows it
inline constexpr int IDC_SETTINGS_NOTIFY_EXTENSION_LABEL = 1006;
inline constexpr int IDC_SETTINGS_LANGUAGE_LABEL = 1008;
inline constexpr int IDC_SETTINGS_PASSWORD_LABEL = 1009;
inline constexpr int IDC_SETTINGS_PASSWORD = 1010;
inline constexpr int IDC_SETTINGS_RESET = 1011;
inline constexpr int IDC_SETTINGS_ANNOUNCER = 1012;
inline constexpr int IDC_SETTINGS_DO_NOT_DISTURB = 1013;
inline constexpr int IDC_SETTINGS_TIME_STAMP = 1014;
inline constexpr int IDC_SETTINGS_MAILBOX_TYPE = 1015; // hidden list
inline constexpr int IDC_SETTINGS_OPERATOR = 1017;
inline constexpr int IDC_SETTINGS_FAX = 1018;
inline constexpr int IDC_SETTINGS_MAILBOX_TYPE_LABEL = 1019;
inline constexpr int IDC_SETTINGS_LOCAL_NOTIFY = 1020; // hidden list
inline constexpr int IDC_SETTINGS_LOCAL_NOTIFY_LABEL = 1021;
inline constexpr int IDC_SETTINGS_MODES_GROUP = 1022;
inline constexpr int IDC_SETTINGS_LANGUAGE = 1023;
inline constexpr int IDC_SETTINGS_FORWARD_GROUP = 1024;
inline constexpr int IDC_SETTINGS_BACKUP_EXTENSION_LABEL = 1025;
inline constexpr int IDC_SETTINGS_BACKUP_EXTENSION = 1026;
inline constexpr int IDC_SETTINGS_OPERATOR_LABEL = 1027;
inline constexpr int IDC_SETTINGS_FAX_LABEL = 1028;
inline constexpr int IDC_SETTINGS_LANGUAGE_INDEX = 1050;
inline constexpr int IDC_SETTINGS_MAILBOX_TYPE_VALUE = 1051;
inline constexpr int IDC_SETTINGS_LOCAL_NOTIFY_VALUE = 1052;
inline constexpr int IDC_SETTINGS_OPERATOR_VALUE = 1053;
inline constexpr int IDC_SETTINGS_FAX_VALUE = 1054;
inline constexpr int IDC_SETTINGS_LANGUAGE_LIST = 1055;
inline constexpr int IDC_SETTINGS_OPERATOR_LIST = 1056;
inline constexpr int IDC_SETTINGS_FAX_LIST = 1057;

// Notifications page; the *_VALUE edits and IDC_NOTIFICATIONS_EMAIL_SUPPORTED are hidden
// transfer fields.
inline constexpr int IDC_NOTIFICATIONS_NOTIFY_EXTENSION = 1005;
inline constexpr int IDC_NOTIFICATIONS_NOTIFY_EXTENSION_LABEL = 1006;
inline constexpr int IDC_NOTIFICATIONS_MESSAGE_TYPE = 1007;
inline constexpr int IDC_NOTIFICATIONS_PHONE_ENABLE = 1015;
inline constexpr int IDC_NOTIFICATIONS_PAGER = 1016;
inline constexpr int IDC_NOTIFICATIONS_PAGER_ENABLE = 1017;
inline constexpr int IDC_NOTIFICATIONS_EMAIL = 1018;
inline constexpr int IDC_NOTIFICATIONS_EMAIL_ENABLE = 1019;
inline constexpr int IDC_NOTIFICATIONS_SMS = 1020;
inline constexpr int IDC_NOTIFICATIONS_SMS_ENABLE = 1021;
inline constexpr int IDC_NOTIFICATIONS_EXTERNAL_ALLOWED = 1022;
inline constexpr int IDC_NOTIFICATIONS_LOCAL_NOTIFY = 1023;
inline constexpr int IDC_NOTIFICATIONS_LOCAL_NOTIFY_LABEL = 1024;
inline constexpr int IDC_NOTIFICATIONS_PHONE_GROUP = 1029;
inline constexpr int IDC_NOTIFICATIONS_PAGER_GROUP = 1030;
inline constexpr int IDC_NOTIFICATIONS_EMAIL_GROUP = 1031;
inline constexpr int IDC_NOTIFICATIONS_SMS_GROUP = 1032;
inline constexpr int IDC_NOTIFICATIONS_PHONE = 1033;
inline constexpr int IDC_NOTIFICATIONS_MESSAGE_TYPE_LABEL = 1034;
inline constexpr int IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT = 1049;
inline constexpr int IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE = 1051;
inline constexpr int IDC_NOTIFICATIONS_EMAIL_SUPPORTED = 1052;
inline constexpr int IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE = 1053;
inline constexpr int IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE = 1054;
inline constexpr int IDC_NOTIFICATIONS_LOCAL_GROUP = 1060;
inline constexpr int IDC_NOTIFICATIONS_EXTERNAL_GROUP = 1061;

// Statistics page.
inline constexpr int IDC_STATISTICS_NEW_MESSAGES = 1014;
inline constexpr int IDC_STATISTICS_SAVED_MESSAGES = 1015;
inline constexpr int IDC_STATISTICS_TOTAL_MESSAGES = 1016;
inline constexpr int IDC_STATISTICS_MAX_MESSAGES = 1017;
inline constexpr int IDC_STATISTICS_MESSAGES_LIST = 1019;
inline constexpr int IDC_STATISTICS_NEW_MESSAGES_LABEL = 1035;
inline constexpr int IDC_STATISTICS_SAVED_MESSAGES_LABEL = 1036;
inline constexpr int IDC_STATISTICS_TOTAL_MESSAGES_LABEL = 1037;
inline constexpr int IDC_STATISTICS_MAX_MESSAGES_LABEL = 1038;
inline constexpr int IDC_STATISTICS_MESSAGES_LIST_LABEL = 1039;

// Help context ids of the pages' controls (the help text's topics).
inline constexpr int IDH_SETTINGS_MAILBOX_NUMBER = 1;
inline constexpr int IDH_SETTINGS_PASSWORD = 2;
inline constexpr int IDH_SETTINGS_LANGUAGE = 3;
inline constexpr int IDH_SETTINGS_BACKUP_EXTENSION = 4;
inline constexpr int IDH_SETTINGS_OPERATOR = 5;
inline constexpr int IDH_SETTINGS_FAX = 6;
inline constexpr int IDH_SETTINGS_ANNOUNCER = 7;
inline constexpr int IDH_SETTINGS_DO_NOT_DISTURB = 8;
inline constexpr int IDH_SETTINGS_TIME_STAMP = 9;
inline constexpr int IDH_STATISTICS_NEW_MESSAGES = 16;
inline constexpr int IDH_STATISTICS_SAVED_MESSAGES = 17;
inline constexpr int IDH_STATISTICS_TOTAL_MESSAGES = 18;
inline constexpr int IDH_STATISTICS_MAX_MESSAGES = 19;
inline constexpr int IDH_NOTIFICATIONS_LOCAL_NOTIFY = 20;
inline constexpr int IDH_NOTIFICATIONS_NOTIFY_EXTENSION = 21;
inline constexpr int IDH_NOTIFICATIONS_PHONE = 22;
inline constexpr int IDH_NOTIFICATIONS_PHONE_ENABLE = 23;
inline constexpr int IDH_NOTIFICATIONS_PAGER_ENABLE = 24;
inline constexpr int IDH_NOTIFICATIONS_PAGER = 25;
inline constexpr int IDH_NOTIFICATIONS_SMS_ENABLE = 32;
inline constexpr int IDH_NOTIFICATIONS_SMS = 33;
inline constexpr int IDH_NOTIFICATIONS_EMAIL_ENABLE = 34;
inline constexpr int IDH_NOTIFICATIONS_EMAIL = 35;
inline constexpr int IDH_NOTIFICATIONS_MESSAGE_TYPE = 36;

// Private messages between the parts; none carries parameters. The two replies' result says
// whether the exchange took the datagram as its answer.
inline constexpr int WM_VIEW_REPLY = WM_USER + 11;    // endpoint -> view exchange
inline constexpr int WM_PAGE_VALIDATE = WM_USER + 12; // main window -> page
inline constexpr int WM_PAGE_LOAD = WM_USER + 13;     // main window -> page
inline constexpr int WM_APPLY_REPLY = WM_USER + 14;   // endpoint -> apply exchange
inline constexpr int WM_PAGE_INVALID = WM_USER + 15;  // page -> main window

} // namespace zel
