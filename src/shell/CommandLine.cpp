#include "CommandLine.h"

#include "platform/UserLanguages.h"
#include "shell/AppInfo.h"
#include "shell/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace zel {

namespace {
constexpr int kUsageError = 2;
} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    // A core application only: the GUI one would need a display just to print the help.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(appInfo::version));
    const Translations translations(userLanguages());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Views and changes the settings of one voice-mail box on the network.\n"
        "The device's address and port and the mailbox number are kept in Zel1.ini."));
    // Not addHelpOption(): its --help-all offers Qt's own options, which Zel does not take.
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    const auto refuse = [&](const QString& reason) {
        err << program << ": " << reason << "\n"
            << QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(program) << "\n";
        return kUsageError;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << "\n";
        return 0;
    }
    return std::nullopt;
}

} // namespace zel
