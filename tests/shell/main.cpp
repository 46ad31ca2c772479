#include "TestCycle.h"
#include "TestDataInitDlg.h"
#include "TestMainDlg.h"
#include "TestStartup.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        TestDataInitDlg test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        TestStartup test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        TestMainDlg test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        TestCycle test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
