#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {

namespace {
// The port field is never shown: it carries the device port through unchanged, so it has no
// typing limit that could cut it; its length is checked when the dialog is confirmed.
constexpr std::array kControls{
    ControlTemplate{
        IDC_DATA_INIT_PROMPT, ControlKind::Label,
        QT_TRANSLATE_NOOP("CDataInitDlg", "Zel cannot work without these required information: "),
        13, 8, 173, 8, NoStyle, 0, 0},
    //: Start-up dialog, label, 64 x 8 dialog units (about 16 characters).
    ControlTemplate{IDC_DATA_INIT_MAILBOX_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CDataInitDlg", "Mailbox Number"), 13, 29, 64, 8, NoStyle, 0,
                    0},
    ControlTemplate{IDC_DATA_INIT_MAILBOX, ControlKind::Edit, "", 89, 27, 40, 14,
                    Bordered | AutoHScroll | TabStop, 6, 0},
    //: Start-up dialog, label, 64 x 8 dialog units (about 16 characters).
    ControlTemplate{IDC_DATA_INIT_ADDRESS_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CDataInitDlg", "Device IP address"), 13, 48, 64, 8, NoStyle,
                    0, 0},
    ControlTemplate{IDC_DATA_INIT_ADDRESS, ControlKind::Ipv4Address, "", 89, 46, 100, 15, TabStop,
                    0, 0},
    ControlTemplate{IDC_DATA_INIT_PORT_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CDataInitDlg", "Device Port number"), 13, 68, 64, 8, Hidden,
                    0, 0},
    ControlTemplate{IDC_DATA_INIT_PORT, ControlKind::Edit, "", 89, 66, 40, 14,
                    Hidden | Bordered | AutoHScroll, 0, 0},
    //: Start-up dialog, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_OK_BUTTON, ControlKind::DefPushButton,
                    QT_TRANSLATE_NOOP("CDataInitDlg", "OK"), 7, 79, 50, 14, TabStop, 0, 0},
    //: Start-up dialog, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_CANCEL_BUTTON, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CDataInitDlg", "Cancel"), 75, 79, 50, 14, TabStop, 0, 0},
    //: Start-up dialog, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{ID_HELP, ControlKind::PushButton, QT_TRANSLATE_NOOP("CDataInitDlg", "Help"),
                    143, 79, 50, 14, TabStop, 0, 0},
};
} // namespace

const DialogTemplate& dataInitDialog()
{
    static const DialogTemplate dialog{IDD_DATA_INIT,
                                       "CDataInitDlg",
                                       QT_TRANSLATE_NOOP("CDataInitDlg", "Zel Data Initializing"),
                                       200,
                                       100,
                                       "MS Sans Serif",
                                       8,
                                       SystemMenu | ModalFrame,
                                       kControls};
    return dialog;
}

} // namespace zel::res
