#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The real zel-device binary, started on 127.0.0.1 and a free port.
class DeviceProcess
{
public:
    DeviceProcess() = default;
    DeviceProcess(const DeviceProcess&) = delete;
    DeviceProcess& operator=(const DeviceProcess&) = delete;
    ~DeviceProcess();

    // Starts it with `arguments` plus address and port 0; true once it has said where it listens.
    bool start(const QStringList& arguments);
    void stop();

    quint16 port() const { return m_port; }
    QString log(); // what it wrote to standard error; complete once stopped

private:
    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_log;
};

// Runs zel-device to completion with `arguments`; returns its exit code and standard error.
struct FinishedRun
{
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};
FinishedRun runDevice(const QStringList& arguments);
