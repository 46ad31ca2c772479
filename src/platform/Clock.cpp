#include "Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

namespace zel {

namespace {

Clock* g_clock = nullptr;

// Blocks in the event loop until an event has been handled or `timeoutMs` has passed.
// The timer lives on this stack frame, so no stale wake-ups are left behind.
void handleEventsWithin(int timeoutMs)
{
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

Clock& Clock::instance()
{
    static RealClock realClock;
    return g_clock ? *g_clock : realClock;
}

void Clock::setInstance(Clock* clock)
{
    g_clock = clock;
}

qint64 RealClock::seconds() const
{
    return QDateTime::currentSecsSinceEpoch();
}

void RealClock::waitForEvents()
{
    const qint64 msIntoSecond = QDateTime::currentMSecsSinceEpoch() % 1000;
    handleEventsWithin(int(1000 - msIntoSecond));
}

bool waitPeriod(qint64 periodSeconds, const std::function<bool()>& done)
{
    Clock& clock = Clock::instance();
    const qint64 start = clock.seconds();
    for (;;) {
        if (done())
            return true;
        if (clock.seconds() - start > periodSeconds)
            return false;
        clock.waitForEvents();
    }
}

} // namespace zel
