#include "MockClock.h"

#include <QCoreApplication>
#include <QTimer>

MockClock::MockClock(qint64 startMs, qint64 stepMs) : m_nowMs(startMs), m_stepMs(stepMs)
{
    setInstance(this);
}

MockClock::~MockClock()
{
    setInstance(nullptr);
}

qint64 MockClock::seconds() const
{
    return m_nowMs / 1000;
}

void MockClock::waitForEvents()
{
    ++m_waits;
    // Blocks for one event at most a millisecond, as the real clock blocks until the next second.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(1);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    m_nowMs += m_stepMs;
}
