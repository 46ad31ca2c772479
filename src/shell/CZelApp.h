#pragma once

#include "platform/ProfileFile.h"

namespace zel {
class Dialog;
}

// The application object: finds the profile file and runs the main window; when the main
// window ends, the program ends.
class CZelApp
{
public:
    // Runs the whole program; returns when the main window has ended.
    void InitInstance();

    // The profile file: "Zel1.ini" in the Windows directory (the user's configuration folder
    // where there is no Windows directory); on Windows read under the user's own keys in
    // %APPDATA%\Zel\Zel1.ini and the copy of old in VirtualStore.
    static zel::ProfileFile profile();
    // The same with `windowsFolder` for the Windows directory.
    static zel::ProfileFile profile(const QString& windowsFolder);
    // The Help command: the help window on the topic of `activeDialog`.
    static void OnHelp(zel::Dialog& activeDialog);
};
