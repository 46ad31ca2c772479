#pragma once

#include <functional>

class QString;
class QWidget;

// The system command of the "&About Zel..." entry.
inline constexpr unsigned IDM_ABOUTBOX = 16;

// Adds the About entry where users look for it: the window's system menu on Windows (its
// command then arrives as a native message, see isAboutCommand); elsewhere the platform gives
// a program no system menu, so the entry goes into the context menu of the window and of
// `banner`, and runs `onAbout` itself.
void addAboutEntry(QWidget* window, QWidget* banner, const QString& text,
                   const std::function<void()>& onAbout);

// True when `nativeMessage` (Qt's native event message) chooses the About entry.
bool isAboutCommand(const void* nativeMessage);
