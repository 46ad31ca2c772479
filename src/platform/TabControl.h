#pragma once

#include <QWidget>

class QTabBar;

namespace zel {

// The tab control: a row of tabs on top of a framed client area. Like the Windows control it
// only shows tabs; whoever owns the pages makes them children of this widget, places them
// below the tabs (itemRect) and shows or hides them when the selection changes
// (tabBar()->currentChanged). Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp move to the
// next or previous tab from anywhere in the window, wrapping at the ends; the arrow keys do
// when the tabs have the focus. Each switch is a selection change, as a click is.
class TabControl : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);
    QTabBar* tabBar() const { return m_tabBar; }
    // Rectangle of tab `index` in this widget's coordinates.
    QRect itemRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QTabBar* m_tabBar;
};

} // namespace zel
