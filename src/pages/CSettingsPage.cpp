#include "CSettingsPage.h"

#include "pages/LanguageName.h"
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

constexpr std::array<zel::AccessibleLabel, 6> kLabels{{
    {zel::IDC_SETTINGS_MAILBOX_NUMBER, zel::IDC_SETTINGS_MAILBOX_NUMBER_LABEL},
    {zel::IDC_SETTINGS_PASSWORD, zel::IDC_SETTINGS_PASSWORD_LABEL},
    {zel::IDC_SETTINGS_LANGUAGE, zel::IDC_SETTINGS_LANGUAGE_LABEL},
    {zel::IDC_SETTINGS_BACKUP_EXTENSION, zel::IDC_SETTINGS_BACKUP_EXTENSION_LABEL},
    {zel::IDC_SETTINGS_OPERATOR, zel::IDC_SETTINGS_OPERATOR_LABEL},
    {zel::IDC_SETTINGS_FAX, zel::IDC_SETTINGS_FAX_LABEL},
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

    QComboBox* mailboxType = combo(zel::IDC_SETTINGS_MAILBOX_TYPE);
    //: Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.
    mailboxType->addItem(tr("Real"), kRealMailbox);
    //: Mailbox Settings page, item of a list the page never shows, 95 dialog units wide.
    mailboxType->addItem(tr("Virtual"), kVirtualMailbox);
    mailboxType->setCurrentIndex(-1);
    QComboBox* localNotify = combo(zel::IDC_SETTINGS_LOCAL_NOTIFY);
    const QStringList types = zel::localNotificationTypes();
    for (int i = 0; i < types.size(); ++i)
        localNotify->addItem(types[i], i);
    localNotify->setCurrentIndex(-1);

    zel::nameAfterLabels(*this, kLabels);
    GetDlgItem(zel::IDC_SETTINGS_RESET)
        ->setAccessibleDescription(tr("Puts the default password in"));

    connect(dlgItem<QPushButton>(zel::IDC_SETTINGS_RESET), &QPushButton::clicked, this,
            &CSettingsPage::OnReset);
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
    return zel::showPageHelp(*this, info);
}

void CSettingsPage::OnPageLoad()
{
    loadOperatorList();
    loadFaxList();
    loadLanguageList();

    m_nLanguage = zel::transferInt(GetDlgItemText(zel::IDC_SETTINGS_LANGUAGE_INDEX));
    m_nMailboxType = zel::transferInt(GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_TYPE_VALUE));
    m_nLocalNotifyType = zel::transferInt(GetDlgItemText(zel::IDC_SETTINGS_LOCAL_NOTIFY_VALUE));
    const int operatorValue = zel::transferInt(GetDlgItemText(zel::IDC_SETTINGS_OPERATOR_VALUE));
    const int faxValue = zel::transferInt(GetDlgItemText(zel::IDC_SETTINGS_FAX_VALUE));

    zel::selectIndex(combo(zel::IDC_SETTINGS_LANGUAGE), m_nLanguage);
    zel::selectIndex(combo(zel::IDC_SETTINGS_MAILBOX_TYPE), m_nMailboxType);
    zel::selectIndex(combo(zel::IDC_SETTINGS_LOCAL_NOTIFY), m_nLocalNotifyType);

    // A value no entry carries (an empty slot) falls back to the first entry.
    const auto lastIndexOf = [](const QComboBox* list, int value) {
        for (int i = list->count() - 1; i >= 0; --i) {
            if (list->itemData(i).toInt() == value)
                return i;
        }
        return 0;
    };
    m_nOperator = lastIndexOf(combo(zel::IDC_SETTINGS_OPERATOR), operatorValue);
    zel::selectIndex(combo(zel::IDC_SETTINGS_OPERATOR), m_nOperator);
    m_nFax = lastIndexOf(combo(zel::IDC_SETTINGS_FAX), faxValue);
    zel::selectIndex(combo(zel::IDC_SETTINGS_FAX), m_nFax);

    // As a change of the mailbox type does: a virtual mailbox has Do Not Disturb on, or the
    // user could never apply it with the box out of reach.
    if (m_nMailboxType == kVirtualMailbox)
        CheckDlgButton(zel::IDC_SETTINGS_DO_NOT_DISTURB, true);
    GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->setEnabled(m_nMailboxType == kRealMailbox);
}

// Eight slots; only the filled ones become entries, each keeping its slot number as value.
void CSettingsPage::loadOperatorList()
{
    QComboBox* list = combo(zel::IDC_SETTINGS_OPERATOR);
    list->clear();
    int slot = 0;
    for (const QString& entry : zel::listEntries(GetDlgItemText(zel::IDC_SETTINGS_OPERATOR_LIST))) {
        if (!entry.isEmpty())
            list->addItem(entry, slot);
        ++slot;
    }
    list->setCurrentIndex(-1);
}

// "None" (value 0), then the filled slots with values 1..4.
void CSettingsPage::loadFaxList()
{
    QComboBox* list = combo(zel::IDC_SETTINGS_FAX);
    list->clear();
    //: Mailbox Settings page, fax extension list item, 81 dialog units wide (about 16
    //: characters).
    list->addItem(tr("None"), 0);
    int slot = 0;
    for (const QString& entry : zel::listEntries(GetDlgItemText(zel::IDC_SETTINGS_FAX_LIST))) {
        ++slot;
        if (!entry.isEmpty())
            list->addItem(entry, slot);
    }
    list->setCurrentIndex(-1);
}

