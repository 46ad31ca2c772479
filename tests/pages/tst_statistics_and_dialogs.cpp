#include "PageTestSupport.h"
#include "RecordLoading.h"
#include "pages/CStatisticsPage.h"
#include "shell/CAboutDlg.h"
#include "shell/CPreApplyDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        texts.append(label->text());
    return texts;
}

} // namespace

class StatisticsAndDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statisticsShowWhatTheRefreshWrites()
    {
        HostedPage<CStatisticsPage> hosted;
        CStatisticsPage& page = *hosted.page;
        const QList<int> counts{
            zel::IDC_STATISTICS_NEW_MESSAGES, zel::IDC_STATISTICS_SAVED_MESSAGES,
            zel::IDC_STATISTICS_TOTAL_MESSAGES, zel::IDC_STATISTICS_MAX_MESSAGES};
        for (int id : counts)
            QCOMPARE(page.GetDlgItemText(id), QString());

        MailboxRecord record;
        record.newMessages = -56;
        record.savedMessages = 10;
        record.totalMessages = -46;
        record.maxMessages = 100;
        loadRecord(page, zel::BoundPage::Statistics, record);
        QCOMPARE(page.GetDlgItemText(zel::IDC_STATISTICS_NEW_MESSAGES), QStringLiteral("-56"));
        QCOMPARE(page.GetDlgItemText(zel::IDC_STATISTICS_SAVED_MESSAGES), QStringLiteral("10"));
        QCOMPARE(page.GetDlgItemText(zel::IDC_STATISTICS_TOTAL_MESSAGES), QStringLiteral("-46"));

        // Read-only: neither typing nor Enter changes anything.
        QTest::keyClicks(page.GetDlgItem(zel::IDC_STATISTICS_MAX_MESSAGES), QStringLiteral("9"));
        QTest::keyClick(page.GetDlgItem(zel::IDC_STATISTICS_MAX_MESSAGES), Qt::Key_Return);
        QCOMPARE(page.GetDlgItemText(zel::IDC_STATISTICS_MAX_MESSAGES), QStringLiteral("100"));
        QVERIFY(page.isVisible());
        QCOMPARE(page.GetDlgItem(zel::IDC_STATISTICS_NEW_MESSAGES)->accessibleName(),
                 QStringLiteral("Number of new messages"));
        QCOMPARE(page.GetDlgItem(zel::IDC_STATISTICS_MAX_MESSAGES)->accessibleName(),
                 QStringLiteral("Max. stored messages"));
    }

    void hiddenMessageListHasFourColumns()
    {
        HostedPage<CStatisticsPage> hosted;
        auto* list = hosted.page->dlgItem<QTreeWidget>(zel::IDC_STATISTICS_MESSAGES_LIST);
        QVERIFY(!list->isVisible());
        QCOMPARE(list->columnCount(), 4);
        QCOMPARE(list->topLevelItemCount(), 0);
        const int width = list->width();
        QVERIFY(width > 16);
        QCOMPARE(list->columnWidth(0), 3 * width / 16);
        for (int column = 1; column < 4; ++column) {
            QCOMPARE(list->columnWidth(column), 4 * width / 16);
            QCOMPARE(list->headerItem()->text(column), QString());
        }
    }

    void aboutBoxShowsTheSameEachTime()
    {
        for (int run = 0; run < 2; ++run) {
            CAboutDlg about;
            QStringList seen;
            QTimer::singleShot(0, &about, [&about, &seen] {
                seen = labelTexts(about);
                seen.prepend(about.windowTitle());
                QTest::mouseClick(about.dlgItem<QPushButton>(zel::IDOK), Qt::LeftButton);
            });
            QCOMPARE(about.DoModal(), zel::IDOK);
            QCOMPARE(seen.size(), 4);
            QCOMPARE(seen[0], QStringLiteral("About Zel"));
            QCOMPARE(seen[1], QStringLiteral("ZEL Version " ZEL_SHOWN_VERSION));
            QVERIFY(!seen[2].isEmpty());
            QCOMPARE(seen[3], QString());
        }
    }

    void aboutBoxEndsWithEnterOrEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("enter") << int(Qt::Key_Return) << zel::IDOK;
        QTest::newRow("escape") << int(Qt::Key_Escape) << zel::IDCANCEL;
    }
    void aboutBoxEndsWithEnterOrEscape()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        CAboutDlg about;
        QTimer::singleShot(0, &about, [&about, key] { QTest::keyClick(&about, Qt::Key(key)); });
        QCOMPARE(about.DoModal(), result);
    }

    void waitWindowShowsOnlyItsText()
    {
        CPreApplyDlg wait;
        wait.Create(nullptr);
        wait.show();
        QCOMPARE(wait.windowTitle(), QStringLiteral("Pre-Apply settings"));
        QCOMPARE(labelTexts(wait), QStringList{QStringLiteral("Please wait...")});
        QVERIFY(!wait.GetDlgItem(zel::IDOK)->isVisible());
        QVERIFY(!wait.GetDlgItem(zel::IDCANCEL)->isVisible());
        QVERIFY(wait.isWindowAlive());
    }
};

#include "tst_statistics_and_dialogs.moc"

int runStatisticsAndDialogsTest(int argc, char** argv)
{
    StatisticsAndDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}
