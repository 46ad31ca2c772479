#include "CSettingsPage.h"

#include "pages/PageSupport.h"
#include "pages/TransferFields.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace {

constexpr std::array<zel::HelpPair, 10> kHelpIds{{
    {1003, 1},
    {1010, 2},
    {1023, 3},
    {1026, 4},
    {1017, 5},
    {1018, 6},
    {1012, 7},
    {1013, 8},
    {1014, 9},
    {0, 0},
}};

constexpr std::array<AccessibleLabel, 6> kLabels{{
    {CSettingsPage::IDC_MAILBOX_NUMBER, 1004},
    {CSettingsPage::IDC_PASSWORD, 1009},
    {CSettingsPage::IDC_LANGUAGE, 1008},
    {CSettingsPage::IDC_BACKUP_EXTENSION, 1025},
    {CSettingsPage::IDC_OPERATOR, 1027},
    {CSettingsPage::IDC_FAX, 1028},
}};

constexpr int kRealMailbox = 0;
constexpr int kVirtualMailbox = 1;
constexpr int kNoLocalNotification = 0;

// What the page does with the faulty control once the user has closed the message.
enum class FocusAction
{
    None,
    SelectText,
    OpenList
};

} // namespace

CSettingsPage::CSettingsPage(QWidget* parent) : Dialog(zel::res::settingsPage(), parent) {}

QComboBox* CSettingsPage::combo(int id) const
{
    return dlgItem<QComboBox>(id);
}

bool CSettingsPage::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();

    QComboBox* mailboxType = combo(IDC_MAILBOX_TYPE);
    mailboxType->addItem(QStringLiteral("Real"), kRealMailbox);
    mailboxType->addItem(QStringLiteral("Virtual"), kVirtualMailbox);
    mailboxType->setCurrentIndex(-1);
    QComboBox* localNotify = combo(IDC_LOCAL_NOTIFY);
    const QStringList types = localNotificationTypes();
    for (int i = 0; i < types.size(); ++i)
        localNotify->addItem(types[i], i);
    localNotify->setCurrentIndex(-1);

    nameAfterLabels(*this, kLabels);
    GetDlgItem(IDC_RESET)->setAccessibleDescription(QStringLiteral("Puts the default password in"));

    connect(dlgItem<QPushButton>(IDC_RESET), &QPushButton::clicked, this, &CSettingsPage::OnReset);
    // activated, not currentIndexChanged: selections the page sets itself are no user change.
    connect(mailboxType, &QComboBox::activated, this, &CSettingsPage::OnMailboxTypeChange);
    return result;
}

void CSettingsPage::OnOK()
{
    // Enter inside the page: the page never closes itself.
}

bool CSettingsPage::WindowProc(int message)
{
    if (message == zel::WM_PAGE_LOAD)
        OnPageLoad();
    else if (message == zel::WM_PAGE_VALIDATE)
        OnPageValidate();
    return Dialog::WindowProc(message);
}

bool CSettingsPage::OnHelpInfo(const zel::HelpInfo& info)
{
    return showPageHelp(info, kHelpIds);
}

void CSettingsPage::OnPageLoad()
{
    loadOperatorList();
    loadFaxList();
    loadLanguageList();

    m_nLanguage = transferInt(GetDlgItemText(IDC_LANGUAGE_INDEX));
    m_nMailboxType = transferInt(GetDlgItemText(IDC_MAILBOX_TYPE_VALUE));
    m_nLocalNotifyType = transferInt(GetDlgItemText(IDC_LOCAL_NOTIFY_VALUE));
    const int operatorValue = transferInt(GetDlgItemText(IDC_OPERATOR_VALUE));
    const int faxValue = transferInt(GetDlgItemText(IDC_FAX_VALUE));

    selectIndex(combo(IDC_LANGUAGE), m_nLanguage);
    selectIndex(combo(IDC_MAILBOX_TYPE), m_nMailboxType);
    selectIndex(combo(IDC_LOCAL_NOTIFY), m_nLocalNotifyType);

    // A value no entry carries (an empty slot) falls back to the first entry.
    const auto lastIndexOf = [](const QComboBox* list, int value) {
        for (int i = list->count() - 1; i >= 0; --i) {
            if (list->itemData(i).toInt() == value)
                return i;
        }
        return 0;
    };
    m_nOperator = lastIndexOf(combo(IDC_OPERATOR), operatorValue);
    selectIndex(combo(IDC_OPERATOR), m_nOperator);
    m_nFax = lastIndexOf(combo(IDC_FAX), faxValue);
    selectIndex(combo(IDC_FAX), m_nFax);

    GetDlgItem(IDC_DO_NOT_DISTURB)->setEnabled(m_nMailboxType == kRealMailbox);
}

// Eight slots; only the filled ones become entries, each keeping its slot number as value.
void CSettingsPage::loadOperatorList()
{
    QComboBox* list = combo(IDC_OPERATOR);
    list->clear();
    int slot = 0;
    for (const QString& entry : listEntries(GetDlgItemText(IDC_OPERATOR_LIST))) {
        if (!entry.isEmpty())
            list->addItem(entry, slot);
        ++slot;
    }
    list->setCurrentIndex(-1);
}

