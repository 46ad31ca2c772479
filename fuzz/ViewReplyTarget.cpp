#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "protocol/Datagram.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

bool isDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void checkRecord(const zel::Datagram::ViewReply& reply)
{
    const MailboxRecord& r = reply.record;
    FUZZ_CHECK(r.mailboxNumber == reply.mailboxNumber);
    for (const std::string& entry : r.operatorExtensions)
        FUZZ_CHECK(entry.size() <= zel::RecordLimits::kListEntryDigits && isDigits(entry));
    for (const std::string& entry : r.faxExtensions)
        FUZZ_CHECK(entry.size() <= zel::RecordLimits::kListEntryDigits && isDigits(entry));
    FUZZ_CHECK(r.password.size() == zel::RecordLimits::kPasswordDigits);
    FUZZ_CHECK(r.notifyExtension.size() <= zel::RecordLimits::kExtensionDigits &&
               isDigits(r.notifyExtension));
    FUZZ_CHECK(r.backupExtension.size() <= zel::RecordLimits::kExtensionDigits);
    FUZZ_CHECK(r.telephoneNumber.size() <= zel::RecordLimits::kTelephone);
    FUZZ_CHECK(r.pagerNumber.size() <= zel::RecordLimits::kPager);
    FUZZ_CHECK(r.smsNumber.size() <= zel::RecordLimits::kSms);
    FUZZ_CHECK(r.emailAddress.size() <= zel::RecordLimits::kEmail);
    FUZZ_CHECK(r.totalMessages == r.newMessages + r.savedMessages);
    FUZZ_CHECK(r.newMessages >= -128 && r.newMessages <= 127);
    FUZZ_CHECK(r.maxMessages >= -135 && r.maxMessages <= 120);
    FUZZ_CHECK(r.faxExtensionChoice >= 0 && r.faxExtensionChoice <= 4);
    FUZZ_CHECK(r.localNotificationType >= 0 && r.localNotificationType <= 4);
    FUZZ_CHECK(r.languageIndex >= 0 && r.languageIndex <= 2);
    if (r.emailSupported == 0)
        FUZZ_CHECK(r.emailAddress.empty() && r.messageType == 0);

    // Whatever a device sent must pack into a well-formed apply request.
    std::array<std::uint8_t, zel::Datagram::kFillSize> area{};
    const std::size_t size = zel::Datagram::buildApplyRequest(r, area);
    FUZZ_CHECK(size >= 39 && size <= 40 + 20 + 40 + 40 + 60);
    FUZZ_CHECK(((area[9] << 8) | area[10]) == static_cast<int>(size) - 12);
    FUZZ_CHECK(area[0] == '!' && area[1] == '!' && area[2] == 'S');
    for (std::size_t i = size; i < area.size(); ++i)
        FUZZ_CHECK(area[i] == zel::Datagram::kFill);
}

} // namespace

int fuzzViewReply(const std::uint8_t* data, std::size_t size)
{
    const zel::Datagram::ViewReply reply = zel::Datagram::readViewReply({data, size});
    FUZZ_CHECK(reply.mailboxNumber.size() <= 6 && isDigits(reply.mailboxNumber));
    if (reply.kind == zel::Datagram::ViewReplyKind::Record)
        checkRecord(reply);
    else
        FUZZ_CHECK(reply.record == MailboxRecord());
    if (reply.kind == zel::Datagram::ViewReplyKind::BadMagic)
        FUZZ_CHECK(reply.mailboxNumber.empty());
    return 0;
}
