#include "picture/emf/emfpaintengine.h"

#include "picture/emf/emfgeometry.h"
#include "picture/emf/emflengths.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

namespace picture {

namespace {

constexpr int unitsPerPixel = emfUnitsPerPixel;

QPaintEngine::PaintEngineFeatures claimedFeatures()
{
    // Whatever is not claimed, QPainter paints into a bitmap first.
    return QPaintEngine::PaintEngineFeatures(QPaintEngine::AllFeatures)
           & ~(QPaintEngine::PerspectiveTransform | QPaintEngine::PorterDuff
               | QPaintEngine::BlendModes | QPaintEngine::ObjectBoundingModeGradients);
}

// How far a pen's stroke reaches beyond the geometry, in pixels (generous for miters).
qreal marginOf(const EmfPen &pen)
{
    return pen.visible ? qreal(pen.width) / unitsPerPixel : 0;
}

} // namespace

EmfPaintEngine::EmfPaintEngine(QSize sizeInPixels, int dotsPerInch)
    : QPaintEngine(claimedFeatures())
    , m_size(sizeInPixels)
    , m_dpi(dotsPerInch)
{
}

EmfPaintEngine::~EmfPaintEngine() = default;

bool EmfPaintEngine::begin(QPaintDevice *)
{
    m_metafile.clear();
    m_pen = QPen();
    m_brush = QBrush();
    m_transform.reset();
    m_opacity = 1;
    m_clip = QPainterPath();
    m_hasClip = m_clipEnabled = false;
    m_dc = DeviceContext();
    m_stream.start(m_size, m_dpi);
    writePreamble();
    return true;
}

// Logical units are sixteenths of a device pixel, scaled by the world transform (a mapping mode
// would do the same for GDI, but some readers leave the pen widths unscaled under one); text
// stands on its baseline, left-aligned, with no background box.
void EmfPaintEngine::writePreamble()
{
    const auto pixelsPerUnit = static_cast<U_FLOAT>(1.0 / unitsPerPixel);
    m_stream.append(
        U_EMRSETWORLDTRANSFORM_set(xform_set(pixelsPerUnit, 0, 0, pixelsPerUnit, 0, 0)));
    m_stream.append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    m_stream.append(U_EMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
}

bool EmfPaintEngine::end()
{
    releaseObjects();
    m_metafile = m_stream.finish();
    return !m_metafile.isEmpty();
}

// Selects stock objects in place of the metafile's own and deletes those.
void EmfPaintEngine::releaseObjects()
{
    if (m_dc.penHandle != 0)
        swapObject(m_dc.penHandle, 0, nullptr, U_BLACK_PEN);
    if (m_dc.brushHandle != 0)
        swapObject(m_dc.brushHandle, 0, nullptr, U_WHITE_BRUSH);
    if (m_dc.fontHandle != 0)
        swapObject(m_dc.fontHandle, 0, nullptr, U_DEVICE_DEFAULT_FONT);
}

void EmfPaintEngine::updateState(const QPaintEngineState &painterState)
{
    const QPaintEngine::DirtyFlags dirty = painterState.state();
    if (dirty & DirtyPen)
        m_pen = painterState.pen();
    if (dirty & DirtyBrush)
        m_brush = painterState.brush();
    if (dirty & DirtyOpacity)
        m_opacity = painterState.opacity();
    // A clip is given in the coordinates of the transform it came with.
    if (dirty & DirtyTransform)
        m_transform = painterState.transform();
    if (dirty & DirtyClipRegion) {
        QPainterPath region;
        region.addRegion(painterState.clipRegion());
        changeClip(region, painterState.clipOperation());
    }
    if (dirty & DirtyClipPath)
        changeClip(painterState.clipPath(), painterState.clipOperation());
    if (dirty & DirtyClipEnabled)
        m_clipEnabled = painterState.isClipEnabled();
}

void EmfPaintEngine::changeClip(const QPainterPath &path, Qt::ClipOperation operation)
{
    switch (operation) {
    case Qt::NoClip:
        m_clip = QPainterPath();
        m_hasClip = false;
        break;
    case Qt::ReplaceClip:
        m_clip = m_transform.map(path);
        m_hasClip = true;
        break;
    case Qt::IntersectClip:
        m_clip = m_hasClip ? m_clip.intersected(m_transform.map(path)) : m_transform.map(path);
        m_hasClip = true;
        break;
    }
}

// Brings the metafile's clip up to the painter's before anything is drawn. A changed clip
// first resets the old one, so that no viewer keeps it, whatever it makes of the new one.
void EmfPaintEngine::flushClip()
{
    std::optional<QPainterPath> wanted;
    if (m_clipEnabled && m_hasClip)
        wanted = m_clip;
    if (wanted == m_dc.clip)
        return;
    if (m_dc.clip)
        appendEmfClipReset(m_stream);
    if (wanted) {
        QPainterPath outline = *wanted;
        if (outline.isEmpty()) // lets nothing through
            outline.addRect(QRectF(-1, -1, 0, 0));
        setFillMode(outline.fillRule());
        m_stream.append(U_EMRBEGINPATH_set());
        appendEmfFigures(m_stream, emfFiguresOf(outline));
        m_stream.append(U_EMRENDPATH_set());
        m_stream.append(U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
    }
    m_dc.clip = wanted;
}

EmfPen EmfPaintEngine::currentPen() const
{
    return emfPenFor(m_pen, m_transform, m_opacity, unitsPerPixel);
}

EmfBrush EmfPaintEngine::currentBrush() const
{
    return emfBrushFor(m_brush, m_opacity);
}

// Selects the new object (`created` makes it under `handle`) or, with no handle, the stock
// object, and deletes the object it replaces: the table keeps only what is selected.
void EmfPaintEngine::swapObject(std::uint32_t &selected, std::uint32_t handle, char *created,
                                std::uint32_t stockObject)
{
    if (handle != 0) {
        m_stream.append(created);
        m_stream.append(U_EMRSELECTOBJECT_set(handle));
    } else {
        m_stream.append(U_EMRSELECTOBJECT_set(stockObject));
    }
    if (selected != 0)
        m_stream.deleteObject(selected);
    selected = handle;
}

void EmfPaintEngine::selectPen(const EmfPen &pen)
{
    if (m_dc.pen == pen)
        return;
    const std::uint32_t handle = pen.visible ? m_stream.takeHandle() : 0;
    swapObject(m_dc.penHandle, handle, handle ? createPenRecord(handle, pen) : nullptr, U_NULL_PEN);
    m_dc.pen = pen;
}

void EmfPaintEngine::selectBrush(const EmfBrush &brush)
{
    if (m_dc.brush == brush)
        return;
    const std::uint32_t handle = brush.visible ? m_stream.takeHandle() : 0;
    swapObject(m_dc.brushHandle, handle, handle ? createBrushRecord(handle, brush) : nullptr,
               U_NULL_BRUSH);
    m_dc.brush = brush;
}

void EmfPaintEngine::selectFont(const EmfFont &font)
{
    if (m_dc.font == font)
        return;
    const std::uint32_t handle = m_stream.takeHandle();
    swapObject(m_dc.fontHandle, handle, createFontRecord(handle, font), U_DEVICE_DEFAULT_FONT);
    m_dc.font = font;
}

void EmfPaintEngine::setFillMode(Qt::FillRule rule)
{
    const std::uint32_t mode = rule == Qt::WindingFill ? U_WINDING : U_ALTERNATE;
    if (m_dc.fillMode == mode)
        return;
    m_stream.append(U_EMRSETPOLYFILLMODE_set(mode));
    m_dc.fillMode = mode;
}

void EmfPaintEngine::setTextColour(std::uint32_t colour)
{
    if (m_dc.textColour == colour)
        return;
    m_stream.append(U_EMRSETTEXTCOLOR_set(std::bit_cast<U_COLORREF>(colour)));
    m_dc.textColour = colour;
}

void EmfPaintEngine::drawPath(const QPainterPath &path)
{
    const EmfPen pen = currentPen();
    const EmfBrush brush = currentBrush();
    if (path.isEmpty() || (!pen.visible && !brush.visible))
        return;
    flushClip();
    if (pen.visible)
        selectPen(pen);
    if (brush.visible) {
        selectBrush(brush);
        setFillMode(path.fillRule());
    }
    const QPainterPath devicePath = m_transform.map(path);
    const std::vector<EmfFigure> figures = emfFiguresOf(devicePath);
    if (!brush.visible && !std::all_of(figures.begin(), figures.end(), [](const EmfFigure &f) {
            return f.isClosed();
        })) {
        appendEmfOutlines(m_stream, figures, marginOf(pen));
        return;
    }
    m_stream.append(U_EMRBEGINPATH_set());
    appendEmfFigures(m_stream, figures);
    m_stream.append(U_EMRENDPATH_set());
    const U_RECTL box = emfPixelBounds(devicePath.controlPointRect(), marginOf(pen));
    if (pen.visible && brush.visible)
        m_stream.append(U_EMRSTROKEANDFILLPATH_set(box));
    else if (pen.visible)
        m_stream.append(U_EMRSTROKEPATH_set(box));
    else
        m_stream.append(U_EMRFILLPATH_set(box));
}

void EmfPaintEngine::drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode)
{
    const bool outline = mode == PolylineMode;
    const EmfPen pen = currentPen();
    const EmfBrush brush = outline ? EmfBrush() : currentBrush();
    if (pointCount < 2 || (!pen.visible && !brush.visible))
        return;
    flushClip();
    selectPen(pen);
    if (!outline) {
        selectBrush(brush);
        setFillMode(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    m_stream.append(emfPolyRecord(outline ? EmfPoly::Polyline : EmfPoly::Polygon,
                                  emfPoints(m_transform, points, pointCount), marginOf(pen)));
}

void EmfPaintEngine::drawLines(const QLineF *lines, int lineCount)
{
    const EmfPen pen = currentPen();
    if (lineCount <= 0 || !pen.visible)
        return;
    flushClip();
    selectPen(pen);
    std::vector<U_POINTL> ends;
    ends.reserve(2 * static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i) {
        ends.push_back(emfPoint(m_transform.map(lines[i].p1())));
        ends.push_back(emfPoint(m_transform.map(lines[i].p2())));
    }
    if (lineCount == 1)
        m_stream.append(emfPolyRecord(EmfPoly::Polyline, ends, marginOf(pen)));
    else
        m_stream.append(emfLinesRecord(ends, marginOf(pen)));
}

void EmfPaintEngine::drawRects(const QRectF *rects, int rectCount)
{
    for (int i = 0; i < rectCount; ++i) {
        const QRectF &r = rects[i];
        const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
        drawPolygon(corners, 4, ConvexMode);
    }
}

void EmfPaintEngine::drawTextItem(const QPointF &p, const QTextItem &textItem)
{
    const QString text = textItem.text();
    if (text.isEmpty() || m_pen.style() == Qt::NoPen || m_pen.brush().style() == Qt::NoBrush)
        return;
    flushClip();
    selectFont(emfFontFor(textItem.font(), m_transform, m_dpi, unitsPerPixel));
    setTextColour(emfColour(solidColourOf(m_pen.brush()), m_opacity));
    std::vector<std::uint32_t> dx = advances(text, textItem);
    const QRectF box(p.x(), p.y() - textItem.ascent(), textItem.width(),
                     textItem.ascent() + textItem.descent());
    char *body = emrtext_set(emfPoint(m_transform.map(p)), static_cast<U_NUM_STR>(text.size()), 2,
                             const_cast<void *>(static_cast<const void *>(text.utf16())),
                             U_ETO_NONE, U_RECTL {}, dx.data());
    // Hundredths of a millimetre per logical unit.
    const auto scale
        = static_cast<U_FLOAT>(lengthOfPixel(m_dpi, hundredthsOfMillimetrePerInch) / unitsPerPixel);
    m_stream.append(body ? U_EMREXTTEXTOUTW_set(emfPixelBounds(m_transform.mapRect(box), 1),
                                                U_GM_COMPATIBLE, scale, scale,
                                                reinterpret_cast<PU_EMRTEXT>(body))
                         : nullptr);
    std::free(body);
}

// The advance of each UTF-16 unit in logical units along the baseline: QFontMetricsF's advance
// of its character (0 for the second half of a surrogate pair), stretched so that the run is as
// wide as Qt laid it out (kerning, spacing), and rounded without drifting.
std::vector<std::uint32_t> EmfPaintEngine::advances(const QString &text,
                                                    const QTextItem &item) const
{
    const QFontMetricsF metrics(item.font(), paintDevice());
    std::vector<qreal> own(static_cast<std::size_t>(text.size()), 0);
    qreal total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                          && text.at(i + 1).isLowSurrogate();
        own[static_cast<std::size_t>(i)] = metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
        total += own[static_cast<std::size_t>(i)];
        i += pair ? 1 : 0;
    }
    const qreal baseline
        = QLineF(m_transform.map(QPointF(0, 0)), m_transform.map(QPointF(1, 0))).length();
    const qreal stretch = item.width() > 0 && total > 0 ? item.width() / total : 1;
    const qreal unitsPerAdvance = stretch * baseline * unitsPerPixel;
    std::vector<std::uint32_t> dx(own.size());
    qreal position = 0;
    long previous = 0;
    for (std::size_t i = 0; i < own.size(); ++i) {
        position += own[i] * unitsPerAdvance;
        const long rounded = std::lround(position);
        dx[i] = static_cast<std::uint32_t>(rounded - previous);
        previous = rounded;
    }
    return dx;
}

void EmfPaintEngine::drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &sr)
{
    drawImage(r, pixmap.toImage(), sr);
}

void EmfPaintEngine::drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                               Qt::ImageConversionFlags)
{
    const QRect source = sr.toAlignedRect() & image.rect();
    if (source.isEmpty() || r.isEmpty())
        return;
    flushClip();
    if (m_transform.type() <= QTransform::TxScale && m_transform.m11() > 0
        && m_transform.m22() > 0) {
        writeBitmap(m_transform.mapRect(r), onWhite(image, source));
        return;
    }
    // Turned, sheared or mirrored: painted upright over the device pixels it covers.
    const QRect covered = m_transform.mapRect(r).toAlignedRect() & QRect(QPoint(0, 0), m_size);
    if (covered.isEmpty())
        return;
    QImage upright(covered.size(), QImage::Format_RGB32);
    upright.fill(Qt::white);
    QPainter painter(&upright);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(m_opacity);
    painter.setTransform(m_transform * QTransform::fromTranslate(-covered.x(), -covered.y()));
    painter.drawImage(r, image, sr);
    painter.end();
    writeBitmap(covered, upright);
}

// One bitmap over the visible part of the tiled area, not a record per tile.
void EmfPaintEngine::drawTiledPixmap(const QRectF &r, const QPixmap &pixmap, const QPointF &s)
{
    const QRectF device(QPointF(0, 0), QSizeF(m_size));
    const QRectF visible = r & m_transform.inverted().mapRect(device);
    if (visible.isEmpty() || pixmap.isNull())
        return;
    const QSize size(qCeil(visible.width()), qCeil(visible.height()));
    QImage tiles(size, QImage::Format_ARGB32_Premultiplied);
    tiles.fill(Qt::transparent);
    QPainter painter(&tiles);
    painter.drawTiledPixmap(QRectF(QPointF(0, 0), visible.size()), pixmap,
                            s + (visible.topLeft() - r.topLeft()));
    painter.end();
    drawImage(QRectF(visible.topLeft(), QSizeF(size)), tiles, QRectF(tiles.rect()));
}

// The source part of `image`, its transparency blended onto white at the painter's opacity.
QImage EmfPaintEngine::onWhite(const QImage &image, const QRect &source) const
{
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.setOpacity(m_opacity);
    painter.drawImage(QPoint(0, 0), image, source);
    painter.end();
    return flat;
}

// A STRETCHDIBITS record: 32-bit BI_RGB rows, bottom-up, stretched over `deviceTarget`.
void EmfPaintEngine::writeBitmap(const QRectF &deviceTarget, const QImage &upright)
{
    if (upright.isNull())
        return;
    if (!m_dc.stretchModeSet) {
        m_stream.append(U_EMRSETSTRETCHBLTMODE_set(U_STRETCH_DELETESCANS)); // colour on colour
        m_dc.stretchModeSet = true;
    }
    QImage rows = upright.convertToFormat(QImage::Format_RGB32).mirrored(false, true);
    const int width = rows.width();
    const int height = rows.height();
    const auto byteCount = static_cast<std::uint32_t>(rows.sizeInBytes());
    const auto pelsPerMetre
        = static_cast<std::int32_t>(lengthToPixels(1000, m_dpi, millimetresPerInch));
    PU_BITMAPINFO info
        = bitmapinfo_set(bitmapinfoheader_set(width, height, 1, 32, U_BI_RGB, byteCount,
                                              pelsPerMetre, pelsPerMetre, 0, 0),
                         nullptr);
    const U_POINTL origin = emfPoint(deviceTarget.topLeft());
    const U_POINTL corner = emfPoint(deviceTarget.bottomRight());
    char *record = info
                       ? U_EMRSTRETCHDIBITS_set(emfPixelBounds(deviceTarget, 0), origin,
                                                U_POINTL {corner.x - origin.x, corner.y - origin.y},
                                                U_POINTL {0, 0}, U_POINTL {width, height},
                                                U_DIB_RGB_COLORS, U_SRCCOPY, info, byteCount,
                                                reinterpret_cast<char *>(rows.bits()))
                       : nullptr;
    std::free(info);
    m_stream.append(record);
}

} // namespace picture
