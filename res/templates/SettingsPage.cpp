#include "res/DialogTemplates.h"

#include <array>

namespace zel::res {
namespace {

constexpr unsigned kEdit = Bordered | AutoHScroll;
constexpr unsigned kTransferField = kEdit | Hidden | Disabled;

// Template order is tab order. The hidden rows carry values between the page and the
// Refresh/Apply commands and are never shown.
constexpr std::array kControls{
    ControlTemplate{1010, ControlKind::Edit, "", 90, 26, 40, 14,
                    kEdit | DigitsOnly | PasswordChars | TabStop, 4, 2},
    ControlTemplate{1023, ControlKind::DropDownList, "", 90, 48, 95, 52, TabStop, 0, 3},
    ControlTemplate{1026, ControlKind::Edit, "", 90, 106, 40, 14, kEdit | DigitsOnly | TabStop, 6,
                    4},
    ControlTemplate{1017, ControlKind::DropDownList, "", 90, 126, 81, 54, TabStop, 0, 5},
    ControlTemplate{1018, ControlKind::DropDownList, "", 90, 146, 81, 43, TabStop, 0, 6},
    ControlTemplate{1012, ControlKind::CheckBox, "Announcer", 226, 106, 76, 10, TabStop, 0, 7},
    ControlTemplate{1013, ControlKind::CheckBox, "Do Not Disturb", 226, 126, 68, 10, TabStop, 0, 8},
    ControlTemplate{1014, ControlKind::CheckBox, "Time Stamp", 226, 146, 67, 10, TabStop, 0, 9},
    ControlTemplate{1003, ControlKind::Edit, "", 90, 6, 40, 14, kEdit | ReadOnly, 6, 1},
    ControlTemplate{1005, ControlKind::Edit, "", 334, 46, 40, 14, kEdit | DigitsOnly | Hidden, 6,
                    0},
    ControlTemplate{1015, ControlKind::DropDownList, "", 274, 28, 95, 52, Hidden, 0, 0},
    ControlTemplate{1011, ControlKind::PushButton, "Reset", 137, 26, 48, 14, NoStyle, 0, 0},
    ControlTemplate{1020, ControlKind::DropDownList, "", 270, 7, 95, 53, Hidden, 0, 0},
    ControlTemplate{1004, ControlKind::Label, "Mailbox Number", 15, 8, 58, 8, NoStyle, 0, 0},
    ControlTemplate{1006, ControlKind::Label, "Extension to notify", 259, 49, 67, 8, Hidden, 0, 0},
    ControlTemplate{1008, ControlKind::Label, "Mailbox Language", 15, 50, 67, 8, NoStyle, 0, 0},
    ControlTemplate{1009, ControlKind::Label, "Mailbox Password", 15, 28, 66, 8, NoStyle, 0, 0},
    ControlTemplate{1024, ControlKind::GroupBox, "Forward options during personal greeting", 7, 87,
                    177, 84, NoStyle, 0, 0},
    ControlTemplate{1025, ControlKind::Label, "Backup Extension", 15, 108, 68, 8, NoStyle, 0, 0},
    ControlTemplate{1027, ControlKind::Label, "Operator Extension", 15, 128, 69, 8, NoStyle, 0, 0},
    ControlTemplate{1028, ControlKind::Label, "Fax Extension", 15, 148, 69, 8, NoStyle, 0, 0},
    ControlTemplate{1019, ControlKind::Label, "Mailbox Type", 224, 29, 58, 8, Hidden, 0, 0},
    ControlTemplate{1021, ControlKind::Label, "Local notification", 194, 9, 58, 8, Hidden, 0, 0},
    ControlTemplate{1050, ControlKind::Edit, "", 195, 46, 8, 14, kTransferField, 0, 0},
    ControlTemplate{1051, ControlKind::Edit, "", 374, 26, 8, 14, kTransferField, 0, 0},
    ControlTemplate{1052, ControlKind::Edit, "", 374, 6, 8, 14, kTransferField, 0, 0},
    ControlTemplate{1053, ControlKind::Edit, "", 213, 40, 8, 14, kTransferField, 0, 0},
    ControlTemplate{1054, ControlKind::Edit, "", 213, 53, 8, 14, kTransferField, 0, 0},
    ControlTemplate{1055, ControlKind::Edit, "", 156, 6, 28, 14, kTransferField, 0, 0},
    ControlTemplate{1056, ControlKind::Edit, "", 222, 40, 28, 14, kTransferField, 0, 0},
    ControlTemplate{1057, ControlKind::Edit, "", 222, 53, 28, 14, kTransferField, 0, 0},
    ControlTemplate{1022, ControlKind::GroupBox, "Mailbox operation modes", 208, 87, 166, 84,
                    NoStyle, 0, 0},
};

constexpr DialogTemplate kSettingsPage{138, "Mailbox Settings", 389,      207, "MS Sans Serif",
                                       8,   ChildDialog,        kControls};

} // namespace

const DialogTemplate& settingsPage()
{
    return kSettingsPage;
}

} // namespace zel::res
