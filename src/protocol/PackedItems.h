#pragma once

#include "protocol/MailboxRecord.h"

#include <cstdint>

namespace zel {

// The three packed items of the wire that carry the record's booleans and enumerations.
// Pack reads only the fields an item carries; unpack writes only those fields.

std::uint8_t packAcceptCallsByte(const MailboxRecord& record);
void unpackAcceptCallsByte(std::uint8_t value, MailboxRecord& record);

std::uint8_t packFlagsByte(const MailboxRecord& record);
void unpackFlagsByte(std::uint8_t value, MailboxRecord& record);

std::uint16_t packFlagsWord(const MailboxRecord& record);
void unpackFlagsWord(std::uint16_t value, MailboxRecord& record);

// The fax-extension byte: choice k (1..4) goes out as k - 1, "none" as 4;
// 0..3 come back as 1..4, anything else as 0.
std::uint8_t packFaxExtensionByte(int faxExtensionChoice);
int unpackFaxExtensionByte(std::uint8_t value);

} // namespace zel
