#include "PageTestSupport.h"
#include "RecordLoading.h"
#include "pages/CNotificationsPage.h"
#include "pages/CSettingsPage.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

// What users do with the keyboard and mouse on the pages, and what screen readers find there.
class InputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedMessageTypeSelectsNothing_data();
    void typedMessageTypeSelectsNothing();
    void messageTypeChosenByKeyboardAsks();
    void pasteGoesInAsFarAsTheLimit_data();
    void pasteGoesInAsFarAsTheLimit();
    void refusalTipStaysReadable();
    void labelNameFollowsItsText();
    void controlsAreLabelledByTheLabelInFront_data();
    void controlsAreLabelledByTheLabelInFront();
};

namespace {

// A Notifications page with e-mail on and "With voice message attached" chosen, in an active
// window so that the focus can really move.
struct EmailPage
{
    EmailPage()
    {
        MailboxRecord record;
        record.externalNotificationAllowed = true;
        record.emailSupported = 1;
        record.emailEnabled = true;
        record.emailAddress = "me@example.org";
        record.messageType = 1;
        record.notifyExtension = "205";
        loadRecord(*hosted.page, zel::BoundPage::Notifications, record);
        hosted.host.activateWindow();
    }
    QComboBox* messageType() const
    {
        return hosted.page->dlgItem<QComboBox>(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE);
    }
    QString sentMessageType() const
    {
        return hosted.page->GetDlgItemText(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_VALUE);
    }

    HostedPage<CNotificationsPage> hosted;
};

const QString kTypeNotValid = QStringLiteral("Email notification type is not valid");

} // namespace

void InputTest::typedMessageTypeSelectsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finishKey");
    for (const char* typed : {"Voice message attached and deleted", "Without attachment"}) {
        QTest::addRow("%s, Enter", typed) << QString::fromUtf8(typed) << int(Qt::Key_Return);
        QTest::addRow("%s, Tab", typed) << QString::fromUtf8(typed) << int(Qt::Key_Tab);
    }
}

// Typed text that names an item exactly still counts as no selection: no insecure-method
// question, check 9 fails while e-mail is on, and -1 goes to the device once it is off.
void InputTest::typedMessageTypeSelectsNothing()
{
    QFETCH(QString, typed);
    QFETCH(int, finishKey);
    EmailPage page;
    QVERIFY(QTest::qWaitForWindowActive(&page.hosted.host));
    QLineEdit* field = page.messageType()->lineEdit();
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    PageBoxes boxes;
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key(finishKey));
    QCOMPARE(boxes.texts(), QStringList{});
    QCOMPARE(page.messageType()->currentIndex(), -1);
    QCOMPARE(field->text(), typed);

    zel::SendMessage(page.hosted.page, zel::WM_PAGE_VALIDATE);
    QCOMPARE(boxes.texts(), QStringList{kTypeNotValid});
    QTest::mouseClick(page.hosted.page->GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL_ENABLE),
                      Qt::LeftButton);
    zel::SendMessage(page.hosted.page, zel::WM_PAGE_VALIDATE);
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(page.sentMessageType(), QStringLiteral("-1"));
}

void InputTest::messageTypeChosenByKeyboardAsks()
{
    EmailPage page;
    PageBoxes boxes;
    boxes.answerNext(zel::MessageBox::IdYes);
    page.messageType()->showPopup();
    QAbstractItemView* list = page.messageType()->view();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(boxes.shown().constFirst().buttons, zel::MessageBox::YesNo);
    zel::SendMessage(page.hosted.page, zel::WM_PAGE_VALIDATE);
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(page.sentMessageType(), QStringLiteral("3"));
}

void InputTest::pasteGoesInAsFarAsTheLimit_data()
{
    QTest::addColumn<bool>("onSettings");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("setByProgram");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("password, limit 4") << true << zel::IDC_SETTINGS_PASSWORD << QString()
                                       << QStringLiteral("123456") << QStringLiteral("1234");
    const QString digits = QStringLiteral("0123456789").repeated(3);
    QTest::newRow("telephone, limit 20, 25 set by the program")
        << false << zel::IDC_NOTIFICATIONS_PHONE << digits.left(25) << digits.right(22)
        << digits.right(22).left(20);
    // The device stores the address one byte a character.
    const QString address = QStringLiteral("dana@example.com");
    QTest::newRow("e-mail, a character past Latin-1 is left out of the paste")
        << false << zel::IDC_NOTIFICATIONS_EMAIL << address
        << QStringLiteral("dana\u2019s@example.com") << QStringLiteral("danas@example.com");
    QTest::newRow("e-mail, Latin-1 letters")
        << false << zel::IDC_NOTIFICATIONS_EMAIL << address
        << QStringLiteral("j\u00f6rg@example.com") << QStringLiteral("j\u00f6rg@example.com");
}

