// The records that draw lines, shapes and paths.

#include "picture/read/arcpath.h"
#include "picture/read/emfplayer.h"
#include "picture/read/emfrecordparts.h"

#include <QPainter>

#include <cmath>
#include <cstddef>
#include <numbers>

namespace picture {

namespace {

QRectF boxOf(const U_RECTL &rect)
{
    return QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom)).normalized();
}

QPointF pointOf(const U_POINTL &point)
{
    return QPointF(point.x, point.y);
}

// Bézier segments after a first point: each three points.
void addBeziers(QPainterPath &path, const QPolygonF &points, qsizetype from)
{
    for (qsizetype i = from; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

// The points of a poly record (POLYLINE, POLYGON, their 16-bit forms, the …TO forms): each
// keeps its bounds, its count and its points where POLYLINE16 does.
template<typename Point> QPolygonF pointsOf(QByteArrayView record)
{
    constexpr std::size_t pointsAt = offsetof(U_EMRPOLYLINE16, apts);
    const std::optional<U_EMRPOLYLINE16> poly = leading<U_EMRPOLYLINE16>(record, pointsAt);
    return poly ? polygonAt<Point>(record, pointsAt, poly->cpts) : QPolygonF();
}

// The figures of a POLYPOLYLINE or POLYPOLYGON record (or their 16-bit forms).
template<typename Point> QList<QPolygonF> figuresOf(QByteArrayView record)
{
    const std::optional<U_EMRPOLYPOLYLINE16> poly
        = leading<U_EMRPOLYPOLYLINE16>(record, offsetof(U_EMRPOLYPOLYLINE16, aPolyCounts));
    if (!poly)
        return {};
    const std::size_t countsAt = offsetof(U_EMRPOLYPOLYLINE16, aPolyCounts);
    const std::vector<quint32> counts = itemsAt<quint32>(record, countsAt, poly->nPolys);
    const QPolygonF points
        = polygonAt<Point>(record, countsAt + quint64(poly->nPolys) * 4, poly->cpts);
    if (counts.size() != poly->nPolys || points.size() != qsizetype(poly->cpts))
        return {};
    QList<QPolygonF> figures;
    qsizetype at = 0;
    for (const quint32 count : counts) {
        if (count > quint64(points.size() - at))
            return {};
        figures.append(points.mid(at, count));
        at += count;
    }
    return figures;
}

} // namespace

bool EmfPlayer::playShape(quint32 type, QByteArrayView record)
{
    const bool counterClockwiseOnScreen = transform().determinant() >= 0;
    const bool clockwise = m_state.clockwise == counterClockwiseOnScreen;
    switch (type) {
    case U_EMR_RECTANGLE:
    case U_EMR_ELLIPSE: {
        const std::optional<U_EMRRECTANGLE> box = leading<U_EMRRECTANGLE>(record);
        if (!box)
            return true;
        QPainterPath shape;
        if (type == U_EMR_RECTANGLE)
            shape.addRect(boxOf(box->rclBox));
        else
            shape.addEllipse(boxOf(box->rclBox));
        drawShape(shape, true);
        return true;
    }
    case U_EMR_ROUNDRECT: {
        const std::optional<U_EMRROUNDRECT> box = leading<U_EMRROUNDRECT>(record);
        if (!box)
            return true;
        QPainterPath shape;
        shape.addRoundedRect(boxOf(box->rclBox), std::abs(box->szlCorner.cx) / 2.0,
                             std::abs(box->szlCorner.cy) / 2.0);
        drawShape(shape, true);
        return true;
    }
    case U_EMR_ARC:
    case U_EMR_ARCTO:
    case U_EMR_CHORD:
    case U_EMR_PIE: {
        const std::optional<U_EMRARC> arc = leading<U_EMRARC>(record);
        if (!arc)
            return true;
        const ArcShape shape = type == U_EMR_PIE     ? ArcShape::Pie
                               : type == U_EMR_CHORD ? ArcShape::Chord
                                                     : ArcShape::Open;
        const QPainterPath path = arcPath(boxOf(arc->rclBox), pointOf(arc->ptlStart),
                                          pointOf(arc->ptlEnd), clockwise, shape);
        if (type == U_EMR_ARCTO)
            continueFigure(path);
        else
            drawShape(path, shape != ArcShape::Open);
        return true;
    }
    case U_EMR_ANGLEARC: {
        const std::optional<U_EMRANGLEARC> arc = leading<U_EMRANGLEARC>(record);
        if (!arc || !std::isfinite(arc->eStartAngle) || !std::isfinite(arc->eSweepAngle))
            return true;
        const double radius = arc->nRadius;
        const QRectF box(pointOf(arc->ptlCenter) - QPointF(radius, radius),
                         QSizeF(2 * radius, 2 * radius));
        const double turn = counterClockwiseOnScreen ? 1 : -1;
        QPainterPath path;
        path.arcMoveTo(box, turn * arc->eStartAngle);
        path.arcTo(box, turn * arc->eStartAngle, turn * std::fmod(arc->eSweepAngle, 3600.0));
        continueFigure(path);
        return true;
    }
    case U_EMR_LINETO: {
        const std::optional<U_EMRLINETO> line = leading<U_EMRLINETO>(record);
        if (!line)
            return true;
        QPainterPath path(m_state.position);
        path.lineTo(pointOf(line->ptl));
        continueFigure(path);
        return true;
    }
    case U_EMR_SETPIXELV: {
        const std::optional<U_EMRSETPIXELV> pixel = leading<U_EMRSETPIXELV>(record);
        if (pixel && !m_inPath)
            painterFor(false, false)
                .fillRect(QRectF(pointOf(pixel->ptlPixel), QSizeF(1, 1)), colourOf(pixel->crColor));
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::playPoints(quint32 type, QByteArrayView record)
{
    switch (type) {
    case U_EMR_POLYLINE:
    case U_EMR_POLYLINE16:
        drawPolyline(type == U_EMR_POLYLINE ? pointsOf<U_POINTL>(record)
                                            : pointsOf<U_POINT16>(record));
        return true;
    case U_EMR_POLYGON:
    case U_EMR_POLYGON16:
        drawPolygon(type == U_EMR_POLYGON ? pointsOf<U_POINTL>(record)
                                          : pointsOf<U_POINT16>(record));
        return true;
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIER16: {
        const QPolygonF points
            = type == U_EMR_POLYBEZIER ? pointsOf<U_POINTL>(record) : pointsOf<U_POINT16>(record);
        if (points.size() < 4)
            return true;
        QPainterPath path(points.first());
        addBeziers(path, points, 1);
        drawShape(path, false);
        return true;
    }
    case U_EMR_POLYLINETO:
    case U_EMR_POLYLINETO16:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYBEZIERTO16: {
        const bool wide = type == U_EMR_POLYLINETO || type == U_EMR_POLYBEZIERTO;
        const QPolygonF points = wide ? pointsOf<U_POINTL>(record) : pointsOf<U_POINT16>(record);
        if (points.isEmpty())
            return true;
        QPainterPath path(m_state.position);
        if (type == U_EMR_POLYLINETO || type == U_EMR_POLYLINETO16) {
            for (const QPointF &point : points)
                path.lineTo(point);
        } else {
            addBeziers(path, points, 0);
        }
        continueFigure(path);
        return true;
    }
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYLINE16:
        for (const QPolygonF &figure : type == U_EMR_POLYPOLYLINE ? figuresOf<U_POINTL>(record)
                                                                  : figuresOf<U_POINT16>(record))
            drawPolyline(figure);
        return true;
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYGON16: {
        QPainterPath shape;
        shape.setFillRule(m_state.fillRule);
        for (const QPolygonF &figure : type == U_EMR_POLYPOLYGON ? figuresOf<U_POINTL>(record)
                                                                 : figuresOf<U_POINT16>(record)) {
            shape.addPolygon(figure);
            shape.closeSubpath();
        }
        drawShape(shape, true);
        return true;
    }
    case U_EMR_POLYDRAW:
    case U_EMR_POLYDRAW16: {
        const QPolygonF points
            = type == U_EMR_POLYDRAW ? pointsOf<U_POINTL>(record) : pointsOf<U_POINT16>(record);
        const quint64 typesAt
            = offsetof(U_EMRPOLYLINE16, apts)
              + quint64(points.size())
                    * (type == U_EMR_POLYDRAW ? sizeof(U_POINTL) : sizeof(U_POINT16));
        const std::vector<quint8> kinds = itemsAt<quint8>(record, typesAt, points.size());
        if (kinds.size() != std::size_t(points.size()))
            return true;
        QPainterPath path(m_state.position);
        for (qsizetype i = 0; i < points.size(); ++i) {
            const quint8 kind = kinds[std::size_t(i)] & ~U_PT_CLOSEFIGURE;
            if (kind == U_PT_MOVETO) {
                path.moveTo(points[i]);
            } else if (kind == U_PT_BEZIERTO && i + 2 < points.size()) {
                path.cubicTo(points[i], points[i + 1], points[i + 2]);
                i += 2;
            } else {
                path.lineTo(points[i]);
            }
            if (kinds[std::size_t(i)] & U_PT_CLOSEFIGURE)
                path.closeSubpath();
        }
        continueFigure(path);
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::playPath(quint32 type, QByteArrayView)
{
    switch (type) {
    case U_EMR_BEGINPATH:
        m_inPath = true;
        m_path = QPainterPath();
        m_path.moveTo(transform().map(m_state.position));
        return true;
    case U_EMR_ENDPATH:
        m_inPath = false;
        return true;
    case U_EMR_ABORTPATH:
        m_inPath = false;
        m_path = QPainterPath();
        return true;
    case U_EMR_CLOSEFIGURE:
        if (m_inPath)
            m_path.closeSubpath();
        return true;
    case U_EMR_FLATTENPATH:
    case U_EMR_WIDENPATH:
        return true;
    case U_EMR_FILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_STROKEANDFILLPATH: {
        if (m_inPath)
            return true;
        bool invertible = false;
        const QTransform back = transform().inverted(&invertible);
        QPainterPath path = m_path;
        m_path = QPainterPath();
        if (!invertible)
            return true;
        path = back.map(path);
        path.setFillRule(m_state.fillRule);
        if (type == U_EMR_FILLPATH) {
            const QPen pen = std::exchange(m_state.pen, QPen(Qt::NoPen));
            drawShape(path, true);
            m_state.pen = pen;
        } else {
            drawShape(path, type == U_EMR_STROKEANDFILLPATH);
        }
        return true;
    }
    default:
        return false;
    }
}

void EmfPlayer::drawShape(const QPainterPath &shape, bool fill)
{
    if (m_inPath) {
        m_path.addPath(transform().map(shape));
        return;
    }
    if (m_state.rasterOperation == U_R2_NOP)
        return;
    if (fill && m_state.brush.hatched && m_state.opaqueBackground)
        painterFor(false, false).fillPath(shape, m_state.backgroundColour);
    painterFor(true, fill).drawPath(shape);
}

void EmfPlayer::drawPolyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    if (m_inPath) {
        QPainterPath path;
        path.addPolygon(points);
        m_path.addPath(transform().map(path));
        return;
    }
    if (m_state.rasterOperation != U_R2_NOP)
        painterFor(true, false).drawPolyline(points);
}

void EmfPlayer::drawPolygon(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    if (m_inPath || (m_state.brush.hatched && m_state.opaqueBackground)) {
        QPainterPath shape;
        shape.setFillRule(m_state.fillRule);
        shape.addPolygon(points);
        shape.closeSubpath();
        drawShape(shape, true);
        return;
    }
    if (m_state.rasterOperation != U_R2_NOP)
        painterFor(true, true).drawPolygon(points, m_state.fillRule);
}

void EmfPlayer::continueFigure(const QPainterPath &figure)
{
    if (m_inPath)
        m_path.connectPath(transform().map(figure));
    else if (m_state.rasterOperation != U_R2_NOP)
        painterFor(true, false).drawPath(figure);
    m_state.position = figure.currentPosition();
}

} // namespace picture