// "None" (value 0), then the filled slots with values 1..4.
void CSettingsPage::loadFaxList()
{
    QComboBox* list = combo(IDC_FAX);
    list->clear();
    list->addItem(QStringLiteral("None"), 0);
    int slot = 0;
    for (const QString& entry : listEntries(GetDlgItemText(IDC_FAX_LIST))) {
        ++slot;
        if (!entry.isEmpty())
            list->addItem(entry, slot);
    }
    list->setCurrentIndex(-1);
}

void CSettingsPage::loadLanguageList()
{
    QComboBox* list = combo(IDC_LANGUAGE);
    const QString text = GetDlgItemText(IDC_LANGUAGE_LIST);
    QStringList names = listEntries(text);
    if (text.isEmpty()) {
        // Nothing handed over (working offline): keep what is there, or show placeholders.
        if (list->count() >= 3)
            return;
        names = {QStringLiteral("1st Language"), QStringLiteral("2nd Language"),
                 QStringLiteral("3rd Language")};
    }
    list->clear();
    for (int i = 0; i < names.size(); ++i)
        list->addItem(names[i], i);
    list->setCurrentIndex(-1);
}

void CSettingsPage::OnPageValidate()
{
    m_nMailboxType = combo(IDC_MAILBOX_TYPE)->currentIndex();
    m_nLocalNotifyType = combo(IDC_LOCAL_NOTIFY)->currentIndex();
    m_strPassword = GetDlgItemText(IDC_PASSWORD);

    const auto fail = [this](const char* message, int controlId, FocusAction action) {
        zel::SendMessage(zel::AfxGetMainWnd(), zel::WM_PAGE_INVALID);
        zel::MessageBox::appBox(QString::fromUtf8(message), zel::MessageBox::Ok,
                                zel::MessageBox::Exclamation);
        QWidget* control = GetDlgItem(controlId);
        control->setFocus(Qt::OtherFocusReason);
        if (action == FocusAction::SelectText)
            qobject_cast<QLineEdit*>(control)->selectAll();
        else if (action == FocusAction::OpenList)
            qobject_cast<QComboBox*>(control)->showPopup();
    };

    if (m_strPassword.size() < 4)
        return fail("Password is not valid. Please enter 4 digits", IDC_PASSWORD,
                    FocusAction::SelectText);
    if (m_nMailboxType == kVirtualMailbox && m_nLocalNotifyType != kNoLocalNotification)
        return fail("Virtual Mailboxes does not support Local Notification", IDC_LOCAL_NOTIFY,
                    FocusAction::OpenList);
    if (m_nMailboxType == kVirtualMailbox && !IsDlgButtonChecked(IDC_DO_NOT_DISTURB))
        return fail("Virtual Mailboxes must be set to Do Not Disturb = Yes", IDC_DO_NOT_DISTURB,
                    FocusAction::None);

    // No selection, an unknown code and an empty language slot all leave the mailbox without
    // a language the device can speak.
    const QComboBox* language = combo(IDC_LANGUAGE);
    const int selected = language->currentIndex();
    const QString name = selected >= 0 ? language->itemText(selected) : QString();
    if (selected < 0 || name == QLatin1String("Unknown") || name == QLatin1String("Not Installed"))
        return fail("Selected Language is not supported", IDC_LANGUAGE,
                    selected == 0 ? FocusAction::None : FocusAction::OpenList);

    writeSelectionsBack();
}

void CSettingsPage::writeSelectionsBack()
{
    m_nLanguage = combo(IDC_LANGUAGE)->currentIndex();
    m_nMailboxType = combo(IDC_MAILBOX_TYPE)->currentIndex();
    m_nLocalNotifyType = combo(IDC_LOCAL_NOTIFY)->currentIndex();
    m_nOperator = combo(IDC_OPERATOR)->currentIndex();
    m_nFax = combo(IDC_FAX)->currentIndex();
    const auto valueAt = [this](int id, int index) {
        return index >= 0 ? combo(id)->itemData(index).toInt() : -1;
    };

    SetDlgItemInt(IDC_LANGUAGE_INDEX, m_nLanguage);
    SetDlgItemInt(IDC_MAILBOX_TYPE_VALUE, m_nMailboxType);
    SetDlgItemInt(IDC_LOCAL_NOTIFY_VALUE, m_nLocalNotifyType);
    SetDlgItemInt(IDC_OPERATOR_VALUE, valueAt(IDC_OPERATOR, m_nOperator));
    SetDlgItemInt(IDC_FAX_VALUE, valueAt(IDC_FAX, m_nFax));
}

void CSettingsPage::OnReset()
{
    SetDlgItemText(IDC_PASSWORD, QStringLiteral("5823"));
}

void CSettingsPage::OnMailboxTypeChange()
{
    m_nMailboxType = combo(IDC_MAILBOX_TYPE)->currentIndex();
    QWidget* doNotDisturb = GetDlgItem(IDC_DO_NOT_DISTURB);
    if (m_nMailboxType == kRealMailbox) {
        CheckDlgButton(IDC_DO_NOT_DISTURB, false);
        doNotDisturb->setEnabled(true);
        return;
    }
    // A virtual mailbox has no telephone of its own: nothing to ring, nothing to light.
    CheckDlgButton(IDC_DO_NOT_DISTURB, true);
    doNotDisturb->setEnabled(false);
    m_nLocalNotifyType = kNoLocalNotification;
    selectIndex(combo(IDC_LOCAL_NOTIFY), kNoLocalNotification);
}
