#pragma once

#include <QEvent>

class QObject;
class QWidget;

// Private window messages: parameterless, delivered synchronously.
inline constexpr int WM_USER = 1024;
inline constexpr int WM_VIEW_REPLY = WM_USER + 11;    // 1035
inline constexpr int WM_PAGE_VALIDATE = WM_USER + 12; // 1036
inline constexpr int WM_PAGE_LOAD = WM_USER + 13;     // 1037
inline constexpr int WM_APPLY_REPLY = WM_USER + 14;   // 1038
inline constexpr int WM_PAGE_INVALID = WM_USER + 15;  // 1039

namespace zel {

class PrivateMessageEvent : public QEvent
{
public:
    explicit PrivateMessageEvent(int message);
    static QEvent::Type eventType();
    int message() const { return m_message; }

private:
    int m_message;
};

// Delivers `message` to `target` and returns once it has been handled (SendMessage).
void SendMessage(QObject* target, int message);

// The live window (a Dialog that has started and not yet ended) with this caption, or null.
QWidget* FindWindow(const QString& caption);

// The application's main window (AfxGetMainWnd); pages send WM_PAGE_INVALID to it.
QObject* AfxGetMainWnd();
void setMainWindow(QObject* window);

} // namespace zel
