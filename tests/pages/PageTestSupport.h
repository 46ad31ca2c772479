#pragma once

#include "platform/Dialog.h"
#include "platform/PrivateMessage.h"
#include "res/resource.h"
#include "support/BoxRecorder.h"
#include "support/PageTest.h"

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
    explicit InvalidCatcher(const BoxRecorder& boxes) : m_boxes(boxes) { zel::setMainWindow(this); }
    ~InvalidCatcher() override { zel::setMainWindow(nullptr); }

    int count() const { return int(m_boxesShownAtArrival.size()); }
    int boxesShownAtFirstArrival() const { return m_boxesShownAtArrival.value(0, -1); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == zel::PrivateMessageEvent::eventType() &&
            static_cast<zel::PrivateMessageEvent*>(event)->message() == zel::WM_PAGE_INVALID) {
            m_boxesShownAtArrival.append(int(m_boxes.shown().size()));
            return true;
        }
        return QObject::event(event);
    }

private:
    const BoxRecorder& m_boxes;
    QList<int> m_boxesShownAtArrival;
};

// The boxes a page shows, with the main window's stand-in; notes the focus widget of `page` and
// the zel::WM_PAGE_INVALID count at the moment each box was shown.
class PageBoxes : public BoxRecorder
{
public:
    explicit PageBoxes(QWidget* page = nullptr) : m_invalids(*this)
    {
        onShown = [this, page](const zel::MessageBox::Shown&) {
            focusAtShow.append(page ? page->focusWidget() : nullptr);
            invalidsAtShow.append(m_invalids.count());
        };
    }
    const InvalidCatcher& invalids() const { return m_invalids; }

    QList<QWidget*> focusAtShow;
    QList<int> invalidsAtShow;

private:
    InvalidCatcher m_invalids;
};
