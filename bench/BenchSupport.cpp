#include "BenchSupport.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <sys/resource.h>

void SleepOneMsClock::waitForEvents()
{
    QThread::msleep(1);
    QCoreApplication::processEvents();
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double medianOf(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double microsecondsBetween(SteadyTime from, SteadyTime to)
{
    return std::chrono::duration<double, std::micro>(to - from).count();
}

void prepareBenchApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zel::MessageBox::setResponder(
        [](const zel::MessageBox::Shown&) { return zel::MessageBox::IdOk; });
}

void openLink(DeviceLink& link, quint16 devicePort)
{
    link.setLocalPort(0);
    link.setDevice(QStringLiteral("127.0.0.1"), devicePort);
    link.createSocket();
}
