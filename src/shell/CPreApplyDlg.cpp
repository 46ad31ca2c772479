#include "CPreApplyDlg.h"

#include "res/DialogTemplates.h"

CPreApplyDlg::CPreApplyDlg(QWidget* parent) : Dialog(zel::res::preApplyDialog(), parent) {}

void CPreApplyDlg::OnOK() {}
