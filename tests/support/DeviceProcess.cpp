#include "DeviceProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace {

const QString kDevicePath = QStringLiteral(ZEL_DEVICE_PATH);
constexpr int kStartTimeoutMs = 10000;

} // namespace

DeviceProcess::~DeviceProcess()
{
    stop();
}

bool DeviceProcess::start(const QStringList& arguments)
{
    m_process.start(kDevicePath,
                    QStringList{QStringLiteral("--address"), QStringLiteral("127.0.0.1"),
                                QStringLiteral("--port"), QStringLiteral("0")} +
                        arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!m_process.canReadLine()) {
        if (timer.hasExpired(kStartTimeoutMs) || !m_process.waitForReadyRead(kStartTimeoutMs))
            return false;
    }
    // A console program on Windows ends its lines with CR LF.
    static const QRegularExpression listening(
        QStringLiteral("^listening 127\\.0\\.0\\.1:(\\d+)\r?\n$"));
    const auto match = listening.match(QString::fromUtf8(m_process.readLine()));
    m_port = match.hasMatch() ? quint16(match.captured(1).toUInt()) : 0;
    return m_port != 0;
}

void DeviceProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStartTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStartTimeoutMs);
    }
}

QString DeviceProcess::log()
{
    m_log += m_process.readAllStandardError();
    return QString::fromUtf8(m_log);
}

FinishedRun runDevice(const QStringList& arguments)
{
    QProcess process;
    process.start(kDevicePath, arguments);
    FinishedRun run;
    if (!process.waitForFinished(kStartTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    return run;
}
