#include "ByteHelpers.h"
#include "FullViewReply.h"
#include "protocol/Datagram.h"

#include <QTest>

using zel::Datagram::ViewReplyKind;

Q_DECLARE_METATYPE(zel::Datagram::ViewReplyKind)

namespace {

zel::Datagram::ViewReply read(const QByteArray& datagram)
{
    return zel::Datagram::readViewReply(asSpan(datagram));
}

QByteArray withHeader(QByteArray datagram, int length, int status)
{
    datagram[9] = char(length >> 8);
    datagram[10] = char(length & 0xff);
    datagram[11] = char(status);
    return datagram;
}

// A reply without e-mail block whose three counted targets are given as raw bytes.
QByteArray replyWithTargets(const QByteArray& telephone, const QByteArray& pager,
                            const QByteArray& sms)
{
    return recordHeader() + bytes({0}) + emptyLists() + fixedItems() + telephone + pager + sms;
}

QByteArray replyWithEmail(const QByteArray& email)
{
    return recordHeader() + bytes({1}) + emptyLists() + fixedItems() + bytes({0, 0, 0}) + email +
           bytes({2});
}

QByteArray counted(int length, char fill)
{
    return bytes({length}) + QByteArray(length, fill);
}

} // namespace

class TestViewReply : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullReply();
    void header_data();
    void header();
    void mailboxSlots_data();
    void mailboxSlots();
    void everyTruncationIsNotValid();
    void countedFieldLimits_data();
    void countedFieldLimits();
    void listEntryLimits_data();
    void listEntryLimits();
    void backupDigitCount_data();
    void backupDigitCount();
    void dialFields_data();
    void dialFields();
    void withoutEmailBlock();
    void digitValuesOfOddSlots();
    void nothingPastByte4096();
};

void TestViewReply::fullReply()
{
    const zel::Datagram::ViewReply reply = read(fullViewReply());
    QCOMPARE(reply.kind, ViewReplyKind::Record);
    QCOMPARE(reply.mailboxNumber, std::string("305"));

    const MailboxRecord& r = reply.record;
    QCOMPARE(r.mailboxNumber, std::string("305"));
    QCOMPARE(r.emailSupported, 1);
    const std::array<std::string, 8> operators{"101", "", "9876543", "2", "", "55", "", "7007"};
    QCOMPARE(r.operatorExtensions, operators);
    const std::array<std::string, 4> faxes{"41", "", "333", "8"};
    QCOMPARE(r.faxExtensions, faxes);
    QCOMPARE(r.languageCodes, (std::array<int, 3>{1, 44, 255}));
    QCOMPARE(r.newMessages, -56);
    QCOMPARE(r.savedMessages, 10);
    QCOMPARE(r.totalMessages, -46);
    QCOMPARE(r.doNotDisturb, false);
    QCOMPARE(r.mailboxType, 1);
    QCOMPARE(r.timeStamp, true);
    QCOMPARE(r.languageIndex, 2);
    QCOMPARE(r.announcer, true);
    QCOMPARE(r.externalNotificationAllowed, true);
    QCOMPARE(r.telephoneEnabled, true);
    QCOMPARE(r.smsEnabled, false);
    QCOMPARE(r.emailEnabled, true);
    QCOMPARE(r.pagerEnabled, true);
    QCOMPARE(r.localNotificationType, 3);
    QCOMPARE(r.password, std::string("1984"));
    QCOMPARE(r.notifyExtension, std::string("234"));
    QCOMPARE(r.backupExtension, std::string("65432"));
    QCOMPARE(r.operatorExtensionIndex, 6);
    QCOMPARE(r.faxExtensionChoice, 3);
    QCOMPARE(r.maxMessages, 100);
    QCOMPARE(r.telephoneNumber, std::string("12p3#"));
    QCOMPARE(r.pagerNumber, std::string("X$0*QD"));
    QCOMPARE(r.smsNumber, std::string("+972"));
    QCOMPARE(r.emailAddress, std::string("me@zel.io"));
    QCOMPARE(r.messageType, 3);
}

