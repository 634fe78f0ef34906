#include "ui/gradientmdiarea.h"

#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

QColor blend(QColor from, QColor to, int step, int steps)
{
    const int last = std::max(steps - 1, 1);
    auto channel = [step, last](int a, int b) {
        return a + (b - a) * step / last;
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

QPixmap centredGradient(QSize size, QColor outer, QColor inner, int steps)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    QPainter painter(&pixmap);
    const QRectF whole(QPointF(0, 0), QSizeF(pixmap.size()));
    const qreal dx = whole.width() / 2 / steps;
    const qreal dy = whole.height() / 2 / steps;
    for (int step = 0; step < steps; ++step) {
        const QRectF ring = whole.adjusted(dx * step, dy * step, -dx * step, -dy * step);
        painter.fillRect(ring, blend(outer, inner, step, steps));
    }
    return pixmap;
}

GradientMdiArea::GradientMdiArea(QWidget *parent)
    : QMdiArea(parent)
{
    repaintBackground();
}

void GradientMdiArea::resizeEvent(QResizeEvent *event)
{
    QMdiArea::resizeEvent(event);
    repaintBackground();
}

void GradientMdiArea::repaintBackground()
{
    setBackground(QBrush(centredGradient(viewport()->size(), outerColour(), innerColour(), Steps)));
}

} // namespace ui
