#include "DialogFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace zel {

namespace {

// Faces every Windows since XP has, and those Debian's Wine and Linux desktops bring, tried in
// turn when the chosen face is missing or a bitmap font.
const char* const kScalableFallbacks[] = {"Segoe UI", "Tahoma", "Microsoft Sans Serif",
                                          "Liberation Sans", "DejaVu Sans"};

bool isListed(const QString& family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// A family the database does not list is an alias the font matcher resolves itself; Windows
// lists every face it has, so there a face it lacks must be replaced.
bool needsFallback(const QString& family)
{
    if (!isListed(family)) {
#ifdef Q_OS_WIN
        return !QFontDatabase::families().isEmpty();
#else
        return false;
#endif
    }
    return !QFontDatabase::isSmoothlyScalable(family);
}

} // namespace

QFont platformDialogFont(qreal pointSize)
{
    QFont font = QApplication::font();
#ifdef Q_OS_WIN
    font.setFamily(QStringLiteral("Tahoma"));
#endif
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    if (!needsFallback(font.family()))
        return font;
    for (const char* fallback : kScalableFallbacks) {
        const QString family = QString::fromLatin1(fallback);
        if (isListed(family) && QFontDatabase::isSmoothlyScalable(family)) {
            font.setFamily(family);
            return font;
        }
    }
    return font;
}

QSize dialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QSize windowFrameSize(QSize dialogUnits, QSize baseUnits, QMargins frame)
{
    return QSize(dialogUnits.width() * baseUnits.width() / 4,
                 dialogUnits.height() * baseUnits.height() / 8)
        .grownBy(frame);
}

qreal fittingPointSize(qreal pointSize, QSize dialogUnits, QMargins frame, QSize available,
                       const std::function<QSize(qreal)>& baseUnitsAt)
{
    for (qreal size = pointSize; size > kSmallestDialogPointSize; size -= 0.5) {
        const QSize needed = windowFrameSize(dialogUnits, baseUnitsAt(size), frame);
        if (needed.width() <= available.width() && needed.height() <= available.height())
            return size;
    }
    return kSmallestDialogPointSize;
}

} // namespace zel
