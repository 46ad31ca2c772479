#include "DialString.h"

#include <array>
#include <cstring>

namespace {

// The longest buffer either direction accepts. Longer requests fail without touching the
// buffer: no field the codec serves comes near it (the longest holds 40 characters).
constexpr int kMaxLength = 100;

constexpr unsigned char kEndOfText = 55;

// Indexed by dial code; '.' marks an invalid code, the zero byte at 55 ends the text.
constexpr char kDecodeTable[] = "0123456789*#ABCD"
                                "................................"
                                "Xp..$.Q";
static_assert(sizeof(kDecodeTable) == 56, "codes 0..55 including the terminating zero byte");

int encodeCharacter(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    switch (c) {
    case '*':
        return 10;
    case '#':
        return 11;
    case 'A':
    case 'a':
        return 12;
    case 'B':
    case 'b':
        return 13;
    case 'C':
    case 'c':
        return 14;
    case 'D':
    case 'd':
        return 15;
    case 'X':
    case 'x':
        return 48;
    case 'P':
    case 'p':
        return 49;
    case '$':
        return 52;
    case 'Q':
    case 'q':
        return 54;
    default:
        return -1;
    }
}

} // namespace

int DecodeDialString(unsigned char* buffer, int length)
{
    if (length <= 0)
        return 0;
    if (length > kMaxLength)
        return 1;
    // One extra byte so that the zero after a full-length text stays inside the scratch area.
    std::array<unsigned char, kMaxLength + 1> scratch{};
    for (int i = 0; i < length; ++i) {
        const unsigned char code = buffer[i];
        if (code > kEndOfText)
            return 1;
        const char entry = kDecodeTable[code];
        if (entry == '.')
            return 1;
        scratch[i] = static_cast<unsigned char>(entry);
    }
    std::memcpy(buffer, scratch.data(), static_cast<std::size_t>(length) + 1);
    return 0;
}

int EncodeDialString(unsigned char* buffer, int length)
{
    if (length <= 0)
        return 0;
    if (length > kMaxLength)
        return 1;
    std::array<unsigned char, kMaxLength> scratch{};
    for (int i = 0; i < length; ++i) {
        const int code = encodeCharacter(buffer[i]);
        if (code < 0)
            return 1;
        scratch[i] = static_cast<unsigned char>(code);
    }
    std::memcpy(buffer, scratch.data(), static_cast<std::size_t>(length));
    return 0;
}
