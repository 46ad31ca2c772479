#include "Datagram.h"
#include "DeviceProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// Every expected datagram below is written out by hand from the layout tables.
namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

// Mailbox 305 supports e-mail; 4120 does not. Values are chosen so that a field read one
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

// Items 2 to 8 of mailbox 305's view reply body, which no apply request can change.
const char* const kLists305 =
    "01 01  02 02 02  00  04 04 04 04 04  00  00  07 07 06 05 04 03 02 01  00" // operator
    "00  02 05 09  00  01 05"                                                  // fax
    "03 1b ff"                                                                 // languages
    "c8 0a  00 00 00 00";                                                      // counts, reserved

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

// Changes nearly every field of mailbox 305 that an apply request carries.
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

// The smallest apply request: mailbox 4120, no numbers, no e-mail block.
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

} // namespace

class DeviceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void viewRequestGetsTheFullRecord();
    void viewOfUnknownOrMalformedRequest();
    void applyIsStoredAndShownByTheNextView();
    void applyWithoutEmailBlock();
    void applyToUnknownMailbox();
    void malformedApplyIsRefusedAndChangesNothing_data();
    void malformedApplyIsRefusedAndChangesNothing();
    void otherDatagramsAreIgnored();
    void logsEachDatagram();
    void demoMailboxes();

    void saveWritesTheFileAndARestartLoadsIt();
    void withoutSaveTheFileIsLeftAlone();

    void faultNoReply();
    void faultDelay();
    void faultBadMagic();
    void faultStatus();
    void faultBareAck();
    void faultTruncated();
    void faultOversize();
    void faultEmptyDatagram();
    void faultOtherPort();
    void faultOtherMailbox();
    void faultsLimitedToApplyAndCount();

    void zelProtocolLibraryAgrees();

    void helpNamesEveryFaultAndTheDemoPasswords();
    void badCommandLines_data();
    void badCommandLines();
    void badMailboxFiles_data();
    void badMailboxFiles();
    void portInUseFails();

private:
    bool startDevice(DeviceProcess& device, const QStringList& extra = {});
    QString writeMailboxes(const QByteArray& json);

    std::optional<QTemporaryDir> m_dir;
};

void DeviceTest::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

QString DeviceTest::writeMailboxes(const QByteArray& json)
{
    const QString path = m_dir->filePath(QStringLiteral("mailboxes.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return {};
    return path;
}

bool DeviceTest::startDevice(DeviceProcess& device, const QStringList& extra)
{
    const QString path = writeMailboxes(kMailboxes);
    return !path.isEmpty() &&
           device.start(QStringList{QStringLiteral("--mailboxes"), path} + extra);
}

void DeviceTest::viewRequestGetsTheFullRecord()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    const auto reply = [&] {
        client.send(kViewRequest305);
        return client.receive();
    }();
    QVERIFY(reply);
    QCOMPARE(reply->data(), viewReply305());
    QCOMPARE(reply->senderAddress(), QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(reply->senderPort(), int(device.port()));
}

void DeviceTest::viewOfUnknownOrMalformedRequest()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(hex("21 21 3f  09 09 09 ff ff ff")), ack("09 09 09 ff ff ff", 1));
    // "3051" is not "305": the fill must be 255 right after the last digit.
    QCOMPARE(client.exchange(hex("21 21 3f  03 00 05 01 ff ff")), ack("03 00 05 01 ff ff", 1));
    QCOMPARE(client.exchange(kViewRequest305 + hex("ff")), ack("03 00 05 ff ff ff", 2));
    QCOMPARE(client.exchange(kViewRequest305.left(8)), ack("03 00 05 ff ff ff", 2));
    QCOMPARE(client.exchange(hex("21 21 3f  03 00 05 ff 07 ff")), ack("03 00 05 ff 07 ff", 2));
    QCOMPARE(client.exchange(hex("21 21 3f  ff ff ff ff ff ff")), ack("ff ff ff ff ff ff", 2));
}

void DeviceTest::applyIsStoredAndShownByTheNextView()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

