// The Refresh and Apply commands of the main window: the mailbox record moves between the
// device and the pages' controls, addressed by control id.
#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "exchange/ExchangeMessages.h"
#include "pages/CNotificationsPage.h"
#include "pages/CSettingsPage.h"
#include "pages/CStatisticsPage.h"
#include "platform/Clock.h"
#include "platform/InputBlock.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/CPreApplyDlg.h"
#include "shell/CZelMainDlg.h"
#include "shell/RecordBinding.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTabBar>
#include <memory>

namespace {

// The Apply command waits this many whole seconds on the clock for a page's verdict.
constexpr qint64 kPageVerdictSeconds = 1;

} // namespace

void CZelMainDlg::OnRefresh()
{
    CRefreshDlg dlg(m_link, m_strMailbox, m_bFirstRefresh, this);
    if (dlg.DoModal() == zel::IDCANCEL) {
        if (zel::MessageBox::appBox(tr("Do you want to work offline?"), zel::MessageBox::YesNo) ==
            zel::MessageBox::IdYes) {
            m_bViewed = false;
            m_offlineBanner->show();
            zel::SendMessage(m_pSettingsPage, zel::WM_PAGE_LOAD);
            zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_LOAD);
        } else {
            OnCancel();
        }
        return;
    }

    m_bViewed = true;
    m_offlineBanner->hide();
    m_bViewed = dlg.replyReceived();
    if (!m_bViewed)
        m_offlineBanner->show();

    if (!m_bFirstRefresh) {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::transferCompleted(),
                                    zel::MessageBox::Information);
    }
    m_bFirstRefresh = false;

    m_record = dlg.record();
    writeRecordToPages();
    // The extension lists only feed the Settings page; the record does not keep them.
    m_record.operatorExtensions = {};
    m_record.faxExtensions = {};

    zel::SendMessage(m_pSettingsPage, zel::WM_PAGE_LOAD);
    zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_LOAD);
    zel::SendMessage(m_pStatisticsPage, zel::WM_PAGE_LOAD);
    if (m_nCurPage >= 0)
        m_pages[m_nCurPage]->update();
}

void CZelMainDlg::writeRecordToPages()
{
    zel::writeRecordToPage(m_record, zel::BoundPage::Settings, *m_pSettingsPage);
    zel::writeRecordToPage(m_record, zel::BoundPage::Notifications, *m_pNotificationsPage);
    zel::writeRecordToPage(m_record, zel::BoundPage::Statistics, *m_pStatisticsPage);
}

void CZelMainDlg::OnApply()
{
    if (!m_bViewed) {
        // clang-format off
        const QString viewFirst = tr("Current mailbox configuration must be viewed before applying new data!\n\nPlease do 'Refresh' first!");
        // clang-format on
        zel::MessageBox::windowBox(this, viewFirst, zel::applicationTitle(), zel::MessageBox::Ok,
                                   zel::MessageBox::Exclamation);
        return;
    }

    // Owned by the main window, which the window manager then activates again when it goes.
    auto waitWindow = std::make_unique<CPreApplyDlg>();
    waitWindow->Create(this);
    waitWindow->move(frameGeometry().center() - waitWindow->rect().center());
    waitWindow->show();
    if (!ValidatePages())
        return;
    waitWindow->hide();
    waitWindow.reset();

    if (!m_link.endpoint()) {
        zel::ExchangeMessages::show(this, zel::ExchangeMessages::noSocket(), zel::MessageBox::Stop);
        return;
    }
    readPagesIntoRecord();
    // What goes to the device is what both pages show.
    zel::writeCopiesToPage(m_record, zel::BoundPage::Notifications, *m_pNotificationsPage);
    zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_LOAD);
    CApplyDlg dlg(m_link, m_record, this);
    dlg.DoModal();
}

void CZelMainDlg::readPagesIntoRecord()
{
    zel::readPageIntoRecord(*m_pSettingsPage, zel::BoundPage::Settings, m_record);
    zel::readPageIntoRecord(*m_pNotificationsPage, zel::BoundPage::Notifications, m_record);
}

bool CZelMainDlg::ValidatePages()
{
    DoDataExchange(true);
    const int shown = m_tab->tabBar()->currentIndex();
    const auto awaitVerdict = [this] {
        zel::waitPeriod(kPageVerdictSeconds, [this] { return m_bPageInvalid; });
    };
    // No input and no close until both pages have answered. The window is drawn as it is and
    // keeps what a failing page set up: the focus and selection of the faulty entry, or the
    // list it opened, which the user can use as soon as the check is over.
    const zel::InputBlock block(this);

    m_bPageInvalid = false;
    zel::SendMessage(m_pSettingsPage, zel::WM_PAGE_VALIDATE);
    awaitVerdict();
    if (m_bPageInvalid) {
        if (shown != 0)
            bringPageToFront(0, shown);
        return false;
    }

    m_bPageInvalid = false;
    zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_VALIDATE);
    awaitVerdict();
    if (m_bPageInvalid) {
        if (shown != 1)
            bringPageToFront(1, shown);
        return false;
    }
    return true;
}

void CZelMainDlg::bringPageToFront(int page, int shownPage)
{
    m_nCurPage = shownPage;
    {
        const QSignalBlocker quiet(m_tab->tabBar());
        m_tab->tabBar()->setCurrentIndex(page);
    }
    m_pages[m_nCurPage]->hide();
    placePage(m_pages[page]);
    m_pages[page]->show();
    m_pages[page]->update();
    focusPage(m_pages[page]);
    m_nCurPage = page;
}
