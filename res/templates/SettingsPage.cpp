#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {
namespace {

constexpr unsigned kEdit = Bordered | AutoHScroll;
constexpr unsigned kTransferField = kEdit | Hidden | Disabled;

// Template order is tab order. The hidden rows carry values between the page and the
// Refresh/Apply commands and are never shown.
constexpr std::array kControls{
    ControlTemplate{IDC_SETTINGS_PASSWORD, ControlKind::Edit, "", 90, 26, 40, 14,
                    kEdit | DigitsOnly | PasswordChars | TabStop, 4, IDH_SETTINGS_PASSWORD},
    ControlTemplate{IDC_SETTINGS_LANGUAGE, ControlKind::DropDownList, "", 90, 48, 95, 52, TabStop,
                    0, IDH_SETTINGS_LANGUAGE},
    ControlTemplate{IDC_SETTINGS_BACKUP_EXTENSION, ControlKind::Edit, "", 90, 106, 40, 14,
                    kEdit | DigitsOnly | TabStop, 6, IDH_SETTINGS_BACKUP_EXTENSION},
    ControlTemplate{IDC_SETTINGS_OPERATOR, ControlKind::DropDownList, "", 90, 126, 81, 54, TabStop,
                    0, IDH_SETTINGS_OPERATOR},
    ControlTemplate{IDC_SETTINGS_FAX, ControlKind::DropDownList, "", 90, 146, 81, 43, TabStop, 0,
                    IDH_SETTINGS_FAX},
    //: Mailbox Settings page, check box, 76 x 10 dialog units (about 16 characters).
    ControlTemplate{IDC_SETTINGS_ANNOUNCER, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Announcer"), 226, 106, 76, 10, TabStop, 0,
                    IDH_SETTINGS_ANNOUNCER},
    //: Mailbox Settings page, check box, 68 x 10 dialog units (about 14 characters).
    ControlTemplate{IDC_SETTINGS_DO_NOT_DISTURB, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Do Not Disturb"), 226, 126, 68, 10, TabStop,
                    0, IDH_SETTINGS_DO_NOT_DISTURB},
    //: Mailbox Settings page, check box, 67 x 10 dialog units (about 13 characters).
    ControlTemplate{IDC_SETTINGS_TIME_STAMP, ControlKind::CheckBox,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Time Stamp"), 226, 146, 67, 10, TabStop, 0,
                    IDH_SETTINGS_TIME_STAMP},
    ControlTemplate{IDC_SETTINGS_MAILBOX_NUMBER, ControlKind::Edit, "", 90, 6, 40, 14,
                    kEdit | ReadOnly, 6, IDH_SETTINGS_MAILBOX_NUMBER},
    ControlTemplate{IDC_SETTINGS_NOTIFY_EXTENSION, ControlKind::Edit, "", 334, 46, 40, 14,
                    kEdit | DigitsOnly | Hidden, 6, 0},
    ControlTemplate{IDC_SETTINGS_MAILBOX_TYPE, ControlKind::DropDownList, "", 274, 28, 95, 52,
                    Hidden, 0, 0},
    //: Mailbox Settings page, button, 48 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_SETTINGS_RESET, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Reset"), 137, 26, 48, 14, NoStyle, 0, 0},
    ControlTemplate{IDC_SETTINGS_LOCAL_NOTIFY, ControlKind::DropDownList, "", 270, 7, 95, 53,
                    Hidden, 0, 0},
    //: Mailbox Settings page, label, 58 x 8 dialog units (about 14 characters).
    ControlTemplate{IDC_SETTINGS_MAILBOX_NUMBER_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox Number"), 15, 8, 58, 8, NoStyle, 0,
                    0},
    ControlTemplate{IDC_SETTINGS_NOTIFY_EXTENSION_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Extension to notify"), 259, 49, 67, 8,
                    Hidden, 0, 0},
    //: Mailbox Settings page, label, 67 x 8 dialog units (about 16 characters).
    ControlTemplate{IDC_SETTINGS_LANGUAGE_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox Language"), 15, 50, 67, 8, NoStyle,
                    0, 0},
    //: Mailbox Settings page, label, 66 x 8 dialog units (about 16 characters).
    ControlTemplate{IDC_SETTINGS_PASSWORD_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox Password"), 15, 28, 66, 8, NoStyle,
                    0, 0},
    //: Mailbox Settings page, group box caption, 177 x 84 dialog units (about 41 characters).
    ControlTemplate{IDC_SETTINGS_FORWARD_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Forward options during personal greeting"),
                    7, 87, 177, 84, NoStyle, 0, 0},
    //: Mailbox Settings page, label, 68 x 8 dialog units (about 17 characters).
    ControlTemplate{IDC_SETTINGS_BACKUP_EXTENSION_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Backup Extension"), 15, 108, 68, 8, NoStyle,
                    0, 0},
    //: Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).
    ControlTemplate{IDC_SETTINGS_OPERATOR_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Operator Extension"), 15, 128, 69, 8,
                    NoStyle, 0, 0},
    //: Mailbox Settings page, label, 69 x 8 dialog units (about 17 characters).
    ControlTemplate{IDC_SETTINGS_FAX_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Fax Extension"), 15, 148, 69, 8, NoStyle, 0,
                    0},
    ControlTemplate{IDC_SETTINGS_MAILBOX_TYPE_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox Type"), 224, 29, 58, 8, Hidden, 0,
                    0},
    ControlTemplate{IDC_SETTINGS_LOCAL_NOTIFY_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Local notification"), 194, 9, 58, 8, Hidden,
                    0, 0},
    ControlTemplate{IDC_SETTINGS_LANGUAGE_INDEX, ControlKind::Edit, "", 195, 46, 8, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_MAILBOX_TYPE_VALUE, ControlKind::Edit, "", 374, 26, 8, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_LOCAL_NOTIFY_VALUE, ControlKind::Edit, "", 374, 6, 8, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_OPERATOR_VALUE, ControlKind::Edit, "", 213, 40, 8, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_FAX_VALUE, ControlKind::Edit, "", 213, 53, 8, 14, kTransferField,
                    0, 0},
    ControlTemplate{IDC_SETTINGS_LANGUAGE_LIST, ControlKind::Edit, "", 156, 6, 28, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_OPERATOR_LIST, ControlKind::Edit, "", 222, 40, 28, 14,
                    kTransferField, 0, 0},
    ControlTemplate{IDC_SETTINGS_FAX_LIST, ControlKind::Edit, "", 222, 53, 28, 14, kTransferField,
                    0, 0},
    //: Mailbox Settings page, group box caption, 166 x 84 dialog units (about 38 characters).
    ControlTemplate{IDC_SETTINGS_MODES_GROUP, ControlKind::GroupBox,
                    QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox operation modes"), 208, 87, 166, 84,
                    NoStyle, 0, 0},
};

constexpr DialogTemplate kSettingsPage{IDD_SETTINGS_PAGE,
                                       "CSettingsPage",
                                       QT_TRANSLATE_NOOP("CSettingsPage", "Mailbox Settings"),
                                       389,
                                       207,
                                       "MS Sans Serif",
                                       8,
                                       ChildDialog,
                                       kControls};

} // namespace

const DialogTemplate& settingsPage()
{
    return kSettingsPage;
}

} // namespace zel::res
