#pragma once

#include <QString>

// The name the device's language code stands for, as the language list shows it:
// "Not Installed" for an empty language slot (255), "Unknown" for any code without a name.
QString LanguageName(int code);

// The two names of slots no caller can be served in; the Settings page refuses them.
QString notInstalledLanguageName();
QString unknownLanguageName();
