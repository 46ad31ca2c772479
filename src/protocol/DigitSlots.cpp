#include "DigitSlots.h"

#include <algorithm>

namespace zel {

namespace {

constexpr std::uint8_t kFill = 255;

char slotCharacter(std::uint8_t slot)
{
    return static_cast<char>(static_cast<std::uint8_t>(slot + '0'));
}

} // namespace

void writeDigitSlots(std::string_view digits, std::span<std::uint8_t> slots)
{
    const std::size_t count = std::min(digits.size(), slots.size());
    for (std::size_t i = 0; i < count; ++i)
        slots[i] = static_cast<std::uint8_t>(static_cast<unsigned char>(digits[i]) - '0');
    std::fill(slots.begin() + static_cast<std::ptrdiff_t>(count), slots.end(), kFill);
}

std::string readDigitSlots(std::span<const std::uint8_t> slots)
{
    std::string digits;
    for (const std::uint8_t slot : slots) {
        const char c = slotCharacter(slot);
        if (c < '0' || c > '9')
            break;
        digits.push_back(c);
    }
    return digits;
}

std::string readDigitValuesUnchecked(std::span<const std::uint8_t> values)
{
    std::string text;
    for (const std::uint8_t value : values)
        text.push_back(slotCharacter(value));
    return text;
}

} // namespace zel
