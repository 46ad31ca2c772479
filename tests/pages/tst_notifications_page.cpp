#include "PageTestSupport.h"
#include "RecordLoading.h"
#include "pages/CNotificationsPage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

using Page = CNotificationsPage;

// What the NotificationsRefresh command writes before it sends zel::WM_PAGE_LOAD.
struct NotificationsRefresh
{
    bool externalAllowed = true;
    bool phone = true, pager = false, sms = false, email = false;
    QString phoneNumber = QStringLiteral("035551234");
    QString pagerNumber;
    QString smsNumber;
    QString emailAddress;
    QString emailSupported = QStringLiteral("1");
    QString messageType = QStringLiteral("0");
    QString extension = QStringLiteral("205");
    QString localNotify = QStringLiteral("1");
    QString mailboxType = QStringLiteral("0");
};

} // namespace

Q_DECLARE_METATYPE(NotificationsRefresh)

namespace {

void load(Page& page, const NotificationsRefresh& v)
{
    RecordTexts texts;
    MailboxRecord record;
    record.externalNotificationAllowed = v.externalAllowed;
    record.telephoneEnabled = v.phone;
    record.pagerEnabled = v.pager;
    record.smsEnabled = v.sms;
    record.emailEnabled = v.email;
    record.telephoneNumber = v.phoneNumber.toStdString();
    record.pagerNumber = v.pagerNumber.toStdString();
    record.smsNumber = v.smsNumber.toStdString();
    record.emailSupported = texts.number(zel::IDC_NOTIFICATIONS_EMAIL_SUPPORTED, v.emailSupported);
    record.emailAddress = v.emailAddress.toStdString();
    record.messageType = texts.number(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE, v.messageType);
    record.notifyExtension = v.extension.toStdString();
    record.localNotificationType =
        texts.number(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE, v.localNotify);
    record.mailboxType = texts.number(zel::IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE, v.mailboxType);
    loadRecord(page, zel::BoundPage::Notifications, record, texts.handWritten());
}

QList<bool> enabledStates(const Page& page, std::initializer_list<int> ids)
{
    QList<bool> states;
    for (int id : ids)
        states.append(page.GetDlgItem(id)->isEnabled());
    return states;
}

const QString kInsecureWarning = QStringLiteral(
    "This delivery method is not secure!\nNetwork problems may corrupt the message and all "
    "information will be lost.\nAre you sure you want to use this method?");

// Picks an entry the way a user does: open the list, click the entry.
void chooseMessageType(Page& page, int index)
{
    auto* combo = page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(index, 0)).center());
}

} // namespace

