#pragma once

#include "platform/Dialog.h"

class QComboBox;

// The "Mailbox Notifications" tab page: the local notification (shown only) and the four
// external notification targets. The Refresh and Apply commands reach its controls only by
// the ids below; zel::WM_PAGE_LOAD and zel::WM_PAGE_VALIDATE tell it to take them over or check
// them.
class CNotificationsPage : public zel::Dialog
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_NOTIFY_EXTENSION = 1005,
        IDC_MESSAGE_TYPE = 1007,
        IDC_PHONE_ENABLE = 1015,
        IDC_PAGER = 1016,
        IDC_PAGER_ENABLE = 1017,
        IDC_EMAIL = 1018,
        IDC_EMAIL_ENABLE = 1019,
        IDC_SMS = 1020,
        IDC_SMS_ENABLE = 1021,
        IDC_EXTERNAL_ALLOWED = 1022,
        IDC_LOCAL_NOTIFY = 1023,
        IDC_PHONE = 1033,
        IDC_EXTERNAL_ALLOWED_TEXT = 1049,
        // Transfer fields: integers as signed decimal text.
        IDC_MESSAGE_TYPE_VALUE = 1051,
        IDC_EMAIL_SUPPORTED = 1052,
        IDC_LOCAL_NOTIFY_VALUE = 1053,
        IDC_MAILBOX_TYPE_VALUE = 1054,
    };

    explicit CNotificationsPage(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool WindowProc(int message) override;
    bool OnHelpInfo(const zel::HelpInfo& info) override;

private:
    void OnPageLoad();
    void OnPageValidate();
    void OnPhoneEnable();
    void OnPagerEnable();
    void OnEmailEnable();
    void OnSmsEnable();
    void OnMessageTypeChange();

    QComboBox* messageTypeList() const;
    void selectMessageType(int index);
    void enableTargets();
    // Which the user meets first when a check fails: the message or the faulty control.
    enum class FailOrder
    {
        MessageFirst,
        FocusFirst
    };
    void fail(const char* message, int controlId, FailOrder order);

    int m_nLocalNotifyType = 0;
    int m_nMailboxType = 0;
    int m_nMessageType = 0;
    QString m_strEmail;
    QString m_strPager;
    QString m_strSms;
    QString m_strPhone;
    QString m_strExtension;
};
