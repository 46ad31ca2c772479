#pragma once

#include <QStringList>

// How the pages read the hidden transfer fields the Refresh command writes.

// An integer field: its leading signed decimal number, read as atoi reads it (leading white
// space skipped, saturating); 0 when the text does not start with one.
int transferInt(const QString& text);

// A list field: each entry followed by "_", empty entries kept ("_201_" is "" and "201").
// A last entry without its "_" still counts.
QStringList listEntries(const QString& text);
