#pragma once

#include "Dialog.h"

// "Please wait..." while the Apply command has the pages check their entries. The command
// creates, shows, hides and destroys it; the user cannot end it.
class CPreApplyDlg : public zel::Dialog
{
    Q_OBJECT

public:
    explicit CPreApplyDlg(QWidget* parent = nullptr);

protected:
    void OnOK() override;
    void OnCancel() override;
};
