#include "ByteHelpers.h"
#include "FullViewReply.h"
#include "protocol/Datagram.h"

#include <QTest>
#include <array>

namespace {

QByteArray applyRequest(const MailboxRecord& record)
{
    std::array<std::uint8_t, 4096> area{};
    const std::size_t size = zel::Datagram::buildApplyRequest(record, area);
    return fromSpan(std::span(area).first(size));
}

// The record every apply test starts from: mailbox 305, all texts empty.
MailboxRecord plainRecord()
{
    MailboxRecord record;
    record.mailboxNumber = "305";
    record.password = "0042";
    return record;
}

// Bytes 0 to 34 of an apply request for plainRecord() with the given length field.
QByteArray plainFixedPart(int length)
{
    // clang-format off
    return bytes({
        '!', '!', 'S', 3, 0, 5, 255, 255, 255, // magic, mailbox 305
        0, length,
        1, 0x40, 0, 0,                      // calls accepted, no time stamp, flags word 0
        0, 0, 4, 2,                         // password
        255, 255, 255, 255, 255, 255,       // notify extension
        255, 255, 255, 255, 255, 255, 0,    // backup extension, no digits
        0, 4, 7,                            // operator position, no fax, max 0 + 7
    });
    // clang-format on
}

} // namespace

class TestRequests : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void viewRequest_data();
    void viewRequest();
    void applyRequestWithoutEmailBlock();
    void applyRequestWithEmptyEmailBlock();
    void applyRequestFields();
    void applyRequestClampsOverlongTexts();
    void applyRequestSendsUnencodableNumberAsCharacters();
    void applyRequestResetsWorkingArea();
    void viewReplyToApplyRequestRoundTrip();
    void tooSmallBuffersWriteNothing();
};

void TestRequests::viewRequest_data()
{
    QTest::addColumn<QString>("mailbox");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("305") << QStringLiteral("305") << bytes({'!', '!', '?', 3, 0, 5, 255, 255, 255});
    QTest::newRow("six digits") << QStringLiteral("987654")
                                << bytes({'!', '!', '?', 9, 8, 7, 6, 5, 4});
    QTest::newRow("seventh digit dropped")
        << QStringLiteral("1234567") << bytes({'!', '!', '?', 1, 2, 3, 4, 5, 6});
    QTest::newRow("empty") << QString() << bytes({'!', '!', '?', 255, 255, 255, 255, 255, 255});
}

void TestRequests::viewRequest()
{
    QFETCH(QString, mailbox);
    QFETCH(QByteArray, expected);
    std::array<std::uint8_t, 16> area;
    area.fill(0x5a);
    const std::string number = mailbox.toStdString();
    QCOMPARE(zel::Datagram::buildViewRequest(number, area), std::size_t(9));
    QCOMPARE(fromSpan(std::span(area).first(9)), expected);
    QCOMPARE(area[9], std::uint8_t(0x5a)); // no length field follows
}

void TestRequests::applyRequestWithoutEmailBlock()
{
    const QByteArray expected = plainFixedPart(27) + bytes({0, 0, 0, 255});
    QCOMPARE(expected.size(), 39);
    QCOMPARE(applyRequest(plainRecord()), expected);
}

void TestRequests::applyRequestWithEmptyEmailBlock()
{
    MailboxRecord record = plainRecord();
    record.emailSupported = 1;
    record.messageType = 2;
    const QByteArray expected = plainFixedPart(28) + bytes({0, 0, 0, 0, 2});
    QCOMPARE(expected.size(), 40);
    QCOMPARE(applyRequest(record), expected);
}

void TestRequests::applyRequestFields()
{
    MailboxRecord record;
    record.mailboxNumber = "123456";
    record.doNotDisturb = true;
    record.mailboxType = 1;
    record.timeStamp = true;
    record.languageIndex = 1;
    record.announcer = true;
    record.localNotificationType = 4;
    record.externalNotificationAllowed = true;
    record.smsEnabled = true;
    record.password = "9081";
    record.notifyExtension = "123456";
    record.backupExtension = "7";
    record.operatorExtensionIndex = 7;
    record.faxExtensionChoice = 1;
    record.maxMessages = -135;
    record.telephoneNumber = "0#";
    record.pagerNumber = "x";
    record.smsNumber = "05";
    record.emailSupported = 255;
    record.emailAddress = "a@b";
    record.messageType = 1;
    // Fields an apply request does not carry.
    record.operatorExtensions[0] = "1";
    record.languageCodes = {1, 2, 3};
    record.newMessages = 5;

    // clang-format off
    const QByteArray expected = bytes({
        '!', '!', 'S', 1, 2, 3, 4, 5, 6,    // magic, mailbox
        0, 48 - 12,                         // length
        0, 0x98, 0xc0, 0x48,                // accept-calls, flags byte, flags word
        9, 0, 8, 1,                         // password
        1, 2, 3, 4, 5, 6,                   // notify extension
        7, 255, 255, 255, 255, 255, 1,      // backup extension and its digit count
        7, 0, 0x80,                         // operator position, fax entry 1, max -135 + 7
        2, 0, 11,                           // telephone "0#"
        1, 48,                              // pager "x"
        2, '0', '5',                        // SMS
        3, 'a', '@', 'b',                   // e-mail
        1,                                  // message type
    });
    // clang-format on
    QCOMPARE(applyRequest(record), expected);
}

