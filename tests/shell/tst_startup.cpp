#include "ShellTestSupport.h"
#include "platform/PrivateMessage.h"
#include "platform/ProfileFile.h"
#include "res/resource.h"
#include "shell/CDataInitDlg.h"
#include "shell/CZelApp.h"
#include "shell/CZelMainDlg.h"
#include "shell/ProfileKeys.h"
#include "shell/Translations.h"
#include "support/BoxRecorder.h"
#include "support/ModalScript.h"
#include "support/TempProfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QUdpSocket>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profileLivesWhereTheUserMayWrite();
    void noProfileAsksAndSavesThreeKeys_data();
    void noProfileAsksAndSavesThreeKeys();
    void oneValueMissingStillAsks_data();
    void oneValueMissingStillAsks();
    void cancellingShutsDownAndWritesNothing();
    void overlongMailboxIsShownWholeAndRefused();
    void helpOutlivesTheDataInitDialog();
    void completeProfileIsNotRewritten_data();
    void completeProfileIsNotRewritten();
    void endpointInUseEndsBeforeShowing();
    void unusableValueEndsBeforeAsking_data();
    void unusableValueEndsBeforeAsking();
    void demoProfileIsReadAsMeant();
    void userLanguagesChooseTheTranslation_data();
    void userLanguagesChooseTheTranslation();
};

namespace {

const QString kDataInit = QStringLiteral("Zel Data Initializing");
const QString kRefresh = QStringLiteral("Refresh mailbox settings view");

// Section, key and value of each line of a profile text, in file order.
QStringList profileEntries(const QByteArray& contents)
{
    QStringList entries;
    QString section;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QString line = QString::fromLatin1(rawLine).trimmed();
        if (line.startsWith(u'['))
            section = line;
        else if (!line.isEmpty())
            entries.append(section + line);
    }
    return entries;
}

CDataInitDlg* dataInitDlg()
{
    return qobject_cast<CDataInitDlg*>(zel::FindWindow(kDataInit));
}

const QStringList kLoopback{QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"),
                            QStringLiteral("1")};

// Runs the main window; when it shows, the automatic Refresh is cancelled and the offer to
// work offline answered No, so the program ends.
struct MainRun
{
    explicit MainRun(const QString& profilePath) : dlg(zel::ProfileFile(profilePath))
    {
        zel::setMainWindow(&dlg);
    }
    ~MainRun() { zel::setMainWindow(nullptr); }

    int runUntilShownThenQuit(Script& script)
    {
        script.when([] { return liveWindow(kRefresh) != nullptr; },
                    [this] {
                        wasShown = dlg.isVisible();
                        clickButton(kRefresh, zel::IDCANCEL);
                    });
        return dlg.DoModal();
    }

    CZelMainDlg dlg;
    bool wasShown = false;
};

} // namespace

#ifdef Q_OS_WIN
// A profile the Windows directory holds is read; the user's own keys go into the user's roaming
// application data, even where the Windows directory's file takes writes (an administrator), and
// are read over it at the next start. Folders of the test's own stand for the real ones.
void TestStartup::profileLivesWhereTheUserMayWrite()
{
    QTemporaryDir windows;
    QTemporaryDir appData;
    const QByteArray saved[] = {qgetenv("APPDATA"), qgetenv("LOCALAPPDATA")};
    qputenv("APPDATA", QDir::toNativeSeparators(appData.path()).toLocal8Bit());
    qputenv("LOCALAPPDATA", QDir::toNativeSeparators(appData.path()).toLocal8Bit());
    const QString inWindows = windows.filePath(QStringLiteral("Zel1.ini"));
    const QByteArray old("[Zel Server]\r\nIP_address=127.0.0.1\r\n");
    {
        QFile file(inWindows);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }

    zel::ProfileFile profile = CZelApp::profile(windows.path());
    QCOMPARE(profile.path(), inWindows);
    QVERIFY(profile.writeString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox"),
                                QStringLiteral("305")));
    const zel::ProfileFile next = CZelApp::profile(windows.path());
    const QString mailbox =
        next.readString(QStringLiteral("Zel Client"), QStringLiteral("Mailbox"));
    const QString address =
        next.readString(QStringLiteral("Zel Server"), QStringLiteral("IP_address"));
    const QString mailboxFile =
        next.pathOf(QStringLiteral("Zel Client"), QStringLiteral("Mailbox"));
    qputenv("APPDATA", saved[0]);
    qputenv("LOCALAPPDATA", saved[1]);

    QFile file(inWindows);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(mailbox, QStringLiteral("305"));
    QCOMPARE(mailboxFile, appData.path() + QStringLiteral("/Zel/Zel1.ini"));
    QCOMPARE(address, QStringLiteral("127.0.0.1"));
}
#else
void TestStartup::profileLivesWhereTheUserMayWrite()
{
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString path = CZelApp::profile().path();
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(path, config.path() + QStringLiteral("/Zel1.ini"));
}
#endif

