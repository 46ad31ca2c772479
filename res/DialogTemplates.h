#pragma once

#include "platform/DialogTemplate.h"

// The program's dialog templates, one per file in templates/.
namespace zel::res {
const DialogTemplate& aboutDialog();       // IDD_ABOUTBOX
const DialogTemplate& mainDialog();        // IDD_ZEL_DIALOG
const DialogTemplate& settingsPage();      // IDD_SETTINGS_PAGE
const DialogTemplate& notificationsPage(); // IDD_NOTIFICATIONS_PAGE
const DialogTemplate& statisticsPage();    // IDD_STATISTICS_PAGE
const DialogTemplate& dataInitDialog();    // IDD_DATA_INIT
const DialogTemplate& refreshDialog();     // IDD_REFRESH
const DialogTemplate& applyDialog();       // IDD_APPLY
const DialogTemplate& preApplyDialog();    // IDD_PRE_APPLY
} // namespace zel::res
