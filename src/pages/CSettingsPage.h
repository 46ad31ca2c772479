#pragma once

#include "platform/Dialog.h"

class QComboBox;

// The "Mailbox Settings" tab page. The Refresh and Apply commands reach its controls only by
// the ids below; zel::WM_PAGE_LOAD and zel::WM_PAGE_VALIDATE tell it to take them over or check
// them.
class CSettingsPage : public zel::Dialog
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_MAILBOX_NUMBER = 1003,
        IDC_NOTIFY_EXTENSION = 1005, // hidden: the Notifications page shows it
        IDC_PASSWORD = 1010,
        IDC_RESET = 1011,
        IDC_ANNOUNCER = 1012,
        IDC_DO_NOT_DISTURB = 1013,
        IDC_TIME_STAMP = 1014,
        IDC_MAILBOX_TYPE = 1015, // hidden list
        IDC_OPERATOR = 1017,
        IDC_FAX = 1018,
        IDC_LOCAL_NOTIFY = 1020, // hidden list
        IDC_LANGUAGE = 1023,
        IDC_BACKUP_EXTENSION = 1026,
        // Transfer fields: integers as signed decimal text, lists as "_"-terminated entries.
        IDC_LANGUAGE_INDEX = 1050,
        IDC_MAILBOX_TYPE_VALUE = 1051,
        IDC_LOCAL_NOTIFY_VALUE = 1052,
        IDC_OPERATOR_VALUE = 1053,
        IDC_FAX_VALUE = 1054,
        IDC_LANGUAGE_LIST = 1055,
        IDC_OPERATOR_LIST = 1056,
        IDC_FAX_LIST = 1057,
    };

    explicit CSettingsPage(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool WindowProc(int message) override;
    bool OnHelpInfo(const zel::HelpInfo& info) override;

private:
    void OnPageLoad();
    void OnPageValidate();
    void OnReset();
    void OnMailboxTypeChange();

    void loadOperatorList();
    void loadFaxList();
    void loadLanguageList();
    void writeSelectionsBack();
    QComboBox* combo(int id) const;

    int m_nMailboxType = 0;
    int m_nLocalNotifyType = 0;
    int m_nLanguage = 0;
    int m_nOperator = 0;
    int m_nFax = 0;
    QString m_strPassword;
};
