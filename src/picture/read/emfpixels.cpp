// The records that copy pixels, fill regions and gradients, and the brushes made of bitmaps.

#include "picture/read/emfplayer.h"
#include "picture/read/emfrecordparts.h"
#include "picture/read/imagecompleteness.h"
#include "picture/read/littleendian.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace picture {

namespace {

// Larger bitmaps, and gradient triangles of more pixels, are taken for damage.
constexpr qint64 mostPixels = qint64(64) * 1024 * 1024;

constexpr qsizetype infoHeaderSize = 40;

// A bitmap whose 32-bit pixels carry their alpha, premultiplied, as ALPHABLEND takes them (Qt's
// bitmap reader drops the alpha).
QImage alphaImage(QByteArrayView info, QByteArrayView bits)
{
    const qint64 width = s32(info, 4);
    const qint64 height = s32(info, 8);
    const qint64 rows = std::abs(height);
    if (width <= 0 || rows == 0 || width * rows > mostPixels || bits.size() < width * rows * 4)
        return {};
    QImage image(int(width), int(rows), QImage::Format_ARGB32_Premultiplied);
    for (qint64 row = 0; row < rows; ++row) {
        const qint64 line = height > 0 ? rows - 1 - row : row; // bottom-up unless negative
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(int(line)));
        for (qint64 x = 0; x < width; ++x)
            pixels[x] = qFromLittleEndian<quint32>(bits.data() + (row * width + x) * 4);
    }
    return image;
}

// The device-independent bitmap that a record holds (its header and colours, its pixels), or a
// null image when it is not whole.
QImage bitmapOf(QByteArrayView record, quint64 infoAt, quint64 infoSize, quint64 bitsAt,
                quint64 bitsSize, bool withAlpha = false)
{
    const QByteArrayView info = bytesAt(record, infoAt, infoSize);
    const QByteArrayView bits = bytesAt(record, bitsAt, bitsSize);
    if (info.size() < infoHeaderSize || bits.isEmpty())
        return {};
    const quint32 compression = u32(info, 16);
    if (compression == U_BI_JPEG || compression == U_BI_PNG)
        return QImage::fromData(bits, compression == U_BI_PNG ? "PNG" : "JPEG");
    if (withAlpha && u16(info, 14) == 32 && compression == U_BI_RGB)
        return alphaImage(info, bits);
    const qint64 pixelsAt = dibPixelsOffset(info);
    if (pixelsAt < infoHeaderSize || pixelsAt > info.size()
        || qint64(s32(info, 4)) * std::abs(qint64(s32(info, 8))) > mostPixels)
        return {};
    QByteArray file(int(bitmapFileHeaderSize), '\0');
    file[0] = 'B';
    file[1] = 'M';
    file.append(info.first(pixelsAt).data(), pixelsAt);
    file.append(bits.data(), bits.size());
    if (!deviceIndependentBitmapComplete(QByteArrayView(file).sliced(bitmapFileHeaderSize)))
        return {};
    qToLittleEndian<quint32>(quint32(file.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(bitmapFileHeaderSize + pixelsAt), file.data() + 10);
    return QImage::fromData(file, "BMP");
}

// What a record says of its source bitmap, wherever its fields lie.
struct Source
{
    quint64 infoAt, infoSize, bitsAt, bitsSize;
};

template<typename Record> Source sourceOf(const Record &blit)
{
    return Source {blit.offBmiSrc, blit.cbBmiSrc, blit.offBitsSrc, blit.cbBitsSrc};
}

QRectF rectOf(const U_POINTL &at, const U_POINTL &size)
{
    return QRectF(at.x, at.y, size.x, size.y);
}

QColor vertexColour(const U_TRIVERTEX &vertex)
{
    return QColor(vertex.Red >> 8, vertex.Green >> 8, vertex.Blue >> 8);
}

} // namespace

