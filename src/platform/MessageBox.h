#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zel {

// Every modal box goes through here, so tests can answer them without a real box.
class MessageBox
{
public:
    enum Icon
    {
        NoIcon,
        Information,
        Exclamation,
        Stop,
        Question
    };
    enum Buttons
    {
        Ok,
        YesNo
    };
    enum Answer
    {
        IdOk = 1,
        IdYes = 6,
        IdNo = 7
    };

    struct Shown
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };
    using Responder = std::function<Answer(const Shown&)>;

    // The application's box (AfxMessageBox): titled with the application's name; a box
    // that names no icon gets the exclamation icon.
    static Answer appBox(const QString& text, Buttons buttons = Ok, Icon icon = NoIcon);
    // A window's own box (CWnd::MessageBox): shows exactly the icon it names, or none.
    static Answer windowBox(QWidget* owner, const QString& text, const QString& title,
                            Buttons buttons, Icon icon);

    // Test hook: while set, boxes are recorded and answered by the responder, never shown.
    static void setResponder(Responder responder);
    static void clearResponder();
};

// The application's title: the program's file name without extension, unless main() names the
// application (on Linux, where the program's file is named in lower case).
QString applicationTitle();

} // namespace zel
