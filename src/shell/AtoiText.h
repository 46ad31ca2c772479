#pragma once

class QString;

namespace zel {

// The C library's atoi on a text: leading white space, an optional sign, then the leading
// decimal digits; 0 when there are none. Out-of-range values saturate instead of overflowing.
int atoiText(const QString& text);

} // namespace zel
