#include "MessageBox.h"

#include "platform/Help.h"
#include "platform/InputBlock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace zel {

namespace {

MessageBox::Responder& responder()
{
    static MessageBox::Responder current;
    return current;
}

QMessageBox::Icon qtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Stop:
        return QMessageBox::Critical;
    case MessageBox::Question:
        return QMessageBox::Question;
    case MessageBox::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt centres a box on its owner's window. An owner that was never shown sits at the screen's
// corner, so the box goes over the nearest visible window around it, or the active one. Never
// over the help window, which the box would block.
QWidget* placeOver(QWidget* owner)
{
    for (QWidget* window = owner ? owner->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (window->isVisible() && !isHelpWindow(window))
            return window;
    }
    QWidget* active = QApplication::activeWindow();
    return isHelpWindow(active) ? nullptr : active;
}

// Modal for every window of the program but the help window.
QList<QWidget*> windowsBlockedByBox()
{
    QList<QWidget*> windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget* window) { return isHelpWindow(window); });
    return windows;
}

// As the system's own boxes: one without a Cancel button is answered by its buttons alone.
// Qt would take Escape and the close box for "No".
class SystemMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (standardButtons() == (Yes | No) && event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (standardButtons() == (Yes | No)) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

MessageBox::Answer show(QWidget* owner, const MessageBox::Shown& shown)
{
    if (const auto& answer = responder())
        return answer(shown);

    const QMessageBox::StandardButtons buttons =
        shown.buttons == MessageBox::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    const InputBlock block(windowsBlockedByBox(), nullptr);
    SystemMessageBox box(qtIcon(shown.icon), shown.title, shown.text, buttons, placeOver(owner));
    box.setWindowModality(Qt::WindowModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageBox::IdYes;
    case QMessageBox::No:
        return MessageBox::IdNo;
    default:
        return MessageBox::IdOk;
    }
}

} // namespace

MessageBox::Answer MessageBox::appBox(const QString& text, Buttons buttons, Icon icon)
{
    return show(QApplication::activeWindow(),
                {text, applicationTitle(), icon == NoIcon ? Exclamation : icon, buttons});
}

MessageBox::Answer MessageBox::windowBox(QWidget* owner, const QString& text, const QString& title,
                                         Buttons buttons, Icon icon)
{
    return show(owner, {text, title, icon, buttons});
}

void MessageBox::setResponder(Responder responderFunction)
{
    responder() = std::move(responderFunction);
}

void MessageBox::clearResponder()
{
    responder() = nullptr;
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

} // namespace zel
