#pragma once

#include <QString>

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

    // The profile file: the Windows directory plus "Zel1.ini" (the user's configuration folder
    // where there is no Windows directory).
    static QString profilePath();
    // The Help command: the help window on the topic of `activeDialog`.
    static void OnHelp(zel::Dialog& activeDialog);
};
