#include "ExchangeTestSupport.h"
#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "net/CZelAsyncSocket.h"
#include "res/resource.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using zel::IDC_CANCEL_BUTTON, zel::IDC_REFRESH_PASSWORD, zel::IDC_REFRESH_REQUEST;
using zel::IDC_EXCHANGE_STATUS_LINE1, zel::IDC_EXCHANGE_STATUS_LINE2;
using zel::MessageBox;
using namespace DeviceBytes;

namespace {

const QString kConnectFailed =
    QStringLiteral("Failed to connect the device !\nPlease check network connections");
const QString kNoSocket = QStringLiteral("Failed to create UDP socket! Please restart ZEL program");
const QString kNotValid = QStringLiteral("Data is not valid...Please try again");
const QString kCompleted = QStringLiteral("Data Transfer is successfully completed");
const QByteArray kViewRequest305 = QByteArray::fromHex("21213f030005ffffff");

// Each answer comes from `device`, or from `movedTo`, another port, when given.
void answerEachRequest(TestPeer& device, QList<QByteArray> answers, TestPeer* movedTo = nullptr)
{
    device.onDatagram = [&device, answers, movedTo](const QByteArray&) mutable {
        if (answers.isEmpty())
            return;
        if (movedTo)
            movedTo->sendTo(answers.takeFirst(), device.lastSenderPort);
        else
            device.reply(answers.takeFirst());
    };
}

void compareBox(const MessageBox::Shown& box, const QString& text, MessageBox::Icon icon)
{
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.title, zel::applicationTitle());
    QCOMPARE(box.buttons, MessageBox::Ok);
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

MailboxRecord record305()
{
    MailboxRecord record;
    record.mailboxNumber = "305";
    record.password = "1234";
    return record;
}

} // namespace

class ExchangeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // View exchange
    void viewRequestGoesOutByItself();
    void viewTimesOutAfterThreePeriodsWithoutResending();
    void cancelEndsTheWaitAtOnce();
    void replyForAnotherMailboxIsTaken();
    void passwordAttempts_data();
    void passwordAttempts();
    void failedReplies_data();
    void failedReplies();
    void bareAcknowledgementLeavesDialogOpen();
    void viewWithoutEndpoint();
    void emptyDatagramDoesNotSpoilTheExchange();
    void onlyTheDevicesAnswerMovesTheDevice();
    // Apply exchange
    void acknowledgements_data();
    void acknowledgements();
    void firstAcknowledgementDecides();
    void applyWithoutEndpoint();
};

void ExchangeTest::viewRequestGoesOutByItself()
{
    ExchangeBench bench;
    answerEachRequest(bench.device, {reply(kSlots305, 0, recordBody())});
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), false);

    QCOMPARE(runModal(dialog), zel::IDOK);
    QCOMPARE(bench.device.received, QList<QByteArray>({kViewRequest305}));
    QVERIFY(bench.boxes.shown().isEmpty());
    QVERIFY(dialog.replyReceived());
    QCOMPARE(dialog.record().mailboxNumber, "305");
    QCOMPARE(dialog.record().password, "1234");
    QCOMPARE(dialog.record().operatorExtensions[0], "101");
    QCOMPARE(dialog.record().maxMessages, 10);
    QCOMPARE(dialog.record().totalMessages, 5);
    QVERIFY(std::all_of(bench.link->stagingArea().begin(), bench.link->stagingArea().begin() + 1000,
                        [](auto b) { return b == 0xFF; }));
}

void ExchangeTest::viewTimesOutAfterThreePeriodsWithoutResending()
{
    ExchangeBench bench;
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);

    QCOMPARE(runModal(dialog), zel::IDCANCEL);
    QCOMPARE(bench.boxes.shown().size(), 1);
    compareBox(bench.boxes.shown()[0], kConnectFailed, MessageBox::Exclamation);
    QVERIFY2(bench.secondsUntilLastBox() >= 30 && bench.secondsUntilLastBox() <= 33,
             QByteArray::number(bench.secondsUntilLastBox()));
    QTest::qWait(20);
    QCOMPARE(bench.device.received, QList<QByteArray>({kViewRequest305}));
    QVERIFY(!dialog.replyReceived());
}

