#pragma once

#include "MailboxRecord.h"

#include <vector>

// The mailboxes the simulator holds when it is given no file:
//   305     real mailbox with e-mail notification, password 1234
//   4120    real mailbox, device without e-mail support, password 5823
//   777001  virtual mailbox, password 0000
std::vector<MailboxRecord> demoMailboxes();
