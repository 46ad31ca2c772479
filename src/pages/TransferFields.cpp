#include "TransferFields.h"

#include "platform/LeadingNumber.h"

namespace zel {

int transferInt(const QString& text)
{
    return zel::atoiText(text);
}

QString listText(const QStringList& entries)
{
    QString list;
    for (const QString& entry : entries)
        list += entry + u'_';
    return list;
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

} // namespace zel
