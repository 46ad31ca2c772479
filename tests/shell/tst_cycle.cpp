#include "LanguageChecks.h"
#include "ShellTestSupport.h"
#include "exchange/CRefreshDlg.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CDataInitDlg.h"
#include "shell/CZelMainDlg.h"
#include "shell/Translations.h"
#include "support/BoxRecorder.h"
#include "support/DeviceProcess.h"
#include "support/MockClock.h"
#include "support/ModalScript.h"
#include "support/TempProfile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

class TestCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeCycle();
    void deviceWithoutEmail();
    void localNotificationPickedIsApplied();
    void keyboardSwitchesPages();
    void failingSettingsPageComesToFront();
    void failingNotificationsPageAfterTheWait();
    void applyWithoutEndpointIsRefused();
    void everyWindowInEveryLanguage_data();
    void everyWindowInEveryLanguage();
};

namespace {

const QString kRefresh = QStringLiteral("Refresh mailbox settings view");
const QString kSuccess = QStringLiteral("Data Transfer is successfully completed");

QJsonObject mailboxWithEmail()
{
    return QJsonObject{
        {QStringLiteral("mailboxNumber"), QStringLiteral("305")},
        {QStringLiteral("password"), QStringLiteral("1234")},
        {QStringLiteral("mailboxType"), 0},
        {QStringLiteral("languageIndex"), 1},
        {QStringLiteral("languageCodes"), QJsonArray{0, 1, 5}},
        {QStringLiteral("notifyExtension"), QStringLiteral("305")},
        {QStringLiteral("backupExtension"), QStringLiteral("2210")},
        {QStringLiteral("localNotificationType"), 1},
        {QStringLiteral("operatorExtensions"),
         QJsonArray{QStringLiteral("200"), QStringLiteral("201"), QString(), QString(),
                    QStringLiteral("250"), QString(), QString(), QStringLiteral("9")}},
        {QStringLiteral("operatorExtensionIndex"), 4},
        {QStringLiteral("faxExtensions"),
         QJsonArray{QString(), QStringLiteral("510"), QString(), QStringLiteral("5110")}},
        {QStringLiteral("faxExtensionChoice"), 2},
        {QStringLiteral("announcer"), false},
        {QStringLiteral("doNotDisturb"), false},
        {QStringLiteral("timeStamp"), true},
        {QStringLiteral("emailSupported"), true},
        {QStringLiteral("externalNotificationAllowed"), true},
        {QStringLiteral("telephoneEnabled"), true},
        {QStringLiteral("pagerEnabled"), false},
        {QStringLiteral("smsEnabled"), true},
        {QStringLiteral("emailEnabled"), true},
        {QStringLiteral("telephoneNumber"), QStringLiteral("035551234p9")},
        {QStringLiteral("pagerNumber"), QStringLiteral("*95551234#")},
        {QStringLiteral("smsNumber"), QStringLiteral("+972541234567")},
        {QStringLiteral("emailAddress"), QStringLiteral("dana.levi@example.com")},
        {QStringLiteral("messageType"), 1},
        {QStringLiteral("newMessages"), 3},
        {QStringLiteral("savedMessages"), 12},
        {QStringLiteral("maxMessages"), 50},
    };
}

// No e-mail on this device, and no operator extensions to choose from.
QJsonObject mailboxWithoutEmail()
{
    QJsonObject mailbox = mailboxWithEmail();
    mailbox[QStringLiteral("mailboxNumber")] = QStringLiteral("4120");
    mailbox[QStringLiteral("password")] = QStringLiteral("5823");
    mailbox[QStringLiteral("notifyExtension")] = QStringLiteral("4120");
    mailbox[QStringLiteral("emailSupported")] = false;
    mailbox[QStringLiteral("emailEnabled")] = false;
    mailbox[QStringLiteral("emailAddress")] = QString();
    mailbox[QStringLiteral("messageType")] = 0;
    mailbox[QStringLiteral("operatorExtensions")] = QJsonArray{
        QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString()};
    mailbox[QStringLiteral("operatorExtensionIndex")] = 3;
    mailbox[QStringLiteral("newMessages")] = -56;
    mailbox[QStringLiteral("savedMessages")] = 10;
    return mailbox;
}

// The first mailbox as a virtual one, with the local notification a virtual one may not have.
QJsonObject virtualMailboxWithLight()
{
    QJsonObject mailbox = mailboxWithEmail();
    mailbox[QStringLiteral("mailboxNumber")] = QStringLiteral("777001");
    mailbox[QStringLiteral("mailboxType")] = 1;
    mailbox[QStringLiteral("doNotDisturb")] = true;
    return mailbox;
}

// The device simulator holding the three mailboxes in a file it saves after each apply, and a
// main window configured for one of them.
struct Bench
{
    explicit Bench(const QString& mailbox)
    {
        QFile file(mailboxesPath());
        file.open(QIODevice::WriteOnly);
        const QJsonArray mailboxes{mailboxWithEmail(), mailboxWithoutEmail(),
                                   virtualMailboxWithLight()};
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("mailboxes"), mailboxes}}).toJson());
        file.close();
        started = device.start(
            {QStringLiteral("--mailboxes"), mailboxesPath(), QStringLiteral("--save")});
        profile.write(profileFor(device.port(), mailbox));
        dlg = std::make_unique<CZelMainDlg>(zel::ProfileFile(profile.path()));
        zel::setMainWindow(dlg.get());
    }
    ~Bench() { zel::setMainWindow(nullptr); }

    QString mailboxesPath() const { return folder.filePath(QStringLiteral("mailboxes.json")); }

    // The device's stored record of `mailbox`.
    QJsonObject stored(const QString& mailbox) const
    {
        QFile file(mailboxesPath());
        file.open(QIODevice::ReadOnly);
        const QJsonArray all =
            QJsonDocument::fromJson(file.readAll()).object()[QStringLiteral("mailboxes")].toArray();
        for (const auto& entry : all) {
            if (entry.toObject()[QStringLiteral("mailboxNumber")].toString() == mailbox)
                return entry.toObject();
        }
        return {};
    }

    // Steps that answer the password prompt of the first Refresh and wait for the view.
    void firstView(Script& script, const QString& password)
    {
        script.when(
            [] {
                auto* refresh = qobject_cast<zel::Dialog*>(liveWindow(kRefresh));
                return refresh && refresh->GetDlgItem(zel::IDC_REFRESH_PASSWORD)->isVisible();
            },
            [password] {
                auto* refresh = qobject_cast<zel::Dialog*>(zel::FindWindow(kRefresh));
                QTest::keyClicks(refresh->GetDlgItem(zel::IDC_REFRESH_PASSWORD), password);
                refresh->dlgItem<QPushButton>(zel::IDC_REFRESH_REQUEST)->click();
            });
        script.when([this] { return dlg->viewed(); }, [] {});
    }

    // Runs the window through the first view with `password`, then `whileViewed`, then
    // Close; it must end as cancelled with every step done. Close comes even after a failed
    // check, so that a failure does not leave the window waiting.
    void runViewed(const QString& password, const std::function<void()>& whileViewed)
    {
        Script script;
        firstView(script, password);
        script.then([&] {
            whileViewed();
            dlg->dlgItem<QPushButton>(zel::IDCANCEL)->click();
        });
        QCOMPARE(dlg->DoModal(), zel::IDCANCEL);
        QVERIFY(script.finished());
    }

    zel::Dialog& page(int index) { return *dlg->page(index); }

    QTemporaryDir folder;
    DeviceProcess device;
    bool started = false;
    TempProfile profile;
    BoxRecorder boxes;
    std::unique_ptr<CZelMainDlg> dlg;
};

