#pragma once

#include "platform/Dialog.h"
#include "protocol/MailboxRecord.h"

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>

struct CZelSocketOwner;

// The view exchange: asks the device for one mailbox's record as soon as it opens, waits
// for the reply and, the first time in a run, checks the user's password against it.
// Ends with IDOK when the record may be used, IDCANCEL otherwise.
class CRefreshDlg : public zel::Dialog
{
    Q_OBJECT

public:
    CRefreshDlg(CZelSocketOwner& owner, QString mailbox, bool passwordRequired,
                QWidget* parent = nullptr);

    bool replyReceived() const { return m_bReplyReceived; }
    const MailboxRecord& record() const { return m_record; }

protected:
    bool WindowProc(int message) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnTimer();
    void OnButton4();
    void waitForReply();
    void OnViewReply();
    void showPasswordPrompt();
    void checkPassword();

    CZelSocketOwner& m_owner;
    const QString m_strMailbox;
    const bool m_bPasswordRequired;
    bool m_bReplyReceived = false;
    bool m_bCancelled = false;
    std::array<std::uint8_t, 4096> m_workingCopy;
    MailboxRecord m_record;
    int m_nWrongAttempts = 0;
    QTimer m_startTimer;
};
