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

constexpr std::array<zel::HelpPair, 12> kHelpIds{{
    {1023, 20},
    {1005, 21},
    {1015, 23},
    {1033, 22},
    {1017, 24},
    {1016, 25},
    {1021, 32},
    {1020, 33},
    {1019, 34},
    {1018, 35},
    {1007, 36},
    {0, 0},
}};

// The targets' edits and the message-type list are named after their group or label.
constexpr std::array<AccessibleLabel, 7> kLabels{{
    {CNotificationsPage::IDC_LOCAL_NOTIFY, 1024},
    {CNotificationsPage::IDC_NOTIFY_EXTENSION, 1006},
    {CNotificationsPage::IDC_PHONE, 1029},
    {CNotificationsPage::IDC_PAGER, 1030},
    {CNotificationsPage::IDC_EMAIL, 1031},
    {CNotificationsPage::IDC_MESSAGE_TYPE, 1034},
    {CNotificationsPage::IDC_SMS, 1032},
}};

// Each "Enable" box, the group it sits in, and what it switches on.
struct Target
{
    int enableId;
    int groupId;
    int editId;
};
constexpr std::array<Target, 4> kTargets{{
    {CNotificationsPage::IDC_PHONE_ENABLE, 1029, CNotificationsPage::IDC_PHONE},
    {CNotificationsPage::IDC_PAGER_ENABLE, 1030, CNotificationsPage::IDC_PAGER},
    {CNotificationsPage::IDC_EMAIL_ENABLE, 1031, CNotificationsPage::IDC_EMAIL},
    {CNotificationsPage::IDC_SMS_ENABLE, 1032, CNotificationsPage::IDC_SMS},
}};

constexpr int kRealMailbox = 0;
constexpr int kAttachedAndSaved = 2;
constexpr int kAttachedAndDeleted = 3;

} // namespace

CNotificationsPage::CNotificationsPage(QWidget* parent)
    : Dialog(zel::res::notificationsPage(), parent)
{}

QComboBox* CNotificationsPage::messageTypeList() const
{
    return dlgItem<QComboBox>(IDC_MESSAGE_TYPE);
}

