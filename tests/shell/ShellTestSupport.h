#pragma once

#include "platform/MessageBox.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;

namespace shelltest {

// Records every message box and answers Yes/No boxes with the next scripted answer (No when
// none is left); OK boxes are answered with OK. Boxes are never shown.
class BoxRecorder
{
public:
    BoxRecorder();
    ~BoxRecorder();
    void answerYesNo(zel::MessageBox::Answer answer) { m_yesNoAnswers.append(answer); }
    QStringList texts() const;
    const QList<zel::MessageBox::Shown>& shown() const { return m_shown; }
    // Called for each box before it is answered.
    std::function<void(const zel::MessageBox::Shown&)> onShown;

private:
    QList<zel::MessageBox::Shown> m_shown;
    QList<zel::MessageBox::Answer> m_yesNoAnswers;
};

// Steps run in order from a polling timer, also inside nested modal loops: each step waits
// until its condition holds, then runs its action. Steps are consumed before their action
// runs, so an action that opens a modal dialog lets the later steps act inside it.
// When a check fails, or nothing moves for `timeoutMs`, every open dialog is ended so that the
// test returns instead of hanging in a modal loop.
class Script : public QObject
{
public:
    explicit Script(int timeoutMs = 60000);
    Script& when(std::function<bool()> condition, std::function<void()> action);
    Script& then(std::function<void()> action)
    {
        return when([] { return true; }, action);
    }
    bool finished() const { return m_nNext >= m_steps.size() && !m_bActionPending; }
    int stepsDone() const { return int(m_nNext); }

private:
    void poll();

    struct Step
    {
        std::function<bool()> condition;
        std::function<void()> action;
    };
    QList<Step> m_steps;
    qsizetype m_nNext = 0;
    QTimer m_timer;
    QElapsedTimer m_sinceLastStep;
    int m_nTimeoutMs;
    bool m_bAborted = false;
    bool m_bActionPending = false;
};

// Ends every live dialog with Cancel, innermost first.
void endAllDialogs();

// A window shown with this caption (a live zel::Dialog), or null.
QWidget* liveWindow(const QString& caption);
// Clicks the push button with `id` of the live dialog with `caption`.
void clickButton(const QString& caption, int id);

// A profile file in a temporary folder.
class TempProfile
{
public:
    TempProfile();
    QString path() const;
    void write(const QByteArray& contents) const;
    QByteArray contents() const;
    bool exists() const;

private:
    QTemporaryDir m_dir;
};

// The device simulator on 127.0.0.1, on a port of its choosing.
class Device
{
public:
    // `mailboxesFile` empty: the built-in demo mailboxes; otherwise that file, saved on apply.
    explicit Device(const QString& mailboxesFile = {}, const QStringList& extraArguments = {});
    ~Device();
    bool started() const { return m_nPort != 0; }
    quint16 port() const { return m_nPort; }

private:
    QProcess m_process;
    quint16 m_nPort = 0;
};

// A profile text for a device on 127.0.0.1:`devicePort`, the mailbox `mailbox` and an
// endpoint on a free local port.
QByteArray profileFor(quint16 devicePort, const QString& mailbox);

} // namespace shelltest
