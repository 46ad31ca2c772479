#include "ShellTestSupport.h"
#include "platform/LeadingNumber.h"
#include "res/resource.h"
#include "shell/CDataInitDlg.h"
#include "support/BoxRecorder.h"
#include "support/ModalScript.h"
#include "support/TempProfile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestDataInitDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void atoiRules();
    void addressSplit_data();
    void addressSplit();
    void firstRunAsksForBoth();
    void mailboxErrorSelectsItsText();
    void acceptsEdgeAddresses_data();
    void acceptsEdgeAddresses();
    void mailboxTakesSixCharacters();
    void overlongPortKeepsDialogOpen();
    void cancelWaysEndWithCancel();
    void accessibleNames();
};

namespace {

const QString kCaption = QStringLiteral("Zel Data Initializing");

// Ends a dialog that OK left open, so that the test fails instead of waiting; OK's own end is
// queued, and on Windows the next step may run before it.
void endIfStillOpen(zel::Dialog& dlg)
{
    if (dlg.isWindowAlive())
        dlg.EndDialog(zel::IDCANCEL);
}

} // namespace

void TestDataInitDlg::atoiRules()
{
    QCOMPARE(zel::atoiText(QString()), 0);
    QCOMPARE(zel::atoiText(QStringLiteral("  42abc")), 42);
    QCOMPARE(zel::atoiText(QStringLiteral("-7")), -7);
    QCOMPARE(zel::atoiText(QStringLiteral("+12")), 12);
    QCOMPARE(zel::atoiText(QStringLiteral("x12")), 0);
    QCOMPARE(zel::atoiText(QStringLiteral("99999999999999999999")), 2147483647);
    QCOMPARE(zel::atoiText(QStringLiteral("-99999999999999999999")), -2147483647 - 1);
}

void TestDataInitDlg::addressSplit_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("empty") << QString() << QList<int>{0, 0, 0, 0};
    QTest::newRow("plain") << QStringLiteral("192.168.1.20") << QList<int>{192, 168, 1, 20};
    QTest::newRow("leading zeros") << QStringLiteral("010.001.000.099") << QList<int>{10, 1, 0, 99};
    QTest::newRow("low 8 bits") << QStringLiteral("300.-1.256.7") << QList<int>{44, 255, 0, 7};
    QTest::newRow("too few dots") << QStringLiteral("10.5") << QList<int>{10, 5, 0, 0};
    QTest::newRow("extra dots stay in the last part")
        << QStringLiteral("1.2.3.4.5") << QList<int>{1, 2, 3, 4};
    QTest::newRow("not numbers") << QStringLiteral("a.b.c.d") << QList<int>{0, 0, 0, 0};
    QTest::newRow("blanks and signs") << QStringLiteral(" 7.+8. 9x.-0") << QList<int>{7, 8, 9, 0};
}

void TestDataInitDlg::addressSplit()
{
    QFETCH(QString, address);
    QFETCH(QList<int>, bytes);
    const auto result = CDataInitDlg::addressBytes(address);
    QCOMPARE((QList<int>{result[0], result[1], result[2], result[3]}), bytes);
}

void TestDataInitDlg::firstRunAsksForBoth()
{
    BoxRecorder boxes;
    CDataInitDlg dlg({}, QStringLiteral("5000"));
    bool checked = false;
    const int result = runModal(dlg, [&](Script& script) {
        script
            .then([&] {
                QCOMPARE(dlg.windowTitle(), kCaption);
                QCOMPARE(dlg.GetDlgItemText(zel::IDC_DATA_INIT_MAILBOX), QString());
                QCOMPARE(addressEdit(dlg)->address(), (std::array<quint8, 4>{0, 0, 0, 0}));
                QVERIFY(!dlg.GetDlgItem(zel::IDC_DATA_INIT_PORT)->isVisible());
                QVERIFY(!dlg.GetDlgItem(zel::IDC_DATA_INIT_PORT_LABEL)->isVisible());
                dlg.dlgItem<QPushButton>(zel::IDOK)->click();
                QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Data entry error")});
                QCOMPARE(boxes.shown().constFirst().icon, zel::MessageBox::Exclamation);
                QCOMPARE(dlg.focusWidget(), dlg.GetDlgItem(zel::IDC_DATA_INIT_MAILBOX));
                QVERIFY(dlg.isVisible());

                // Now the mailbox, but still 0.0.0.0: the address is refused.
                QTest::keyClicks(dlg.dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX),
                                 QStringLiteral("305"));
                dlg.dlgItem<QPushButton>(zel::IDOK)->click();
                QCOMPARE(boxes.texts().size(), 2);
                QCOMPARE(boxes.texts().constLast(), QStringLiteral("Data entry error"));
                QCOMPARE(dlg.focusWidget(), addressEdit(dlg)->field(0));
                QVERIFY(dlg.isVisible());

                typeAddress(dlg, {QStringLiteral("010"), QStringLiteral("0"), QStringLiteral("07"),
                                  QStringLiteral("1")});
                dlg.dlgItem<QPushButton>(zel::IDOK)->click();
                checked = true;
            })
            .then([&dlg] { endIfStillOpen(dlg); });
    });
    QVERIFY(checked);
    QCOMPARE(result, zel::IDOK);
    QCOMPARE(dlg.mailbox(), QStringLiteral("305"));
    QCOMPARE(dlg.address(), QStringLiteral("10.0.7.1"));
    QCOMPARE(dlg.port(), QStringLiteral("5000"));
    QCOMPARE(boxes.texts().size(), 2);
}

