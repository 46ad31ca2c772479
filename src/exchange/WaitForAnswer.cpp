#include "WaitForAnswer.h"

#include "platform/Clock.h"

namespace zel {

namespace {
constexpr int kPeriods = 3;
constexpr qint64 kPeriodSeconds = 10;
} // namespace

bool waitForAnswer(const std::function<bool()>& done)
{
    for (int period = 0; period < kPeriods; ++period) {
        if (zel::waitPeriod(kPeriodSeconds, done))
            return true;
    }
    return false;
}

} // namespace zel
