#pragma once

// The Windows installer's own texts. No program includes this file: it is here so that lupdate
// keeps them in Zel's translation files, beside the words Zel itself uses, where the installer's
// build takes them from (packaging/windows/InstallerLanguages.cmake). Each one's "LangString"
// field is the name the installer's script (packaging/windows/NSIS.template.in) knows it by; the
// installer fills in %1 and %2.

#include <QtGlobal>

namespace zel::installer {

inline constexpr const char* kTexts[] = {
    //: Windows installer, title of the page that asks for the device: bold, one line of about
    //: 50 characters.
    //~ LangString DevicePageTitle
    QT_TRANSLATE_NOOP("Installer", "Voice-mail device"),
    //: Windows installer, the device page's subtitle under its title: about 70 characters.
    //~ LangString DevicePageSubtitle
    QT_TRANSLATE_NOOP("Installer", "Where Zel finds the device, for every user of this PC"),
    //: Windows installer, the device page's explanation, above the fields "Device IP address"
    //: and "Device Port number" (Zel's start-up dialog's labels): four lines of about 80
    //: characters. %1 is the machine-wide profile file, Zel1.ini in the Windows folder.
    //~ LangString DevicePageText
    QT_TRANSLATE_NOOP("Installer",
                      "Zel asks each user for the device's address at the first start. Give it "
                      "here to set it for every user of this PC, in %1; leave it empty to let "
                      "each user give it. Without a port, Zel uses 5000."),
    //: Windows installer, message box when the device address given on the device page or as
    //: /DEVICE= is refused. %1 is that address.
    //~ LangString BadAddress
    QT_TRANSLATE_NOOP("Installer",
                      "The device address \"%1\" is not an IPv4 address.\n\nGive four numbers "
                      "from 0 to 255 joined by dots, the first not 0 and none with leading zeros "
                      "(such as 192.168.1.20), or leave it empty."),
    //: Windows installer, message box when the device port given on the device page or as
    //: /PORT= is refused. %1 is that port.
    //~ LangString BadPort
    QT_TRANSLATE_NOOP("Installer",
                      "The device port \"%1\" is not a port Zel can use.\n\nGive a number from "
                      "1 to 65535, or leave it empty."),
    //: Windows installer and uninstaller, message box with the buttons Retry and Cancel (as
    //: Windows names them in the user's language) while Zel runs. %1 is Zel's folder.
    //~ LangString ZelRunning
    QT_TRANSLATE_NOOP("Installer",
                      "Zel is running from %1.\n\nClose every Zel window (on this PC, for every "
                      "user), then click Retry."),
    //: Windows installer and uninstaller, message box with the buttons Retry and Cancel while
    //: the device simulator, a console program installed with Zel, runs. %1 is Zel's folder.
    //~ LangString DeviceRunning
    QT_TRANSLATE_NOOP("Installer",
                      "The device simulator zel-device.exe is running from %1.\n\nEnd it (on "
                      "this PC, for every user), then click Retry."),
    //: Windows installer, message box when the Zel it replaces could not be uninstalled. %1 is
    //: that Zel's folder, %2 its uninstaller's exit code.
    //~ LangString OldNotRemoved
    QT_TRANSLATE_NOOP("Installer", "The Zel installed in %1 could not be removed (exit code %2)."),
};

} // namespace zel::installer
