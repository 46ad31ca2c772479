// The Refresh and Apply commands of the main window: the mailbox record moves between the
// device and the pages' controls, addressed by control id.
#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "exchange/ExchangeMessages.h"
#include "pages/CNotificationsPage.h"
#include "pages/CSettingsPage.h"
#include "pages/CStatisticsPage.h"
#include "pages/LanguageName.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/CPreApplyDlg.h"
#include "shell/CZelMainDlg.h"

#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabBar>
#include <memory>

namespace {

// The record holds the device's one-byte characters.
QString text(const std::string& value)
{
    return QString::fromLatin1(value.data(), qsizetype(value.size()));
}

std::string text(const QString& value)
{
    return value.toLatin1().toStdString();
}

// A list handed to the Settings page: every entry followed by "_", empty entries included.
template <class Entries, class ToText> QString listText(const Entries& entries, ToText toText)
{
    QString list;
    for (const auto& entry : entries)
        list += toText(entry) + u'_';
    return list;
}

// clang-format off
const char16_t kViewFirst[] = u"Current mailbox configuration must be viewed before applying new data!\n\nPlease do 'Refresh' first!";
// clang-format on

// The Apply command waits this many whole seconds on the clock for a page's verdict.
constexpr qint64 kPageVerdictSeconds = 1;

} // namespace

void CZelMainDlg::OnRefresh()
{
    CRefreshDlg dlg(m_link, m_strMailbox, m_bFirstRefresh, this);
    if (dlg.DoModal() == zel::IDCANCEL) {
        if (zel::MessageBox::appBox(QStringLiteral("Do you want to work offline?"),
                                    zel::MessageBox::YesNo) == zel::MessageBox::IdYes) {
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
        ExchangeMessages::show(this, ExchangeMessages::transferCompleted(),
                               zel::MessageBox::Information);
    }
    m_bFirstRefresh = false;

    const MailboxRecord& received = dlg.record();
    m_record = received;
    // The extension lists only feed the Settings page; the record does not keep them.
    m_record.operatorExtensions = {};
    m_record.faxExtensions = {};

    const QString operatorList =
        listText(received.operatorExtensions, [](const std::string& e) { return text(e); });
    const QString faxList =
        listText(received.faxExtensions, [](const std::string& e) { return text(e); });
    const QString languageList =
        listText(received.languageCodes, [](int code) { return LanguageName(code); });
    writeRecordToPages(operatorList, faxList, languageList);

    zel::SendMessage(m_pSettingsPage, zel::WM_PAGE_LOAD);
    zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_LOAD);
    zel::SendMessage(m_pStatisticsPage, zel::WM_PAGE_LOAD);
    if (m_nCurPage >= 0)
        m_pages[m_nCurPage]->update();
}

void CZelMainDlg::writeRecordToPages(const QString& operatorList, const QString& faxList,
                                     const QString& languageList)
{
    CSettingsPage& settings = *m_pSettingsPage;
    settings.SetDlgItemText(1003, text(m_record.mailboxNumber));
    settings.SetDlgItemText(1005, text(m_record.notifyExtension));
    settings.SetDlgItemText(1010, text(m_record.password));
    settings.SetDlgItemText(1026, text(m_record.backupExtension));
    settings.CheckDlgButton(1012, m_record.announcer);
    settings.CheckDlgButton(1013, m_record.doNotDisturb);
    settings.CheckDlgButton(1014, m_record.timeStamp);
    settings.SetDlgItemInt(1050, m_record.languageIndex);
    settings.SetDlgItemInt(1051, m_record.mailboxType);
    settings.SetDlgItemInt(1052, m_record.localNotificationType);
    settings.SetDlgItemInt(1053, m_record.operatorExtensionIndex);
    settings.SetDlgItemInt(1054, m_record.faxExtensionChoice);
    settings.SetDlgItemText(1056, operatorList);
    settings.SetDlgItemText(1057, faxList);
    settings.SetDlgItemText(1055, languageList);

    CNotificationsPage& notifications = *m_pNotificationsPage;
    notifications.CheckDlgButton(1022, m_record.externalNotificationAllowed);
    notifications.SetDlgItemText(1049,
                                 m_record.externalNotificationAllowed
                                     ? QStringLiteral("External notification is Allowed")
                                     : QStringLiteral("External notification is Not Allowed"));
    notifications.CheckDlgButton(1015, m_record.telephoneEnabled);
    notifications.CheckDlgButton(1017, m_record.pagerEnabled);
    notifications.CheckDlgButton(1021, m_record.smsEnabled);
    notifications.CheckDlgButton(1019, m_record.emailEnabled);
    notifications.SetDlgItemText(1033, text(m_record.telephoneNumber));
    notifications.SetDlgItemText(1016, text(m_record.pagerNumber));
    notifications.SetDlgItemText(1020, text(m_record.smsNumber));
    notifications.SetDlgItemInt(1052, m_record.emailSupported);
    // A device without e-mail leaves the page's e-mail entries alone and the record without.
    if (m_record.emailSupported != 0) {
        notifications.SetDlgItemText(1018, text(m_record.emailAddress));
        notifications.SetDlgItemInt(1051, m_record.messageType);
    } else {
        m_record.emailAddress.clear();
        m_record.messageType = 0;
    }
    notifications.SetDlgItemText(1005, text(m_record.notifyExtension));
    notifications.SetDlgItemInt(1053, m_record.localNotificationType);
    notifications.SetDlgItemInt(1054, m_record.mailboxType);

    CStatisticsPage& statistics = *m_pStatisticsPage;
    statistics.SetDlgItemInt(1014, m_record.newMessages);
    statistics.SetDlgItemInt(1015, m_record.savedMessages);
    statistics.SetDlgItemInt(1016, m_record.totalMessages);
    statistics.SetDlgItemInt(1017, m_record.maxMessages);
}

