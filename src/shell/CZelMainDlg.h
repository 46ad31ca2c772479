#pragma once

#include "exchange/DeviceLink.h"
#include "platform/Dialog.h"
#include "platform/ProfileFile.h"
#include "protocol/MailboxRecord.h"

#include <QIcon>
#include <QList>

class QLabel;
class QPushButton;
namespace zel {
class TabControl;
}
class CNotificationsPage;
class CSettingsPage;
class CStatisticsPage;
struct ProfileConfiguration;

// The program's only top-level window: three mailbox pages in a tab control, the Refresh and
// Apply commands that move a mailbox record between the device and the pages, and the link to
// the device (the UDP endpoint and its members).
class CZelMainDlg : public zel::Dialog
{
    Q_OBJECT

public:
    // `profile` holds the configuration; it is written only when the user is asked for it.
    explicit CZelMainDlg(zel::ProfileFile profile, QWidget* parent = nullptr);
    ~CZelMainDlg() override;

    void OnRefresh();
    void OnApply();
    bool ValidatePages();
    void OnSelChangeTab();
    void OnAbout();

    QPushButton* m_btnClose = nullptr;
    QPushButton* m_btnApply = nullptr;
    QPushButton* m_btnRefresh = nullptr;
    QPushButton* m_btnHelp = nullptr;
    QLabel* m_offlineBanner = nullptr;
    zel::TabControl* m_tab = nullptr;
    QList<zel::Dialog*> m_pages;
    bool m_bViewed = false;
    bool m_bPageInvalid = false;
    bool m_bFirstRefresh = true;
    QString m_strMailbox;
    DeviceLink m_link;
    int m_nCurPage = -1;
    MailboxRecord m_record;
    QIcon m_hIcon;
    CSettingsPage* m_pSettingsPage = nullptr;
    CNotificationsPage* m_pNotificationsPage = nullptr;
    CStatisticsPage* m_pStatisticsPage = nullptr;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool WindowProc(int message) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void DoDataExchange(bool saveAndValidate);
    // False, after saying so, when the profile holds a port or an address the endpoint cannot
    // use.
    bool profileUsable(const ProfileConfiguration& configuration);
    // False when the user cancelled the data-initialising dialog.
    bool ReadConfiguration(ProfileConfiguration configuration);
    void CreatePages();
    void OnDestroy();
    void bringPageToFront(int page, int shownPage);
    void placePage(zel::Dialog* page);
    void focusPage(zel::Dialog* page);
    void writeRecordToPages();
    void readPagesIntoRecord();

    zel::ProfileFile m_profile;
    bool m_bPainted = false;
};
