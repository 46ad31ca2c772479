// What the user can and cannot do while Apply checks the pages and while it waits for the device.
#include "ShellTestSupport.h"
#include "exchange/CApplyDlg.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/CZelMainDlg.h"
#include "support/BoxRecorder.h"
#include "support/DeviceProcess.h"
#include "support/MockClock.h"
#include "support/ModalScript.h"
#include "support/TempProfile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWindow>

class TestModalApply : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void applyExchangeTakesNoInput();
    void pageCheckTakesNoInputAndGreysNothing();
    void failedCheckLeavesTheFaultyControlReady();
};

namespace {

const QString kSuccess = QStringLiteral("Data Transfer is successfully completed");
const QString kPreApply = QStringLiteral("Pre-Apply settings");

// The demo device's mailbox 305 and a main window configured for it.
struct Zel
{
    explicit Zel(const QStringList& deviceOptions = {})
    {
        started = device.start(deviceOptions);
        profile.write(profileFor(device.port(), QStringLiteral("305")));
        dlg = std::make_unique<CZelMainDlg>(zel::ProfileFile(profile.path()));
        zel::setMainWindow(dlg.get());
    }
    ~Zel() { zel::setMainWindow(nullptr); }

    zel::Dialog& settings() { return *dlg->page(0); }
    QComboBox* settingsList(int id) { return settings().dlgItem<QComboBox>(id); }
    int applyRequests() { return int(device.log().count(QStringLiteral("apply request"))); }
    // The device logs after it has answered: its log is complete once it has stopped.
    int applyRequestsInTheEnd()
    {
        device.stop();
        return applyRequests();
    }

    // Everything a user can try on the main window: click its buttons, press Enter and
    // Escape, close it as the window manager does, and on Windows the system menu's commands.
    void tryEverything()
    {
        for (int id : {zel::IDC_MAIN_APPLY, zel::IDC_MAIN_REFRESH, zel::IDCANCEL})
            QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton);
        QWidget* focus = dlg->focusWidget() ? dlg->focusWidget() : dlg.get();
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Escape);
        dlg->windowHandle()->close();
        sendNativeCommands(dlg.get());
        QVERIFY(!liveWindow(QStringLiteral("About Zel")));
    }

    DeviceProcess device;
    bool started = false;
    TempProfile profile;
    BoxRecorder boxes;
    std::unique_ptr<CZelMainDlg> dlg;
};

void answerPassword(Script& script, Zel& zel)
{
    script.when(
        [] {
            auto* refresh = qobject_cast<zel::Dialog*>(
                liveWindow(QStringLiteral("Refresh mailbox settings view")));
            return refresh && refresh->GetDlgItem(zel::IDC_REFRESH_PASSWORD)->isVisible();
        },
        [] {
            auto* refresh = qobject_cast<zel::Dialog*>(
                zel::FindWindow(QStringLiteral("Refresh mailbox settings view")));
            QTest::keyClicks(refresh->GetDlgItem(zel::IDC_REFRESH_PASSWORD),
                             QStringLiteral("1234"));
            QTest::keyClick(refresh->GetDlgItem(zel::IDC_REFRESH_PASSWORD), Qt::Key_Return);
        });
    script.when([&zel] { return zel.dlg->viewed(); }, [] {});
}

} // namespace

