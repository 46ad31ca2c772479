#include "ShellTestSupport.h"
#include "platform/Help.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/CZelMainDlg.h"
#include "support/BoxRecorder.h"
#include "support/ModalScript.h"
#include "support/TempProfile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QUdpSocket>

class TestMainDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnSettingsPageWithMailbox();
    void tabsShowExactlyOnePage();
    void offlineYesKeepsWindowAndRefusesApply();
    void offlineNoEndsProgramQuietly();
    void everyWayOutClosesTheSocket_data();
    void everyWayOutClosesTheSocket();
    void aboutEntryOpensAboutBox();
    void helpShowsMainWindowTopic();
    void accessibleNames();
};

namespace {

const QString kRefresh = QStringLiteral("Refresh mailbox settings view");

// A main window whose device never answers (nothing listens on the port of a socket that
// was closed again); the first Refresh is cancelled and the user chooses to work offline.
struct OfflineWindow
{
    OfflineWindow() : dlg(zel::ProfileFile(profile.path()))
    {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        const quint16 silentPort = probe.localPort();
        probe.close();
        profile.write(profileFor(silentPort, QStringLiteral("305")));
        zel::setMainWindow(&dlg);
    }
    ~OfflineWindow() { zel::setMainWindow(nullptr); }

    // Adds the steps that take the window off line; `thenDo` runs once it is.
    void goOffline(Script& script)
    {
        boxes.answerNext(zel::MessageBox::IdYes);
        script.when([] { return liveWindow(kRefresh) != nullptr; },
                    [] { clickButton(kRefresh, zel::IDCANCEL); });
        script.when([this] { return dlg.GetDlgItem(zel::IDC_MAIN_OFFLINE_BANNER)->isVisible(); },
                    [] {});
    }

    // Runs the window until it is off line, then `whileOffline`, then Close; it must end as
    // cancelled with every step done. Close comes even after a failed check, so that a failure
    // does not leave the window waiting.
    void runOffline(const std::function<void()>& whileOffline)
    {
        Script script;
        goOffline(script);
        script.then([&] {
            whileOffline();
            dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
        });
        QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
        QVERIFY(script.finished());
    }

    TempProfile profile;
    BoxRecorder boxes;
    CZelMainDlg dlg;
};

QStringList itemTexts(QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

void TestMainDlg::startsOnSettingsPageWithMailbox()
{
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    Script script;
    script.when([&dlg] { return dlg.isVisible(); },
                [&dlg] {
                    QCOMPARE(dlg.windowTitle(), QStringLiteral("Zel"));
                    QCOMPARE(dlg.currentPage(), 0);
                    QVERIFY(dlg.page(0)->isVisible());
                    QVERIFY(!dlg.page(1)->isVisible());
                    QVERIFY(!dlg.page(2)->isVisible());
                    QCOMPARE(dlg.page(0)->GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_NUMBER),
                             QStringLiteral("305"));
                    // Until the first view the off-line banner is hidden.
                    QVERIFY(!dlg.GetDlgItem(zel::IDC_MAIN_OFFLINE_BANNER)->isVisible());
                    QCOMPARE(mainTabs(dlg)->count(), 3);
                    QCOMPARE(mainTabs(dlg)->tabText(0), QStringLiteral("Mailbox Settings"));
                    QCOMPARE(mainTabs(dlg)->tabText(1), QStringLiteral("Mailbox Notifications"));
                    QCOMPARE(mainTabs(dlg)->tabText(2), QStringLiteral("Mailbox Statistics"));
                });
    window.goOffline(script);
    script.then([&dlg] {
        // Settings page after working offline at start: default languages, no operators,
        // fax list "None".
        auto* settings = dlg.page(0);
        QCOMPARE(itemTexts(settings->dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)),
                 (QStringList{QStringLiteral("1st Language"), QStringLiteral("2nd Language"),
                              QStringLiteral("3rd Language")}));
        QCOMPARE(settings->dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->count(), 0);
        QCOMPARE(itemTexts(settings->dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)),
                 QStringList{QStringLiteral("None")});
        QCOMPARE(dlg.page(2)->GetDlgItemText(zel::IDC_STATISTICS_NEW_MESSAGES), QString());
        dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
    });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
}

