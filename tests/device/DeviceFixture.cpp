#include "DeviceFixture.h"

#include <QFile>
#include <QHostAddress>

namespace {

// Items 2 to 8 of mailbox 305's view reply body, which no apply request can change.
const char* const kLists305 =
    "01 01  02 02 02  00  04 04 04 04 04  00  00  07 07 06 05 04 03 02 01  00" // operator
    "00  02 05 09  00  01 05"                                                  // fax
    "03 1b ff"                                                                 // languages
    "c8 0a  00 00 00 00";                                                      // counts, reserved

} // namespace

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

// Values are chosen so that a field read one
// byte off, a sign lost or a bit misplaced shows in the bytes.
const char* const kMailboxes = R"({"mailboxes": [
  {"mailboxNumber": "305", "password": "2468", "mailboxType": 0, "languageIndex": 2,
   "languageCodes": [3, 27, 255], "notifyExtension": "3051", "backupExtension": "77",
   "localNotificationType": 3,
   "operatorExtensions": ["1", "22", "", "4444", "", "", "7654321", ""],
   "operatorExtensionIndex": 6, "faxExtensions": ["", "59", "", "5"], "faxExtensionChoice": 4,
   "announcer": true, "doNotDisturb": false, "timeStamp": true, "emailSupported": true,
   "externalNotificationAllowed": true, "telephoneEnabled": true, "pagerEnabled": false,
   "smsEnabled": true, "emailEnabled": false, "telephoneNumber": "12p3",
   "pagerNumber": "*#AX$Q", "smsNumber": "+4930", "emailAddress": "a@b.de", "messageType": 2,
   "newMessages": -56, "savedMessages": 10, "maxMessages": 120},
  {"mailboxNumber": "4120", "password": "5823", "maxMessages": 100}
]})";

QByteArray viewReply305()
{
    return hex("21 21 56  03 00 05 ff ff ff  00 5a  00"
               "01") +
           hex(kLists305) +
           hex("01  28  c0 c4"            // accept calls, flags byte, flags word
               "02 04 06 08"              // password
               "03 00 05 01 ff ff"        // notify extension
               "07 07 ff ff ff ff  02"    // backup extension and its length
               "06  03  7f"               // operator position, fax, max messages + 7
               "04 01 02 31 03"           // telephone 12p3
               "06 0a 0b 0c 30 34 36"     // pager *#AX$Q
               "05 2b 34 39 33 30"        // SMS +4930
               "06 61 40 62 2e 64 65  02" // e-mail a@b.de, message type
           );
}

QByteArray applyRequest305()
{
    return hex("21 21 53  03 00 05 ff ff ff  00 25"
               "00  d0  40 31"           // do not disturb; virtual, no time stamp, lang 1
               "09 07 05 03"             // password 9753
               "ff ff ff ff ff ff"       // no notify extension
               "01 02 03 04 05 06  06"   // backup extension 123456
               "03  00  80"              // operator position 3, fax entry 1, max -135
               "00  02 00 31  00"        // telephone empty, pager 0P, SMS empty
               "07 78 40 79 2e 6f 72 67" // e-mail x@y.org
               "03");
}

QByteArray viewReply305AfterApply()
{
    return hex("21 21 56  03 00 05 ff ff ff  00 4e  00"
               "01") +
           hex(kLists305) +
           hex("00  d0  40 31"
               "09 07 05 03"
               "ff ff ff ff ff ff"
               "01 02 03 04 05 06  06"
               "03  00  80"
               "00  02 00 31  00"
               "07 78 40 79 2e 6f 72 67  03");
}

const QByteArray kViewRequest305 = hex("21 21 3f  03 00 05 ff ff ff");
const QByteArray kViewRequest4120 = hex("21 21 3f  04 01 02 00 ff ff");

QByteArray applyRequest4120()
{
    return hex("21 21 53  04 01 02 00 ff ff  00 1b"
               "01  40  00 00  05 08 02 03  ff ff ff ff ff ff  ff ff ff ff ff ff  00"
               "00  04  6b  00  00  00  ff");
}

QByteArray ack(const char* slots, int status)
{
    return hex("21 21 56") + hex(slots) + hex("00 01") + QByteArray(1, char(status));
}

QByteArray withByte(QByteArray datagram, qsizetype offset, int value)
{
    datagram[offset] = char(value);
    return datagram;
}

QString writeMailboxFile(const QTemporaryDir& dir, const QByteArray& json)
{
    const QString path = dir.filePath(QStringLiteral("mailboxes.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return {};
    return path;
}

bool startWithMailboxes(DeviceProcess& device, const QTemporaryDir& dir, const QStringList& extra)
{
    const QString path = writeMailboxFile(dir, kMailboxes);
    return !path.isEmpty() &&
           device.start(QStringList{QStringLiteral("--mailboxes"), path} + extra);
}

DeviceClient::DeviceClient(quint16 devicePort) : m_devicePort(devicePort)
{
    m_socket.bind(QHostAddress::LocalHost, 0);
}

void DeviceClient::send(const QByteArray& datagram)
{
    m_socket.writeDatagram(datagram, QHostAddress::LocalHost, m_devicePort);
}

std::optional<QNetworkDatagram> DeviceClient::receive(int timeoutMs)
{
    if (!m_socket.hasPendingDatagrams() && !m_socket.waitForReadyRead(timeoutMs))
        return std::nullopt;
    return m_socket.receiveDatagram();
}

QByteArray DeviceClient::exchange(const QByteArray& request)
{
    send(request);
    const auto reply = receive();
    return reply ? reply->data() : QByteArray();
}
