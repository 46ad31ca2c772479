#pragma once

#include <QString>

// The name the device's language code stands for, as the language list shows it:
// "Not Installed" for an empty language slot (255), "Unknown" for any code without a name.
QString LanguageName(int code);

namespace zel {

// Whether callers can be served in the language of `code`: not so in an empty slot or in a
// language without a name. The Settings page refuses the others.
bool isServedLanguage(int code);

} // namespace zel
