#include "BoxRecorder.h"

BoxRecorder::BoxRecorder()
{
    zel::MessageBox::setResponder([this](const zel::MessageBox::Shown& box) {
        m_shown.append(box);
        if (onShown)
            onShown(box);
        if (box.buttons == zel::MessageBox::Ok)
            return zel::MessageBox::IdOk;
        return m_answers.isEmpty() ? zel::MessageBox::IdNo : m_answers.takeFirst();
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