// Select all and paste replaces the text with as much of the clipboard as the limit takes;
// what the program set is never cut.
void InputTest::pasteGoesInAsFarAsTheLimit()
{
    QFETCH(bool, onSettings);
    QFETCH(int, id);
    QFETCH(QString, setByProgram);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    HostedPage<CSettingsPage> settings;
    HostedPage<CNotificationsPage> notifications;
    zel::Dialog& page =
        onSettings ? static_cast<zel::Dialog&>(*settings.page) : *notifications.page;
    page.SetDlgItemText(id, setByProgram);
    QCOMPARE(page.GetDlgItemText(id), setByProgram);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(page.GetDlgItem(id), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page.GetDlgItem(id), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(page.GetDlgItemText(id), result);
}

// The tip for a refused character wraps at about 300 dialog units and stays on the screen, also for
// an edit in the screen's corner.
void InputTest::refusalTipStaysReadable()
{
    HostedPage<CNotificationsPage> hosted;
    QWidget* email = hosted.page->GetDlgItem(zel::IDC_NOTIFICATIONS_EMAIL);
    const QRect screen = hosted.host.screen()->availableGeometry();
    hosted.host.move(screen.bottomRight() -
                     email->mapTo(&hosted.host, email->rect().bottomRight()));
    QGuiApplication::clipboard()->setText(QStringLiteral("\u0142"));
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    const auto* tip = email->findChild<QLabel*>();
    QVERIFY(tip && tip->isVisible());
    QVERIFY(screen.contains(tip->frameGeometry()));
    QVERIFY(tip->contentsRect().width() - 2 * tip->margin() <= 300 * hosted.page->baseUnitX() / 4);
}

void InputTest::labelNameFollowsItsText()
{
    HostedPage<CNotificationsPage> hosted;
    MailboxRecord record;
    record.externalNotificationAllowed = false;
    loadRecord(*hosted.page, zel::BoundPage::Notifications, record);
    QCOMPARE(QAccessible::queryAccessibleInterface(
                 hosted.page->GetDlgItem(zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT))
                 ->text(QAccessible::Name),
             QStringLiteral("External notification is Not Allowed"));
}

void InputTest::controlsAreLabelledByTheLabelInFront_data()
{
    QTest::addColumn<bool>("onSettings");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("label");
    QTest::newRow("operator") << true << zel::IDC_SETTINGS_OPERATOR << "Operator Extension";
    QTest::newRow("fax") << true << zel::IDC_SETTINGS_FAX << "Fax Extension";
    QTest::newRow("language") << true << zel::IDC_SETTINGS_LANGUAGE << "Mailbox Language";
    QTest::newRow("password") << true << zel::IDC_SETTINGS_PASSWORD << "Mailbox Password";
    QTest::newRow("local type") << false << zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY
                                << "Local notification type";
    QTest::newRow("message type") << false << zel::IDC_NOTIFICATIONS_MESSAGE_TYPE << "Message type";
}

// A screen reader that finds controls by their label finds each of them.
void InputTest::controlsAreLabelledByTheLabelInFront()
{
    QFETCH(bool, onSettings);
    QFETCH(int, id);
    QFETCH(QString, label);
    HostedPage<CSettingsPage> settings;
    HostedPage<CNotificationsPage> notifications;
    const zel::Dialog& page =
        onSettings ? static_cast<zel::Dialog&>(*settings.page) : *notifications.page;
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(page.GetDlgItem(id));
    QStringList labels;
    const auto relations = control->relations(QAccessible::Label);
    for (const auto& relation : relations)
        labels.append(relation.first->text(QAccessible::Name));
    QCOMPARE(labels, QStringList{label});
    QCOMPARE(control->text(QAccessible::Name), label);
}

#include "tst_input.moc"

int runInputTest(int argc, char** argv)
{
    InputTest test;
    return QTest::qExec(&test, argc, argv);
}
