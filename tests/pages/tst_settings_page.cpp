#include "PageTestSupport.h"
#include "RecordLoading.h"
#include "pages/CSettingsPage.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Page = CSettingsPage;

// What the SettingsRefresh command writes before it sends zel::WM_PAGE_LOAD.
struct SettingsRefresh
{
    QString password = QStringLiteral("4321");
    bool doNotDisturb = false;
    QString languageIndex = QStringLiteral("0");
    QString mailboxType = QStringLiteral("0");
    QString localNotify = QStringLiteral("0");
    QString operatorValue = QStringLiteral("1");
    QString faxValue = QStringLiteral("2");
    QString languages = QStringLiteral("Hebrew_English US_German_");
    QString operators = QStringLiteral("_201___305____");
    QString faxes = QStringLiteral("_3000___");
};

} // namespace

Q_DECLARE_METATYPE(SettingsRefresh)

namespace {

void load(Page& page, const SettingsRefresh& values)
{
    RecordTexts texts;
    MailboxRecord record;
    record.mailboxNumber = "2345";
    record.notifyExtension = "205";
    record.password = values.password.toStdString();
    record.backupExtension = "300";
    record.doNotDisturb = values.doNotDisturb;
    record.timeStamp = true;
    record.languageIndex = texts.number(zel::IDC_SETTINGS_LANGUAGE_INDEX, values.languageIndex);
    record.mailboxType = texts.number(zel::IDC_SETTINGS_MAILBOX_TYPE_VALUE, values.mailboxType);
    record.localNotificationType =
        texts.number(zel::IDC_SETTINGS_LOCAL_NOTIFY_VALUE, values.localNotify);
    record.operatorExtensionIndex =
        texts.number(zel::IDC_SETTINGS_OPERATOR_VALUE, values.operatorValue);
    record.faxExtensionChoice = texts.number(zel::IDC_SETTINGS_FAX_VALUE, values.faxValue);
    record.operatorExtensions = texts.entries<8>(zel::IDC_SETTINGS_OPERATOR_LIST, values.operators);
    record.faxExtensions = texts.entries<4>(zel::IDC_SETTINGS_FAX_LIST, values.faxes);
    record.languageCodes = texts.languageCodes(zel::IDC_SETTINGS_LANGUAGE_LIST, values.languages);
    loadRecord(page, zel::BoundPage::Settings, record, texts.handWritten());
}

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QList<int> valuesOf(const QComboBox* combo)
{
    QList<int> values;
    for (int i = 0; i < combo->count(); ++i)
        values.append(combo->itemData(i).toInt());
    return values;
}

QStringList transferFields(const Page& page)
{
    QStringList fields;
    for (int id = zel::IDC_SETTINGS_LANGUAGE_INDEX; id <= zel::IDC_SETTINGS_FAX_LIST; ++id)
        fields.append(page.GetDlgItemText(id));
    return fields;
}

bool popupShown(const QComboBox* combo)
{
    return combo->view()->isVisible();
}

} // namespace

