#include "protocol/PackedItems.h"

#include <QTest>

class TestPackedItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptCallsByte_data();
    void acceptCallsByte();
    void flagsBytePack_data();
    void flagsBytePack();
    void flagsByteUnpack_data();
    void flagsByteUnpack();
    void bothLanguageBitsReadAsLanguage1AndPackAlone();
    void flagsWordPackByNotificationType_data();
    void flagsWordPackByNotificationType();
    void flagsWordBooleans_data();
    void flagsWordBooleans();
    void flagsWordLowestNotificationBitWins_data();
    void flagsWordLowestNotificationBitWins();
    void faxExtensionByte_data();
    void faxExtensionByte();
    void faxExtensionByteUnpack_data();
    void faxExtensionByteUnpack();
};

void TestPackedItems::acceptCallsByte_data()
{
    QTest::addColumn<int>("wire");
    QTest::addColumn<bool>("doNotDisturb");
    QTest::addColumn<int>("packedBack");
    QTest::newRow("0 is do not disturb") << 0 << true << 0;
    QTest::newRow("1 accepts calls") << 1 << false << 1;
    QTest::newRow("7 accepts calls, packs as 1") << 7 << false << 1;
    QTest::newRow("255 accepts calls") << 255 << false << 1;
}

void TestPackedItems::acceptCallsByte()
{
    QFETCH(int, wire);
    QFETCH(bool, doNotDisturb);
    QFETCH(int, packedBack);
    MailboxRecord record;
    record.doNotDisturb = !doNotDisturb;
    zel::unpackAcceptCallsByte(static_cast<std::uint8_t>(wire), record);
    QCOMPARE(record.doNotDisturb, doNotDisturb);
    QCOMPARE(int(zel::packAcceptCallsByte(record)), packedBack);
}

void TestPackedItems::flagsBytePack_data()
{
    QTest::addColumn<int>("mailboxType");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<int>("languageIndex");
    QTest::addColumn<bool>("announcer");
    QTest::addColumn<int>("expected");
    QTest::newRow("real, stamped, language 0") << 0 << true << 0 << false << 0x00;
    QTest::newRow("no time stamp sets bit 6") << 0 << false << 0 << false << 0x40;
    QTest::newRow("virtual") << 1 << true << 0 << false << 0x80;
    QTest::newRow("language 1") << 0 << true << 1 << false << 0x10;
    QTest::newRow("language 2") << 0 << true << 2 << false << 0x20;
    QTest::newRow("announcer") << 0 << true << 0 << true << 0x08;
    QTest::newRow("everything") << 1 << false << 2 << true << 0xe8;
}

void TestPackedItems::flagsBytePack()
{
    QFETCH(int, mailboxType);
    QFETCH(bool, timeStamp);
    QFETCH(int, languageIndex);
    QFETCH(bool, announcer);
    QFETCH(int, expected);
    MailboxRecord record;
    record.mailboxType = mailboxType;
    record.timeStamp = timeStamp;
    record.languageIndex = languageIndex;
    record.announcer = announcer;
    QCOMPARE(int(zel::packFlagsByte(record)), expected);
}

void TestPackedItems::flagsByteUnpack_data()
{
    QTest::addColumn<int>("wire");
    QTest::addColumn<int>("mailboxType");
    QTest::addColumn<bool>("timeStamp");
    QTest::addColumn<int>("languageIndex");
    QTest::addColumn<bool>("announcer");
    QTest::newRow("0") << 0x00 << 0 << true << 0 << false;
    QTest::newRow("bit 6 means no time stamp") << 0x40 << 0 << false << 0 << false;
    QTest::newRow("virtual, language 2, announcer") << 0xa8 << 1 << true << 2 << true;
    QTest::newRow("unlisted bits 0-2 ignored") << 0x07 << 0 << true << 0 << false;
    QTest::newRow("all bits") << 0xff << 1 << false << 1 << true;
}

void TestPackedItems::flagsByteUnpack()
{
    QFETCH(int, wire);
    QFETCH(int, mailboxType);
    QFETCH(bool, timeStamp);
    QFETCH(int, languageIndex);
    QFETCH(bool, announcer);
    MailboxRecord record;
    zel::unpackFlagsByte(static_cast<std::uint8_t>(wire), record);
    QCOMPARE(record.mailboxType, mailboxType);
    QCOMPARE(record.timeStamp, timeStamp);
    QCOMPARE(record.languageIndex, languageIndex);
    QCOMPARE(record.announcer, announcer);
}