void DeviceTest::applyWithoutEmailBlock()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    const QByteArray before = client.exchange(kViewRequest4120);
    // Flags byte 0x40 (no time stamp) and max messages 100 are what the file already holds.
    QCOMPARE(before.mid(12), hex("00  00 00 00 00 00 00 00 00  00 00 00 00  00 00 00  00 00"
                                 "00 00 00 00  01  40  00 00  05 08 02 03"
                                 "ff ff ff ff ff ff  ff ff ff ff ff ff  00  00 04 6b  00 00 00"));
    QCOMPARE(client.exchange(applyRequest4120()), ack("04 01 02 00 ff ff", 0));
    QCOMPARE(client.exchange(kViewRequest4120), before);

    // A telephone number arrives as dial codes; P comes back as lower-case p.
    const QByteArray withTelephone = hex("21 21 53  04 01 02 00 ff ff  00 1f"
                                         "01  40  00 80  05 08 02 03  ff ff ff ff ff ff"
                                         "ff ff ff ff ff ff  00  00  04  6b"
                                         "04 01 31 0a 0b  00  00  ff");
    QCOMPARE(client.exchange(withTelephone), ack("04 01 02 00 ff ff", 0));
    const QByteArray after = client.exchange(kViewRequest4120);
    QCOMPARE(after.mid(9, 2), hex("00 36"));
    QCOMPARE(after.mid(36, 2), hex("00 80"));
    QCOMPARE(after.right(8), hex("6b  04 01 31 0a 0b  00  00"));
}

void DeviceTest::applyToUnknownMailbox()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    QByteArray request = applyRequest4120();
    request.replace(3, 6, hex("09 09 09 ff ff ff"));
    QCOMPARE(client.exchange(request), ack("09 09 09 ff ff ff", 1));
}

void DeviceTest::malformedApplyIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("slots");

    const QByteArray a4120 = applyRequest4120();
    const QByteArray s4120 = hex("04 01 02 00 ff ff");
    QTest::newRow("length field one short") << withByte(a4120, 10, 0x1a) << s4120;
    QTest::newRow("length field one long") << withByte(a4120, 10, 0x1c) << s4120;
    QTest::newRow("final byte missing") << withByte(a4120.left(38), 10, 0x1a) << s4120;
    QTest::newRow("telephone past the end") << withByte(a4120, 35, 3) << s4120;
    QTest::newRow("negative pager length") << withByte(a4120, 36, 0x80) << s4120;
    QTest::newRow("filler not 255") << withByte(a4120, 38, 0) << s4120;
    QTest::newRow("password digit 10") << withByte(a4120, 16, 10) << s4120;
    QTest::newRow("backup length disagrees") << withByte(a4120, 31, 1) << s4120;
    QTest::newRow("notify digit after fill") << withByte(a4120, 20, 4) << s4120;
    QTest::newRow("fax byte 5") << withByte(a4120, 33, 5) << s4120;
    QTest::newRow("operator position 8") << withByte(a4120, 32, 8) << s4120;
    QTest::newRow("mailbox slots malformed")
        << withByte(a4120, 4, 0xfe) << hex("04 fe 02 00 ff ff");
    QTest::newRow("too short for a request") << withByte(a4120.left(20), 10, 8) << s4120;

    QByteArray telephone21 =
        a4120.left(35) + QByteArray(1, char(21)) + QByteArray(21, char(1)) + hex("00 00 ff");
    telephone21[10] = char(telephone21.size() - 12);
    QTest::newRow("telephone over 20") << telephone21 << s4120;

    QByteArray badCode = a4120.left(35) + hex("01 10  00 00 ff");
    badCode[10] = char(badCode.size() - 12);
    QTest::newRow("invalid dial code") << badCode << s4120;

    // Mailbox 305 supports e-mail, so its request must carry the e-mail block.
    QByteArray noEmailBlock = a4120;
    noEmailBlock.replace(3, 6, hex("03 00 05 ff ff ff"));
    QTest::newRow("e-mail block missing") << noEmailBlock << hex("03 00 05 ff ff ff");
    QTest::newRow("message type 4")
        << withByte(applyRequest305(), 48, 4) << hex("03 00 05 ff ff ff");
    QByteArray email61 =
        applyRequest305().left(38) + QByteArray(1, char(61)) + QByteArray(61, 'e') + hex("00");
    email61[10] = char(email61.size() - 12);
    QTest::newRow("e-mail over 60") << email61 << hex("03 00 05 ff ff ff");
}