void setText(zel::Dialog& page, int id, const QString& text)
{
    auto* edit = page.dlgItem<QLineEdit>(id);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Fake time steps for the page check's wait, short to keep the exchanges' time-outs far away.
constexpr qint64 kFakeStepMs = 20;

} // namespace

void TestCycle::wholeCycle()
{
    Bench bench(QStringLiteral("305"));
    QVERIFY(bench.started);
    CZelMainDlg& dlg = *bench.dlg;
    QJsonObject expected = mailboxWithEmail();
    QStringList boxesWhenSecondViewShown;
    QString passwordWhenSecondViewShown;
    Script script;
    bench.firstView(script, QStringLiteral("1234"));
    script.then([&] {
        // Filled from the device; the first successful view shows no message.
        QVERIFY(bench.boxes.texts().isEmpty());
        QVERIFY(!dlg.GetDlgItem(zel::IDC_MAIN_OFFLINE_BANNER)->isVisible());
        zel::Dialog& settings = bench.page(0);
        zel::Dialog& notifications = bench.page(1);
        zel::Dialog& statistics = bench.page(2);
        QCOMPARE(settings.GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_NUMBER), QStringLiteral("305"));
        QCOMPARE(settings.GetDlgItemText(zel::IDC_SETTINGS_PASSWORD), QStringLiteral("1234"));
        QCOMPARE(settings.GetDlgItemText(zel::IDC_SETTINGS_BACKUP_EXTENSION),
                 QStringLiteral("2210"));
        QCOMPARE(settings.dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)->currentText(),
                 QStringLiteral("English US"));
        QCOMPARE(settings.dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->currentText(),
                 QStringLiteral("250"));
        QCOMPARE(settings.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)->currentText(),
                 QStringLiteral("510"));
        QCOMPARE(notifications.GetDlgItemText(zel::IDC_NOTIFICATIONS_PHONE),
                 QStringLiteral("035551234p9"));
        QCOMPARE(notifications.GetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL),
                 QStringLiteral("dana.levi@example.com"));
        QCOMPARE(statistics.GetDlgItemText(zel::IDC_STATISTICS_NEW_MESSAGES), QStringLiteral("3"));
        QCOMPARE(statistics.GetDlgItemText(zel::IDC_STATISTICS_TOTAL_MESSAGES),
                 QStringLiteral("15"));
        QCOMPARE(statistics.GetDlgItemText(zel::IDC_STATISTICS_MAX_MESSAGES), QStringLiteral("50"));

        // Change values on both pages.
        setText(settings, zel::IDC_SETTINGS_PASSWORD, QStringLiteral("4321"));
        setText(settings, zel::IDC_SETTINGS_BACKUP_EXTENSION, QStringLiteral("77"));
        settings.dlgItem<QCheckBox>(zel::IDC_SETTINGS_ANNOUNCER)->click();
        settings.dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)->setCurrentIndex(2);
        settings.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)->setCurrentIndex(2);
        mainTabs(dlg)->setCurrentIndex(1);
        notifications.dlgItem<QCheckBox>(zel::IDC_NOTIFICATIONS_PAGER_ENABLE)->click();
        setText(notifications, zel::IDC_NOTIFICATIONS_SMS, QStringLiteral("+15551234"));
        setText(notifications, zel::IDC_NOTIFICATIONS_EMAIL, QStringLiteral("ops@example.org"));
        expected[QStringLiteral("password")] = QStringLiteral("4321");
        expected[QStringLiteral("backupExtension")] = QStringLiteral("77");
        expected[QStringLiteral("announcer")] = true;
        expected[QStringLiteral("languageIndex")] = 2;
        expected[QStringLiteral("faxExtensionChoice")] = 4;
        expected[QStringLiteral("pagerEnabled")] = true;
        expected[QStringLiteral("smsNumber")] = QStringLiteral("+15551234");
        expected[QStringLiteral("emailAddress")] = QStringLiteral("ops@example.org");
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
    });
    script.when([&] { return bench.boxes.texts().contains(kSuccess); },
                [&] {
                    QCOMPARE(bench.boxes.texts(), QStringList{kSuccess});
                    QCOMPARE(bench.stored(QStringLiteral("305")), expected);
                    QVERIFY(!zel::FindWindow(QStringLiteral("Pre-Apply settings")));
                    // Scribble on the page, then look again: the device's values come back.
                    setText(bench.page(0), zel::IDC_SETTINGS_PASSWORD, QStringLiteral("9999"));
                    bench.boxes.onShown = [&](const zel::MessageBox::Shown& box) {
                        boxesWhenSecondViewShown.append(box.text);
                        passwordWhenSecondViewShown =
                            bench.page(0).GetDlgItemText(zel::IDC_SETTINGS_PASSWORD);
                    };
                    dlg.dlgItem<QPushButton>(zel::IDC_MAIN_REFRESH)->click();
                });
    script.when(
        [&] { return bench.boxes.texts().size() == 2; },
        [&] {
            const auto success = bench.boxes.shown().constLast();
            QCOMPARE(success.text, kSuccess);
            QCOMPARE(success.icon, zel::MessageBox::Information);
            QCOMPARE(success.title, zel::applicationTitle());
            // Shown before the pages are filled.
            QCOMPARE(passwordWhenSecondViewShown, QStringLiteral("9999"));
            QCOMPARE(bench.page(0).GetDlgItemText(zel::IDC_SETTINGS_PASSWORD),
                     QStringLiteral("4321"));
            QCOMPARE(bench.page(0).GetDlgItemText(zel::IDC_SETTINGS_BACKUP_EXTENSION),
                     QStringLiteral("77"));
            QVERIFY(bench.page(0).IsDlgButtonChecked(zel::IDC_SETTINGS_ANNOUNCER));
            QCOMPARE(bench.page(0).dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)->currentIndex(),
                     2);
            QCOMPARE(bench.page(1).GetDlgItemText(zel::IDC_NOTIFICATIONS_SMS),
                     QStringLiteral("+15551234"));
            QVERIFY(bench.page(1).IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_PAGER_ENABLE));
            QCOMPARE(dlg.record().password, std::string("4321"));
            QCOMPARE(dlg.record().emailAddress, std::string("ops@example.org"));
            dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
        });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(boxesWhenSecondViewShown, QStringList{kSuccess});
}

