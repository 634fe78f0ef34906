#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace picture {

// What an arc record draws: the arc alone, a pie closed through the centre, a chord closed
// straight back.
enum class ArcShape { Open, Pie, Chord };

// GDI's arc on the ellipse in `box`: from where the line from its centre towards `start` meets
// it to where the line towards `end` does, counter-clockwise or clockwise as seen on the
// picture; the same direction twice is the whole ellipse. Nothing for an empty box.
QPainterPath arcPath(const QRectF &box, QPointF start, QPointF end, bool clockwise, ArcShape shape);

} // namespace picture
