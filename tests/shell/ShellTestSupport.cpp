#include "ShellTestSupport.h"

#include "platform/TabControl.h"
#include "res/resource.h"
#include "shell/ProfileKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QVariant>
#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

QByteArray profileFor(quint16 devicePort, const QString& mailbox)
{
    const zel::ProfileConfiguration configuration{QStringLiteral("127.0.0.1"), devicePort, mailbox,
                                                  0};
    QString text;
    QString section;
    for (const zel::ProfileKey& key : zel::profileKeys()) {
        if (section != QLatin1String(key.section)) {
            section = QLatin1String(key.section);
            text += u'[' + section + QStringLiteral("]\n");
        }
        const QString value = std::visit(
            [&configuration](auto member) { return QVariant(configuration.*member).toString(); },
            key.value);
        text += QLatin1String(key.key) + u'=' + value + u'\n';
    }
    return text.toLatin1();
}

QTabBar* mainTabs(const zel::Dialog& mainWindow)
{
    return mainWindow.dlgItem<zel::TabControl>(zel::IDC_MAIN_TAB)->tabBar();
}

zel::Ipv4AddressEdit* addressEdit(const zel::Dialog& dataInit)
{
    return dataInit.dlgItem<zel::Ipv4AddressEdit>(zel::IDC_DATA_INIT_ADDRESS);
}

void typeAddress(const zel::Dialog& dataInit, const QStringList& fields)
{
    for (int i = 0; i < 4; ++i) {
        addressEdit(dataInit)->field(i)->selectAll();
        QTest::keyClicks(addressEdit(dataInit)->field(i), fields[i]);
    }
}

#ifdef Q_OS_WIN
bool hasSystemMenu()
{
    return QGuiApplication::platformName() == QLatin1String("windows");
}

QString chooseAboutEntry(QWidget* mainWindow)
{
    const HWND window = reinterpret_cast<HWND>(mainWindow->winId());
    wchar_t text[64] = {};
    ::GetMenuStringW(::GetSystemMenu(window, FALSE), zel::IDM_ABOUTBOX, text, 64, MF_BYCOMMAND);
    ::PostMessageW(window, WM_SYSCOMMAND, zel::IDM_ABOUTBOX, 0);
    return QString::fromWCharArray(text);
}

void sendNativeCommands(QWidget* window)
{
    if (!hasSystemMenu())
        return;
    const HWND handle = reinterpret_cast<HWND>(window->winId());
    ::PostMessageW(handle, WM_SYSCOMMAND, zel::IDM_ABOUTBOX, 0);
    ::PostMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageW(handle, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageW(handle, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    QCoreApplication::processEvents();
}
#else
bool hasSystemMenu()
{
    return true; // the title banner's context menu stands in for it
}

QString chooseAboutEntry(QWidget* mainWindow)
{
    const auto* window = qobject_cast<const zel::Dialog*>(mainWindow);
    QWidget* banner = window->GetDlgItem(zel::IDC_MAIN_BANNER);
    // Right-clicked where the subtitle lies over the banner, as users do: the banner takes it.
    const QPoint click = window->GetDlgItem(zel::IDC_MAIN_BANNER_SUBTITLE)->geometry().center();
    if (window->childAt(click) != banner || banner->contextMenuPolicy() != Qt::ActionsContextMenu ||
        banner->actions().size() != 1)
        return {};
    QAction* about = banner->actions().constFirst();
    about->trigger();
    return about->text();
}

void sendNativeCommands(QWidget*) {}
#endif
