#pragma once

#include "exchange/DeviceLink.h"
#include "platform/Clock.h"

#include <QString>
#include <chrono>
#include <cstdio>
#include <vector>

// The reference every figure is printed against: the classic waiting loop that sleeps one
// millisecond per pass and then handles what is pending.
class SleepOneMsClock : public zel::RealClock
{
public:
    void waitForEvents() override;
};

// Processor time (user plus system) this process has used so far, in seconds.
double processorSeconds();

double medianOf(std::vector<double> values);

using SteadyTime = std::chrono::steady_clock::time_point;
double microsecondsBetween(SteadyTime from, SteadyTime to);

// A device link with its endpoint on a free port, pointed at `devicePort` on 127.0.0.1.
void openLink(DeviceLink& link, quint16 devicePort);

// Offscreen unless told otherwise; message boxes answered with OK without being shown.
void prepareBenchApplication();

// Runs `measure` once with the real clock and once with the reference clock, and prints
// the two figures side by side.
template <class Measure> void sideBySide(const char* what, const char* unit, Measure measure)
{
    zel::Clock::setInstance(nullptr);
    const double ours = measure();
    SleepOneMsClock reference;
    zel::Clock::setInstance(&reference);
    const double classic = measure();
    zel::Clock::setInstance(nullptr);
    std::printf("%-58s %12.3f %s   | reference (sleep 1 ms per pass): %12.3f %s\n", what, ours,
                unit, classic, unit);
    std::fflush(stdout);
}
