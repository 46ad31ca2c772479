#include "TestSuites.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    failures += runDialogTests(argc, argv);
    failures += runServicesTests(argc, argv);
    failures += runProfileFileTests(argc, argv);
    failures += runIpv4AddressEditTests(argc, argv);
    return failures;
}
