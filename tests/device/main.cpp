#include "TestSuites.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    failures += runRequestsTests(argc, argv);
    failures += runMailboxFileTests(argc, argv);
    failures += runFaultsTests(argc, argv);
    failures += runCommandLineTests(argc, argv);
    return failures;
}
