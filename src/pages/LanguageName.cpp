#include "LanguageName.h"

#include <QCoreApplication>
#include <array>

// The names appear in the Settings page's language list and are translated in its context.
namespace {

// Indexed by language code.
constexpr std::array<const char*, 28> kLanguageNames{
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Hebrew"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "English US"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "English"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "German"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "French"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Russian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Polish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Greek"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Romanian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Turkish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Italian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Hungarian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Danish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Finnish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Dutch"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Spanish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Portuguese"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Norwegian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Swedish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Czech"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Flemish"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Thai"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Chinese"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Indonesian"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Argentinean"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Chilean"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Arabic"),
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    QT_TRANSLATE_NOOP("CSettingsPage", "Japanese"),
};

constexpr int kNotInstalled = 255;

} // namespace

QString LanguageName(int code)
{
    if (zel::isServedLanguage(code))
        return QCoreApplication::translate("CSettingsPage", kLanguageNames[std::size_t(code)]);
    if (code == kNotInstalled) {
        //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
        return QCoreApplication::translate("CSettingsPage", "Not Installed");
    }
    //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
    return QCoreApplication::translate("CSettingsPage", "Unknown");
}

bool zel::isServedLanguage(int code)
{
    return code >= 0 && code < int(kLanguageNames.size());
}
