// View and apply requests answered as the layouts say.

#include "DeviceFixture.h"
#include "protocol/Datagram.h"

#include <QTest>

class RequestsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
    void zelProtocolLibraryAgrees();
};

void RequestsTest::viewRequestGetsTheFullRecord()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
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

void RequestsTest::viewOfUnknownOrMalformedRequest()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(hex("21 21 3f  09 09 09 ff ff ff")), ack("09 09 09 ff ff ff", 1));
    // "3051" is not "305": the fill must be 255 right after the last digit.
    QCOMPARE(client.exchange(hex("21 21 3f  03 00 05 01 ff ff")), ack("03 00 05 01 ff ff", 1));
    QCOMPARE(client.exchange(kViewRequest305 + hex("ff")), ack("03 00 05 ff ff ff", 2));
    QCOMPARE(client.exchange(kViewRequest305.left(8)), ack("03 00 05 ff ff ff", 2));
    QCOMPARE(client.exchange(hex("21 21 3f  03 00 05 ff 07 ff")), ack("03 00 05 ff 07 ff", 2));
    QCOMPARE(client.exchange(hex("21 21 3f  ff ff ff ff ff ff")), ack("ff ff ff ff ff ff", 2));
}

void RequestsTest::applyIsStoredAndShownByTheNextView()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

void RequestsTest::applyWithoutEmailBlock()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
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

void RequestsTest::applyToUnknownMailbox()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());

    QByteArray request = applyRequest4120();
    request.replace(3, 6, hex("09 09 09 ff ff ff"));
    QCOMPARE(client.exchange(request), ack("09 09 09 ff ff ff", 1));
}

void RequestsTest::malformedApplyIsRefusedAndChangesNothing_data()
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

void RequestsTest::malformedApplyIsRefusedAndChangesNothing()
{
    QTemporaryDir dir;
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, slots);
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());
    const QByteArray view4120 = client.exchange(kViewRequest4120);

    QCOMPARE(client.exchange(request), hex("21 21 56") + slots + hex("00 01 02"));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    QCOMPARE(client.exchange(kViewRequest4120), view4120);
}

void RequestsTest::otherDatagramsAreIgnored()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());

    client.send("hello");
    client.send(hex("21 21 56  03 00 05 ff ff ff  00 01 00")); // a reply, not a request
    client.send(QByteArray());
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    QVERIFY(!client.receive(200));
}

void RequestsTest::logsEachDatagram()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
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

void RequestsTest::demoMailboxes()
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

// Zel's protocol library and the device were written apart; here they meet. The record below is
// mailbox 305 of the file above, written out by hand.
void RequestsTest::zelProtocolLibraryAgrees()
{
    QTemporaryDir dir;
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
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());
    std::array<std::uint8_t, zel::Datagram::kFillSize> buffer{};
    const auto asBytes = [&](std::size_t size) {
        return QByteArray(reinterpret_cast<const char*>(buffer.data()), qsizetype(size));
    };
    const auto asSpan = [](const QByteArray& bytes) {
        return std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         std::size_t(bytes.size()));
    };

    const QByteArray reply =
        client.exchange(asBytes(zel::Datagram::buildViewRequest("305", buffer)));
    const zel::Datagram::ViewReply view = zel::Datagram::readViewReply(asSpan(reply));
    QCOMPARE(int(view.kind), int(zel::Datagram::ViewReplyKind::Record));
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
        client.exchange(asBytes(zel::Datagram::buildApplyRequest(changed, buffer)));
    QCOMPARE(ackBytes, ack("03 00 05 ff ff ff", 0));
    QCOMPARE(zel::Datagram::readAcknowledgement(asSpan(ackBytes), "305",
                                                zel::Datagram::AckResult::Waiting),
             zel::Datagram::AckResult::Applied);
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

int runRequestsTests(int argc, char** argv)
{
    RequestsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_requests.moc"
