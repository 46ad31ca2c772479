#pragma once

#include <functional>

namespace zel {

// Waits for the device's answer in up to three periods of a little over ten seconds,
// handling events meanwhile; nothing is resent between periods. True when `done` ended
// the wait, false on time-out.
bool waitForAnswer(const std::function<bool()>& done);

} // namespace zel
