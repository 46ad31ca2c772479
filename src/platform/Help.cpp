#include "Help.h"

#include <QPointer>
#include <QTextBrowser>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

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
        // Owned by no dialog: it stays open when the dialog that asked for it ends.
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
    // Kept usable while the modal dialog that asked for it runs, though that dialog does not
    // own it.
    if (near && near->window()->windowHandle())
        window->windowHandle()->setTransientParent(near->window()->windowHandle());
    window->raise();
    window->activateWindow();
}

void closeHelp()
{
    QWhatsThis::hideText();
    delete helpWindow(); // at once: the program may be ending, with no event loop left
}

} // namespace zel
