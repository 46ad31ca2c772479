#include "res/DialogTemplates.h"

#include <array>

namespace zel::res {
namespace {

constexpr unsigned kEdit = Bordered | AutoHScroll;

// Template order is tab order: each "Enable" box comes right before the target it switches.
// 1023 and 1022 only show what the device decided, so they stay disabled.
constexpr std::array kControls{
    ControlTemplate{1023, ControlKind::DropDownList, "", 88, 13, 95, 53, Disabled | TabStop, 0, 20},
    ControlTemplate{1005, ControlKind::Edit, "", 278, 13, 40, 14, kEdit | ReadOnly | DigitsOnly, 6,
                    21},
    ControlTemplate{1015, ControlKind::CheckBox, "Enable", 20, 78, 38, 10, TabStop, 0, 23},
    ControlTemplate{1033, ControlKind::Edit, "", 20, 93, 162, 14, kEdit | TabStop, 20, 22},
    ControlTemplate{1017, ControlKind::CheckBox, "Enable", 210, 78, 38, 10, TabStop, 0, 24},
    ControlTemplate{1016, ControlKind::Edit, "", 210, 93, 162, 14, kEdit | TabStop, 40, 25},
    ControlTemplate{1019, ControlKind::CheckBox, "Enable", 20, 133, 38, 10, TabStop, 0, 34},
    ControlTemplate{1018, ControlKind::Edit, "", 20, 148, 162, 14, kEdit | TabStop, 60, 35},
    ControlTemplate{1007, ControlKind::DropDownCombo, "", 20, 181, 162, 52, TabStop, 0, 36},
    ControlTemplate{1021, ControlKind::CheckBox, "Enable", 210, 133, 38, 10, TabStop, 0, 32},
    ControlTemplate{1020, ControlKind::Edit, "", 210, 148, 162, 14, kEdit | TabStop, 40, 33},
    ControlTemplate{1029, ControlKind::GroupBox, "Telephone number", 10, 66, 178, 48, NoStyle, 0,
                    0},
    ControlTemplate{1030, ControlKind::GroupBox, "Pager number", 200, 66, 178, 48, NoStyle, 0, 0},
    ControlTemplate{1031, ControlKind::GroupBox, "E-Mail target address", 10, 122, 178, 80, NoStyle,
                    0, 0},
    ControlTemplate{1032, ControlKind::GroupBox, "SMS - Mobile phone number", 200, 122, 178, 47,
                    NoStyle, 0, 0},
    ControlTemplate{1034, ControlKind::Label, "Message type", 20, 168, 46, 8, NoStyle, 0, 0},
    ControlTemplate{1022, ControlKind::CheckBox, "", 20, 51, 13, 10, Flat | Disabled | TabStop, 0,
                    0},
    ControlTemplate{1049, ControlKind::Label, "External notification ia Allowed", 34, 52, 137, 8,
                    NoStyle, 0, 0},
    ControlTemplate{1051, ControlKind::Edit, "", 198, 186, 10, 14, kEdit | Hidden, 0, 0},
    ControlTemplate{1052, ControlKind::Edit, "", 198, 173, 10, 14, kEdit | Hidden, 0, 0},
    ControlTemplate{1061, ControlKind::GroupBox, "External notifications", 4, 40, 379, 167,
                    CenteredCaption, 0, 0},
    ControlTemplate{1060, ControlKind::GroupBox, "Local notification", 4, 0, 379, 34,
                    CenteredCaption, 0, 0},
    ControlTemplate{1024, ControlKind::Label, "Local notification type", 10, 15, 75, 8, NoStyle, 0,
                    0},
    ControlTemplate{1053, ControlKind::Edit, "", 186, 12, 8, 14, kEdit | Hidden | Disabled, 0, 0},
    ControlTemplate{1006, ControlKind::Label, "Extension to notify", 210, 15, 67, 8, NoStyle, 0, 0},
    ControlTemplate{1054, ControlKind::Edit, "", 345, 12, 8, 14, kEdit | Hidden | Disabled, 0, 0},
};

constexpr DialogTemplate kNotificationsPage{
    139, "Mailbox Notifications", 387, 213, "MS Sans Serif", 8, ChildDialog, kControls};

} // namespace

const DialogTemplate& notificationsPage()
{
    return kNotificationsPage;
}

} // namespace zel::res
