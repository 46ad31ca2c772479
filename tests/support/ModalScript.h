#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace zel {
class Dialog;
}

// Drives dialogs from outside their modal loops. Steps run in order from a polling timer: each
// waits until its condition holds, then its action runs from whatever event loop is running, so
// an action that opens a modal dialog lets the later steps act inside it. When a check fails, or
// nothing moves for `timeoutMs`, every live dialog is ended so that the test returns instead of
// hanging in a modal loop.
class Script : public QObject
{
public:
    explicit Script(int timeoutMs = 60000);
    Script& when(std::function<bool()> condition, std::function<void()> action);
    Script& then(std::function<void()> action)
    {
        return when([] { return true; }, std::move(action));
    }
    bool finished() const { return m_next >= m_steps.size() && !m_actionPending; }

private:
    void poll();

    struct Step
    {
        std::function<bool()> condition;
        std::function<void()> action;
    };
    QList<Step> m_steps;
    qsizetype m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_sinceLastStep;
    int m_timeoutMs;
    bool m_aborted = false;
    bool m_actionPending = false;
};

// Runs `dialog` modally; `steps` act on it once it is on the screen. A dialog that does not end
// fails the test.
int runModal(zel::Dialog& dialog, const std::function<void(Script&)>& steps = {});

// A window shown with this caption (a live zel::Dialog), or null.
QWidget* liveWindow(const QString& caption);
// Clicks the push button with `id` of the live dialog with `caption`.
void clickButton(const QString& caption, int id);