void TestMainDlg::tabsShowExactlyOnePage()
{
    auto window = std::make_unique<OfflineWindow>();
    CZelMainDlg& dlg = window->dlg;
    window->runOffline([&dlg] {
        // Only the very first display writes the mailbox number.
        dlg.page(0)->SetDlgItemText(zel::IDC_SETTINGS_MAILBOX_NUMBER, QStringLiteral("changed"));
        for (int index : {2, 1, 0, 2}) {
            mainTabs(dlg)->setCurrentIndex(index);
            QCOMPARE(dlg.currentPage(), index);
            for (int other = 0; other < 3; ++other)
                QCOMPARE(dlg.page(other)->isVisible(), other == index);
        }
        QCOMPARE(dlg.page(0)->GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_NUMBER),
                 QStringLiteral("changed"));
    });
    // The window's end removes the tabs before it deletes the pages: no page is switched to.
    int shownAtEnd = -1;
    connect(dlg.page(0), &QObject::destroyed, this, [&] { shownAtEnd = dlg.currentPage(); });
    window.reset();
    QCOMPARE(shownAtEnd, 2);
}

void TestMainDlg::offlineYesKeepsWindowAndRefusesApply()
{
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    Script script;
    window.goOffline(script);
    script.then([&] {
        QVERIFY(!dlg.viewed());
        QVERIFY(dlg.firstRefresh());
        QVERIFY(dlg.link().endpoint());
        QCOMPARE(window.boxes.texts(), QStringList{QStringLiteral("Do you want to work offline?")});
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QCOMPARE(window.boxes.texts().size(), 2);
        const auto refused = window.boxes.shown().constLast();
        QCOMPARE(refused.text,
                 QStringLiteral("Current mailbox configuration must be viewed before applying "
                                "new data!\n\nPlease do 'Refresh' first!"));
        QCOMPARE(refused.icon, zel::MessageBox::Exclamation);
        QCOMPARE(refused.title, zel::applicationTitle());
        QVERIFY(!zel::FindWindow(QStringLiteral("Pre-Apply settings")));
        QVERIFY(dlg.isVisible());

        // A second Refresh asks for the password again, since no view has succeeded yet.
        window.boxes.answerNext(zel::MessageBox::IdYes);
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_REFRESH)->click();
    });
    script.when([] { return liveWindow(kRefresh) != nullptr; },
                [&] {
                    auto* refresh = qobject_cast<zel::Dialog*>(zel::FindWindow(kRefresh));
                    QVERIFY(refresh);
                    clickButton(kRefresh, zel::IDCANCEL);
                });
    script.when([&] { return window.boxes.texts().size() == 3; },
                [&] {
                    QVERIFY(dlg.GetDlgItem(zel::IDC_MAIN_OFFLINE_BANNER)->isVisible());
                    dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
                });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QVERIFY(!dlg.link().endpoint());
}

void TestMainDlg::offlineNoEndsProgramQuietly()
{
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    Script script;
    script.when([] { return liveWindow(kRefresh) != nullptr; },
                [] { clickButton(kRefresh, zel::IDCANCEL); });
    window.boxes.answerNext(zel::MessageBox::IdNo);
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QCOMPARE(window.boxes.texts(), QStringList{QStringLiteral("Do you want to work offline?")});
    QCOMPARE(window.boxes.shown().constFirst().buttons, zel::MessageBox::YesNo);
    QVERIFY(!dlg.link().endpoint());
    QVERIFY(!dlg.isVisible());
}

void TestMainDlg::everyWayOutClosesTheSocket_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Close button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
}

