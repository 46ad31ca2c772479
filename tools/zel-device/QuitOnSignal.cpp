#include "QuitOnSignal.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void quitOnTerminationSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}
#elif defined(Q_OS_WIN)
#include <QAbstractNativeEventFilter>
#include <qt_windows.h>

namespace {

// A console program has no window for QProcess::terminate() to close: it posts WM_CLOSE to
// the main thread instead, where it arrives as a message without a window.
class CloseMessageFilter : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_CLOSE || msg->hwnd)
            return false;
        QCoreApplication::quit();
        return true;
    }
};

// Runs on a thread of its own that the system starts: hand the quit to the event loop.
BOOL WINAPI onConsoleControl(DWORD)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    return TRUE;
}

} // namespace

void quitOnTerminationSignals(QCoreApplication& app)
{
    static CloseMessageFilter filter;
    app.installNativeEventFilter(&filter);
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
}
#else
void quitOnTerminationSignals(QCoreApplication&) {}
#endif
