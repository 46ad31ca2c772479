#include "SystemMenu.h"

#include <QAction>
#include <QString>
#include <QWidget>

// The one place that says who owns a window's system menu: each platform's block below.
#ifdef Q_OS_WIN

#ifndef NOMINMAX // MinGW's C++ library defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace zel {

bool programOwnsSystemMenu()
{
    return true;
}

void addSystemMenuEntry(QWidget* window, QWidget* /*banner*/, unsigned command, const QString& text,
                        const std::function<void()>& /*onChosen*/)
{
    if (text.isEmpty())
        return;
    if (HMENU systemMenu = ::GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE)) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, command,
                      reinterpret_cast<const wchar_t*>(text.utf16()));
    }
}

bool isSystemMenuCommand(const void* nativeMessage, unsigned command)
{
    const auto* msg = static_cast<const MSG*>(nativeMessage);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == command;
}

} // namespace zel

#else // the window manager owns the system menu

namespace zel {

bool programOwnsSystemMenu()
{
    return false;
}

void addSystemMenuEntry(QWidget* window, QWidget* banner, unsigned /*command*/, const QString& text,
                        const std::function<void()>& onChosen)
{
    if (text.isEmpty())
        return;
    auto* entry = new QAction(text, window);
    QObject::connect(entry, &QAction::triggered, window, [onChosen] { onChosen(); });
    for (QWidget* widget : {window, banner}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addAction(entry);
    }
}

bool isSystemMenuCommand(const void* /*nativeMessage*/, unsigned /*command*/)
{
    return false;
}

} // namespace zel

#endif
