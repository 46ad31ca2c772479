#include "TabControl.h"

#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace zel {

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_tabBar(new QTabBar(this))
{
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_tabBar);
    connect(m_tabBar, &QTabBar::currentChanged, this, [this] { update(); });
    const auto addStep = [this](QKeyCombination keys, int delta) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, delta] { step(delta); });
    };
    addStep(Qt::CTRL | Qt::Key_Tab, 1);
    addStep(Qt::CTRL | Qt::Key_PageDown, 1);
    addStep(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
    addStep(Qt::CTRL | Qt::Key_PageUp, -1);
}

void TabControl::step(int delta)
{
    const int count = m_tabBar->count();
    if (count > 0)
        m_tabBar->setCurrentIndex((m_tabBar->currentIndex() + delta + count) % count);
}

QRect TabControl::itemRect(int index) const
{
    return m_tabBar->tabRect(index).translated(m_tabBar->pos());
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height());
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_tabBar->sizeHint();
    option.rect = rect().adjusted(0, m_tabBar->height() - 1, 0, 0);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

} // namespace zel
