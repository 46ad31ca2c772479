#pragma once

#include "support/DeviceProcess.h"

#include <QByteArray>
#include <QNetworkDatagram>
#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <optional>

// Datagrams and a mailbox file for the device tests. Every expected datagram is written out by
// hand from the layout tables, never produced by an encoder.

QByteArray hex(const char* text);

// Mailbox 305 supports e-mail; 4120 does not.
extern const char* const kMailboxes;

extern const QByteArray kViewRequest305;
extern const QByteArray kViewRequest4120;

QByteArray viewReply305();
// Changes nearly every field of mailbox 305 that an apply request carries.
QByteArray applyRequest305();
QByteArray viewReply305AfterApply();
// The smallest apply request: mailbox 4120, no numbers, no e-mail block.
QByteArray applyRequest4120();

// A 12-byte header with length 1: an acknowledgement, or a view reply without a record.
QByteArray ack(const char* slots, int status);
QByteArray withByte(QByteArray datagram, qsizetype offset, int value);

// Writes `json` as mailboxes.json in `dir`; returns its path, or nothing on failure.
QString writeMailboxFile(const QTemporaryDir& dir, const QByteArray& json);
// Starts `device` with kMailboxes written to `dir`, plus `extra` arguments.
bool startWithMailboxes(DeviceProcess& device, const QTemporaryDir& dir,
                        const QStringList& extra = {});

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
