#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {
namespace {

// The buttons exist but stay hidden: the wait window offers the user nothing to do.
constexpr std::array kControls{
    //: Wait window of Apply, centred line, 172 x 8 dialog units (about 43 characters).
    ControlTemplate{kStaticId, ControlKind::CenteredLabel,
                    QT_TRANSLATE_NOOP("CPreApplyDlg", "Please wait..."), 7, 18, 172, 8, NoStyle, 0,
                    0},
    ControlTemplate{IDC_OK_BUTTON, ControlKind::DefPushButton,
                    QT_TRANSLATE_NOOP("CPreApplyDlg", "OK"), 7, 24, 50, 14, Hidden | TabStop, 0, 0},
    ControlTemplate{IDC_CANCEL_BUTTON, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CPreApplyDlg", "Cancel"), 129, 24, 50, 14, Hidden | TabStop,
                    0, 0},
};

constexpr DialogTemplate kPreApplyDialog{IDD_PRE_APPLY,
                                         "CPreApplyDlg",
                                         QT_TRANSLATE_NOOP("CPreApplyDlg", "Pre-Apply settings"),
                                         186,
                                         45,
                                         "MS Sans Serif",
                                         8,
                                         SystemMenu | ModalFrame,
                                         kControls};

} // namespace

const DialogTemplate& preApplyDialog()
{
    return kPreApplyDialog;
}

} // namespace zel::res
