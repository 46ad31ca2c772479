#include "CAboutDlg.h"

#include "DialogTemplates.h"

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(zel::res::aboutDialog(), parent) {}
