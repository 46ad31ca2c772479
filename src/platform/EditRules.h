#pragma once

#include <QValidator>

class QLabel;
class QLineEdit;

namespace zel {

// The characters an edit takes from the user.
enum class EditCharacters
{
    Any,
    Digits,
    Latin1, // what the device stores in one byte each
};

// The typing rules of a Windows edit control: a length limit and the characters allowed, which
// hold for what the user types or pastes, while text the program sets stays whole (QLineEdit's
// own maxLength would cut it). Typed or pasted text goes in as far as the limit leaves room
// beside the text that stays, without the characters not allowed; when there were any, a balloon
// tip at the edit says what it takes, as Windows' digits-only edit does, until the next key.
class EditRules : public QValidator
{
    Q_OBJECT

public:
    EditRules(QLineEdit* edit, int textLimit, EditCharacters characters);
    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refused(QChar c) const;
    qsizetype refusedCharacters(const QString& text) const;
    void showRefusal() const;

    QLineEdit* m_edit;
    int m_textLimit; // 0 = none
    EditCharacters m_characters;
    QString m_textBefore;    // the text before the edit being checked
    QLabel* m_tip = nullptr; // the balloon tip, made when first needed
};

} // namespace zel
