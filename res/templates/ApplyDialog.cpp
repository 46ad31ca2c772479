#include "res/DialogTemplates.h"

namespace zel::res {
namespace {

constexpr ControlTemplate kControls[] = {
    {1, ControlKind::DefPushButton, "OK", 7, 74, 50, 14, TabStop, 0, 0},
    {2, ControlKind::PushButton, "Cancel", 129, 74, 50, 14, TabStop, 0, 0},
    {1047, ControlKind::CenteredLabel, "Connecting the device ...", 7, 17, 172, 8, NoStyle, 0, 0},
    {1048, ControlKind::CenteredLabel, "Please wait...", 7, 47, 172, 8, NoStyle, 0, 0},
};

constexpr DialogTemplate kTemplate{148, "Apply mailbox settings", 186,      95, "MS Sans Serif",
                                   8,   ModalFrame | SystemMenu,  kControls};

} // namespace

const DialogTemplate& applyDialog()
{
    return kTemplate;
}

} // namespace zel::res
