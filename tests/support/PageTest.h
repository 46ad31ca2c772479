#pragma once

#include <QObject>
#include <QWidget>
#include <optional>

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

// The base of a test class for one kind of page, as a GUI test base is for a main window: every
// test function, and every data row of one, starts with a fresh page, hosted as above.
class PageTestBase : public QObject
{
    Q_OBJECT

protected:
    virtual void hostNewPage() = 0;
    virtual void releasePage() = 0;

private Q_SLOTS:
    void init() { hostNewPage(); }
    void cleanup() { releasePage(); }
};

template <class Page> class PageTest : public PageTestBase
{
protected:
    Page& hostedPage() const { return *m_hosted->page; }

private:
    void hostNewPage() override { m_hosted.emplace(); }
    void releasePage() override { m_hosted.reset(); }

    std::optional<HostedPage<Page>> m_hosted;
};