void TestStartup::noProfileAsksAndSavesThreeKeys_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("saved") << true;
    QTest::newRow("folder refuses the file") << false;
}

void TestStartup::noProfileAsksAndSavesThreeKeys()
{
    QFETCH(bool, writable);
    TempProfile profile;
    QVERIFY(!profile.exists());
    // Under a file, where no folder can be made.
    const QString path = writable ? profile.path() : profile.path() + QStringLiteral("/Zel1.ini");
    if (!writable)
        profile.write("");
    BoxRecorder boxes;
    MainRun run(path);
    Script script;
    script.when([] { return liveWindow(kDataInit) != nullptr; },
                [&run] {
                    auto* dlg = qobject_cast<CDataInitDlg*>(zel::FindWindow(kDataInit));
                    QVERIFY(dlg);
                    QVERIFY(!run.dlg.isVisible());
                    QCOMPARE(dlg->GetDlgItemText(zel::IDC_DATA_INIT_MAILBOX), QString());
                    QCOMPARE(addressEdit(*dlg)->address(), (std::array<quint8, 4>{0, 0, 0, 0}));
                    QTest::keyClicks(dlg->dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX),
                                     QStringLiteral("305"));
                    typeAddress(*dlg, kLoopback);
                    dlg->dlgItem<QPushButton>(zel::IDOK)->click();
                });
    // Port 5000 may be taken on this machine; either way the values are saved first.
    const int savingBoxes = writable ? 0 : 1;
    script.when([&] { return liveWindow(kRefresh) || boxes.texts().size() > savingBoxes; },
                [&] {
                    if (liveWindow(kRefresh))
                        clickButton(kRefresh, zel::IDCANCEL);
                });
    run.dlg.DoModal();

    QCOMPARE(run.dlg.mailbox(), QStringLiteral("305"));
    if (!writable) {
        QVERIFY(!boxes.texts().isEmpty());
        QVERIFY2(boxes.texts().constFirst().contains(QDir::toNativeSeparators(path)),
                 qPrintable(boxes.texts().constFirst()));
        QCOMPARE(profile.contents(), QByteArray());
        return;
    }
    QCOMPARE(profileEntries(profile.contents()),
             (QStringList{QStringLiteral("[Zel Server]Port_num=5000"),
                          QStringLiteral("[Zel Server]IP_address=127.0.0.1"),
                          QStringLiteral("[Zel Client]Mailbox=305")}));
    QCOMPARE(run.dlg.link().localPort(), 5000);
    QCOMPARE(run.dlg.link().devicePort(), 5000);
}

void TestStartup::oneValueMissingStillAsks_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("mailbox");
    QTest::addColumn<QList<int>>("address");
    QTest::newRow("address empty")
        << QByteArray("[Zel Server]\nIP_address=\n[Zel Client]\nMailbox=4120\n")
        << QStringLiteral("4120") << QList<int>{0, 0, 0, 0};
    QTest::newRow("mailbox missing")
        << QByteArray("[Zel Server]\nIP_address=192.168.10.7\nPort_num=6001\n") << QString()
        << QList<int>{192, 168, 10, 7};
    QTest::newRow("mailbox of seven digits")
        << QByteArray("[Zel Server]\nIP_address=192.168.10.7\n[Zel Client]\nMailbox=1234567\n")
        << QStringLiteral("1234567") << QList<int>{192, 168, 10, 7};
}