void TestViewReply::header_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<ViewReplyKind>("kind");

    const QByteArray full = fullViewReply();
    QTest::newRow("status 1") << withHeader(full, 99, 1) << ViewReplyKind::NoSuchMailbox;
    QTest::newRow("status 2") << withHeader(full, 99, 2) << ViewReplyKind::NotValid;
    QTest::newRow("bare acknowledgement, record after it")
        << withHeader(full, 1, 0) << ViewReplyKind::BareAck;
    QTest::newRow("bare acknowledgement alone")
        << bytes({'!', '!', 'V', 3, 0, 5, 255, 255, 255, 0, 1, 0}) << ViewReplyKind::BareAck;
    QTest::newRow("status 0, length 0") << withHeader(full, 0, 0) << ViewReplyKind::Record;
    QTest::newRow("status 3, length 1") << withHeader(full, 1, 3) << ViewReplyKind::Record;
    QTest::newRow("status 255") << withHeader(full, 99, 255) << ViewReplyKind::Record;
    QTest::newRow("length one too large") << withHeader(full, 100, 0) << ViewReplyKind::BadLength;
    QTest::newRow("length high byte")
        << withHeader(full, 0x100 + 99, 0) << ViewReplyKind::BadLength;
    QTest::newRow("length 1 in an 11-byte reply")
        << bytes({'!', '!', 'V', 3, 0, 5, 255, 255, 255, 0, 1}) << ViewReplyKind::BadLength;
    QTest::newRow("length 2 in a 12-byte reply")
        << bytes({'!', '!', 'V', 3, 0, 5, 255, 255, 255, 0, 2, 0}) << ViewReplyKind::BadLength;
    for (int size = 3; size < 12; ++size)
        QTest::addRow("magic and %d bytes", size) << full.left(size) << ViewReplyKind::BadLength;
    QTest::newRow("empty") << QByteArray() << ViewReplyKind::BadMagic;
    QTest::newRow("two bytes of magic") << text("!!") << ViewReplyKind::BadMagic;
    QTest::newRow("view request magic") << (text("!!?") + full.mid(3)) << ViewReplyKind::BadMagic;
    QTest::newRow("apply magic") << (text("!!S") + full.mid(3)) << ViewReplyKind::BadMagic;
    QTest::newRow("lower-case v") << (text("!!v") + full.mid(3)) << ViewReplyKind::BadMagic;
    QTest::newRow("first byte") << (text("?!V") + full.mid(3)) << ViewReplyKind::BadMagic;
}

void TestViewReply::header()
{
    QFETCH(QByteArray, datagram);
    QFETCH(ViewReplyKind, kind);
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, kind);
    if (kind != ViewReplyKind::Record)
        QCOMPARE(reply.record, MailboxRecord());
}

void TestViewReply::mailboxSlots_data()
{
    QTest::addColumn<QByteArray>("slots");
    QTest::addColumn<QString>("number");
    QTest::newRow("305") << bytes({3, 0, 5, 255, 255, 255}) << QStringLiteral("305");
    QTest::newRow("slot 2 holds 10") << bytes({1, 2, 10, 4, 5, 6}) << QStringLiteral("12");
    QTest::newRow("six digits") << bytes({9, 0, 0, 0, 0, 1}) << QStringLiteral("900001");
    QTest::newRow("first slot fill") << bytes({255, 1, 2, 3, 4, 5}) << QString();
    QTest::newRow("character digit ends it") << bytes({4, '4', 4, 4, 4, 4}) << QStringLiteral("4");
}

void TestViewReply::mailboxSlots()
{
    QFETCH(QByteArray, slots);
    QFETCH(QString, number);
    QByteArray datagram = fullViewReply();
    datagram.replace(3, 6, slots);
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, ViewReplyKind::Record);
    QCOMPARE(QString::fromStdString(reply.mailboxNumber), number);
    QCOMPARE(QString::fromStdString(reply.record.mailboxNumber), number);

    // The same slots in a reply that carries no record.
    const zel::Datagram::ViewReply status1 = read(withHeader(datagram, 1, 1));
    QCOMPARE(QString::fromStdString(status1.mailboxNumber), number);
}

// Every item cut short, one byte at a time: the header length 0 lets each cut pass the
// header rule, so only the body reader stands between the cut and a bogus record.
void TestViewReply::everyTruncationIsNotValid()
{
    const QByteArray full = withHeader(fullViewReply(), 0, 0);
    QCOMPARE(read(full).kind, ViewReplyKind::Record);
    for (qsizetype size = 12; size < full.size(); ++size) {
        const zel::Datagram::ViewReply reply = read(full.left(size));
        if (reply.kind != ViewReplyKind::NotValid)
            QFAIL(qPrintable(QStringLiteral("cut at %1 bytes was read").arg(size)));
        QCOMPARE(reply.record, MailboxRecord());
    }
}

