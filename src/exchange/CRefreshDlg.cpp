#include "CRefreshDlg.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/StatusLines.h"
#include "exchange/WaitForAnswer.h"
#include "net/CZelAsyncSocket.h"
#include "net/CZelSocketOwner.h"
#include "platform/PrivateMessage.h"
#include "protocol/Datagram.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <span>

namespace {

enum ControlId
{
    IdRequest = 4,
    IdHiddenOk = 3,
    IdCancel = 2,
    IdPassword = 1010,
    IdLine1 = StatusLines::kLine1,
    IdLine2 = StatusLines::kLine2,
};

constexpr int kStartDelayMs = 10;
// Wrong passwords that leave the dialog open; the attempt after them is the last.
constexpr int kForgivenWrongPasswords = 3;

} // namespace

using zel::MessageBox;

CRefreshDlg::CRefreshDlg(CZelSocketOwner& owner, QString mailbox, bool passwordRequired,
                         QWidget* parent)
    : Dialog(zel::res::refreshDialog(), parent), m_owner(owner), m_strMailbox(std::move(mailbox)),
      m_bPasswordRequired(passwordRequired)
{
    m_workingCopy.fill(0xFF);
    m_startTimer.setSingleShot(true);
    // A coarse timer may fire half a millisecond late on a 10 ms interval.
    m_startTimer.setTimerType(Qt::PreciseTimer);
    m_startTimer.setInterval(kStartDelayMs);
    connect(&m_startTimer, &QTimer::timeout, this, &CRefreshDlg::OnTimer);
    connect(dlgItem<QPushButton>(IdRequest), &QPushButton::clicked, this, &CRefreshDlg::OnButton4);

    GetDlgItem(IdPassword)->setAccessibleName(QStringLiteral("Password"));
    StatusLines::makeReadable(*this);
}

bool CRefreshDlg::WindowProc(int message)
{
    if (message == zel::WM_VIEW_REPLY)
        OnViewReply();
    return Dialog::WindowProc(message);
}

bool CRefreshDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    setWindowTitle(QString::fromUtf8(kViewExchangeCaption));
    SetDlgItemText(IdCancel, QStringLiteral("Cancel"));
    SetDlgItemText(IdRequest, QStringLiteral("OK"));
    GetDlgItem(IdPassword)->hide();
    GetDlgItem(IdHiddenOk)->hide();
    GetDlgItem(IdHiddenOk)->setEnabled(false);
    GetDlgItem(IdRequest)->show();
    GetDlgItem(IdRequest)->setEnabled(true);

    m_bReplyReceived = false;
    m_bCancelled = false;
    SetDlgItemText(IdLine1, QStringLiteral("To view your mailbox settings"));
    SetDlgItemText(IdLine2, QStringLiteral("Press OK"));

    if (m_owner.m_pSocket)
        m_startTimer.start();
    else
        ExchangeMessages::show(this, ExchangeMessages::noSocket(), MessageBox::Stop);
    return true;
}

// Enter must not end the exchange: button 4 is the default button and does the work.
void CRefreshDlg::OnOK() {}

void CRefreshDlg::OnCancel()
{
    m_bCancelled = true;
    Dialog::OnCancel();
}

void CRefreshDlg::OnTimer()
{
    m_startTimer.stop();
    OnButton4();
}

void CRefreshDlg::OnButton4()
{
    // Line 2 is empty only while the password prompt is shown.
    if (GetDlgItemText(IdLine2).isEmpty()) {
        checkPassword();
        return;
    }
    SetDlgItemText(IdLine1, QStringLiteral("Connecting the device ..."));
    SetDlgItemText(IdLine2, QStringLiteral("Please wait..."));
    if (!m_owner.m_pSocket) {
        ExchangeMessages::show(this, ExchangeMessages::noSocket(), MessageBox::Stop);
        return;
    }
    m_record.operatorExtensions.fill({});
    m_record.faxExtensions.fill({});
    m_nWrongAttempts = 0;
    // A reply to an earlier request must not cut this request's wait short.
    m_bReplyReceived = false;

    // The wait's disabled button and the new status are drawn before the request goes out,
    // so that a quick reply is not kept waiting behind the repaint.
    GetDlgItem(IdRequest)->setEnabled(false);
    repaint();

    const std::size_t size =
        Datagram::buildViewRequest(m_strMailbox.toStdString(), m_owner.m_txBuffer);
    m_owner.m_pSocket->queue(m_owner.m_txBuffer.data(), int(size));
    clearDatagramBuffer(m_owner.m_txBuffer);
    waitForReply();
}

void CRefreshDlg::waitForReply()
{
    QWidget* requestButton = GetDlgItem(IdRequest);
    requestButton->setEnabled(false);
    waitForAnswer([this] { return m_bReplyReceived || m_bCancelled; });
    if (!m_bReplyReceived && !m_bCancelled) {
        ExchangeMessages::show(this, ExchangeMessages::connectFailed(), MessageBox::Exclamation);
        OnCancel();
    }
    requestButton->setEnabled(true);
}

void CRefreshDlg::OnViewReply()
{
    const int size = std::clamp(m_owner.m_nReceived, 0, int(m_workingCopy.size()));
    std::copy_n(m_owner.m_rxBuffer.begin(), size, m_workingCopy.begin());
    const Datagram::ViewReply reply =
        Datagram::readViewReply(std::span<const std::uint8_t>(m_workingCopy.data(), size));

    using Kind = Datagram::ViewReplyKind;
    if (reply.kind != Kind::BadMagic)
        m_bReplyReceived = true;
    switch (reply.kind) {
    case Kind::BadMagic:
    case Kind::BadLength:
        OnCancel();
        return;
    case Kind::NoSuchMailbox:
        ExchangeMessages::show(
            this,
            ExchangeMessages::mailboxDoesNotExist(QString::fromStdString(reply.mailboxNumber)),
            MessageBox::Information);
        OnCancel();
        return;
    case Kind::NotValid:
        ExchangeMessages::show(this, ExchangeMessages::dataNotValid(), MessageBox::Information);
        OnCancel();
        return;
    case Kind::BareAck:
        ExchangeMessages::show(this, ExchangeMessages::transferCompleted(), MessageBox::NoIcon);
        return;
    case Kind::Record:
        break;
    }
    m_record = reply.record;
    if (m_bPasswordRequired)
        showPasswordPrompt();
    else
        checkPassword();
}

void CRefreshDlg::showPasswordPrompt()
{
    SetDlgItemText(IdLine1,
                   ExchangeMessages::withMailbox(
                       QStringLiteral("Please enter Password for mailbox %s"), m_strMailbox));
    SetDlgItemText(IdLine2, QString());
    GetDlgItem(IdLine2)->hide();
    QWidget* password = GetDlgItem(IdPassword);
    password->show();
    password->setFocus();
    raise();
    activateWindow();
}

void CRefreshDlg::checkPassword()
{
    if (m_bPasswordRequired) {
        auto* password = dlgItem<QLineEdit>(IdPassword);
        // The device's bytes, one character each, as the user would have typed them.
        if (password->text() != QString::fromLatin1(m_record.password)) {
            if (m_nWrongAttempts >= kForgivenWrongPasswords) {
                OnCancel();
                return;
            }
            SetDlgItemText(IdLine1, QStringLiteral("Incorrect Password, Please try again"));
            password->setFocus();
            password->selectAll();
            ++m_nWrongAttempts;
            return;
        }
    }
    EndDialog(zel::IDOK);
}
