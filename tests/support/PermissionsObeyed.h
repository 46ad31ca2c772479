#pragma once

#include <array>
#include <cstdint>

// While it lives, this thread meets file permissions as a standard user does: on Linux root
// otherwise writes every file and folder whatever their permissions say, and a refused write
// could not be tested where the tests run as root (CI). Elsewhere it changes nothing.
class PermissionsObeyed
{
public:
    PermissionsObeyed();
    ~PermissionsObeyed();
    PermissionsObeyed(const PermissionsObeyed&) = delete;
    PermissionsObeyed& operator=(const PermissionsObeyed&) = delete;

private:
    std::array<std::uint32_t, 2> m_savedEffective{};
    bool m_changed = false;
};
