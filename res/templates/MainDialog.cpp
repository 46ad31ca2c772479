#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {

namespace {
// Picture texts name images embedded in the program's resources. The off-line banner and the
// title banner's subtitle are text, so that they speak the user's language; the window draws the
// one in red italics, the other in the artwork's colours over the picture.
constexpr std::array kControls{
    ControlTemplate{IDC_MAIN_BANNER, ControlKind::Picture, ":/zel/banner.png", 7, 4, 395, 67,
                    Bordered, 0, 0},
    //: Main window, subtitle over the title banner in a large font, 320 x 13 dialog units
    //: (about 50 characters).
    ControlTemplate{IDC_MAIN_BANNER_SUBTITLE, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CZelMainDlg", "Voice-Mail Box Manager"), 76, 51, 320, 13,
                    NoStyle, 0, 0},
    ControlTemplate{IDC_MAIN_TAB, ControlKind::TabControl, "", 7, 78, 396, 240, TabStop, 0, 0},
    //: Main window, label, 145 x 10 dialog units (about 36 characters).
    ControlTemplate{IDC_MAIN_OFFLINE_BANNER, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CZelMainDlg", "Off Line! No relevant data is displayed!"),
                    12, 329, 145, 10, NoStyle, 0, 0},
    //: Main window, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_MAIN_REFRESH, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CZelMainDlg", "Refresh"), 172, 325, 50, 14, TabStop, 0, 0},
    //: Main window, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_MAIN_APPLY, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CZelMainDlg", "Apply"), 234, 325, 50, 14, TabStop, 0, 0},
    //: Main window, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_CANCEL_BUTTON, ControlKind::PushButton,
                    QT_TRANSLATE_NOOP("CZelMainDlg", "Close"), 293, 325, 50, 14, TabStop, 0, 0},
    //: Main window, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{ID_HELP, ControlKind::PushButton, QT_TRANSLATE_NOOP("CZelMainDlg", "Help"), 353,
                    325, 50, 14, TabStop, 0, 0},
};
} // namespace

const DialogTemplate& mainDialog()
{
    static const DialogTemplate dialog{IDD_ZEL_DIALOG,
                                       "CZelMainDlg",
                                       QT_TRANSLATE_NOOP("CZelMainDlg", "Zel"),
                                       410,
                                       346,
                                       "MS Sans Serif",
                                       8,
                                       SystemMenu | MinimizeBox,
                                       kControls};
    return dialog;
}

} // namespace zel::res
