#include "shell/CZelApp.h"

#include <QApplication>

namespace {
CZelApp theApp;
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    theApp.InitInstance();
    return 0;
}
