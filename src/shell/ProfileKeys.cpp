#include "ProfileKeys.h"

#include <QStringList>
#include <algorithm>

namespace {

using C = ProfileConfiguration;
using W = ProfileWrite;
using S = ValueShape;
constexpr int kDefaultPort = 5000;
constexpr NumberRange kDevicePorts{1, 65535};
// 0 lets the system choose the local port.
constexpr NumberRange kLocalPorts{0, 65535};
constexpr NumberRange kAddressLength{1, 15}; // up to "255.255.255.255"
// A request carries six digits: a longer number would be cut to another mailbox's.
constexpr NumberRange kMailboxLength{1, 6};

constexpr char kServer[] = "Zel Server";
// The mailbox and the local port are each user's own, whoever else uses the PC.
constexpr char kClient[] = "Zel Client";

// clang-format off
const ProfileKey kProfileKeys[] = {
    {kServer, "Port_num",   &C::devicePort,    kDefaultPort, W::WhenAsked, S::Port,        kDevicePorts},
    {kServer, "IP_address", &C::deviceAddress, 0,            W::WhenAsked, S::Ipv4Address, kAddressLength},
    {kClient, "Mailbox",    &C::mailbox,       0,            W::WhenAsked, S::Text,        kMailboxLength},
    {kClient, "Local_Port", &C::localPort,     kDefaultPort, W::Never,     S::Port,        kLocalPorts},
};
// clang-format on

bool inRange(qsizetype value, NumberRange range)
{
    return value >= range.lowest && value <= range.highest;
}

// Four numbers 0 to 255 joined by dots, of a device. The address parser would take fewer parts
// ("192.168.1" as 192.168.0.1) and read a leading zero as octal ("010" as 8): neither is what
// was meant.
bool isDottedDeviceAddress(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    std::array<quint8, 4> bytes{};
    for (int i = 0; i < 4; ++i) {
        const QString& part = parts[i];
        const bool digits =
            !part.isEmpty() && part.size() <= 3 &&
            std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!digits || (part.size() > 1 && part.front() == u'0') || part.toInt() > 255)
            return false;
        bytes[i] = quint8(part.toInt());
    }
    return isDeviceAddress(bytes);
}

QString section(const ProfileKey& key)
{
    return QString::fromLatin1(key.section);
}

QString name(const ProfileKey& key)
{
    return QString::fromLatin1(key.key);
}

} // namespace

bool isDeviceAddress(const std::array<quint8, 4>& bytes)
{
    return bytes[0] != 0;
}

QStringList usersOwnSections()
{
    return {QString::fromLatin1(kClient)};
}

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

const ProfileKey* unusableKey(const ProfileConfiguration& configuration)
{
    for (const ProfileKey& key : kProfileKeys) {
        if (key.shape == S::Port &&
            !inRange(configuration.*std::get<int C::*>(key.value), key.range))
            return &key;
        if (key.shape == S::Ipv4Address) {
            const QString& address = configuration.*std::get<QString C::*>(key.value);
            // An empty one is asked for.
            if (!address.isEmpty() && !isDottedDeviceAddress(address))
                return &key;
        }
    }
    return nullptr;
}

bool needsAsking(const ProfileConfiguration& configuration)
{
    for (const ProfileKey& key : kProfileKeys) {
        const auto* text = std::get_if<QString C::*>(&key.value);
        if (text && key.written == W::WhenAsked &&
            !inRange((configuration.**text).size(), key.range))
            return true;
    }
    return false;
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