void ExchangeTest::cancelEndsTheWaitAtOnce()
{
    ExchangeBench bench;
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);
    bench.device.onDatagram = [&dialog](const QByteArray&) {
        dialog.dlgItem<QPushButton>(IDC_CANCEL_BUTTON)->click();
    };

    QCOMPARE(runModal(dialog), zel::IDCANCEL);
    QVERIFY(bench.boxes.shown().isEmpty());
    QVERIFY(bench.elapsedSeconds() < 2);
    QCOMPARE(bench.device.received.size(), 1);
}

void ExchangeTest::replyForAnotherMailboxIsTaken()
{
    ExchangeBench bench;
    answerEachRequest(bench.device, {reply(kSlots12, 0, recordBody())});
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);
    auto* password = dialog.dlgItem<QLineEdit>(IDC_REFRESH_PASSWORD);
    auto* request = dialog.dlgItem<QPushButton>(IDC_REFRESH_REQUEST);
    QString prompt;
    // Button 4 comes back once the wait that brought the reply is over.
    const auto steps = [&](Script& script) {
        script.when([=] { return password->isVisible() && request->isEnabled(); },
                    [&] {
                        prompt = dialog.GetDlgItemText(IDC_EXCHANGE_STATUS_LINE1);
                        QTest::keyClicks(password, QStringLiteral("1234"));
                        request->click();
                    });
    };

    QCOMPARE(runModal(dialog, steps), zel::IDOK);
    QCOMPARE(prompt, QStringLiteral("Please enter Password for mailbox 305"));
    QCOMPARE(dialog.record().mailboxNumber, "12");
    QVERIFY(bench.boxes.shown().isEmpty());
}

void ExchangeTest::passwordAttempts_data()
{
    QTest::addColumn<QString>("lastAttempt");
    QTest::addColumn<int>("result");
    QTest::newRow("right at the fourth attempt") << QStringLiteral("1234") << zel::IDOK;
    QTest::newRow("wrong at the fourth attempt") << QStringLiteral("4321") << zel::IDCANCEL;
}

void ExchangeTest::passwordAttempts()
{
    QFETCH(QString, lastAttempt);
    QFETCH(int, result);
    ExchangeBench bench;
    answerEachRequest(bench.device, {reply(kSlots305, 0, recordBody())});
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);
    auto* password = dialog.dlgItem<QLineEdit>(IDC_REFRESH_PASSWORD);
    auto* request = dialog.dlgItem<QPushButton>(IDC_REFRESH_REQUEST);
    auto* line1 = dialog.dlgItem<QLabel>(IDC_EXCHANGE_STATUS_LINE1);
    auto* line2 = dialog.dlgItem<QLabel>(IDC_EXCHANGE_STATUS_LINE2);
    // Per step: line 1, its accessible name, the password box's, line 2 shown, dialog open,
    // password selected, password focused.
    QStringList seen;
    const auto look = [&] {
        seen << QStringList{line1->text(),
                            accessibleName(line1),
                            accessibleName(password),
                            QString::number(line2->isVisible()),
                            QString::number(dialog.isWindowAlive()),
                            password->selectedText(),
                            QString::number(dialog.focusWidget() == password)}
                    .join(u'|');
    };
    const auto steps = [&](Script& script) {
        script.when([=] { return password->isVisible() && request->isEnabled(); },
                    [&] {
                        look();
                        for (const QString& wrong : {QStringLiteral("1"), QStringLiteral("12345"),
                                                     QStringLiteral("0000")}) {
                            password->setText(wrong);
                            request->click();
                            look();
                        }
                        password->setText(lastAttempt);
                        request->click();
                    });
    };

    QCOMPARE(runModal(dialog, steps), result);
    QCOMPARE(seen, QStringList({
                       QStringLiteral("Please enter Password for mailbox 305|Please enter "
                                      "Password for mailbox 305|Password|0|1||1"),
                       QStringLiteral("Incorrect Password, Please try again|Incorrect Password, "
                                      "Please try again|Password|0|1|1|1"),
                       QStringLiteral("Incorrect Password, Please try again|Incorrect Password, "
                                      "Please try again|Password|0|1|12345|1"),
                       QStringLiteral("Incorrect Password, Please try again|Incorrect Password, "
                                      "Please try again|Password|0|1|0000|1"),
                   }));
    QVERIFY(bench.boxes.shown().isEmpty());
    QCOMPARE(bench.device.received.size(), 1);
}

