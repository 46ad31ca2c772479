#include "ProfileKeys.h"

namespace {

using C = ProfileConfiguration;
constexpr int kDefaultPort = 5000;

// clang-format off
const ProfileKey kProfileKeys[] = {
    {"Zel Server", "Port_num",   &C::devicePort,    kDefaultPort, ProfileWrite::WhenAsked},
    {"Zel Server", "IP_address", &C::deviceAddress, 0,            ProfileWrite::WhenAsked},
    {"Zel Client", "Mailbox",    &C::mailbox,       0,            ProfileWrite::WhenAsked},
    {"Zel Client", "Local_Port", &C::localPort,     kDefaultPort, ProfileWrite::Never},
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

void saveAskedConfiguration(zel::ProfileFile& profile, const ProfileConfiguration& configuration)
{
    for (const ProfileKey& key : kProfileKeys) {
        if (key.written != ProfileWrite::WhenAsked)
            continue;
        if (const auto* text = std::get_if<QString C::*>(&key.value))
            profile.writeString(section(key), name(key), configuration.**text);
        else
            profile.writeInt(section(key), name(key), configuration.*std::get<int C::*>(key.value));
    }
}
