#include "ExchangeMessages.h"

namespace ExchangeMessages {

QString withMailbox(QString text, const QString& mailbox)
{
    return text.replace(QStringLiteral("%s"), mailbox);
}

QString noSocket()
{
    return QStringLiteral("Failed to create UDP socket! Please restart ZEL program");
}

QString connectFailed()
{
    return QStringLiteral("Failed to connect the device !\nPlease check network connections");
}

QString mailboxDoesNotExist(const QString& mailbox)
{
    return withMailbox(QStringLiteral("Mailbox number %s does not exist"), mailbox);
}

QString dataNotValid()
{
    return QStringLiteral("Data is not valid...Please try again");
}

QString transferCompleted()
{
    return QStringLiteral("Data Transfer is successfully completed");
}

void show(QWidget* owner, const QString& text, zel::MessageBox::Icon icon)
{
    zel::MessageBox::windowBox(owner, text, zel::applicationTitle(), zel::MessageBox::Ok, icon);
}

} // namespace ExchangeMessages
