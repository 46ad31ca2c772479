#include "CZelMainDlg.h"

#include "pages/CNotificationsPage.h"
#include "pages/CSettingsPage.h"
#include "pages/CStatisticsPage.h"
#include "platform/Help.h"
#include "platform/InputBlock.h"
#include "platform/LeadingNumber.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "platform/SystemMenu.h"
#include "platform/TabControl.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CDataInitDlg.h"
#include "shell/CZelApp.h"
#include "shell/ProfileKeys.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <algorithm>

namespace {

constexpr int kTabTextLimit = 49;

// Every size the artwork is drawn at, so that the window manager never scales a small one up.
QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/zel/icons/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

CZelMainDlg::CZelMainDlg(zel::ProfileFile profile, QWidget* parent)
    : zel::Dialog(zel::res::mainDialog(), parent), m_hIcon(applicationIcon()),
      m_profile(std::move(profile))
{}

CZelMainDlg::~CZelMainDlg()
{
    OnDestroy();
}

void CZelMainDlg::DoDataExchange(bool /*saveAndValidate: binds controls only*/)
{
    m_btnClose = dlgItem<QPushButton>(zel::IDCANCEL);
    m_btnApply = dlgItem<QPushButton>(zel::IDC_MAIN_APPLY);
    m_btnRefresh = dlgItem<QPushButton>(zel::IDC_MAIN_REFRESH);
    m_btnHelp = dlgItem<QPushButton>(zel::ID_HELP);
    m_offlineBanner = dlgItem<QLabel>(zel::IDC_MAIN_OFFLINE_BANNER);
    m_tab = dlgItem<zel::TabControl>(zel::IDC_MAIN_TAB);
}

bool CZelMainDlg::OnInitDialog()
{
    zel::Dialog::OnInitDialog();
    DoDataExchange(false);

    zel::addSystemMenuEntry(this, GetDlgItem(zel::IDC_MAIN_BANNER), zel::IDM_ABOUTBOX,
                            tr("&About Zel..."), [this] { OnAbout(); });
    setWindowIcon(m_hIcon);

    for (QPushButton* button : {m_btnRefresh, m_btnApply, m_btnClose, m_btnHelp})
        button->setAccessibleName(button->text());
    // The banner art fills its place, which follows the font and the screen.
    auto* banner = dlgItem<QLabel>(zel::IDC_MAIN_BANNER);
    banner->setScaledContents(true);
    banner->setGeometry(dialogUnitsToPixels(7, 4, 395, 67));
    banner->setAccessibleName(tr("Zel"));
    // The subtitle keeps the artwork's proportions and colour at any size; clicks go through it
    // to the banner, whose context menu holds the About entry.
    auto* subtitle = dlgItem<QLabel>(zel::IDC_MAIN_BANNER_SUBTITLE);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPixelSize(std::max(1, banner->height() * 19 / 106));
    subtitle->setFont(subtitleFont);
    QPalette light = subtitle->palette();
    light.setColor(QPalette::WindowText, QColor(0xdf, 0xec, 0xf8));
    subtitle->setPalette(light);
    subtitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    subtitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    subtitle->raise();
    QFont italic = m_offlineBanner->font();
    italic.setItalic(true);
    m_offlineBanner->setFont(italic);
    QPalette red = m_offlineBanner->palette();
    red.setColor(QPalette::WindowText, QColor(0xd0, 0x00, 0x00));
    m_offlineBanner->setPalette(red);
    m_offlineBanner->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_btnRefresh, &QPushButton::clicked, this, &CZelMainDlg::OnRefresh);
    connect(m_btnApply, &QPushButton::clicked, this, &CZelMainDlg::OnApply);
    connect(m_btnHelp, &QPushButton::clicked, this, [this] { CZelApp::OnHelp(*this); });

