#include "NumberChecks.h"

#include <QString>
#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Every character here has a dial code, so the device can dial it.
bool isPhoneCharacter(QChar c)
{
    return isDigit(c) || QStringView(u"*#PpAaBbCcDdQq").contains(c);
}

bool isPagerCharacter(QChar c)
{
    return isPhoneCharacter(c) || QStringView(u"Xx$").contains(c);
}

} // namespace

bool IsValidPhoneNumber(const QString& number)
{
    return std::all_of(number.cbegin(), number.cend(), isPhoneCharacter);
}

bool IsValidPagerNumber(const QString& number)
{
    return std::all_of(number.cbegin(), number.cend(), isPagerCharacter);
}

bool IsValidSmsNumber(const QString& number)
{
    const QStringView rest = number.startsWith(u'+') ? QStringView(number).mid(1) : number;
    return std::all_of(rest.cbegin(), rest.cend(), isDigit);
}