// The device's language codes, named in the user's language; each entry keeps whether callers
// can be served in it, so that the check does not depend on the names.
void CSettingsPage::loadLanguageList()
{
    QComboBox* list = combo(zel::IDC_SETTINGS_LANGUAGE);
    const QString text = GetDlgItemText(zel::IDC_SETTINGS_LANGUAGE_LIST);
    if (text.isEmpty()) {
        // Nothing handed over (working offline): keep what is there, or show placeholders.
        if (list->count() >= 3)
            return;
        list->clear();
        //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
        list->addItem(tr("1st Language"), true);
        //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
        list->addItem(tr("2nd Language"), true);
        //: Mailbox Settings page, language list item, 95 dialog units wide (about 19 characters).
        list->addItem(tr("3rd Language"), true);
    } else {
        list->clear();
        for (const QString& entry : zel::listEntries(text)) {
            const int code = zel::transferInt(entry);
            list->addItem(LanguageName(code), zel::isServedLanguage(code));
        }
    }
    list->setCurrentIndex(-1);
}

void CSettingsPage::OnPageValidate()
{
    m_nMailboxType = combo(zel::IDC_SETTINGS_MAILBOX_TYPE)->currentIndex();
    m_nLocalNotifyType = combo(zel::IDC_SETTINGS_LOCAL_NOTIFY)->currentIndex();
    m_strPassword = GetDlgItemText(zel::IDC_SETTINGS_PASSWORD);

    const auto fail = [this](const QString& message, int controlId, FocusAction action) {
        zel::SendMessage(zel::mainWindow(), zel::WM_PAGE_INVALID);
        zel::MessageBox::appBox(message, zel::MessageBox::Ok, zel::MessageBox::Exclamation);
        QWidget* control = GetDlgItem(controlId);
        control->setFocus(Qt::OtherFocusReason);
        if (action == FocusAction::SelectText)
            qobject_cast<QLineEdit*>(control)->selectAll();
        else if (action == FocusAction::OpenList)
            qobject_cast<QComboBox*>(control)->showPopup();
    };

    if (m_strPassword.size() < 4)
        return fail(tr("Password is not valid. Please enter 4 digits"), zel::IDC_SETTINGS_PASSWORD,
                    FocusAction::SelectText);
    if (m_nMailboxType == kVirtualMailbox && m_nLocalNotifyType != kNoLocalNotification)
        return fail(tr("Virtual Mailboxes does not support Local Notification"),
                    zel::IDC_SETTINGS_LOCAL_NOTIFY, FocusAction::OpenList);
    if (m_nMailboxType == kVirtualMailbox && !IsDlgButtonChecked(zel::IDC_SETTINGS_DO_NOT_DISTURB))
        return fail(tr("Virtual Mailboxes must be set to Do Not Disturb = Yes"),
                    zel::IDC_SETTINGS_DO_NOT_DISTURB, FocusAction::None);

    // No selection, an unknown code and an empty language slot all leave the mailbox without
    // a language the device can speak.
    const QComboBox* language = combo(zel::IDC_SETTINGS_LANGUAGE);
    const int selected = language->currentIndex();
    if (selected < 0 || !language->itemData(selected).toBool())
        return fail(tr("Selected Language is not supported"), zel::IDC_SETTINGS_LANGUAGE,
                    selected == 0 ? FocusAction::None : FocusAction::OpenList);

    writeSelectionsBack();
}

void CSettingsPage::writeSelectionsBack()
{
    m_nLanguage = combo(zel::IDC_SETTINGS_LANGUAGE)->currentIndex();
    m_nMailboxType = combo(zel::IDC_SETTINGS_MAILBOX_TYPE)->currentIndex();
    m_nLocalNotifyType = combo(zel::IDC_SETTINGS_LOCAL_NOTIFY)->currentIndex();
    m_nOperator = combo(zel::IDC_SETTINGS_OPERATOR)->currentIndex();
    m_nFax = combo(zel::IDC_SETTINGS_FAX)->currentIndex();
    const auto valueAt = [this](int id, int index) {
        return index >= 0 ? combo(id)->itemData(index).toInt() : -1;
    };

    SetDlgItemInt(zel::IDC_SETTINGS_LANGUAGE_INDEX, m_nLanguage);
    SetDlgItemInt(zel::IDC_SETTINGS_MAILBOX_TYPE_VALUE, m_nMailboxType);
    SetDlgItemInt(zel::IDC_SETTINGS_LOCAL_NOTIFY_VALUE, m_nLocalNotifyType);
    SetDlgItemInt(zel::IDC_SETTINGS_OPERATOR_VALUE,
                  valueAt(zel::IDC_SETTINGS_OPERATOR, m_nOperator));
    SetDlgItemInt(zel::IDC_SETTINGS_FAX_VALUE, valueAt(zel::IDC_SETTINGS_FAX, m_nFax));
}

void CSettingsPage::OnReset()
{
    SetDlgItemText(zel::IDC_SETTINGS_PASSWORD, QStringLiteral("5823"));
}

void CSettingsPage::OnMailboxTypeChange()
{
    m_nMailboxType = combo(zel::IDC_SETTINGS_MAILBOX_TYPE)->currentIndex();
    QWidget* doNotDisturb = GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB);
    if (m_nMailboxType == kRealMailbox) {
        CheckDlgButton(zel::IDC_SETTINGS_DO_NOT_DISTURB, false);
        doNotDisturb->setEnabled(true);
        return;
    }
    // A virtual mailbox has no telephone of its own: nothing to ring, nothing to light.
    CheckDlgButton(zel::IDC_SETTINGS_DO_NOT_DISTURB, true);
    doNotDisturb->setEnabled(false);
    m_nLocalNotifyType = kNoLocalNotification;
    zel::selectIndex(combo(zel::IDC_SETTINGS_LOCAL_NOTIFY), kNoLocalNotification);
}