void ExchangeTest::failedReplies_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("replyReceived");

    QTest::newRow("status 1 names the reply's mailbox")
        << reply(kSlots12, 1) << QStringLiteral("Mailbox number 12 does not exist")
        << int(MessageBox::Information) << true;
    QTest::newRow("status 2") << reply(kSlots305, 2) << kNotValid << int(MessageBox::Information)
                              << true;
    QTest::newRow("record cut short") << reply(kSlots305, 0, recordBody().chopped(4)) << kNotValid
                                      << int(MessageBox::Information) << true;
    QTest::newRow("telephone number over 20 dial codes")
        << reply(kSlots305, 0, recordBody(21)) << kNotValid << int(MessageBox::Information) << true;
    QTest::newRow("no !!V") << QByteArrayLiteral("!!X") + kSlots305 + QByteArray::fromHex("000100")
                            << QString() << 0 << false;
    QTest::newRow("length past the end")
        << reply(kSlots305, 0, recordBody(), int(recordBody().size()) + 2) << QString() << 0
        << true;
}

void ExchangeTest::failedReplies()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(bool, replyReceived);
    ExchangeBench bench;
    answerEachRequest(bench.device, {datagram});
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);

    QCOMPARE(runModal(dialog), zel::IDCANCEL);
    QCOMPARE(dialog.replyReceived(), replyReceived);
    if (text.isEmpty()) {
        QVERIFY(bench.boxes.shown().isEmpty());
    } else {
        QCOMPARE(bench.boxes.shown().size(), 1);
        compareBox(bench.boxes.shown()[0], text, MessageBox::Icon(icon));
    }
    QVERIFY(bench.secondsUntilLastBox() < 2);
}

void ExchangeTest::bareAcknowledgementLeavesDialogOpen()
{
    ExchangeBench bench;
    answerEachRequest(bench.device, {acknowledgement(kSlots305, 0)});
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);
    auto* request = dialog.dlgItem<QPushButton>(IDC_REFRESH_REQUEST);
    bool openAndReady = false;
    const auto steps = [&](Script& script) {
        script.when([&] { return bench.boxes.shown().size() == 1 && request->isEnabled(); },
                    [&] {
                        openAndReady = dialog.isWindowAlive();
                        // Asking again waits afresh: the earlier answer does not count for this
                        // request.
                        request->click();
                    });
    };

    QCOMPARE(runModal(dialog, steps), zel::IDCANCEL);
    QVERIFY(openAndReady);
    QCOMPARE(bench.boxes.shown().size(), 2);
    compareBox(bench.boxes.shown()[0], kCompleted, MessageBox::NoIcon);
    compareBox(bench.boxes.shown()[1], kConnectFailed, MessageBox::Exclamation);
    QCOMPARE(bench.device.received, QList<QByteArray>({kViewRequest305, kViewRequest305}));
}

void ExchangeTest::viewWithoutEndpoint()
{
    ExchangeBench bench;
    bench.link->ReleaseSocket();
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), true);
    const auto steps = [&](Script& script) {
        script.then([&] {
            dialog.dlgItem<QPushButton>(IDC_REFRESH_REQUEST)->click();
            dialog.dlgItem<QPushButton>(IDC_CANCEL_BUTTON)->click();
        });
    };

    QCOMPARE(runModal(dialog, steps), zel::IDCANCEL);
    QCOMPARE(bench.boxes.shown().size(), 2);
    compareBox(bench.boxes.shown()[0], kNoSocket, MessageBox::Stop);
    compareBox(bench.boxes.shown()[1], kNoSocket, MessageBox::Stop);
}

