#include "CPreApplyDlg.h"

#include "DialogTemplates.h"

CPreApplyDlg::CPreApplyDlg(QWidget* parent) : Dialog(zel::res::preApplyDialog(), parent) {}
