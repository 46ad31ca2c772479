#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "protocol/Datagram.h"

#include <string>

namespace {

namespace AckResult = zel::Datagram::AckResult;

bool isResultCode(int result)
{
    switch (result) {
    case AckResult::Waiting:
    case AckResult::Applied:
    case AckResult::NoSuchMailbox:
    case AckResult::NotValid:
    case AckResult::OtherMailbox:
    case AckResult::BadLength:
    case AckResult::BadMagic:
        return true;
    default:
        return false;
    }
}

} // namespace

int fuzzAcknowledgement(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> datagram(data, size);
    // The number the datagram names, so that the matching case is reached as often as not.
    const std::string named = zel::Datagram::readViewReply(datagram).mailboxNumber;

    for (const int before : {AckResult::Waiting, AckResult::OtherMailbox}) {
        for (const std::string& sent : {named, std::string("305")}) {
            const int after = zel::Datagram::readAcknowledgement(datagram, sent, before);
            FUZZ_CHECK(isResultCode(after));
            if (size >= zel::Datagram::kAckIgnoreSize)
                FUZZ_CHECK(after == before);
            else if (size < 3 || data[0] != '!' || data[1] != '!' || data[2] != 'V')
                FUZZ_CHECK(after == AckResult::BadMagic);
            if (size >= 12 && size < zel::Datagram::kAckIgnoreSize && sent == named)
                FUZZ_CHECK(after != AckResult::OtherMailbox || before == after);
        }
    }
    return 0;
}
