#include <QApplication>

int runExchangeTests(int argc, char** argv);
int runDeviceExchangeTests(int argc, char** argv);
int runDeviceLinkTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runDeviceLinkTests(argc, argv) + runExchangeTests(argc, argv) +
           runDeviceExchangeTests(argc, argv);
}
