#include <QApplication>

int runDialogTests(int argc, char** argv);
int runServicesTests(int argc, char** argv);
int runProfileFileTests(int argc, char** argv);
int runIpv4AddressEditTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (auto run :
         {runDialogTests, runServicesTests, runProfileFileTests, runIpv4AddressEditTests})
        failures += run(argc, argv);
    return failures;
}
