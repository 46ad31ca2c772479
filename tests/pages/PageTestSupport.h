#pragma once

#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"

#include <QApplication>
#include <QList>
#include <QObject>
#include <QStringList>
#include <initializer_list>

// QStringList from plain literals (QT_NO_CAST_FROM_ASCII forbids the implicit way).
inline QStringList strings(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

// Stands in for the main window: counts zel::WM_PAGE_INVALID and notes how many message boxes had
// been shown when each one arrived.
class InvalidCatcher : public QObject
{
public:
    explicit InvalidCatcher(const int* boxesShown) : m_boxesShown(boxesShown)
    {
        zel::setMainWindow(this);
    }
    ~InvalidCatcher() override { zel::setMainWindow(nullptr); }

    int count() const { return int(m_boxesShownAtArrival.size()); }
    int boxesShownAtFirstArrival() const { return m_boxesShownAtArrival.value(0, -1); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == zel::PrivateMessageEvent::eventType() &&
            static_cast<zel::PrivateMessageEvent*>(event)->message() == zel::WM_PAGE_INVALID) {
            m_boxesShownAtArrival.append(*m_boxesShown);
            return true;
        }
        return QObject::event(event);
    }

private:
    const int* m_boxesShown;
    QList<int> m_boxesShownAtArrival;
};

// Answers every message box, records it with the focus widget and the zel::WM_PAGE_INVALID count
// of that moment.
class BoxRecorder
{
public:
    struct Box
    {
        zel::MessageBox::Shown shown;
        QWidget* focusAtShow;
        int invalidsAtShow;
    };

    BoxRecorder() : m_catcher(&m_nShown)
    {
        zel::MessageBox::setResponder([this](const zel::MessageBox::Shown& shown) {
            m_boxes.append(
                {shown, m_focusOwner ? m_focusOwner->focusWidget() : nullptr, m_catcher.count()});
            ++m_nShown;
            return m_answers.isEmpty() ? zel::MessageBox::IdOk : m_answers.takeFirst();
        });
    }
    ~BoxRecorder() { zel::MessageBox::clearResponder(); }

    void watchFocusIn(QWidget* window) { m_focusOwner = window; }
    void answerNext(zel::MessageBox::Answer answer) { m_answers.append(answer); }
    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList result;
        for (const Box& box : m_boxes)
            result.append(box.shown.text);
        return result;
    }
    const InvalidCatcher& invalids() const { return m_catcher; }

private:
    int m_nShown = 0;
    InvalidCatcher m_catcher;
    QWidget* m_focusOwner = nullptr;
    QList<zel::MessageBox::Answer> m_answers;
    QList<Box> m_boxes;
};

// A page as the main window holds it: created inside a host window that is shown.
template <class Page> struct HostedPage
{
    QWidget host;
    Page* page = new Page;

    HostedPage()
    {
        page->Create(&host);
        host.resize(page->size());
        page->show();
        host.show();
    }
};
