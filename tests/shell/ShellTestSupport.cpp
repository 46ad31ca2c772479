#include "ShellTestSupport.h"

#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"
#include "shell/ProfileKeys.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QVariant>

namespace shelltest {

BoxRecorder::BoxRecorder()
{
    zel::MessageBox::setResponder([this](const zel::MessageBox::Shown& box) {
        m_shown.append(box);
        if (onShown)
            onShown(box);
        if (box.buttons == zel::MessageBox::Ok)
            return zel::MessageBox::IdOk;
        return m_yesNoAnswers.isEmpty() ? zel::MessageBox::IdNo : m_yesNoAnswers.takeFirst();
    });
}

BoxRecorder::~BoxRecorder()
{
    zel::MessageBox::clearResponder();
}

QStringList BoxRecorder::texts() const
{
    QStringList texts;
    for (const auto& box : m_shown)
        texts.append(box.text);
    return texts;
}

Script::Script(int timeoutMs) : m_nTimeoutMs(timeoutMs)
{
    m_sinceLastStep.start();
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &Script::poll);
    m_timer.start();
}

Script& Script::when(std::function<bool()> condition, std::function<void()> action)
{
    m_steps.append({std::move(condition), std::move(action)});
    return *this;
}

void Script::poll()
{
    if (m_bAborted) {
        endAllDialogs();
        return;
    }
    if (!finished() && m_sinceLastStep.elapsed() > m_nTimeoutMs) {
        QTest::qFail("script step timed out", __FILE__, __LINE__);
        m_bAborted = true;
        return;
    }
    if (m_bActionPending || finished() || !m_steps[m_nNext].condition())
        return;
    // Qt never fires a timer again while its own timeout is being handled, so the action runs
    // from the event loop instead: modal loops it opens keep this timer going.
    m_bActionPending = true;
    QMetaObject::invokeMethod(
        this,
        [this, step = m_steps[m_nNext++]] {
            m_bActionPending = false;
            m_sinceLastStep.start();
            step.action();
            if (QTest::currentTestFailed())
                m_bAborted = true;
        },
        Qt::QueuedConnection);
}

void endAllDialogs()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* dialog = qobject_cast<zel::Dialog*>(window);
        if (dialog && dialog->isWindowAlive())
            dialog->EndDialog(zel::IDCANCEL);
    }
}

QWidget* liveWindow(const QString& caption)
{
    QWidget* window = zel::FindWindow(caption);
    return window && window->isVisible() ? window : nullptr;
}

void clickButton(const QString& caption, int id)
{
    auto* dialog = qobject_cast<zel::Dialog*>(zel::FindWindow(caption));
    Q_ASSERT(dialog);
    auto* button = dialog->dlgItem<QPushButton>(id);
    Q_ASSERT(button);
    button->click();
}

TempProfile::TempProfile() = default;

QString TempProfile::path() const
{
    return m_dir.filePath(QStringLiteral("Zel1.ini"));
}

void TempProfile::write(const QByteArray& contents) const
{
    QFile file(path());
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

QByteArray TempProfile::contents() const
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempProfile::exists() const
{
    return QFile::exists(path());
}

Device::Device(const QString& mailboxesFile, const QStringList& extraArguments)
{
    QStringList arguments{QStringLiteral("--address"), QStringLiteral("127.0.0.1"),
                          QStringLiteral("--port"), QStringLiteral("0")};
    if (!mailboxesFile.isEmpty())
        arguments << QStringLiteral("--mailboxes") << mailboxesFile << QStringLiteral("--save");
    arguments << extraArguments;
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(QStringLiteral(ZEL_DEVICE_PATH), arguments);
    if (!m_process.waitForStarted(10000))
        return;
    QByteArray line;
    while (!line.contains('\n') && m_process.waitForReadyRead(10000))
        line += m_process.readAll();
    const auto match = QRegularExpression(QStringLiteral("^listening 127\\.0\\.0\\.1:(\\d+)"))
                           .match(QString::fromLatin1(line));
    if (match.hasMatch())
        m_nPort = quint16(match.captured(1).toUInt());
}

Device::~Device()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QByteArray profileFor(quint16 devicePort, const QString& mailbox)
{
    const ProfileConfiguration configuration{QStringLiteral("127.0.0.1"), devicePort, mailbox, 0};
    QString text;
    QString section;
    for (const ProfileKey& key : profileKeys()) {
        if (section != QLatin1String(key.section)) {
            section = QLatin1String(key.section);
            text += u'[' + section + QStringLiteral("]\n");
        }
        const QString value = std::visit(
            [&configuration](auto member) { return QVariant(configuration.*member).toString(); },
            key.value);
        text += QLatin1String(key.key) + u'=' + value + u'\n';
    }
    return text.toLatin1();
}

} // namespace shelltest
