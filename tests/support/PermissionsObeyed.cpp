#include "PermissionsObeyed.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#ifdef Q_OS_LINUX
namespace {

struct Capabilities
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> data{};
};

} // namespace

// Root's way past permissions is a capability of its own; a thread may lower its effective
// capabilities and raise them again within those it is permitted.
PermissionsObeyed::PermissionsObeyed()
{
    Capabilities caps;
    if (syscall(SYS_capget, &caps.header, caps.data.data()) != 0)
        return;
    for (std::size_t i = 0; i < caps.data.size(); ++i)
        m_savedEffective[i] = caps.data[i].effective;
    caps.data[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
    m_changed = syscall(SYS_capset, &caps.header, caps.data.data()) == 0;
}

PermissionsObeyed::~PermissionsObeyed()
{
    if (!m_changed)
        return;
    Capabilities caps;
    if (syscall(SYS_capget, &caps.header, caps.data.data()) != 0)
        return;
    for (std::size_t i = 0; i < caps.data.size(); ++i)
        caps.data[i].effective = m_savedEffective[i];
    syscall(SYS_capset, &caps.header, caps.data.data());
}
#else
PermissionsObeyed::PermissionsObeyed() = default;
PermissionsObeyed::~PermissionsObeyed() = default;
#endif