void TestCycle::deviceWithoutEmail()
{
    Bench bench(QStringLiteral("4120"));
    QVERIFY(bench.started);
    CZelMainDlg& dlg = *bench.dlg;
    QJsonObject expected = mailboxWithoutEmail();
    Script script;
    bench.firstView(script, QStringLiteral("5823"));
    script.then([&] {
        QCOMPARE(bench.page(2).GetDlgItemText(zel::IDC_STATISTICS_TOTAL_MESSAGES),
                 QStringLiteral("-46"));
        // The page's e-mail entries are not touched by a device without e-mail.
        bench.page(1).SetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL,
                                     QStringLiteral("kept@example.com"));
        bench.page(1).SetDlgItemInt(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE, 2);
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_REFRESH)->click();
    });
    script.when(
        [&] { return bench.boxes.texts().contains(kSuccess); },
        [&] {
            QCOMPARE(bench.page(1).GetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL),
                     QStringLiteral("kept@example.com"));
            QCOMPARE(bench.page(1).GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE),
                     QStringLiteral("2"));
            QCOMPARE(dlg.record().emailAddress, std::string());
            QCOMPARE(dlg.record().messageType, 0);
            // The Statistics page is never read back: the device keeps its maximum.
            bench.page(2).SetDlgItemText(zel::IDC_STATISTICS_MAX_MESSAGES, QStringLiteral("99"));
            // Without operator extensions the page reports -1, which reaches the device as
            // 0.
            QCOMPARE(bench.page(0).dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->count(), 0);
            bench.page(1).SetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL, QString());
            bench.page(1).SetDlgItemInt(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE, 0);
            expected[QStringLiteral("operatorExtensionIndex")] = 0;
            bench.boxes.onShown = nullptr;
            dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        });
    script.when([&] { return bench.boxes.texts().size() == 2; },
                [&] {
                    QCOMPARE(bench.boxes.texts().constLast(), kSuccess);
                    QCOMPARE(bench.stored(QStringLiteral("4120")), expected);
                    dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
                });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
}

