#include "CAboutDlg.h"

#include "res/DialogTemplates.h"

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(zel::res::aboutDialog(), parent) {}