void DeviceTest::malformedApplyIsRefusedAndChangesNothing()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, slots);
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());
    const QByteArray view4120 = client.exchange(kViewRequest4120);

    QCOMPARE(client.exchange(request), hex("21 21 56") + slots + hex("00 01 02"));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    QCOMPARE(client.exchange(kViewRequest4120), view4120);
}

void DeviceTest::otherDatagramsAreIgnored()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());

    client.send("hello");
    client.send(hex("21 21 56  03 00 05 ff ff ff  00 01 00")); // a reply, not a request
    client.send(QByteArray());
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    QVERIFY(!client.receive(200));
}

void DeviceTest::logsEachDatagram()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(hex("21 21 3f  09 09 09 ff ff ff")), ack("09 09 09 ff ff ff", 1));
    client.exchange(applyRequest305());
    device.stop();

    const QString log = device.log();
    QVERIFY2(log.contains(QStringLiteral("9 bytes: view request, mailbox 999 | "
                                         "21 21 3f 09 09 09 ff ff ff")),
             qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("12 bytes: header only, mailbox 999, status 1 | "
                                        "21 21 56 09 09 09 ff ff ff 00 01 01")));
    QVERIFY(log.contains(QStringLiteral("49 bytes: apply request, mailbox 305, length 37")));
    QVERIFY(log.contains(QStringLiteral("stored mailbox 305")));
}

void DeviceTest::demoMailboxes()
{
    DeviceProcess device;
    QVERIFY(device.start({}));
    DeviceClient client(device.port());

    struct Demo
    {
        QByteArray slots;
        char emailBlock;
    };
    for (const Demo& demo : {Demo{hex("03 00 05 ff ff ff"), 1}, Demo{hex("04 01 02 00 ff ff"), 0},
                             Demo{hex("07 07 07 00 00 01"), 1}}) {
        const QByteArray reply = client.exchange(hex("21 21 3f") + demo.slots);
        QCOMPARE(reply.left(9), hex("21 21 56") + demo.slots);
        QCOMPARE((quint8(reply.at(9)) << 8 | quint8(reply.at(10))), int(reply.size() - 11));
        QCOMPARE(reply.at(11), char(0));
        QCOMPARE(reply.at(12), demo.emailBlock);
    }
}

void DeviceTest::saveWritesTheFileAndARestartLoadsIt()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--save")}));
    const QString path = m_dir->filePath(QStringLiteral("mailboxes.json"));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    const QJsonObject first = QJsonDocument::fromJson(saved)
                                  .object()
                                  .value(QStringLiteral("mailboxes"))
                                  .toArray()
                                  .at(0)
                                  .toObject();
    QCOMPARE(first.value(QStringLiteral("password")).toString(), QStringLiteral("9753"));
    QCOMPARE(first.value(QStringLiteral("pagerNumber")).toString(), QStringLiteral("0p"));
    QCOMPARE(first.value(QStringLiteral("maxMessages")).toInt(), -135);
    // Written through a temporary file that was renamed: nothing else is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("mailboxes.json")});

    // A refused request does not touch the file.
    QCOMPARE(client.exchange(withByte(applyRequest305(), 10, 0)), ack("03 00 05 ff ff ff", 2));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    file.close();
    device.stop();

    DeviceProcess restarted;
    QVERIFY(restarted.start({QStringLiteral("--mailboxes"), path}));
    DeviceClient again(restarted.port());
    QCOMPARE(again.exchange(kViewRequest305), viewReply305AfterApply());
}

