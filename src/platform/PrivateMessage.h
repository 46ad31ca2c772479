#pragma once

#include <QEvent>

class QObject;
class QWidget;

namespace zel {

// The first private message number; the program's own messages are in res/resource.h.
inline constexpr int WM_USER = 1024;

class PrivateMessageEvent : public QEvent
{
public:
    explicit PrivateMessageEvent(int message);
    static QEvent::Type eventType();
    int message() const { return m_message; }
    bool result() const { return m_result; }
    void setResult(bool result) { m_result = result; }

private:
    int m_message;
    bool m_result = false;
};

// Delivers `message` to `target` and returns once it has been handled (SendMessage), with the
// message's result: what the target's WindowProc returned, false without a target.
bool SendMessage(QObject* target, int message);

// The live window (a Dialog that has started and not yet ended) with this caption, or null.
QWidget* FindWindow(const QString& caption);

// The application's main window (the framework's AfxGetMainWnd); pages send WM_PAGE_INVALID to it.
QObject* mainWindow();
void setMainWindow(QObject* window);

} // namespace zel
