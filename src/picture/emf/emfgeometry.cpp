#include "picture/emf/emfgeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace picture {

namespace {

constexpr int unitsPerPixel = emfUnitsPerPixel;

// Coordinates are cut there: 2^27 units, far beyond any picture.
constexpr qreal farthestUnit = 1 << 27;

// The device pixels (inclusive) that `left`…`bottom` (in pixels) touch, `margin` pixels wider.
U_RECTL pixelBoundsOf(qreal left, qreal top, qreal right, qreal bottom, qreal margin)
{
    const auto pixel = [](qreal value) {
        const qreal limit = farthestUnit / unitsPerPixel;
        return static_cast<std::int32_t>(std::isfinite(value) ? std::clamp(value, -limit, limit)
                                                              : 0);
    };
    return {pixel(std::floor(left - margin)), pixel(std::floor(top - margin)),
            pixel(std::ceil(right + margin)), pixel(std::ceil(bottom + margin))};
}

bool fitsIn16Bits(const std::vector<U_POINTL> &points)
{
    constexpr auto low = std::numeric_limits<std::int16_t>::min();
    constexpr auto high = std::numeric_limits<std::int16_t>::max();
    return std::all_of(points.begin(), points.end(), [](const U_POINTL &p) {
        return p.x >= low && p.x <= high && p.y >= low && p.y <= high;
    });
}

std::vector<U_POINT16> shortPoints(const std::vector<U_POINTL> &points)
{
    std::vector<U_POINT16> result;
    result.reserve(points.size());
    for (const U_POINTL &p : points)
        result.push_back({static_cast<std::int16_t>(p.x), static_cast<std::int16_t>(p.y)});
    return result;
}

} // namespace

std::int32_t emfLength(qreal pixels)
{
    const qreal units = std::isfinite(pixels)
                            ? std::clamp(pixels * unitsPerPixel, -farthestUnit, farthestUnit)
                            : 0;
    return static_cast<std::int32_t>(std::lround(units));
}

U_POINTL emfPoint(QPointF devicePoint)
{
    return {emfLength(devicePoint.x()), emfLength(devicePoint.y())};
}

std::vector<U_POINTL> emfPoints(const QTransform &transform, const QPointF *points, int count)
{
    std::vector<U_POINTL> result;
    result.reserve(static_cast<std::size_t>(std::max(0, count)));
    for (int i = 0; i < count; ++i)
        result.push_back(emfPoint(transform.map(points[i])));
    return result;
}

U_RECTL emfPixelBounds(const QRectF &area, qreal margin)
{
    return pixelBoundsOf(area.left(), area.top(), area.right(), area.bottom(), margin);
}

U_RECTL emfPixelBounds(const std::vector<U_POINTL> &points, qreal margin)
{
    if (points.empty())
        return {0, 0, -1, -1};
    const auto [left, right]
        = std::minmax_element(points.begin(), points.end(),
                              [](const U_POINTL &a, const U_POINTL &b) { return a.x < b.x; });
    const auto [top, bottom]
        = std::minmax_element(points.begin(), points.end(),
                              [](const U_POINTL &a, const U_POINTL &b) { return a.y < b.y; });
    const qreal unit = 1.0 / unitsPerPixel;
    return pixelBoundsOf(left->x * unit, top->y * unit, right->x * unit, bottom->y * unit, margin);
}

char *emfPolyRecord(EmfPoly kind, const std::vector<U_POINTL> &points, qreal margin)
{
    const U_RECTL bounds = emfPixelBounds(points, margin);
    const auto count = static_cast<std::uint32_t>(points.size());
    if (fitsIn16Bits(points)) {
        const std::vector<U_POINT16> small = shortPoints(points);
        switch (kind) {
        case EmfPoly::Polyline:
            return U_EMRPOLYLINE16_set(bounds, count, small.data());
        case EmfPoly::Polygon:
            return U_EMRPOLYGON16_set(bounds, count, small.data());
        case EmfPoly::PolyBezier:
            return U_EMRPOLYBEZIER16_set(bounds, count, small.data());
        case EmfPoly::PolylineTo:
            return U_EMRPOLYLINETO16_set(bounds, count, small.data());
        case EmfPoly::PolyBezierTo:
            return U_EMRPOLYBEZIERTO16_set(bounds, count, small.data());
        }
    }
    switch (kind) {
    case EmfPoly::Polyline:
        return U_EMRPOLYLINE_set(bounds, count, points.data());
    case EmfPoly::Polygon:
        return U_EMRPOLYGON_set(bounds, count, points.data());
    case EmfPoly::PolyBezier:
        return U_EMRPOLYBEZIER_set(bounds, count, points.data());
    case EmfPoly::PolylineTo:
        return U_EMRPOLYLINETO_set(bounds, count, points.data());
    case EmfPoly::PolyBezierTo:
        return U_EMRPOLYBEZIERTO_set(bounds, count, points.data());
    }
    return nullptr;
}

