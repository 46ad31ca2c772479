#pragma once

#include <functional>

class QString;
class QWidget;

namespace zel {

// Whether a program can add entries to a window's system menu: on Windows; elsewhere the window
// manager owns that menu.
bool programOwnsSystemMenu();

// Adds the entry `text` with the system command `command` where users look for it: the
// window's system menu on Windows (its command then arrives as a native message, see
// isSystemMenuCommand); elsewhere the platform gives a program no system menu, so the entry
// goes into the context menu of the window and of `banner`, and runs `onChosen` itself.
void addSystemMenuEntry(QWidget* window, QWidget* banner, unsigned command, const QString& text,
                        const std::function<void()>& onChosen);

// True when `nativeMessage` (Qt's native event message) chooses the entry `command`.
bool isSystemMenuCommand(const void* nativeMessage, unsigned command);

} // namespace zel