void TestStartup::oneValueMissingStillAsks()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, mailbox);
    QFETCH(QList<int>, address);
    TempProfile profile;
    profile.write(contents);
    BoxRecorder boxes;
    MainRun run(profile.path());
    Script script;
    QString shownMailbox;
    QList<int> shownAddress;
    script.when([] { return liveWindow(kDataInit) != nullptr; },
                [&] {
                    auto* dlg = qobject_cast<CDataInitDlg*>(zel::FindWindow(kDataInit));
                    shownMailbox = dlg->GetDlgItemText(zel::IDC_DATA_INIT_MAILBOX);
                    const auto bytes = addressEdit(*dlg)->address();
                    shownAddress = {bytes[0], bytes[1], bytes[2], bytes[3]};
                    dlg->dlgItem<QPushButton>(zel::IDCANCEL)->click();
                });
    QCOMPARE(run.dlg.DoModal(), zel::IDCANCEL);
    QCOMPARE(shownMailbox, mailbox);
    QCOMPARE(shownAddress, address);
}

void TestStartup::cancellingShutsDownAndWritesNothing()
{
    TempProfile profile;
    const QByteArray contents("; kept as it is\n[Zel Server]\nIP_address=10.1.2.3\n"
                              "Port_num=7000\n[Other]\nx=1\n");
    profile.write(contents);
    BoxRecorder boxes;
    MainRun run(profile.path());
    bool everShown = false;
    Script script;
    script.when([] { return liveWindow(kDataInit) != nullptr; },
                [&] {
                    everShown = run.dlg.isVisible();
                    QTest::keyClick(zel::FindWindow(kDataInit), Qt::Key_Escape);
                });
    QCOMPARE(run.dlg.DoModal(), zel::IDCANCEL);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Shutting down Zel program!")});
    QCOMPARE(boxes.shown().constFirst().icon, zel::MessageBox::Exclamation);
    QVERIFY(!everShown);
    QVERIFY(!run.dlg.link().endpoint());
    QCOMPARE(profile.contents(), contents);
}

void TestStartup::overlongMailboxIsShownWholeAndRefused()
{
    TempProfile profile;
    const QByteArray contents("[Zel Client]\nMailbox=12345678\nLocal_Port=0\n");
    profile.write(contents);
    BoxRecorder boxes;
    MainRun run(profile.path());
    Script script;
    script.when([] { return liveWindow(kDataInit) != nullptr; },
                [&] {
                    CDataInitDlg* dlg = dataInitDlg();
                    auto* mailbox = dlg->dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX);
                    QCOMPARE(mailbox->text(), QStringLiteral("12345678"));
                    typeAddress(*dlg, kLoopback);
                    dlg->dlgItem<QPushButton>(zel::IDOK)->click();
                    QCOMPARE(boxes.texts(), QStringList{QStringLiteral(
                                                "Please enter no more than 6 characters.")});
                    QVERIFY(dlg->isVisible());
                    QCOMPARE(profile.contents(), contents);
                    // Its whole text is selected: what the user types replaces it.
                    QTest::keyClicks(mailbox, QStringLiteral("4120"));
                    dlg->dlgItem<QPushButton>(zel::IDOK)->click();
                });
    QCOMPARE(run.runUntilShownThenQuit(script), zel::IDCANCEL);
    QVERIFY(
        profileEntries(profile.contents()).contains(QStringLiteral("[Zel Client]Mailbox=4120")));
}

// The help window belongs to no dialog, no modal run blocks it, the main window's end closes it.
void TestStartup::helpOutlivesTheDataInitDialog()
{
    TempProfile profile;
    profile.write("[Zel Client]\nMailbox=305\nLocal_Port=0\n");
    BoxRecorder boxes;
    QPointer<QTextBrowser> help;
    bool openAfterTheDialog = false;
    bool tookKeys = false;
    {
        MainRun run(profile.path());
        Script script;
        script.when([] { return liveWindow(kDataInit) != nullptr; },
                    [&] {
                        CDataInitDlg* dlg = dataInitDlg();
                        QTest::mouseClick(dlg->GetDlgItem(zel::ID_HELP), Qt::LeftButton);
                        const QWidgetList windows = QApplication::topLevelWidgets();
                        for (QWidget* window : windows) {
                            if (auto* browser = qobject_cast<QTextBrowser*>(window);
                                browser && browser->isVisible())
                                help = browser;
                        }
                        QVERIFY(help);
                        QCOMPARE(help->windowTitle(), kDataInit);
                        typeAddress(*dlg, kLoopback);
                        dlg->dlgItem<QPushButton>(zel::IDOK)->click();
                    });
        // The main window and the exchange over it are modal; the help takes keys all the same.
        script.when([] { return liveWindow(kRefresh) != nullptr; },
                    [&] {
                        openAfterTheDialog = help && help->isVisible();
                        if (openAfterTheDialog)
                            QTest::keyClick(help->windowHandle(), Qt::Key_A, Qt::ControlModifier);
                        tookKeys = help && help->textCursor().hasSelection();
                    });
        QCOMPARE(run.runUntilShownThenQuit(script), zel::IDCANCEL);
    }
    QVERIFY(openAfterTheDialog);
    QVERIFY(tookKeys);
    QVERIFY(!help);
}

