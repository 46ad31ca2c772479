#pragma once

#include "platform/Dialog.h"

// The "Mailbox Statistics" tab page: the message counts the Refresh command writes into its
// read-only edits by id. It has nothing to load or check of its own.
class CStatisticsPage : public zel::Dialog
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_NEW_MESSAGES = 1014,
        IDC_SAVED_MESSAGES = 1015,
        IDC_TOTAL_MESSAGES = 1016,
        IDC_MAX_MESSAGES = 1017,
        IDC_MESSAGE_LIST = 1019, // never shown
    };

    explicit CStatisticsPage(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnHelpInfo(const zel::HelpInfo& info) override;
};
