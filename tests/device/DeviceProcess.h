#pragma once

#include <QByteArray>
#include <QNetworkDatagram>
#include <QProcess>
#include <QStringList>
#include <QUdpSocket>
#include <optional>

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

// A client socket on 127.0.0.1 that talks to one device.
class DeviceClient
{
public:
    explicit DeviceClient(quint16 devicePort);

    void send(const QByteArray& datagram);
    // The next datagram, or nothing if none arrives within `timeoutMs`.
    std::optional<QNetworkDatagram> receive(int timeoutMs = 5000);
    // Sends `request` and returns the reply's bytes (empty when there was none).
    QByteArray exchange(const QByteArray& request);

private:
    QUdpSocket m_socket;
    quint16 m_devicePort;
};

// Runs zel-device to completion with `arguments`; returns its exit code and standard error.
struct FinishedRun
{
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};
FinishedRun runDevice(const QStringList& arguments);