void TestPackedItems::bothLanguageBitsReadAsLanguage1AndPackAlone()
{
    MailboxRecord record;
    zel::unpackFlagsByte(0x30, record);
    QCOMPARE(record.languageIndex, 1);
    QCOMPARE(int(zel::packFlagsByte(record)), 0x10);
}

void TestPackedItems::flagsWordPackByNotificationType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("expected");
    QTest::newRow("none: bit 14 clear") << 0 << 0;
    QTest::newRow("MSG Light 1") << 1 << 16385;
    QTest::newRow("MSG Light 2") << 2 << 16386;
    QTest::newRow("Sign Rings") << 3 << 16388;
    QTest::newRow("Rings") << 4 << 16392;
}

void TestPackedItems::flagsWordPackByNotificationType()
{
    QFETCH(int, type);
    QFETCH(int, expected);
    MailboxRecord record;
    record.localNotificationType = type;
    QCOMPARE(int(zel::packFlagsWord(record)), expected);

    MailboxRecord unpacked;
    zel::unpackFlagsWord(static_cast<std::uint16_t>(expected), unpacked);
    QCOMPARE(unpacked.localNotificationType, type);
}

void TestPackedItems::flagsWordBooleans_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<bool>("external");
    QTest::addColumn<bool>("telephone");
    QTest::addColumn<bool>("sms");
    QTest::addColumn<bool>("email");
    QTest::addColumn<bool>("pager");
    QTest::newRow("external") << 0x8000 << true << false << false << false << false;
    QTest::newRow("telephone") << 0x0080 << false << true << false << false << false;
    QTest::newRow("sms") << 0x0040 << false << false << true << false << false;
    QTest::newRow("email") << 0x0020 << false << false << false << true << false;
    QTest::newRow("pager") << 0x0010 << false << false << false << false << true;
    QTest::newRow("all") << 0x80f0 << true << true << true << true << true;
}

void TestPackedItems::flagsWordBooleans()
{
    QFETCH(int, word);
    QFETCH(bool, external);
    QFETCH(bool, telephone);
    QFETCH(bool, sms);
    QFETCH(bool, email);
    QFETCH(bool, pager);
    MailboxRecord record;
    zel::unpackFlagsWord(static_cast<std::uint16_t>(word), record);
    QCOMPARE(record.externalNotificationAllowed, external);
    QCOMPARE(record.telephoneEnabled, telephone);
    QCOMPARE(record.smsEnabled, sms);
    QCOMPARE(record.emailEnabled, email);
    QCOMPARE(record.pagerEnabled, pager);
    QCOMPARE(record.localNotificationType, 0);
    QCOMPARE(int(zel::packFlagsWord(record)), word);
}

void TestPackedItems::flagsWordLowestNotificationBitWins_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("type");
    QTest::newRow("bits 0 and 2") << 0x0005 << 1;
    QTest::newRow("bits 1 and 3") << 0x000a << 2;
    QTest::newRow("bit 14 alone is ignored") << 0x4000 << 0;
    QTest::newRow("bits 2 and 3 with bit 14") << 0x400c << 3;
}

void TestPackedItems::flagsWordLowestNotificationBitWins()
{
    QFETCH(int, word);
    QFETCH(int, type);
    MailboxRecord record;
    zel::unpackFlagsWord(static_cast<std::uint16_t>(word), record);
    QCOMPARE(record.localNotificationType, type);
}

void TestPackedItems::faxExtensionByte_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("wire");
    QTest::newRow("none") << 0 << 4;
    QTest::newRow("entry 1") << 1 << 0;
    QTest::newRow("entry 2") << 2 << 1;
    QTest::newRow("entry 4") << 4 << 3;
}

void TestPackedItems::faxExtensionByte()
{
    QFETCH(int, choice);
    QFETCH(int, wire);
    QCOMPARE(int(zel::packFaxExtensionByte(choice)), wire);
}

void TestPackedItems::faxExtensionByteUnpack_data()
{
    QTest::addColumn<int>("wire");
    QTest::addColumn<int>("choice");
    QTest::newRow("0 is entry 1") << 0 << 1;
    QTest::newRow("3 is entry 4") << 3 << 4;
    QTest::newRow("4 is none") << 4 << 0;
    QTest::newRow("9 is none") << 9 << 0;
    QTest::newRow("200 is none") << 200 << 0;
}

void TestPackedItems::faxExtensionByteUnpack()
{
    QFETCH(int, wire);
    QFETCH(int, choice);
    QCOMPARE(zel::unpackFaxExtensionByte(static_cast<std::uint8_t>(wire)), choice);
}

int runPackedItemsTests(int argc, char** argv)
{
    TestPackedItems test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_packeditems.moc"
