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

int helpContextOf(int controlId, std::span<const HelpPair> pairs)
{
    for (const HelpPair& pair : pairs) {
        if (pair.controlId == 0 && pair.contextId == 0)
            break;
        if (pair.controlId == controlId)
            return pair.contextId;
    }
    return 0;
}

void showHelpPopup(QWidget* control, const QString& text)
{
    if (!control || text.isEmpty())
        return;
    const QPoint below(control->width() / 2, control->height());
    QWhatsThis::showText(control->mapToGlobal(below), text, control);
}

void showHelpWindow(const QString& title, const QString& text, QWidget* parent)
{
    QPointer<QTextBrowser>& window = helpWindow();
    if (!window) {
        window = new QTextBrowser(parent);
        window->setWindowFlags(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setOpenExternalLinks(false);
        window->resize(480, 400);
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

void closeHelp()
{
    QWhatsThis::hideText();
    if (QTextBrowser* window = helpWindow())
        window->close();
}

} // namespace zel
