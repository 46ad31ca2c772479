#pragma once

#include <array>
#include <cstdint>
#include <string>

// One voice-mail box as the device describes it. A plain value type: copied by value,
// owns its strings. A default-constructed record is the "empty" record: strings empty,
// numbers 0, booleans false.
struct MailboxRecord
{
    std::string mailboxNumber;      // 1..6 digits
    std::string notifyExtension;    // 0..6 digits
    int languageIndex = 0;          // 0, 1, 2: which of languageCodes
    int mailboxType = 0;            // 0 real, 1 virtual
    std::string password;           // exactly 4 digits
    int localNotificationType = 0;  // 0..4
    std::string backupExtension;    // 0..6 digits
    int operatorExtensionIndex = 0; // 0..7, position in operatorExtensions
    int faxExtensionChoice = 0;     // 0 none, k = faxExtensions entry k (1-based)
    bool announcer = false;
    bool doNotDisturb = false;
    bool timeStamp = false;
    std::array<std::string, 8> operatorExtensions; // each 0..7 digits, view only
    std::array<std::string, 4> faxExtensions;      // each 0..7 digits, view only
    std::array<int, 3> languageCodes{};            // 0..255 each, view only
    int emailSupported = 0;                        // non-zero: the e-mail block is on the wire
    bool externalNotificationAllowed = false;
    bool telephoneEnabled = false;
    bool pagerEnabled = false;
    bool smsEnabled = false;
    bool emailEnabled = false;
    std::string telephoneNumber; // 0..20 dial characters
    std::string pagerNumber;     // 0..40 dial characters
    std::string smsNumber;       // 0..40 characters
    std::string emailAddress;    // 0..60 characters
    int messageType = 0;         // 0..3
    int newMessages = 0;         // -128..127
    int savedMessages = 0;       // -128..127
    int totalMessages = 0;       // newMessages + savedMessages
    int maxMessages = 0;         // -135..120

    bool operator==(const MailboxRecord&) const = default;
};

// Capacities of the record, which are also the pages' typing limits.
namespace zel::RecordLimits {
inline constexpr std::size_t kMailboxDigits = 6;
inline constexpr std::size_t kPasswordDigits = 4;
inline constexpr std::size_t kExtensionDigits = 6;
inline constexpr std::size_t kListEntryDigits = 7;
inline constexpr std::size_t kTelephone = 20;
inline constexpr std::size_t kPager = 40;
inline constexpr std::size_t kSms = 40;
inline constexpr std::size_t kEmail = 60;
} // namespace zel::RecordLimits
