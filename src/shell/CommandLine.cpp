#include "CommandLine.h"

#include "shell/AppInfo.h"

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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Views and changes the settings of one voice-mail box on the network.\n"
        "The device's address and port and the mailbox number are kept in Zel1.ini."));
    // Not addHelpOption(): its --help-all offers Qt's own options, which Zel does not take.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    if (!parser.parse(QCoreApplication::arguments())) {
        err << program << ": " << parser.errorText() << "\n";
        err << "Try '" << program << " --help'.\n";
        return kUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << program << ": Unexpected argument '" << parser.positionalArguments().constFirst()
            << "'.\n";
        err << "Try '" << program << " --help'.\n";
        return kUsageError;
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
