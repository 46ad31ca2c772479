#include "PageTestSupport.h"
#include "pages/LanguageName.h"
#include "pages/NumberChecks.h"
#include "pages/TransferFields.h"
#include "res/HelpText.h"

#include <QTest>
#include <climits>

class PureFunctionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languageNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        // Both ends of the table and the names spelt the device's way, Finnish excepted.
        QTest::newRow("0") << 0 << "Hebrew";
        QTest::newRow("1") << 1 << "English US";
        QTest::newRow("13") << 13 << "Finnish";
        QTest::newRow("24") << 24 << "Argentinean";
        QTest::newRow("27") << 27 << "Japanese";
        QTest::newRow("255") << 255 << "Not Installed";
        for (int unknown : {28, 100, 254, 256, -1, -255, INT_MIN, INT_MAX})
            QTest::addRow("%d", unknown) << unknown << "Unknown";
    }
    void languageNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(LanguageName(code), name);
    }

    void numberChecks_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("phone");
        QTest::addColumn<bool>("pager");
        QTest::addColumn<bool>("sms");
        QTest::newRow("empty") << "" << true << true << true;
        QTest::newRow("digits") << "0123456789" << true << true << true;
        QTest::newRow("star and hash") << "*12#" << true << true << false;
        QTest::newRow("dial letters, both cases") << "PpAaBbCcDdQq" << true << true << false;
        QTest::newRow("X") << "12X" << false << true << false;
        QTest::newRow("x") << "x" << false << true << false;
        QTest::newRow("dollar") << "$5" << false << true << false;
        QTest::newRow("other letters") << "E" << false << false << false;
        QTest::newRow("lower-case e") << "1e" << false << false << false;
        QTest::newRow("hyphen") << "03-5" << false << false << false;
        QTest::newRow("blank") << "03 5" << false << false << false;
        QTest::newRow("blanks only") << "  " << false << false << false;
        QTest::newRow("plus first") << "+972541234567" << false << false << true;
        QTest::newRow("plus alone") << "+" << false << false << true;
        QTest::newRow("plus later") << "9+7" << false << false << false;
        QTest::newRow("two plus") << "++9" << false << false << false;
        QTest::newRow("Arabic-Indic digit")
            << QString::fromUtf8("\u0663") << false << false << false;
        QTest::newRow("full-width digit") << QString::fromUtf8("\uFF11") << false << false << false;
    }
    void numberChecks()
    {
        QFETCH(QString, number);
        QFETCH(bool, phone);
        QFETCH(bool, pager);
        QFETCH(bool, sms);
        QCOMPARE(IsValidPhoneNumber(number), phone);
        QCOMPARE(IsValidPagerNumber(number), pager);
        QCOMPARE(IsValidSmsNumber(number), sms);
    }

    void transferIntegers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("trailing text") << "12abc" << 12;
        QTest::newRow("text") << "abc" << 0;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("leading blank") << " 3" << 3;
        QTest::newRow("too big") << "99999999999" << INT_MAX;
        QTest::newRow("too small") << "-99999999999" << INT_MIN;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663") << 0;
    }
    void transferIntegers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(zel::transferInt(text), value);
    }

    void listTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("operator slots")
            << "_201___305____" << strings({"", "201", "", "", "305", "", "", ""});
        QTest::newRow("one empty entry") << "_" << strings({""});
        QTest::newRow("last without separator") << "a_b" << strings({"a", "b"});
        QTest::newRow("single without separator") << "a" << strings({"a"});
    }
    void listTexts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QCOMPARE(zel::listEntries(text), entries);
    }

    void everyPageContextIdHasATopic()
    {
        for (int id : {1,  2,  3,  4,  5,  6,  7,  8,  9,  16, 17, 18,
                       19, 20, 21, 22, 23, 24, 25, 32, 33, 34, 35, 36}) {
            QVERIFY2(zel::res::contextHelpText(id).size() > 20, qPrintable(QString::number(id)));
        }
        QVERIFY(zel::res::contextHelpText(0).isEmpty());
        QVERIFY(zel::res::contextHelpText(10).isEmpty());
    }
};

#include "tst_pure_functions.moc"

int runPureFunctionsTest(int argc, char** argv)
{
    PureFunctionsTest test;
    return QTest::qExec(&test, argc, argv);
}
