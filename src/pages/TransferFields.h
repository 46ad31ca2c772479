#pragma once

#include <QStringList>

namespace zel {

// The text of the hidden transfer fields, as the Refresh command writes them and the pages
// read them.

// An integer field: its leading signed decimal number, read as atoi reads it (leading white
// space skipped, saturating); 0 when the text does not start with one.
int transferInt(const QString& text);

// A list field: each entry followed by "_", empty entries kept ("_201_" is "" and "201").
QString listText(const QStringList& entries);
// A last entry without its "_" still counts.
QStringList listEntries(const QString& text);

} // namespace zel
