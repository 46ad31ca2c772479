#pragma once

#include "platform/Clock.h"

// Fake time, the clock of the waiting loops while it lives: each wait handles what is pending
// (waiting a real millisecond at most) and then moves the time on by `stepMs` milliseconds.
class MockClock : public zel::Clock
{
public:
    explicit MockClock(qint64 startMs = 1'000'000'000'000, qint64 stepMs = 250);
    ~MockClock() override;
    MockClock(const MockClock&) = delete;
    MockClock& operator=(const MockClock&) = delete;
    qint64 seconds() const override;
    void waitForEvents() override;
    int waits() const { return m_waits; }

private:
    qint64 m_nowMs;
    qint64 m_stepMs;
    int m_waits = 0;
};
