#include "picture/read/bmpvariants.h"

#include "picture/picture.h"
#include "picture/read/imagecompleteness.h"
#include "picture/read/littleendian.h"

#include <QList>

#include <bit>

namespace picture {

namespace {

// The header sizes: OS/2 1.x (core), Windows 3 (information), with colour masks, with an
// alpha mask too, OS/2 2.x, Windows 4 and 5.
constexpr quint32 coreHeader = 12;
constexpr quint32 infoHeader = 40;
constexpr quint32 rgbMasksHeader = 52;
constexpr quint32 alphaMaskHeader = 56;
constexpr quint32 os2Header = 64;
constexpr quint32 v4Header = 108;
constexpr quint32 v5Header = 124;

constexpr quint32 plainPixels = 0;       // BI_RGB
constexpr quint32 maskedPixels = 3;      // BI_BITFIELDS
constexpr quint32 maskedAlphaPixels = 6; // BI_ALPHABITFIELDS

// Images larger than this many pixels are not read (as Qt's reader limits itself).
constexpr qint64 mostPixels = qint64(64) * 1024 * 1024;

// One colour channel of packed pixels: its bits, scaled to 0..255.
class Channel
{
public:
    Channel() = default;
    explicit Channel(quint32 mask)
        : m_mask(mask)
        , m_shift(mask ? std::countr_zero(mask) : 0)
        , m_largest(mask >> m_shift)
    {
    }
    bool isByte() const { return m_largest == 0xFF; }
    bool isNone() const { return m_mask == 0; }
    int of(quint32 pixel) const
    {
        if (m_largest == 0)
            return 0;
        const quint64 value = (pixel & m_mask) >> m_shift;
        return int((value * 255 + m_largest / 2) / m_largest);
    }

private:
    quint32 m_mask = 0;
    int m_shift = 0;
    quint32 m_largest = 0;
};

struct Layout
{
    quint32 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: the top row first
    int bitCount = 0;
    quint32 compression = plainPixels;
    quint32 coloursUsed = 0;
    qint64 pixelsAt = 0;
    qint64 tableAt = 0; // the colour table, or the masks after a plain information header
    Channel red, green, blue, alpha; // packed pixels only
    bool hasAlpha = false;
};

bool supportedHeader(quint32 size)
{
    switch (size) {
    case coreHeader:
    case infoHeader:
    case rgbMasksHeader:
    case alphaMaskHeader:
    case os2Header:
    case v4Header:
    case v5Header:
        return true;
    default:
        return false;
    }
}

bool isOs2(const Layout &layout)
{
    return layout.headerSize == coreHeader || layout.headerSize == os2Header;
}

// The colour masks of packed pixels: in the header, after a plain information header, or the
// ones implied without masks (5-5-5 for 16 bits, bytes for 32). False when the masks the file
// names lie outside it.
bool readMasks(QByteArrayView file, Layout &layout)
{
    const bool masked
        = layout.compression == maskedPixels || layout.compression == maskedAlphaPixels;
    if (!masked) {
        if (layout.bitCount == 16)
            layout.red = Channel(0x7C00), layout.green = Channel(0x03E0),
            layout.blue = Channel(0x1F);
        else
            layout.red = Channel(0xFF0000), layout.green = Channel(0xFF00),
            layout.blue = Channel(0xFF);
        return true;
    }
    const qint64 at = bitmapFileHeaderSize + infoHeader; // inside a larger header or after it
    const int count
        = layout.headerSize >= alphaMaskHeader
                  || (layout.headerSize == infoHeader && layout.compression == maskedAlphaPixels)
              ? 4
              : 3;
    if (file.size() - at < 4 * count)
        return false;
    layout.red = Channel(u32(file, at));
    layout.green = Channel(u32(file, at + 4));
    layout.blue = Channel(u32(file, at + 8));
    if (count == 4)
        layout.alpha = Channel(u32(file, at + 12));
    layout.hasAlpha = !layout.alpha.isNone();
    if (layout.headerSize == infoHeader)
        layout.tableAt += 4 * count;
    return true;
}

// The file's layout when its headers fit in it; nothing for a file that is not a bitmap of a
// kind read here.
std::optional<Layout> layoutOf(QByteArrayView file, bool &damaged)
{
    damaged = false;
    if (file.size() < bitmapFileHeaderSize + 4 || !file.startsWith("BM"))
        return std::nullopt;
    Layout layout;
    layout.headerSize = u32(file, bitmapFileHeaderSize);
    if (!supportedHeader(layout.headerSize))
        return std::nullopt;
    const qint64 header = bitmapFileHeaderSize;
    if (file.size() - header < layout.headerSize) {
        damaged = true;
        return std::nullopt;
    }
    if (layout.headerSize == coreHeader) {
        layout.width = u16(file, header + 4);
        layout.height = u16(file, header + 6);
        layout.bitCount = u16(file, header + 10);
    } else {
        layout.width = s32(file, header + 4);
        layout.height = s32(file, header + 8);
        layout.bitCount = u16(file, header + 14);
        layout.compression = u32(file, header + 16);
        layout.coloursUsed = u32(file, header + 32);
    }
    layout.pixelsAt = u32(file, 10);
    layout.tableAt = header + layout.headerSize;
    const bool packed = layout.bitCount == 16 || layout.bitCount == 32;
    const bool indexed = layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8;
    const bool masked
        = layout.compression == maskedPixels || layout.compression == maskedAlphaPixels;
    if (!(packed || indexed || layout.bitCount == 24)
        || !(layout.compression == plainPixels || (masked && packed && !isOs2(layout))))
        return std::nullopt;
    if (packed && !readMasks(file, layout)) {
        damaged = true;
        return std::nullopt;
    }
    return layout;
}

qint64 colourTableEntries(const Layout &layout)
{
    if (layout.bitCount > 8)
        return 0;
    const qint64 indexes = qint64(1) << layout.bitCount;
    if (layout.headerSize != coreHeader && layout.coloursUsed > 0)
        return std::min<qint64>(layout.coloursUsed, indexes);
    return indexes;
}

qint64 entrySize(const Layout &layout)
{
    return layout.headerSize == coreHeader ? 3 : 4;
}

// Whether this reader, not Qt's, reads a bitmap of this layout.
bool readHere(const Layout &layout)
{
    if (layout.headerSize == rgbMasksHeader || layout.headerSize == alphaMaskHeader)
        return true;
    if (layout.bitCount == 16 || layout.bitCount == 32) {
        const bool bytes = layout.red.isByte() && layout.green.isByte() && layout.blue.isByte()
                           && (!layout.hasAlpha || layout.alpha.isByte());
        // Qt takes a header's alpha mask for pixels without masks too.
        const bool namedAlpha
            = layout.compression == plainPixels && layout.headerSize >= alphaMaskHeader;
        return !bytes || namedAlpha;
    }
    if (isOs2(layout) && layout.bitCount <= 8) {
        const qint64 room = (layout.pixelsAt - layout.tableAt) / entrySize(layout);
        return room < colourTableEntries(layout);
    }
    return false;
}

QList<QRgb> colourTable(QByteArrayView file, const Layout &layout)
{
    const qint64 entry = entrySize(layout);
    const qint64 entries
        = std::min(colourTableEntries(layout), (layout.pixelsAt - layout.tableAt) / entry);
    QList<QRgb> table(qsizetype(1) << layout.bitCount, qRgb(0, 0, 0));
    for (qint64 i = 0; i < entries; ++i) {
        const qsizetype at = qsizetype(layout.tableAt + i * entry);
        table[i] = qRgb(quint8(file[at + 2]), quint8(file[at + 1]), quint8(file[at]));
    }
    return table;
}

QRgb packedColour(const Layout &layout, quint32 pixel)
{
    const int alpha = layout.hasAlpha ? layout.alpha.of(pixel) : 255;
    return qRgba(layout.red.of(pixel), layout.green.of(pixel), layout.blue.of(pixel), alpha);
}

void readRow(QByteArrayView row, const Layout &layout, const QList<QRgb> &table, QRgb *out)
{
    const int bits = layout.bitCount;
    for (qint64 x = 0; x < layout.width; ++x) {
        switch (bits) {
        case 1:
        case 4:
        case 8: {
            const qint64 bit = x * bits;
            const int shift = 8 - bits - int(bit % 8);
            const int index = (quint8(row[qsizetype(bit / 8)]) >> shift) & ((1 << bits) - 1);
            out[x] = table[index];
            break;
        }
        case 16:
            out[x] = packedColour(layout, u16(row, qsizetype(x * 2)));
            break;
        case 24: {
            const qsizetype at = qsizetype(x * 3);
            out[x] = qRgb(quint8(row[at + 2]), quint8(row[at + 1]), quint8(row[at]));
            break;
        }
        default:
            out[x] = packedColour(layout, u32(row, qsizetype(x * 4)));
            break;
        }
    }
}

QImage readPixels(QByteArrayView file, const Layout &layout)
{
    const qint64 rows = layout.height < 0 ? -layout.height : layout.height;
    if (layout.width <= 0 || rows == 0 || layout.width > Picture::MaxSide || rows > Picture::MaxSide
        || layout.width * rows > mostPixels)
        return QImage();
    const qint64 stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    if (layout.pixelsAt < layout.tableAt || layout.pixelsAt > file.size()
        || stride > (file.size() - layout.pixelsAt) / rows)
        return QImage();
    QImage image(int(layout.width), int(rows),
                 layout.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const QList<QRgb> table = layout.bitCount <= 8 ? colourTable(file, layout) : QList<QRgb>();
    for (qint64 y = 0; y < rows; ++y) {
        const qint64 stored = layout.height < 0 ? y : rows - 1 - y;
        const QByteArrayView row
            = file.sliced(qsizetype(layout.pixelsAt + stored * stride), qsizetype(stride));
        readRow(row, layout, table, reinterpret_cast<QRgb *>(image.scanLine(int(y))));
    }
    return image;
}

} // namespace

std::optional<QImage> readBitmapVariant(QByteArrayView file)
{
    bool damaged = false;
    const std::optional<Layout> layout = layoutOf(file, damaged);
    if (damaged)
        return QImage();
    if (!layout || !readHere(*layout))
        return std::nullopt;
    return readPixels(file, *layout);
}

QImage decodedBitmapFile(QByteArrayView file)
{
    if (std::optional<QImage> own = readBitmapVariant(file))
        return *own;
    return QImage::fromData(file, "BMP");
}

} // namespace picture