char *emfLinesRecord(const std::vector<U_POINTL> &ends, qreal margin)
{
    const U_RECTL bounds = emfPixelBounds(ends, margin);
    const std::vector<std::uint32_t> counts(ends.size() / 2, 2);
    const auto lines = static_cast<std::uint32_t>(counts.size());
    const auto count = static_cast<std::uint32_t>(ends.size());
    if (fitsIn16Bits(ends)) {
        const std::vector<U_POINT16> small = shortPoints(ends);
        return U_EMRPOLYPOLYLINE16_set(bounds, lines, counts.data(), count, small.data());
    }
    return U_EMRPOLYPOLYLINE_set(bounds, lines, counts.data(), count, ends.data());
}

std::vector<EmfFigure> emfFiguresOf(const QPainterPath &devicePath)
{
    std::vector<EmfFigure> figures;
    const int count = devicePath.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element &element = devicePath.elementAt(i);
        if (element.isMoveTo() || figures.empty()) {
            figures.push_back({emfPoint(element), {}});
            if (element.isMoveTo())
                continue;
        }
        EmfSegment segment {element.isCurveTo(), {}, {}, emfPoint(element)};
        if (segment.curve && i + 2 < count) {
            segment.first = segment.end; // a curve's own element is its first control point
            segment.second = emfPoint(devicePath.elementAt(i + 1));
            segment.end = emfPoint(devicePath.elementAt(i + 2));
            i += 2;
        }
        figures.back().segments.push_back(segment);
    }
    return figures;
}

void appendEmfFigures(EmfRecordStream &stream, const std::vector<EmfFigure> &figures)
{
    std::vector<U_POINTL> run;
    bool curves = false;
    const auto flushRun = [&] {
        if (run.size() == 1 && !curves)
            stream.append(U_EMRLINETO_set(run.front()));
        else if (!run.empty())
            stream.append(
                emfPolyRecord(curves ? EmfPoly::PolyBezierTo : EmfPoly::PolylineTo, run, 0));
        run.clear();
    };
    for (const EmfFigure &figure : figures) {
        stream.append(U_EMRMOVETOEX_set(figure.start));
        for (const EmfSegment &segment : figure.segments) {
            if (segment.curve != curves)
                flushRun();
            curves = segment.curve;
            if (curves) {
                run.push_back(segment.first);
                run.push_back(segment.second);
            }
            run.push_back(segment.end);
        }
        flushRun();
        if (figure.isClosed())
            stream.append(U_EMRCLOSEFIGURE_set());
    }
}

void appendEmfOutlines(EmfRecordStream &stream, const std::vector<EmfFigure> &figures, qreal margin)
{
    for (const EmfFigure &figure : figures) {
        if (figure.segments.empty())
            continue;
        const bool curves = std::any_of(figure.segments.begin(), figure.segments.end(),
                                        [](const EmfSegment &segment) { return segment.curve; });
        std::vector<U_POINTL> points {figure.start};
        for (const EmfSegment &segment : figure.segments) {
            if (curves) {
                points.push_back(segment.curve ? segment.first : points.back());
                points.push_back(segment.curve ? segment.second : segment.end);
            }
            points.push_back(segment.end);
        }
        stream.append(
            emfPolyRecord(curves ? EmfPoly::PolyBezier : EmfPoly::Polyline, points, margin));
    }
}

void appendEmfClipReset(EmfRecordStream &stream)
{
    const std::uint32_t reset[4] = {U_EMR_EXTSELECTCLIPRGN, sizeof reset, 0, U_RGN_COPY};
    stream.appendBytes(reset, sizeof reset);
}

} // namespace picture