class SettingsPageTest : public PageTest<Page>
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithFixedListsAndNoSelection()
    {
        Page& page = hostedPage();
        auto* type = page.dlgItem<QComboBox>(zel::IDC_SETTINGS_MAILBOX_TYPE);
        auto* local = page.dlgItem<QComboBox>(zel::IDC_SETTINGS_LOCAL_NOTIFY);
        QCOMPARE(itemsOf(type), (QStringList{QStringLiteral("Real"), QStringLiteral("Virtual")}));
        QCOMPARE(valuesOf(type), (QList<int>{0, 1}));
        QCOMPARE(itemsOf(local),
                 (QStringList{QStringLiteral("None"), QStringLiteral("MSG Light 1"),
                              QStringLiteral("MSG Light 2"), QStringLiteral("Sign Rings"),
                              QStringLiteral("Rings")}));
        QCOMPARE(type->currentIndex(), -1);
        QCOMPARE(local->currentIndex(), -1);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)->count(), 0);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->count(), 0);
        QCOMPARE(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)->count(), 0);
        QCOMPARE(page.windowTitle(), QStringLiteral("Mailbox Settings"));
        QVERIFY(page.GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->isEnabled());
    }

    void namesControlsForScreenReaders_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("number") << zel::IDC_SETTINGS_MAILBOX_NUMBER << "Mailbox Number";
        QTest::newRow("password") << zel::IDC_SETTINGS_PASSWORD << "Mailbox Password";
        QTest::newRow("language") << zel::IDC_SETTINGS_LANGUAGE << "Mailbox Language";
        QTest::newRow("backup") << zel::IDC_SETTINGS_BACKUP_EXTENSION << "Backup Extension";
        QTest::newRow("operator") << zel::IDC_SETTINGS_OPERATOR << "Operator Extension";
        QTest::newRow("fax") << zel::IDC_SETTINGS_FAX << "Fax Extension";
        QTest::newRow("reset") << zel::IDC_SETTINGS_RESET << "Reset";
        QTest::newRow("announcer") << zel::IDC_SETTINGS_ANNOUNCER << "Announcer";
        QTest::newRow("dnd") << zel::IDC_SETTINGS_DO_NOT_DISTURB << "Do Not Disturb";
        QTest::newRow("time stamp") << zel::IDC_SETTINGS_TIME_STAMP << "Time Stamp";
    }
    void namesControlsForScreenReaders()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QCOMPARE(QAccessible::queryAccessibleInterface(hostedPage().GetDlgItem(id))
                     ->text(QAccessible::Name),
                 name);
    }

    void loadsOperatorAndFaxListsBySlot_data()
    {
        QTest::addColumn<QString>("operators");
        QTest::addColumn<QString>("operatorValue");
        QTest::addColumn<QString>("faxes");
        QTest::addColumn<QString>("faxValue");
        QTest::addColumn<int>("operatorIndex");
        QTest::addColumn<int>("faxIndex");
        QTest::newRow("stored slots") << "_201___305____"
                                      << "4"
                                      << "_3000___"
                                      << "2" << 1 << 1;
        QTest::newRow("empty slots fall back to the first entry") << "_201___305____"
                                                                  << "0"
                                                                  << "_3000___"
                                                                  << "3" << 0 << 0;
        QTest::newRow("fax none") << "_201___305____"
                                  << "1"
                                  << "_3000___"
                                  << "0" << 0 << 0;
        QTest::newRow("negative values") << "_201___305____"
                                         << "-1"
                                         << "_3000___"
                                         << "-1" << 0 << 0;
        QTest::newRow("empty texts") << "_201___305____"
                                     << ""
                                     << "_3000___"
                                     << "" << 0 << 0;
    }
    void loadsOperatorAndFaxListsBySlot()
    {
        QFETCH(QString, operators);
        QFETCH(QString, operatorValue);
        QFETCH(QString, faxes);
        QFETCH(QString, faxValue);
        QFETCH(int, operatorIndex);
        QFETCH(int, faxIndex);
        SettingsRefresh values;
        values.operators = operators;
        values.operatorValue = operatorValue;
        values.faxes = faxes;
        values.faxValue = faxValue;
        load(hostedPage(), values);

        auto* operatorList = hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR);
        QCOMPARE(itemsOf(operatorList),
                 (QStringList{QStringLiteral("201"), QStringLiteral("305")}));
        QCOMPARE(valuesOf(operatorList), (QList<int>{1, 4}));
        QCOMPARE(operatorList->currentIndex(), operatorIndex);
        auto* faxList = hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX);
        QCOMPARE(itemsOf(faxList), (QStringList{QStringLiteral("None"), QStringLiteral("3000")}));
        QCOMPARE(valuesOf(faxList), (QList<int>{0, 2}));
        QCOMPARE(faxList->currentIndex(), faxIndex);
    }

    void reloadReplacesListsAndPicksTheLastEqualValue()
    {
        SettingsRefresh values;
        load(hostedPage(), values);
        values.operators = QStringLiteral("100_______");
        values.operatorValue = QStringLiteral("0");
        values.faxes = QStringLiteral("1_2_3_4_");
        values.faxValue = QStringLiteral("4");
        load(hostedPage(), values);
        auto* operatorList = hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR);
        QCOMPARE(itemsOf(operatorList), QStringList{QStringLiteral("100")});
        QCOMPARE(operatorList->currentIndex(), 0);
        auto* faxList = hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX);
        QCOMPARE(valuesOf(faxList), (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE(faxList->currentIndex(), 4);
    }

    void emptyOperatorListStaysWithoutSelection()
    {
        SettingsRefresh values;
        values.operators = QStringLiteral("________");
        load(hostedPage(), values);
        QCOMPARE(hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->count(), 0);
        QCOMPARE(hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_OPERATOR)->currentIndex(), -1);
    }

    void listTextWithoutFinalSeparatorKeepsItsLastEntry()
    {
        SettingsRefresh values;
        values.operators = QStringLiteral("_201___305");
        values.operatorValue = QStringLiteral("4");
        values.faxes = QStringLiteral("_3000");
        values.languages = QStringLiteral("0_2"); // codes, written by hand
        values.languageIndex = QStringLiteral("1");
        load(hostedPage(), values);
        Page& page = hostedPage();
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_OPERATOR), QStringLiteral("305"));
        QCOMPARE(itemsOf(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)),
                 (QStringList{QStringLiteral("None"), QStringLiteral("3000")}));
        QCOMPARE(itemsOf(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)),
                 (QStringList{QStringLiteral("Hebrew"), QStringLiteral("English")}));
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_LANGUAGE), QStringLiteral("English"));
    }

    void languageListFromNamesOrPlaceholders()
    {
        Page& page = hostedPage();
        auto* languages = page.dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE);
        const QStringList placeholders{QStringLiteral("1st Language"),
                                       QStringLiteral("2nd Language"),
                                       QStringLiteral("3rd Language")};

        // Working offline at start: every transfer field empty.
        zel::SendMessage(&page, zel::WM_PAGE_LOAD);
        QCOMPARE(itemsOf(languages), placeholders);
        QCOMPARE(languages->currentIndex(), 0);
        QCOMPARE(itemsOf(page.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX)),
                 QStringList{QStringLiteral("None")});
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_TYPE), QStringLiteral("Real"));
        zel::SendMessage(&page, zel::WM_PAGE_LOAD);
        QCOMPARE(itemsOf(languages), placeholders);

        SettingsRefresh values;
        values.languages = QStringLiteral("Hebrew_German_Not Installed_");
        values.languageIndex = QStringLiteral("2");
        load(page, values);
        QCOMPARE(itemsOf(languages),
                 (QStringList{QStringLiteral("Hebrew"), QStringLiteral("German"),
                              QStringLiteral("Not Installed")}));
        QCOMPARE(languages->currentIndex(), 2);

        // Three names already there: an empty list text keeps them.
        page.SetDlgItemText(zel::IDC_SETTINGS_LANGUAGE_LIST, QString());
        page.SetDlgItemText(zel::IDC_SETTINGS_LANGUAGE_INDEX, QStringLiteral("0"));
        zel::SendMessage(&page, zel::WM_PAGE_LOAD);
        QCOMPARE(itemsOf(languages).first(), QStringLiteral("Hebrew"));
        QCOMPARE(languages->currentIndex(), 0);
    }

    void selectionsOutsideTheirListsStayEmpty()
    {
        SettingsRefresh values;
        values.languageIndex = QStringLiteral("3");
        values.mailboxType = QStringLiteral("-1");
        values.localNotify = QStringLiteral("5");
        load(hostedPage(), values);
        QCOMPARE(hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_LANGUAGE)->currentIndex(), -1);
        QCOMPARE(hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_MAILBOX_TYPE)->currentIndex(),
                 -1);
        QCOMPARE(hostedPage().dlgItem<QComboBox>(zel::IDC_SETTINGS_LOCAL_NOTIFY)->currentIndex(),
                 -1);
    }

    void doNotDisturbEnabledOnlyForRealMailboxes()
    {
        Page& page = hostedPage();
        SettingsRefresh values;
        values.mailboxType = QStringLiteral("1");
        values.doNotDisturb = false;
        load(page, values);
        QVERIFY(!page.GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->isEnabled());
        // A virtual mailbox has Do Not Disturb on, so that it can be applied as shown.
        QVERIFY(page.IsDlgButtonChecked(zel::IDC_SETTINGS_DO_NOT_DISTURB));
        BoxRecorder boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(), QStringList{});
        values.mailboxType = QStringLiteral("0");
        values.doNotDisturb = true;
        load(page, values);
        QVERIFY(page.GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->isEnabled());
        QVERIFY(page.IsDlgButtonChecked(zel::IDC_SETTINGS_DO_NOT_DISTURB));
    }

    void validationFailures_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("mailboxType");
        QTest::addColumn<QString>("localNotify");
        QTest::addColumn<bool>("doNotDisturb");
        QTest::addColumn<QString>("languages");
        QTest::addColumn<QString>("languageIndex");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("openedList"); // 0: none

        const QString badPassword = QStringLiteral("Password is not valid. Please enter 4 digits");
        const QString localNotification =
            QStringLiteral("Virtual Mailboxes does not support Local Notification");
        const QString dnd = QStringLiteral("Virtual Mailboxes must be set to Do Not Disturb = Yes");
        const QString language = QStringLiteral("Selected Language is not supported");
        const QString good = QStringLiteral("Hebrew_English US_German_");
        const int pw = zel::IDC_SETTINGS_PASSWORD;

        QTest::newRow("three digits") << "123"
                                      << "0"
                                      << "0" << false << good << "0" << badPassword << pw << 0;
        QTest::newRow("empty password, everything else wrong too")
            << ""
            << "1"
            << "2" << false << "Unknown_Unknown_Unknown_"
            << "1" << badPassword << pw << 0;
        // The local notification list is never shown: the focus cannot go there, but its
        // list opens, so the user can still pick "None".
        QTest::newRow("virtual with local notification")
            << "1234"
            << "1"
            << "2" << true << good << "0" << localNotification << zel::IDC_SETTINGS_BACKUP_EXTENSION
            << zel::IDC_SETTINGS_LOCAL_NOTIFY;
        QTest::newRow("virtual, local notification out of range")
            << "1234"
            << "1"
            << "7" << true << good << "0" << localNotification << zel::IDC_SETTINGS_BACKUP_EXTENSION
            << zel::IDC_SETTINGS_LOCAL_NOTIFY;
        QTest::newRow("virtual without do not disturb, before language")
            << "1234"
            << "1"
            << "0" << false << "Unknown_Hebrew_German_"
            << "0" << dnd << zel::IDC_SETTINGS_BACKUP_EXTENSION
            << 0; // the box is disabled: focus stays
        QTest::newRow("unknown language")
            << "1234"
            << "0"
            << "2" << false << "Hebrew_Unknown_German_"
            << "1" << language << zel::IDC_SETTINGS_LANGUAGE << zel::IDC_SETTINGS_LANGUAGE;
        QTest::newRow("unknown first language: list stays closed")
            << "1234"
            << "0"
            << "0" << false << "Unknown_Hebrew_German_"
            << "0" << language << zel::IDC_SETTINGS_LANGUAGE << 0;
        QTest::newRow("not installed")
            << "1234"
            << "0"
            << "0" << false << "Hebrew_German_Not Installed_"
            << "2" << language << zel::IDC_SETTINGS_LANGUAGE << zel::IDC_SETTINGS_LANGUAGE;
        QTest::newRow("no language selected")
            << "1234"
            << "0"
            << "0" << false << good << "5" << language << zel::IDC_SETTINGS_LANGUAGE
            << zel::IDC_SETTINGS_LANGUAGE;
    }
    void validationFailures()
    {
        QFETCH(QString, password);
        QFETCH(QString, mailboxType);
        QFETCH(QString, localNotify);
        QFETCH(bool, doNotDisturb);
        QFETCH(QString, languages);
        QFETCH(QString, languageIndex);
        QFETCH(QString, message);
        QFETCH(int, focus);
        QFETCH(int, openedList);

        Page& page = hostedPage();
        SettingsRefresh values;
        values.password = password;
        values.mailboxType = mailboxType;
        values.localNotify = localNotify;
        values.doNotDisturb = doNotDisturb;
        values.languages = languages;
        values.languageIndex = languageIndex;
        load(page, values);
        // The load checks the box of a virtual mailbox; the check behind it stays all the same.
        page.CheckDlgButton(zel::IDC_SETTINGS_DO_NOT_DISTURB, doNotDisturb);
        const QStringList fieldsBefore = transferFields(page);

        PageBoxes boxes(&page);
        page.GetDlgItem(zel::IDC_SETTINGS_BACKUP_EXTENSION)->setFocus();
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);

        QCOMPARE(boxes.texts(), QStringList{message});
        const auto& box = boxes.shown().first();
        QCOMPARE(box.icon, zel::MessageBox::Exclamation);
        QCOMPARE(box.buttons, zel::MessageBox::Ok);
        QCOMPARE(box.title, zel::applicationTitle());
        // The main window hears of the failure before the user sees why; the focus moves after.
        QCOMPARE(boxes.invalids().count(), 1);
        QCOMPARE(boxes.invalids().boxesShownAtFirstArrival(), 0);
        QCOMPARE(boxes.focusAtShow.first(), page.GetDlgItem(zel::IDC_SETTINGS_BACKUP_EXTENSION));
        QCOMPARE(page.focusWidget(), page.GetDlgItem(focus));

        if (focus == zel::IDC_SETTINGS_PASSWORD)
            QCOMPARE(page.dlgItem<QLineEdit>(focus)->selectedText(), password);
        for (int id : {zel::IDC_SETTINGS_LANGUAGE, zel::IDC_SETTINGS_LOCAL_NOTIFY}) {
            auto* combo = page.dlgItem<QComboBox>(id);
            QCOMPARE(popupShown(combo), id == openedList);
            combo->hidePopup();
        }
        QCOMPARE(transferFields(page), fieldsBefore);
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_PASSWORD), password);
    }

    void successWritesSelectionsBack_data()
    {
        QTest::addColumn<SettingsRefresh>("values");
        // language, mailbox type, local notification, operator, fax
        QTest::addColumn<QStringList>("written");

        SettingsRefresh plain;
        QTest::newRow("as loaded") << plain << strings({"0", "0", "0", "1", "2"});
        SettingsRefresh emptySlot;
        emptySlot.operatorValue = QStringLiteral("0");
        emptySlot.faxValue = QStringLiteral("3");
        emptySlot.languageIndex = QStringLiteral("2");
        QTest::newRow("empty slots become the first entries")
            << emptySlot << strings({"2", "0", "0", "1", "0"});
        SettingsRefresh virtualBox;
        virtualBox.mailboxType = QStringLiteral("1");
        virtualBox.doNotDisturb = true;
        virtualBox.operatorValue = QStringLiteral("4");
        QTest::newRow("virtual with do not disturb")
            << virtualBox << strings({"0", "1", "0", "4", "2"});
        SettingsRefresh realAnything;
        realAnything.localNotify = QStringLiteral("9");
        realAnything.operators = QStringLiteral("________");
        realAnything.languages = QString(); // the placeholders
        QTest::newRow("real: local notification unchecked, nothing selected written as -1")
            << realAnything << strings({"0", "0", "-1", "-1", "2"});
    }
    void successWritesSelectionsBack()
    {
        QFETCH(SettingsRefresh, values);
        QFETCH(QStringList, written);
        Page& page = hostedPage();
        load(page, values);
        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(boxes.invalids().count(), 0);
        QStringList fields;
        for (int id = zel::IDC_SETTINGS_LANGUAGE_INDEX; id <= zel::IDC_SETTINGS_FAX_VALUE; ++id)
            fields.append(page.GetDlgItemText(id));
        QCOMPARE(fields, written);
    }

    void validationReadsTheUsersCurrentChoices()
    {
        Page& page = hostedPage();
        load(page, SettingsRefresh{});
        QTest::mouseClick(page.GetDlgItem(zel::IDC_SETTINGS_FAX), Qt::LeftButton);
        auto* fax = page.dlgItem<QComboBox>(zel::IDC_SETTINGS_FAX);
        QTest::keyClick(fax->view(), Qt::Key_Up);
        QTest::keyClick(fax->view(), Qt::Key_Return);
        QCOMPARE(fax->currentText(), QStringLiteral("None"));
        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.invalids().count(), 0);
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_FAX_VALUE), QStringLiteral("0"));
    }

    void resetPutsTheDefaultPasswordIn()
    {
        Page& page = hostedPage();
        SettingsRefresh values;
        values.password = QStringLiteral("12");
        load(page, values);
        QTest::mouseClick(page.dlgItem<QPushButton>(zel::IDC_SETTINGS_RESET), Qt::LeftButton);
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_PASSWORD), QStringLiteral("5823"));
        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(), QStringList{});
    }

    void choosingTheMailboxTypeSetsDoNotDisturb()
    {
        Page& page = hostedPage();
        SettingsRefresh values;
        values.localNotify = QStringLiteral("3");
        load(page, values);
        auto* type = page.dlgItem<QComboBox>(zel::IDC_SETTINGS_MAILBOX_TYPE);
        type->setCurrentIndex(1);
        Q_EMIT type->activated(1);
        QVERIFY(page.IsDlgButtonChecked(zel::IDC_SETTINGS_DO_NOT_DISTURB));
        QVERIFY(!page.GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->isEnabled());
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_LOCAL_NOTIFY), QStringLiteral("None"));
        PageBoxes boxes;
        zel::SendMessage(&page, zel::WM_PAGE_VALIDATE);
        QCOMPARE(boxes.texts(), QStringList{});
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_MAILBOX_TYPE_VALUE), QStringLiteral("1"));

        type->setCurrentIndex(0);
        Q_EMIT type->activated(0);
        QVERIFY(!page.IsDlgButtonChecked(zel::IDC_SETTINGS_DO_NOT_DISTURB));
        QVERIFY(page.GetDlgItem(zel::IDC_SETTINGS_DO_NOT_DISTURB)->isEnabled());
    }

    void typingStopsAtTheLimits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("password") << zel::IDC_SETTINGS_PASSWORD << "123456"
                                  << "1234";
        QTest::newRow("password digits only") << zel::IDC_SETTINGS_PASSWORD << "1a2-3 4"
                                              << "1234";
        QTest::newRow("backup extension") << zel::IDC_SETTINGS_BACKUP_EXTENSION << "12345678"
                                          << "123456";
        QTest::newRow("backup digits only") << zel::IDC_SETTINGS_BACKUP_EXTENSION << "+12x"
                                            << "12";
    }
    void typingStopsAtTheLimits()
    {
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QTest::keyClicks(hostedPage().GetDlgItem(id), typed);
        QCOMPARE(hostedPage().GetDlgItemText(id), kept);
    }

    void refreshTextIsNotCut()
    {
        hostedPage().SetDlgItemText(zel::IDC_SETTINGS_BACKUP_EXTENSION, QStringLiteral("12345678"));
        QCOMPARE(hostedPage().GetDlgItemText(zel::IDC_SETTINGS_BACKUP_EXTENSION),
                 QStringLiteral("12345678"));
    }

    void enterAndEscapeLeaveThePageAlone()
    {
        Page& page = hostedPage();
        load(page, SettingsRefresh{});
        PageBoxes boxes;
        page.GetDlgItem(zel::IDC_SETTINGS_PASSWORD)->setFocus();
        QTest::keyClick(page.GetDlgItem(zel::IDC_SETTINGS_PASSWORD), Qt::Key_Return);
        QTest::keyClick(page.GetDlgItem(zel::IDC_SETTINGS_ANNOUNCER), Qt::Key_Enter);
        QTest::keyClick(page.GetDlgItem(zel::IDC_SETTINGS_PASSWORD), Qt::Key_Escape);
        QVERIFY(page.isVisible());
        QVERIFY(page.isWindowAlive());
        QVERIFY(!page.IsDlgButtonChecked(zel::IDC_SETTINGS_ANNOUNCER));
        QCOMPARE(page.GetDlgItemText(zel::IDC_SETTINGS_PASSWORD), QStringLiteral("4321"));
        QCOMPARE(boxes.texts(), QStringList{});
    }
};

#include "tst_settings_page.moc"

int runSettingsPageTest(int argc, char** argv)
{
    SettingsPageTest test;
    return QTest::qExec(&test, argc, argv);
}