    const ProfileConfiguration configuration = readProfileConfiguration(m_profile);
    if (!profileUsable(configuration)) {
        OnCancel();
        return false;
    }
    if (!ReadConfiguration(configuration)) {
        zel::MessageBox::appBox(tr("Shutting down Zel program!"));
        OnCancel();
        return false;
    }

    m_link.clearAreas();
    m_bFirstRefresh = true;
    m_nCurPage = -1;

    CreatePages();
    OnSelChangeTab();
    connect(m_tab->tabBar(), &QTabBar::currentChanged, this, &CZelMainDlg::OnSelChangeTab);

    m_link.CreateSocket();
    if (!m_link.socketReady()) {
        OnCancel();
        return false;
    }
    m_offlineBanner->hide();
    return true;
}

// A port or a device address the endpoint cannot use would only fail later, without saying
// why: name it and leave the file for the user to correct.
bool CZelMainDlg::profileUsable(const ProfileConfiguration& configuration)
{
    const ProfileKey* key = unusableKey(configuration);
    if (!key)
        return true;
    const QString name = QString::fromLatin1(key->key);
    const QString section = QString::fromLatin1(key->section);
    const QString value = m_profile.readString(section, name);
    const QString file = QDir::toNativeSeparators(m_profile.pathOf(section, name));
    const QString text =
        key->shape == ValueShape::Ipv4Address
            ? tr("The value \"%1\" of \"%2\" in %3 is not an IPv4 address of a device.\n\n"
                 "Please set it to four numbers from 0 to 255 joined by dots, the first not 0 and "
                 "none with leading zeros (such as 192.168.1.20), and start Zel again.")
                  .arg(value, name, file)
            : tr("The value \"%1\" of \"%2\" in %3 is not a port Zel can use.\n\n"
                 "Please set it to a number from %4 to %5 and start Zel again.")
                  .arg(value, name, file, QString::number(key->range.lowest),
                       QString::number(key->range.highest));
    zel::MessageBox::appBox(text, zel::MessageBox::Ok, zel::MessageBox::Stop);
    return false;
}

bool CZelMainDlg::ReadConfiguration(ProfileConfiguration configuration)
{
    m_link.setLocalPort(configuration.localPort);
    m_link.setDevice(configuration.deviceAddress, configuration.devicePort);
    m_strMailbox = configuration.mailbox;
    if (!needsAsking(configuration))
        return true;

    CDataInitDlg dlg(m_strMailbox, QString::number(configuration.devicePort),
                     configuration.deviceAddress, this);
    if (dlg.DoModal() != zel::IDOK)
        return false;

    m_strMailbox = dlg.mailbox();
    configuration.mailbox = m_strMailbox;
    configuration.devicePort = zel::atoiText(dlg.port());
    configuration.deviceAddress = dlg.address();
    m_link.setDevice(configuration.deviceAddress, configuration.devicePort);
    if (!saveAskedConfiguration(m_profile, configuration)) {
        // The values still serve this run; the user must know they will be asked again.
        zel::MessageBox::appBox(
            tr("Zel could not save the settings in %1.\n\n"
               "They are used until Zel ends, and Zel will ask for them again at its next start.")
                .arg(QDir::toNativeSeparators(m_profile.refusedPath())));
    }
    return true;
}

void CZelMainDlg::CreatePages()
{
    m_pSettingsPage = new CSettingsPage;
    m_pages.append(m_pSettingsPage);
    m_pSettingsPage->Create(m_tab);
    m_pNotificationsPage = new CNotificationsPage;
    m_pages.append(m_pNotificationsPage);
    m_pNotificationsPage->Create(m_tab);
    m_pStatisticsPage = new CStatisticsPage;
    m_pages.append(m_pStatisticsPage);
    m_pStatisticsPage->Create(m_tab);

    // The pages' own captions become the tab texts; inside the tab control they have no frame.
    for (int index = 0; index < m_pages.size(); ++index) {
        zel::Dialog* page = m_pages[index];
        const QString caption = page->windowTitle().left(kTabTextLimit);
        m_tab->tabBar()->insertTab(index, caption);
        m_tab->tabBar()->setAccessibleTabName(index, caption);
        page->setAccessibleName(caption);
    }
}

