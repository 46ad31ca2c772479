#include "PageTestSupport.h"
#include "pages/CNotificationsPage.h"
#include "pages/CSettingsPage.h"
#include "pages/CStatisticsPage.h"
#include "platform/Help.h"
#include "res/HelpText.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QWhatsThis>
#include <memory>

namespace {

QWidget* shownHelpPopup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits("QWhatsThat"))
            return widget;
    }
    return nullptr;
}

// What F1 on the control shows, as pixels (the pop-up offers no other way to read it).
QImage helpShownFor(QWidget* control)
{
    QWidget* target = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        target = combo->lineEdit();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F1);
    QWidget* popup = shownHelpPopup();
    const QImage image = popup ? popup->grab().toImage() : QImage();
    QWhatsThis::hideText();
    QTest::qWait(1);
    return image;
}

QImage topicAt(QWidget* control, int contextId)
{
    zel::showHelpPopup(control, zel::res::contextHelpText(contextId));
    QWidget* popup = shownHelpPopup();
    const QImage image = popup ? popup->grab().toImage() : QImage();
    QWhatsThis::hideText();
    QTest::qWait(1);
    return image;
}

std::unique_ptr<zel::Dialog> makePage(int templateId)
{
    switch (templateId) {
    case zel::IDD_SETTINGS_PAGE:
        return std::make_unique<CSettingsPage>();
    case zel::IDD_NOTIFICATIONS_PAGE:
        return std::make_unique<CNotificationsPage>();
    default:
        return std::make_unique<CStatisticsPage>();
    }
}

} // namespace

class ContextHelpTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void f1ShowsTheControlsTopic_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("context");
        const int pairs[][3] = {
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_MAILBOX_NUMBER,
             zel::IDH_SETTINGS_MAILBOX_NUMBER},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_PASSWORD, zel::IDH_SETTINGS_PASSWORD},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_LANGUAGE, zel::IDH_SETTINGS_LANGUAGE},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_BACKUP_EXTENSION,
             zel::IDH_SETTINGS_BACKUP_EXTENSION},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_OPERATOR, zel::IDH_SETTINGS_OPERATOR},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_FAX, zel::IDH_SETTINGS_FAX},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_ANNOUNCER, zel::IDH_SETTINGS_ANNOUNCER},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_DO_NOT_DISTURB,
             zel::IDH_SETTINGS_DO_NOT_DISTURB},
            {zel::IDD_SETTINGS_PAGE, zel::IDC_SETTINGS_TIME_STAMP, zel::IDH_SETTINGS_TIME_STAMP},
            {zel::IDD_STATISTICS_PAGE, zel::IDC_STATISTICS_NEW_MESSAGES,
             zel::IDH_STATISTICS_NEW_MESSAGES},
            {zel::IDD_STATISTICS_PAGE, zel::IDC_STATISTICS_SAVED_MESSAGES,
             zel::IDH_STATISTICS_SAVED_MESSAGES},
            {zel::IDD_STATISTICS_PAGE, zel::IDC_STATISTICS_TOTAL_MESSAGES,
             zel::IDH_STATISTICS_TOTAL_MESSAGES},
            {zel::IDD_STATISTICS_PAGE, zel::IDC_STATISTICS_MAX_MESSAGES,
             zel::IDH_STATISTICS_MAX_MESSAGES},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_NOTIFY_EXTENSION,
             zel::IDH_NOTIFICATIONS_NOTIFY_EXTENSION},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_PHONE_ENABLE,
             zel::IDH_NOTIFICATIONS_PHONE_ENABLE},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_PHONE,
             zel::IDH_NOTIFICATIONS_PHONE},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_PAGER_ENABLE,
             zel::IDH_NOTIFICATIONS_PAGER_ENABLE},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_PAGER,
             zel::IDH_NOTIFICATIONS_PAGER},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_SMS_ENABLE,
             zel::IDH_NOTIFICATIONS_SMS_ENABLE},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_SMS, zel::IDH_NOTIFICATIONS_SMS},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_EMAIL_ENABLE,
             zel::IDH_NOTIFICATIONS_EMAIL_ENABLE},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_EMAIL,
             zel::IDH_NOTIFICATIONS_EMAIL},
            {zel::IDD_NOTIFICATIONS_PAGE, zel::IDC_NOTIFICATIONS_MESSAGE_TYPE,
             zel::IDH_NOTIFICATIONS_MESSAGE_TYPE},
        };
        for (const auto& pair : pairs)
            QTest::addRow("%d: %d", pair[0], pair[1]) << pair[0] << pair[1] << pair[2];
    }
    void f1ShowsTheControlsTopic()
    {
        QFETCH(int, page);
        QFETCH(int, control);
        QFETCH(int, context);
        QWidget host;
        std::unique_ptr<zel::Dialog> dialog = makePage(page);
        dialog->Create(&host);
        dialog->show();
        host.resize(dialog->size());
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));

        QWidget* widget = dialog->GetDlgItem(control);
        const QImage shown = helpShownFor(widget);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, topicAt(widget, context));
    }

    // The Notifications page's local notification list is always disabled, so only a What's This
    // click reaches it.
    void whatsThisOnControlsAndLabels()
    {
        QWidget host;
        CNotificationsPage page;
        page.Create(&host);
        page.show();
        host.resize(page.size());
        host.show();

        QWidget* localNotify = page.GetDlgItem(zel::IDC_NOTIFICATIONS_LOCAL_NOTIFY);
        QHelpEvent onList(QEvent::WhatsThis, localNotify->geometry().center(), QPoint());
        QApplication::sendEvent(&page, &onList);
        QWidget* popup = shownHelpPopup();
        QVERIFY(popup);
        const QImage shown = popup->grab().toImage();
        QWhatsThis::hideText();
        QTest::qWait(1);
        QCOMPARE(shown, topicAt(localNotify, zel::IDH_NOTIFICATIONS_LOCAL_NOTIFY));

        QHelpEvent onLabel(
            QEvent::WhatsThis,
            page.GetDlgItem(zel::IDC_NOTIFICATIONS_MESSAGE_TYPE_LABEL)->geometry().center(),
            QPoint());
        QApplication::sendEvent(&page, &onLabel);
        QVERIFY(!shownHelpPopup());
    }
};

#include "tst_context_help.moc"

int runContextHelpTest(int argc, char** argv)
{
    ContextHelpTest test;
    return QTest::qExec(&test, argc, argv);
}
