#pragma once

#include "platform/ProfileFile.h"

#include <QString>
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

// The values a number may take for the program to work with it.
struct NumberRange
{
    int lowest;
    int highest;
};

struct ProfileKey
{
    const char* section;
    const char* key;
    std::variant<QString ProfileConfiguration::*, int ProfileConfiguration::*> value;
    int defaultNumber; // for a number that is missing; a missing text is empty
    ProfileWrite written;
    NumberRange range; // for a number
};

// Every key, in the order the asked-for values are written.
std::span<const ProfileKey> profileKeys();

// The first number key whose value in `configuration` lies outside its range, or null.
const ProfileKey* keyOutOfRange(const ProfileConfiguration& configuration);

ProfileConfiguration readProfileConfiguration(const zel::ProfileFile& profile);
// False when a value could not be written.
bool saveAskedConfiguration(zel::ProfileFile& profile, const ProfileConfiguration& configuration);
