#pragma once

#include "MailboxRecord.h"

#include <QtGlobal>

// The three items that carry a mailbox's booleans and enumerations, packed and unpacked the
// way the device does it.
namespace PackedFields {

quint8 acceptCallsByte(const MailboxRecord& record);
quint8 flagsByte(const MailboxRecord& record);
quint16 flagsWord(const MailboxRecord& record);

void takeAcceptCallsByte(quint8 value, MailboxRecord& record);
void takeFlagsByte(quint8 value, MailboxRecord& record);
void takeFlagsWord(quint16 value, MailboxRecord& record);

} // namespace PackedFields