void TestStartup::completeProfileIsNotRewritten_data()
{
    QTest::addColumn<int>("localPort"); // the lowest and the highest the endpoint binds
    QTest::newRow("local port 0, the system's choice") << 0;
    QTest::newRow("local port 65535") << 65535;
}

// The window shows only once its endpoint is bound.
void TestStartup::completeProfileIsNotRewritten()
{
    QFETCH(int, localPort);
    TempProfile profile;
    const QByteArray contents("[Zel Server]\nIP_address=127.0.0.1\n[Zel Client]\nMailbox=305\n"
                              "Local_Port=" +
                              QByteArray::number(localPort) + '\n');
    profile.write(contents);
    BoxRecorder boxes;
    MainRun run(profile.path());
    Script script;
    QCOMPARE(run.runUntilShownThenQuit(script), zel::IDCANCEL);
    QVERIFY(run.wasShown);
    QCOMPARE(run.dlg.link().devicePort(), 5000);
    QCOMPARE(run.dlg.link().localPort(), localPort);
    QCOMPARE(run.dlg.mailbox(), QStringLiteral("305"));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Do you want to work offline?")});
    QCOMPARE(profile.contents(), contents);
}

void TestStartup::endpointInUseEndsBeforeShowing()
{
    QUdpSocket occupant;
    QVERIFY(occupant.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::DontShareAddress));
    TempProfile profile;
    profile.write(QStringLiteral("[Zel Server]\nIP_address=127.0.0.1\n[Zel Client]\nMailbox=305\n"
                                 "Local_Port=%1\n")
                      .arg(occupant.localPort())
                      .toLatin1());
    BoxRecorder boxes;
    MainRun run(profile.path());
    bool everShown = false;
    boxes.onShown = [&](const zel::MessageBox::Shown&) { everShown = run.dlg.isVisible(); };
    QCOMPARE(run.dlg.DoModal(), zel::IDCANCEL);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral(
                                "Failed to create UDP socket! Please restart ZEL program")});
    QVERIFY(!everShown);
    QVERIFY(!run.dlg.isVisible());
    QVERIFY(!run.dlg.link().endpoint());
}

void TestStartup::unusableValueEndsBeforeAsking_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("box"); // %1 stands for the file
    const QString text = QStringLiteral("The value \"%2\" of \"%3\" in %1 is not a port Zel can "
                                        "use.\n\nPlease set it to a number from %4 to %5 and "
                                        "start Zel again.");
    QTest::newRow("device port 0") << QByteArray("[Zel Server]\nPort_num=0\n")
                                   << text.arg(u"%1", u"0", u"Port_num", u"1", u"65535");
    QTest::newRow("device port past the range, by its leading digits")
        << QByteArray("[Zel Server]\nPort_num=65536abc\n")
        << text.arg(u"%1", u"65536abc", u"Port_num", u"1", u"65535");
    QTest::newRow("local port negative") << QByteArray("[Zel Client]\nLocal_Port=-1\n")
                                         << text.arg(u"%1", u"-1", u"Local_Port", u"0", u"65535");
    QTest::newRow("local port past the range")
        << QByteArray("[Zel Client]\nLocal_Port=65536\n")
        << text.arg(u"%1", u"65536", u"Local_Port", u"0", u"65535");
    // Before the mailbox is asked for.
    const QString address = QStringLiteral(
        "The value \"%2\" of \"IP_address\" in %1 is not an IPv4 address of a device.\n\n"
        "Please set it to four numbers from 0 to 255 joined by dots, the first not 0 and none "
        "with leading zeros (such as 192.168.1.20), and start Zel again.");
    // The data-initialising dialog refuses a first number of 0 too.
    for (const char* value :
         {"device.local", "192.168.1", "300.1.1.1", "010.1.1.1", "0.0.0.0", "0.10.20.30"}) {
        QTest::addRow("address %s", value) << QByteArray("[Zel Server]\nIP_address=") + value + '\n'
                                           << address.arg(u"%1", QString::fromUtf8(value));
    }
    // Accepted: the data-initialising dialog comes next, and is cancelled.
    QTest::newRow("in range by its leading digits")
        << QByteArray("[Zel Server]\nPort_num=6001 lab\n[Zel Client]\nLocal_Port=65535x\n")
        << QStringLiteral("Shutting down Zel program!");
}

