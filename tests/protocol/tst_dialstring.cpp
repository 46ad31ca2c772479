#include "ByteHelpers.h"
#include "protocol/DialString.h"

#include <QTest>
#include <limits>

namespace {

// A buffer with a guard byte after the field, to see what the codec writes past it.
QByteArray withGuard(const QByteArray& field)
{
    return field + bytes({0x5a});
}

unsigned char* data(QByteArray& buffer)
{
    return reinterpret_cast<unsigned char*>(buffer.data());
}

} // namespace

class TestDialString : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodes_data();
    void decodes();
    void decodeFailsOnInvalidCodeAndLeavesBuffer_data();
    void decodeFailsOnInvalidCodeAndLeavesBuffer();
    void encodes_data();
    void encodes();
    void encodeFailsOnInvalidCharacterAndLeavesBuffer_data();
    void encodeFailsOnInvalidCharacterAndLeavesBuffer();
    void emptyOrNegativeLengthTouchesNothing_data();
    void emptyOrNegativeLengthTouchesNothing();
    void fullHundredBytes();
    void overHundredBytesRefusedUntouched();
    void everyCodeDecodesAsTableSays();
};

void TestDialString::decodes_data()
{
    QTest::addColumn<QByteArray>("codes");
    QTest::addColumn<QByteArray>("expected"); // the buffer afterwards, guard byte included

    QTest::newRow("1 2 p 3") << bytes({1, 2, 49, 3}) << bytes({'1', '2', 'p', '3', 0, 0x5a});
    QTest::newRow("code 55 ends the text") << bytes({5, 55, 6}) << bytes({'5', 0, '6', 0, 0x5a});
    QTest::newRow("X and Q come back upper case") << bytes({48, 54}) << bytes({'X', 'Q', 0, 0x5a});
    QTest::newRow("digits, star, hash, A-D, $")
        << bytes({0, 9, 10, 11, 12, 13, 14, 15, 52})
        << bytes({'0', '9', '*', '#', 'A', 'B', 'C', 'D', '$', 0, 0x5a});
}

void TestDialString::decodes()
{
    QFETCH(QByteArray, codes);
    QFETCH(QByteArray, expected);
    // Room for the zero byte after the text, then the guard.
    QByteArray buffer = withGuard(codes + bytes({0x77}));
    QCOMPARE(DecodeDialString(data(buffer), int(codes.size())), 0);
    QCOMPARE(buffer, expected);
}

void TestDialString::decodeFailsOnInvalidCodeAndLeavesBuffer_data()
{
    QTest::addColumn<QByteArray>("codes");
    for (const int bad : {16, 47, 50, 51, 53, 56, 127, 128, 200, 255})
        QTest::addRow("code %d", bad) << bytes({1, 2, bad, 3});
    QTest::newRow("invalid code after a 55") << bytes({1, 55, 16});
}

void TestDialString::decodeFailsOnInvalidCodeAndLeavesBuffer()
{
    QFETCH(QByteArray, codes);
    QByteArray buffer = withGuard(codes);
    const QByteArray before = buffer;
    QCOMPARE(DecodeDialString(data(buffer), int(codes.size())), 1);
    QCOMPARE(buffer, before);
}

void TestDialString::encodes_data()
{
    QTest::addColumn<QByteArray>("characters");
    QTest::addColumn<QByteArray>("expected"); // the buffer afterwards, guard byte included

    QTest::newRow("1 2 P 3") << text("12P3") << bytes({1, 2, 49, 3, 0x5a});
    QTest::newRow("1 2 p 3") << text("12p3") << bytes({1, 2, 49, 3, 0x5a});
    QTest::newRow("x and X") << text("xX") << bytes({48, 48, 0x5a});
    QTest::newRow("q and Q") << text("qQ") << bytes({54, 54, 0x5a});
    QTest::newRow("both cases of A-D")
        << text("aAbBcCdD") << bytes({12, 12, 13, 13, 14, 14, 15, 15, 0x5a});
    QTest::newRow("digits, star, hash, $")
        << text("0189*#$") << bytes({0, 1, 8, 9, 10, 11, 52, 0x5a});
}