void CZelMainDlg::OnApply()
{
    if (!m_bViewed) {
        zel::MessageBox::windowBox(this, QString::fromUtf16(kViewFirst), zel::applicationTitle(),
                                   zel::MessageBox::Ok, zel::MessageBox::Exclamation);
        return;
    }

    auto waitWindow = std::make_unique<CPreApplyDlg>();
    waitWindow->Create(nullptr);
    waitWindow->move(frameGeometry().center() - waitWindow->rect().center());
    waitWindow->show();
    if (!ValidatePages())
        return;
    waitWindow->hide();
    waitWindow.reset();

    if (!m_link.m_pSocket) {
        ExchangeMessages::show(this, ExchangeMessages::noSocket(), zel::MessageBox::Stop);
        return;
    }
    readPagesIntoRecord();
    CApplyDlg dlg(m_link, m_record, this);
    dlg.DoModal();
}

void CZelMainDlg::readPagesIntoRecord()
{
    const CSettingsPage& settings = *m_pSettingsPage;
    m_record.mailboxNumber = text(settings.GetDlgItemText(1003));
    m_record.notifyExtension = text(settings.GetDlgItemText(1005));
    m_record.password = text(settings.GetDlgItemText(1010));
    m_record.backupExtension = text(settings.GetDlgItemText(1026));
    m_record.announcer = settings.IsDlgButtonChecked(1012);
    m_record.doNotDisturb = settings.IsDlgButtonChecked(1013);
    m_record.timeStamp = settings.IsDlgButtonChecked(1014);
    // Transfer fields are read as unsigned: a list without a selection (-1) arrives as 0.
    m_record.languageIndex = int(settings.GetDlgItemInt(1050));
    m_record.mailboxType = int(settings.GetDlgItemInt(1051));
    m_record.localNotificationType = int(settings.GetDlgItemInt(1052));
    m_record.operatorExtensionIndex = int(settings.GetDlgItemInt(1053));
    m_record.faxExtensionChoice = int(settings.GetDlgItemInt(1054));

    const CNotificationsPage& notifications = *m_pNotificationsPage;
    m_record.externalNotificationAllowed = notifications.IsDlgButtonChecked(1022);
    m_record.telephoneEnabled = notifications.IsDlgButtonChecked(1015);
    m_record.pagerEnabled = notifications.IsDlgButtonChecked(1017);
    m_record.smsEnabled = notifications.IsDlgButtonChecked(1021);
    m_record.emailEnabled = notifications.IsDlgButtonChecked(1019);
    m_record.telephoneNumber = text(notifications.GetDlgItemText(1033));
    m_record.pagerNumber = text(notifications.GetDlgItemText(1016));
    m_record.smsNumber = text(notifications.GetDlgItemText(1020));
    m_record.emailAddress = text(notifications.GetDlgItemText(1018));
    m_record.messageType = int(notifications.GetDlgItemInt(1051));
    m_record.emailSupported = int(notifications.GetDlgItemInt(1052));
    m_record.notifyExtension = text(notifications.GetDlgItemText(1005));
    m_record.localNotificationType = int(notifications.GetDlgItemInt(1053));
    m_record.mailboxType = int(notifications.GetDlgItemInt(1054));
}

bool CZelMainDlg::ValidatePages()
{
    DoDataExchange(true);
    const int shown = m_tab->tabBar()->currentIndex();
    const auto awaitVerdict = [this] {
        zel::waitPeriod(kPageVerdictSeconds, [this] { return m_bPageInvalid; });
    };
    // A failing page puts the focus on the faulty entry; the disabled window loses it, so it is
    // given back once the window takes input again.
    const auto refuse = [this](zel::Dialog* page, const QPointer<QWidget>& faulty) {
        setEnabled(true);
        if (faulty)
            faulty->setFocus(Qt::OtherFocusReason);
        else
            focusPage(page);
        return false;
    };

    m_bPageInvalid = false;
    zel::SendMessage(m_pSettingsPage, zel::WM_PAGE_VALIDATE);
    const QPointer<QWidget> settingsFocus = m_pSettingsPage->focusWidget();
    setEnabled(false);
    awaitVerdict();
    if (m_bPageInvalid) {
        if (shown != 0)
            bringPageToFront(0, shown);
        return refuse(m_pSettingsPage, settingsFocus);
    }

    // Enabled while the page checks, so that a failing page can put the focus on its entry;
    // its message box keeps the user out of the window meanwhile.
    m_bPageInvalid = false;
    setEnabled(true);
    zel::SendMessage(m_pNotificationsPage, zel::WM_PAGE_VALIDATE);
    const QPointer<QWidget> notificationsFocus = m_pNotificationsPage->focusWidget();
    setEnabled(false);
    awaitVerdict();
    if (m_bPageInvalid) {
        if (shown != 1)
            bringPageToFront(1, shown);
        return refuse(m_pNotificationsPage, notificationsFocus);
    }
    setEnabled(true);
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
