#pragma once

// Reading the enhanced metafiles the program writes, as a viewer plays them: the record walk,
// texts, colours, and what the picture viewer's player draws from them.

#include "paintrecorder.h"
#include "picture/pictureloader.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QString>
#include <QtEndian>

#include <optional>

namespace emfreading {

// Record types, as the EMF format numbers them.
enum RecordType : quint32 {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyPolyline = 7,
    Eof = 14,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    SelectClipPath = 67,
    ExtSelectClipRgn = 75,
    ExtCreateFontIndirectW = 82,
    StretchDiBits = 81,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyPolyline16 = 90,
    ExtCreatePen = 95,
};

// Every record that copies pixels into the picture: BITBLT, STRETCHBLT, MASKBLT, PLGBLT,
// SETDIBITSTODEVICE, STRETCHDIBITS, ALPHABLEND, TRANSPARENTBLT.
inline const QList<quint32> bitmapRecords = {76, 77, 78, 79, 80, StretchDiBits, 114, 116};
inline const QList<quint32> drawingRecords
    = {PolyBezier,        Polygon,        Polyline,     PolyPolyline, FillPath,
       StrokeAndFillPath, StrokePath,     ExtTextOutW,  PolyBezier16, Polygon16,
       Polyline16,        PolyPolyline16, StretchDiBits};

inline quint32 u32(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

inline qint32 i32(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

inline quint32 colourRef(QColor colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

inline QString utf16At(const QByteArray &record, qsizetype offset, qsizetype units)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(record.constData() + offset),
                              units);
}

// A drawing record with what was selected and whether a clip was on when it came.
struct Drawn
{
    quint32 type = 0;
    QByteArray record;
    QByteArray pen; // the record that created the pen, brush, font; empty: a stock object
    QByteArray brush;
    QByteArray font;
    bool clipped = false;
};

struct Walk
{
    QString fault;       // empty: the metafile is well formed
    quint32 handles = 0; // the object table's size
    QList<quint32> types;
    QList<Drawn> drawn;
};

inline Walk failed(const QString &fault)
{
    Walk result;
    result.fault = fault;
    return result;
}

// Walks the records as a viewer plays them: each inside the data, the object table as the
// header sizes it (no handle made twice, none selected or deleted unless alive).
inline Walk walk(const QByteArray &emf)
{
    Walk result;
    if (emf.size() < 108 || u32(emf, 0) != Header || emf.mid(40, 4) != " EMF")
        return failed(QStringLiteral("no EMF header"));
    const quint32 handles = qFromLittleEndian<quint16>(emf.constData() + 56);
    result.handles = handles;
    QHash<quint32, QByteArray> alive;
    Drawn now;
    for (qsizetype offset = 0; offset < emf.size();) {
        const quint32 size = offset + 8 <= emf.size() ? u32(emf, offset + 4) : 0;
        if (size < 8 || size % 4 != 0 || size > emf.size() - offset)
            return failed(QStringLiteral("bad record at %1").arg(offset));
        const QByteArray record = emf.mid(offset, size);
        const quint32 type = u32(record, 0);
        const quint32 handle = size >= 12 ? u32(record, 8) : 0;
        const bool stock = handle & 0x80000000;
        result.types.append(type);
        offset += size;
        if (type == CreatePen || type == ExtCreatePen || type == CreateBrushIndirect
            || type == ExtCreateFontIndirectW) {
            if (handle == 0 || handle >= handles || alive.contains(handle))
                return failed(QStringLiteral("object %1 made wrongly").arg(handle));
            alive.insert(handle, record);
        } else if ((type == SelectObject && !stock) || type == DeleteObject) {
            if (!alive.contains(handle))
                return failed(QStringLiteral("object %1 is not alive").arg(handle));
            const QByteArray made = type == DeleteObject ? alive.take(handle) : alive[handle];
            const quint32 kind = u32(made, 0);
            QByteArray &slot = kind == CreateBrushIndirect      ? now.brush
                               : kind == ExtCreateFontIndirectW ? now.font
                                                                : now.pen;
            if (type == DeleteObject && slot == made)
                return failed(QStringLiteral("object %1 deleted while selected").arg(handle));
            if (type == SelectObject)
                slot = made;
        } else if (type == SelectObject) {
            (handle <= 0x80000005 ? now.brush : handle <= 0x80000008 ? now.pen : now.font).clear();
        } else if (type == SelectClipPath || type == ExtSelectClipRgn) {
            now.clipped = type == SelectClipPath || size != 16 || u32(record, 8) != 0;
        } else if (drawingRecords.contains(type)) {
            now.type = type;
            now.record = record;
            result.drawn.append(now);
        }
    }
    if (result.types.size() != qsizetype(u32(emf, 52)) || u32(emf, 48) != quint32(emf.size()))
        return failed(QStringLiteral("header totals wrong"));
    if (result.types.constLast() != Eof)
        return failed(QStringLiteral("no EOF at the end"));
    return result;
}

inline QString textOf(const Drawn &drawn)
{
    return utf16At(drawn.record, u32(drawn.record, 48), u32(drawn.record, 44));
}

// The sum of the character advances of a text record, in logical units.
inline qint64 advanceOf(const Drawn &drawn)
{
    const qsizetype dx = u32(drawn.record, (u32(drawn.record, 52) & 0x100) ? 56 : 72);
    qint64 sum = 0;
    for (quint32 i = 0; i < u32(drawn.record, 44); ++i)
        sum += i32(drawn.record, dx + 4 * i);
    return sum;
}

// The texts the picture viewer draws from a metafile, in the order drawn and run together;
// nothing when it refuses the metafile.
inline std::optional<QString> playedText(const QByteArray &emf)
{
    const std::optional<picture::Picture> played
        = picture::decodePicture(picture::Decoder::Metafile, emf);
    if (!played)
        return std::nullopt;
    TextRecorder recorder;
    QPainter painter(&recorder);
    played->paint(painter);
    painter.end();
    return recorder.texts().join(QString());
}

} // namespace emfreading
