#include "LanguageChecks.h"

#include "platform/Dialog.h"
#include "platform/Ipv4AddressEdit.h"
#include "platform/TabControl.h"
#include "res/HelpText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTabBar>
#include <QXmlStreamReader>

namespace {

QString pseudo(const QString& source)
{
    // Every ASCII letter has an accented twin, so that a plain letter always means English.
    static const QString lower = QStringLiteral("àƀçðéƒĝĥîĵķļɱñöṕʠŕšţûṽŵẋýž");
    static const QString upper = QStringLiteral("ÀƁÇÐÉƑĜĤÎĴĶĻṀÑÖṔɊŔŠŢÛṼŴẊÝŽ");
    QString text = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t c = source[i].unicode();
        if (c == u'%' && i + 1 < source.size()) // a placeholder stays as it is
            text += source.mid(i++, 2);
        else if (c >= u'a' && c <= u'z')
            text += lower[c - u'a'];
        else if (c >= u'A' && c <= u'Z')
            text += upper[c - u'A'];
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

// Whether the text a control draws fits the room the style gives it there.
bool fits(QWidget* control)
{
    const QFontMetrics metrics = control->fontMetrics();
    const auto widthOf = [&](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QRect room = label->contentsRect();
        return room.contains(
            metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text()));
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return group->rect().contains(group->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group));
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button)
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool checkBox = qobject_cast<QCheckBox*>(button);
    if (!checkBox && static_cast<QPushButton*>(button)->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect room = button->style()->subElementRect(
        checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
    return widthOf(button->text()) <= room.width() && metrics.height() <= room.height();
}

// Every text a control shows or reads out, its help topic included.
QStringList textsOf(const zel::Dialog& dialog, QWidget* control)
{
    QStringList texts{control->accessibleName(), control->accessibleDescription(),
                      zel::res::contextHelpText(dialog.helpContextOf(dialog.controlId(control)))};
    if (auto* label = qobject_cast<QLabel*>(control))
        texts << label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        texts << button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        texts << group->title();
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    else if (auto* address = qobject_cast<zel::Ipv4AddressEdit*>(control))
        for (int i = 0; i < 4; ++i)
            texts << address->field(i)->accessibleName();
    else if (auto* tabs = qobject_cast<zel::TabControl*>(control))
        for (int i = 0; i < tabs->tabBar()->count(); ++i)
            texts << tabs->tabBar()->tabText(i) << tabs->tabBar()->accessibleTabName(i);
    return texts;
}

} // namespace

PseudoTranslator::PseudoTranslator()
{
    for (const QString& path : translationFiles()) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader ts(&file);
        QString context;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"name") {
                context = ts.readElementText();
            } else if (ts.name() == u"source") {
                const QString source = ts.readElementText();
                m_texts.insert(messageKey(context, source), pseudo(source));
            }
        }
    }
}

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char*,
                                    int) const
{
    return m_texts.value(messageKey(QString::fromUtf8(context), QString::fromUtf8(sourceText)));
}

LanguageUnderTest::LanguageUnderTest(const QString& language) : m_language(language)
{
    if (language == u"pseudo") {
        m_pseudo = std::make_unique<PseudoTranslator>();
        QCoreApplication::installTranslator(m_pseudo.get());
    } else {
        m_translations = std::make_unique<zel::Translations>(QStringList{language});
    }
}

bool LanguageUnderTest::installed() const
{
    if (m_pseudo)
        return !m_pseudo->isEmpty();
    return m_translations->language() == (m_language == u"en" ? QString() : m_language);
}

QStringList LanguageUnderTest::problems() const
{
    QStringList found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* topDialog = qobject_cast<zel::Dialog*>(window);
        if (!topDialog)
            continue;
        QList<zel::Dialog*> dialogs = topDialog->findChildren<zel::Dialog*>(); // the pages
        dialogs.prepend(topDialog);
        for (const zel::Dialog* dialog : dialogs) {
            const auto report = [&](const QWidget* where, const QString& text) {
                found << QStringLiteral("%1 %2: %3")
                             .arg(QString::fromUtf8(dialog->dialogTemplate().context),
                                  where->objectName(), text);
            };
            const QList<QWidget*> controls = dialog->findChildren<QWidget*>(
                QRegularExpression(QStringLiteral("^ctl")), Qt::FindDirectChildrenOnly);
            if (m_pseudo) {
                const int id = dialog->dialogTemplate().id;
                QStringList texts{dialog->windowTitle(), zel::res::dialogHelpTitle(id),
                                  zel::res::dialogHelpText(id)};
                for (const QAction* action : dialog->actions())
                    texts << action->text();
                for (const QString& text : std::as_const(texts))
                    if (leftInEnglish(text))
                        report(dialog, text);
                for (QWidget* control : controls)
                    for (const QString& text : textsOf(*dialog, control))
                        if (leftInEnglish(text))
                            report(control, text);
                continue;
            }
            for (QWidget* control : controls) {
                if (control->isVisibleTo(dialog) && !fits(control))
                    report(control, textsOf(*dialog, control).constLast());
                if (auto* tabs = qobject_cast<zel::TabControl*>(control);
                    tabs && tabs->tabBar()->sizeHint().width() > tabs->width())
                    report(control, QStringLiteral("the tabs"));
            }
        }
    }
    found.removeDuplicates();
    return found;
}

QStringList LanguageUnderTest::problemsOfBox(const QString& text) const
{
    if (m_pseudo && leftInEnglish(text))
        return {QStringLiteral("message box: ") + text};
    return {};
}

QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")}))
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

QStringList translationFiles()
{
    const QDir folder(QStringLiteral(ZEL_SOURCE_DIR "/translations"));
    QStringList paths;
    for (const QString& file : folder.entryList({QStringLiteral("zel_*.ts")}))
        paths << folder.filePath(file);
    return paths;
}
