#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace zel {

// While an InputBlock lives, the windows it covers take no mouse, keyboard, wheel, shortcut or
// close request from the user, and neither do the pop-ups they open (a combo's list). Unlike
// a disabled window, a blocked one is drawn as it is and keeps its focus, its selections and
// its open pop-ups; the program itself may still change, focus and hide it. Blocks nest.
class InputBlock
{
public:
    // Blocks the window that holds `widget`.
    explicit InputBlock(QWidget* widget);
    // Blocks `windows`; `usable` stays usable even where an older block covers it (a nested
    // modal dialog that existed before its owner's block started).
    InputBlock(const QList<QWidget*>& windows, QWidget* usable);
    ~InputBlock();
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

    // Whether user input for `widget` is being held back now.
    static bool isBlocked(const QWidget* widget);
    // Whether a command that reaches `window` natively, past Qt's input handling (the system
    // menu on Windows), must be ignored now: a block covers it, or a modal window is open above it.
    static bool isBlockedForNativeCommands(const QWidget* window);

private:
    QList<QPointer<const QWidget>> m_windows;
    QPointer<const QWidget> m_usable;
};

} // namespace zel