// The list that the failed check opens is where the user picks: the device gets that choice,
// and both pages show it.
void TestCycle::localNotificationPickedIsApplied()
{
    Bench bench(QStringLiteral("777001"));
    bench.runViewed(QStringLiteral("1234"), [&] {
        MockClock fakeTime(1'000'000'000'000, kFakeStepMs);
        auto* picked = bench.page(0).dlgItem<QComboBox>(zel::IDC_SETTINGS_LOCAL_NOTIFY);
        auto* shown = bench.page(1).dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY);
        bench.dlg->dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QTest::keyClick(picked->view(), Qt::Key_Home);
        QTest::keyClick(picked->view(), Qt::Key_Return);
        bench.dlg->dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QCOMPARE(bench.stored(QStringLiteral("777001"))[QStringLiteral("localNotificationType")],
                 QJsonValue(0));
        QCOMPARE(shown->currentIndex(), 0);
        QCOMPARE(
            bench.boxes.texts(),
            (QStringList{QStringLiteral("Virtual Mailboxes does not support Local Notification"),
                         kSuccess}));
    });
}

// Each way of switching pages from the keyboard runs the page switch (the Ctrl keys wrap at
// the ends) and puts the focus in the new page as a click on its tab does: on the control that
// had it last, or else on the first one the Tab key reaches (the Statistics page has none).
void TestCycle::keyboardSwitchesPages()
{
    Bench bench(QStringLiteral("305"));
    CZelMainDlg& dlg = *bench.dlg;
    bench.runViewed(QStringLiteral("1234"), [&] {
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTabBar* tabs = mainTabs(dlg);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(QApplication::focusWidget(),
                 bench.page(1).GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE_ENABLE));
        QWidget* chosen = bench.page(1).GetDlgItem(zel::IDC_NOTIFICATIONS_SMS);
        QTest::mouseClick(chosen, Qt::LeftButton);
        QWidget* password = bench.page(0).GetDlgItem(zel::IDC_SETTINGS_PASSWORD);
        struct Step
        {
            QKeyCombination keys;
            int page;
            QWidget* focus;
        };
        const Step steps[] = {
            {Qt::CTRL | Qt::Key_Tab, 2, &bench.page(2)},
            {Qt::CTRL | Qt::Key_PageDown, 0, password},
            {Qt::CTRL | Qt::Key_Tab, 1, chosen},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0, password},
            {Qt::CTRL | Qt::Key_PageUp, 2, &bench.page(2)},
            {QKeyCombination(Qt::Key_Left), 1, chosen},
            {QKeyCombination(Qt::Key_Right), 2, &bench.page(2)},
        };
        for (const Step& step : steps) {
            if (step.keys.keyboardModifiers() == Qt::NoModifier)
                tabs->setFocus(Qt::TabFocusReason); // arrows act when the tabs have the focus
            QTest::keyClick(QApplication::focusWidget(), step.keys.key(),
                            step.keys.keyboardModifiers());
            QCOMPARE(dlg.currentPage(), step.page);
            for (int other = 0; other < 3; ++other)
                QCOMPARE(bench.page(other).isVisible(), other == step.page);
            QCOMPARE(QApplication::focusWidget(), step.focus);
        }
    });
}

