#pragma once

#include <QStringView>

namespace zel {

// The number a text starts with, by the "leading decimal digits" rule every integer reader of
// the program shares: ASCII digits up to the first other character, 0 when there are none.
// The readers differ only in what they allow before the digits and in how they overflow.
enum class NumberReading
{
    Signed,   // one '+' or '-' may come first; saturates at the int range (the C library's atoi)
    Unsigned, // digits only; wraps modulo 2^32 (GetDlgItemInt without a sign)
};
enum class LeadingSpace
{
    Skipped, // white space (QChar::isSpace) before the number is passed over
    Ends,    // white space is a character like any other: it ends the number at once
};

// The value fits an int for Signed and an unsigned for Unsigned.
qint64 readLeadingNumber(QStringView text, NumberReading reading, LeadingSpace space);

// The C library's atoi on a text: leading white space, an optional sign, then the leading
// decimal digits; 0 when there are none. Out-of-range values saturate instead of overflowing.
int atoiText(QStringView text);

} // namespace zel
