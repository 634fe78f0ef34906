#include "picture/read/wmfpainter.h"

#include "picture/picture.h"
#include "picture/read/bmpvariants.h"
#include "picture/read/imagecompleteness.h"
#include "picture/read/wmfstyle.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cmath>
#include <numbers>

#include <libwmf/defs.h>
#include <uemf.h>

namespace picture {

namespace {

QPointF pointOf(const wmfD_Coord &point)
{
    return QPointF(point.x, point.y);
}

QRectF rectOf(const wmfD_Coord &topLeft, const wmfD_Coord &bottomRight)
{
    return QRectF(pointOf(topLeft), pointOf(bottomRight)).normalized();
}

QPolygonF polygonOf(const wmfD_Coord *points, unsigned count)
{
    QPolygonF polygon;
    polygon.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        polygon << pointOf(points[i]);
    return polygon;
}

Qt::FillRule fillRuleOf(const wmfDC *dc)
{
    return dc->polyfillmode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
}

// Where the player puts an arc's end point: each coordinate, seen from the centre, held within
// the half axes (in this order), the centre itself moved onto the first axis.
QPointF clampedAsPlayed(QPointF point, QPointF halfAxes)
{
    if (point.isNull())
        point.setX(halfAxes.x());
    double x = point.x();
    double y = point.y();
    if (x > halfAxes.x())
        x = halfAxes.x();
    if (x < -halfAxes.x())
        x = -halfAxes.x();
    if (y > halfAxes.y())
        y = halfAxes.y();
    if (y < -halfAxes.y())
        y = -halfAxes.y();
    return QPointF(x, y);
}

bool nearlySame(QPointF a, QPointF b, double tolerance)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

// Where the baseline lies below the point the player gives for text: it has moved the point
// of text aligned at its top or bottom by an estimate, which the font's ascent and descent
// replace.
double baselineOffset(unsigned alignment, double height, const QFontMetricsF &metrics)
{
    if ((alignment & TA_BASELINE) == TA_BASELINE)
        return 0;
    if (alignment & TA_BOTTOM)
        return height / 3 - metrics.descent();
    return metrics.ascent() - height;
}

// A bitmap file around a device-independent bitmap, for the bitmap readers.
QImage bitmapOf(QByteArrayView dib)
{
    QByteArray file("BM");
    file.resize(bitmapFileHeaderSize);
    qToLittleEndian<quint32>(quint32(bitmapFileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(0, file.data() + 6);
    qToLittleEndian<quint32>(quint32(bitmapFileHeaderSize + dibPixelsOffset(dib)),
                             file.data() + 10);
    file.append(dib.data(), dib.size());
    return decodedBitmapFile(file);
}

} // namespace

WmfPainter::WmfPainter()
    : m_fontData {&WmfPainter::mapFont, &WmfPainter::stringWidth, nullptr}
{
}

WmfPainter::~WmfPainter() = default;

void WmfPainter::attach(wmfAPI *api)
{
    api->device_data = this;
    api->font_data = &m_fontData;
    setFunctions(*static_cast<wmfFunctionReference *>(api->function_reference));
}

void WmfPainter::setArcRecords(std::vector<WmfArcRecord> arcs)
{
    m_arcs = std::move(arcs);
}

void WmfPainter::begin(QPainter *painter, const WmfFrame &frame)
{
    m_painter = painter;
    m_frame = frame;
    m_nextArc = 0;
}

WmfPainter &WmfPainter::of(wmfAPI *api)
{
    return *static_cast<WmfPainter *>(api->device_data);
}

void WmfPainter::setFunctions(wmfFunctionReference &functions)
{
    functions.draw_rectangle = &drawRectangle;
    functions.draw_ellipse = &drawEllipse;
    functions.draw_arc = &drawArc;
    functions.draw_pie = &drawPie;
    functions.draw_chord = &drawChord;
    functions.draw_line = &drawLine;
    functions.poly_line = &drawPolyline;
    functions.draw_polygon = &drawPolygon;
    functions.draw_polypolygon = &drawPolyPolygon;
    functions.draw_pixel = &drawPixel;
    functions.rop_draw = &drawPattern;
    functions.region_frame = &regionFrame;
    functions.region_paint = &regionPaint;
    functions.region_clip = &regionClip;
    functions.draw_text = &textCall;
    functions.bmp_read = &bitmapRead;
    functions.bmp_draw = &bitmapDraw;
    functions.bmp_free = &bitmapFree;
}

// The frame in device units for this context: the window it has (the player turns logical
// units into device units by the window's origin and the scale of the map mode), or the
// rectangle the frame holds.
QRectF WmfPainter::deviceFrame(const wmfDC *dc) const
{
    if (m_frame.kind == WmfFrame::Kind::DeviceRect)
        return m_frame.rect;
    // The map modes whose scale comes from the window and the viewport (libwmf has no names
    // for them; they are GDI's, as in libUEMF).
    const bool scaled = dc->map_mode == U_MM_ISOTROPIC || dc->map_mode == U_MM_ANISOTROPIC;
    const double unitX = !scaled && dc->Window.width < 0 ? -dc->pixel_width : dc->pixel_width;
    const double unitY = !scaled && dc->Window.height < 0 ? -dc->pixel_height : dc->pixel_height;
    QRectF logical = m_frame.rect;
    if (m_frame.kind == WmfFrame::Kind::Window)
        logical = QRectF(dc->Window.Ox, dc->Window.Oy, dc->Window.width, dc->Window.height);
    const auto device = [&](double x, double y) {
        return QPointF((x - dc->Window.Ox) * unitX, (y - dc->Window.Oy) * unitY);
    };
    return QRectF(device(logical.left(), logical.top()), device(logical.right(), logical.bottom()));
}

// Each call paints between a save and a restore of the painter, so a clip of the metafile's
// only narrows the clip of whoever plays the drawing back.
void WmfPainter::draw(const wmfDC *dc, const std::function<void(QPainter &)> &paint)
{
    if (!m_painter)
        return;
    const QRectF from = deviceFrame(dc);
    if (!std::isnormal(from.width()) || !std::isnormal(from.height()))
        return;
    const double scaleX = m_frame.size.width() / from.width();
    const double scaleY = m_frame.size.height() / from.height();
    m_transform = QTransform(scaleX, 0, 0, scaleY, -from.left() * scaleX, -from.top() * scaleY);
    m_painter->save();
    m_painter->setTransform(m_transform);
    if (m_clipping)
        m_painter->setClipPath(m_clip, Qt::IntersectClip);
    paint(*m_painter);
    m_painter->restore();
}

void WmfPainter::drawPath(const wmfDC *dc, const QPainterPath &path, bool fill)
{
    draw(dc, [&](QPainter &painter) { paintPath(painter, dc, path, fill); });
}

void WmfPainter::paintPath(QPainter &painter, const wmfDC *dc, const QPainterPath &path,
                           bool fill) const
{
    if (fill) {
        QPainterPath filled = path;
        filled.setFillRule(fillRuleOf(dc));
        painter.fillPath(filled, hatchBackground(dc));
        painter.fillPath(filled, brushOf(dc));
    }
    painter.strokePath(path, penOf(dc, std::abs(m_transform.m11())));
}

// The start and the end of an arc in device units, seen from its centre. The player passes the
// record's end as the start and its start as the end, each held within the bounding box; the
// record itself gives them unclamped, mapped as the player maps its box. A record whose points,
// clamped so, are not the player's is not the one being played: the player's points serve.
std::pair<QPointF, QPointF> WmfPainter::arcEnds(const wmfDrawArc_t *arc)
{
    const std::pair played(pointOf(arc->end), pointOf(arc->start));
    if (m_nextArc >= m_arcs.size())
        return played;
    const WmfArcRecord &record = m_arcs[m_nextArc++];
    const QPointF logicalSize = QPointF(record.bottomRight - record.topLeft);
    if (logicalSize.x() == 0 || logicalSize.y() == 0)
        return played;
    const QPointF deviceSize = pointOf(arc->BR) - pointOf(arc->TL);
    const QPointF centre = QPointF(record.topLeft + record.bottomRight) / 2;
    const auto device = [&](QPoint point) {
        return QPointF((point.x() - centre.x()) * deviceSize.x() / logicalSize.x(),
                       (point.y() - centre.y()) * deviceSize.y() / logicalSize.y());
    };
    const std::pair ends(device(record.start), device(record.end));
    const QPointF halfAxes = deviceSize / 2;
    const double tolerance = 1e-3 * (std::abs(halfAxes.x()) + std::abs(halfAxes.y()) + 1);
    if (!nearlySame(clampedAsPlayed(ends.first, halfAxes), played.first, tolerance)
        || !nearlySame(clampedAsPlayed(ends.second, halfAxes), played.second, tolerance))
        return played;
    return ends;
}

// Arcs go counter-clockwise on the picture from the radius through the start to the radius
// through the end; the same direction twice is a full turn. A pie closes through the centre,
// a chord straight back.
void WmfPainter::drawArcShape(const wmfDrawArc_t *arc, ArcShape shape)
{
    const auto [start, end] = arcEnds(arc);
    draw(arc->dc, [&](QPainter &painter) {
        // Built on the picture, where counter-clockwise is what the viewer sees, whichever way
        // the file's axes point.
        const QRectF box = m_transform.mapRect(rectOf(arc->TL, arc->BR));
        const auto onPicture = [this](QPointF fromCentre) {
            return QPointF(fromCentre.x() * m_transform.m11(), fromCentre.y() * m_transform.m22());
        };
        const QPainterPath path = arcPath(box, box.center() + onPicture(start),
                                          box.center() + onPicture(end), false, shape);
        paintPath(painter, arc->dc, m_transform.inverted().map(path), shape != ArcShape::Open);
    });
}

void WmfPainter::fillRects(const wmfDC *dc, const wmfPolyRectangle_t *rects)
{
    draw(dc, [&](QPainter &painter) {
        for (unsigned i = 0; i < rects->count; ++i)
            painter.fillRect(rectOf(rects->TL[i], rects->BR[i]), brushOf(dc));
    });
}

void WmfPainter::frameRects(const wmfDC *dc, const wmfPolyRectangle_t *rects)
{
    draw(dc, [&](QPainter &painter) {
        for (unsigned i = 0; i < rects->count; ++i) {
            const QRectF box = rectOf(rects->TL[i], rects->BR[i]);
            QPainterPath border;
            border.addRect(box);
            border.addRect(
                box.adjusted(rects->width, rects->height, -rects->width, -rects->height));
            painter.fillPath(border, brushOf(dc));
        }
    });
}

void WmfPainter::setClip(const wmfPolyRectangle_t *rects)
{
    m_clip = QPainterPath();
    for (unsigned i = 0; i < rects->count; ++i)
        m_clip.addRect(rectOf(rects->TL[i], rects->BR[i]));
    m_clipping = rects->count > 0;
}

void WmfPainter::drawText(const wmfDrawText_t *text)
{
    const wmfDC *dc = text->dc;
    if (!text->str)
        return;
    draw(dc, [&](QPainter &painter) {
        if (text->flags & ETO_OPAQUE)
            painter.fillRect(rectOf(text->TL, text->BR), colourOf(dc->bgcolor));
        if (text->flags & ETO_CLIPPED) {
            QPainterPath box;
            box.addRect(rectOf(text->TL, text->BR));
            painter.setClipPath(box, Qt::IntersectClip);
        }
        // Text is drawn in pixels at its size there, not scaled from the units of the file.
        const double height = text->font_height * std::abs(m_transform.m22());
        if (!(height >= 0.5 && height <= Picture::MaxSide))
            return;
        const QFont font = fontOf(dc->font, int(std::lround(height)));
        const QFontMetricsF metrics(font);
        const QString string = decodedText(text->str, dc->font);
        const double advance = metrics.horizontalAdvance(string);
        const std::optional<QPointF> reference = alignedReference(text);
        double left = 0; // where the text begins left of its point, along the baseline
        if (reference)
            left = (dc->textalign & TA_CENTER) == TA_RIGHT ? -advance : -advance / 2;
        painter.setTransform(QTransform());
        painter.translate(m_transform.map(reference.value_or(pointOf(text->pt))));
        painter.rotate(-dc->font->lfEscapement / 10.0);
        const double baseline = baselineOffset(dc->textalign, height, metrics);
        if (dc->bgmode == OPAQUE) {
            painter.fillRect(QRectF(left, baseline - metrics.ascent(), advance, metrics.height()),
                             colourOf(dc->bgcolor));
        }
        painter.setFont(font);
        painter.setPen(colourOf(dc->textcolor));
        painter.drawText(QPointF(left, baseline), string);
    });
}

// The point a centred or right-aligned text is aligned on, when the player has moved it by a
// width of its own estimate: along the baseline by half the string's width at the font's
// height in vertical units, which is wrong whenever the two scales differ (the player also
// centres right-aligned text). The box it reports around the text is centred on that point.
// Nothing for text aligned left, and for the letters of text with advances, each placed by its
// advance (the box, given with the first letter, is not centred on it by the estimate).
std::optional<QPointF> WmfPainter::alignedReference(const wmfDrawText_t *text)
{
    if ((text->dc->textalign & TA_CENTER) == 0)
        return std::nullopt;
    const QPointF reference = (pointOf(text->bbox.TR) + pointOf(text->bbox.BL)) / 2;
    const double estimate = double(stringWidth(nullptr, text->dc->font, text->str))
                            * text->font_height * text->font_ratio;
    const QPointF moved = reference - pointOf(text->pt);
    const double distance = std::hypot(moved.x(), moved.y());
    if (std::abs(distance - std::abs(estimate) / 2) > 1e-3 * (std::abs(estimate) + 1))
        return std::nullopt;
    return reference;
}

void WmfPainter::readBitmap(wmfBMP_Read_t *read)
{
    const QByteArrayView dib(read->buffer, read->length > 0 ? read->length : 0);
    QImage image = deviceIndependentBitmapComplete(dib) ? bitmapOf(dib) : QImage();
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF) {
        m_failed = true;
        return;
    }
    m_bitmaps.push_back(std::move(image));
    read->bmp.data = &m_bitmaps.back();
    read->bmp.width = quint16(m_bitmaps.back().width());
    read->bmp.height = quint16(m_bitmaps.back().height());
}

void WmfPainter::drawBitmap(const wmfBMP_Draw_t *bitmap)
{
    if (!bitmap->bmp.data)
        return;
    draw(bitmap->dc, [bitmap](QPainter &painter) {
        const auto *image = static_cast<const QImage *>(bitmap->bmp.data);
        const QRectF source(bitmap->crop.x, bitmap->crop.y, bitmap->crop.w, bitmap->crop.h);
        const QRectF target(pointOf(bitmap->pt), QSizeF(bitmap->crop.w * bitmap->pixel_width,
                                                        bitmap->crop.h * bitmap->pixel_height));
        painter.drawImage(target, *image, source);
    });
}

void WmfPainter::drawRectangle(wmfAPI *api, wmfDrawRectangle_t *rectangle)
{
    QPainterPath path;
    const QRectF box = rectOf(rectangle->TL, rectangle->BR);
    if (rectangle->width > 0 || rectangle->height > 0)
        path.addRoundedRect(box, rectangle->width / 2, rectangle->height / 2);
    else
        path.addRect(box);
    of(api).drawPath(rectangle->dc, path, true);
}

void WmfPainter::drawEllipse(wmfAPI *api, wmfDrawArc_t *arc)
{
    QPainterPath path;
    path.addEllipse(rectOf(arc->TL, arc->BR));
    of(api).drawPath(arc->dc, path, true);
}

void WmfPainter::drawArc(wmfAPI *api, wmfDrawArc_t *arc)
{
    of(api).drawArcShape(arc, ArcShape::Open);
}

void WmfPainter::drawPie(wmfAPI *api, wmfDrawArc_t *arc)
{
    of(api).drawArcShape(arc, ArcShape::Pie);
}

void WmfPainter::drawChord(wmfAPI *api, wmfDrawArc_t *arc)
{
    of(api).drawArcShape(arc, ArcShape::Chord);
}

void WmfPainter::drawLine(wmfAPI *api, wmfDrawLine_t *line)
{
    QPainterPath path(pointOf(line->from));
    path.lineTo(pointOf(line->to));
    of(api).drawPath(line->dc, path, false);
}

void WmfPainter::drawPolyline(wmfAPI *api, wmfPolyLine_t *line)
{
    QPainterPath path;
    path.addPolygon(polygonOf(line->pt, line->count));
    of(api).drawPath(line->dc, path, false);
}

void WmfPainter::drawPolygon(wmfAPI *api, wmfPolyLine_t *polygon)
{
    QPainterPath path;
    path.addPolygon(polygonOf(polygon->pt, polygon->count));
    path.closeSubpath();
    of(api).drawPath(polygon->dc, path, true);
}

void WmfPainter::drawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *polygons)
{
    QPainterPath path;
    for (unsigned i = 0; i < polygons->npoly; ++i) {
        path.addPolygon(polygonOf(polygons->pt[i], polygons->count[i]));
        path.closeSubpath();
    }
    of(api).drawPath(polygons->dc, path, true);
}

void WmfPainter::drawPixel(wmfAPI *api, wmfDrawPixel_t *pixel)
{
    of(api).draw(pixel->dc, [pixel](QPainter &painter) {
        painter.fillRect(
            QRectF(pointOf(pixel->pt), QSizeF(pixel->pixel_width, pixel->pixel_height)),
            colourOf(pixel->color));
    });
}

// A pattern block transfer: the brush, or black or white for the operations that ask for
// them.
void WmfPainter::drawPattern(wmfAPI *api, wmfROP_Draw_t *pattern)
{
    of(api).draw(pattern->dc, [pattern](QPainter &painter) {
        const QRectF box = rectOf(pattern->TL, pattern->BR);
        if (pattern->ROP == BLACKNESS || pattern->ROP == WHITENESS)
            painter.fillRect(box, pattern->ROP == BLACKNESS ? Qt::black : Qt::white);
        else
            painter.fillRect(box, brushOf(pattern->dc));
    });
}

void WmfPainter::regionFrame(wmfAPI *api, wmfPolyRectangle_t *rects)
{
    of(api).frameRects(rects->dc, rects);
}

void WmfPainter::regionPaint(wmfAPI *api, wmfPolyRectangle_t *rects)
{
    of(api).fillRects(rects->dc, rects);
}

void WmfPainter::regionClip(wmfAPI *api, wmfPolyRectangle_t *rects)
{
    of(api).setClip(rects);
}

void WmfPainter::textCall(wmfAPI *api, wmfDrawText_t *text)
{
    of(api).drawText(text);
}

void WmfPainter::bitmapRead(wmfAPI *api, wmfBMP_Read_t *read)
{
    of(api).readBitmap(read);
}

void WmfPainter::bitmapDraw(wmfAPI *api, wmfBMP_Draw_t *draw)
{
    of(api).drawBitmap(draw);
}

// The bitmaps stay with the device until it goes.
void WmfPainter::bitmapFree(wmfAPI *, wmfBMP *bitmap)
{
    bitmap->data = nullptr;
}

void WmfPainter::mapFont(wmfAPI *, wmfFont *) { }

// The width of a text at a size of one unit.
float WmfPainter::stringWidth(wmfAPI *, wmfFont *font, char *text)
{
    constexpr int size = 1000;
    const QFontMetricsF metrics(fontOf(font, size));
    return float(metrics.horizontalAdvance(decodedText(text, font)) / size);
}

} // namespace picture
