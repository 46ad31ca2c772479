#pragma once

#include <QString>

// The name the device's language code stands for, as the language list shows it:
// "Not Installed" for an empty language slot (255), "Unknown" for any code without a name.
QString LanguageName(int code);