void DeviceTest::withoutSaveTheFileIsLeftAlone()
{
    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QFile file(m_dir->filePath(QStringLiteral("mailboxes.json")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(kMailboxes));
}

void DeviceTest::faultNoReply()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--no-reply")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    QVERIFY(!client.receive(500));
    client.send(applyRequest305());
    QVERIFY(!client.receive(500));
    device.stop();
    QVERIFY(device.log().contains(QStringLiteral("stored mailbox 305")));
}

void DeviceTest::faultDelay()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--delay"), QStringLiteral("1500")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    QVERIFY(!client.receive(300)); // a delay can only make it later than this, never earlier
    const auto reply = client.receive(10000);
    QVERIFY(reply);
    QCOMPARE(reply->data(), viewReply305());
}

void DeviceTest::faultBadMagic()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--bad-magic")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), withByte(viewReply305(), 2, 'X'));
    QCOMPARE(client.exchange(applyRequest305()), withByte(ack("03 00 05 ff ff ff", 0), 2, 'X'));
}

void DeviceTest::faultStatus()
{
    for (int status : {1, 2}) {
        DeviceProcess device;
        QVERIFY(startDevice(device, {QStringLiteral("--status"), QString::number(status)}));
        DeviceClient client(device.port());
        QCOMPARE(client.exchange(kViewRequest305), ack("03 00 05 ff ff ff", status));
        QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", status));
    }

    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--status"), QStringLiteral("3"),
                                 QStringLiteral("--fault-on"), QStringLiteral("apply")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 3));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305()); // refused, so not stored

    DeviceProcess viewDevice;
    QVERIFY(startDevice(viewDevice, {QStringLiteral("--status"), QStringLiteral("3")}));
    DeviceClient viewClient(viewDevice.port());
    QCOMPARE(viewClient.exchange(kViewRequest305), withByte(viewReply305(), 11, 3));
}

void DeviceTest::faultBareAck()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--bare-ack")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), ack("03 00 05 ff ff ff", 0));
}

void DeviceTest::faultTruncated()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--truncate"), QStringLiteral("40")}));
    DeviceClient client(device.port());
    const QByteArray expected = withByte(viewReply305().left(40), 10, 40 - 11);
    QCOMPARE(client.exchange(kViewRequest305), expected);
    // Shorter than the answer is cut; an acknowledgement of 12 bytes is left whole.
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
}

void DeviceTest::faultOversize()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--oversize")}));
    DeviceClient client(device.port());
    const QByteArray reply = client.exchange(kViewRequest305);
    QCOMPARE(reply.size(), 5000);
    QCOMPARE(reply.left(101), viewReply305());
    QCOMPARE(reply.mid(101), QByteArray(5000 - 101, char(0)));
}

void DeviceTest::faultEmptyDatagram()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--empty-reply")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    const auto reply = client.receive();
    QVERIFY(reply);
    QCOMPARE(reply->data().size(), 0);
}

void DeviceTest::faultOtherPort()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--other-port")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    const auto reply = client.receive();
    QVERIFY(reply);
    QCOMPARE(reply->data(), viewReply305());
    QVERIFY(reply->senderPort() != int(device.port()));
}

void DeviceTest::faultOtherMailbox()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--other-mailbox")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 06 ff ff ff", 0));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

