#include <QApplication>

int runExchangeTests(int argc, char** argv);
int runDeviceExchangeTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runExchangeTests(argc, argv) + runDeviceExchangeTests(argc, argv);
}
