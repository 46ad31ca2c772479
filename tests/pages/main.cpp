#include <QApplication>

int runPureFunctionsTest(int argc, char** argv);
int runSettingsPageTest(int argc, char** argv);
int runNotificationsPageTest(int argc, char** argv);
int runStatisticsAndDialogsTest(int argc, char** argv);
int runContextHelpTest(int argc, char** argv);
int runInputTest(int argc, char** argv);

// One executable for the pages and the small dialogs; each test class runs in turn.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runPureFunctionsTest, runSettingsPageTest, runNotificationsPageTest,
                     runStatisticsAndDialogsTest, runContextHelpTest, runInputTest})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
