#include "TransferFields.h"

#include <limits>

int transferInt(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    const bool negative = trimmed.startsWith(u'-');
    if (negative || trimmed.startsWith(u'+'))
        ++pos;
    // Saturate instead of overflowing: a huge text is out of every list anyway.
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; pos < trimmed.size() && trimmed[pos].isDigit() && trimmed[pos].unicode() < 128; ++pos)
        value = std::min(kLimit, value * 10 + (trimmed[pos].unicode() - u'0'));
    if (negative)
        return int(-value);
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

QStringList listEntries(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList entries = text.split(u'_');
    if (text.endsWith(u'_'))
        entries.removeLast();
    return entries;
}
