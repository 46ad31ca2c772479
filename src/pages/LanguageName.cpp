#include "LanguageName.h"

#include <QCoreApplication>
#include <array>

// The names appear in the Settings page's language list and are translated in its context.
namespace {

// Indexed by language code.
constexpr std::array<const char*, 28> kLanguageNames{
    QT_TRANSLATE_NOOP("CSettingsPage", "Hebrew"),
    QT_TRANSLATE_NOOP("CSettingsPage", "English US"),
    QT_TRANSLATE_NOOP("CSettingsPage", "English"),
    QT_TRANSLATE_NOOP("CSettingsPage", "German"),
    QT_TRANSLATE_NOOP("CSettingsPage", "French"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Russian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Polish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Greek"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Romanian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Turkish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Italian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Hungarian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Danish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Finnish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Dutch"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Spanish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Portuguese"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Norwegian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Swedish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Czech"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Flemish"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Thai"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Chinese"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Indonesian"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Argentinean"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Chilean"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Arabic"),
    QT_TRANSLATE_NOOP("CSettingsPage", "Japanese"),
};

constexpr int kNotInstalled = 255;

} // namespace

QString LanguageName(int code)
{
    if (isServedLanguage(code))
        return QCoreApplication::translate("CSettingsPage", kLanguageNames[std::size_t(code)]);
    if (code == kNotInstalled)
        return QCoreApplication::translate("CSettingsPage", "Not Installed");
    return QCoreApplication::translate("CSettingsPage", "Unknown");
}

bool isServedLanguage(int code)
{
    return code >= 0 && code < int(kLanguageNames.size());
}