bool CNotificationsPage::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();

    QComboBox* messageTypes = messageTypeList();
    const QStringList messageTypeNames{QStringLiteral("Without attachment"),
                                       QStringLiteral("With voice message attached"),
                                       QStringLiteral("Voice message attached and saved"),
                                       QStringLiteral("Voice message attached and deleted")};
    for (int i = 0; i < messageTypeNames.size(); ++i)
        messageTypes->addItem(messageTypeNames[i], i);
    selectMessageType(-1);

    QComboBox* localNotify = dlgItem<QComboBox>(IDC_LOCAL_NOTIFY);
    const QStringList types = localNotificationTypes();
    for (int i = 0; i < types.size(); ++i)
        localNotify->addItem(types[i], i);
    localNotify->setCurrentIndex(-1);

    nameAfterLabels(*this, kLabels);
    for (const Target& target : kTargets) {
        GetDlgItem(target.enableId)
            ->setAccessibleName(GetDlgItemText(target.enableId) + u' ' +
                                GetDlgItemText(target.groupId));
    }
    GetDlgItem(IDC_EXTERNAL_ALLOWED)->setAccessibleName(GetDlgItemText(IDC_EXTERNAL_ALLOWED_TEXT));

    connect(dlgItem<QCheckBox>(IDC_PHONE_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnPhoneEnable);
    connect(dlgItem<QCheckBox>(IDC_PAGER_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnPagerEnable);
    connect(dlgItem<QCheckBox>(IDC_EMAIL_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnEmailEnable);
    connect(dlgItem<QCheckBox>(IDC_SMS_ENABLE), &QCheckBox::clicked, this,
            &CNotificationsPage::OnSmsEnable);
    // activated, not currentIndexChanged: selections the page sets itself raise no warning.
    connect(messageTypes, &QComboBox::activated, this, &CNotificationsPage::OnMessageTypeChange);
    return result;
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
    return showPageHelp(info, kHelpIds);
}

void CNotificationsPage::selectMessageType(int index)
{
    QComboBox* list = messageTypeList();
    selectIndex(list, index);
    list->setEditText(list->currentIndex() >= 0 ? list->itemText(list->currentIndex()) : QString());
}

void CNotificationsPage::OnPageLoad()
{
    m_nMessageType = transferInt(GetDlgItemText(IDC_MESSAGE_TYPE_VALUE));
    selectMessageType(m_nMessageType);

    enableTargets();

    // The device decides which targets the user may switch; a target already switched on
    // stays editable even when its box is not.
    const bool externalAllowed = IsDlgButtonChecked(IDC_EXTERNAL_ALLOWED);
    const bool emailSupported = transferInt(GetDlgItemText(IDC_EMAIL_SUPPORTED)) > 0;
    GetDlgItem(IDC_PHONE_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(IDC_PAGER_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(IDC_SMS_ENABLE)->setEnabled(externalAllowed);
    GetDlgItem(IDC_EMAIL_ENABLE)->setEnabled(externalAllowed && emailSupported);
    GetDlgItem(IDC_EXTERNAL_ALLOWED)->setAccessibleName(GetDlgItemText(IDC_EXTERNAL_ALLOWED_TEXT));

    m_nMailboxType = transferInt(GetDlgItemText(IDC_MAILBOX_TYPE_VALUE));
    m_nLocalNotifyType = transferInt(GetDlgItemText(IDC_LOCAL_NOTIFY_VALUE));
    selectIndex(dlgItem<QComboBox>(IDC_LOCAL_NOTIFY), m_nLocalNotifyType);
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
    GetDlgItem(IDC_PHONE)->setEnabled(IsDlgButtonChecked(IDC_PHONE_ENABLE));
}

void CNotificationsPage::OnPagerEnable()
{
    GetDlgItem(IDC_PAGER)->setEnabled(IsDlgButtonChecked(IDC_PAGER_ENABLE));
}

void CNotificationsPage::OnEmailEnable()
{
    const bool enabled = IsDlgButtonChecked(IDC_EMAIL_ENABLE);
    GetDlgItem(IDC_EMAIL)->setEnabled(enabled);
    GetDlgItem(IDC_MESSAGE_TYPE)->setEnabled(enabled);
}

void CNotificationsPage::OnSmsEnable()
{
    GetDlgItem(IDC_SMS)->setEnabled(IsDlgButtonChecked(IDC_SMS_ENABLE));
}

void CNotificationsPage::OnMessageTypeChange()
{
    m_nMessageType = messageTypeList()->currentIndex();
    if (m_nMessageType != kAttachedAndDeleted)
        return;
    // clang-format off
    const QString warning = QStringLiteral("This delivery method is not secure!\nNetwork problems may corrupt the message and all information will be lost.\nAre you sure you want to use this method?");
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
    m_strExtension = GetDlgItemText(IDC_NOTIFY_EXTENSION);
    if (m_nMailboxType == kRealMailbox && (m_strExtension.size() < 2 || m_strExtension.size() > 6))
        return fail("Extension number is not valid", IDC_NOTIFY_EXTENSION, FailOrder::MessageFirst);

    // A target's characters are checked even while it is switched off: it is sent all the same.
    m_strPhone = GetDlgItemText(IDC_PHONE);
    if (IsDlgButtonChecked(IDC_PHONE_ENABLE) && m_strPhone.isEmpty())
        return fail("When enabling Phone notification a Phone number must be defined", IDC_PHONE,
                    FailOrder::MessageFirst);
    if (!IsValidPhoneNumber(m_strPhone))
        return fail("Phone number is not valid", IDC_PHONE, FailOrder::FocusFirst);

    m_strPager = GetDlgItemText(IDC_PAGER);
    if (IsDlgButtonChecked(IDC_PAGER_ENABLE) && m_strPager.isEmpty())
        return fail("When enabling Pager notification a Pager number must be defined", IDC_PAGER,
                    FailOrder::MessageFirst);
    if (!IsValidPagerNumber(m_strPager))
        return fail("Pager number is not valid", IDC_PAGER, FailOrder::FocusFirst);

    m_strSms = GetDlgItemText(IDC_SMS);
    if (IsDlgButtonChecked(IDC_SMS_ENABLE) && m_strSms.isEmpty())
        return fail("When enabling SMS notification a SMS number must be defined", IDC_SMS,
                    FailOrder::MessageFirst);
    if (!IsValidSmsNumber(m_strSms))
        return fail("SMS number is not valid", IDC_SMS, FailOrder::FocusFirst);

    m_strEmail = GetDlgItemText(IDC_EMAIL);
    if (IsDlgButtonChecked(IDC_EMAIL_ENABLE) && m_strEmail.isEmpty())
        return fail("When enabling Email notification an Email address must be defined", IDC_EMAIL,
                    FailOrder::MessageFirst);
    m_nMessageType = messageTypeList()->currentIndex();
    if (IsDlgButtonChecked(IDC_EMAIL_ENABLE) && m_nMessageType < 0)
        return fail("Email notification type is not valid", IDC_MESSAGE_TYPE,
                    FailOrder::FocusFirst);

    SetDlgItemInt(IDC_MESSAGE_TYPE_VALUE, m_nMessageType);
    SetDlgItemInt(IDC_MAILBOX_TYPE_VALUE, m_nMailboxType);
    m_nLocalNotifyType = dlgItem<QComboBox>(IDC_LOCAL_NOTIFY)->currentIndex();
    SetDlgItemInt(IDC_LOCAL_NOTIFY_VALUE, m_nLocalNotifyType);
}

void CNotificationsPage::fail(const char* message, int controlId, FailOrder order)
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
    zel::MessageBox::appBox(QString::fromUtf8(message), zel::MessageBox::Ok,
                            zel::MessageBox::Exclamation);
    if (order == FailOrder::MessageFirst)
        focusControl();
    zel::SendMessage(zel::AfxGetMainWnd(), zel::WM_PAGE_INVALID);
}
