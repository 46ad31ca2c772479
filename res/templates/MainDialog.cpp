#include "res/DialogTemplates.h"

#include <array>

namespace zel::res {

namespace {
// Picture texts name images embedded in the program's resources.
constexpr std::array kControls{
    ControlTemplate{1001, ControlKind::Picture, ":/zel/banner.png", 7, 4, 395, 67, Bordered, 0, 0},
    ControlTemplate{1000, ControlKind::TabControl, "", 7, 78, 396, 240, TabStop, 0, 0},
    ControlTemplate{1059, ControlKind::Picture, ":/zel/offline.png", 12, 329, 145, 10, NoStyle, 0,
                    0},
    ControlTemplate{3, ControlKind::PushButton, "Refresh", 172, 325, 50, 14, TabStop, 0, 0},
    ControlTemplate{1002, ControlKind::PushButton, "Apply", 234, 325, 50, 14, TabStop, 0, 0},
    ControlTemplate{2, ControlKind::PushButton, "Close", 293, 325, 50, 14, TabStop, 0, 0},
    ControlTemplate{57670, ControlKind::PushButton, "Help", 353, 325, 50, 14, TabStop, 0, 0},
};
} // namespace

const DialogTemplate& mainDialog()
{
    static const DialogTemplate dialog{
        102, "Zel", 410, 346, "MS Sans Serif", 8, SystemMenu | MinimizeBox, kControls};
    return dialog;
}

} // namespace zel::res
