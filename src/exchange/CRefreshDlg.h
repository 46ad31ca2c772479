#pragma once

#include "net/DatagramBuffer.h"
#include "platform/Dialog.h"
#include "protocol/MailboxRecord.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class DeviceLink;

// The view exchange: asks the device for one mailbox's record as soon as it opens, waits
// for the reply and, the first time in a run, checks the user's password against it.
// Ends with IDOK when the record may be used, IDCANCEL otherwise.
class CRefreshDlg : public zel::Dialog
{
    Q_OBJECT

public:
    CRefreshDlg(DeviceLink& link, QString mailbox, bool passwordRequired,
                QWidget* parent = nullptr);

    // The caption by which the device link finds the open view exchange: its template's.
    static QString caption();

    bool replyReceived() const { return m_replyReceived; }
    const MailboxRecord& record() const { return m_record; }

protected:
    bool WindowProc(int message) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    // What the request button does next.
    enum class Stage
    {
        Request,  // send a view request
        Password, // check the password typed into the prompt
    };

    void OnTimer();
    void requestButtonPressed();
    enum class RequestTime
    {
        Now,
        TenMillisecondsAfterOpening,
    };
    void requestRecord(RequestTime when);
    void waitForReply();
    // True when the datagram received is the reply: the reply magic and a length that fits.
    bool takeViewReply();
    void showPasswordPrompt();
    void checkPassword();

    DeviceLink& m_link;
    const QString m_strMailbox;
    const bool m_passwordRequired;
    Stage m_stage = Stage::Request;
    bool m_replyReceived = false;
    bool m_cancelled = false;
    zel::DatagramBuffer m_workingCopy;
    MailboxRecord m_record;
    int m_wrongAttempts = 0;
    QTimer m_startTimer;
    QElapsedTimer m_sinceStart;
};