bool EmfPlayer::playPixels(quint32 type, QByteArrayView record)
{
    switch (type) {
    case U_EMR_BITBLT: {
        const std::optional<U_EMRBITBLT> blit = leading<U_EMRBITBLT>(record);
        if (!blit)
            return true;
        const QRectF target = rectOf(blit->Dest, blit->cDest);
        if (blit->cbBmiSrc == 0) {
            fillWithRasterOperation(target, blit->dwRop);
            return true;
        }
        const Source source = sourceOf(*blit);
        drawImage(target,
                  bitmapOf(record, source.infoAt, source.infoSize, source.bitsAt, source.bitsSize),
                  rectOf(blit->Src, blit->cDest), blit->dwRop);
        return true;
    }
    case U_EMR_STRETCHBLT:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT: {
        // The three share their fields but for the raster operation, which is a blend function
        // in ALPHABLEND and the transparent colour in TRANSPARENTBLT.
        const std::optional<U_EMRSTRETCHBLT> blit = leading<U_EMRSTRETCHBLT>(record);
        if (!blit)
            return true;
        const QRectF target = rectOf(blit->Dest, blit->cDest);
        if (blit->cbBmiSrc == 0) {
            if (type == U_EMR_STRETCHBLT)
                fillWithRasterOperation(target, blit->dwRop);
            return true;
        }
        const Source source = sourceOf(*blit);
        QImage image = bitmapOf(record, source.infoAt, source.infoSize, source.bitsAt,
                                source.bitsSize, type == U_EMR_ALPHABLEND);
        quint32 operation = blit->dwRop;
        if (type == U_EMR_TRANSPARENTBLT && !image.isNull()) {
            const QRgb transparent
                = QColor(blit->dwRop & 0xFF, (blit->dwRop >> 8) & 0xFF, (blit->dwRop >> 16) & 0xFF)
                      .rgb();
            image = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    if ((pixels[x] | 0xFF000000) == transparent)
                        pixels[x] = 0;
                }
            }
            operation = U_SRCCOPY;
        } else if (type == U_EMR_ALPHABLEND) {
            U_BLEND blend;
            std::memcpy(&blend, &blit->dwRop, sizeof blend);
            painterInPixels().setOpacity(blend.Global / 255.0);
            operation = U_SRCCOPY;
        }
        drawImage(target, image, rectOf(blit->Src, blit->cSrc), operation);
        m_painter->setOpacity(1);
        return true;
    }
    case U_EMR_STRETCHDIBITS: {
        const std::optional<U_EMRSTRETCHDIBITS> blit = leading<U_EMRSTRETCHDIBITS>(record);
        if (!blit)
            return true;
        const QRectF target = rectOf(blit->Dest, blit->cDest);
        if (blit->cbBmiSrc == 0) {
            fillWithRasterOperation(target, blit->dwRop);
            return true;
        }
        const Source source = sourceOf(*blit);
        const QImage image
            = bitmapOf(record, source.infoAt, source.infoSize, source.bitsAt, source.bitsSize);
        // The source's corner counts from the bitmap's bottom row.
        QRectF from = rectOf(blit->Src, blit->cSrc);
        from.moveTop(image.height() - from.bottom());
        drawImage(target, image, from, blit->dwRop);
        return true;
    }
    case U_EMR_SETDIBITSTODEVICE: {
        const std::optional<U_EMRSETDIBITSTODEVICE> blit = leading<U_EMRSETDIBITSTODEVICE>(record);
        if (!blit)
            return true;
        const Source source = sourceOf(*blit);
        const QImage image
            = bitmapOf(record, source.infoAt, source.infoSize, source.bitsAt, source.bitsSize);
        QRectF from = rectOf(blit->Src, blit->cSrc);
        from.moveTop(image.height() - from.bottom());
        drawImage(rectOf(blit->Dest, blit->cSrc), image, from, U_SRCCOPY);
        return true;
    }
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN: {
        const std::optional<U_EMRFILLRGN> fill
            = leading<U_EMRFILLRGN>(record, offsetof(U_EMRFILLRGN, RgnData));
        if (!fill)
            return true;
        // PAINTRGN has no brush of its own: its region follows the count at once.
        const quint64 regionAt = type == U_EMR_FILLRGN ? offsetof(U_EMRFILLRGN, RgnData)
                                                       : offsetof(U_EMRFILLRGN, ihBrush);
        const std::optional<QPainterPath> region
            = regionPath(bytesAt(record, regionAt, fill->cbRgnData));
        EmfBrush brush = m_state.brush;
        if (type == U_EMR_FILLRGN) {
            std::optional<EmfObject> object = stockObject(fill->ihBrush);
            if (!object && fill->ihBrush < m_objects.size())
                object = m_objects[fill->ihBrush];
            const EmfBrush *chosen = object ? std::get_if<EmfBrush>(&*object) : nullptr;
            if (!chosen)
                return true;
            brush = *chosen;
        }
        if (region && !m_inPath)
            painterInPixels().fillPath(m_deviceToPicture.map(*region), brush.brush);
        return true;
    }
    case U_EMR_GRADIENTFILL:
        drawGradient(record);
        return true;
    default:
        return false;
    }
}

