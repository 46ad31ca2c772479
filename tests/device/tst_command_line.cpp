// Help text, and clear failures on bad command lines.

#include "DeviceFixture.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpNamesEveryFaultAndTheDemoPasswords();
    void badCommandLines_data();
    void badCommandLines();
    void portInUseFails();
};

void CommandLineTest::helpNamesEveryFaultAndTheDemoPasswords()
{
    const FinishedRun run = runDevice({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.standardOutput);
    for (const char* text :
         {"--no-reply", "--delay", "--bad-magic", "--status", "--bare-ack", "--truncate",
          "--oversize", "--empty-reply", "--other-port", "--other-mailbox", "--fault-on",
          "--fault-count", "305", "1234", "4120", "5823", "777001", "0000"})
        QVERIFY2(help.contains(QLatin1String(text)), text);
}

void CommandLineTest::badCommandLines_data()
{
    QTemporaryDir dir;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString missing = dir.filePath(QStringLiteral("missing.json"));
    QTest::newRow("port not a number")
        << QStringList{QStringLiteral("--port"), QStringLiteral("x")} << QStringLiteral("--port");
    QTest::newRow("port too big") << QStringList{QStringLiteral("--port"), QStringLiteral("65536")}
                                  << QStringLiteral("--port");
    QTest::newRow("address") << QStringList{QStringLiteral("--address"), QStringLiteral("nowhere")}
                             << QStringLiteral("--address");
    QTest::newRow("negative delay") << QStringList{QStringLiteral("--delay"), QStringLiteral("-5")}
                                    << QStringLiteral("--delay");
    QTest::newRow("status 256") << QStringList{QStringLiteral("--status"), QStringLiteral("256")}
                                << QStringLiteral("--status");
    QTest::newRow("truncate 0") << QStringList{QStringLiteral("--truncate"), QStringLiteral("0")}
                                << QStringLiteral("--truncate");
    QTest::newRow("fault-on") << QStringList{QStringLiteral("--fault-on"), QStringLiteral("both")}
                              << QStringLiteral("--fault-on");
    QTest::newRow("two reply shapes")
        << QStringList{QStringLiteral("--no-reply"), QStringLiteral("--oversize")}
        << QStringLiteral("at most one");
    QTest::newRow("save without file")
        << QStringList{QStringLiteral("--save")} << QStringLiteral("--save needs --mailboxes");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--colour")} << QStringLiteral("colour");
    QTest::newRow("stray argument")
        << QStringList{QStringLiteral("305")} << QStringLiteral("unexpected argument");
    QTest::newRow("missing file") << QStringList{QStringLiteral("--mailboxes"), missing}
                                  << QStringLiteral("cannot read");
}

void CommandLineTest::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const FinishedRun run = runDevice(arguments);
    QVERIFY(run.exitCode > 0);
    QVERIFY2(QString::fromUtf8(run.standardError).contains(message), run.standardError.constData());
    QVERIFY(!run.standardOutput.contains("listening"));
}

void CommandLineTest::portInUseFails()
{
    DeviceProcess device;
    QVERIFY(device.start({}));
    const FinishedRun run = runDevice({QStringLiteral("--port"), QString::number(device.port())});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.standardError.contains("cannot listen"));
}

int runCommandLineTests(int argc, char** argv)
{
    CommandLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_command_line.moc"
