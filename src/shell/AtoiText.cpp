#include "AtoiText.h"

#include <QString>
#include <limits>

namespace zel {

int atoiText(const QString& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'+' || text.at(pos) == u'-')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; pos < text.size() && text.at(pos) >= u'0' && text.at(pos) <= u'9'; ++pos)
        value = std::min(limit, value * 10 + (text.at(pos).unicode() - u'0'));
    if (negative)
        return int(std::max(-value, qint64(std::numeric_limits<int>::min())));
    return int(std::min(value, qint64(std::numeric_limits<int>::max())));
}

} // namespace zel
