#pragma once

#include "exchange/DeviceLink.h"
#include "support/BoxRecorder.h"
#include "support/MockClock.h"
#include "support/ModalScript.h"
#include "support/TestPeer.h"
#include "support/TraceCapture.h"

#include <QByteArray>
#include <QObject>
#include <memory>

// A device link with its endpoint on a free port, pointed at `devicePort` on 127.0.0.1.
void openLink(DeviceLink& link, quint16 devicePort);

// Datagrams as the device sends them, written out byte by byte from the layout tables.
namespace DeviceBytes {
// "!!V", the mailbox slots, the length (size minus 11 unless given) and the status, then `body`.
QByteArray reply(const QByteArray& slots, int status, const QByteArray& body = {}, int length = -1);
QByteArray acknowledgement(const QByteArray& slots, int status, int length = 1);
// The body of a full view reply for a mailbox with password 1234, operator extension 1
// "101", 2 new and 3 saved messages, at most 10 messages; no e-mail block.
QByteArray recordBody(int telephoneLength = 0);
inline const QByteArray kSlots305 = QByteArray::fromHex("030005ffffff");
inline const QByteArray kSlots306 = QByteArray::fromHex("030006ffffff");
inline const QByteArray kSlots12 = QByteArray::fromHex("0102ffffffff");
} // namespace DeviceBytes

// One exchange's surroundings: a scripted device on 127.0.0.1, a device link pointed at it,
// fake time and recorded message boxes.
struct ExchangeBench
{
    ExchangeBench();

    // Seconds of fake time between the start and the last box shown.
    qint64 secondsUntilLastBox() const { return m_lastBoxSeconds - m_startSeconds; }
    qint64 elapsedSeconds() const { return clock.seconds() - m_startSeconds; }

    TestPeer device;
    std::unique_ptr<DeviceLink> link;
    MockClock clock;
    BoxRecorder boxes;

private:
    qint64 m_startSeconds;
    qint64 m_lastBoxSeconds = 0;
};

// Counts how often a widget was shown.
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget* widget);
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
