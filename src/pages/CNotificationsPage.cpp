#include "CNotificationsPage.h"

#include "pages/NumberChecks.h"
#include "pages/PageSupport.h"
#include "pages/TransferFields.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <array>

namespace {

// The targets' edits and the message-type list are named after their group or label.
constexpr std::array<zel::AccessibleLabel, 7> kLabels{{
    {zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY, zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_LABEL},
    {zel::IDC_NOTIFICATIONS_NOTIFY_EXTENSION, zel::IDC_NOTIFICATIONS_NOTIFY_EXTENSION_LABEL},
    {zel::IDC_NOTIFICATIONS_PHONE, zel::IDC_NOTIFICATIONS_PHONE_GROUP},
    {zel::IDC_NOTIFICATIONS_PAGER, zel::IDC_NOTIFICATIONS_PAGER_GROUP},
    {zel::IDC_NOTIFICATIONS_EMAIL, zel::IDC_NOTIFICATIONS_EMAIL_GROUP},
    {zel::IDC_NOTIFICATIONS_MESSAGE_TYPE, zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_LABEL},
    {zel::IDC_NOTIFICATIONS_SMS, zel::IDC_NOTIFICATIONS_SMS_GROUP},
}};

// Each "Enable" box, the group it sits in, and what it switches on.
struct Target
{
    int enableId;
    int groupId;
    int editId;
};
constexpr std::array<Target, 4> kTargets{{
    {zel::IDC_NOTIFICATIONS_PHONE_ENABLE, zel::IDC_NOTIFICATIONS_PHONE_GROUP,
     zel::IDC_NOTIFICATIONS_PHONE},
    {zel::IDC_NOTIFICATIONS_PAGER_ENABLE, zel::IDC_NOTIFICATIONS_PAGER_GROUP,
     zel::IDC_NOTIFICATIONS_PAGER},
    {zel::IDC_NOTIFICATIONS_EMAIL_ENABLE, zel::IDC_NOTIFICATIONS_EMAIL_GROUP,
     zel::IDC_NOTIFICATIONS_EMAIL},
    {zel::IDC_NOTIFICATIONS_SMS_ENABLE, zel::IDC_NOTIFICATIONS_SMS_GROUP,
     zel::IDC_NOTIFICATIONS_SMS},
}};

constexpr int kAttachedAndSaved = 2;
constexpr int kAttachedAndDeleted = 3;

} // namespace

CNotificationsPage::CNotificationsPage(QWidget* parent)
    : Dialog(zel::res::notificationsPage(), parent)
{}

QComboBox* CNotificationsPage::messageTypeList() const
{
    return dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE);
}

