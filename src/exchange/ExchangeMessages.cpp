#include "ExchangeMessages.h"

#include <QCoreApplication>

namespace zel::ExchangeMessages {

QString withMailbox(QString text, const QString& mailbox)
{
    return text.replace(QStringLiteral("%s"), mailbox);
}

QString noSocket()
{
    return QCoreApplication::translate("ExchangeMessages",
                                       "Failed to create UDP socket! Please restart ZEL program");
}

QString connectFailed()
{
    return QCoreApplication::translate(
        "ExchangeMessages", "Failed to connect the device !\nPlease check network connections");
}

QString mailboxDoesNotExist(const QString& mailbox)
{
    return withMailbox(
        QCoreApplication::translate("ExchangeMessages", "Mailbox number %s does not exist"),
        mailbox);
}

QString dataNotValid()
{
    return QCoreApplication::translate("ExchangeMessages", "Data is not valid...Please try again");
}

QString transferCompleted()
{
    return QCoreApplication::translate("ExchangeMessages",
                                       "Data Transfer is successfully completed");
}

void show(QWidget* owner, const QString& text, zel::MessageBox::Icon icon)
{
    zel::MessageBox::windowBox(owner, text, zel::applicationTitle(), zel::MessageBox::Ok, icon);
}

} // namespace zel::ExchangeMessages
