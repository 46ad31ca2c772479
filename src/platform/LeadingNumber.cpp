#include "LeadingNumber.h"

#include <algorithm>
#include <limits>

namespace zel {

qint64 readLeadingNumber(QStringView text, NumberReading reading, LeadingSpace space)
{
    qsizetype pos = 0;
    if (space == LeadingSpace::Skipped) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
    }
    bool negative = false;
    if (reading == NumberReading::Signed && pos < text.size() &&
        (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }

    // One past INT_MAX, so that INT_MIN itself is reached.
    constexpr qint64 kSignedLimit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 saturated = 0;
    quint32 wrapped = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
        const int digit = text[pos].unicode() - u'0';
        saturated = std::min(kSignedLimit, saturated * 10 + digit);
        wrapped = wrapped * 10u + quint32(digit);
    }

    if (reading == NumberReading::Unsigned)
        return wrapped;
    return negative ? -saturated : std::min<qint64>(saturated, std::numeric_limits<int>::max());
}

int atoiText(QStringView text)
{
    return int(readLeadingNumber(text, NumberReading::Signed, LeadingSpace::Skipped));
}

} // namespace zel