bool CNotificationsPage::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();

    QComboBox* messageTypes = messageTypeList();
    const QStringList messageTypeNames{
        //: Mailbox Notifications page, message type list item, 162 dialog units wide (about 36
        //: characters).
        tr("Without attachment"),
        //: Mailbox Notifications page, message type list item, 162 dialog units wide (about 36
        //: characters).
        tr("With voice message attached"),
        //: Mailbox Notifications page, message type list item, 162 dialog units wide (about 36
        //: characters).
        tr("Voice message attached and saved"),
        //: Mailbox Notifications page, message type list item, 162 dialog units wide (about 36
        //: characters).
        tr("Voice message attached and deleted")};
    for (int i = 0; i < messageTypeNames.size(); ++i)
        messageTypes->addItem(messageTypeNames[i], i);
    selectMessageType(-1);

    QComboBox* localNotify = dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY);
    const QStringList types = zel::localNotificationTypes();
    for (int i = 0; i < types.size(); ++i)
        localNotify->addItem(types[i], i);
    localNotify->setCurrentIndex(-1);

    zel::nameAfterLabels(*this, kLabels);
    for (const Target& target : kTargets) {
        //: What a screen reader says for an "Enable" check box; %1 is the caption of its group
        //: ("Telephone number", "Pager number", ...).
        GetDlgItem(target.enableId)
            ->setAccessibleName(tr("Enable %1").arg(GetDlgItemText(target.groupId)));
    }
    GetDlgItem(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED)
        ->setAccessibleName(GetDlgItemText(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT));

    connect(dlgItem<QCheckBox>(zel::IDC_NOTIFICATIONS_PHONE_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnPhoneEnable);
    connect(dlgItem<QCheckBox>(zel::IDC_NOTIFICATIONS_PAGER_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnPagerEnable);
    connect(dlgItem<QCheckBox>(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnEmailEnable);
    connect(dlgItem<QCheckBox>(zel::IDC_NOTIFICATIONS_SMS_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnSmsEnable);
    // activated, not currentIndexChanged: selections the page sets itself raise no warning.
    connect(messageTypes, &QComboBox::activated, this, &CNotificationsPage::OnMessageTypeChange);
    return result;
}

QString CNotificationsPage::externalNotificationText(bool allowed)
{
    if (allowed)
        return tr("External notification is Allowed");
    //: Mailbox Notifications page, label, 137 x 8 dialog units (about 34 characters).
    return tr("External notification is Not Allowed");
}

void CNotificationsPage::OnOK()
{
    // Enter inside the page: the page never closes itself.
}

bool CNotificationsPage::WindowProc(int message)
{
    if (message == zel::WM_PAGE_LOAD)
        OnPageLoad();
    else if (message == zel::WM_PAGE_VALIDATE)
        OnPageValidate();
    return Dialog::WindowProc(message);
}

bool CNotificationsPage::OnHelpInfo(const zel::HelpInfo& info)
{
    return zel::showPageHelp(*this, info);
}

void CNotificationsPage::selectMessageType(int index)
{
    QComboBox* list = messageTypeList();
    zel::selectIndex(list, index);
    list->setEditText(list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : QString());
}

void CNotificationsPage::OnPageLoad()
{
    m_nMessageType = zel::transferInt(GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE));
    selectMessageType(m_nMessageType);

    enableTargets();

    // The device decides which targets the user may switch; a target already switched on
    // stays editable even when its box is not.
    const bool externalAllowed = IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED);
    const bool emailSupported =
        zel::transferInt(GetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL_SUPPORTED)) > 0;
    GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(zel::IDC_NOTIFICATIONS_PAGER_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(zel::IDC_NOTIFICATIONS_SMS_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE)->setEnabled(externalAllowed && emailSupported);
    GetDlgItem(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED)
        ->setAccessibleName(GetDlgItemText(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT));

    m_nMailboxType = zel::transferInt(GetDlgItemText(zel::IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE));
    m_nLocalNotifyType =
        zel::transferInt(GetDlgItemText(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE));
    zel::selectIndex(dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY), m_nLocalNotifyType);
}

void CNotificationsPage::enableTargets()
{
    OnPhoneEnable();
    OnPagerEnable();
    OnEmailEnable();
    OnSmsEnable();
}

void CNotificationsPage::OnPhoneEnable()
{
    GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE)
        ->setEnabled(IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_PHONE_ENABLE));
}

void CNotificationsPage::OnPagerEnable()
{
    GetDlgItem(zel::IDC_NOTIFICATIONS_PAGER)
        ->setEnabled(IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_PAGER_ENABLE));
}

void CNotificationsPage::OnEmailEnable()
{
    const bool enabled = IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE);
    GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL)->setEnabled(enabled);
    GetDlgItem(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->setEnabled(enabled);
}

void CNotificationsPage::OnSmsEnable()
{
    GetDlgItem(zel::IDC_NOTIFICATIONS_SMS)
        ->setEnabled(IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_SMS_ENABLE));
}

void CNotificationsPage::OnMessageTypeChange()
{
    m_nMessageType = messageTypeList()->currentIndex();
    if (m_nMessageType != kAttachedAndDeleted)
        return;
    // clang-format off
    const QString warning = tr("This delivery method is not secure!\nNetwork problems may corrupt the message and all information will be lost.\nAre you sure you want to use this method?");
    // clang-format on
    const auto answer =
        zel::MessageBox::appBox(warning, zel::MessageBox::YesNo, zel::MessageBox::Exclamation);
    if (answer == zel::MessageBox::IdNo) {
        m_nMessageType = kAttachedAndSaved;
        selectMessageType(kAttachedAndSaved);
    }
}

