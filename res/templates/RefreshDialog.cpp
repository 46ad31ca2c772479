#include "res/DialogTemplates.h"

namespace zel::res {
namespace {

// The password box and status line 2 overlap: the dialog never shows both at once.
constexpr ControlTemplate kControls[] = {
    {4, ControlKind::DefPushButton, "OK", 7, 74, 50, 14, TabStop, 0, 0},
    {3, ControlKind::PushButton, "OK", 7, 55, 50, 14, Hidden | Disabled | TabStop, 0, 0},
    {2, ControlKind::PushButton, "Cancel", 129, 74, 50, 14, TabStop, 0, 0},
    {1010, ControlKind::Edit, "", 74, 41, 40, 14, PasswordChars | TabStop | AutoHScroll, 0, 0},
    {1047, ControlKind::CenteredLabel, "Connecting the device ...", 7, 17, 172, 8, NoStyle, 0, 0},
    {1048, ControlKind::CenteredLabel, "Please wait...", 7, 47, 172, 8, NoStyle, 0, 0},
};

constexpr DialogTemplate kTemplate{
    145, "Refresh mailbox settings view", 186,      95, "MS Sans Serif",
    8,   ModalFrame | SystemMenu,         kControls};

} // namespace

const DialogTemplate& refreshDialog()
{
    return kTemplate;
}

} // namespace zel::res
