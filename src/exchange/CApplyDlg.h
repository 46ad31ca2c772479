#pragma once

#include "net/DatagramBuffer.h"
#include "platform/Dialog.h"
#include "protocol/MailboxRecord.h"

class DeviceLink;

// The apply exchange: sends the record to the device while the dialog opens, waits for the
// acknowledgement, shows the outcome and closes, all before the dialog is ever displayed.
class CApplyDlg final : public zel::Dialog
{
    Q_OBJECT

public:
    CApplyDlg(DeviceLink& link, const MailboxRecord& record, QWidget* parent = nullptr);

    // The caption by which the device link finds the open apply exchange: its template's.
    static QString caption();

protected:
    bool WindowProc(int message) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int waitForAcknowledgement();
    // True when the datagram received decides the outcome and comes from the device.
    bool takeAcknowledgement();
    void showOutcome(int outcome);

    DeviceLink& m_link;
    const MailboxRecord m_record;
    int m_result;
    zel::DatagramBuffer m_buildBuffer;
};