void CNotificationsPage::OnPageValidate()
{
    // The extension to notify is not checked: the user cannot change it, and it goes back as
    // the device sent it.

    // A target's characters are checked even while it is switched off: it is sent all the same.
    // Not one the user cannot reach: that goes back as the device sent it.
    m_strPhone = GetDlgItemText(zel::IDC_NOTIFICATIONS_PHONE);
    if (IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_PHONE_ENABLE) && m_strPhone.isEmpty())
        return fail(tr("When enabling Phone notification a Phone number must be defined"),
                    zel::IDC_NOTIFICATIONS_PHONE, FailOrder::MessageFirst);
    if (userCanEdit(zel::IDC_NOTIFICATIONS_PHONE_ENABLE) && !IsValidPhoneNumber(m_strPhone))
        return fail(tr("Phone number is not valid"), zel::IDC_NOTIFICATIONS_PHONE,
                    FailOrder::FocusFirst);

    m_strPager = GetDlgItemText(zel::IDC_NOTIFICATIONS_PAGER);
    if (IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_PAGER_ENABLE) && m_strPager.isEmpty())
        return fail(tr("When enabling Pager notification a Pager number must be defined"),
                    zel::IDC_NOTIFICATIONS_PAGER, FailOrder::MessageFirst);
    if (userCanEdit(zel::IDC_NOTIFICATIONS_PAGER_ENABLE) && !IsValidPagerNumber(m_strPager))
        return fail(tr("Pager number is not valid"), zel::IDC_NOTIFICATIONS_PAGER,
                    FailOrder::FocusFirst);

    m_strSms = GetDlgItemText(zel::IDC_NOTIFICATIONS_SMS);
    if (IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_SMS_ENABLE) && m_strSms.isEmpty())
        return fail(tr("When enabling SMS notification a SMS number must be defined"),
                    zel::IDC_NOTIFICATIONS_SMS, FailOrder::MessageFirst);
    if (userCanEdit(zel::IDC_NOTIFICATIONS_SMS_ENABLE) && !IsValidSmsNumber(m_strSms))
        return fail(tr("SMS number is not valid"), zel::IDC_NOTIFICATIONS_SMS,
                    FailOrder::FocusFirst);

    m_strEmail = GetDlgItemText(zel::IDC_NOTIFICATIONS_EMAIL);
    if (IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE) && m_strEmail.isEmpty())
        return fail(tr("When enabling Email notification an Email address must be defined"),
                    zel::IDC_NOTIFICATIONS_EMAIL, FailOrder::MessageFirst);
    m_nMessageType = messageTypeList()->currentIndex();
    if (IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE) && m_nMessageType < 0)
        return fail(tr("Email notification type is not valid"), zel::IDC_NOTIFICATIONS_MESSAGE_TYPE,
                    FailOrder::FocusFirst);

    SetDlgItemInt(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE, m_nMessageType);
    SetDlgItemInt(zel::IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE, m_nMailboxType);
    m_nLocalNotifyType = dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY)->currentIndex();
    SetDlgItemInt(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE, m_nLocalNotifyType);
}

// A target the user may switch on, or one that is on already and so keeps its edit enabled.
bool CNotificationsPage::userCanEdit(int enableId) const
{
    return IsDlgButtonChecked(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED) ||
           IsDlgButtonChecked(enableId);
}

void CNotificationsPage::fail(const QString& message, int controlId, FailOrder order)
{
    const auto focusControl = [this, controlId] {
        QWidget* control = GetDlgItem(controlId);
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
        else
            selectMessageType(-1); // the message type has no selection: drop the typed text
    };
    if (order == FailOrder::FocusFirst)
        focusControl();
    zel::MessageBox::appBox(message, zel::MessageBox::Ok, zel::MessageBox::Exclamation);
    if (order == FailOrder::MessageFirst)
        focusControl();
    zel::SendMessage(zel::mainWindow(), zel::WM_PAGE_INVALID);
}