void TestDialString::encodes()
{
    QFETCH(QByteArray, characters);
    QFETCH(QByteArray, expected);
    QByteArray buffer = withGuard(characters);
    QCOMPARE(EncodeDialString(data(buffer), int(characters.size())), 0);
    QCOMPARE(buffer, expected);
}

void TestDialString::encodeFailsOnInvalidCharacterAndLeavesBuffer_data()
{
    QTest::addColumn<QByteArray>("characters");
    QTest::newRow("plus sign") << text("12+3");
    QTest::newRow("E") << text("E");
    QTest::newRow("space") << text("1 2");
    QTest::newRow("zero byte") << bytes({'1', 0});
    QTest::newRow("high byte") << bytes({'1', 0xd7});
    QTest::newRow("an already encoded code") << bytes({1, 2});
}

void TestDialString::encodeFailsOnInvalidCharacterAndLeavesBuffer()
{
    QFETCH(QByteArray, characters);
    QByteArray buffer = withGuard(characters);
    const QByteArray before = buffer;
    QCOMPARE(EncodeDialString(data(buffer), int(characters.size())), 1);
    QCOMPARE(buffer, before);
}

void TestDialString::emptyOrNegativeLengthTouchesNothing_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("most negative") << std::numeric_limits<int>::min();
}

void TestDialString::emptyOrNegativeLengthTouchesNothing()
{
    QFETCH(int, length);
    QByteArray buffer = bytes({200, 'a', 0x5a});
    const QByteArray before = buffer;
    QCOMPARE(DecodeDialString(data(buffer), length), 0);
    QCOMPARE(buffer, before);
    QCOMPARE(EncodeDialString(data(buffer), length), 0);
    QCOMPARE(buffer, before);
}

void TestDialString::fullHundredBytes()
{
    QByteArray buffer = withGuard(QByteArray(100, '7'));
    QCOMPARE(EncodeDialString(data(buffer), 100), 0);
    QCOMPARE(buffer, withGuard(QByteArray(100, '\x07')));

    QCOMPARE(DecodeDialString(data(buffer), 100), 0);
    QCOMPARE(buffer, QByteArray(100, '7') + bytes({0}));
}

// The scratch area holds 100 codes; a longer request is refused rather than overflowing it.
void TestDialString::overHundredBytesRefusedUntouched()
{
    QByteArray buffer = withGuard(QByteArray(101, '\x01'));
    const QByteArray before = buffer;
    QCOMPARE(DecodeDialString(data(buffer), 101), 1);
    QCOMPARE(buffer, before);

    QByteArray characters = withGuard(QByteArray(101, '1'));
    const QByteArray charactersBefore = characters;
    QCOMPARE(EncodeDialString(data(characters), 101), 1);
    QCOMPARE(characters, charactersBefore);
}

void TestDialString::everyCodeDecodesAsTableSays()
{
    const QByteArray valid =
        bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 48, 49, 52, 54, 55});
    const QByteArray characters = text("0123456789*#ABCDXp$Q");
    for (int code = 0; code < 256; ++code) {
        QByteArray buffer = bytes({code, 0x5a});
        const int index = int(valid.indexOf(char(code)));
        if (index < 0) {
            QCOMPARE(DecodeDialString(data(buffer), 1), 1);
            QCOMPARE(buffer, bytes({code, 0x5a}));
        } else {
            QCOMPARE(DecodeDialString(data(buffer), 1), 0);
            const int expected = index < characters.size() ? characters[index] : 0;
            QCOMPARE(buffer, bytes({expected, 0}));
        }
    }
}

int runDialStringTests(int argc, char** argv)
{
    TestDialString test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialstring.moc"
