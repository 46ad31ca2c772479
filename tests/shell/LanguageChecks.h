#pragma once

#include "shell/Translations.h"

#include <QHash>
#include <QStringList>
#include <QTranslator>
#include <memory>

// The messages of the translations' sources, each as the pseudo-language says it: bracketed,
// every letter accented and a third longer, "[Ŕéƒŕéšĥ ~~~]". Texts that reach the user without
// going through one of these are left in English.
class PseudoTranslator : public QTranslator
{
public:
    PseudoTranslator();
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return m_texts.isEmpty(); }
    qsizetype size() const { return m_texts.size(); }

private:
    QHash<QString, QString> m_texts; // by context and source text
};

// Zel in one language for a test: "en", one of shippedLanguages(), or "pseudo".
class LanguageUnderTest
{
public:
    explicit LanguageUnderTest(const QString& language);
    bool installed() const;

    // What is wrong in the program's windows as they are now: in a shipped language, a text
    // that does not fit the control it is drawn in; in the pseudo-language, a text left in
    // English. Each names the window, the control and the text.
    QStringList problems() const;
    // A message box's text, checked as the windows' are.
    QStringList problemsOfBox(const QString& text) const;

private:
    QString m_language;
    std::unique_ptr<zel::Translations> m_translations;
    std::unique_ptr<PseudoTranslator> m_pseudo;
};

// The languages whose translations are built into the program ("de", ...).
QStringList shippedLanguages();
// The translation sources, translations/zel_<language>.ts.
QStringList translationFiles();