void TestRequests::applyRequestClampsOverlongTexts()
{
    MailboxRecord record = plainRecord();
    record.mailboxNumber = "12345678";
    record.password = "123456";
    record.notifyExtension = "1234567";
    record.backupExtension = "12345678";
    record.telephoneNumber = std::string(300, '1');
    record.pagerNumber = std::string(300, '2');
    record.smsNumber = std::string(300, 's');
    record.emailSupported = 1;
    record.emailAddress = std::string(300, 'e');

    const QByteArray request = applyRequest(record);
    QCOMPARE(request.size(), 40 + 20 + 40 + 40 + 60);
    QCOMPARE(request.mid(3, 6), bytes({1, 2, 3, 4, 5, 6}));
    QCOMPARE(request.mid(9, 2), bytes({0, 40 + 20 + 40 + 40 + 60 - 12}));
    QCOMPARE(request.mid(15, 17), bytes({1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 6}));
    QCOMPARE(request.mid(35, 21), bytes({20}) + QByteArray(20, '\x01'));
    QCOMPARE(request.mid(56, 41), bytes({40}) + QByteArray(40, '\x02'));
    QCOMPARE(request.mid(97, 41), bytes({40}) + QByteArray(40, 's'));
    QCOMPARE(request.mid(138, 61), bytes({60}) + QByteArray(60, 'e'));
}

void TestRequests::applyRequestSendsUnencodableNumberAsCharacters()
{
    MailboxRecord record = plainRecord();
    record.telephoneNumber = "1+2";
    record.pagerNumber = "9";
    const QByteArray request = applyRequest(record);
    QCOMPARE(request.mid(35), bytes({3, '1', '+', '2', 1, 9, 0, 255}));
}

void TestRequests::applyRequestResetsWorkingArea()
{
    std::array<std::uint8_t, 1200> area;
    area.fill(0x11);
    const std::size_t size = zel::Datagram::buildApplyRequest(plainRecord(), area);
    QCOMPARE(size, std::size_t(39));
    for (std::size_t i = size; i < zel::Datagram::kFillSize; ++i)
        QCOMPARE(area[i], std::uint8_t(255));
    QCOMPARE(area[zel::Datagram::kFillSize], std::uint8_t(0x11));
}

// What the device sent comes back unchanged in every field an apply request carries.
void TestRequests::viewReplyToApplyRequestRoundTrip()
{
    const zel::Datagram::ViewReply reply = zel::Datagram::readViewReply(asSpan(fullViewReply()));
    QCOMPARE(reply.kind, zel::Datagram::ViewReplyKind::Record);

    // clang-format off
    const QByteArray expected = bytes({
        '!', '!', 'S', 3, 0, 5, 255, 255, 255, // magic, mailbox 305
        0, 64 - 12,                         // length
        1, 0xa8, 0xc0, 0xb4,                // accept-calls, flags byte, flags word
        1, 9, 8, 4,                         // password
        2, 3, 4, 255, 255, 255,             // notify extension
        6, 5, 4, 3, 2, 255, 5,              // backup extension and its digit count
        6, 2, 107,                          // operator position, fax, max + 7
        5, 1, 2, 49, 3, 11,                 // telephone
        6, 48, 52, 0, 10, 54, 15,           // pager
        4, '+', '9', '7', '2',              // SMS
        9, 'm', 'e', '@', 'z', 'e', 'l', '.', 'i', 'o', // e-mail
        3,                                  // message type
    });
    // clang-format on
    QCOMPARE(applyRequest(reply.record), expected);
}

void TestRequests::tooSmallBuffersWriteNothing()
{
    std::array<std::uint8_t, 8> small;
    small.fill(0x5a);
    QCOMPARE(zel::Datagram::buildViewRequest("305", small), std::size_t(0));
    QCOMPARE(zel::Datagram::buildApplyRequest(plainRecord(), small), std::size_t(0));
    for (const std::uint8_t byte : small)
        QCOMPARE(byte, std::uint8_t(0x5a));
}

int runRequestTests(int argc, char** argv)
{
    TestRequests test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_requests.moc"
