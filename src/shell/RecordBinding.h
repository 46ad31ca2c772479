#pragma once

#include "protocol/MailboxRecord.h"

namespace zel {

class Dialog;

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

// Apply: reads the controls of `page` back into `record`: the Settings page, then the
// Notifications page, which takes nothing back of what it only shows of the Settings page's.
void readPageIntoRecord(const zel::Dialog& page, BoundPage which, MailboxRecord& record);

// After Apply has read the pages: writes into `page` its copies of another page's fields.
void writeCopiesToPage(const MailboxRecord& record, BoundPage which, zel::Dialog& page);

} // namespace zel
