#include "ProfileKeys.h"

namespace {

using C = ProfileConfiguration;
using W = ProfileWrite;
constexpr int kDefaultPort = 5000;
constexpr NumberRange kDevicePorts{1, 65535};
// 0 lets the system choose the local port.
constexpr NumberRange kLocalPorts{0, 65535};
constexpr NumberRange kNoRange{0, 0}; // for texts

// clang-format off
const ProfileKey kProfileKeys[] = {
    {"Zel Server", "Port_num",   &C::devicePort,    kDefaultPort, W::WhenAsked, kDevicePorts},
    {"Zel Server", "IP_address", &C::deviceAddress, 0,            W::WhenAsked, kNoRange},
    {"Zel Client", "Mailbox",    &C::mailbox,       0,            W::WhenAsked, kNoRange},
    {"Zel Client", "Local_Port", &C::localPort,     kDefaultPort, W::Never,     kLocalPorts},
};
// clang-format on

QString section(const ProfileKey& key)
{
    return QString::fromLatin1(key.section);
}

QString name(const ProfileKey& key)
{
    return QString::fromLatin1(key.key);
}

} // namespace

std::span<const ProfileKey> profileKeys()
{
    return kProfileKeys;
}

ProfileConfiguration readProfileConfiguration(const zel::ProfileFile& profile)
{
    ProfileConfiguration configuration;
    for (const ProfileKey& key : kProfileKeys) {
        if (const auto* text = std::get_if<QString C::*>(&key.value))
            configuration.** text = profile.readString(section(key), name(key));
        else
            configuration.*std::get<int C::*>(key.value) =
                profile.readInt(section(key), name(key), key.defaultNumber);
    }
    return configuration;
}

const ProfileKey* keyOutOfRange(const ProfileConfiguration& configuration)
{
    for (const ProfileKey& key : kProfileKeys) {
        const auto* number = std::get_if<int C::*>(&key.value);
        if (!number)
            continue;
        const int value = configuration.**number;
        if (value < key.range.lowest || value > key.range.highest)
            return &key;
    }
    return nullptr;
}

bool saveAskedConfiguration(zel::ProfileFile& profile, const ProfileConfiguration& configuration)
{
    bool saved = true;
    for (const ProfileKey& key : kProfileKeys) {
        if (key.written != ProfileWrite::WhenAsked)
            continue;
        if (const auto* text = std::get_if<QString C::*>(&key.value))
            saved &= profile.writeString(section(key), name(key), configuration.**text);
        else
            saved &= profile.writeInt(section(key), name(key),
                                      configuration.*std::get<int C::*>(key.value));
    }
    return saved;
}
