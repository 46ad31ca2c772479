#include "DeviceResponder.h"

using DeviceCodec::RequestKind;

namespace {

constexpr qsizetype kOversizeBytes = 5000;

QByteArray requestSlots(const QByteArray& request)
{
    return request.mid(DeviceCodec::kSlotsOffset, DeviceCodec::kSlotCount);
}

// The same slots with the last digit changed, so the number names another mailbox.
QByteArray otherMailboxSlots(QByteArray slots)
{
    qsizetype last = 0;
    while (last + 1 < slots.size() && quint8(slots.at(last + 1)) <= 9)
        ++last;
    if (!slots.isEmpty())
        slots[last] = char((quint8(slots.at(last)) + 1) % 10);
    return slots;
}

void setLengthField(QByteArray& reply, qsizetype length)
{
    reply[9] = char((length >> 8) & 0xff);
    reply[10] = char(length & 0xff);
}

} // namespace

DeviceResponder::DeviceResponder(MailboxStore store, FaultOptions faults, QString savePath)
    : m_store(std::move(store)), m_faults(faults), m_savePath(std::move(savePath))
{}

DeviceAnswer DeviceResponder::answer(const QByteArray& request)
{
    const RequestKind kind = DeviceCodec::kindOf(request);
    if (kind == RequestKind::Other)
        return {std::nullopt, 0, false, QStringLiteral("not a request: ignored")};

    const FaultOptions* faults = faultsFor(kind);
    QString note;
    QByteArray reply = kind == RequestKind::View ? answerView(request, faults)
                                                 : answerApply(request, faults, note);
    DeviceAnswer answer = shape(reply, faults);
    answer.note = note;
    return answer;
}

const FaultOptions* DeviceResponder::faultsFor(RequestKind kind)
{
    const auto requests =
        kind == RequestKind::View ? FaultOptions::Requests::View : FaultOptions::Requests::Apply;
    const bool matches =
        m_faults.appliesTo == FaultOptions::Requests::All || m_faults.appliesTo == requests;
    if (!matches || (m_faults.count && m_faultedRequests >= *m_faults.count))
        return nullptr;
    ++m_faultedRequests;
    return &m_faults;
}

QByteArray DeviceResponder::answerView(const QByteArray& request, const FaultOptions* faults)
{
    const QByteArray slots = requestSlots(request);
    const auto number = DeviceCodec::readMailboxSlots(request);
    if (request.size() != DeviceCodec::kViewRequestSize || !number)
        return DeviceCodec::headerOnly(slots, DeviceCodec::NotValid);
    const MailboxRecord* record = m_store.find(*number);

    if (faults && faults->status) {
        const int status = *faults->status;
        if (!record || status == DeviceCodec::UnknownMailbox || status == DeviceCodec::NotValid)
            return DeviceCodec::headerOnly(slots, quint8(status));
        return DeviceCodec::viewReply(*record, quint8(status));
    }
    if (!record)
        return DeviceCodec::headerOnly(slots, DeviceCodec::UnknownMailbox);
    if (faults && faults->bareAck)
        return DeviceCodec::headerOnly(slots, DeviceCodec::Applied);
    return DeviceCodec::viewReply(*record);
}

QByteArray DeviceResponder::answerApply(const QByteArray& request, const FaultOptions* faults,
                                        QString& note)
{
    QByteArray slots = requestSlots(request);
    if (faults && faults->otherMailbox)
        slots = otherMailboxSlots(slots);

    quint8 status = DeviceCodec::NotValid;
    std::optional<MailboxRecord> updated;
    if (DeviceCodec::checkApplyHeader(request) == DeviceCodec::ApplyCheck::Ok) {
        const MailboxRecord* record = m_store.find(*DeviceCodec::readMailboxSlots(request));
        if (!record)
            status = DeviceCodec::UnknownMailbox;
        else if ((updated = DeviceCodec::readApplyRequest(request, *record)))
            status = DeviceCodec::Applied;
    }
    if (faults && faults->status)
        status = quint8(*faults->status);

    if (updated && status == DeviceCodec::Applied) {
        m_store.replace(*updated);
        note =
            QStringLiteral("stored mailbox %1").arg(QString::fromStdString(updated->mailboxNumber));
        QString error;
        if (!m_savePath.isEmpty())
            note += m_store.save(m_savePath, error)
                        ? QStringLiteral(", saved to %1").arg(m_savePath)
                        : QStringLiteral(", NOT saved: %1").arg(error);
    }
    return DeviceCodec::headerOnly(slots, status);
}

DeviceAnswer DeviceResponder::shape(QByteArray reply, const FaultOptions* faults) const
{
    if (!faults)
        return {reply, 0, false, {}};
    if (faults->noReply)
        return {std::nullopt, 0, false, {}};
    if (faults->badMagic)
        reply[2] = 'X';
    if (faults->truncateTo && *faults->truncateTo < reply.size()) {
        reply.truncate(*faults->truncateTo);
        if (reply.size() >= DeviceCodec::kStatusOffset)
            setLengthField(reply, reply.size() - DeviceCodec::kStatusOffset);
    }
    if (faults->oversize)
        reply.append(kOversizeBytes - reply.size(), char(0));
    if (faults->emptyDatagram)
        reply.clear();
    return {reply, faults->delayMs, faults->otherPort, {}};
}
