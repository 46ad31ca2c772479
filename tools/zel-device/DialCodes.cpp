#include "DialCodes.h"

namespace {

constexpr char kEndOfText = 55;

// Code for one character, or -1.
int codeFor(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    switch (c) {
    case '*':
        return 10;
    case '#':
        return 11;
    case 'A':
    case 'a':
        return 12;
    case 'B':
    case 'b':
        return 13;
    case 'C':
    case 'c':
        return 14;
    case 'D':
    case 'd':
        return 15;
    case 'X':
    case 'x':
        return 48;
    case 'P':
    case 'p':
        return 49;
    case '$':
        return 52;
    case 'Q':
    case 'q':
        return 54;
    default:
        return -1;
    }
}

// Character for one code, or 0 for an invalid one.
char characterFor(unsigned char code)
{
    static constexpr char kLow[] = "0123456789*#ABCD";
    if (code < 16)
        return kLow[code];
    switch (code) {
    case 48:
        return 'X';
    case 49:
        return 'p';
    case 52:
        return '$';
    case 54:
        return 'Q';
    default:
        return 0;
    }
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
        const char c = characterFor(static_cast<unsigned char>(code));
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
