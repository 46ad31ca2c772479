#include "platform/Dialog.h"
#include "platform/DialogFont.h"
#include "platform/InputBlock.h"
#include "platform/Ipv4AddressEdit.h"
#include "platform/PrivateMessage.h"
#include "platform/TabControl.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zel;
using namespace Qt::StringLiterals;

namespace {

constexpr int kLimitedEdit = 10;
constexpr int kDigitsEdit = 11;
constexpr int kCombo = 13;
constexpr int kList = 14;
constexpr int kCheck = 15;
constexpr int kAddress = 16;
constexpr int kNoTabStopEdit = 17;
constexpr int kPicture = 18;
constexpr int kPassword = 19;
constexpr int kComboLabel = 21;

constexpr ControlTemplate kControls[] = {
    {kLimitedEdit, ControlKind::Edit, "", 10, 10, 40, 14, TabStop, 4, 0},
    {kDigitsEdit, ControlKind::Edit, "", 10, 30, 40, 14, TabStop | DigitsOnly, 0, 0},
    {kStaticId, ControlKind::Label, "&Name:", 60, 10, 40, 8, NoStyle, 0, 0},
    {kComboLabel, ControlKind::Label, "Choice", 10, 41, 60, 8, NoStyle, 0, 0},
    {kCombo, ControlKind::DropDownCombo, "", 10, 50, 60, 40, TabStop, 0, 0},
    {kList, ControlKind::DropDownList, "", 80, 50, 60, 40, TabStop, 0, 0},
    {kCheck, ControlKind::CheckBox, "Check me", 10, 70, 60, 10, TabStop, 0, 0},
    {kAddress, ControlKind::Ipv4Address, "", 80, 70, 80, 14, TabStop, 0, 0},
    {kNoTabStopEdit, ControlKind::Edit, "", 10, 90, 40, 14, NoStyle, 0, 0},
    {kPicture, ControlKind::Picture, ":/no/such/picture.png", 60, 90, 20, 20, NoStyle, 0, 0},
    {kPassword, ControlKind::Edit, "", 100, 10, 40, 14, TabStop | PasswordChars, 4, 0},
    {IDOK, ControlKind::DefPushButton, "OK", 100, 100, 40, 14, TabStop, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 150, 100, 40, 14, TabStop, 0, 0},
    {22, ControlKind::Edit, "", 75, 41, 8, 14, Hidden | Disabled, 0, 0}, // only carries a value
};
constexpr DialogTemplate kTemplate{
    100,      "", "Platform test dialog", 200, 120, "MS Sans Serif", 8, SystemMenu | ModalFrame,
    kControls};

constexpr ControlTemplate kPageControls[] = {
    {20, ControlKind::Edit, "", 5, 5, 40, 14, TabStop, 0, 0},
};
constexpr DialogTemplate kPageTemplate{101, "",          "Page",       100, 40, "MS Sans Serif",
                                       8,   ChildDialog, kPageControls};

// Records what the framework hooks receive.
class ProbeDialog : public Dialog
{
public:
    using Dialog::Dialog;
    int endDuringInit = 0; // EndDialog(this) inside OnInitDialog when not 0
    std::function<void()> duringInit;
    int okCalls = 0;
    bool passOnHelp = false;
    QList<int> messages;
    QList<HelpInfo> helpRequests;
    int shows = 0;

protected:
    bool OnInitDialog() override
    {
        if (duringInit)
            duringInit();
        if (endDuringInit)
            EndDialog(endDuringInit);
        return true;
    }
    void OnOK() override
    {
        ++okCalls;
        if (!(dialogTemplate().styles & ChildDialog))
            Dialog::OnOK();
    }
    bool WindowProc(int message) override
    {
        messages.append(message);
        return true;
    }
    bool OnHelpInfo(const HelpInfo& info) override
    {
        helpRequests.append(info);
        return !passOnHelp;
    }
    void showEvent(QShowEvent* event) override
    {
        ++shows;
        Dialog::showEvent(event);
    }
};

void typeInto(QWidget* widget, const QString& text)
{
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

void paste(QLineEdit* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// A click as the window system delivers it: through the window handle, so that QApplication
// moves the focus and closes pop-ups as it does for a real click.
void clickAsUser(QWidget* target, QPoint pos = {})
{
    if (pos.isNull())
        pos = target->rect().center();
    QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(target->window(), pos));
}

// What the user can try on a window: click OK, press Enter and Escape, close it through its
// window handle as the window manager does.
void tryEverything(ProbeDialog& window)
{
    clickAsUser(window.GetDlgItem(IDOK));
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCloseEvent close;
    QCoreApplication::sendEvent(window.windowHandle(), &close);
    window.windowHandle()->close();
}

} // namespace

class DialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::closeAllWindows(); }

    void buildsControlsInDialogUnits()
    {
        Dialog dialog(kTemplate);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Platform test dialog"));
        // The template's font stands for the platform's: on Windows the system's message font
        // at its own size. Never a bitmap font, which no scaling draws crisply.
#ifndef Q_OS_WIN
        QCOMPARE(dialog.font().pointSize(), 8);
#endif
        if (!QFontDatabase::families().isEmpty()) // Qt's offscreen platform on Windows has none
            QVERIFY(QFontDatabase::isSmoothlyScalable(QFontInfo(dialog.font()).family()));
        const QFontMetrics metrics(dialog.font());
        // Dialog units follow the width of real text: 52 letters fill about 4 * 52 units.
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        QVERIFY(qAbs(dialog.dialogUnitsToPixels(0, 0, 4 * 52, 8).width() - letters) <= 26);
        const int unitX = dialog.baseUnitX();
        const int unitY = metrics.height();
        const QRect expected(QPoint(10 * unitX / 4, 30 * unitY / 8),
                             QPoint(50 * unitX / 4 - 1, 44 * unitY / 8 - 1));
        QCOMPARE(dialog.GetDlgItem(kDigitsEdit)->geometry(), expected);
        QCOMPARE(dialog.GetDlgItem(kCombo)->height(),
                 dialog.GetDlgItem(kCombo)->sizeHint().height());
        QCOMPARE(dialog.size(), dialog.dialogUnitsToPixels(0, 0, 200, 120).size());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        QCOMPARE(dialog.GetDlgItem(kCheck)->objectName(), QStringLiteral("ctl15"));
        QVERIFY(dialog.dlgItem<QComboBox>(kCombo)->isEditable());
        QVERIFY(!dialog.dlgItem<QComboBox>(kList)->isEditable());
        QVERIFY(dialog.dlgItem<Ipv4AddressEdit>(kAddress));
        QVERIFY(dialog.dlgItem<QPushButton>(IDOK)->isDefault());
        QVERIFY(!dialog.GetDlgItem(999));
        QCOMPARE(dialog.controlId(dialog.GetDlgItem(kList)), kList);
        QVERIFY(dialog.dlgItem<QLabel>(kPicture)->pixmap().isNull());
    }

    // A scalable font stays the dialogs' font, never swapped for a fallback; on Windows it is
    // Tahoma, as Windows maps the shell dialog font.
    void dialogFontIsThePlatformsWhereItScales()
    {
#ifdef Q_OS_WIN
        const QString family = u"Tahoma"_s;
#else
        const auto restore =
            qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        const QString family =
            QFontDatabase::families().value(QFontDatabase::families().size() / 2);
        QApplication::setFont(QFont(family));
#endif
        if (!QFontDatabase::isSmoothlyScalable(family))
            QSKIP("no such scalable font here");
        QCOMPARE(Dialog(kTemplate).font().family(), family);
    }

    // The main window's frame (410 x 346 dialog units, 31 px caption) on work areas of laptops
    // at 150 % and 125 %: the largest font in half points that fits, down to the smallest.
    void windowFitsTheWorkArea_data()
    {
        QTest::addColumn<QSize>("baseUnits"); // at 8 pt
        QTest::addColumn<int>("workArea");
        QTest::addColumn<qreal>("pointSize");
        for (const auto& [units, sizes] : {std::pair{QSize(6, 13), std::pair{8.0, 7.5}},
                                           {QSize(7, 16), {7.0, 6.0}},
                                           {QSize(8, 18), {6.5, 6.0}}}) {
            QTest::addRow("%dx%d, 672", units.width(), units.height())
                << units << 672 << sizes.first;
            QTest::addRow("%dx%d, 574", units.width(), units.height())
                << units << 574 << sizes.second;
        }
    }

    void windowFitsTheWorkArea()
    {
        QFETCH(QSize, baseUnits);
        QFETCH(int, workArea);
        const auto unitsAt = [&](qreal size) {
            return QSize(int(baseUnits.width() * size / 8), int(baseUnits.height() * size / 8));
        };
        QTEST(fittingPointSize(8, {410, 346}, {1, 31, 1, 1}, {1280, workArea}, unitsAt),
              "pointSize");
    }

    void screenReadersHearWhatIsShown()
    {
        Dialog dialog(kTemplate);
        QCOMPARE(accessibleName(dialog.GetDlgItem(kCheck)), QStringLiteral("Check me"));
        dialog.SetDlgItemText(kCheck, QStringLiteral("&Now this"));
        QCOMPARE(accessibleName(dialog.GetDlgItem(kCheck)), QStringLiteral("Now this"));
        auto* comboLabel = dialog.dlgItem<QLabel>(kComboLabel);
        dialog.SetDlgItemText(kComboLabel, QStringLiteral("Changed"));
        QCOMPARE(accessibleName(comboLabel), QStringLiteral("Changed"));

        // Each edit and combo is labelled by the label in front of it: to its left on the
        // same line (not one with another control in between), or right above it.
        auto* name = dialog.findChild<QLabel*>(QStringLiteral("ctl-1"));
        QCOMPARE(name->buddy(), dialog.GetDlgItem(kPassword));
        QCOMPARE(accessibleName(dialog.GetDlgItem(kPassword)), QStringLiteral("Name:"));
        QCOMPARE(comboLabel->buddy(), dialog.GetDlgItem(kCombo));
        const auto labels = QAccessible::queryAccessibleInterface(dialog.GetDlgItem(kCombo))
                                ->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), comboLabel);
        QCOMPARE(accessibleName(dialog.GetDlgItem(kCombo)), QStringLiteral("Changed"));
        QVERIFY(accessibleName(dialog.GetDlgItem(kList)).isEmpty());
    }

    void tabOrderFollowsTemplate()
    {
        Dialog dialog(kTemplate);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* address = dialog.dlgItem<Ipv4AddressEdit>(kAddress);
        const QList<QWidget*> expected{dialog.GetDlgItem(kLimitedEdit),
                                       dialog.GetDlgItem(kDigitsEdit),
                                       dialog.GetDlgItem(kCombo),
                                       dialog.GetDlgItem(kList),
                                       dialog.GetDlgItem(kCheck),
                                       address->field(0),
                                       address->field(1),
                                       address->field(2),
                                       address->field(3),
                                       dialog.GetDlgItem(kPassword),
                                       dialog.GetDlgItem(IDOK),
                                       dialog.GetDlgItem(IDCANCEL),
                                       dialog.GetDlgItem(kLimitedEdit)};
        expected.first()->setFocus();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected.at(i));
        }
        QCOMPARE(dialog.GetDlgItem(kNoTabStopEdit)->focusPolicy(), Qt::ClickFocus);
    }

    void editRulesHoldForTypingOnly()
    {
        Dialog dialog(kTemplate);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* limited = dialog.dlgItem<QLineEdit>(kLimitedEdit);

        typeInto(limited, QStringLiteral("abcdef"));
        QCOMPARE(limited->text(), QStringLiteral("abcd"));

        dialog.SetDlgItemText(kLimitedEdit, QStringLiteral("123456"));
        QCOMPARE(dialog.GetDlgItemText(kLimitedEdit), QStringLiteral("123456"));
        limited->end(false);
        QTest::keyClicks(limited, QStringLiteral("7"));
        QCOMPARE(limited->text(), QStringLiteral("123456"));
        QTest::keyClick(limited, Qt::Key_Backspace);
        QCOMPARE(limited->text(), QStringLiteral("12345"));

        // A paste goes in as far as it fits beside the text that stays.
        limited->clear();
        paste(limited, QStringLiteral("123456"));
        QCOMPARE(limited->text(), QStringLiteral("1234"));
        dialog.SetDlgItemText(kLimitedEdit, QStringLiteral("ab"));
        limited->setCursorPosition(1);
        paste(limited, QStringLiteral("123"));
        QCOMPARE(limited->text(), QStringLiteral("a12b"));
        QCOMPARE(limited->cursorPosition(), 3);
        dialog.SetDlgItemText(kLimitedEdit, QStringLiteral("1234567")); // longer than the limit
        limited->selectAll();
        paste(limited, QStringLiteral("abcde"));
        QCOMPARE(limited->text(), QStringLiteral("abcd"));

        auto* password = dialog.dlgItem<QLineEdit>(kPassword);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        typeInto(password, QStringLiteral("123456"));
        QCOMPARE(password->text(), QStringLiteral("1234"));

        auto* digits = dialog.dlgItem<QLineEdit>(kDigitsEdit);
        typeInto(digits, QStringLiteral("1a2-3 4"));
        QCOMPARE(digits->text(), QStringLiteral("1234"));
        // A refused character says why until the next key; a paste keeps what the edit takes.
        const auto tip = [digits] { return digits->findChild<QLabel*>(); };
        QTest::keyClick(digits, Qt::Key_X);
        QVERIFY(tip() && tip()->isVisible());
        QCOMPARE(tip()->text(), QStringLiteral("Only digits can be typed here."));
        QTest::keyClick(digits, Qt::Key_5);
        QVERIFY(!tip()->isVisible());
        paste(digits, QStringLiteral("6\u20137"));
        QVERIFY(tip()->isVisible());
        QCOMPARE(digits->text(), QStringLiteral("1234567"));
        QCOMPARE(digits->cursorPosition(), 7);
        dialog.SetDlgItemInt(kDigitsEdit, -5);
        QCOMPARE(digits->text(), QStringLiteral("-5"));
        digits->end(false);
        QTest::keyClick(digits, Qt::Key_Backspace);
        QCOMPARE(digits->text(), QStringLiteral("-"));
    }

    void readsUnsignedIntegers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("value");
        QTest::newRow("plain") << QStringLiteral("305") << 305u;
        QTest::newRow("trailing text") << QStringLiteral("42abc") << 42u;
        QTest::newRow("minus") << QStringLiteral("-1") << 0u;
        QTest::newRow("leading space") << QStringLiteral(" 12") << 0u;
        QTest::newRow("plus") << QStringLiteral("+3") << 0u;
        QTest::newRow("wraps past 32 bits") << QStringLiteral("4294967301") << 5u;
        QTest::newRow("letters") << QStringLiteral("abc") << 0u;
        QTest::newRow("empty") << QString() << 0u;
    }

    void readsUnsignedIntegers()
    {
        QFETCH(QString, text);
        QFETCH(unsigned, value);
        Dialog dialog(kTemplate);
        dialog.SetDlgItemText(kLimitedEdit, text);
        QCOMPARE(dialog.GetDlgItemInt(kLimitedEdit), value);
    }

    void comboTextAndSelection()
    {
        Dialog dialog(kTemplate);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* combo = dialog.dlgItem<QComboBox>(kCombo);
        combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
        combo->setCurrentIndex(1);

        typeInto(combo->lineEdit(), QStringLiteral("x"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(dialog.GetDlgItemText(kCombo), QStringLiteral("Twox"));
        // Typed text never selects, even when it names an item: not on Enter, not when the
        // focus leaves.
        QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(combo->currentIndex(), -1);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("On"));
        QCOMPARE(combo->lineEdit()->text(), QStringLiteral("On")); // no completion
        QTest::keyClick(combo->lineEdit(), Qt::Key_E);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QVERIFY(!combo->hasFocus());
        QCOMPARE(combo->currentIndex(), -1);
        combo->setFocus();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return); // ends the dialog too
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(dialog.GetDlgItemText(kCombo), QStringLiteral("One"));
        // Choosing from the list does select.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(combo->model()->index(1, 0)).center());
        QCOMPARE(combo->currentIndex(), 1);

        dialog.SetDlgItemText(kCombo, QStringLiteral("One"));
        QCOMPARE(combo->currentIndex(), 0);

        auto* list = dialog.dlgItem<QComboBox>(kList);
        list->addItems({QStringLiteral("A"), QStringLiteral("B")});
        dialog.SetDlgItemText(kList, QStringLiteral("B"));
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(dialog.GetDlgItemText(kList), QStringLiteral("B"));

        dialog.CheckDlgButton(kCheck, true);
        QVERIFY(dialog.IsDlgButtonChecked(kCheck));
        QVERIFY(dialog.dlgItem<QCheckBox>(kCheck)->isChecked());
    }

    void endingDuringInitNeverShows()
    {
        ProbeDialog dialog(kTemplate);
        dialog.endDuringInit = IDCANCEL;
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QCOMPARE(dialog.shows, 0);
        QVERIFY(!dialog.isWindowAlive());
    }

    void modalRunEndsThroughTheFrameworkHooks()
    {
        ProbeDialog dialog(kTemplate);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.DoModal(), IDOK);
        QCOMPARE(dialog.okCalls, 1);
        QVERIFY(!dialog.isWindowAlive());

        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QCOMPARE(dialog.okCalls, 1);
    }

    void blockedWindowTakesNoInputAndKeepsItsState()
    {
        ProbeDialog window(kTemplate);
        window.Create(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* combo = window.dlgItem<QComboBox>(kList);
        combo->addItems({QStringLiteral("A"), QStringLiteral("B")});
        auto* edit = window.dlgItem<QLineEdit>(kLimitedEdit);
        window.SetDlgItemText(kLimitedEdit, QStringLiteral("12"));
        edit->setFocus();
        combo->showPopup();
        QCoreApplication::processEvents(); // the list becomes the active pop-up
        edit->selectAll();
        QAbstractItemView* list = combo->view();
        const QPoint itemB = list->visualRect(combo->model()->index(1, 0)).center();
        {
            const InputBlock block(edit);
            QVERIFY(InputBlock::isBlocked(list));
            tryEverything(window);
            QTest::keyClick(edit, Qt::Key_X);
            clickAsUser(list->viewport(), itemB);
            clickAsUser(window.GetDlgItem(kCheck));

            QCOMPARE(window.okCalls, 0);
            QVERIFY(window.isVisible() && window.isWindowAlive());
            QCOMPARE(edit->text(), QStringLiteral("12"));
            QVERIFY(!window.IsDlgButtonChecked(kCheck));
            QCOMPARE(combo->currentIndex(), 0);
            QVERIFY(list->isVisible());
            // Drawn as it is: nothing disabled, focus and selection kept.
            QVERIFY(window.isEnabled() && combo->isEnabled());
            QCOMPARE(window.focusWidget(), edit);
            QCOMPARE(edit->selectedText(), QStringLiteral("12"));
        }
        QVERIFY(!InputBlock::isBlocked(list));
        clickAsUser(list->viewport(), itemB);
        QCOMPARE(combo->currentIndex(), 1);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window.okCalls, 1);
    }

    void modalRunBlocksTheOtherWindowsFromItsOpeningStep()
    {
        ProbeDialog owner(kTemplate);
        owner.Create(nullptr);
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        ProbeDialog nested(kTemplate); // exists before the outer run starts
        ProbeDialog modal(kTemplate, &owner);
        modal.duringInit = [&] {
            tryEverything(owner);
            QCOMPARE(owner.okCalls, 0);
            QVERIFY(owner.isVisible() && owner.isWindowAlive());
        };
        bool nestedRan = false;
        QTimer::singleShot(0, &modal, [&] {
            QTimer::singleShot(0, &nested, [&] { QTest::keyClick(&nested, Qt::Key_Return); });
            nestedRan = nested.DoModal() == IDOK;
            QTest::keyClick(&modal, Qt::Key_Escape);
        });
        QCOMPARE(modal.DoModal(), IDCANCEL);
        QVERIFY(nestedRan);
        QCOMPARE(owner.okCalls, 0);

        clickAsUser(owner.GetDlgItem(IDOK));
        QCOMPARE(owner.okCalls, 1);
    }

    void tabControlSwitchesPagesFromTheKeyboard()
    {
        QWidget window;
        auto* tabs = new TabControl(&window);
        auto* edit = new QLineEdit(&window);
        edit->move(0, 60);
        for (const char* caption : {"One", "Two", "Three"})
            tabs->tabBar()->addTab(QString::fromUtf8(caption));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QSignalSpy switches(tabs->tabBar(), &QTabBar::currentChanged);

        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_PageDown, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier); // wraps to the first
        QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_PageUp, Qt::ControlModifier);
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        {
            const InputBlock block(&window);
            QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
        }
        QList<int> seen;
        for (const QList<QVariant>& change : std::as_const(switches))
            seen.append(change.first().toInt());
        QCOMPARE(seen, (QList<int>{1, 2, 0, 2, 1, 0, 1}));
    }

    void findWindowSeesOnlyLiveDialogs()
    {
        ProbeDialog dialog(kTemplate);
        const QString caption = QStringLiteral("Platform test dialog");
        QVERIFY(!FindWindow(caption));
        dialog.Create(nullptr);
        QVERIFY(dialog.isHidden());
        QCOMPARE(FindWindow(caption), &dialog);
        dialog.EndDialog(IDOK);
        QVERIFY(!FindWindow(caption));
    }

    void privateMessagesArriveSynchronously()
    {
        constexpr int kFirst = WM_USER + 1;
        constexpr int kSecond = WM_USER + 2;
        ProbeDialog dialog(kTemplate);
        SendMessage(&dialog, kFirst);
        QCOMPARE(dialog.messages, QList<int>{kFirst});
        SendMessage(nullptr, kFirst);

        setMainWindow(&dialog);
        SendMessage(AfxGetMainWnd(), kSecond);
        QCOMPARE(dialog.messages.last(), kSecond);
        setMainWindow(nullptr);
        QVERIFY(!AfxGetMainWnd());
    }

    void pageKeysAndHelpReachTheRightWindow()
    {
        ProbeDialog window(kTemplate);
        ProbeDialog page(kPageTemplate);
        page.Create(window.GetDlgItem(kNoTabStopEdit)->parentWidget());
        QVERIFY(!page.isWindow());
        page.move(0, 0);
        page.show();
        window.Create(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* pageEdit = page.GetDlgItem(20);
        pageEdit->setFocus();

        QTest::keyClick(pageEdit, Qt::Key_Return);
        QCOMPARE(page.okCalls, 1);
        QVERIFY(page.isVisible());
        QCOMPARE(window.okCalls, 0);

        QTest::keyClick(pageEdit, Qt::Key_F1);
        QCOMPARE(page.helpRequests.size(), 1);
        QCOMPARE(page.helpRequests.first().controlId, 20);
        QCOMPARE(page.helpRequests.first().control, pageEdit);
        QVERIFY(window.helpRequests.isEmpty());
        page.passOnHelp = true;
        QTest::keyClick(pageEdit, Qt::Key_F1);
        QCOMPARE(window.helpRequests.size(), 1);
        QCOMPARE(window.helpRequests.first().controlId, 20);

        auto* combo = window.dlgItem<QComboBox>(kCombo);
        combo->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(window.helpRequests.last().controlId, kCombo);

        page.passOnHelp = false;
        QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(2, 2), pageEdit->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(pageEdit, &whatsThis);
        QVERIFY(whatsThis.isAccepted());
        QCOMPARE(page.helpRequests.size(), 3);
        QCOMPARE(page.helpRequests.last().control, pageEdit);

        QTest::keyClick(pageEdit, Qt::Key_Escape);
        QVERIFY(page.isWindowAlive());
        QVERIFY(!window.isWindowAlive());
    }
};

int runDialogTests(int argc, char** argv)
{
    DialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialog.moc"
