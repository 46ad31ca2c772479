#include "DialCodes.h"

namespace {

constexpr char kEndOfText = 55;

struct DialCode
{
    char character; // as decoded; encoding takes either case of a letter
    char code;
};

constexpr DialCode kNonDigits[] = {{'*', 10}, {'#', 11}, {'A', 12}, {'B', 13}, {'C', 14},
                                   {'D', 15}, {'X', 48}, {'p', 49}, {'$', 52}, {'Q', 54}};

char lowerCase(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Code for one character, or -1.
int codeFor(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    for (const DialCode& entry : kNonDigits) {
        if (lowerCase(entry.character) == lowerCase(c))
            return entry.code;
    }
    return -1;
}

// Character for one code, or 0 for an invalid one.
char characterFor(char code)
{
    if (code >= 0 && code <= 9)
        return char('0' + code);
    for (const DialCode& entry : kNonDigits) {
        if (entry.code == code)
            return entry.character;
    }
    return 0;
}

} // namespace

namespace DialCodes {

std::optional<QByteArray> fromText(const std::string& text)
{
    QByteArray codes;
    codes.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        const int code = codeFor(c);
        if (code < 0)
            return std::nullopt;
        codes.append(static_cast<char>(code));
    }
    return codes;
}

std::optional<std::string> toText(const QByteArray& codes)
{
    std::string text;
    bool ended = false;
    for (char code : codes) {
        if (code == kEndOfText) {
            ended = true;
            continue;
        }
        const char c = characterFor(code);
        if (c == 0)
            return std::nullopt;
        if (!ended)
            text.push_back(c);
    }
    return text;
}

bool isDialText(const std::string& text)
{
    return fromText(text).has_value();
}

} // namespace DialCodes
