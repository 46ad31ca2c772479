#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zel {

// Numbers sent as one byte per digit holding the digit's value.

// Writes each character as its code minus 48, then fills the remaining slots with 255.
// Characters beyond the number of slots are dropped.
void writeDigitSlots(std::string_view digits, std::span<std::uint8_t> slots);

// Adds 48 to each slot; the number ends at the first slot that does not give '0'..'9'.
std::string readDigitSlots(std::span<const std::uint8_t> slots);

// Adds 48 to each slot and keeps whatever character that gives.
std::string readDigitValuesUnchecked(std::span<const std::uint8_t> values);

} // namespace zel