void TestViewReply::countedFieldLimits_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<ViewReplyKind>("kind");
    const QByteArray none = bytes({0});
    QTest::newRow("telephone 20") << replyWithTargets(counted(20, 1), none, none)
                                  << ViewReplyKind::Record;
    QTest::newRow("telephone 21") << replyWithTargets(counted(21, 1), none, none)
                                  << ViewReplyKind::NotValid;
    QTest::newRow("pager 40") << replyWithTargets(none, counted(40, 2), none)
                              << ViewReplyKind::Record;
    QTest::newRow("pager 41") << replyWithTargets(none, counted(41, 2), none)
                              << ViewReplyKind::NotValid;
    QTest::newRow("sms 40") << replyWithTargets(none, none, counted(40, 's'))
                            << ViewReplyKind::Record;
    QTest::newRow("sms 41") << replyWithTargets(none, none, counted(41, 's'))
                            << ViewReplyKind::NotValid;
    QTest::newRow("email 60") << replyWithEmail(counted(60, 'e')) << ViewReplyKind::Record;
    QTest::newRow("email 61") << replyWithEmail(counted(61, 'e')) << ViewReplyKind::NotValid;
    for (const int negative : {0x80, 0xc0, 0xff}) {
        const QByteArray field = bytes({negative}) + QByteArray(130, '\x01');
        QTest::addRow("telephone length %d", negative)
            << replyWithTargets(field, none, none) << ViewReplyKind::NotValid;
        QTest::addRow("pager length %d", negative)
            << replyWithTargets(none, field, none) << ViewReplyKind::NotValid;
        QTest::addRow("sms length %d", negative)
            << replyWithTargets(none, none, field) << ViewReplyKind::NotValid;
        QTest::addRow("email length %d", negative)
            << replyWithEmail(field) << ViewReplyKind::NotValid;
    }
}

void TestViewReply::countedFieldLimits()
{
    QFETCH(QByteArray, datagram);
    QFETCH(ViewReplyKind, kind);
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, kind);
    if (kind == ViewReplyKind::Record) {
        const MailboxRecord& r = reply.record;
        QVERIFY(r.telephoneNumber.empty() || r.telephoneNumber == std::string(20, '1'));
        QVERIFY(r.pagerNumber.empty() || r.pagerNumber == std::string(40, '2'));
        QVERIFY(r.smsNumber.empty() || r.smsNumber == std::string(40, 's'));
        QVERIFY(r.emailAddress.empty() || r.emailAddress == std::string(60, 'e'));
    } else {
        QCOMPARE(reply.record, MailboxRecord());
    }
}

void TestViewReply::listEntryLimits_data()
{
    QTest::addColumn<int>("entry"); // 0..7 operator, 8..11 fax
    QTest::addColumn<int>("lengthByte");
    QTest::addColumn<ViewReplyKind>("kind");
    for (int entry = 0; entry < 12; ++entry) {
        QTest::addRow("entry %d, 7 digits", entry) << entry << 7 << ViewReplyKind::Record;
        QTest::addRow("entry %d, 8 digits", entry) << entry << 8 << ViewReplyKind::NotValid;
        QTest::addRow("entry %d, length -1", entry) << entry << 0xff << ViewReplyKind::NotValid;
    }
}

void TestViewReply::listEntryLimits()
{
    QFETCH(int, entry);
    QFETCH(int, lengthByte);
    QFETCH(ViewReplyKind, kind);
    QByteArray lists;
    for (int i = 0; i < 12; ++i)
        lists +=
            i == entry ? bytes({lengthByte}) + QByteArray(lengthByte & 0x7f, '\x05') : bytes({0});
    const QByteArray datagram =
        recordHeader() + bytes({0}) + lists + fixedItems() + bytes({0, 0, 0}) + QByteArray(200, 0);
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, kind);
    if (kind == ViewReplyKind::Record) {
        const std::string& read = entry < 8 ? reply.record.operatorExtensions[entry]
                                            : reply.record.faxExtensions[entry - 8];
        QCOMPARE(read, std::string(7, '5'));
    }
}

