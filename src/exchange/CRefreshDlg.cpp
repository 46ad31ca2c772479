#include "CRefreshDlg.h"

#include "exchange/DeviceLink.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/StatusLines.h"
#include "exchange/WaitForAnswer.h"
#include "platform/PrivateMessage.h"
#include "protocol/Datagram.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <span>
#include <thread>

namespace {

constexpr int kStartDelayMs = 10;
constexpr int kWokenEarlyMs = 2;
// Wrong passwords that leave the dialog open; the attempt after them is the last.
constexpr int kForgivenWrongPasswords = 3;
// A sleep may overshoot by a good part of a tenth of a millisecond: the last stretch before the
// request is due is waited out awake. Awake means spinning: yielding the processor to a busy
// neighbour hands it over for a whole time slice, milliseconds on a loaded machine.
constexpr auto kAwakeBeforeDue = std::chrono::microseconds(200);

// Returns once `sinceStart` reaches the start delay.
void waitUntilDue(const QElapsedTimer& sinceStart)
{
    using namespace std::chrono;
    const auto due = nanoseconds(milliseconds(kStartDelayMs));
    const auto left = due - nanoseconds(sinceStart.nsecsElapsed());
    if (left > kAwakeBeforeDue)
        std::this_thread::sleep_for(left - kAwakeBeforeDue);
    while (nanoseconds(sinceStart.nsecsElapsed()) < due) {
    }
}

} // namespace

using zel::IDC_EXCHANGE_STATUS_LINE1, zel::IDC_EXCHANGE_STATUS_LINE2;
using zel::IDC_REFRESH_HIDDEN_OK, zel::IDC_REFRESH_PASSWORD, zel::IDC_REFRESH_REQUEST;
using zel::MessageBox;

CRefreshDlg::CRefreshDlg(DeviceLink& link, QString mailbox, bool passwordRequired, QWidget* parent)
    : Dialog(zel::res::refreshDialog(), parent), m_link(link), m_strMailbox(std::move(mailbox)),
      m_passwordRequired(passwordRequired)
{
    m_workingCopy.fill(0xFF);
    m_startTimer.setSingleShot(true);
    // Qt rounds a timer's remaining time up to whole milliseconds whenever the event loop goes
    // to sleep, so a timer started before the dialog is shown fires as late as showing and
    // drawing it took. It wakes the dialog early enough to draw the new status on a busy machine;
    // the request then waits out the rest.
    m_startTimer.setTimerType(Qt::PreciseTimer);
    m_startTimer.setInterval(kStartDelayMs - kWokenEarlyMs);
    connect(&m_startTimer, &QTimer::timeout, this, &CRefreshDlg::OnTimer);
    connect(dlgItem<QPushButton>(IDC_REFRESH_REQUEST), &QPushButton::clicked, this,
            &CRefreshDlg::requestButtonPressed);

    GetDlgItem(IDC_REFRESH_PASSWORD)->setAccessibleName(tr("Password"));
    zel::StatusLines::makeReadable(*this);
}

QString CRefreshDlg::caption()
{
    return zel::translatedText(zel::res::refreshDialog(), zel::res::refreshDialog().caption);
}

bool CRefreshDlg::WindowProc(int message)
{
    if (message == zel::WM_VIEW_REPLY)
        return takeViewReply();
    return Dialog::WindowProc(message);
}

bool CRefreshDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    GetDlgItem(IDC_REFRESH_PASSWORD)->hide();
    GetDlgItem(IDC_REFRESH_HIDDEN_OK)->hide();
    GetDlgItem(IDC_REFRESH_HIDDEN_OK)->setEnabled(false);
    GetDlgItem(IDC_REFRESH_REQUEST)->show();
    GetDlgItem(IDC_REFRESH_REQUEST)->setEnabled(true);

    m_stage = Stage::Request;
    m_replyReceived = false;
    m_cancelled = false;
    //: Refresh window, first centred status line, 172 x 8 dialog units (about 43 characters).
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, tr("To view your mailbox settings"));
    //: Refresh window, second centred status line, 172 x 8 dialog units (about 43 characters).
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE2, tr("Press OK"));

    if (m_link.endpoint()) {
        m_sinceStart.start();
        m_startTimer.start();
    } else {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::noSocket(), MessageBox::Stop);
    }
    return true;
}

// Enter must not end the exchange: the request button is the default button and does the work.
void CRefreshDlg::OnOK() {}

void CRefreshDlg::OnCancel()
{
    m_cancelled = true;
    Dialog::OnCancel();
}

