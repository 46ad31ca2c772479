#include "InputBlock.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace zel {

namespace {

QList<const InputBlock*>& activeBlocks()
{
    static QList<const InputBlock*> blocks;
    return blocks;
}

// The window a widget's user input belongs to: its own, or for a pop-up (a combo's list)
// the window that opened it.
const QWidget* ownerWindow(const QWidget* widget)
{
    const QWidget* window = widget ? widget->window() : nullptr;
    while (window && window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::WhatsThis:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Shortcut events go to the QShortcut or QAction, whose parent is the widget. Mouse input
// is caught at the window handle already: QApplication moves the focus on a click before
// any widget's filter sees it.
const QWidget* widgetOf(const QObject* receiver)
{
    if (receiver && receiver->isWindowType()) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (const QWidget* window : windows) {
            if (window->windowHandle() == receiver)
                return window;
        }
        return nullptr;
    }
    for (const QObject* object = receiver; object; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget*>(object);
    }
    return nullptr;
}

// Holds back input for blocked windows before any widget or shortcut sees it.
class InputFilter : public QObject
{
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Close) {
            // Pop-ups are left alone: Qt closes them when another window opens.
            const QWidget* window = widgetOf(receiver);
            if (!window || !window->isWindow() || window->windowType() == Qt::Popup ||
                !InputBlock::isBlocked(window))
                return false;
            event->ignore();
            return true;
        }
        if (!isUserInput(type) || !InputBlock::isBlocked(widgetOf(receiver)))
            return false;
        event->accept(); // taken: it goes to no parent either
        return true;
    }
};

InputFilter& inputFilter()
{
    static InputFilter filter;
    return filter;
}

} // namespace

InputBlock::InputBlock(QWidget* widget) : InputBlock(QList<QWidget*>{widget}, nullptr) {}

InputBlock::InputBlock(const QList<QWidget*>& windows, QWidget* usable) : m_usable(usable)
{
    for (QWidget* window : windows) {
        if (window)
            m_windows.append(ownerWindow(window));
    }
    if (activeBlocks().isEmpty())
        QCoreApplication::instance()->installEventFilter(&inputFilter());
    activeBlocks().append(this);
}

InputBlock::~InputBlock()
{
    activeBlocks().removeOne(this);
    if (activeBlocks().isEmpty())
        QCoreApplication::instance()->removeEventFilter(&inputFilter());
}

bool InputBlock::isBlocked(const QWidget* widget)
{
    const QWidget* window = ownerWindow(widget);
    if (!window)
        return false;
    const QList<const InputBlock*>& blocks = activeBlocks();
    for (auto block = blocks.crbegin(); block != blocks.crend(); ++block) {
        if ((*block)->m_usable == window)
            return false;
        if ((*block)->m_windows.contains(window))
            return true;
    }
    return false;
}

bool InputBlock::isBlockedForNativeCommands(const QWidget* window)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return isBlocked(window) || (modal && modal != window->window());
}

} // namespace zel