void TestModalApply::applyExchangeTakesNoInput()
{
    // The device keeps the acknowledgement back for five seconds: long enough for the script to
    // see the wait window on a loaded machine under Wine, well inside the exchange's time-out.
    Zel zel({QStringLiteral("--delay"), QStringLiteral("5000"), QStringLiteral("--fault-on"),
             QStringLiteral("apply")});
    QVERIFY(zel.started);
    Script script;
    answerPassword(script, zel);
    script.then(
        [&] { QTest::mouseClick(zel.dlg->GetDlgItem(zel::IDC_MAIN_APPLY), Qt::LeftButton); });
    script.when([&] { return zel::FindWindow(CApplyDlg::caption()) && zel.applyRequests() == 1; },
                [&] { zel.tryEverything(); });
    script.when([&] { return !zel.boxes.texts().isEmpty(); },
                [&] {
                    QCOMPARE(zel.boxes.texts(), QStringList{kSuccess});
                    QVERIFY(zel.dlg->isVisible());
                    zel.dlg->dlgItem<QPushButton>(zel::IDCANCEL)->click();
                });
    QCOMPARE(zel.dlg->DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(zel.applyRequestsInTheEnd(), 1);
    QCOMPARE(zel.device.log().count(QStringLiteral("view request")), 1);
}

void TestModalApply::pageCheckTakesNoInputAndGreysNothing()
{
    Zel zel;
    QVERIFY(zel.started);
    Script script;
    answerPassword(script, zel);
    script.then([&] {
        MockClock fakeTime(1'000'000'000'000, 20);
        QList<bool> enabledWhileWaiting;
        bool waitWindowStays = false;
        QWindow* waitOwner = nullptr;
        Script duringCheck;
        duringCheck.when([] { return liveWindow(kPreApply); },
                         [&] {
                             for (int id : {zel::IDC_MAIN_REFRESH, zel::IDC_MAIN_APPLY,
                                            zel::IDCANCEL, zel::ID_HELP})
                                 enabledWhileWaiting.append(zel.dlg->GetDlgItem(id)->isEnabled());
                             zel.tryEverything();
                             QTest::keyClick(liveWindow(kPreApply), Qt::Key_Return);
                             waitWindowStays = liveWindow(kPreApply);
                             // Owned by the main window, which gets the focus back after it.
                             if (waitWindowStays)
                                 waitOwner =
                                     liveWindow(kPreApply)->windowHandle()->transientParent();
                         });
        zel.dlg->dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QVERIFY(duringCheck.finished());
        QCOMPARE(enabledWhileWaiting, QList<bool>(4, true));
        QVERIFY(waitWindowStays);
        QCOMPARE(waitOwner, zel.dlg->windowHandle());
        // Neither the close request nor the clicks were taken: one apply, and the endpoint lives.
        QCOMPARE(zel.boxes.texts(), QStringList{kSuccess});
        QVERIFY(zel.dlg->isVisible());
        QVERIFY(zel.dlg->link().endpoint());
        zel.dlg->dlgItem<QPushButton>(zel::IDCANCEL)->click();
    });
    QCOMPARE(zel.dlg->DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(zel.applyRequestsInTheEnd(), 1);
}

void TestModalApply::failedCheckLeavesTheFaultyControlReady()
{
    Zel zel;
    QVERIFY(zel.started);
    Script script;
    answerPassword(script, zel);
    script.then([&] {
        CZelMainDlg& dlg = *zel.dlg;
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        // A text check fails while another page is shown: the user lands on the wrong text,
        // selected whole, so that typing replaces it.
        auto* password = zel.settings().dlgItem<QLineEdit>(zel::IDC_SETTINGS_PASSWORD);
        password->setText(QStringLiteral("123"));
        mainTabs(dlg)->setCurrentIndex(2);
        QTest::mouseClick(dlg.GetDlgItem(zel::IDC_MAIN_APPLY), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), password);
        QCOMPARE(password->selectedText(), QStringLiteral("123"));
        password->setText(QStringLiteral("1234"));

        // A virtual mailbox with local notification: the hidden list opens, and the user
        // picks "none" in it.
        QComboBox* localNotify = zel.settingsList(zel::IDC_SETTINGS_LOCAL_NOTIFY);
        zel.settingsList(zel::IDC_SETTINGS_MAILBOX_TYPE)->setCurrentIndex(1);
        QCOMPARE(localNotify->currentIndex(), 1);
        QTest::mouseClick(dlg.GetDlgItem(zel::IDC_MAIN_APPLY), Qt::LeftButton);
        QVERIFY(localNotify->view()->isVisible());
        QTest::keyClick(localNotify->view(), Qt::Key_Home);
        QTest::keyClick(localNotify->view(), Qt::Key_Return);
        QCOMPARE(localNotify->currentIndex(), 0);

        // No language: its list opens.
        zel.settingsList(zel::IDC_SETTINGS_MAILBOX_TYPE)->setCurrentIndex(0);
        zel.settingsList(zel::IDC_SETTINGS_LANGUAGE)->setCurrentIndex(-1);
        QTest::mouseClick(dlg.GetDlgItem(zel::IDC_MAIN_APPLY), Qt::LeftButton);
        QVERIFY(zel.settingsList(zel::IDC_SETTINGS_LANGUAGE)->view()->isVisible());
        QCOMPARE(
            zel.boxes.texts(),
            (QStringList{QStringLiteral("Password is not valid. Please enter 4 digits"),
                         QStringLiteral("Virtual Mailboxes does not support Local Notification"),
                         QStringLiteral("Selected Language is not supported")}));
        zel.settingsList(zel::IDC_SETTINGS_LANGUAGE)->hidePopup();
        dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
    });
    QCOMPARE(zel.dlg->DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(zel.applyRequestsInTheEnd(), 0);
}

#include "tst_modal_apply.moc"

int runModalApplyTests(int argc, char** argv)
{
    TestModalApply test;
    return QTest::qExec(&test, argc, argv);
}
