#pragma once

#include "platform/Dialog.h"

// The "Mailbox Statistics" tab page: the message counts the Refresh command writes into its
// read-only edits by id. It has nothing to load or check of its own.
class CStatisticsPage final : public zel::Dialog
{
    Q_OBJECT

public:
    explicit CStatisticsPage(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnHelpInfo(const zel::HelpInfo& info) override;
};
