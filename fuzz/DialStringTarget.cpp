#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "protocol/DialString.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

constexpr unsigned char kGuard = 0xa5;
constexpr std::size_t kGuardBytes = 8;

std::vector<unsigned char> guardedCopy(const std::uint8_t* data, std::size_t size, std::size_t room)
{
    std::vector<unsigned char> buffer(data, data + size);
    buffer.resize(size + room, kGuard);
    return buffer;
}

bool guardsIntact(const std::vector<unsigned char>& buffer, std::size_t from)
{
    for (std::size_t i = from; i < buffer.size(); ++i) {
        if (buffer[i] != kGuard)
            return false;
    }
    return true;
}

void checkDecode(const std::uint8_t* data, std::size_t size)
{
    // One spare byte for the zero after the text, then guards.
    std::vector<unsigned char> buffer = guardedCopy(data, size, 1 + kGuardBytes);
    const std::vector<unsigned char> before = buffer;
    const int result = DecodeDialString(buffer.data(), static_cast<int>(size));
    FUZZ_CHECK(result == 0 || result == 1);
    FUZZ_CHECK(guardsIntact(buffer, size + 1));
    if (result == 1 || size == 0) {
        FUZZ_CHECK(buffer == before);
        return;
    }
    FUZZ_CHECK(size <= 100);
    FUZZ_CHECK(buffer[size] == 0);
    const std::size_t textLength = std::strlen(reinterpret_cast<const char*>(buffer.data()));
    for (std::size_t i = 0; i < textLength; ++i)
        FUZZ_CHECK(std::strchr("0123456789*#ABCDXp$Q", buffer[i]) != nullptr);

    // The decoded text encodes back to the codes it came from.
    const int reencoded = EncodeDialString(buffer.data(), static_cast<int>(textLength));
    FUZZ_CHECK(reencoded == 0);
    FUZZ_CHECK(std::memcmp(buffer.data(), data, textLength) == 0);
}

void checkEncode(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> buffer = guardedCopy(data, size, kGuardBytes);
    const std::vector<unsigned char> before = buffer;
    const int result = EncodeDialString(buffer.data(), static_cast<int>(size));
    FUZZ_CHECK(result == 0 || result == 1);
    FUZZ_CHECK(guardsIntact(buffer, size));
    if (result == 1 || size == 0) {
        FUZZ_CHECK(buffer == before);
        return;
    }
    FUZZ_CHECK(size <= 100);

    // Every code decodes back to the character, in the case the device returns it.
    buffer.insert(buffer.begin() + static_cast<std::ptrdiff_t>(size), 0);
    FUZZ_CHECK(DecodeDialString(buffer.data(), static_cast<int>(size)) == 0);
    for (std::size_t i = 0; i < size; ++i) {
        const int original = data[i];
        const int expected = (original == 'P' || original == 'p') ? 'p' : std::toupper(original);
        FUZZ_CHECK(buffer[i] == expected);
    }
}

} // namespace

int fuzzDialString(const std::uint8_t* data, std::size_t size)
{
    checkDecode(data, size);
    checkEncode(data, size);
    return 0;
}
