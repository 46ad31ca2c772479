#pragma once

class QString;
class QWidget;

namespace zel {

// Context help: `text` as a pop-up at `control` (WinHelp's HELP_WM_HELP).
void showHelpPopup(QWidget* control, const QString& text);
// The Help command: a help window with `title` and `text`, first placed over `near`; one
// window, reused, that no dialog owns: it stays open until the user closes it or closeHelp,
// and no modal dialog or message box blocks it.
void showHelpWindow(const QString& title, const QString& text, QWidget* near);
bool isHelpWindow(const QWidget* window);
// Closes any help window this program opened.
void closeHelp();

} // namespace zel
