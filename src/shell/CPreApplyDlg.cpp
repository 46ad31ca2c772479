#include "CPreApplyDlg.h"

#include "DialogTemplates.h"

CPreApplyDlg::CPreApplyDlg(QWidget* parent) : Dialog(zel::res::preApplyDialog(), parent) {}

// Enter, Escape and the close box: the wait is over only when the Apply command says so.
void CPreApplyDlg::OnOK() {}

void CPreApplyDlg::OnCancel() {}
