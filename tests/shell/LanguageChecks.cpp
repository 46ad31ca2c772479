#include "LanguageChecks.h"

#include "exchange/CApplyDlg.h"
#include "exchange/CRefreshDlg.h"
#include "pages/LanguageName.h"
#include "platform/Dialog.h"
#include "platform/Ipv4AddressEdit.h"
#include "platform/MessageBox.h"
#include "platform/TabControl.h"
#include "res/DialogTemplates.h"
#include "res/HelpText.h"
#include "res/resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOption>
#include <QTabBar>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

QString pseudo(const QString& source)
{
    // Every ASCII letter has an accented twin, so that a plain letter always means English.
    static const QString twins =
        QStringLiteral("àƀçðéƒĝĥîĵķļɱñöṕʠŕšţûṽŵẋýžÀƁÇÐÉƑĜĤÎĴĶĻṀÑÖṔɊŔŠŢÛṼŴẊÝŽ");
    QString text = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t c = source[i].unicode();
        if (c == u'%' && i + 1 < source.size()) // a placeholder stays as it is
            text += source.mid(i++, 2);
        else if (c >= u'a' && c <= u'z')
            text += twins[c - u'a'];
        else if (c >= u'A' && c <= u'Z')
            text += twins[26 + c - u'A'];
        else
            text += source[i];
    }
    return text + u' ' + QString(source.size() / 3 + 1, u'~') + u']';
}

QString messageKey(const QString& context, const QString& source)
{
    return context + u'\n' + source;
}

bool leftInEnglish(const QString& text)
{
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    return text.contains(letter);
}

// A text the program gives a control besides its template's, with the widest value of its
// placeholder.
struct OtherText
{
    const char* source;
    const char* placeholder = "";
};

// Such texts by the control's window and id: each is measured, whether a run shows it or not. A
// text whose translator comment gives it a room and that no run measures fails the check.
const QHash<QPair<QString, int>, QList<OtherText>> kOtherTexts{
    {{QStringLiteral("CNotificationsPage"), zel::IDC_NOTIFICATIONS_EXTERNAL_ALLOWED_TEXT},
     {{"External notification is Allowed"}, {"External notification is Not Allowed"}}},
    {{QStringLiteral("CRefreshDlg"), zel::IDC_EXCHANGE_STATUS_LINE1},
     {{"Connecting the device ..."},
      {"To view your mailbox settings"},
      {"Please enter Password for mailbox %s", "888888"},
      {"Incorrect Password, Please try again"}}},
    {{QStringLiteral("CApplyDlg"), zel::IDC_EXCHANGE_STATUS_LINE1},
     {{"Connecting the device ..."},
      {"To apply your mailbox settings press OK"},
      {"Waiting for Acknowledge..."}}},
    {{QStringLiteral("CRefreshDlg"), zel::IDC_EXCHANGE_STATUS_LINE2}, {{"Press OK"}}},
    {{QStringLiteral("CApplyDlg"), zel::IDC_EXCHANGE_STATUS_LINE2}, {{"Press OK"}}},
    {{QStringLiteral("CAboutDlg"), zel::IDC_ABOUT_NOTICES},
     {{"Licences: %1", "THIRD-PARTY-NOTICES.txt"}}},
    {{QStringLiteral("CSettingsPage"), zel::IDC_SETTINGS_LANGUAGE},
     {{"1st Language"}, {"2nd Language"}, {"3rd Language"}}},
    // The longest extension the device hands over: seven digits.
    {{QStringLiteral("CSettingsPage"), zel::IDC_SETTINGS_OPERATOR}, {{"%1", "8888888"}}},
    {{QStringLiteral("CSettingsPage"), zel::IDC_SETTINGS_FAX}, {{"%1", "8888888"}}},
};

// With each placeholder at its widest, or left out (to look for English, which a file's name is).
QStringList otherTextsOf(const zel::Dialog& dialog, QWidget* control, bool widest = true)
{
    const QString context = QString::fromUtf8(dialog.dialogTemplate().context);
    const int id = dialog.controlId(control);
    QStringList texts;
    for (const OtherText& other : kOtherTexts.value({context, id})) {
        const QString value = widest ? QString::fromUtf8(other.placeholder) : QString();
        texts << QCoreApplication::translate(qPrintable(context), other.source)
                     .replace(QStringLiteral("%s"), value)
                     .replace(QStringLiteral("%1"), value);
    }
    if (context == u"CSettingsPage" && id == zel::IDC_SETTINGS_LANGUAGE) {
        for (int code = -1; code <= 255; ++code) // every name, "Not Installed" and "Unknown"
            texts << LanguageName(code);
        texts.removeDuplicates();
    }
    return texts;
}

