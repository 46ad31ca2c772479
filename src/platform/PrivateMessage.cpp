#include "PrivateMessage.h"

#include "platform/Dialog.h"

#include <QApplication>
#include <QPointer>

namespace zel {

namespace {
QPointer<QObject>& registeredMainWindow()
{
    static QPointer<QObject> window;
    return window;
}
} // namespace

PrivateMessageEvent::PrivateMessageEvent(int message) : QEvent(eventType()), m_message(message) {}

QEvent::Type PrivateMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool SendMessage(QObject* target, int message)
{
    if (!target)
        return false;
    PrivateMessageEvent event(message);
    QCoreApplication::sendEvent(target, &event);
    return event.result();
}

QWidget* FindWindow(const QString& caption)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        const auto* dialog = qobject_cast<const Dialog*>(window);
        if (dialog && dialog->isWindowAlive() && dialog->windowTitle() == caption)
            return window;
    }
    return nullptr;
}

QObject* mainWindow()
{
    return registeredMainWindow();
}

void setMainWindow(QObject* window)
{
    registeredMainWindow() = window;
}

} // namespace zel
