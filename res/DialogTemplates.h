#pragma once

#include "platform/DialogTemplate.h"

// The program's dialog templates, one per file in templates/.
namespace zel::res {
const DialogTemplate& aboutDialog();       // 100
const DialogTemplate& mainDialog();        // 102
const DialogTemplate& settingsPage();      // 138
const DialogTemplate& notificationsPage(); // 139
const DialogTemplate& statisticsPage();    // 140
const DialogTemplate& dataInitDialog();    // 141
const DialogTemplate& refreshDialog();     // 145
const DialogTemplate& applyDialog();       // 148
const DialogTemplate& preApplyDialog();    // 151
} // namespace zel::res
