#include "CApplyDlg.h"

#include "exchange/DeviceLink.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/StatusLines.h"
#include "exchange/WaitForAnswer.h"
#include "platform/PrivateMessage.h"
#include "protocol/Datagram.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <span>

using zel::IDC_EXCHANGE_STATUS_LINE1, zel::IDC_EXCHANGE_STATUS_LINE2;
using zel::IDC_OK_BUTTON;
using zel::MessageBox;
namespace AckResult = zel::Datagram::AckResult;

CApplyDlg::CApplyDlg(DeviceLink& link, const MailboxRecord& record, QWidget* parent)
    : Dialog(zel::res::applyDialog(), parent), m_link(link), m_record(record),
      m_result(AckResult::Waiting)
{
    m_buildBuffer.fill(0xFF);
    zel::StatusLines::makeReadable(*this);
}

QString CApplyDlg::caption()
{
    return zel::translatedText(zel::res::applyDialog(), zel::res::applyDialog().caption);
}

bool CApplyDlg::WindowProc(int message)
{
    if (message == zel::WM_APPLY_REPLY)
        return takeAcknowledgement();
    return Dialog::WindowProc(message);
}

bool CApplyDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    m_result = AckResult::Waiting;

    if (!m_link.endpoint()) {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::noSocket(), MessageBox::Stop);
        // Nothing could be sent: close rather than show a dialog with nothing to do.
        EndDialog(zel::IDCANCEL);
        return true;
    }
    //: Apply window, first centred status line, 172 x 8 dialog units (about 43 characters).
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, tr("To apply your mailbox settings press OK"));
    //: Apply window, second centred status line, 172 x 8 dialog units (about 43 characters).
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE2, tr("Press OK"));
    OnOK();
    return true;
}

void CApplyDlg::OnOK()
{
    // The template's "Connecting the device ..." and "Please wait...".
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, templateText(IDC_EXCHANGE_STATUS_LINE1));
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE2, templateText(IDC_EXCHANGE_STATUS_LINE2));

    const std::size_t size = zel::Datagram::buildApplyRequest(m_record, m_buildBuffer);
    m_link.sendApplyRequest(std::span<const std::uint8_t>(m_buildBuffer.data(), size));

    //: Apply window, centred status line, 172 x 8 dialog units (about 43 characters).
    SetDlgItemText(IDC_EXCHANGE_STATUS_LINE1, tr("Waiting for Acknowledge..."));
    showOutcome(waitForAcknowledgement());
    EndDialog(zel::IDOK);
}

int CApplyDlg::waitForAcknowledgement()
{
    QWidget* applyButton = GetDlgItem(IDC_OK_BUTTON);
    applyButton->setEnabled(false);
    if (!zel::waitForAnswer([this] { return m_result != AckResult::Waiting; }))
        return AckResult::Waiting;
    applyButton->setEnabled(true);
    return m_result;
}

bool CApplyDlg::takeAcknowledgement()
{
    // The first datagram that sets a result decides; later ones change nothing.
    if (m_result != AckResult::Waiting)
        return false;
    m_result =
        zel::Datagram::readAcknowledgement(m_link.lastDatagram(), m_record.mailboxNumber, m_result);
    // Only the device's own verdict comes from the device. One without the reply magic, for
    // another mailbox or cut short still ends the wait, but any host may have sent it.
    return m_result == AckResult::Applied || m_result == AckResult::NoSuchMailbox ||
           m_result == AckResult::NotValid;
}

void CApplyDlg::showOutcome(int outcome)
{
    switch (outcome) {
    case AckResult::Applied:
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::transferCompleted(),
                                    MessageBox::Information);
        break;
    case AckResult::NoSuchMailbox:
        zel::ExchangeMessages::show(this,
                                    zel::ExchangeMessages::mailboxDoesNotExist(
                                        QString::fromStdString(m_record.mailboxNumber)),
                                    MessageBox::Information);
        break;
    case AckResult::NotValid:
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::dataNotValid(),
                                    MessageBox::Information);
        break;
    default:
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::connectFailed(),
                                    MessageBox::Exclamation);
        break;
    }
}
