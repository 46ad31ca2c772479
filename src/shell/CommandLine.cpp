#include "CommandLine.h"

#include "platform/UsageError.h"
#include "platform/UserLanguages.h"
#include "shell/AppInfo.h"
#include "shell/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

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

    const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();
    const auto usageError = [&program](const QString& what) {
        reportUsageError(
            QStringLiteral("%1: %2\n").arg(program, what) +
            QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(program) + u'\n');
        return kUsageError;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                              .arg(parser.positionalArguments().constFirst()));
    // Both print and end the program, or on Windows show a box where there is no console.
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();
    return std::nullopt;
}

} // namespace zel
