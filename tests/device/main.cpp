#include <QCoreApplication>

int runRequestsTests(int argc, char** argv);
int runMailboxFileTests(int argc, char** argv);
int runFaultsTests(int argc, char** argv);
int runCommandLineTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (auto run : {runRequestsTests, runMailboxFileTests, runFaultsTests, runCommandLineTests})
        failures += run(argc, argv);
    return failures;
}
