#pragma once

#include "platform/Dialog.h"
#include "platform/Help.h"

#include <QStringList>
#include <span>

class QComboBox;

namespace zel {

// Small pieces the three pages share.

// The local notification types, in the order of their values (index = value).
QStringList localNotificationTypes();

// Selects `index` in `combo`, or nothing when the index is outside the list.
void selectIndex(QComboBox* combo, int index);

// Context help of a page: a topic pop-up at the control for a help request on a control that
// has a help context id in the page's template; anything else is ignored. Always handled.
bool showPageHelp(const zel::Dialog& page, const zel::HelpInfo& info);

// A control named for screen readers after the label beside it (or another control's text).
struct AccessibleLabel
{
    int controlId;
    int labelId;
};
void nameAfterLabels(const zel::Dialog& page, std::span<const AccessibleLabel> pairs);

} // namespace zel
