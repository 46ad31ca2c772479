#include "Help.h"

#include <QPointer>
#include <QTextBrowser>
#include <QWhatsThis>
#include <QWidget>

namespace zel {

namespace {
QPointer<QTextBrowser>& helpWindow()
{
    static QPointer<QTextBrowser> window;
    return window;
}
} // namespace

void showHelpPopup(QWidget* control, const QString& text)
{
    if (!control || text.isEmpty())
        return;
    const QPoint below(control->width() / 2, control->height());
    QWhatsThis::showText(control->mapToGlobal(below), text, control);
}

void showHelpWindow(const QString& title, const QString& text, QWidget* near)
{
    QPointer<QTextBrowser>& window = helpWindow();
    if (!window) {
        // Owned by no window, as the help program's: it stays open when the dialog that asked
        // for it ends, and no modal dialog blocks it, since the program's own modal runs block
        // only their owners and the program's dialogs.
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setOpenExternalLinks(false);
        window->resize(480, 400);
        if (near && near->isVisible())
            window->move(near->window()->frameGeometry().center() - window->rect().center());
    }
    window->setWindowTitle(title);
    if (Qt::mightBeRichText(text))
        window->setHtml(text);
    else
        window->setPlainText(text);
    window->show();
    window->raise();
    window->activateWindow();
}

bool isHelpWindow(const QWidget* window)
{
    return window && window == helpWindow();
}

void closeHelp()
{
    QWhatsThis::hideText();
    delete helpWindow(); // at once: the program may be ending, with no event loop left
}

} // namespace zel
