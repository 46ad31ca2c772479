#include "platform/DialogTemplate.h"
#include "platform/SystemMenu.h"
#include "res/HelpText.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace zel::res {

namespace {
// Translated in the context of the dialog whose Help button shows it.
struct DialogTopic
{
    int templateId;
    const char* context;
    const char* title;
    const char* text;
};

constexpr DialogTopic kTopics[] = {
    {IDD_ZEL_DIALOG, "CZelMainDlg", QT_TRANSLATE_NOOP("CZelMainDlg", "Zel"),
     QT_TRANSLATE_NOOP(
         "CZelMainDlg",
         "Zel shows and changes the settings of your voice-mail box on the voice-mail device.\n\n"
         "Refresh asks the device for your mailbox's current settings and fills the three pages. "
         "The first time you do this after starting Zel, you are asked for your 4-digit mailbox "
         "password.\n\n"
         "Mailbox Settings: your password, the mailbox language, where callers are forwarded "
         "during your personal greeting, and the operation modes.\n"
         "Mailbox Notifications: how you are told about new messages: by telephone, pager, SMS or "
         "e-mail, where the device allows it.\n"
         "Mailbox Statistics: how many new and saved messages your mailbox holds and how many it "
         "may store.\n\n"
         "Apply checks your entries and sends them to the device. Apply is possible only after a "
         "successful Refresh.\n\n"
         "If the device cannot be reached, you may work off line: the pages then show no data from "
         "the device, and Apply is refused until a Refresh succeeds.\n\n"
         "Press F1 on a field of a page for help on that field.")},
    {IDD_DATA_INIT, "CDataInitDlg", QT_TRANSLATE_NOOP("CDataInitDlg", "Zel Data Initializing"),
     QT_TRANSLATE_NOOP(
         "CDataInitDlg",
         "Zel needs to know which mailbox is yours and where the voice-mail device is on your "
         "network.\n\n"
         "Mailbox Number: the number of your voice-mail box, at most 6 characters.\n"
         "Device IP address: the IPv4 address of the voice-mail device, for example 192.168.1.20. "
         "The first of the four numbers must not be 0.\n\n"
         "OK saves both values in Zel's profile file, Zel1.ini, so that you are not asked again. "
         "Cancel ends Zel without saving anything.")},
};

// The main window's About entry is where each platform puts it (platform/SystemMenu.h); %1 is
// its text.
constexpr const char* kAboutEntryHelp[] = {
    QT_TRANSLATE_NOOP("CZelMainDlg",
                      "For information about Zel, right-click the title banner and choose \"%1\"."),
    QT_TRANSLATE_NOOP("CZelMainDlg", "For information about Zel, choose \"%1\" in the window's "
                                     "system menu (Alt+Space)."),
};

const DialogTopic* topicOf(int templateId)
{
    for (const DialogTopic& topic : kTopics) {
        if (topic.templateId == templateId)
            return &topic;
    }
    return nullptr;
}
} // namespace

QString dialogHelpTitle(int templateId)
{
    const DialogTopic* topic = topicOf(templateId);
    return topic ? QCoreApplication::translate(topic->context, topic->title) : QString();
}

QString dialogHelpText(int templateId)
{
    const DialogTopic* topic = topicOf(templateId);
    if (!topic)
        return {};
    QString text = QCoreApplication::translate(topic->context, topic->text);
    if (templateId == IDD_ZEL_DIALOG) {
        // The entry as a sentence names it: without its accelerator and the dots of a menu entry
        // that opens a window.
        QString entry = QCoreApplication::translate("CZelMainDlg", "&About Zel...");
        entry.remove(u'&');
        while (entry.endsWith(u'.') || entry.endsWith(u'\u2026'))
            entry.chop(1);
        text += u' ' + QCoreApplication::translate("CZelMainDlg",
                                                   kAboutEntryHelp[programOwnsSystemMenu() ? 1 : 0])
                           .arg(entry);
    }
    return text;
}

} // namespace zel::res
