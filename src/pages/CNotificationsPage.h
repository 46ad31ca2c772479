#pragma once

#include "platform/Dialog.h"

class QComboBox;

// The "Mailbox Notifications" tab page: the local notification (shown only) and the four
// external notification targets. The Refresh and Apply commands reach its controls only by
// their ids (zel::IDC_NOTIFICATIONS_*); zel::WM_PAGE_LOAD and zel::WM_PAGE_VALIDATE tell it to
// take them over or check them.
class CNotificationsPage final : public zel::Dialog
{
    Q_OBJECT

public:
    explicit CNotificationsPage(QWidget* parent = nullptr);

    // The text beside the external-notification box for the device's verdict; the Refresh
    // command writes it with the box.
    static QString externalNotificationText(bool allowed);

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
    bool userCanEdit(int enableId) const;
    // Which the user meets first when a check fails: the message or the faulty control.
    enum class FailOrder
    {
        MessageFirst,
        FocusFirst
    };
    void fail(const QString& message, int controlId, FailOrder order);

    int m_nLocalNotifyType = 0;
    int m_nMailboxType = 0;
    int m_nMessageType = 0;
    QString m_strEmail;
    QString m_strPager;
    QString m_strSms;
    QString m_strPhone;
};
