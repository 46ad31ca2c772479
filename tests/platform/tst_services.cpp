#include "platform/Clock.h"
#include "platform/Dialog.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/RunningMarker.h"
#include "platform/Trace.h"
#include "support/MockClock.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QTextBrowser>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#undef MessageBox // Windows' own, a macro; ours is zel::MessageBox
#endif

using namespace zel;
using namespace Qt::StringLiterals;

class ServicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Clock::setInstance(nullptr);
        MessageBox::clearResponder();
        setTraceSink(nullptr);
    }

    void messageBoxesGoToTheResponder()
    {
        QList<MessageBox::Shown> shown;
        MessageBox::setResponder([&](const MessageBox::Shown& box) {
            shown.append(box);
            return box.buttons == MessageBox::YesNo ? MessageBox::IdNo : MessageBox::IdOk;
        });

        QCOMPARE(MessageBox::appBox(QStringLiteral("Shutting down")), MessageBox::IdOk);
        QCOMPARE(MessageBox::appBox(QStringLiteral("Work offline?"), MessageBox::YesNo,
                                    MessageBox::Question),
                 MessageBox::IdNo);
        QCOMPARE(MessageBox::windowBox(nullptr, QStringLiteral("Done"), QStringLiteral("Zel"),
                                       MessageBox::Ok, MessageBox::NoIcon),
                 MessageBox::IdOk);

        QCOMPARE(shown.size(), 3);
        QCOMPARE(applicationTitle(), QStringLiteral("platform_tests"));
        QCOMPARE(shown[0].title, applicationTitle());
        QCOMPARE(shown[0].text, QStringLiteral("Shutting down"));
        QCOMPARE(shown[0].icon, MessageBox::Exclamation);
        QCOMPARE(shown[0].buttons, MessageBox::Ok);
        QCOMPARE(shown[1].icon, MessageBox::Question);
        QCOMPARE(shown[1].buttons, MessageBox::YesNo);
        QCOMPARE(shown[2].icon, MessageBox::NoIcon);
        QCOMPARE(shown[2].title, QStringLiteral("Zel"));
    }

    void boxOfAnUnshownOwnerIsCentredOnAVisibleWindow()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(300, 200, 400, 300);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QDialog neverShown(&mainWindow); // sits at the screen's corner
        QPoint boxCentre;
        QTimer::singleShot(0, &mainWindow, [&] {
            QWidget* box = QApplication::activeModalWidget();
            boxCentre = box->geometry().center();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        MessageBox::windowBox(&neverShown, QStringLiteral("Done"), QStringLiteral("Zel"),
                              MessageBox::Ok, MessageBox::Information);
        const QPoint offset = boxCentre - mainWindow.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    // As the system's own: a box without a Cancel button takes neither Escape nor the close box.
    void yesNoBoxIsAnsweredByItsButtonsOnly()
    {
        QTimer::singleShot(0, this, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QTest::keyClick(box, Qt::Key_Escape);
            box->windowHandle()->close();
            QVERIFY(box->isVisible());
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(MessageBox::appBox(QStringLiteral("Work offline?"), MessageBox::YesNo),
                 MessageBox::IdYes);
    }

    void helpWindowOutlivesTheDialogThatOpenedIt()
    {
        // Counts the clicks that reach the help text.
        struct ClickCounter : QObject
        {
            int clicks = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                clicks += event->type() == QEvent::MouseButtonPress;
                return false;
            }
        } counter;
        QPointer<QTextBrowser> help;
        static constexpr DialogTemplate kAsker{1, "", "", 100, 40, nullptr, 8, ModalFrame, {}};
        auto dialog = std::make_unique<Dialog>(kAsker);
        QTimer::singleShot(0, dialog.get(), [&] {
            showHelpWindow(QStringLiteral("Zel Help"), QStringLiteral("Topic"), dialog.get());
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* browser = qobject_cast<QTextBrowser*>(widget))
                    help = browser;
            }
            help->viewport()->installEventFilter(&counter);
            // Usable while the modal dialog that asked for it runs, and a message box over it.
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
            QTimer::singleShot(0, help, [&] {
                QWidget* box = QApplication::activeModalWidget();
                QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
                QTest::keyClick(box, Qt::Key_Escape);
            });
            MessageBox::windowBox(dialog.get(), QStringLiteral("Done"), QStringLiteral("Zel"),
                                  MessageBox::Ok, MessageBox::Information);
            dialog->EndDialog(IDOK);
        });
        dialog->DoModal();
        dialog.reset();
        QCOMPARE(counter.clicks, 2);
        QVERIFY(help && help->isVisible());
        closeHelp();
        QVERIFY(!help);
    }

    void periodEndsWhenMoreThanItsSecondsHavePassed_data()
    {
        QTest::addColumn<qint64>("startMs");
        QTest::newRow("on a second") << qint64(1'000'000'000'000);
        QTest::newRow("late in a second") << qint64(1'000'000'000'900);
    }

    void periodEndsWhenMoreThanItsSecondsHavePassed()
    {
        QFETCH(qint64, startMs);
        MockClock clock(startMs, 100);
        const qint64 start = clock.seconds();
        QVERIFY(!waitPeriod(10, [] { return false; }));
        QCOMPARE(clock.seconds() - start, 11);
        const qint64 waitedMs = qint64(clock.waits()) * 100;
        QVERIFY2(waitedMs > 10'000 && waitedMs <= 11'000, qPrintable(QString::number(waitedMs)));
    }

    void periodEndsAsSoonAsItIsDone()
    {
        MockClock clock;
        QVERIFY(waitPeriod(10, [&] { return clock.waits() == 3; }));
        QCOMPARE(clock.waits(), 3);
        QVERIFY(waitPeriod(10, [] { return true; }));
        QCOMPARE(clock.waits(), 3);
    }

    void waitingLetsARealDatagramIn()
    {
        MockClock clock;
        QUdpSocket receiver;
        QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
        bool received = false;
        connect(&receiver, &QUdpSocket::readyRead, this, [&] {
            received = true;
            while (receiver.hasPendingDatagrams())
                receiver.receiveDatagram();
        });
        QUdpSocket sender;
        QCOMPARE(sender.writeDatagram("!!V", QHostAddress::LocalHost, receiver.localPort()), 3);
        QVERIFY(waitPeriod(10, [&] { return received; }));
    }

    void realClockWaitsWithoutSpinning()
    {
        RealClock clock;
        Clock::setInstance(&clock);
        int checks = 0;
        QTimer::singleShot(10, this, [] {});
        QVERIFY(!waitPeriod(0, [&] { return ++checks > 1000; }));
        // One check per event or second boundary: a spinning wait would make thousands.
        QVERIFY2(checks < 20, qPrintable(QString::number(checks)));
    }

    void helpContextsAndTheReusedHelpWindow()
    {
        auto helpWindows = [] {
            QList<QTextBrowser*> windows;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* browser = qobject_cast<QTextBrowser*>(widget);
                    browser && browser->isVisible())
                    windows.append(browser);
            }
            return windows;
        };
        showHelpWindow(QStringLiteral("Zel Help"), QStringLiteral("First topic"), nullptr);
        showHelpWindow(QStringLiteral("Zel Help 2"), QStringLiteral("<b>Second</b> topic"),
                       nullptr);
        QCOMPARE(helpWindows().size(), 1);
        QCOMPARE(helpWindows().first()->windowTitle(), QStringLiteral("Zel Help 2"));
        QCOMPARE(helpWindows().first()->toPlainText(), QStringLiteral("Second topic"));
        closeHelp();
        QTRY_VERIFY(helpWindows().isEmpty());
    }

    void traceGoesToTheSink()
    {
        std::string captured;
        setTraceSink([&](std::string_view text) { captured += text; });
        zel::OutputDebugStringA("CZelAsyncSocket::OnReceive\n");
        zel::OutputDebugStringA(nullptr);
        QCOMPARE(captured, std::string("CZelAsyncSocket::OnReceive\n"));
    }

    // The installer finds a running program by this name, its folder as Windows matches paths;
    // every account may wait on it (an administrator's installer, another user's session), and
    // no one may do more.
    void runningMarkerIsSeenFromEveryAccount()
    {
        QCOMPARE(runningMarkerName(u"Zel"_s, u"C:/Program Files/Zel"_s),
                 u"Global\\Zel:c:/program files/zel"_s);
        QCOMPARE(runningMarkerName(u"zel-device"_s, u"D:\\Tools\\ZEL 2"_s),
                 u"Global\\zel-device:d:/tools/zel 2"_s);
        QCOMPARE(runningMarkerSecurity(), u"D:(A;;0x00100000;;;AU)(A;;0x00100000;;;SY)"_s);
#ifdef Q_OS_WIN
        markProgramRunning(u"zel-test"_s);
        const std::wstring name =
            runningMarkerName(u"zel-test"_s, QCoreApplication::applicationDirPath()).toStdWString();
        const HANDLE marker = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
        QVERIFY(marker);
        CloseHandle(marker);
        QVERIFY(!OpenMutexW(MUTEX_MODIFY_STATE, FALSE, name.c_str()));
#endif
    }
};

int runServicesTests(int argc, char** argv)
{
    ServicesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_services.moc"
