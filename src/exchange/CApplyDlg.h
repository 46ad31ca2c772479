#pragma once

#include "platform/Dialog.h"
#include "protocol/MailboxRecord.h"

#include <array>
#include <cstdint>

struct CZelSocketOwner;

// The apply exchange: sends the record to the device while the dialog opens, waits for the
// acknowledgement, shows the outcome and closes, all before the dialog is ever displayed.
class CApplyDlg : public zel::Dialog
{
    Q_OBJECT

public:
    CApplyDlg(CZelSocketOwner& owner, const MailboxRecord& record, QWidget* parent = nullptr);

protected:
    bool WindowProc(int message) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int waitForAcknowledgement();
    void OnAcknowledgement();
    void showOutcome(int outcome);

    CZelSocketOwner& m_owner;
    const MailboxRecord m_record;
    int m_nResult;
    std::array<std::uint8_t, 4096> m_buildBuffer;
};
