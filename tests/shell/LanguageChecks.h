#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTranslator>

// The languages whose translations the program has built in ("de", ...).
QStringList shippedLanguages();

// What is wrong with translations/zel_<language>.ts: a message it lacks or does not translate,
// a placeholder, line break or accelerator lost, an accelerator used twice in one window.
QStringList translationProblems(const QString& language);

// The pseudo-language: each message of the translation sources bracketed, its letters accented
// and a third longer, "[Ŕéƒŕéšĥ ~~~]". A text that reaches the user without it stays English.
class PseudoTranslator : public QTranslator
{
public:
    PseudoTranslator();
    QString translate(const char* context, const char* sourceText, const char*, int) const override;
    bool isEmpty() const override { return m_texts.isEmpty(); }
    qsizetype size() const { return m_texts.size(); }

private:
    QHash<QString, QString> m_texts; // by context and source text
};

// An exchange window's caption, in the language loaded, that another window shares: the device's
// replies would go to the wrong window, as they are routed by caption.
QStringList captionProblems();

// What is wrong with the texts of the program's windows and `boxTexts`: in the pseudo-language a
// text left in English, else a label, button, check box, group caption or list item too big for
// its control. Every text measured goes into `measured`.
QStringList languageProblems(bool pseudo, const QStringList& boxTexts, QSet<QString>& measured);

// The texts whose translator comment gives them a room in a control, in the language loaded, that
// are not among `measured`: a text the program sets that the check never measured.
QStringList unmeasuredTexts(const QSet<QString>& measured);