// Whether `text` fits the room the style gives it in a label, group box, button or combo box.
bool fits(QWidget* control, const QString& text)
{
    const QFontMetrics metrics = control->fontMetrics();
    QRect room, needed;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        room = label->contentsRect();
        needed = metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text);
        // Counted in lines: a font's rounding may make one line a pixel taller than the
        // height its dialog units are measured in, which the text does not need.
        const int lines = std::max(1, qRound(double(needed.height()) / metrics.lineSpacing()));
        const int roomLines = std::max(1, room.height() / metrics.height());
        return needed.width() <= room.width() && lines <= roomLines;
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text;
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel;
        room = group->rect();
        needed = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                QStyle::SC_GroupBoxLabel, group);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool checkBox = qobject_cast<QCheckBox*>(button);
        if (!checkBox)
            option.features = QStyleOptionButton::AutoDefaultButton; // as every push button is
        room = button->style()->subElementRect(checkBox ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_PushButtonContents,
                                               &option, button);
        needed = QRect(room.topLeft(), metrics.size(Qt::TextShowMnemonic, text));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo);
        needed = QRect(room.topLeft(), QSize(metrics.horizontalAdvance(text), 1));
    } else {
        return true;
    }
    return room.contains(needed);
}

// Every text a control shows or reads out, its help topic included; what it draws comes last.
QStringList textsOf(const zel::Dialog& dialog, QWidget* control)
{
    QStringList texts{control->accessibleName(), control->accessibleDescription(),
                      zel::res::contextHelpText(dialog.helpContextOf(dialog.controlId(control)))};
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        texts << otherTextsOf(dialog, control, false);
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto* address = qobject_cast<zel::Ipv4AddressEdit*>(control))
        for (int i = 0; i < 4; ++i)
            texts << address->field(i)->accessibleName();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        texts << group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        texts << otherTextsOf(dialog, control, false) << label->text();
    return texts;
}

struct TsMessage
{
    QString context, source, translation, comment;
    bool finished = false;
};

QList<TsMessage> messagesOf(const QString& tsPath)
{
    QFile file(tsPath);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader ts(&file);
    QList<TsMessage> messages;
    QString context;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"name") {
            context = ts.readElementText();
        } else if (ts.name() == u"source") {
            messages.append({context, ts.readElementText(), {}, {}});
        } else if (ts.name() == u"extracomment") {
            messages.last().comment = ts.readElementText();
        } else if (ts.name() == u"translation") {
            messages.last().finished = ts.attributes().value(QStringLiteral("type")).isEmpty();
            messages.last().translation = ts.readElementText();
        }
    }
    return messages;
}

const QDir kTranslations(QStringLiteral(ZEL_SOURCE_DIR "/translations"));

// A text's placeholders, line breaks and accelerator.
QStringList marksOf(const QString& text)
{
    static const QRegularExpression mark(QStringLiteral("%[1-9s]|\n|&(?!&)"));
    QStringList marks;
    for (const auto& match : mark.globalMatch(text))
        marks << match.captured();
    marks.sort();
    return marks;
}

} // namespace

QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")}))
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

QStringList translationProblems(const QString& language)
{
    const QList<TsMessage> messages =
        messagesOf(kTranslations.filePath(QStringLiteral("zel_%1.ts").arg(language)));
    QStringList problems;
    if (messages.size() != PseudoTranslator().size()) // one of the sources' messages is missing
        problems << QString::number(messages.size());
    QStringList accelerators;
    for (const TsMessage& message : messages) {
        if (!message.finished || message.translation.isEmpty() || message.context.isEmpty() ||
            marksOf(message.translation) != marksOf(message.source))
            problems << message.context + QStringLiteral(": ") + message.source;
        if (const qsizetype mark = message.translation.indexOf(u'&'); mark >= 0)
            accelerators << message.context + message.translation.mid(mark, 2).toLower();
    }
    if (accelerators.removeDuplicates() > 0)
        problems << QStringLiteral("an accelerator used twice in one window");
    return problems;
}

PseudoTranslator::PseudoTranslator()
{
    for (const QString& file : kTranslations.entryList({QStringLiteral("*.ts")})) {
        for (const TsMessage& message : messagesOf(kTranslations.filePath(file)))
            m_texts.insert(messageKey(message.context, message.source), pseudo(message.source));
    }
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char*,
                                    int) const
{
    return m_texts.value(messageKey(QString::fromUtf8(context), QString::fromUtf8(sourceText)));
}

