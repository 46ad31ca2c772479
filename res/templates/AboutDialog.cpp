#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {
namespace {

constexpr std::array kControls{
    //: About box, label, 119 x 8 dialog units (about 29 characters).
    ControlTemplate{IDC_ABOUT_VERSION, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CAboutDlg", "ZEL Version %1"), 44, 9, 119, 8, NoStyle, 0, 0},
    //: About box, label, 119 x 8 dialog units (about 29 characters).
    ControlTemplate{kStaticId, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CAboutDlg", "Voice-mail box settings tool"), 44, 24, 119, 8,
                    NoStyle, 0, 0},
    // Empty unless the package ships third-party notices beside the program; wide enough for
    // their file's name.
    ControlTemplate{IDC_ABOUT_NOTICES, ControlKind::Label, "", 44, 39, 184, 8, NoStyle, 0, 0},
    //: About box, button, 50 x 14 dialog units (about 10 characters).
    ControlTemplate{IDC_OK_BUTTON, ControlKind::DefPushButton, QT_TRANSLATE_NOOP("CAboutDlg", "OK"),
                    178, 7, 50, 14, TabStop, 0, 0},
};

constexpr DialogTemplate kAboutDialog{IDD_ABOUTBOX,
                                      "CAboutDlg",
                                      QT_TRANSLATE_NOOP("CAboutDlg", "About Zel"),
                                      235,
                                      55,
                                      "MS Sans Serif",
                                      8,
                                      SystemMenu | ModalFrame,
                                      kControls};

} // namespace

const DialogTemplate& aboutDialog()
{
    return kAboutDialog;
}

} // namespace zel::res
