#pragma once

#include <QtGlobal>
#include <functional>

namespace zel {

// Time as the waiting loops see it: whole seconds, and a way to let events in while waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 seconds() const = 0; // time(): whole seconds
    // Handles pending events; waits at most until something arrives or the next whole
    // second is due (real clock), or advances the fake time one step (fake clock).
    virtual void waitForEvents() = 0;

    static Clock& instance();
    static void setInstance(Clock* clock); // null restores the real clock; not owned
};

class RealClock : public Clock
{
public:
    qint64 seconds() const override;
    void waitForEvents() override;
};

// One waiting period: returns true when `done` ended it, false when more than `periodSeconds`
// whole seconds passed on the clock since the period started.
bool waitPeriod(qint64 periodSeconds, const std::function<bool()>& done);

} // namespace zel
