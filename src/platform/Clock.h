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

// Fake time for tests: each wait handles what is pending (waiting a real millisecond at most)
// and then moves the time on by `step` milliseconds.
class MockClock : public Clock
{
public:
    explicit MockClock(qint64 startMs = 1'000'000'000'000, qint64 stepMs = 250);
    qint64 seconds() const override;
    void waitForEvents() override;
    void advance(qint64 ms);
    int waits() const { return m_nWaits; }

private:
    qint64 m_nNowMs;
    qint64 m_nStepMs;
    int m_nWaits = 0;
};

// One waiting period: returns true when `done` ended it, false when more than `periodSeconds`
// whole seconds passed on the clock since the period started.
bool waitPeriod(qint64 periodSeconds, const std::function<bool()>& done);

} // namespace zel
