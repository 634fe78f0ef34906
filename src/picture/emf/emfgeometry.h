#pragma once

// Private to loviz_picture: the metafile writer's internals (src/picture/emf/), which no other
// layer can include.

#include "picture/emf/emfrecordstream.h"

#include <uemf.h>

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <vector>

// The geometry of EmfPaintEngine's metafiles: device pixels in the metafile's logical units,
// bounds in device pixels, and the records of lines, polygons, curves and path figures.
namespace picture {

// Logical units per device pixel: positions keep a sixteenth of a pixel.
constexpr int emfUnitsPerPixel = 16;

std::int32_t emfLength(qreal pixels);
U_POINTL emfPoint(QPointF devicePoint);
std::vector<U_POINTL> emfPoints(const QTransform &transform, const QPointF *points, int count);
// The device pixels (inclusive) that an area (in pixels) or points (in units) touch, widened
// by `margin` pixels.
U_RECTL emfPixelBounds(const QRectF &area, qreal margin);
U_RECTL emfPixelBounds(const std::vector<U_POINTL> &points, qreal margin);

enum class EmfPoly { Polyline, Polygon, PolyBezier, PolylineTo, PolyBezierTo };

// A POLYLINE, POLYGON, POLYBEZIER, POLYLINETO or POLYBEZIERTO record; the 16-bit form where
// the points fit. `margin`: how far the pen reaches beyond them, in pixels.
char *emfPolyRecord(EmfPoly kind, const std::vector<U_POINTL> &points, qreal margin);
// One POLYPOLYLINE record for separate lines, given as pairs of end points.
char *emfLinesRecord(const std::vector<U_POINTL> &ends, qreal margin);

// A figure of a path in metafile units: where it starts, then lines and cubic curves.
struct EmfSegment
{
    bool curve = false;
    U_POINTL first {}; // the control points of a curve
    U_POINTL second {};
    U_POINTL end {};
};

struct EmfFigure
{
    U_POINTL start {};
    std::vector<EmfSegment> segments;

    // Ends where it began: closed, as Qt's stroker sees it.
    bool isClosed() const
    {
        return segments.size() > 1 && segments.back().end.x == start.x
               && segments.back().end.y == start.y;
    }
};

std::vector<EmfFigure> emfFiguresOf(const QPainterPath &devicePath);
// The figures as they go between BEGINPATH and ENDPATH: a move to the start of each, its runs
// of lines (LINETO, POLYLINETO) and of curves (POLYBEZIERTO), and CLOSEFIGURE where it is
// closed.
void appendEmfFigures(EmfRecordStream &stream, const std::vector<EmfFigure> &figures);
// Each figure as a POLYLINE record, or a POLYBEZIER one (its lines as straight curves) where
// it has curves. For outlines with open figures: some viewers close every figure of a path
// bracket when it ends, which would add a line from the end of an open figure to its start.
void appendEmfOutlines(EmfRecordStream &stream, const std::vector<EmfFigure> &figures,
                       qreal margin);
// Clipping off: EXTSELECTCLIPRGN, RGN_COPY, no region. Written by hand: libUEMF makes no such
// record without a region.
void appendEmfClipReset(EmfRecordStream &stream);

} // namespace picture
