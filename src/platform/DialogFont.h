#pragma once

#include <QFont>

namespace zel {

// The font a dialog template's font stands for: the platform's dialog font, as a dialog asking
// for the shell font gets on Windows. There it is the system's message font at its own size
// (Segoe UI 9 on Windows 10 and 11); elsewhere the theme's font at the template's point size.
// Never a font that cannot be scaled smoothly: a bitmap font is drawn from enlarged pixels at
// any scaling but 100 %.
QFont platformDialogFont(int templatePointSize);

} // namespace zel