void TestMainDlg::everyWayOutClosesTheSocket()
{
    QFETCH(int, way);
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    Script script;
    window.goOffline(script);
    script.then([&dlg, way] {
        QVERIFY(dlg.link().endpoint());
        // Enter is no way out: unapplied edits would go with it.
        QTest::keyClick(mainTabs(dlg), Qt::Key_Return);
        QVERIFY(dlg.isWindowAlive());
        if (way == 0)
            dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
        else if (way == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
    });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    // Released by the way out itself: the window object still exists.
    QVERIFY(!dlg.link().endpoint());
    QVERIFY(dlg.link().deviceAddress().isEmpty());
    QCOMPARE(window.boxes.texts().size(), 1);
}

void TestMainDlg::aboutEntryOpensAboutBox()
{
    if (!hasSystemMenu())
        QSKIP(
            "The system menu needs native windows: the suite's run on the windows platform has it");
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    const QString aboutCaption = QStringLiteral("About Zel");
    const auto aboutBoxes = [&aboutCaption] {
        int count = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            count += widget->isVisible() && widget->windowTitle() == aboutCaption;
        return count;
    };
    Script script;
    QStringList entryTexts;
    QStringList firstTexts;
    window.goOffline(script);
    script.then([&] { entryTexts.append(chooseAboutEntry(&dlg)); });
    for (int round = 0; round < 2; ++round) {
        script.when([&] { return liveWindow(aboutCaption) != nullptr; },
                    [&, round] {
                        QStringList texts;
                        for (QLabel* label : zel::FindWindow(aboutCaption)->findChildren<QLabel*>())
                            texts.append(label->text());
                        if (round == 0) {
                            firstTexts = texts;
                            QVERIFY(
                                texts.contains(QStringLiteral("ZEL Version " ZEL_SHOWN_VERSION)));
                            // The About box is modal: the system menu must not open a second.
                            sendNativeCommands(&dlg);
                            QCOMPARE(aboutBoxes(), 1);
                            QVERIFY(dlg.isVisible());
                        } else {
                            QCOMPARE(texts, firstTexts);
                        }
                        clickButton(aboutCaption, zel::IDOK);
                    });
        script.when([&] { return !zel::FindWindow(aboutCaption); },
                    [&, round] {
                        if (round == 0)
                            entryTexts.append(chooseAboutEntry(&dlg));
                    });
    }
    script.then([&dlg] { dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click(); });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(entryTexts, QStringList(2, QStringLiteral("&About Zel...")));
}

void TestMainDlg::helpShowsMainWindowTopic()
{
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    window.runOffline([&] {
        dlg.dlgItem<QPushButton>(zel::ID_HELP)->click();
        QTextBrowser* help = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* browser = qobject_cast<QTextBrowser*>(widget);
                browser && browser->isVisible())
                help = browser;
        }
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Zel"));
        QVERIFY(help->toPlainText().contains(QStringLiteral("Refresh asks the device")));
        QVERIFY(help->toPlainText().contains(QStringLiteral("\"About Zel\"")));
    });
}

void TestMainDlg::accessibleNames()
{
    OfflineWindow window;
    CZelMainDlg& dlg = window.dlg;
    window.runOffline([&dlg] {
        QCOMPARE(dlg.GetDlgItem(zel::IDC_MAIN_REFRESH)->accessibleName(),
                 QStringLiteral("Refresh"));
        QCOMPARE(dlg.GetDlgItem(zel::IDC_MAIN_APPLY)->accessibleName(), QStringLiteral("Apply"));
        QCOMPARE(dlg.GetDlgItem(zel::IDCANCEL)->accessibleName(), QStringLiteral("Close"));
        QCOMPARE(dlg.GetDlgItem(zel::ID_HELP)->accessibleName(), QStringLiteral("Help"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(dlg.page(i)->accessibleName(), mainTabs(dlg)->tabText(i));
            QCOMPARE(mainTabs(dlg)->accessibleTabName(i), mainTabs(dlg)->tabText(i));
        }
    });
}

#include "tst_main_dlg.moc"

int runMainDlgTests(int argc, char** argv)
{
    TestMainDlg test;
    return QTest::qExec(&test, argc, argv);
}