void ExchangeTest::emptyDatagramDoesNotSpoilTheExchange()
{
    ExchangeBench bench;
    TestPeer stranger;
    bench.device.onDatagram = [&](const QByteArray&) {
        stranger.sendTo(QByteArray(), bench.link->endpoint()->localPort());
        bench.device.reply(reply(kSlots305, 0, recordBody()));
    };
    TraceCapture trace;
    CRefreshDlg dialog(*bench.link, QStringLiteral("305"), false);

    QCOMPARE(runModal(dialog), zel::IDOK);
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\nCZelAsyncSocket::OnReceive\n"));
    QCOMPARE(bench.link->devicePort(), int(bench.device.port()));
    QVERIFY(bench.link->endpoint()->isOpen());
}

void ExchangeTest::onlyTheDevicesAnswerMovesTheDevice()
{
    ExchangeBench bench;
    TestPeer stranger;
    TestPeer movedDevice;
    const quint16 zelPort = bench.link->endpoint()->localPort();
    // With no exchange open even a well-formed reply is nobody's answer.
    stranger.sendTo(reply(kSlots305, 0, recordBody()), zelPort);
    QTRY_VERIFY(bench.link->received() > 0);

    // During the apply: one datagram it ignores, then one that ends its wait without the magic.
    bench.device.onDatagram = [&](const QByteArray&) {
        stranger.sendTo(QByteArrayLiteral("!!V") + QByteArray(13, '\0'), zelPort);
        stranger.sendTo(QByteArrayLiteral("junk"), zelPort);
    };
    CApplyDlg apply(*bench.link, record305());
    QCOMPARE(runModal(apply), zel::IDOK);
    QCOMPARE(bench.device.received.size(), 1);
    QCOMPARE(bench.boxes.shown().size(), 1);
    compareBox(bench.boxes.shown()[0], kConnectFailed, MessageBox::Exclamation);
    // Nor for another mailbox or cut short: they end the wait, but any host may send them.
    for (const QByteArray& end :
         {acknowledgement(kSlots306, 3), acknowledgement(kSlots305, 3, 2)}) {
        bench.device.onDatagram = [&](const QByteArray&) { stranger.sendTo(end, zelPort); };
        CApplyDlg misled(*bench.link, record305());
        QCOMPARE(runModal(misled), zel::IDOK);
    }

    // During the view, a datagram that fails the length rule; then the device answers from
    // another port, and is followed there.
    bench.device.onDatagram = [&](const QByteArray&) {
        if (bench.device.received.size() == 4)
            stranger.sendTo(reply(kSlots305, 0, {}, 9), zelPort);
        else
            movedDevice.sendTo(reply(kSlots305, 0, recordBody()), zelPort);
    };
    CRefreshDlg cancelled(*bench.link, QStringLiteral("305"), false);
    QCOMPARE(runModal(cancelled), zel::IDCANCEL);
    CRefreshDlg view(*bench.link, QStringLiteral("305"), false);
    QCOMPARE(runModal(view), zel::IDOK);
    QCOMPARE(bench.device.received.size(), 5);
    QCOMPARE(bench.link->devicePort(), int(movedDevice.port()));
    QCOMPARE(stranger.received.size(), 0);
}

