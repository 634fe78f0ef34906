#include "picture/read/wmfrecords.h"

#include "picture/read/littleendian.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace picture {

namespace {

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableHeaderSize = 22;
constexpr qsizetype headerSize = 18;

// The records' functions read here.
constexpr quint16 setMapMode = 0x0103;
constexpr quint16 setWindowExtent = 0x020C;
constexpr quint16 arc = 0x0817;
constexpr quint16 pie = 0x081A;
constexpr quint16 chord = 0x0830;

// The records that put something on the page: lines, shapes, text, regions, fills and block
// transfers.
constexpr std::array<quint16, 27> drawingFunctions {
    0x0213, 0x0817, 0x0830, 0x0418, 0x081A, 0x0324, 0x0325, 0x0538, 0x041B,
    0x061C, 0x041F, 0x0521, 0x0A32, 0x061D, 0x0922, 0x0B23, 0x0940, 0x0B41,
    0x0F43, 0x0D33, 0x0228, 0x0429, 0x012B, 0x012A, 0x0419, 0x0548, 0x062F,
};

bool draws(quint16 function)
{
    return std::find(drawingFunctions.begin(), drawingFunctions.end(), function)
           != drawingFunctions.end();
}

// Pixels at 96 per inch in one logical unit of a map mode (GDI's numbers: MM_TEXT is 1,
// MM_LOMETRIC to MM_TWIPS 2 to 6, MM_ISOTROPIC 7, MM_ANISOTROPIC 8).
double pixelsPerUnit(quint16 mapMode)
{
    switch (mapMode) {
    case 2:
        return 96 / 254.0;
    case 3:
        return 96 / 2540.0;
    case 4:
        return 0.96;
    case 5:
        return 0.096;
    case 6:
    case 7:
    case 8:
        return 96 / 1440.0;
    default:
        return 1;
    }
}

struct Extent
{
    int width = 0;
    int height = 0;
    quint16 mapMode = 1;
    bool isPlaceholder() const { return std::abs(width) == 1 && std::abs(height) == 1; }
};

QPoint pointAt(QByteArrayView words, qsizetype xWord)
{
    return QPoint(s16(words, xWord * 2), s16(words, (xWord - 1) * 2));
}

} // namespace

void forEachWmfRecord(QByteArrayView bytes,
                      const std::function<void(quint16 function, QByteArrayView words)> &visit)
{
    const bool placeable = bytes.size() >= placeableHeaderSize && u32(bytes, 0) == placeableKey;
    qsizetype at = (placeable ? placeableHeaderSize : 0) + headerSize;
    while (bytes.size() - at >= 6) {
        const quint64 words = u32(bytes, at);
        const quint16 function = u16(bytes, at + 4);
        if (words < 3 || function == 0 || words > quint64(bytes.size() - at) / 2)
            return;
        visit(function, bytes.sliced(at + 6, qsizetype(words * 2) - 6));
        at += qsizetype(words * 2);
    }
}

std::optional<QSizeF> plainMetafileSize(QByteArrayView bytes)
{
    quint16 mapMode = 1;
    std::optional<Extent> current;
    std::optional<Extent> chosen;
    bool drawn = false;
    forEachWmfRecord(bytes, [&](quint16 function, QByteArrayView words) {
        if (function == setMapMode && words.size() >= 2)
            mapMode = u16(words, 0);
        if (function == setWindowExtent && words.size() >= 4) {
            current = Extent {s16(words, 2), s16(words, 0), mapMode};
            if (drawn && chosen && chosen->isPlaceholder() && !current->isPlaceholder())
                chosen = current;
        }
        if (current)
            current->mapMode = mapMode;
        if (!drawn && draws(function)) {
            drawn = true;
            chosen = current;
        }
    });
    if (!drawn)
        chosen = current;
    if (!chosen)
        return std::nullopt;
    const double scale = pixelsPerUnit(chosen->mapMode);
    return QSizeF(std::abs(chosen->width) * scale, std::abs(chosen->height) * scale);
}

std::vector<WmfArcRecord> wmfArcRecords(QByteArrayView bytes)
{
    std::vector<WmfArcRecord> arcs;
    forEachWmfRecord(bytes, [&](quint16 function, QByteArrayView words) {
        if ((function == arc || function == pie || function == chord) && words.size() >= 16)
            arcs.push_back(
                {pointAt(words, 7), pointAt(words, 5), pointAt(words, 3), pointAt(words, 1)});
    });
    return arcs;
}

} // namespace picture