QStringList captionProblems()
{
    namespace res = zel::res;
    QStringList captions{zel::applicationTitle(), res::dialogHelpTitle(zel::IDD_ZEL_DIALOG),
                         res::dialogHelpTitle(zel::IDD_DATA_INIT)};
    for (const zel::DialogTemplate* window :
         {&res::aboutDialog(), &res::mainDialog(), &res::settingsPage(), &res::notificationsPage(),
          &res::statisticsPage(), &res::dataInitDialog(), &res::refreshDialog(),
          &res::applyDialog(), &res::preApplyDialog()})
        captions << zel::translatedText(*window, window->caption);
    QStringList problems;
    for (const QString& exchange : {CRefreshDlg::caption(), CApplyDlg::caption()}) {
        if (captions.count(exchange) != 1)
            problems << QStringLiteral("a caption shared with an exchange window: ") + exchange;
    }
    return problems;
}

QStringList languageProblems(bool pseudo, const QStringList& boxTexts, QSet<QString>& measured)
{
    QStringList found;
    // Qt's offscreen platform on Windows reads fonts from Qt's own folder, which holds none:
    // there is nothing to measure with.
    const bool measurable = !QFontDatabase::families().isEmpty();
    // The pseudo-language is a third longer than English: what does not fit in it is a warning
    // that a long translation may not fit, not a fault.
    static QSet<QString> warned;
    const auto tooBig = [&](const QString& problem) {
        if (!pseudo)
            found << problem;
        else if (!warned.contains(problem))
            qWarning("%s", qPrintable(QStringLiteral("too long in the pseudo-language: ") +
                                      *warned.insert(problem)));
    };
    const auto check = [&](const QString& where, const QStringList& texts, QWidget* drawing) {
        for (const QString& text : texts) {
            if (pseudo && leftInEnglish(text))
                found << where + QStringLiteral(": ") + text;
        }
        if (!measurable || !drawing)
            return;
        // A combo box draws each item it can hold, a label each text it can take.
        QStringList drawn{texts.constLast()};
        if (auto* combo = qobject_cast<QComboBox*>(drawing)) {
            drawn.clear();
            for (int i = 0; i < combo->count(); ++i)
                drawn << combo->itemText(i);
        }
        if (auto* dialog = qobject_cast<zel::Dialog*>(drawing->parent()))
            drawn += otherTextsOf(*dialog, drawing);
        for (const QString& text : drawn) {
            measured.insert(text);
            if (!fits(drawing, text))
                tooBig(where + QStringLiteral(": ") + text);
        }
    };
    check(QStringLiteral("message box"), boxTexts, nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QList<zel::Dialog*> dialogs = window->findChildren<zel::Dialog*>(); // the pages
        if (auto* dialog = qobject_cast<zel::Dialog*>(window))
            dialogs.prepend(dialog);
        for (zel::Dialog* dialog : dialogs) {
            const QString name = QString::fromUtf8(dialog->dialogTemplate().context);
            const int id = dialog->dialogTemplate().id;
            QStringList texts{dialog->windowTitle(), zel::res::dialogHelpTitle(id),
                              zel::res::dialogHelpText(id)};
            for (const QAction* action : dialog->actions())
                texts << action->text();
            check(name, texts, nullptr);
            for (QWidget* control : dialog->findChildren<QWidget*>(
                     QRegularExpression(QStringLiteral("^ctl")), Qt::FindDirectChildrenOnly)) {
                // A hidden control is never drawn and needs no room; its texts are translated all
                // the same.
                check(name + u' ' + control->objectName(), textsOf(*dialog, control),
                      control->isVisibleTo(dialog) ? control : nullptr);
                auto* tabs = qobject_cast<zel::TabControl*>(control);
                if (!pseudo && tabs && tabs->tabBar()->sizeHint().width() > tabs->width())
                    found << name + QStringLiteral(": the tabs do not fit");
            }
        }
    }
    found.removeDuplicates();
    return found;
}

QStringList unmeasuredTexts(const QSet<QString>& measured)
{
    if (QFontDatabase::families().isEmpty())
        return {}; // nothing was measured: see languageProblems
    static const QRegularExpression room(QStringLiteral("about \\d+ characters"));
    static const QRegularExpression escapedPlaceholder(QStringLiteral("\\\\%[1-9s]"));
    QStringList unmeasured;
    const QString anyTs = kTranslations.entryList({QStringLiteral("*.ts")}).value(0);
    for (const TsMessage& message : messagesOf(kTranslations.filePath(anyTs))) {
        // The installer draws its own texts; its screenshots in the Windows checks show them.
        if (!message.comment.contains(room) || message.context == u"Installer")
            continue;
        const QString text =
            QCoreApplication::translate(qPrintable(message.context), qPrintable(message.source));
        const QRegularExpression shown(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(text).replace(escapedPlaceholder, QStringLiteral(".*"))));
        if (std::none_of(measured.begin(), measured.end(),
                         [&shown](const QString& seen) { return shown.match(seen).hasMatch(); }))
            unmeasured << message.context + QStringLiteral(": never measured: ") + text;
    }
    return unmeasured;
}
