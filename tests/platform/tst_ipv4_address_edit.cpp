#include "platform/Ipv4AddressEdit.h"

#include <QLineEdit>
#include <QtTest>

using namespace zel;

namespace {
// Types as a user would: each key goes to whichever field has the focus by then.
void typeAtFocus(const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
} // namespace

class Ipv4AddressEditTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingMovesThroughTheFields()
    {
        Ipv4AddressEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.field(0)->setFocus();
        typeAtFocus(QStringLiteral("192168"));
        QCOMPARE(QApplication::focusWidget(), edit.field(2));
        typeAtFocus(QStringLiteral("1.7"));
        QCOMPARE(QApplication::focusWidget(), edit.field(3));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{192, 168, 1, 7}));

        QTest::keyClicks(edit.field(3), QStringLiteral("9")); // 79
        QTest::keyClicks(edit.field(3), QStringLiteral("9")); // 799 is no byte
        QCOMPARE(edit.field(3)->text(), QStringLiteral("79"));
        QTest::keyClicks(edit.field(3), QStringLiteral("x-."));
        QCOMPARE(edit.field(3)->text(), QStringLiteral("79"));

        edit.field(3)->clear();
        QTest::keyClick(edit.field(3), Qt::Key_Backspace);
        QCOMPARE(QApplication::focusWidget(), edit.field(2));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{192, 168, 1, 0}));
    }

    void typingOverFilledFields()
    {
        Ipv4AddressEdit edit;
        edit.setAddress({0, 0, 0, 0});
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        // A click anywhere in a field holding "0" must not leave the 0 in front of the digits.
        QLineEdit* first = edit.field(0);
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(2, first->height() / 2));
        typeAtFocus(QStringLiteral("127.0.0.1"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{127, 0, 0, 1}));

        // The dot typed after a third digit moved the caret on does not skip a field.
        edit.setAddress({10, 20, 30, 40});
        edit.field(3)->setFocus();
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 2, 2));
        typeAtFocus(QStringLiteral("192.168.1.2"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{192, 168, 1, 2}));

        // 255 goes into every field; the keypad's decimal key moves on as a dot does, also where
        // it types a comma.
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(2, 2));
        typeAtFocus(QStringLiteral("255255255255"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{255, 255, 255, 255}));
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(2, 2));
        for (Qt::Key decimal : {Qt::Key_Comma, Qt::Key_Period, Qt::Key_Comma}) {
            typeAtFocus(QStringLiteral("7"));
            QTest::keyClick(QApplication::focusWidget(), decimal, Qt::KeypadModifier);
        }
        typeAtFocus(QStringLiteral("8"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{7, 7, 7, 8}));
        // The main keyboard's comma is no decimal key: it is refused as any letter is.
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(2, 2));
        typeAtFocus(QStringLiteral("1,2"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{12, 7, 7, 8}));
    }

    void addressAndNames()
    {
        Ipv4AddressEdit edit;
        edit.setAddress({10, 0, 255, 1});
        QCOMPARE(edit.field(2)->text(), QStringLiteral("255"));
        QCOMPARE(edit.address(), (std::array<quint8, 4>{10, 0, 255, 1}));
        edit.setAccessibleNames(QStringLiteral("Device address"));
        QCOMPARE(edit.field(3)->accessibleName(), QStringLiteral("Device address, part 4"));
    }
};

int runIpv4AddressEditTests(int argc, char** argv)
{
    Ipv4AddressEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ipv4_address_edit.moc"
