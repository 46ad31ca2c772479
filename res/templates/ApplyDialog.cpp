#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>

namespace zel::res {
namespace {

constexpr ControlTemplate kControls[] = {
    //: Apply window, button, 50 x 14 dialog units (about 10 characters).
    {IDC_OK_BUTTON, ControlKind::DefPushButton, QT_TRANSLATE_NOOP("CApplyDlg", "OK"), 7, 74, 50, 14,
     TabStop, 0, 0},
    //: Apply window, button, 50 x 14 dialog units (about 10 characters).
    {IDC_CANCEL_BUTTON, ControlKind::PushButton, QT_TRANSLATE_NOOP("CApplyDlg", "Cancel"), 129, 74,
     50, 14, TabStop, 0, 0},
    //: Apply window, centred line, 172 x 8 dialog units (about 43 characters).
    {IDC_EXCHANGE_STATUS_LINE1, ControlKind::CenteredLabel,
     QT_TRANSLATE_NOOP("CApplyDlg", "Connecting the device ..."), 7, 17, 172, 8, NoStyle, 0, 0},
    //: Apply window, centred line, 172 x 8 dialog units (about 43 characters).
    {IDC_EXCHANGE_STATUS_LINE2, ControlKind::CenteredLabel,
     QT_TRANSLATE_NOOP("CApplyDlg", "Please wait..."), 7, 47, 172, 8, NoStyle, 0, 0},
};

constexpr DialogTemplate kTemplate{IDD_APPLY,
                                   "CApplyDlg",
                                   QT_TRANSLATE_NOOP("CApplyDlg", "Apply mailbox settings"),
                                   186,
                                   95,
                                   "MS Sans Serif",
                                   8,
                                   ModalFrame | SystemMenu,
                                   kControls};

} // namespace

const DialogTemplate& applyDialog()
{
    return kTemplate;
}

} // namespace zel::res
