#include "LanguageName.h"

#include <array>

namespace {

// Indexed by language code.
constexpr std::array<const char*, 28> kLanguageNames{
    "Hebrew", "English US", "English",    "German",      "French",    "Russian", "Polish",
    "Greek",  "Romanian",   "Turkish",    "Italian",     "Hungarian", "Danish",  "Finish",
    "Dutch",  "Spanish",    "Portuguese", "Norwegian",   "Swedish",   "Czech",   "Flemish",
    "Thai",   "Chinese",    "Indonesian", "Argentinean", "Chilean",   "Arabic",  "Japanese",
};

constexpr int kNotInstalled = 255;

} // namespace

QString LanguageName(int code)
{
    if (code >= 0 && code < int(kLanguageNames.size()))
        return QString::fromUtf8(kLanguageNames[std::size_t(code)]);
    if (code == kNotInstalled)
        return QStringLiteral("Not Installed");
    return QStringLiteral("Unknown");
}
