#pragma once

#include <QByteArray>
#include <optional>
#include <string>

// The device keeps telephone and pager numbers as dial codes, one byte per character.
namespace DialCodes {

// Codes for `text`, or nothing when a character has no dial code.
std::optional<QByteArray> fromText(const std::string& text);

// Text for `codes`, or nothing on an invalid code. Code 55 ends the text.
std::optional<std::string> toText(const QByteArray& codes);

// Whether every character of `text` has a dial code.
bool isDialText(const std::string& text);

} // namespace DialCodes
