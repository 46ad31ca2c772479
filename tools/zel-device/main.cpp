#include "DemoMailboxes.h"
#include "DeviceServer.h"
#include "FaultOptions.h"
#include "MailboxStore.h"
#include "QuitOnSignal.h"
#include "RunningMarker.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <cstdio>

namespace {

constexpr int kUsageError = 2;
constexpr int kRuntimeError = 1;

const QString kDescription = QStringLiteral(
    "Simulates the voice-mail device on the network: answers Zel's view and apply\n"
    "requests (one UDP datagram each) for the mailboxes it holds, and logs every\n"
    "datagram in and out to standard error. The first line on standard output is\n"
    "\"listening ADDRESS:PORT\".\n"
    "\n"
    "Without --mailboxes it holds three demo mailboxes:\n"
    "  305     real mailbox, e-mail notification supported   password 1234\n"
    "  4120    real mailbox, no e-mail support               password 5823\n"
    "  777001  virtual mailbox, e-mail notification supported password 0000\n"
    "\n"
    "A mailbox file is JSON: {\"mailboxes\": [{\"mailboxNumber\": \"305\",\n"
    "\"password\": \"1234\", ...}, ...]}, with the mailbox record's field names as keys.\n"
    "\n"
    "The fault switches below apply to every answer unless --fault-on or\n"
    "--fault-count narrow them.");

int fail(int code, const QString& message)
{
    std::fprintf(stderr, "zel-device: %s\n", message.toLocal8Bit().constData());
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zel-device"));
    // The installer must not replace the files of a simulator that runs, as of Zel itself.
    zel::markProgramRunning(QStringLiteral("zel-device"));

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("address"), QStringLiteral("Listen on <address> (default 127.0.0.1)."),
         QStringLiteral("address"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("port"),
         QStringLiteral("Listen on UDP port <port> (default 5000; 0 picks a free port)."),
         QStringLiteral("port"), QStringLiteral("5000")},
        {QStringLiteral("mailboxes"), QStringLiteral("Hold the mailboxes of JSON <file>."),
         QStringLiteral("file")},
        {QStringLiteral("save"),
         QStringLiteral("Write the mailboxes back to the --mailboxes file (atomically) after "
                        "each stored apply.")},
    });
    FaultOptions::addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(kUsageError, parser.errorText() + QStringLiteral(" (see --help)"));
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty())
        return fail(kUsageError, QStringLiteral("unexpected argument \"%1\" (see --help)")
                                     .arg(parser.positionalArguments().constFirst()));

    QHostAddress address;
    if (!address.setAddress(parser.value(QStringLiteral("address"))))
        return fail(kUsageError, QStringLiteral("--address must be an IP address, not \"%1\"")
                                     .arg(parser.value(QStringLiteral("address"))));
    bool portOk = false;
    const uint port = parser.value(QStringLiteral("port")).toUInt(&portOk);
    if (!portOk || port > 65535)
        return fail(kUsageError,
                    QStringLiteral("--port must be a number from 0 to 65535, not \"%1\"")
                        .arg(parser.value(QStringLiteral("port"))));
    QString error;
    const auto faults = FaultOptions::fromParser(parser, error);
    if (!faults)
        return fail(kUsageError, error);

    const QString file = parser.value(QStringLiteral("mailboxes"));
    const bool save = parser.isSet(QStringLiteral("save"));
    if (save && file.isEmpty())
        return fail(kUsageError, QStringLiteral("--save needs --mailboxes FILE"));
    std::optional<MailboxStore> store =
        file.isEmpty() ? MailboxStore(demoMailboxes()) : MailboxStore::load(file, error);
    if (!store)
        return fail(kRuntimeError, error);

    DeviceResponder responder(std::move(*store), *faults, save ? file : QString());
    DeviceServer server(responder);
    if (!server.listen(address, quint16(port), error))
        return fail(kRuntimeError, error);
    std::printf("listening %s:%u\n", qPrintable(address.toString()), unsigned(server.port()));
    std::fflush(stdout);
    quitOnTerminationSignals(app);
    return app.exec();
}
