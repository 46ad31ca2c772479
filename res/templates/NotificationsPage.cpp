#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {
namespace {

constexpr unsigned kEdit = Bordered | AutoHScroll;

// Template order is tab order: each "Enable" box comes right before the target it switches.
// 1023 and 1022 only show what the device decided, so they stay disabled.
constexpr std::array kControls{
    ControlTemplate{IDC_NOTIFICATIONS_LOCAL_NOTIFY, ControlKind::DropDownList, "", 88, 13, 95, 53,
                    Disabled | TabStop, 0, IDH_NOTIFICATIONS_LOCAL_NOTIFY},
    ControlTemplate{IDC_NOTIFICATIONS_NOTIFY_EXTENSION, ControlKind::Edit, "", 278, 13, 40, 14,
                    kEdit | ReadOnly | DigitsOnly, 6, IDH_NOTIFICATIONS_NOTIFY_EXTENSION},
    //: Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).
    ControlTemplate{IDC_NOTIFICATIONS_PHONE_ENABLE, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Enable"), 20, 78, 38, 10, TabStop, 0,
                    IDH_NOTIFICATIONS_PHONE_ENABLE},
    ControlTemplate{IDC_NOTIFICATIONS_PHONE, ControlKind::Edit, "", 20, 93, 162, 14,
                    kEdit | TabStop, 20, IDH_NOTIFICATIONS_PHONE},
    //: Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).
    ControlTemplate{IDC_NOTIFICATIONS_PAGER_ENABLE, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Enable"), 210, 78, 38, 10, TabStop, 0,
                    IDH_NOTIFICATIONS_PAGER_ENABLE},
    ControlTemplate{IDC_NOTIFICATIONS_PAGER, ControlKind::Edit, "", 210, 93, 162, 14,
                    kEdit | TabStop, 40, IDH_NOTIFICATIONS_PAGER},
    //: Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).
    ControlTemplate{IDC_NOTIFICATIONS_EMAIL_ENABLE, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Enable"), 20, 133, 38, 10, TabStop, 0,
                    IDH_NOTIFICATIONS_EMAIL_ENABLE},
    ControlTemplate{IDC_NOTIFICATIONS_EMAIL, ControlKind::Edit, "", 20, 148, 162, 14,
                    kEdit | TabStop | Latin1Only, 60, IDH_NOTIFICATIONS_EMAIL},
    ControlTemplate{IDC_NOTIFICATIONS_MESSAGE_TYPE, ControlKind::DropDownCombo, "", 20, 181, 162,
                    52, TabStop, 0, IDH_NOTIFICATIONS_MESSAGE_TYPE},
    //: Mailbox Notifications page, check box, 38 x 10 dialog units (about 6 characters).
    ControlTemplate{IDC_NOTIFICATIONS_SMS_ENABLE, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Enable"), 210, 133, 38, 10, TabStop, 0,
                    IDH_NOTIFICATIONS_SMS_ENABLE},
    ControlTemplate{IDC_NOTIFICATIONS_SMS, ControlKind::Edit, "", 210, 148, 162, 14,
                    kEdit | TabStop, 40, IDH_NOTIFICATIONS_SMS},
    //: Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).
    ControlTemplate{IDC_NOTIFICATIONS_PHONE_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Telephone number"), 10, 66, 178, 48,
                    NoStyle, 0, 0},
    //: Mailbox Notifications page, group box caption, 178 x 48 dialog units (about 41 characters).
    ControlTemplate{IDC_NOTIFICATIONS_PAGER_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Pager number"), 200, 66, 178, 48,
                    NoStyle, 0, 0},
    //: Mailbox Notifications page, group box caption, 178 x 80 dialog units (about 41 characters).
    ControlTemplate{IDC_NOTIFICATIONS_EMAIL_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "E-Mail target address"), 10, 122, 178,
                    80, NoStyle, 0, 0},
    //: Mailbox Notifications page, group box caption, 178 x 47 dialog units (about 41 characters).
    ControlTemplate{IDC_NOTIFICATIONS_SMS_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "SMS - Mobile phone number"), 200, 122,
                    178, 47, NoStyle, 0, 0},
    //: Mailbox Notifications page, label, 46 x 8 dialog units (about 11 characters).
    ControlTemplate{IDC_NOTIFICATIONS_MESSAGE_TYPE_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Message type"), 20, 168, 46, 8,
                    NoStyle, 0, 0},
    ControlTemplate{IDC_NOTIFICATIONS_EXTERNAL_ALLOWED, ControlKind::CheckBox, "", 20, 51, 13, 10,
                    Flat | Disabled | TabStop, 0, 0},
    //: Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).
    ControlTemplate{IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "External notification is Allowed"), 34,
                    52, 137, 8, NoStyle, 0, 0},
    ControlTemplate{IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE, ControlKind::Edit, "", 198, 186, 10, 14,
                    kEdit | Hidden, 0, 0},
    ControlTemplate{IDC_NOTIFICATIONS_EMAIL_SUPPORTED, ControlKind::Edit, "", 198, 173, 10, 14,
                    kEdit | Hidden, 0, 0},
    //: Mailbox Notifications page, group box caption, 379 x 167 dialog units (about 91 characters).
    ControlTemplate{IDC_NOTIFICATIONS_EXTERNAL_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "External notifications"), 4, 40, 379,
                    167, CenteredCaption, 0, 0},
    //: Mailbox Notifications page, group box caption, 379 x 34 dialog units (about 91 characters).
    ControlTemplate{IDC_NOTIFICATIONS_LOCAL_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Local notification"), 4, 0, 379, 34,
                    CenteredCaption, 0, 0},
    //: Mailbox Notifications page, label, 75 x 8 dialog units (about 18 characters).
    ControlTemplate{IDC_NOTIFICATIONS_LOCAL_NOTIFY_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Local notification type"), 10, 15, 75,
                    8, NoStyle, 0, 0},
    ControlTemplate{IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE, ControlKind::Edit, "", 186, 12, 8, 14,
                    kEdit | Hidden | Disabled, 0, 0},
    //: Mailbox Notifications page, label, 67 x 8 dialog units (about 16 characters).
    ControlTemplate{IDC_NOTIFICATIONS_NOTIFY_EXTENSION_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CNotificationsPage", "Extension to notify"), 210, 15, 67, 8,
                    NoStyle, 0, 0},
    ControlTemplate{IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE, ControlKind::Edit, "", 345, 12, 8, 14,
                    kEdit | Hidden | Disabled, 0, 0},
};

constexpr DialogTemplate kNotificationsPage{
    IDD_NOTIFICATIONS_PAGE,
    "CNotificationsPage",
    QT_TRANSLATE_NOOP("CNotificationsPage", "Mailbox Notifications"),
    387,
    213,
    "MS Sans Serif",
    8,
    ChildDialog,
    kControls};

} // namespace

const DialogTemplate& notificationsPage()
{
    return kNotificationsPage;
}

} // namespace zel::res
