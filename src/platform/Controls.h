#pragma once

#include "platform/DialogTemplate.h"

class QString;
class QWidget;

namespace zel {

// The widget for one template row, with `text` (the row's, translated), the row's styles and
// object name "ctl<id>"; its place and tab order are the dialog's business.
QWidget* makeControl(const ControlTemplate& control, const QString& text, QWidget* parent);

// Whether the user can move the focus to a control of this kind.
bool takesFocus(ControlKind kind);
// The first and last widgets of a control in the tab chain (an IPv4 field has four).
QWidget* firstFocusOf(QWidget* control);
QWidget* lastFocusOf(QWidget* control);

} // namespace zel