void TestStartup::unusableValueEndsBeforeAsking()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, box);
    TempProfile profile;
    profile.write(contents);
    BoxRecorder boxes;
    MainRun run(profile.path());
    Script script;
    script.when([] { return liveWindow(kDataInit) != nullptr; },
                [] { clickButton(kDataInit, zel::IDCANCEL); });
    QCOMPARE(run.dlg.DoModal(), zel::IDCANCEL);
    QCOMPARE(boxes.texts(), QStringList{box.replace(QStringLiteral("%1"),
                                                    QDir::toNativeSeparators(profile.path()))});
    QCOMPARE(profile.contents(), contents);
}

// The scripts write their own profile text (scripts/common.sh); Zel must find every value in it.
void TestStartup::demoProfileIsReadAsMeant()
{
    QFile script(QStringLiteral(ZEL_SOURCE_DIR "/scripts/common.sh"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    const auto heredoc = QRegularExpression(QStringLiteral("Zel1\\.ini\" <<INI\n(.*?)\nINI\n"),
                                            QRegularExpression::DotMatchesEverythingOption)
                             .match(QString::fromUtf8(script.readAll()));
    QVERIFY(heredoc.hasMatch());
    TempProfile profile;
    profile.write(heredoc.captured(1)
                      .replace(QStringLiteral("$port"), QStringLiteral("6123"))
                      .replace(QStringLiteral("$mailbox"), QStringLiteral("4120"))
                      .toLatin1());
    const ProfileConfiguration read = readProfileConfiguration(zel::ProfileFile(profile.path()));
    QCOMPARE(read.deviceAddress, QStringLiteral("127.0.0.1"));
    QCOMPARE(read.devicePort, 6123);
    QCOMPARE(read.mailbox, QStringLiteral("4120"));
    QCOMPARE(read.localPort, 0);
}

void TestStartup::userLanguagesChooseTheTranslation_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("language");
    // The first language Zel speaks; English before it, or C messages, keep the source texts.
    const char* rows[][2] = {{"LANGUAGE=de", "de"},
                             {"LANG=fr_FR.UTF-8", "fr"},
                             {"LANGUAGE=sv:es LANG=sv_SE.UTF-8", "es"},
                             {"LANGUAGE=en:de LANG=de_DE.UTF-8", "en"},
                             {"LC_ALL=C LANGUAGE=de", "en"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

// The real program in the user's environment: its help in that language, Qt's part included.
void TestStartup::userLanguagesChooseTheTranslation()
{
#ifdef Q_OS_WIN
    QSKIP("Windows gives the user's display language, whatever these variables say");
#endif
    QFETCH(QString, environment);
    QFETCH(QString, language);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& variable : environment.split(u' '))
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess zel;
    zel.setProcessEnvironment(variables);
    zel.start(QStringLiteral(ZEL_PATH), {QStringLiteral("--help")});
    QVERIFY(zel.waitForFinished());
    const QString help = QString::fromUtf8(zel.readAllStandardOutput());

    const zel::Translations expected({language});
    QVERIFY2(help.contains(QCoreApplication::translate("CommandLine", "Displays this help.")) &&
                 help.contains(QCoreApplication::translate("QCommandLineParser",
                                                           "Displays version information.")),
             qPrintable(help));
}

#include "tst_startup.moc"

int runStartupTests(int argc, char** argv)
{
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
