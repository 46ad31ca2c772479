#include "ModalScript.h"

#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

// Ends every live dialog with Cancel.
void endAllDialogs()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* dialog = qobject_cast<zel::Dialog*>(window);
        if (dialog && dialog->isWindowAlive())
            dialog->EndDialog(zel::IDCANCEL);
    }
}

} // namespace

Script::Script(int timeoutMs) : m_timeoutMs(timeoutMs)
{
    m_sinceLastStep.start();
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &Script::poll);
    m_timer.start();
}

Script& Script::when(std::function<bool()> condition, std::function<void()> action)
{
    m_steps.append({std::move(condition), std::move(action)});
    return *this;
}

void Script::poll()
{
    if (m_aborted) {
        endAllDialogs();
        return;
    }
    if (!finished() && m_sinceLastStep.elapsed() > m_timeoutMs) {
        QTest::qFail("script step timed out", __FILE__, __LINE__);
        m_aborted = true;
        return;
    }
    if (m_actionPending || finished() || !m_steps[m_next].condition())
        return;
    // Qt never fires a timer again while its own timeout is being handled, so the action runs
    // from the event loop instead: modal loops it opens keep this timer going.
    m_actionPending = true;
    QMetaObject::invokeMethod(
        this,
        [this, step = m_steps[m_next++]] {
            m_actionPending = false;
            m_sinceLastStep.start();
            step.action();
            if (QTest::currentTestFailed())
                m_aborted = true;
        },
        Qt::QueuedConnection);
}

int runModal(zel::Dialog& dialog, const std::function<void(Script&)>& steps)
{
    Script script;
    script.when([&dialog] { return dialog.isVisible(); }, [] {});
    if (steps)
        steps(script);
    // Pending until the modal loop has returned: a dialog that stays open times the script out.
    script.when([&dialog] { return !dialog.isWindowAlive(); }, [] {});
    return dialog.DoModal();
}

QWidget* liveWindow(const QString& caption)
{
    QWidget* window = zel::FindWindow(caption);
    return window && window->isVisible() ? window : nullptr;
}

void clickButton(const QString& caption, int id)
{
    auto* dialog = qobject_cast<zel::Dialog*>(zel::FindWindow(caption));
    Q_ASSERT(dialog);
    auto* button = dialog->dlgItem<QPushButton>(id);
    Q_ASSERT(button);
    button->click();
}
