#pragma once

#include <QFont>
#include <QMargins>
#include <QSize>
#include <functional>

namespace zel {

// The font a dialog template's font stands for: the platform's dialog font at `pointSize` (the
// template's, or less where the screen is small), as a dialog asking for the shell font gets it. On
// Windows that is Tahoma, as Windows maps "MS Shell Dlg 2" (the message font, Segoe UI 9 on Windows
// 10 and 11, would make the main window taller than a laptop's screen at 150 %); elsewhere the
// theme's font. Never a font that cannot be scaled smoothly: a bitmap font is drawn from enlarged
// pixels at any scaling but 100 %.
QFont platformDialogFont(qreal pointSize);

// The base units of dialogs in `font`, as the framework measures them: the average width of
// the 52 letters (a font's declared average runs narrower than real text) and the height.
QSize dialogBaseUnits(const QFont& font);

// What a window of `dialogUnits` takes on screen with these base units, in `frame`.
QSize windowFrameSize(QSize dialogUnits, QSize baseUnits, QMargins frame);

// The smallest dialog font: below it, text is no longer read with ease.
inline constexpr qreal kSmallestDialogPointSize = 6;

// The largest point size, from `pointSize` down to kSmallestDialogPointSize in half points, at
// which a window of `dialogUnits` in `frame` fits into `available`; `baseUnitsAt` gives the base
// units at a point size. The smallest size when none fits.
qreal fittingPointSize(qreal pointSize, QSize dialogUnits, QMargins frame, QSize available,
                       const std::function<QSize(qreal)>& baseUnitsAt);

} // namespace zel
