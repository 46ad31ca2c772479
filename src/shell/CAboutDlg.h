#pragma once

#include "platform/Dialog.h"

// The About box: the program's name and version, from IDD_ABOUTBOX, and where the licences of
// the libraries a package ships are. OK, Escape and the close box end it.
class CAboutDlg final : public zel::Dialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
