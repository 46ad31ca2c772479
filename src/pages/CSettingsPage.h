#pragma once

#include "platform/Dialog.h"

class QComboBox;

// The "Mailbox Settings" tab page. The Refresh and Apply commands reach its controls only by
// their ids (zel::IDC_SETTINGS_*); zel::WM_PAGE_LOAD and zel::WM_PAGE_VALIDATE tell it to take
// them over or check them.
class CSettingsPage final : public zel::Dialog
{
    Q_OBJECT

public:
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
