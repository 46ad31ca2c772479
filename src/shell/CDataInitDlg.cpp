#include "CDataInitDlg.h"

#include "platform/Ipv4AddressEdit.h"
#include "platform/LeadingNumber.h"
#include "platform/MessageBox.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "shell/CZelApp.h"
#include "shell/ProfileKeys.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kMailboxLimit = 6;
constexpr int kPortLimit = 5;
} // namespace

CDataInitDlg::CDataInitDlg(QString mailbox, QString port, QString address, QWidget* parent)
    : zel::Dialog(zel::res::dataInitDialog(), parent), m_strMailbox(std::move(mailbox)),
      m_strPort(std::move(port)), m_strAddress(std::move(address))
{}

std::array<quint8, 4> CDataInitDlg::addressBytes(const QString& address)
{
    std::array<quint8, 4> bytes{};
    qsizetype start = 0;
    for (int part = 0; part < 4; ++part) {
        // The last part runs to the end of the text, dots included.
        const qsizetype dot = part < 3 ? address.indexOf(u'.', start) : -1;
        const qsizetype end = dot < 0 ? address.size() : dot;
        bytes[part] = quint8(zel::atoiText(address.mid(start, end - start)) & 0xFF);
        if (dot < 0)
            break;
        start = dot + 1;
    }
    return bytes;
}

bool CDataInitDlg::DoDataExchange(bool saveAndValidate)
{
    m_okButton = dlgItem<QPushButton>(zel::IDOK);
    m_helpButton = dlgItem<QPushButton>(zel::ID_HELP);
    m_cancelButton = dlgItem<QPushButton>(zel::IDCANCEL);
    m_portLabel = dlgItem<QLabel>(zel::IDC_DATA_INIT_PORT_LABEL);
    m_portEdit = dlgItem<QLineEdit>(zel::IDC_DATA_INIT_PORT);
    m_mailboxLabel = dlgItem<QLabel>(zel::IDC_DATA_INIT_MAILBOX_LABEL);
    m_mailboxEdit = dlgItem<QLineEdit>(zel::IDC_DATA_INIT_MAILBOX);
    m_addressEdit = dlgItem<zel::Ipv4AddressEdit>(zel::IDC_DATA_INIT_ADDRESS);
    m_addressLabel = dlgItem<QLabel>(zel::IDC_DATA_INIT_ADDRESS_LABEL);
    m_explanationLabel = dlgItem<QLabel>(zel::IDC_DATA_INIT_PROMPT);

    if (!saveAndValidate) {
        // The template's limit bounds typing; a longer number from the profile shows whole,
        // and taking it out below refuses it.
        m_mailboxEdit->setText(m_strMailbox);
        m_portEdit->setText(m_strPort);
        return true;
    }
    const QString mailbox = m_mailboxEdit->text();
    if (mailbox.size() > kMailboxLimit) {
        zel::MessageBox::appBox(tr("Please enter no more than %1 characters.").arg(kMailboxLimit));
        rejectEntry(m_mailboxEdit);
        return false;
    }
    // The port field is never shown, so the user cannot shorten it here: say where it came from.
    const QString port = m_portEdit->text();
    if (port.size() > kPortLimit) {
        zel::MessageBox::appBox(tr("The device port number \"%1\" has more than %2 "
                                   "characters.\n\nPlease correct \"Port_num\" in "
                                   "Zel1.ini, or press Cancel.")
                                    .arg(port)
                                    .arg(kPortLimit));
        return false;
    }
    m_strMailbox = mailbox;
    m_strPort = port;
    return true;
}

bool CDataInitDlg::OnInitDialog()
{
    zel::Dialog::OnInitDialog();
    DoDataExchange(false);

    // The edits are named after their labels.
    m_mailboxEdit->setAccessibleName(m_mailboxLabel->text());
    m_addressEdit->setAccessibleNames(m_addressLabel->text());
    connect(m_helpButton, &QPushButton::clicked, this, [this] { CZelApp::showHelp(*this); });

    SetDlgItemText(zel::IDC_DATA_INIT_MAILBOX, m_strMailbox);
    m_addressEdit->setAddress(addressBytes(m_strAddress));
    return true;
}

void CDataInitDlg::OnOK()
{
    m_strMailbox = GetDlgItemText(zel::IDC_DATA_INIT_MAILBOX);
    m_addrBytes = m_addressEdit->address();

    QWidget* faulty = nullptr;
    if (m_strMailbox.isEmpty())
        faulty = m_mailboxEdit;
    else if (!zel::isDeviceAddress(m_addrBytes))
        faulty = m_addressEdit->field(0);
    if (faulty) {
        zel::MessageBox::appBox(tr("Data entry error"));
        rejectEntry(faulty);
        return;
    }
    m_strAddress = QStringLiteral("%1.%2.%3.%4")
                       .arg(m_addrBytes[0])
                       .arg(m_addrBytes[1])
                       .arg(m_addrBytes[2])
                       .arg(m_addrBytes[3]);
    if (!DoDataExchange(true))
        return;
    EndDialog(zel::IDOK);
}

void CDataInitDlg::rejectEntry(QWidget* focus)
{
    focus->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->selectAll();
}
