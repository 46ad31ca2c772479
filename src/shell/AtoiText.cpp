#include "AtoiText.h"

#include "platform/LeadingNumber.h"

#include <QString>

namespace zel {

int atoiText(const QString& text)
{
    return int(readLeadingNumber(text, NumberReading::Signed, LeadingSpace::Skipped));
}

} // namespace zel
