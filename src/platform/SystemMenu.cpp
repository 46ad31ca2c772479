#include "SystemMenu.h"

#include <QAction>
#include <QString>
#include <QWidget>

#ifdef Q_OS_WIN
#ifndef NOMINMAX // MinGW's C++ library defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zel {

void addSystemMenuEntry(QWidget* window, QWidget* banner, unsigned command, const QString& text,
                        const std::function<void()>& onChosen)
{
    if (text.isEmpty())
        return;
#ifdef Q_OS_WIN
    Q_UNUSED(banner);
    Q_UNUSED(onChosen);
    if (HMENU systemMenu = ::GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE)) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, command,
                      reinterpret_cast<const wchar_t*>(text.utf16()));
    }
#else
    Q_UNUSED(command);
    auto* entry = new QAction(text, window);
    QObject::connect(entry, &QAction::triggered, window, [onChosen] { onChosen(); });
    for (QWidget* widget : {window, banner}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addAction(entry);
    }
#endif
}

bool isSystemMenuCommand(const void* nativeMessage, unsigned command)
{
#ifdef Q_OS_WIN
    const auto* msg = static_cast<const MSG*>(nativeMessage);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == command;
#else
    Q_UNUSED(nativeMessage);
    Q_UNUSED(command);
    return false;
#endif
}

} // namespace zel
