#include "picture/read/imagecompleteness.h"

#include "picture/read/littleendian.h"

#include <cstdint>
#include <optional>

#include <uemf.h>

namespace picture {

namespace {

constexpr qsizetype coreHeaderSize = 12;
constexpr qsizetype infoHeaderSize = 40;

// The compression of pixels in colour masks with alpha, which libUEMF has no name for.
constexpr quint32 alphaBitFields = 6;

struct DibHeader
{
    qsizetype headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: top-down
    quint16 bitCount = 0;
    quint32 compression = U_BI_RGB;
    quint32 coloursUsed = 0;
};

std::optional<DibHeader> readDibHeader(QByteArrayView dib)
{
    if (dib.size() < 4)
        return std::nullopt;
    DibHeader header;
    header.headerSize = u32(dib, 0);
    if (header.headerSize == coreHeaderSize && dib.size() >= coreHeaderSize) {
        header.width = u16(dib, 4);
        header.height = u16(dib, 6);
        header.bitCount = u16(dib, 10);
    } else if (header.headerSize >= infoHeaderSize && header.headerSize <= dib.size()) {
        header.width = qint32(u32(dib, 4));
        header.height = qint32(u32(dib, 8));
        header.bitCount = u16(dib, 14);
        header.compression = u32(dib, 16);
        header.coloursUsed = u32(dib, 32);
    } else {
        return std::nullopt;
    }
    if (header.width <= 0 || header.height == 0)
        return std::nullopt;
    return header;
}

// The size of the colour table (and of the colour masks that follow a plain information
// header) between the header and the pixels.
qint64 colourTableSize(const DibHeader &header)
{
    const qint64 entry = header.headerSize == coreHeaderSize ? 3 : 4;
    qint64 colours = header.coloursUsed;
    if (colours == 0 && header.bitCount <= 8)
        colours = qint64(1) << header.bitCount;
    qint64 masks = 0;
    if (header.headerSize == infoHeaderSize && header.compression == U_BI_BITFIELDS)
        masks = 12;
    else if (header.headerSize == infoHeaderSize && header.compression == alphaBitFields)
        masks = 16;
    return colours * entry + masks;
}

// Run-length pixels are whole when their end-of-bitmap mark lies inside the bytes.
bool runLengthComplete(QByteArrayView bytes, qint64 at, bool fourBit)
{
    const qint64 size = bytes.size();
    while (at + 2 <= size) {
        const auto count = static_cast<unsigned char>(bytes[at]);
        const auto code = static_cast<unsigned char>(bytes[at + 1]);
        at += 2;
        if (count > 0 || code == 0) // a run, or the end of a line
            continue;
        if (code == 1) // the end of the bitmap
            return true;
        if (code == 2) { // a move
            at += 2;
            continue;
        }
        const qint64 literal = fourBit ? (code + 1) / 2 : code;
        at += literal + (literal & 1);
    }
    return false;
}

bool pixelsComplete(QByteArrayView bytes, const DibHeader &header, qint64 pixelsAt)
{
    if (pixelsAt < 0 || pixelsAt > bytes.size())
        return false;
    switch (header.compression) {
    case U_BI_RLE8:
        return header.bitCount == 8 && runLengthComplete(bytes, pixelsAt, false);
    case U_BI_RLE4:
        return header.bitCount == 4 && runLengthComplete(bytes, pixelsAt, true);
    case U_BI_RGB:
    case U_BI_BITFIELDS:
    case alphaBitFields:
        break;
    default:
        return false;
    }
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    return stride <= (bytes.size() - pixelsAt) / rows;
}

} // namespace

bool bitmapFileComplete(QByteArrayView bytes)
{
    if (bytes.size() < bitmapFileHeaderSize || !bytes.startsWith("BM"))
        return false;
    const QByteArrayView dib = bytes.sliced(bitmapFileHeaderSize);
    const std::optional<DibHeader> header = readDibHeader(dib);
    return header && pixelsComplete(bytes, *header, u32(bytes, 10));
}

bool deviceIndependentBitmapComplete(QByteArrayView bytes)
{
    const std::optional<DibHeader> header = readDibHeader(bytes);
    return header && pixelsComplete(bytes, *header, dibPixelsOffset(bytes));
}

qint64 dibPixelsOffset(QByteArrayView bytes)
{
    const std::optional<DibHeader> header = readDibHeader(bytes);
    return header ? header->headerSize + colourTableSize(*header) : -1;
}

bool pngComplete(QByteArrayView bytes)
{
    // The closing chunk: its length (0), its type, its checksum.
    const qsizetype end = bytes.lastIndexOf(QByteArrayView("IEND"));
    return end >= 4 && end + 8 <= bytes.size();
}

bool jpegComplete(QByteArrayView bytes)
{
    const qsizetype lastScan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA"));
    return lastScan >= 0 && bytes.lastIndexOf(QByteArrayView("\xFF\xD9")) > lastScan;
}

bool gifComplete(QByteArrayView bytes)
{
    return bytes.endsWith(';');
}

} // namespace picture
