// The two exchanges against the real device simulator, which has its own encoder and
// decoder: a mistake on our side is not mirrored on its side.

#include "ExchangeTestSupport.h"
#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "net/CZelAsyncSocket.h"
#include "res/resource.h"
#include "support/DeviceProcess.h"

#include <QPushButton>
#include <QTest>

using zel::MessageBox;

namespace {

const QString kConnectFailed =
    QStringLiteral("Failed to connect the device !\nPlease check network connections");
const QString kCompleted = QStringLiteral("Data Transfer is successfully completed");

// A device link pointed at a freshly started zel-device, on the real clock.
struct DeviceBench
{
    explicit DeviceBench(const QStringList& faults = {})
    {
        started = device.start(faults);
        openLink(link, device.port());
    }

    int refresh(const QString& mailbox, MailboxRecord* record = nullptr)
    {
        CRefreshDlg dialog(link, mailbox, false);
        const int result = runModal(dialog);
        if (record)
            *record = dialog.record();
        return result;
    }

    int apply(const MailboxRecord& record)
    {
        CApplyDlg dialog(link, record);
        return runModal(dialog);
    }

    DeviceProcess device;
    bool started = false;
    DeviceLink link;
    BoxRecorder boxes;
};

} // namespace

class DeviceExchangeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void viewAndApplyRoundTrip();
    void replyFromAnotherPortIsFollowed();
    void unknownMailbox();
    void faultyReplies_data();
    void faultyReplies();
    void droppedRepliesTimeOutAndTheNextExchangeWorks_data();
    void droppedRepliesTimeOutAndTheNextExchangeWorks();
    void acknowledgementForAnotherMailbox_data();
    void acknowledgementForAnotherMailbox();
};

void DeviceExchangeTest::viewAndApplyRoundTrip()
{
    DeviceBench bench;
    QVERIFY(bench.started);
    MailboxRecord record;
    QCOMPARE(bench.refresh(QStringLiteral("305"), &record), zel::IDOK);
    QCOMPARE(record.mailboxNumber, "305");
    QCOMPARE(record.password, "1234");
    QCOMPARE(record.telephoneNumber, "035551234p9");
    QCOMPARE(record.pagerNumber, "*95551234#");
    QCOMPARE(record.emailAddress, "dana.levi@example.com");
    QCOMPARE(record.operatorExtensions[4], "250");
    QCOMPARE(record.faxExtensionChoice, 2);
    QCOMPARE(record.maxMessages, 50);

    record.smsNumber = "+15550100";
    record.telephoneNumber = "0#12*";
    record.doNotDisturb = true;
    record.faxExtensionChoice = 0;
    QCOMPARE(bench.apply(record), zel::IDOK);
    QCOMPARE(bench.boxes.shown().size(), 1);
    QCOMPARE(bench.boxes.shown()[0].text, kCompleted);
    QCOMPARE(bench.boxes.shown()[0].icon, MessageBox::Information);

    MailboxRecord stored;
    QCOMPARE(bench.refresh(QStringLiteral("305"), &stored), zel::IDOK);
    QCOMPARE(stored.smsNumber, "+15550100");
    QCOMPARE(stored.telephoneNumber, "0#12*");
    QVERIFY(stored.doNotDisturb);
    QCOMPARE(stored.faxExtensionChoice, 0);
}

void DeviceExchangeTest::replyFromAnotherPortIsFollowed()
{
    DeviceBench bench({QStringLiteral("--other-port")});
    QVERIFY(bench.started);
    QCOMPARE(bench.refresh(QStringLiteral("305")), zel::IDOK);
    QVERIFY(bench.link.devicePort() != bench.device.port());
    QCOMPARE(bench.link.deviceAddress(), QStringLiteral("127.0.0.1"));
    QVERIFY(bench.boxes.shown().isEmpty());
}

void DeviceExchangeTest::unknownMailbox()
{
    DeviceBench bench;
    QVERIFY(bench.started);
    QCOMPARE(bench.refresh(QStringLiteral("999")), zel::IDCANCEL);
    MailboxRecord record;
    record.mailboxNumber = "999";
    record.password = "1111";
    QCOMPARE(bench.apply(record), zel::IDOK);

    QCOMPARE(bench.boxes.shown().size(), 2);
    for (const MessageBox::Shown& box : bench.boxes.shown()) {
        QCOMPARE(box.text, QStringLiteral("Mailbox number 999 does not exist"));
        QCOMPARE(box.icon, MessageBox::Information);
    }
}

