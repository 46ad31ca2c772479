// Each fault switch changes the answers as --help says.

#include "DeviceFixture.h"

#include <QTest>

class FaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

void FaultsTest::faultNoReply()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--no-reply")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    QVERIFY(!client.receive(500));
    client.send(applyRequest305());
    QVERIFY(!client.receive(500));
    device.stop();
    QVERIFY(device.log().contains(QStringLiteral("stored mailbox 305")));
}

void FaultsTest::faultDelay()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--delay"), QStringLiteral("1500")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    QVERIFY(!client.receive(300)); // a delay can only make it later than this, never earlier
    const auto reply = client.receive(10000);
    QVERIFY(reply);
    QCOMPARE(reply->data(), viewReply305());
}

void FaultsTest::faultBadMagic()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--bad-magic")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), withByte(viewReply305(), 2, 'X'));
    QCOMPARE(client.exchange(applyRequest305()), withByte(ack("03 00 05 ff ff ff", 0), 2, 'X'));
}

void FaultsTest::faultStatus()
{
    QTemporaryDir dir;
    for (int status : {1, 2}) {
        DeviceProcess device;
        QVERIFY(
            startWithMailboxes(device, dir, {QStringLiteral("--status"), QString::number(status)}));
        DeviceClient client(device.port());
        QCOMPARE(client.exchange(kViewRequest305), ack("03 00 05 ff ff ff", status));
        QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", status));
    }

    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir,
                               {QStringLiteral("--status"), QStringLiteral("3"),
                                QStringLiteral("--fault-on"), QStringLiteral("apply")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 3));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305()); // refused, so not stored

    DeviceProcess viewDevice;
    QVERIFY(startWithMailboxes(viewDevice, dir, {QStringLiteral("--status"), QStringLiteral("3")}));
    DeviceClient viewClient(viewDevice.port());
    QCOMPARE(viewClient.exchange(kViewRequest305), withByte(viewReply305(), 11, 3));
}

void FaultsTest::faultBareAck()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--bare-ack")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), ack("03 00 05 ff ff ff", 0));
}

void FaultsTest::faultTruncated()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--truncate"), QStringLiteral("40")}));
    DeviceClient client(device.port());
    const QByteArray expected = withByte(viewReply305().left(40), 10, 40 - 11);
    QCOMPARE(client.exchange(kViewRequest305), expected);
    // Shorter than the answer is cut; an acknowledgement of 12 bytes is left whole.
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
}

void FaultsTest::faultOversize()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--oversize")}));
    DeviceClient client(device.port());
    const QByteArray reply = client.exchange(kViewRequest305);
    QCOMPARE(reply.size(), 5000);
    QCOMPARE(reply.left(101), viewReply305());
    QCOMPARE(reply.mid(101), QByteArray(5000 - 101, char(0)));
}

void FaultsTest::faultEmptyDatagram()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--empty-reply")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    const auto reply = client.receive();
    QVERIFY(reply);
    QCOMPARE(reply->data().size(), 0);
}

void FaultsTest::faultOtherPort()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--other-port")}));
    DeviceClient client(device.port());
    client.send(kViewRequest305);
    const auto reply = client.receive();
    QVERIFY(reply);
    QCOMPARE(reply->data(), viewReply305());
    QVERIFY(reply->senderPort() != int(device.port()));
}

void FaultsTest::faultOtherMailbox()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--other-mailbox")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 06 ff ff ff", 0));
    QCOMPARE(client.exchange(kViewRequest305), viewReply305AfterApply());
}

void FaultsTest::faultsLimitedToApplyAndCount()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir,
                               {QStringLiteral("--no-reply"), QStringLiteral("--fault-on"),
                                QStringLiteral("apply"), QStringLiteral("--fault-count"),
                                QStringLiteral("1")}));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(kViewRequest305), viewReply305());
    client.send(applyRequest305());
    QVERIFY(!client.receive(500));
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
}

int runFaultsTests(int argc, char** argv)
{
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