class NotificationsPageTest : public PageTest<Page>
{
    Q_OBJECT

private Q_SLOTS:
    void startsAsTheTemplateSays()
    {
        Page& page = hostedPage();
        QCOMPARE(page.windowTitle(), QStringLiteral("Mailbox Notifications"));
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT),
                 QStringLiteral("External notification is Allowed"));
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->count(), 4);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->currentIndex(), -1);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY)->itemText(4),
                 QStringLiteral("Rings"));
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY)->currentIndex(), -1);
        QCOMPARE(enabledStates(
                     page, {zel::IDC_NOTIFICATIONS_PHONE_ENABLE, zel::IDC_NOTIFICATIONS_PHONE,
                            zel::IDC_NOTIFICATIONS_PAGER_ENABLE, zel::IDC_NOTIFICATIONS_PAGER,
                            zel::IDC_NOTIFICATIONS_EMAIL_ENABLE, zel::IDC_NOTIFICATIONS_EMAIL,
                            zel::IDC_NOTIFICATIONS_MESSAGE_TYPE, zel::IDC_NOTIFICATIONS_SMS_ENABLE,
                            zel::IDC_NOTIFICATIONS_SMS, zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY,
                            zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED}),
                 (QList<bool>{true, true, true, true, true, true, true, true, true, false, false}));
    }

    void namesControlsForScreenReaders_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("local type")
            << zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY << "Local notification type";
        QTest::newRow("extension")
            << zel::IDC_NOTIFICATIONS_NOTIFY_EXTENSION << "Extension to notify";
        QTest::newRow("phone box")
            << zel::IDC_NOTIFICATIONS_PHONE_ENABLE << "Enable Telephone number";
        QTest::newRow("phone") << zel::IDC_NOTIFICATIONS_PHONE << "Telephone number";
        QTest::newRow("pager box") << zel::IDC_NOTIFICATIONS_PAGER_ENABLE << "Enable Pager number";
        QTest::newRow("pager") << zel::IDC_NOTIFICATIONS_PAGER << "Pager number";
        QTest::newRow("email box")
            << zel::IDC_NOTIFICATIONS_EMAIL_ENABLE << "Enable E-Mail target address";
        QTest::newRow("email") << zel::IDC_NOTIFICATIONS_EMAIL << "E-Mail target address";
        QTest::newRow("message type") << zel::IDC_NOTIFICATIONS_MESSAGE_TYPE << "Message type";
        QTest::newRow("sms box") << zel::IDC_NOTIFICATIONS_SMS_ENABLE
                                 << "Enable SMS - Mobile phone number";
        QTest::newRow("sms") << zel::IDC_NOTIFICATIONS_SMS << "SMS - Mobile phone number";
        QTest::newRow("external") << zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED
                                  << "External notification is Not Allowed";
    }
    void namesControlsForScreenReaders()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        NotificationsRefresh values;
        values.externalAllowed = false;
        load(hostedPage(), values);
        QCOMPARE(hostedPage().GetDlgItem(id)->accessibleName(), name);
    }

    void loadSetsEnabledStates_data()
    {
        QTest::addColumn<NotificationsRefresh>("values");
        // phone box, phone, pager box, pager, email box, email, type, sms box, sms
        QTest::addColumn<QList<bool>>("enabled");

        NotificationsRefresh notAllowed;
        notAllowed.externalAllowed = false;
        notAllowed.phone = true;
        QTest::newRow("not allowed: boxes off, a checked target stays editable")
            << notAllowed
            << QList<bool>{false, true, false, false, false, false, false, false, false};
        NotificationsRefresh noEmail;
        noEmail.emailSupported = QStringLiteral("0");
        noEmail.phone = false;
        noEmail.sms = true;
        QTest::newRow("allowed, no e-mail support")
            << noEmail << QList<bool>{true, false, true, false, false, false, false, true, true};
        NotificationsRefresh everything;
        everything.pager = everything.sms = everything.email = true;
        everything.emailSupported = QStringLiteral("2");
        QTest::newRow("everything on")
            << everything << QList<bool>{true, true, true, true, true, true, true, true, true};
        NotificationsRefresh negativeSupport;
        negativeSupport.emailSupported = QStringLiteral("-3");
        QTest::newRow("negative e-mail support counts as none")
            << negativeSupport
            << QList<bool>{true, true, true, false, false, false, false, true, false};
        NotificationsRefresh offline;
        offline.externalAllowed = false;
        offline.phone = false;
        offline.phoneNumber.clear();
        offline.emailSupported.clear();
        offline.messageType.clear();
        offline.extension.clear();
        offline.localNotify.clear();
        offline.mailboxType.clear();
        QTest::newRow("offline before any refresh")
            << offline
            << QList<bool>{false, false, false, false, false, false, false, false, false};
    }
    void loadSetsEnabledStates()
    {
        QFETCH(NotificationsRefresh, values);
        QFETCH(QList<bool>, enabled);
        load(hostedPage(), values);
        QCOMPARE(enabledStates(hostedPage(),
                               {zel::IDC_NOTIFICATIONS_PHONE_ENABLE, zel::IDC_NOTIFICATIONS_PHONE,
                                zel::IDC_NOTIFICATIONS_PAGER_ENABLE, zel::IDC_NOTIFICATIONS_PAGER,
                                zel::IDC_NOTIFICATIONS_EMAIL_ENABLE, zel::IDC_NOTIFICATIONS_EMAIL,
                                zel::IDC_NOTIFICATIONS_MESSAGE_TYPE,
                                zel::IDC_NOTIFICATIONS_SMS_ENABLE, zel::IDC_NOTIFICATIONS_SMS}),
                 enabled);
    }

    void loadSelectsFromTransferFields()
    {
        Page& page = hostedPage();
        NotificationsRefresh offline;
        offline.messageType.clear();
        offline.localNotify.clear();
        load(page, offline);
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE),
                 QStringLiteral("Without attachment"));
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY), QStringLiteral("None"));

        NotificationsRefresh values;
        values.messageType = QStringLiteral("3"); // a load never warns
        values.localNotify = QStringLiteral("4");
        PageBoxes boxes;
        load(page, values);
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE),
                 QStringLiteral("Voice message attached and deleted"));
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY), QStringLiteral("Rings"));

        values.messageType = QStringLiteral("4");
        values.localNotify = QStringLiteral("-1");
        load(page, values);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->currentIndex(), -1);
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE), QString());
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY)->currentIndex(), -1);
        // The label is the NotificationsRefresh command's to write; a load leaves it alone.
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT),
                 QStringLiteral("External notification is Allowed"));
    }

    void labelKeepsItsFirstTextUntilTheRefreshWritesIt()
    {
        zel::SendMessage(&hostedPage(), zel::WM_PAGE_LOAD);
        QCOMPARE(hostedPage().GetDlgItemText(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT),
                 QStringLiteral("External notification is Allowed"));
    }

    void enableBoxesSwitchTheirTargets()
    {
        Page& page = hostedPage();
        NotificationsRefresh values;
        values.phone = false;
        load(page, values);
        QTest::mouseClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE_ENABLE), Qt::LeftButton);
        QTest::mouseClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_PAGER_ENABLE), Qt::LeftButton);
        QTest::mouseClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE), Qt::LeftButton);
        QTest::mouseClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_SMS_ENABLE), Qt::LeftButton);
        QCOMPARE(
            enabledStates(page, {zel::IDC_NOTIFICATIONS_PHONE, zel::IDC_NOTIFICATIONS_PAGER,
                                 zel::IDC_NOTIFICATIONS_EMAIL, zel::IDC_NOTIFICATIONS_MESSAGE_TYPE,
                                 zel::IDC_NOTIFICATIONS_SMS}),
            (QList<bool>{true, true, true, true, true}));
        page.GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE)->setFocus();
        QTest::keyClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE), Qt::Key_Space);
        QTest::mouseClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_SMS_ENABLE), Qt::LeftButton);
        QCOMPARE(
            enabledStates(page, {zel::IDC_NOTIFICATIONS_PHONE, zel::IDC_NOTIFICATIONS_PAGER,
                                 zel::IDC_NOTIFICATIONS_EMAIL, zel::IDC_NOTIFICATIONS_MESSAGE_TYPE,
                                 zel::IDC_NOTIFICATIONS_SMS}),
            (QList<bool>{true, true, false, false, false}));
    }

    void validationFailures_data()
    {
        QTest::addColumn<NotificationsRefresh>("values");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::addColumn<bool>("focusFirst");

        const auto row = [](const char* name, NotificationsRefresh values, const char* message,
                            int focus, bool focusFirst) {
            QTest::newRow(name) << values << QString::fromUtf8(message) << focus << focusFirst;
        };
        NotificationsRefresh v;
        v.phoneNumber.clear();
        row("phone enabled without number", v,
            "When enabling Phone notification a Phone number must be defined",
            zel::IDC_NOTIFICATIONS_PHONE, false);
        v = {};
        v.phone = false;
        v.phoneNumber = QStringLiteral("03-555");
        v.pagerNumber = QStringLiteral("x-1");
        // A switched-off target's edit is disabled, so the focus stays where it was.
        row("hyphen in a switched-off phone number, bad pager too", v, "Phone number is not valid",
            zel::IDC_NOTIFICATIONS_PHONE_ENABLE, true);
        v = {};
        v.externalAllowed = false;
        v.phoneNumber = QStringLiteral("12X4");
        row("not allowed, but switched on: the edit is the user's", v, "Phone number is not valid",
            zel::IDC_NOTIFICATIONS_PHONE, true);
        v = {};
        v.phoneNumber = QStringLiteral("035 551");
        row("blank in phone number", v, "Phone number is not valid", zel::IDC_NOTIFICATIONS_PHONE,
            true);
        v = {};
        v.phoneNumber = QStringLiteral("0355X1");
        row("pager letter in phone number", v, "Phone number is not valid",
            zel::IDC_NOTIFICATIONS_PHONE, true);
        v = {};
        v.pager = true;
        row("pager enabled without number", v,
            "When enabling Pager notification a Pager number must be defined",
            zel::IDC_NOTIFICATIONS_PAGER, false);
        v = {};
        v.pager = true;
        v.pagerNumber = QStringLiteral("12#*E");
        row("bad pager number", v, "Pager number is not valid", zel::IDC_NOTIFICATIONS_PAGER, true);
        v = {};
        v.sms = true;
        row("sms enabled without number", v,
            "When enabling SMS notification a SMS number must be defined",
            zel::IDC_NOTIFICATIONS_SMS, false);
        v = {};
        v.sms = true;
        v.smsNumber = QStringLiteral("972+54");
        row("plus sign inside sms number", v, "SMS number is not valid", zel::IDC_NOTIFICATIONS_SMS,
            true);
        v = {};
        v.sms = true;
        v.smsNumber = QStringLiteral("++972");
        row("two plus signs", v, "SMS number is not valid", zel::IDC_NOTIFICATIONS_SMS, true);
        v = {};
        v.smsNumber = QStringLiteral(" ");
        v.sms = true;
        row("blank sms number is not empty", v, "SMS number is not valid",
            zel::IDC_NOTIFICATIONS_SMS, true);
        v = {};
        v.email = true;
        row("email enabled without address", v,
            "When enabling Email notification an Email address must be defined",
            zel::IDC_NOTIFICATIONS_EMAIL, false);
        v = {};
        v.email = true;
        v.emailAddress = QStringLiteral("someone@example.org");
        v.messageType = QStringLiteral("7");
        row("email enabled without message type", v, "Email notification type is not valid",
            zel::IDC_NOTIFICATIONS_MESSAGE_TYPE, true);
    }
    void validationFailures()
    {
        QFETCH(NotificationsRefresh, values);
        QFETCH(QString, message);
        QFETCH(int, focus);
        QFETCH(bool, focusFirst);
        Page& page = hostedPage();
        load(page, values);
        const QString messageTypeBefore =
            page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE);

        PageBoxes boxes(&page);
        QWidget* elsewhere = page.GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE_ENABLE);
        elsewhere->setFocus();
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);

        QCOMPARE(boxes.texts(), QStringList{message});
        const auto& box = boxes.shown().first();
        QCOMPARE(box.icon, zel::MessageBox::Exclamation);
        QCOMPARE(box.buttons, zel::MessageBox::Ok);
        QCOMPARE(boxes.focusAtShow.first(), focusFirst ? page.GetDlgItem(focus) : elsewhere);
        // The main window hears of the failure only once the user has closed the message.
        QCOMPARE(boxes.invalidsAtShow.first(), 0);
        QCOMPARE(boxes.invalids().count(), 1);
        QCOMPARE(page.focusWidget(), page.GetDlgItem(focus));
        if (auto* edit = page.dlgItem<QLineEdit>(focus))
            QCOMPARE(edit->selectedText(), edit->text());
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE), messageTypeBefore);
    }

    void typedMessageTypeCountsAsNoSelection()
    {
        Page& page = hostedPage();
        NotificationsRefresh values;
        values.email = true;
        values.emailAddress = QStringLiteral("x");
        values.messageType = QStringLiteral("1");
        load(page, values);
        auto* combo = page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("by fax"));

        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("Email notification type is not valid")});
        QCOMPARE(combo->currentText(), QString());

        // Switched off, the same entry passes and is handed on as "no selection".
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("by fax"));
        page.CheckDlgButton(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE, false);
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts().size(), 1);
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE),
                 QStringLiteral("-1"));
    }

    void successWritesTransferFieldsBack_data()
    {
        QTest::addColumn<NotificationsRefresh>("values");
        QTest::addColumn<QStringList>("written"); // message type, local notification, mailbox type

        NotificationsRefresh plain;
        QTest::newRow("real mailbox") << plain << strings({"0", "1", "0"});
        NotificationsRefresh good;
        good.extension = QStringLiteral("12");
        good.phoneNumber = QStringLiteral("0123456789*#PpAaBbCcDdQq");
        good.pager = true;
        good.pagerNumber = QStringLiteral("PpAaBbCcDdQqXx$*#09");
        good.sms = true;
        good.smsNumber = QStringLiteral("+");
        good.email = true;
        good.emailAddress = QStringLiteral("not an address at all");
        good.messageType = QStringLiteral("2");
        good.localNotify = QStringLiteral("3");
        QTest::newRow("every character allowed, any e-mail text")
            << good << strings({"2", "3", "0"});
        NotificationsRefresh virtualBox;
        virtualBox.extension.clear();
        virtualBox.mailboxType = QStringLiteral("1");
        virtualBox.localNotify = QStringLiteral("6");
        virtualBox.messageType = QStringLiteral("-5");
        QTest::newRow("virtual mailbox without extension, nothing selected")
            << virtualBox << strings({"-1", "-1", "1"});
        // The extension is the device's, out of the user's reach: it never stops an apply.
        for (const char* extension : {"1", "1234567"}) {
            plain.extension = QString::fromUtf8(extension);
            QTest::addRow("real mailbox, extension %s", extension)
                << plain << strings({"0", "1", "0"});
        }
        NotificationsRefresh sixDigits;
        sixDigits.extension = QStringLiteral("123456");
        sixDigits.phone = false;
        sixDigits.phoneNumber.clear();
        sixDigits.smsNumber = QStringLiteral("+972541234567");
        QTest::newRow("six-digit extension, empty switched-off phone")
            << sixDigits << strings({"0", "1", "0"});
        // Switched off and out of the user's reach: handed back as the device sent them.
        NotificationsRefresh notAllowed;
        notAllowed.externalAllowed = false;
        notAllowed.phone = false;
        notAllowed.phoneNumber = QStringLiteral("12X4");
        notAllowed.pagerNumber = QStringLiteral("E");
        notAllowed.smsNumber = QStringLiteral("9+7");
        QTest::newRow("external notification not allowed, faulty switched-off targets")
            << notAllowed << strings({"0", "1", "0"});
    }
    void successWritesTransferFieldsBack()
    {
        QFETCH(NotificationsRefresh, values);
        QFETCH(QStringList, written);
        Page& page = hostedPage();
        load(page, values);
        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(boxes.invalids().count(), 0);
        QCOMPARE((QStringList{page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE),
                              page.GetDlgItemText(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY_VALUE),
                              page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MAILBOX_TYPE_VALUE)}),
                 written);
    }

    void insecureMethodWarning_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("no, from without attachment")
            << "0" << int(zel::MessageBox::IdNo) << "Voice message attached and saved";
        QTest::newRow("no, from with attachment")
            << "1" << int(zel::MessageBox::IdNo) << "Voice message attached and saved";
        QTest::newRow("yes") << "0" << int(zel::MessageBox::IdYes)
                             << "Voice message attached and deleted";
    }
    void insecureMethodWarning()
    {
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(QString, after);
        Page& page = hostedPage();
        NotificationsRefresh values;
        values.email = true;
        values.emailAddress = QStringLiteral("me@example.org");
        values.messageType = before;
        load(page, values);

        PageBoxes boxes;
        boxes.answerNext(zel::MessageBox::Answer(answer));
        chooseMessageType(page, 3);
        QCOMPARE(boxes.texts(), QStringList{kInsecureWarning});
        QCOMPARE(boxes.shown().first().buttons, zel::MessageBox::YesNo);
        QCOMPARE(boxes.shown().first().icon, zel::MessageBox::Exclamation);
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE), after);
        QCOMPARE(boxes.texts().size(), 1); // the page's own selection raised no second warning

        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE),
                 QString::number(
                     page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->currentIndex()));
    }

    void otherMessageTypesNeedNoConfirmation()
    {
        Page& page = hostedPage();
        NotificationsRefresh values;
        values.email = true;
        load(page, values);
        PageBoxes boxes;
        chooseMessageType(page, 1);
        chooseMessageType(page, 2);
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE),
                 QStringLiteral("Voice message attached and saved"));
    }

    void typingStopsAtTheLimits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("limit");
        QTest::newRow("telephone") << zel::IDC_NOTIFICATIONS_PHONE << 20;
        QTest::newRow("pager") << zel::IDC_NOTIFICATIONS_PAGER << 40;
        QTest::newRow("sms") << zel::IDC_NOTIFICATIONS_SMS << 40;
        QTest::newRow("e-mail") << zel::IDC_NOTIFICATIONS_EMAIL << 60;
    }
    void typingStopsAtTheLimits()
    {
        QFETCH(int, id);
        QFETCH(int, limit);
        const QString typed = QStringLiteral("1234567890").repeated(7);
        QTest::keyClicks(hostedPage().GetDlgItem(id), typed);
        QCOMPARE(hostedPage().GetDlgItemText(id), typed.left(limit));

        hostedPage().SetDlgItemText(id, typed);
        QCOMPARE(hostedPage().GetDlgItemText(id), typed);
    }

    void enterDoesNothing()
    {
        Page& page = hostedPage();
        load(page, NotificationsRefresh{});
        PageBoxes boxes;
        QTest::keyClick(page.GetDlgItem(zel::IDC_NOTIFICATIONS_PHONE), Qt::Key_Return);
        QTest::keyClick(page.dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE)->lineEdit(),
                        Qt::Key_Enter);
        QVERIFY(page.isVisible());
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(page.GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE),
                 QStringLiteral("Without attachment"));
    }
};

#include "tst_notifications_page.moc"

int runNotificationsPageTest(int argc, char** argv)
{
    NotificationsPageTest test;
    return QTest::qExec(&test, argc, argv);
}