void DeviceExchangeTest::faultyReplies_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    QTest::newRow("bare acknowledgement")
        << QStringList{QStringLiteral("--bare-ack"), QStringLiteral("--fault-count"),
                       QStringLiteral("1")}
        << zel::IDOK << kCompleted << int(MessageBox::NoIcon);
    QTest::newRow("status 2") << QStringList{QStringLiteral("--status"), QStringLiteral("2")}
                              << zel::IDCANCEL
                              << QStringLiteral("Data is not valid...Please try again")
                              << int(MessageBox::Information);
    QTest::newRow("record cut short")
        << QStringList{QStringLiteral("--truncate"), QStringLiteral("40")} << zel::IDCANCEL
        << QStringLiteral("Data is not valid...Please try again") << int(MessageBox::Information);
    QTest::newRow("bad magic") << QStringList{QStringLiteral("--bad-magic")} << zel::IDCANCEL
                               << QString() << 0;
}

void DeviceExchangeTest::faultyReplies()
{
    QFETCH(QStringList, faults);
    QFETCH(int, result);
    QFETCH(QString, text);
    QFETCH(int, icon);
    DeviceBench bench(faults);
    QVERIFY(bench.started);

    CRefreshDlg dialog(bench.link, QStringLiteral("305"), false);
    // After a bare acknowledgement the dialog stays open: ask again, and it ends.
    std::function<void(Script&)> askAgain;
    if (result == zel::IDOK) {
        askAgain = [&](Script& script) {
            script.when(
                [&] {
                    return !bench.boxes.shown().isEmpty() &&
                           dialog.GetDlgItem(zel::IDC_REFRESH_REQUEST)->isEnabled();
                },
                [&] { dialog.dlgItem<QPushButton>(zel::IDC_REFRESH_REQUEST)->click(); });
        };
    }
    QCOMPARE(runModal(dialog, askAgain), result);
    if (text.isEmpty()) {
        QVERIFY(bench.boxes.shown().isEmpty());
    } else {
        QCOMPARE(bench.boxes.shown().size(), 1);
        QCOMPARE(bench.boxes.shown()[0].text, text);
        QCOMPARE(bench.boxes.shown()[0].icon, MessageBox::Icon(icon));
    }
}

void DeviceExchangeTest::droppedRepliesTimeOutAndTheNextExchangeWorks_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("received");
    QTest::newRow("empty datagram") << QStringLiteral("--empty-reply") << 0;
    QTest::newRow("oversize datagram") << QStringLiteral("--oversize") << -1;
}

void DeviceExchangeTest::droppedRepliesTimeOutAndTheNextExchangeWorks()
{
    QFETCH(QString, fault);
    QFETCH(int, received);
    DeviceBench bench({fault, QStringLiteral("--fault-count"), QStringLiteral("1")});
    QVERIFY(bench.started);
    TraceCapture trace;
    {
        MockClock clock(1'000'000'000'000, 50);
        CRefreshDlg dialog(bench.link, QStringLiteral("305"), false);
        QCOMPARE(runModal(dialog), zel::IDCANCEL);
    }
    QCOMPARE(trace.text, std::string("CZelAsyncSocket::OnReceive\n"));
    QCOMPARE(bench.link.received(), received);
    QCOMPARE(bench.boxes.shown().size(), 1);
    QCOMPARE(bench.boxes.shown()[0].text, kConnectFailed);

    QCOMPARE(bench.refresh(QStringLiteral("305")), zel::IDOK);
    QCOMPARE(bench.boxes.shown().size(), 1);
}

void DeviceExchangeTest::acknowledgementForAnotherMailbox_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    // The status byte decides whenever it says applied, whatever mailbox is named.
    QTest::newRow("applied") << QStringList{} << kCompleted << int(MessageBox::Information);
    QTest::newRow("status 3") << QStringList{QStringLiteral("--status"), QStringLiteral("3")}
                              << kConnectFailed << int(MessageBox::Exclamation);
}

void DeviceExchangeTest::acknowledgementForAnotherMailbox()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, text);
    QFETCH(int, icon);
    DeviceBench bench(QStringList{QStringLiteral("--other-mailbox"), QStringLiteral("--fault-on"),
                                  QStringLiteral("apply")} +
                      faults);
    QVERIFY(bench.started);
    MailboxRecord record;
    QCOMPARE(bench.refresh(QStringLiteral("305"), &record), zel::IDOK);
    QCOMPARE(bench.apply(record), zel::IDOK);
    QCOMPARE(bench.boxes.shown().size(), 1);
    QCOMPARE(bench.boxes.shown()[0].text, text);
    QCOMPARE(bench.boxes.shown()[0].icon, MessageBox::Icon(icon));
}

int runDeviceExchangeTests(int argc, char** argv)
{
    DeviceExchangeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_device_exchange.moc"
