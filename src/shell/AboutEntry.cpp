#include "AboutEntry.h"

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

void addAboutEntry(QWidget* window, QWidget* banner, const QString& text,
                   const std::function<void()>& onAbout)
{
    if (text.isEmpty())
        return;
#ifdef Q_OS_WIN
    Q_UNUSED(banner);
    Q_UNUSED(onAbout);
    if (HMENU systemMenu = ::GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE)) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX,
                      reinterpret_cast<const wchar_t*>(text.utf16()));
    }
#else
    auto* about = new QAction(text, window);
    QObject::connect(about, &QAction::triggered, window, [onAbout] { onAbout(); });
    for (QWidget* widget : {window, banner}) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addAction(about);
    }
#endif
}

bool isAboutCommand(const void* nativeMessage)
{
#ifdef Q_OS_WIN
    const auto* msg = static_cast<const MSG*>(nativeMessage);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == IDM_ABOUTBOX;
#else
    Q_UNUSED(nativeMessage);
    return false;
#endif
}
