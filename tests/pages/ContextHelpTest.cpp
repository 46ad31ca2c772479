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
    zel::showHelpPopup(control, QString::fromUtf8(zel::res::contextHelpText(contextId)));
    QWidget* popup = shownHelpPopup();
    const QImage image = popup ? popup->grab().toImage() : QImage();
    QWhatsThis::hideText();
    QTest::qWait(1);
    return image;
}

std::unique_ptr<zel::Dialog> makePage(int templateId)
{
    switch (templateId) {
    case 138:
        return std::make_unique<CSettingsPage>();
    case 139:
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
            {138, 1003, 1},  {138, 1010, 2},  {138, 1023, 3},  {138, 1026, 4},  {138, 1017, 5},
            {138, 1018, 6},  {138, 1012, 7},  {138, 1013, 8},  {138, 1014, 9},  {140, 1014, 16},
            {140, 1015, 17}, {140, 1016, 18}, {140, 1017, 19}, {139, 1005, 21}, {139, 1015, 23},
            {139, 1033, 22}, {139, 1017, 24}, {139, 1016, 25}, {139, 1021, 32}, {139, 1020, 33},
            {139, 1019, 34}, {139, 1018, 35}, {139, 1007, 36},
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

    // 1023 on the Notifications page is always disabled, so only a What's This click reaches it.
    void whatsThisOnControlsAndLabels()
    {
        QWidget host;
        CNotificationsPage page;
        page.Create(&host);
        page.show();
        host.resize(page.size());
        host.show();

        QWidget* localNotify = page.GetDlgItem(CNotificationsPage::IDC_LOCAL_NOTIFY);
        QHelpEvent onList(QEvent::WhatsThis, localNotify->geometry().center(), QPoint());
        QApplication::sendEvent(&page, &onList);
        QWidget* popup = shownHelpPopup();
        QVERIFY(popup);
        const QImage shown = popup->grab().toImage();
        QWhatsThis::hideText();
        QTest::qWait(1);
        QCOMPARE(shown, topicAt(localNotify, 20));

        QHelpEvent onLabel(QEvent::WhatsThis, page.GetDlgItem(1034)->geometry().center(), QPoint());
        QApplication::sendEvent(&page, &onLabel);
        QVERIFY(!shownHelpPopup());
    }
};

#include "ContextHelpTest.moc"

int runContextHelpTest(int argc, char** argv)
{
    ContextHelpTest test;
    return QTest::qExec(&test, argc, argv);
}
