#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>

namespace zel::res {
namespace {

// The password box and status line 2 overlap: the dialog never shows both at once.
constexpr ControlTemplate kControls[] = {
    //: Refresh window, button, 50 x 14 dialog units (about 10 characters).
    {IDC_REFRESH_REQUEST, ControlKind::DefPushButton, QT_TRANSLATE_NOOP("CRefreshDlg", "OK"), 7, 74,
     50, 14, TabStop, 0, 0},
    {IDC_REFRESH_HIDDEN_OK, ControlKind::PushButton, QT_TRANSLATE_NOOP("CRefreshDlg", "OK"), 7, 55,
     50, 14, Hidden | Disabled | TabStop, 0, 0},
    //: Refresh window, button, 50 x 14 dialog units (about 10 characters).
    {IDC_CANCEL_BUTTON, ControlKind::PushButton, QT_TRANSLATE_NOOP("CRefreshDlg", "Cancel"), 129,
     74, 50, 14, TabStop, 0, 0},
    {IDC_REFRESH_PASSWORD, ControlKind::Edit, "", 74, 41, 40, 14,
     PasswordChars | TabStop | AutoHScroll, 0, 0},
    //: Refresh window, centred line, 172 x 8 dialog units (about 43 characters).
    {IDC_EXCHANGE_STATUS_LINE1, ControlKind::CenteredLabel,
     QT_TRANSLATE_NOOP("CRefreshDlg", "Connecting the device ..."), 7, 17, 172, 8, NoStyle, 0, 0},
    //: Refresh window, centred line, 172 x 8 dialog units (about 43 characters).
    {IDC_EXCHANGE_STATUS_LINE2, ControlKind::CenteredLabel,
     QT_TRANSLATE_NOOP("CRefreshDlg", "Please wait..."), 7, 47, 172, 8, NoStyle, 0, 0},
};

constexpr DialogTemplate kTemplate{
    IDD_REFRESH,
    "CRefreshDlg",
    QT_TRANSLATE_NOOP("CRefreshDlg", "Refresh mailbox settings view"),
    186,
    95,
    "MS Sans Serif",
    8,
    ModalFrame | SystemMenu,
    kControls};

} // namespace

const DialogTemplate& refreshDialog()
{
    return kTemplate;
}

} // namespace zel::res
