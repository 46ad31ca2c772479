#include "TransferFields.h"

#include "platform/LeadingNumber.h"

int transferInt(const QString& text)
{
    return int(
        zel::readLeadingNumber(text, zel::NumberReading::Signed, zel::LeadingSpace::Skipped));
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