void TestCycle::failingSettingsPageComesToFront()
{
    Bench bench(QStringLiteral("305"));
    CZelMainDlg& dlg = *bench.dlg;
    const QJsonObject before = bench.stored(QStringLiteral("305"));
    bench.runViewed(QStringLiteral("1234"), [&] {
        MockClock fakeTime(1'000'000'000'000, kFakeStepMs);
        setText(bench.page(0), zel::IDC_SETTINGS_PASSWORD, QStringLiteral("123"));
        mainTabs(dlg)->setCurrentIndex(2);
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QCOMPARE(bench.boxes.texts(),
                 QStringList{QStringLiteral("Password is not valid. Please enter 4 digits")});
        // Failure is known at once: no wait.
        QCOMPARE(fakeTime.waits(), 0);
        QCOMPARE(mainTabs(dlg)->currentIndex(), 0);
        QCOMPARE(dlg.currentPage(), 0);
        QVERIFY(bench.page(0).isVisible());
        QVERIFY(!bench.page(2).isVisible());
        QVERIFY(dlg.isEnabled());
        QVERIFY(!zel::FindWindow(QStringLiteral("Pre-Apply settings")));
        QCOMPARE(bench.page(0).GetDlgItemText(zel::IDC_SETTINGS_PASSWORD), QStringLiteral("123"));
        // The user lands on the faulty entry.
        QCOMPARE(dlg.focusWidget(), bench.page(0).GetDlgItem(zel::IDC_SETTINGS_PASSWORD));
    });
    QCOMPARE(bench.boxes.texts().size(), 1);
    QCOMPARE(bench.stored(QStringLiteral("305")), before);
}

