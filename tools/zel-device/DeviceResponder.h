#pragma once

#include "DeviceCodec.h"
#include "FaultOptions.h"
#include "MailboxStore.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What the device does with one datagram: no sockets here, so every decision is plain data.
struct DeviceAnswer
{
    std::optional<QByteArray> datagram; // nothing: stay silent
    int delayMs = 0;
    bool fromOtherPort = false;
    QString note; // for the log: what was stored, saved or ignored
};

class DeviceResponder
{
public:
    // With a non-empty `savePath`, the mailboxes are written there after each stored apply.
    DeviceResponder(MailboxStore store, FaultOptions faults, QString savePath = {});

    DeviceAnswer answer(const QByteArray& request);

    const MailboxStore& store() const { return m_store; }

private:
    const FaultOptions* faultsFor(DeviceCodec::RequestKind kind);
    QByteArray answerView(const QByteArray& request, const FaultOptions* faults);
    QByteArray answerApply(const QByteArray& request, const FaultOptions* faults, QString& note);
    DeviceAnswer shape(QByteArray reply, const FaultOptions* faults) const;

    MailboxStore m_store;
    FaultOptions m_faults;
    QString m_savePath;
    int m_faultedRequests = 0;
};
