#include <QApplication>

int runDataInitDlgTests(int argc, char** argv);
int runStartupTests(int argc, char** argv);
int runMainDlgTests(int argc, char** argv);
int runCycleTests(int argc, char** argv);
int runModalApplyTests(int argc, char** argv);

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    for (auto run :
         {runDataInitDlgTests, runStartupTests, runMainDlgTests, runCycleTests, runModalApplyTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
