#pragma once

#include <QValidator>

class QLineEdit;

namespace zel {

// The typing rules of a Windows edit control: a length limit and "digits only" that hold for
// what the user types or pastes, while text the program sets stays whole (QLineEdit's own
// maxLength would cut it). Typed or pasted text goes in as far as the limit leaves room
// beside the text that stays; an edit that adds a non-digit is refused as a whole.
class EditRules : public QValidator
{
public:
    EditRules(QLineEdit* edit, int textLimit, bool digitsOnly);
    State validate(QString& input, int& pos) const override;

private:
    const QLineEdit* m_edit;
    int m_nTextLimit; // 0 = none
    bool m_bDigitsOnly;
    QString m_strBefore; // the text before the edit being checked
};

} // namespace zel
