#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zel {

namespace {

// Zel's translations are built into the program; Qt's are in the system's folder where Qt is
// installed system-wide (Debian's qt6-translations-l10n), else in the translations folder shipped
// beside the program.
const QString kZelTranslations = QStringLiteral(":/i18n");

QStringList qtTranslationFolders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

} // namespace

Translations::Translations(const QStringList& languages)
{
    const QString separator = QStringLiteral("_");
    for (const QString& name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        if (!m_zel.load(language, QStringLiteral("zel"), separator, kZelTranslations))
            continue;
        QCoreApplication::installTranslator(&m_zel);
        for (const QString& folder : qtTranslationFolders()) {
            if (m_qt.load(language, QStringLiteral("qtbase"), separator, folder)) {
                QCoreApplication::installTranslator(&m_qt);
                break;
            }
        }
        return;
    }
}

} // namespace zel
