#pragma once

#include "protocol/MailboxRecord.h"

namespace zel {
class Dialog;
}

// Which of the main window's pages a record field is shown on.
enum class BoundPage
{
    Settings,
    Notifications,
    Statistics
};

// Refresh: writes `record` into the controls of `page`. The Refresh command writes the Settings,
// the Notifications and the Statistics page in this order. A record without e-mail support leaves
// the Notifications page's e-mail entries as they are and loses its own.
void writeRecordToPage(MailboxRecord& record, BoundPage which, zel::Dialog& page);

// Apply: reads the controls of `page` back into `record`. The Apply command reads the Settings
// page, then the Notifications page, whose values replace those the two pages share.
void readPageIntoRecord(const zel::Dialog& page, BoundPage which, MailboxRecord& record);
