#pragma once

#include "platform/Dialog.h"

// "Please wait..." while the Apply command has the pages check their entries. The command
// creates, shows, hides and destroys it; its buttons stay hidden.
class CPreApplyDlg final : public zel::Dialog
{
    Q_OBJECT

public:
    explicit CPreApplyDlg(QWidget* parent = nullptr);

protected:
    // The user cannot act on this window: Enter leaves it in place.
    void OnOK() override;
};
