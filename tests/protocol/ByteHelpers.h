#pragma once

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <span>

// Datagrams in the tests are written out byte by byte; these keep that readable.

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(static_cast<char>(value));
    return result;
}

inline QByteArray text(const char* characters)
{
    return QByteArray(characters);
}

inline std::span<const std::uint8_t> asSpan(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

inline QByteArray fromSpan(std::span<const std::uint8_t> data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()),
                      static_cast<qsizetype>(data.size()));
}
