// The mailbox file: saved atomically, loaded on restart, refused when faulty.

#include "DeviceFixture.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class MailboxFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesTheFileAndARestartLoadsIt();
    void withoutSaveTheFileIsLeftAlone();
    void badMailboxFiles_data();
    void badMailboxFiles();
};

void MailboxFileTest::saveWritesTheFileAndARestartLoadsIt()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir, {QStringLiteral("--save")}));
    const QString path = dir.filePath(QStringLiteral("mailboxes.json"));
    DeviceClient client(device.port());

    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    const QJsonObject first = QJsonDocument::fromJson(saved)
                                  .object()
                                  .value(QStringLiteral("mailboxes"))
                                  .toArray()
                                  .at(0)
                                  .toObject();
    QCOMPARE(first.value(QStringLiteral("password")).toString(), QStringLiteral("9753"));
    QCOMPARE(first.value(QStringLiteral("pagerNumber")).toString(), QStringLiteral("0p"));
    QCOMPARE(first.value(QStringLiteral("maxMessages")).toInt(), -135);
    // Written through a temporary file that was renamed: nothing else is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("mailboxes.json")});

    // A refused request does not touch the file.
    QCOMPARE(client.exchange(withByte(applyRequest305(), 10, 0)), ack("03 00 05 ff ff ff", 2));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    file.close();
    device.stop();

    DeviceProcess restarted;
    QVERIFY(restarted.start({QStringLiteral("--mailboxes"), path}));
    DeviceClient again(restarted.port());
    QCOMPARE(again.exchange(kViewRequest305), viewReply305AfterApply());
}

void MailboxFileTest::withoutSaveTheFileIsLeftAlone()
{
    QTemporaryDir dir;
    DeviceProcess device;
    QVERIFY(startWithMailboxes(device, dir));
    DeviceClient client(device.port());
    QCOMPARE(client.exchange(applyRequest305()), ack("03 00 05 ff ff ff", 0));
    QFile file(dir.filePath(QStringLiteral("mailboxes.json")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(kMailboxes));
}

void MailboxFileTest::badMailboxFiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{\"mailboxes\": [")
                              << QStringLiteral("not valid JSON");
    QTest::newRow("no list") << QByteArray("{\"boxes\": []}")
                             << QStringLiteral("\"mailboxes\" list");
    QTest::newRow("entry not an object") << QByteArray("{\"mailboxes\": [7]}")
                                         << QStringLiteral("mailbox 1 of the list: not an object");
    QTest::newRow("number missing") << QByteArray(R"({"mailboxes": [{"password": "1234"}]})")
                                    << QStringLiteral("\"mailboxNumber\" is required");
    QTest::newRow("short password")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "12"}]})")
        << QStringLiteral("\"password\" must be 4 decimal digits");
    QTest::newRow("number twice")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234"},
                                         {"mailboxNumber": "1", "password": "4321"}]})")
        << QStringLiteral("mailbox 2 of the list: mailbox number 1 appears twice");
    QTest::newRow("misspelt field")
        << QByteArray(
               R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234", "pasword": "1"}]})")
        << QStringLiteral("unknown field \"pasword\"");
    QTest::newRow("telephone not dialable")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "telephoneNumber": "+49"}]})")
        << QStringLiteral("\"telephoneNumber\"");
    QTest::newRow("count over a byte")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "newMessages": 128}]})")
        << QStringLiteral("\"newMessages\" must be an integer from -128 to 127");
    QTest::newRow("nine operator extensions")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                          "operatorExtensions": ["1","2","3","4","5","6","7","8","9"]}]})")
        << QStringLiteral("\"operatorExtensions\"");
    QTest::newRow("list entry of 8 digits")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                          "faxExtensions": ["12345678"]}]})")
        << QStringLiteral("\"faxExtensions\"");
    QTest::newRow("e-mail without support")
        << QByteArray(R"({"mailboxes": [{"mailboxNumber": "1", "password": "1234",
                                         "emailAddress": "a@b"}]})")
        << QStringLiteral("\"emailAddress\"");
}

void MailboxFileTest::badMailboxFiles()
{
    QTemporaryDir dir;
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    const QString path = writeMailboxFile(dir, json);
    QVERIFY(!path.isEmpty());
    const FinishedRun run = runDevice(
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--mailboxes"), path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
}

int runMailboxFileTests(int argc, char** argv)
{
    MailboxFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mailbox_file.moc"