void TestDataInitDlg::mailboxErrorSelectsItsText()
{
    BoxRecorder boxes;
    CDataInitDlg dlg({}, {}, QStringLiteral("10.1.1.1"));
    runModal(dlg, [&](Script& script) {
        script.then([&] {
            auto* mailbox = dlg.dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX);
            QTest::keyClicks(mailbox, QStringLiteral("   "));
            mailbox->clear();
            dlg.dlgItem<QPushButton>(zel::IDOK)->click();
            QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Data entry error")});
            QCOMPARE(dlg.focusWidget(), mailbox);
            dlg.EndDialog(zel::IDCANCEL);
        });
    });
}

void TestDataInitDlg::acceptsEdgeAddresses_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("returned");
    QTest::newRow("first field only") << QStringLiteral("10.0.0.0") << QStringLiteral("10.0.0.0");
    QTest::newRow("all ones") << QStringLiteral("255.255.255.255")
                              << QStringLiteral("255.255.255.255");
    QTest::newRow("leading zeros dropped")
        << QStringLiteral("010.020.003.000") << QStringLiteral("10.20.3.0");
}

void TestDataInitDlg::acceptsEdgeAddresses()
{
    QFETCH(QString, given);
    QFETCH(QString, returned);
    BoxRecorder boxes;
    CDataInitDlg dlg(QStringLiteral("77"), QStringLiteral("00123"), given);
    const int result = runModal(dlg, [&](Script& script) {
        script.then([&dlg] { dlg.dlgItem<QPushButton>(zel::IDOK)->click(); }).then([&dlg] {
            endIfStillOpen(dlg);
        });
    });
    QCOMPARE(result, zel::IDOK);
    QVERIFY(boxes.texts().isEmpty());
    QCOMPARE(dlg.address(), returned);
    QCOMPARE(dlg.mailbox(), QStringLiteral("77"));
    // The hidden port text comes back exactly as it went in.
    QCOMPARE(dlg.port(), QStringLiteral("00123"));
}

void TestDataInitDlg::mailboxTakesSixCharacters()
{
    BoxRecorder boxes;
    CDataInitDlg dlg({}, {}, QStringLiteral("192.168.0.9"));
    const int result = runModal(dlg, [&](Script& script) {
        script.then([&dlg] {
            QTest::keyClicks(dlg.dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX),
                             QStringLiteral("ab12345"));
            QCOMPARE(dlg.GetDlgItemText(zel::IDC_DATA_INIT_MAILBOX), QStringLiteral("ab1234"));
            dlg.dlgItem<QPushButton>(zel::IDOK)->click();
        });
        script.then([&dlg] { endIfStillOpen(dlg); });
    });
    QCOMPARE(result, zel::IDOK);
    QCOMPARE(dlg.mailbox(), QStringLiteral("ab1234"));
    QVERIFY(boxes.texts().isEmpty());
}

void TestDataInitDlg::overlongPortKeepsDialogOpen()
{
    BoxRecorder boxes;
    CDataInitDlg dlg(QStringLiteral("305"), QStringLiteral("123456"), QStringLiteral("10.0.0.1"));
    const int result = runModal(dlg, [&](Script& script) {
        script.then([&] {
            dlg.dlgItem<QPushButton>(zel::IDOK)->click();
            QCOMPARE(boxes.texts().size(), 1);
            QVERIFY(boxes.texts().constFirst().contains(QStringLiteral("\"123456\"")));
            QVERIFY(dlg.isVisible());
            dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
        });
    });
    QCOMPARE(result, zel::IDCANCEL);
    QCOMPARE(dlg.port(), QStringLiteral("123456"));
}

void TestDataInitDlg::cancelWaysEndWithCancel()
{
    for (int way = 0; way < 3; ++way) {
        BoxRecorder boxes;
        CDataInitDlg dlg;
        const int result = runModal(dlg, [&](Script& script) {
            script.then([&dlg, way] {
                if (way == 0)
                    dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
                else if (way == 1)
                    QTest::keyClick(&dlg, Qt::Key_Escape);
                else
                    dlg.close();
            });
        });
        QCOMPARE(result, zel::IDCANCEL);
        QVERIFY(boxes.texts().isEmpty());
    }
}

void TestDataInitDlg::accessibleNames()
{
    CDataInitDlg dlg;
    runModal(dlg, [&](Script& script) {
        script.then([&dlg] {
            QCOMPARE(dlg.GetDlgItem(zel::IDC_DATA_INIT_MAILBOX)->accessibleName(),
                     QStringLiteral("Mailbox Number"));
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(addressEdit(dlg)->field(i)->accessibleName(),
                         QStringLiteral("Device IP address, part %1").arg(i + 1));
            }
            dlg.EndDialog(zel::IDCANCEL);
        });
    });
}

#include "tst_data_init_dlg.moc"

int runDataInitDlgTests(int argc, char** argv)
{
    TestDataInitDlg test;
    return QTest::qExec(&test, argc, argv);
}
