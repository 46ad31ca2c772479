#pragma once

#include "platform/ProfileFile.h"

#include <QString>
#include <array>
#include <span>
#include <variant>

// What Zel keeps in its profile file.
struct ProfileConfiguration
{
    QString deviceAddress;
    int devicePort = 0;
    QString mailbox;
    int localPort = 0;
};

enum class ProfileWrite
{
    WhenAsked, // after the user was asked for the configuration at start-up
    Never,
};

// The values a number may take, or how many characters a text may have, for the program to
// work with it.
struct NumberRange
{
    int lowest;
    int highest;
};

// What a value must look like. A port outside its range or an address that is not a dotted IPv4
// one of a device stops the program; a text of the wrong length (a missing one too) is asked for.
enum class ValueShape
{
    Port,
    Ipv4Address,
    Text,
};

struct ProfileKey
{
    const char* section;
    const char* key;
    std::variant<QString ProfileConfiguration::*, int ProfileConfiguration::*> value;
    int defaultNumber; // for a number that is missing; a missing text is empty
    ProfileWrite written;
    ValueShape shape;
    NumberRange range; // a port's values, a text's length
};

// Every key, in the order the asked-for values are written.
std::span<const ProfileKey> profileKeys();
// The sections whose keys each user of a PC keeps in their own file.
QStringList usersOwnSections();

// Whether a device can answer at these four numbers: a first number of 0 names this host or
// network, never a device. The data-initialising dialog and the profile check both hold to it.
bool isDeviceAddress(const std::array<quint8, 4>& bytes);

// The first key whose value in `configuration` the program can neither use nor ask for, or null.
const ProfileKey* unusableKey(const ProfileConfiguration& configuration);
// Whether a value the user is asked for at start is missing or of the wrong length.
bool needsAsking(const ProfileConfiguration& configuration);

ProfileConfiguration readProfileConfiguration(const zel::ProfileFile& profile);
// False when a value could not be written.
bool saveAskedConfiguration(zel::ProfileFile& profile, const ProfileConfiguration& configuration);
