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

// How far a child lies below the one under it in a cascade: one title bar with its frame.
int titleBarStep(const QMdiSubWindow *window)
{
    const QStyle *style = window->style();
    return style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window)
           + 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
}

} // namespace

void placeNewWindow(QMdiArea *area, QMdiSubWindow *window)
{
    const QRect free = area->viewport()->rect();
    const int step = titleBarStep(window);
    const int places = std::max(free.height() / (3 * step), 0) + 1;
    const int others = std::max(static_cast<int>(area->subWindowList().size()) - 1, 0);
    const int offset = step * (others % places);
    const QSize size(free.width() - step * (places - 1), free.height() - step * (places - 1));
    window->setGeometry(
        QRect(free.topLeft() + QPoint(offset, offset), size.expandedTo(window->minimumSizeHint())));
}

void cascadeWindows(QMdiArea *area)
{
    // Bottom of the z-order first and the active child last, so that it ends on top.
    QList<QMdiSubWindow *> children;
    const QList<QMdiSubWindow *> topmostFirst = visibleChildrenTopmostFirst(area);
    for (auto it = topmostFirst.rbegin(); it != topmostFirst.rend(); ++it) {
        if (!(*it)->isMinimized())
            children.append(*it);
    }
    if (children.isEmpty())
        return;
    QMdiSubWindow *active = area->activeSubWindow();
    if (active && children.removeOne(active))
        children.append(active);

    // Each child one title bar below and right of the one under it, all of one size: the
    // area less the offsets, but never less than two thirds of it, so a report stays
    // readable; offsets that would leave the area start again at its corner.
    const QRect free = area->viewport()->rect();
    const int step = titleBarStep(children.first());
    const int count = static_cast<int>(children.size());
    const QSize size = (free.size() - QSize(step, step) * (count - 1))
                           .expandedTo(free.size() * 2 / 3)
                           .expandedTo(children.first()->minimumSizeHint());
    const int places = std::max(
        1, std::min(free.width() - size.width(), free.height() - size.height()) / std::max(step, 1)
               + 1);
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *child = children[i];
        if (child->isMaximized())
            child->showNormal();
        const int offset = step * (i % places);
        child->setGeometry(QRect(free.topLeft() + QPoint(offset, offset), size));
        child->raise();
    }
    if (active)
        area->setActiveSubWindow(active);
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
