#include "ByteHelpers.h"
#include "protocol/Datagram.h"

#include <QTest>

namespace AckResult = zel::Datagram::AckResult;

namespace {

QByteArray ack(std::initializer_list<int> slots, int length, int status, int extraBytes = 0)
{
    return text("!!V") + bytes(slots) + bytes({length >> 8, length & 0xff, status}) +
           QByteArray(extraBytes, '\0');
}

const std::initializer_list<int> k305 = {3, 0, 5, 255, 255, 255};
const std::initializer_list<int> k306 = {3, 0, 6, 255, 255, 255};

} // namespace

class TestAcknowledgement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void result_data();
    void result();
};

void TestAcknowledgement::result_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    const int waiting = AckResult::Waiting;

    QTest::newRow("applied") << ack(k305, 1, 0) << waiting << AckResult::Applied;
    QTest::newRow("status 3 keeps waiting") << ack(k305, 1, 3) << waiting << waiting;
    QTest::newRow("status 3 for 306") << ack(k306, 1, 3) << waiting << AckResult::OtherMailbox;
    QTest::newRow("status 1 for 306") << ack(k306, 1, 1) << waiting << AckResult::NoSuchMailbox;
    QTest::newRow("status 2") << ack(k305, 1, 2) << waiting << AckResult::NotValid;
    QTest::newRow("status 0, length 2, 13 bytes") << ack(k305, 2, 0, 1) << waiting << waiting;
    QTest::newRow("status 0, length 2, 12 bytes")
        << ack(k305, 2, 0) << waiting << AckResult::BadLength;
    QTest::newRow("length too large, status 1 decides")
        << ack(k305, 500, 1) << waiting << AckResult::NoSuchMailbox;
    QTest::newRow("length too large and 306")
        << ack(k306, 500, 3) << waiting << AckResult::OtherMailbox;
    QTest::newRow("high length byte") << ack(k305, 0x101, 0) << waiting << AckResult::BadLength;
    QTest::newRow("306, status 0, length 1 decides")
        << ack(k306, 1, 0) << waiting << AckResult::Applied;
    QTest::newRow("15 bytes are read") << ack(k305, 1, 0, 3) << waiting << AckResult::Applied;
    QTest::newRow("16 bytes are ignored") << ack(k305, 1, 0, 4) << waiting << waiting;
    QTest::newRow("16 bytes of garbage are ignored") << QByteArray(16, 'x') << waiting << waiting;
    QTest::newRow("an earlier result stays when nothing decides")
        << ack(k305, 1, 3) << int(AckResult::OtherMailbox) << int(AckResult::OtherMailbox);
    QTest::newRow("slot 2 holds 10: mailbox 30")
        << ack({3, 0, 10, 5, 255, 255}, 1, 7) << waiting << AckResult::OtherMailbox;
    QTest::newRow("bad magic") << (text("!!S") + ack(k305, 1, 0).mid(3)) << waiting
                               << AckResult::BadMagic;
    QTest::newRow("empty datagram") << QByteArray() << waiting << AckResult::BadMagic;
    QTest::newRow("two bytes") << text("!!") << waiting << AckResult::BadMagic;
    for (int size = 3; size < 12; ++size)
        QTest::addRow("header cut to %d bytes", size)
            << ack(k305, 1, 0).left(size) << waiting << AckResult::BadLength;
}

void TestAcknowledgement::result()
{
    QFETCH(QByteArray, datagram);
    QFETCH(int, before);
    QFETCH(int, after);
    QCOMPARE(zel::Datagram::readAcknowledgement(asSpan(datagram), "305", before), after);
}

int runAcknowledgementTests(int argc, char** argv)
{
    TestAcknowledgement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_acknowledgement.moc"
