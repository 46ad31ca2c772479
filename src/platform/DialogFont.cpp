#include "DialogFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace zel {

namespace {

// Faces every Windows since XP has, and those Debian's Wine and Linux desktops bring, tried in
// turn when the system names a bitmap font.
const char* const kScalableFallbacks[] = {"Segoe UI", "Tahoma", "Microsoft Sans Serif",
                                          "Liberation Sans", "DejaVu Sans"};

bool isBitmapFamily(const QString& family)
{
    // A family the database does not list is an alias the font matcher resolves itself.
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive) &&
           !QFontDatabase::isSmoothlyScalable(family);
}

} // namespace

QFont platformDialogFont(int templatePointSize)
{
#ifdef Q_OS_WIN
    // Qt reads the general font from the system's message font (NONCLIENTMETRICS).
    Q_UNUSED(templatePointSize);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
#else
    QFont font = QApplication::font();
    if (templatePointSize > 0)
        font.setPointSize(templatePointSize);
#endif
    if (!isBitmapFamily(font.family()))
        return font;
    for (const char* fallback : kScalableFallbacks) {
        const QString family = QString::fromLatin1(fallback);
        if (QFontDatabase::families().contains(family, Qt::CaseInsensitive) &&
            QFontDatabase::isSmoothlyScalable(family)) {
            font.setFamily(family);
            return font;
        }
    }
    return font;
}

} // namespace zel