void TestCycle::failingNotificationsPageAfterTheWait()
{
    Bench bench(QStringLiteral("305"));
    CZelMainDlg& dlg = *bench.dlg;
    const QJsonObject before = bench.stored(QStringLiteral("305"));
    bench.runViewed(QStringLiteral("1234"), [&] {
        MockClock fakeTime(1'000'000'000'000, kFakeStepMs);
        setText(bench.page(1), zel::IDC_NOTIFICATIONS_PHONE, QString());
        const qint64 start = fakeTime.seconds();
        qint64 shownAt = 0;
        bench.boxes.onShown = [&](const zel::MessageBox::Shown&) { shownAt = fakeTime.seconds(); };
        bool enabledWhileWaiting = false;
        QTimer::singleShot(0, &dlg, [&] { enabledWhileWaiting = dlg.isEnabled(); });
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QCOMPARE(bench.boxes.texts(),
                 QStringList{QStringLiteral(
                     "When enabling Phone notification a Phone number must be defined")});
        // The Settings page passed: its verdict was awaited for more than one second.
        QVERIFY(shownAt - start >= 1);
        QVERIFY(shownAt - start <= 2);
        QVERIFY(enabledWhileWaiting);
        QVERIFY(dlg.isEnabled());
        QCOMPARE(mainTabs(dlg)->currentIndex(), 1);
        QVERIFY(bench.page(1).isVisible());
        QVERIFY(!bench.page(0).isVisible());
        QCOMPARE(dlg.focusWidget(), bench.page(1).GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE));
        QVERIFY(!zel::FindWindow(QStringLiteral("Pre-Apply settings")));
        bench.boxes.onShown = nullptr;
    });
    QCOMPARE(bench.stored(QStringLiteral("305")), before);
}

void TestCycle::applyWithoutEndpointIsRefused()
{
    Bench bench(QStringLiteral("305"));
    CZelMainDlg& dlg = *bench.dlg;
    bench.runViewed(QStringLiteral("1234"), [&] {
        MockClock fakeTime(1'000'000'000'000, kFakeStepMs);
        const MailboxRecord before = dlg.record();
        dlg.link().ReleaseSocket();
        setText(bench.page(0), zel::IDC_SETTINGS_BACKUP_EXTENSION, QStringLiteral("42"));
        dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
        QCOMPARE(bench.boxes.texts(),
                 QStringList{QStringLiteral("Failed to create UDP socket! Please restart ZEL "
                                            "program")});
        QCOMPARE(bench.boxes.shown().constFirst().icon, zel::MessageBox::Stop);
        QVERIFY(dlg.record() == before);
    });
}

