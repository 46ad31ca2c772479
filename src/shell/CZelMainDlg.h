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
struct ProfileConfiguration;
} // namespace zel
class CNotificationsPage;
class CSettingsPage;
class CStatisticsPage;

// The program's only top-level window: three mailbox pages in a tab control, the Refresh and
// Apply commands that move a mailbox record between the device and the pages, and the link to
// the device (the UDP endpoint and its members).
class CZelMainDlg final : public zel::Dialog
{
    Q_OBJECT

public:
    // `profile` holds the configuration; it is written only when the user is asked for it.
    explicit CZelMainDlg(zel::ProfileFile profile, QWidget* parent = nullptr);
    ~CZelMainDlg() override;

    // Whether the last Refresh received the device's record, and that record as Apply sends it.
    bool viewed() const { return m_bViewed; }
    // Until a Refresh succeeds, the next one asks for the password.
    bool firstRefresh() const { return m_bFirstRefresh; }
    const MailboxRecord& record() const { return m_record; }
    const QString& mailbox() const { return m_strMailbox; }
    DeviceLink& link() { return m_link; }
    const DeviceLink& link() const { return m_link; }
    // The page shown, -1 before the first; a page by its tab's index.
    int currentPage() const { return m_nCurPage; }
    zel::Dialog* page(int index) const { return m_pages.at(index); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool WindowProc(int message) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void OnRefresh();
    void OnApply();
    bool ValidatePages();
    void OnSelChangeTab();
    void showAboutBox();
    void DoDataExchange(bool saveAndValidate);
    // False, after saying so, when the profile holds a port or an address the endpoint cannot
    // use.
    bool profileUsable(const zel::ProfileConfiguration& configuration);
    // False when the user cancelled the data-initialising dialog.
    bool readConfiguration(zel::ProfileConfiguration configuration);
    void CreatePages();
    void OnDestroy();
    void bringPageToFront(int page, int shownPage);
    void placePage(zel::Dialog* page);
    void focusPage(zel::Dialog* page);
    void writeRecordToPages();
    void readPagesIntoRecord();

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
    zel::ProfileFile m_profile;
    bool m_painted = false;
};