void CRefreshDlg::OnTimer()
{
    m_startTimer.stop();
    requestRecord(RequestTime::TenMillisecondsAfterOpening);
}

void CRefreshDlg::requestButtonPressed()
{
    requestRecord(RequestTime::Now);
}

void CRefreshDlg::requestRecord(RequestTime when)
{
    if (m_stage == Stage::Password) {
        checkPassword();
        return;
    }
    // The template's "Connecting the device ..." and "Please wait...".
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, templateText(IDC_EXCHANGE_STATUS_LINE1));
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE2, templateText(IDC_EXCHANGE_STATUS_LINE2));
    if (!m_link.endpoint()) {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::noSocket(), MessageBox::Stop);
        return;
    }
    m_record.operatorExtensions.fill({});
    m_record.faxExtensions.fill({});
    m_wrongAttempts = 0;
    // A reply to an earlier request must not cut this request's wait short.
    m_replyReceived = false;

    // The request is assembled and the wait's disabled button and new status are drawn
    // before the request goes out, so that a quick reply is not kept waiting behind them.
    m_link.stageViewRequest(m_strMailbox);
    GetDlgItem(IDC_REFRESH_REQUEST)->setEnabled(false);
    repaint();

    // The start timer woke the dialog early, so that the work above fits in the time before
    // the request is due: it leaves 10 ms after opening, not 10 ms plus the drawing.
    if (when == RequestTime::TenMillisecondsAfterOpening)
        waitUntilDue(m_sinceStart);
    m_link.sendViewRequest();
    waitForReply();
}

void CRefreshDlg::waitForReply()
{
    zel::waitForAnswer([this] { return m_replyReceived || m_cancelled; });
    if (!m_replyReceived && !m_cancelled) {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::connectFailed(),
                                    MessageBox::Exclamation);
        OnCancel();
    }
    GetDlgItem(IDC_REFRESH_REQUEST)->setEnabled(true);
}

bool CRefreshDlg::takeViewReply()
{
    const std::span<const std::uint8_t> received = m_link.lastDatagram();
    std::copy(received.begin(), received.end(), m_workingCopy.begin());
    const zel::Datagram::ViewReply reply = zel::Datagram::readViewReply(
        std::span<const std::uint8_t>(m_workingCopy.data(), received.size()));

    using Kind = zel::Datagram::ViewReplyKind;
    if (reply.kind != Kind::BadMagic)
        m_replyReceived = true;
    switch (reply.kind) {
    case Kind::BadMagic:
    case Kind::BadLength:
        OnCancel();
        return false;
    case Kind::NoSuchMailbox:
        zel::ExchangeMessages::show(
            this,
            zel::ExchangeMessages::mailboxDoesNotExist(QString::fromStdString(reply.mailboxNumber)),
            MessageBox::Information);
        OnCancel();
        return true;
    case Kind::NotValid:
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::dataNotValid(),
                                    MessageBox::Information);
        OnCancel();
        return true;
    case Kind::BareAck:
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::transferCompleted(),
                                    MessageBox::NoIcon);
        return true;
    case Kind::Record:
        break;
    }
    m_record = reply.record;
    if (m_passwordRequired)
        showPasswordPrompt();
    else
        checkPassword();
    return true;
}

void CRefreshDlg::showPasswordPrompt()
{
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1,
                   //: Refresh window, centred status line, 172 x 8 dialog units (about 43
                   //: characters); %s is a mailbox number of up to 6 digits.
                   zel::ExchangeMessages::withMailbox(tr("Please enter Password for mailbox %s"),
                                                      m_strMailbox));
    m_stage = Stage::Password;
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE2, QString());
    GetDlgItem(IDC_EXCHANGE_STATUS_LINE2)->hide();
    QWidget* password = GetDlgItem(IDC_REFRESH_PASSWORD);
    password->show();
    password->setFocus();
    raise();
    activateWindow();
}

void CRefreshDlg::checkPassword()
{
    if (m_passwordRequired) {
        auto* password = dlgItem<QLineEdit>(IDC_REFRESH_PASSWORD);
        // The device's bytes, one character each, as the user would have typed them.
        if (password->text() != QString::fromLatin1(m_record.password)) {
            if (m_wrongAttempts >= kForgivenWrongPasswords) {
                OnCancel();
                return;
            }
            //: Refresh window, centred status line, 172 x 8 dialog units (about 43 characters).
            SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, tr("Incorrect Password, Please try again"));
            password->setFocus();
            password->selectAll();
            ++m_wrongAttempts;
            return;
        }
    }
    EndDialog(zel::IDOK);
}
