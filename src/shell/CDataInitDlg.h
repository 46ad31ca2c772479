#pragma once

#include "platform/Dialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {
class Ipv4AddressEdit;
}

// Asks for the mailbox number and the device address when the profile lacks either. The
// device port rides along in a hidden field so that the caller gets it back unchanged.
class CDataInitDlg final : public zel::Dialog
{
    Q_OBJECT

public:
    // The entries as the profile gives them; after OK, as the user confirmed them.
    explicit CDataInitDlg(QString mailbox = {}, QString port = {}, QString address = {},
                          QWidget* parent = nullptr);
    const QString& mailbox() const { return m_strMailbox; }
    const QString& port() const { return m_strPort; }
    const QString& address() const { return m_strAddress; }

    // The address split at its first three dots, each part read by atoi rules, low 8 bits.
    static std::array<quint8, 4> addressBytes(const QString& address);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    // Binds the controls, then moves the two texts into (false) or out of (true) their edits.
    // Taking them out fails, with a message, when a text is longer than its limit.
    bool DoDataExchange(bool saveAndValidate);
    void rejectEntry(QWidget* focus);

    QPushButton* m_okButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_portLabel = nullptr;
    QLineEdit* m_portEdit = nullptr;
    QLabel* m_mailboxLabel = nullptr;
    QLineEdit* m_mailboxEdit = nullptr;
    zel::Ipv4AddressEdit* m_addressEdit = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLabel* m_explanationLabel = nullptr;

    QString m_strMailbox;
    QString m_strPort;
    QString m_strAddress;
    std::array<quint8, 4> m_addrBytes{};
};