void CZelMainDlg::OnSelChangeTab()
{
    const int selected = m_tab->tabBar()->currentIndex();
    if (selected < 0 || selected >= m_pages.size())
        return;
    zel::Dialog* page = m_pages[selected];
    placePage(page);
    page->show();
    if (m_nCurPage == -1)
        page->SetDlgItemText(zel::IDC_SETTINGS_MAILBOX_NUMBER, m_strMailbox);
    page->update();
    // Focused before the old page hides: hiding the page that holds the focus would move it
    // on by itself, into this page's first control, and this page would forget its last one.
    focusPage(page);
    if (m_nCurPage != -1 && m_nCurPage != selected)
        m_pages[m_nCurPage]->hide();
    m_nCurPage = selected;
}

void CZelMainDlg::placePage(zel::Dialog* page)
{
    const QRect firstItem = m_tab->itemRect(0);
    page->move(firstItem.left(), firstItem.bottom() + 1);
}

void CZelMainDlg::focusPage(zel::Dialog* page)
{
    // As a dialog does when it gets the focus: back to the control that had it last, or else
    // to its first control that the Tab key reaches. A page without one takes it itself.
    const auto canTakeFocus = [page](const QWidget* control) {
        return control && control != page && page->isAncestorOf(control) && control->isEnabled() &&
               control->isVisibleTo(page);
    };
    QWidget* target = page->focusWidget();
    if (!canTakeFocus(target)) {
        target = page;
        for (QWidget* next = page->nextInFocusChain(); next != page;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && canTakeFocus(next)) {
                target = next;
                break;
            }
        }
    }
    target->setFocus(Qt::OtherFocusReason);
}

void CZelMainDlg::OnAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

// Enter where no control takes it: one key must not end the program and lose unapplied edits.
void CZelMainDlg::OnOK() {}

void CZelMainDlg::OnCancel()
{
    m_link.ReleaseSocket();
    zel::Dialog::OnCancel();
}

bool CZelMainDlg::WindowProc(int message)
{
    if (message == zel::WM_PAGE_INVALID)
        m_bPageInvalid = true;
    return zel::Dialog::WindowProc(message);
}

void CZelMainDlg::showEvent(QShowEvent* event)
{
    zel::Dialog::showEvent(event);
    // Posted, and drawn first if it has not been yet, so that the window is on the screen
    // before the view exchange opens over it.
    if (!event->spontaneous()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_painted)
                    repaint();
                OnRefresh();
            },
            Qt::QueuedConnection);
    }
}

void CZelMainDlg::paintEvent(QPaintEvent* event)
{
    m_painted = true;
    zel::Dialog::paintEvent(event);
}

bool CZelMainDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    if (zel::isSystemMenuCommand(message, zel::IDM_ABOUTBOX)) {
        if (!zel::InputBlock::isBlockedForNativeCommands(this))
            OnAbout();
        *result = 0;
        return true;
    }
    return zel::Dialog::nativeEvent(eventType, message, result);
}

void CZelMainDlg::OnDestroy()
{
    if (m_tab) {
        // Removing the tabs moves the selection: no page is shown for that.
        disconnect(m_tab->tabBar(), &QTabBar::currentChanged, this, &CZelMainDlg::OnSelChangeTab);
        while (m_tab->tabBar()->count() > 0)
            m_tab->tabBar()->removeTab(0);
    }
    for (zel::Dialog* page : std::as_const(m_pages))
        delete page;
    m_pages.clear();
    m_pSettingsPage = nullptr;
    m_pNotificationsPage = nullptr;
    m_pStatisticsPage = nullptr;
    zel::closeHelp();
}
