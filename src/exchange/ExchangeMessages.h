#pragma once

#include "platform/MessageBox.h"

#include <QString>

class QWidget;

// The message texts of the two exchanges, which the main window shows too, and their way of
// showing them: the window's own box, titled with the application's name, with exactly the icon
// given.
namespace zel::ExchangeMessages {

// The system's texts keep their "%s"; this puts the mailbox number in its place.
QString withMailbox(QString text, const QString& mailbox);

QString noSocket();
QString connectFailed();
QString mailboxDoesNotExist(const QString& mailbox);
QString dataNotValid();
QString transferCompleted();

void show(QWidget* owner, const QString& text, zel::MessageBox::Icon icon);

} // namespace zel::ExchangeMessages
