#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <array>

namespace zel::res {

namespace {
// Picture texts name images embedded in the program's resources.
constexpr std::array kControls{
    ControlTemplate{IDC_MAIN_BANNER, ControlKind::Picture, ":/zel/banner.png", 7, 4, 395, 67,
                    Bordered, 0, 0},
    ControlTemplate{IDC_MAIN_TAB, ControlKind::TabControl, "", 7, 78, 396, 240, TabStop, 0, 0},
    ControlTemplate{IDC_MAIN_OFFLINE_BANNER, ControlKind::Picture, ":/zel/offline.png", 12, 329,
                    145, 10, NoStyle, 0, 0},
    ControlTemplate{IDC_MAIN_REFRESH, ControlKind::PushButton, "Refresh", 172, 325, 50, 14, TabStop,
                    0, 0},
    ControlTemplate{IDC_MAIN_APPLY, ControlKind::PushButton, "Apply", 234, 325, 50, 14, TabStop, 0,
                    0},
    ControlTemplate{IDC_CANCEL_BUTTON, ControlKind::PushButton, "Close", 293, 325, 50, 14, TabStop,
                    0, 0},
    ControlTemplate{ID_HELP, ControlKind::PushButton, "Help", 353, 325, 50, 14, TabStop, 0, 0},
};
} // namespace

const DialogTemplate& mainDialog()
{
    static const DialogTemplate dialog{
        IDD_ZEL_DIALOG, "Zel", 410, 346, "MS Sans Serif", 8, SystemMenu | MinimizeBox, kControls};
    return dialog;
}

} // namespace zel::res
