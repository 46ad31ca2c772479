#include "DemoMailboxes.h"

namespace {

MailboxRecord realWithEmail()
{
    MailboxRecord r;
    r.mailboxNumber = "305";
    r.password = "1234";
    r.languageCodes = {0, 1, 5}; // Hebrew, English US, Russian
    r.languageIndex = 1;
    r.notifyExtension = "305";
    r.backupExtension = "2210";
    r.localNotificationType = 1;
    r.operatorExtensions = {"200", "201", "", "", "250", "", "", "9"};
    r.operatorExtensionIndex = 4;
    r.faxExtensions = {"", "510", "", "5110"};
    r.faxExtensionChoice = 2;
    r.timeStamp = true;
    r.emailSupported = 1;
    r.externalNotificationAllowed = true;
    r.telephoneEnabled = true;
    r.smsEnabled = true;
    r.emailEnabled = true;
    r.telephoneNumber = "035551234p9";
    r.pagerNumber = "*95551234#";
    r.smsNumber = "+972541234567";
    r.emailAddress = "dana.levi@example.com";
    r.messageType = 1;
    r.newMessages = 3;
    r.savedMessages = 12;
    r.maxMessages = 50;
    return r;
}

MailboxRecord realWithoutEmail()
{
    MailboxRecord r;
    r.mailboxNumber = "4120";
    r.password = "5823";
    r.languageCodes = {2, 3, 255}; // English, German, not installed
    r.languageIndex = 0;
    r.backupExtension = "0";
    r.localNotificationType = 4;
    r.operatorExtensions = {"0", "", "4100", "", "", "", "4199", ""};
    r.operatorExtensionIndex = 2;
    r.faxExtensions = {"4150", "4151", "", ""};
    r.faxExtensionChoice = 0;
    r.announcer = true;
    r.doNotDisturb = true;
    r.timeStamp = false;
    r.emailSupported = 0;
    r.pagerEnabled = true;
    r.pagerNumber = "0775550199X$";
    r.newMessages = 0;
    r.savedMessages = 87;
    r.maxMessages = 100;
    return r;
}

MailboxRecord virtualMailbox()
{
    MailboxRecord r;
    r.mailboxNumber = "777001";
    r.password = "0000";
    r.mailboxType = 1;
    r.languageCodes = {1, 15, 255}; // English US, Spanish, not installed
    r.languageIndex = 2;
    r.operatorExtensions = {"", "", "", "", "", "", "", "300"};
    r.operatorExtensionIndex = 7;
    r.timeStamp = true;
    r.emailSupported = 1;
    r.maxMessages = 20;
    return r;
}

} // namespace

std::vector<MailboxRecord> demoMailboxes()
{
    std::vector<MailboxRecord> mailboxes{realWithEmail(), realWithoutEmail(), virtualMailbox()};
    for (auto& r : mailboxes)
        r.totalMessages = r.newMessages + r.savedMessages;
    return mailboxes;
}
