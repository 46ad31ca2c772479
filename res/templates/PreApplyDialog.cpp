#include "res/DialogTemplates.h"

#include <array>

namespace zel::res {
namespace {

constexpr int kOkButton = 1;     // IDOK
constexpr int kCancelButton = 2; // IDCANCEL

// The buttons exist but stay hidden: the wait window offers the user nothing to do.
constexpr std::array kControls{
    ControlTemplate{kStaticId, ControlKind::CenteredLabel, "Please wait...", 7, 18, 172, 8, NoStyle,
                    0, 0},
    ControlTemplate{kOkButton, ControlKind::DefPushButton, "OK", 7, 24, 50, 14, Hidden | TabStop, 0,
                    0},
    ControlTemplate{kCancelButton, ControlKind::PushButton, "Cancel", 129, 24, 50, 14,
                    Hidden | TabStop, 0, 0},
};

constexpr DialogTemplate kPreApplyDialog{
    151, "Pre-Apply settings", 186, 45, "MS Sans Serif", 8, SystemMenu | ModalFrame, kControls};

} // namespace

const DialogTemplate& preApplyDialog()
{
    return kPreApplyDialog;
}

} // namespace zel::res
