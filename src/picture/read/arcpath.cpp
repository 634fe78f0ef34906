#include "picture/read/arcpath.h"

#include <cmath>
#include <numbers>

namespace picture {

namespace {

// The angle on an ellipse (as Qt's arcs take it: counter-clockwise on the screen, from the
// ellipse's own parameter) where the line from its centre towards `point` meets it.
double ellipseAngle(const QRectF &box, QPointF point)
{
    const QPointF from = point - box.center();
    return std::atan2(-from.y() / box.height(), from.x() / box.width()) * 180 / std::numbers::pi;
}

} // namespace

QPainterPath arcPath(const QRectF &box, QPointF start, QPointF end, bool clockwise, ArcShape shape)
{
    QPainterPath path;
    if (box.width() <= 0 || box.height() <= 0)
        return path;
    const double from = ellipseAngle(box, start);
    double sweep = ellipseAngle(box, end) - from;
    if (clockwise) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    if (shape == ArcShape::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, from);
    path.arcTo(box, from, sweep);
    if (shape != ArcShape::Open)
        path.closeSubpath();
    return path;
}

} // namespace picture