void DeviceTest::faultsLimitedToApplyAndCount()
{
    DeviceProcess device;
    QVERIFY(startDevice(device, {QStringLiteral("--no-reply"), QStringLiteral("--fault-on"),
                                 QStringLiteral("apply"), QStringLiteral("--fault-count"),
                                 QStringLiteral("1")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    client.send(applyRequest305());
    QVERIFY(!client.receive(500));
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
}

// Zel's protocol library and the device were written apart; here they meet. The record below is
// mailbox 305 of the file above, written out by hand.
void DeviceTest::zelProtocolLibraryAgrees()
{
    MailboxRecord expected;
    expected.mailboxNumber = "305";
    expected.password = "2468";
    expected.languageIndex = 2;
    expected.languageCodes = {3, 27, 255};
    expected.notifyExtension = "3051";
    expected.backupExtension = "77";
    expected.localNotificationType = 3;
    expected.operatorExtensions = {"1", "22", "", "4444", "", "", "7654321", ""};
    expected.operatorExtensionIndex = 6;
    expected.faxExtensions = {"", "59", "", "5"};
    expected.faxExtensionChoice = 4;
    expected.announcer = true;
    expected.timeStamp = true;
    expected.emailSupported = 1;
    expected.externalNotificationAllowed = true;
    expected.telephoneEnabled = true;
    expected.smsEnabled = true;
    expected.telephoneNumber = "12p3";
    expected.pagerNumber = "*#AX$Q";
    expected.smsNumber = "+4930";
    expected.emailAddress = "a@b.de";
    expected.messageType = 2;
    expected.newMessages = -56;
    expected.savedMessages = 10;
    expected.totalMessages = -46;
    expected.maxMessages = 120;

    DeviceProcess device;
    QVERIFY(startDevice(device));
    DeviceClient client(device.port());
    std::array<std::uint8_t, Datagram::kFillSize> buffer{};
    const auto asBytes = [&](std::size_t size) {
        return QByteArray(reinterpret_cast<const char*>(buffer.data()), qsizetype(size));
    };
    const auto asSpan = [](const QByteArray& bytes) {
        return std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         std::size_t(bytes.size()));
    };

    const QByteArray reply = client.exchange(asBytes(Datagram::buildViewRequest("305", buffer)));
    const Datagram::ViewReply view = Datagram::readViewReply(asSpan(reply));
    QCOMPARE(int(view.kind), int(Datagram::ViewReplyKind::Record));
    QVERIFY(view.record == expected);

    MailboxRecord changed = view.record;
    changed.doNotDisturb = true;
    changed.mailboxType = 1;
    changed.timeStamp = false;
    changed.languageIndex = 1;
    changed.announcer = false;
    changed.localNotificationType = 1;
    changed.externalNotificationAllowed = false;
    changed.telephoneEnabled = false;
    changed.smsEnabled = false;
    changed.pagerEnabled = true;
    changed.emailEnabled = true;
    changed.password = "9753";
    changed.notifyExtension = "";
    changed.backupExtension = "123456";
    changed.operatorExtensionIndex = 3;
    changed.faxExtensionChoice = 1;
    changed.maxMessages = -135;
    changed.telephoneNumber = "";
    changed.pagerNumber = "0P";
    changed.smsNumber = "";
    changed.emailAddress = "x@y.org";
    changed.messageType = 3;
    const QByteArray ackBytes =
        client.exchange(asBytes(Datagram::buildApplyRequest(changed, buffer)));
    QCOMPARE(ackBytes, ack("03 00 05 ff ff ff", 0));
    QCOMPARE(Datagram::readAcknowledgement(asSpan(ackBytes), "305", Datagram::AckResult::Waiting),
             Datagram::AckResult::Applied);
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

void DeviceTest::helpNamesEveryFaultAndTheDemoPasswords()
{
    const FinishedRun run = runDevice({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.standardOutput);
    for (const char* text :
         {"--no-reply", "--delay", "--bad-magic", "--status", "--bare-ack", "--truncate",
          "--oversize", "--empty-reply", "--other-port", "--other-mailbox", "--fault-on",
          "--fault-count", "305", "1234", "4120", "5823", "777001", "0000"})
        QVERIFY2(help.contains(QLatin1String(text)), text);
}

void DeviceTest::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString missing = m_dir->filePath(QStringLiteral("missing.json"));
    QTest::newRow("port not a number")
        << QStringList{QStringLiteral("--port"), QStringLiteral("x")} << QStringLiteral("--port");
    QTest::newRow("port too big") << QStringList{QStringLiteral("--port"), QStringLiteral("65536")}
                                  << QStringLiteral("--port");
    QTest::newRow("address") << QStringList{QStringLiteral("--address"), QStringLiteral("nowhere")}
                             << QStringLiteral("--address");
    QTest::newRow("negative delay") << QStringList{QStringLiteral("--delay"), QStringLiteral("-5")}
                                    << QStringLiteral("--delay");
    QTest::newRow("status 256") << QStringList{QStringLiteral("--status"), QStringLiteral("256")}
                                << QStringLiteral("--status");
    QTest::newRow("truncate 0") << QStringList{QStringLiteral("--truncate"), QStringLiteral("0")}
                                << QStringLiteral("--truncate");
    QTest::newRow("fault-on") << QStringList{QStringLiteral("--fault-on"), QStringLiteral("both")}
                              << QStringLiteral("--fault-on");
    QTest::newRow("two reply shapes")
        << QStringList{QStringLiteral("--no-reply"), QStringLiteral("--oversize")}
        << QStringLiteral("at most one");
    QTest::newRow("save without file")
        << QStringList{QStringLiteral("--save")} << QStringLiteral("--save needs --mailboxes");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--colour")} << QStringLiteral("colour");
    QTest::newRow("stray argument")
        << QStringList{QStringLiteral("305")} << QStringLiteral("unexpected argument");
    QTest::newRow("missing file") << QStringList{QStringLiteral("--mailboxes"), missing}
                                  << QStringLiteral("cannot read");
}

void DeviceTest::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const FinishedRun run = runDevice(arguments);
    QVERIFY(run.exitCode > 0);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
    QVERIFY(!run.standardOutput.contains("listening"));
}

void DeviceTest::badMailboxFiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{\"mailboxes\": [")
                              << QStringLiteral("not valid JSON");
    QTest::newRow("no list") << QByteArray("{\"boxes\": []}")
                             << QStringLiteral("\"mailboxes\" list");
    QTest::newRow("entry not an object") << QByteArray("{\"mailboxes\": [7]}")
                                         << QStringLiteral("mailbox 1 of the list: not an object");
    QTest::newRow("number missing") << QByteArray(R"({"mailboxes": [{"password": "1234"}]})")
                                    << QStringLiteral("\"mailboxNumber\" is required");
    QTest::newRow("short password")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "12"}]})")
        << QStringLiteral("\"password\" must be 4 decimal digits");
    QTest::newRow("number twice")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234"},
                                         {"mailboxNumber": "1", "password": "4321"}]})")
        << QStringLiteral("mailbox 2 of the list: mailbox number 1 appears twice");
    QTest::newRow("misspelt field")
        << QByteArray(
               R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234", "pasword": "1"}]})")
        << QStringLiteral("unknown field \"pasword\"");
    QTest::newRow("telephone not dialable")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "telephoneNumber": "+49"}]})")
        << QStringLiteral("\"telephoneNumber\"");
    QTest::newRow("count over a byte")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "newMessages": 128}]})")
        << QStringLiteral("\"newMessages\" must be an integer from -128 to 127");
    QTest::newRow("nine operator extensions")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                          "operatorExtensions": ["1","2","3","4","5","6","7","8","9"]}]})")
        << QStringLiteral("\"operatorExtensions\"");
    QTest::newRow("list entry of 8 digits")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                          "faxExtensions": ["12345678"]}]})")
        << QStringLiteral("\"faxExtensions\"");
    QTest::newRow("e-mail without support")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "emailAddress": "a@b"}]})")
        << QStringLiteral("\"emailAddress\"");
}

void DeviceTest::badMailboxFiles()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    const QString path = writeMailboxes(json);
    QVERIFY(!path.isEmpty());
    const FinishedRun run = runDevice(
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--mailboxes"), path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
}

void DeviceTest::portInUseFails()
{
    DeviceProcess device;
    QVERIFY(device.start({}));
    const FinishedRun run = runDevice({QStringLiteral("--port"), QString::number(device.port())});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.standardError.contains("cannot listen"));
}

QTEST_GUILESS_MAIN(DeviceTest)
#include "tst_device.moc"