void TestViewReply::backupDigitCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<ViewReplyKind>("kind");
    QTest::addColumn<QString>("backup");
    QTest::newRow("0") << 0 << ViewReplyKind::Record << QString();
    QTest::newRow("1") << 1 << ViewReplyKind::Record << QStringLiteral("6");
    QTest::newRow("6") << 6 << ViewReplyKind::Record << QStringLiteral("654321");
    QTest::newRow("7") << 7 << ViewReplyKind::NotValid << QString();
    QTest::newRow("255") << 255 << ViewReplyKind::NotValid << QString();
}

void TestViewReply::backupDigitCount()
{
    QFETCH(int, count);
    QFETCH(ViewReplyKind, kind);
    QFETCH(QString, backup);
    const QByteArray datagram =
        recordHeader() + bytes({0}) + emptyLists() + fixedItems(count) + bytes({0, 0, 0});
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, kind);
    QCOMPARE(QString::fromStdString(reply.record.backupExtension), backup);
}

void TestViewReply::dialFields_data()
{
    QTest::addColumn<QByteArray>("codes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("decoded") << bytes({1, 2, 49, 3}) << text("12p3");
    QTest::newRow("code 55 ends it") << bytes({5, 55, 6}) << text("5");
    QTest::newRow("invalid code: raw bytes") << bytes({1, 200, 2}) << bytes({1, 200, 2});
    QTest::newRow("invalid code: raw up to a zero byte") << bytes({1, 16, 0, 5}) << bytes({1, 16});
    QTest::newRow("raw starting with a zero byte") << bytes({0, 56}) << QByteArray();
}

void TestViewReply::dialFields()
{
    QFETCH(QByteArray, codes);
    QFETCH(QByteArray, expected);
    const QByteArray field = bytes({int(codes.size())}) + codes;
    const zel::Datagram::ViewReply reply = read(replyWithTargets(field, field, bytes({0})));
    QCOMPARE(reply.kind, ViewReplyKind::Record);
    QCOMPARE(QByteArray::fromStdString(reply.record.telephoneNumber), expected);
    QCOMPARE(QByteArray::fromStdString(reply.record.pagerNumber), expected);
}

void TestViewReply::withoutEmailBlock()
{
    // Bytes that would be an e-mail address and message type if they were read.
    const QByteArray datagram =
        replyWithTargets(bytes({0}), bytes({0}), bytes({1, 'x'})) + bytes({3, 'a', 'b', 'c', 2});
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, ViewReplyKind::Record);
    QCOMPARE(reply.record.emailSupported, 0);
    QCOMPARE(reply.record.smsNumber, std::string("x"));
    QCOMPARE(reply.record.emailAddress, std::string());
    QCOMPARE(reply.record.messageType, 0);
}

// The password takes whatever its four values give; list entries and the notify extension
// are digit strings that end at the first value that gives no digit.
void TestViewReply::digitValuesOfOddSlots()
{
    QByteArray fixed = fixedItems();
    fixed.replace(13, 4, bytes({1, 2, 255, 10}));      // password
    fixed.replace(17, 6, bytes({5, 255, 5, 5, 5, 5})); // notify extension
    const QByteArray lists = bytes({3, 1, 200, 2}) + QByteArray(11, '\0');
    const QByteArray datagram = recordHeader() + bytes({0}) + lists + fixed + bytes({0, 0, 0});
    const zel::Datagram::ViewReply reply = read(datagram);
    QCOMPARE(reply.kind, ViewReplyKind::Record);
    QCOMPARE(reply.record.password, std::string("12/:"));
    QCOMPARE(reply.record.notifyExtension, std::string("5"));
    QCOMPARE(reply.record.operatorExtensions[0], std::string("1"));
}

void TestViewReply::nothingPastByte4096()
{
    QByteArray datagram = fullViewReply() + QByteArray(5000, '\x01');
    // Counted from the whole datagram this length would fit; within 4096 bytes it does not.
    QCOMPARE(read(withHeader(datagram, 4096 - 11 + 1, 0)).kind, ViewReplyKind::BadLength);
    QCOMPARE(read(withHeader(datagram, 4096 - 11, 0)).kind, ViewReplyKind::Record);
}

int runViewReplyTests(int argc, char** argv)
{
    TestViewReply test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_viewreply.moc"
