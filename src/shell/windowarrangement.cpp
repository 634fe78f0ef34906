#include "shell/windowarrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace shell {

namespace {

// The children that take part in an arrangement, topmost first.
QList<QMdiSubWindow *> visibleChildrenTopmostFirst(const QMdiArea *area)
{
    QList<QMdiSubWindow *> children;
    const QList<QMdiSubWindow *> stacked = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it) {
        if (!(*it)->isHidden())
            children.append(*it);
    }
    return children;
}

} // namespace

void placeNewWindow(QMdiArea *area, QMdiSubWindow *window)
{
    const QRect free = area->viewport()->rect();
    const int step
        = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window)
          + 2 * window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int places = std::max(free.height() / (3 * step), 0) + 1;
    const int others = std::max(static_cast<int>(area->subWindowList().size()) - 1, 0);
    const int offset = step * (others % places);
    const QSize size(free.width() - step * (places - 1), free.height() - step * (places - 1));
    window->setGeometry(
        QRect(free.topLeft() + QPoint(offset, offset), size.expandedTo(window->minimumSizeHint())));
}

void cascadeWindows(QMdiArea *area)
{
    area->cascadeSubWindows();
}

void tileWindowsHorizontally(QMdiArea *area)
{
    const QList<QMdiSubWindow *> children = visibleChildrenTopmostFirst(area);
    if (children.isEmpty())
        return;
    QMdiSubWindow *active = area->activeSubWindow();
    const QRect free = area->viewport()->rect();
    const int count = static_cast<int>(children.size());
    int top = free.top();
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *child = children[i];
        if (child->isMinimized() || child->isMaximized())
            child->showNormal();
        // Equal shares; the last one takes what the division leaves over.
        int height = i + 1 < count ? free.height() / count : free.bottom() + 1 - top;
        height = std::max(height, child->minimumSizeHint().height());
        child->setGeometry(free.left(), top, free.width(), height);
        top += height;
    }
    if (active)
        area->setActiveSubWindow(active);
}

void activateNextWindow(QMdiArea *area)
{
    area->activateNextSubWindow();
}

void activatePreviousWindow(QMdiArea *area)
{
    area->activatePreviousSubWindow();
}

} // namespace shell