void EmfPlayer::drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                          quint32 rasterOperation)
{
    if (m_inPath || rasterOperation == U_NOOP || target.isNull())
        return;
    if (rasterOperation == U_BLACKNESS || rasterOperation == U_WHITENESS
        || rasterOperation == U_PATCOPY || rasterOperation == U_DSTINVERT
        || rasterOperation == U_PATINVERT) {
        fillWithRasterOperation(target, rasterOperation);
        return;
    }
    if (image.isNull())
        return;
    // A negative width or height mirrors the picture.
    QImage part = image.copy(source.normalized().toAlignedRect());
    if (part.isNull())
        return;
    if (target.width() < 0 || target.height() < 0)
        part = part.mirrored(target.width() < 0, target.height() < 0);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rasterOperation == U_SRCAND)
        mode = QPainter::RasterOp_SourceAndDestination;
    else if (rasterOperation == U_SRCPAINT)
        mode = QPainter::RasterOp_SourceOrDestination;
    else if (rasterOperation == U_SRCINVERT)
        mode = QPainter::RasterOp_SourceXorDestination;
    else if (rasterOperation == U_NOTSRCCOPY)
        part.invertPixels();
    QPainter &painter = painterFor(false, false);
    painter.setCompositionMode(mode);
    painter.drawImage(target.normalized(), part);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void EmfPlayer::fillWithRasterOperation(const QRectF &target, quint32 rasterOperation)
{
    if (m_inPath || rasterOperation == U_NOOP)
        return;
    const QRectF rect = target.normalized();
    QPainter &painter = painterFor(false, false);
    switch (rasterOperation) {
    case U_BLACKNESS:
        painter.fillRect(rect, Qt::black);
        break;
    case U_WHITENESS:
        painter.fillRect(rect, Qt::white);
        break;
    case U_DSTINVERT:
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(rect, Qt::white);
        break;
    case U_PATINVERT:
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(rect, m_state.brush.brush);
        break;
    default: // the pattern, however the operation combines it
        if (m_state.brush.hatched && m_state.opaqueBackground)
            painter.fillRect(rect, m_state.backgroundColour);
        painter.fillRect(rect, m_state.brush.brush);
        break;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void EmfPlayer::drawGradient(QByteArrayView record)
{
    const std::optional<U_EMRGRADIENTFILL> fill = leading<U_EMRGRADIENTFILL>(record);
    if (!fill || m_inPath)
        return;
    const std::vector<U_TRIVERTEX> vertices
        = itemsAt<U_TRIVERTEX>(record, sizeof(U_EMRGRADIENTFILL), fill->nTriVert);
    const quint64 objectsAt
        = sizeof(U_EMRGRADIENTFILL) + quint64(vertices.size()) * sizeof(U_TRIVERTEX);
    if (vertices.size() != fill->nTriVert)
        return;
    const auto vertex = [&vertices](quint32 index) -> const U_TRIVERTEX * {
        return index < vertices.size() ? &vertices[index] : nullptr;
    };
    if (fill->ulMode == U_GRADIENT_FILL_RECT_H || fill->ulMode == U_GRADIENT_FILL_RECT_V) {
        for (const U_GRADIENT4 &corners : itemsAt<U_GRADIENT4>(record, objectsAt, fill->nGradObj)) {
            const U_TRIVERTEX *from = vertex(corners.UpperLeft);
            const U_TRIVERTEX *to = vertex(corners.LowerRight);
            if (!from || !to)
                continue;
            const QRectF rect = QRectF(QPointF(from->x, from->y), QPointF(to->x, to->y));
            const bool across = fill->ulMode == U_GRADIENT_FILL_RECT_H;
            QLinearGradient gradient(rect.topLeft(), across ? rect.topRight() : rect.bottomLeft());
            gradient.setColorAt(0, vertexColour(*from));
            gradient.setColorAt(1, vertexColour(*to));
            painterFor(false, false).fillRect(rect.normalized(), gradient);
        }
        return;
    }
    if (fill->ulMode != U_GRADIENT_FILL_TRIANGLE)
        return;
    const QTransform &to = transform();
    const QRectF picture(QPointF(0, 0), QSizeF(m_frame.size));
    for (const U_GRADIENT3 &corners : itemsAt<U_GRADIENT3>(record, objectsAt, fill->nGradObj)) {
        const U_TRIVERTEX *corner[3]
            = {vertex(corners.Vertex1), vertex(corners.Vertex2), vertex(corners.Vertex3)};
        if (!corner[0] || !corner[1] || !corner[2])
            continue;
        QPointF at[3];
        for (int i = 0; i < 3; ++i)
            at[i] = to.map(QPointF(corner[i]->x, corner[i]->y));
        const QRect box = QPolygonF({at[0], at[1], at[2]})
                              .boundingRect()
                              .toAlignedRect()
                              .intersected(picture.toAlignedRect());
        const double area = (at[1].x() - at[0].x()) * (at[2].y() - at[0].y())
                            - (at[2].x() - at[0].x()) * (at[1].y() - at[0].y());
        if (box.isEmpty() || area == 0 || qint64(box.width()) * box.height() > mostPixels)
            continue;
        // Each pixel's colour from its barycentric weights.
        QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (int y = 0; y < box.height(); ++y) {
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < box.width(); ++x) {
                const QPointF p(box.left() + x + 0.5, box.top() + y + 0.5);
                double weight[3];
                for (int i = 0; i < 3; ++i) {
                    const QPointF &b = at[(i + 1) % 3];
                    const QPointF &c = at[(i + 2) % 3];
                    weight[i]
                        = ((b.x() - p.x()) * (c.y() - p.y()) - (c.x() - p.x()) * (b.y() - p.y()))
                          / area;
                }
                if (weight[0] < 0 || weight[1] < 0 || weight[2] < 0)
                    continue;
                double rgb[3] = {0, 0, 0};
                for (int i = 0; i < 3; ++i) {
                    rgb[0] += weight[i] * corner[i]->Red;
                    rgb[1] += weight[i] * corner[i]->Green;
                    rgb[2] += weight[i] * corner[i]->Blue;
                }
                pixels[x] = qRgb(int(rgb[0]) >> 8, int(rgb[1]) >> 8, int(rgb[2]) >> 8);
            }
        }
        painterInPixels().drawImage(box.topLeft(), image);
    }
}

EmfBrush EmfPlayer::patternBrush(QByteArrayView record, bool monochrome)
{
    const std::optional<U_EMRCREATEDIBPATTERNBRUSHPT> pattern
        = leading<U_EMRCREATEDIBPATTERNBRUSHPT>(record);
    if (!pattern)
        return EmfBrush {QBrush(Qt::NoBrush), false};
    QImage image
        = bitmapOf(record, pattern->offBmi, pattern->cbBmi, pattern->offBits, pattern->cbBits);
    if (image.isNull())
        return EmfBrush {QBrush(Qt::NoBrush), false};
    // A monochrome pattern draws its clear bits in the text colour, its set bits in the
    // background colour.
    if (monochrome && image.colorCount() == 2) {
        image.setColor(0, m_state.textColour.rgb());
        image.setColor(1, m_state.backgroundColour.rgb());
    }
    return EmfBrush {QBrush(image), false};
}

} // namespace picture