void ExchangeTest::acknowledgements_data()
{
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("timedOut");
    QTest::addColumn<bool>("movesDevice"); // the answer's sender becomes the device

    const auto info = int(MessageBox::Information);
    const auto warning = int(MessageBox::Exclamation);
    QTest::newRow("applied") << QList<QByteArray>{acknowledgement(kSlots305, 0)} << kCompleted
                             << info << false << true;
    QTest::newRow("status 1 names the mailbox sent")
        << QList<QByteArray>{acknowledgement(kSlots12, 1)}
        << QStringLiteral("Mailbox number 305 does not exist") << info << false << true;
    QTest::newRow("status 2") << QList<QByteArray>{acknowledgement(kSlots305, 2)} << kNotValid
                              << info << false << true;
    QTest::newRow("another mailbox") << QList<QByteArray>{acknowledgement(kSlots306, 3)}
                                     << kConnectFailed << warning << false << false;
    QTest::newRow("length past the end") << QList<QByteArray>{acknowledgement(kSlots305, 3, 2)}
                                         << kConnectFailed << warning << false << false;
    QTest::newRow("no !!V") << QList<QByteArray>{QByteArray::fromHex("212158030005ffffff000100")}
                            << kConnectFailed << warning << false << false;
    QTest::newRow("status 3 waits on") << QList<QByteArray>{acknowledgement(kSlots305, 3)}
                                       << kConnectFailed << warning << true << false;
    QTest::newRow("status 0 with length 2 waits on")
        << QList<QByteArray>{acknowledgement(kSlots305, 0, 2) + char(0)} << kConnectFailed
        << warning << true << false;
    QTest::newRow("view reply is ignored") << QList<QByteArray>{reply(kSlots305, 0, recordBody())}
                                           << kConnectFailed << warning << true << false;
    QTest::newRow("no answer") << QList<QByteArray>{} << kConnectFailed << warning << true << false;
}

void ExchangeTest::acknowledgements()
{
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(bool, timedOut);
    QFETCH(bool, movesDevice);
    ExchangeBench bench;
    TestPeer movedDevice;
    answerEachRequest(bench.device, answers, &movedDevice);
    CApplyDlg dialog(*bench.link, record305());
    const ShowCounter shown(&dialog);

    QCOMPARE(runModal(dialog), zel::IDOK);
    QCOMPARE(shown.shows, 0);
    QCOMPARE(bench.boxes.shown().size(), 1);
    compareBox(bench.boxes.shown()[0], text, MessageBox::Icon(icon));
    if (timedOut) {
        QVERIFY2(bench.secondsUntilLastBox() >= 30 && bench.secondsUntilLastBox() <= 33,
                 QByteArray::number(bench.secondsUntilLastBox()));
    } else {
        QVERIFY(bench.secondsUntilLastBox() < 2);
    }
    QTest::qWait(20);
    QCOMPARE(bench.device.received.size(), 1);
    QCOMPARE(bench.device.received[0].size(), 39);
    QVERIFY(bench.device.received[0].startsWith(QByteArrayLiteral("!!S") + kSlots305));
    QCOMPARE(bench.link->devicePort() == movedDevice.port(), movesDevice);
}

void ExchangeTest::firstAcknowledgementDecides()
{
    ExchangeBench bench;
    bench.device.onDatagram = [&bench](const QByteArray&) {
        bench.device.reply(acknowledgement(kSlots305, 0));
        bench.device.reply(QByteArray::fromHex("212158030005ffffff000100"));
    };
    CApplyDlg dialog(*bench.link, record305());

    QCOMPARE(runModal(dialog), zel::IDOK);
    QCOMPARE(bench.boxes.shown().size(), 1);
    compareBox(bench.boxes.shown()[0], kCompleted, MessageBox::Information);
}

void ExchangeTest::applyWithoutEndpoint()
{
    ExchangeBench bench;
    bench.link->ReleaseSocket();
    CApplyDlg dialog(*bench.link, record305());
    const ShowCounter shown(&dialog);

    QCOMPARE(runModal(dialog), zel::IDCANCEL);
    QCOMPARE(shown.shows, 0);
    QCOMPARE(bench.boxes.shown().size(), 1);
    compareBox(bench.boxes.shown()[0], kNoSocket, MessageBox::Stop);
}

int runExchangeTests(int argc, char** argv)
{
    ExchangeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exchange.moc"
