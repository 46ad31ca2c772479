#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>
#include <functional>

// Answers every message box without showing it and keeps what it was shown. OK boxes are
// answered with OK, the others with the next scripted answer (No when none is left).
class BoxRecorder
{
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    void answerNext(zel::MessageBox::Answer answer) { m_answers.append(answer); }
    const QList<zel::MessageBox::Shown>& shown() const { return m_shown; }
    QStringList texts() const;

    // Runs for each box after it was recorded, before it is answered.
    std::function<void(const zel::MessageBox::Shown&)> onShown;

private:
    QList<zel::MessageBox::Shown> m_shown;
    QList<zel::MessageBox::Answer> m_answers;
};