void TestCycle::everyWindowInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language :
         QStringList{QStringLiteral("en"), QStringLiteral("pseudo")} + shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// Start, a wrong and a right password, a refused Apply, a warning, an Apply, the off-line question,
// About and the data-initialising dialog: every window on the way fits its texts, and in the
// pseudo-language neither a window nor a message box shows English.
void TestCycle::everyWindowInEveryLanguage()
{
    QFETCH(QString, language);
    const bool pseudo = language == u"pseudo";
    PseudoTranslator pseudoTranslator;
    QVERIFY(!pseudo || (!pseudoTranslator.isEmpty() &&
                        QCoreApplication::installTranslator(&pseudoTranslator)));
    const zel::Translations translations({pseudo ? QStringLiteral("en") : language});
    if (!pseudo && language != u"en") { // complete, and Qt's own buttons speak it too
        QCOMPARE(translations.language(), language);
        QCOMPARE(translationProblems(language).join(u'\n'), QString());
        const QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes);
        QVERIFY(box.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"));
    }
    Bench bench(QStringLiteral("305"));
    CZelMainDlg& dlg = *bench.dlg;
    QStringList problems = captionProblems();
    QSet<QString> measured;
    const auto look = [&](const QStringList& boxTexts = {}) {
        problems += languageProblems(pseudo, boxTexts, measured);
    };
    bench.boxes.onShown = [&](const zel::MessageBox::Shown& box) { look({box.text}); };
    const auto refresh = [] {
        return qobject_cast<zel::Dialog*>(liveWindow(CRefreshDlg::caption()));
    };
    const auto enterPassword = [&](const QString& password) {
        setText(*refresh(), zel::IDC_REFRESH_PASSWORD, password);
        refresh()->dlgItem<QPushButton>(zel::IDC_REFRESH_REQUEST)->click();
        look();
    };
    Script script;
    script.when(
        [&] { return refresh() && refresh()->GetDlgItem(zel::IDC_REFRESH_PASSWORD)->isVisible(); },
        [&] {
            look();
            enterPassword(QStringLiteral("0000"));
            enterPassword(QStringLiteral("1234"));
        });
    script.when([&] { return dlg.viewed(); },
                [&] {
                    setText(bench.page(0), zel::IDC_SETTINGS_PASSWORD, QStringLiteral("123"));
                    dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
                    setText(bench.page(0), zel::IDC_SETTINGS_PASSWORD, QStringLiteral("1234"));
                    auto* type =
                        bench.page(1).dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE);
                    type->setCurrentIndex(3);
                    Q_EMIT type->activated(3);
                    dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
                    bench.device.stop();
                    bench.boxes.answerNext(zel::MessageBox::IdYes); // work offline
                    dlg.dlgItem<QPushButton>(zel::IDC_MAIN_REFRESH)->click();
                });
    script.when([&] { return refresh(); },
                [&] {
                    look();
                    refresh()->dlgItem<QPushButton>(zel::IDC_CANCEL_BUTTON)->click();
                });
    script.when([&] { return dlg.GetDlgItem(zel::IDC_MAIN_OFFLINE_BANNER)->isVisible(); },
                [&] {
                    dlg.dlgItem<QPushButton>(zel::IDC_MAIN_APPLY)->click();
                    CRefreshDlg opening(dlg.link(), dlg.mailbox(), true);
                    opening.Create(&dlg);
                    const CAboutDlg about;
                    const CDataInitDlg dataInit;
                    look();
                    dlg.dlgItem<QPushButton>(zel::IDCANCEL)->click();
                });
    QCOMPARE(dlg.DoModal(), zel::IDCANCEL);
    QVERIFY(script.finished());
    QCOMPARE(bench.boxes.shown().size(), 5);
    problems += unmeasuredTexts(measured);
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

#include "tst_cycle.moc"

int runCycleTests(int argc, char** argv)
{
    TestCycle test;
    return QTest::qExec(&test, argc, argv);
}
