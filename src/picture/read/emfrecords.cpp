#include "picture/read/emfrecords.h"

#include "picture/picture.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <iterator>

#include <uemf.h>
#include <uemf_safe.h>

namespace picture {

namespace {

constexpr qsizetype headerSize = 88;
constexpr quint32 emfSignature = 0x464D4520; // " EMF"

qint32 s32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.data() + at);
}

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

// A rectangle stored as left, top, right, bottom.
QRect storedRect(QByteArrayView bytes, qsizetype at)
{
    return QRect(QPoint(s32(bytes, at), s32(bytes, at + 4)),
                 QPoint(s32(bytes, at + 8), s32(bytes, at + 12)));
}

// The record types whose contents libUEMF does not check; libemf2svg does not draw them.
constexpr quint32 uncheckedTypes[]
    = {69, 96, 97, 102, 103, 105, 106, 107, 109, 110, 111, 112, 113, 117, 119, 120, 121};

bool checkable(quint32 type)
{
    return std::find(std::begin(uncheckedTypes), std::end(uncheckedTypes), type)
           == std::end(uncheckedTypes);
}

// Text given as glyph indexes of its font: libemf2svg maps them back to characters through
// fontconfig and then shuts fontconfig down under Qt's feet (FcFini), which aborts the program.
bool textAsGlyphIndexes(QByteArrayView record, quint32 type)
{
    constexpr quint32 glyphIndexes = 0x0010; // ETO_GLYPH_INDEX
    qsizetype options = 0;
    if (type == U_EMR_EXTTEXTOUTA || type == U_EMR_EXTTEXTOUTW)
        options = 52; // in the text structure after the bounds, the mode and the scales
    else if (type == U_EMR_SMALLTEXTOUT)
        options = 20;
    return options > 0 && record.size() >= options + 4 && (u32(record, options) & glyphIndexes);
}

// The checked records up to the end-of-file record; empty when a record is unsound or the end
// never comes.
QByteArray soundRecords(QByteArrayView bytes)
{
    QByteArray records;
    qsizetype at = 0;
    while (bytes.size() - at >= 8) {
        const quint32 type = u32(bytes, at);
        const quint32 size = u32(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > quint64(bytes.size() - at))
            return {};
        if (type < 1 || type > U_EMR_MAX || (type == U_EMR_HEADER) != (at == 0))
            return {};
        const QByteArrayView record = bytes.sliced(at, size);
        if (checkable(type)) {
            if (!U_emf_record_safe(record.data()) || textAsGlyphIndexes(record, type))
                return {};
            records.append(record);
        }
        at += size;
        if (type == U_EMR_EOF)
            return records;
    }
    return {};
}

std::optional<EnhancedMetafileFrame> frameOf(QByteArrayView bytes)
{
    const qint64 devicePixelsX = s32(bytes, 72);
    const qint64 devicePixelsY = s32(bytes, 76);
    const qint64 millimetresX = s32(bytes, 80);
    const qint64 millimetresY = s32(bytes, 84);
    if (devicePixelsX <= 0 || devicePixelsY <= 0 || millimetresX <= 0 || millimetresY <= 0)
        return std::nullopt;
    // The frame is in hundredths of a millimetre. The reference device's size in micrometres,
    // where the header has it (its second extension, before any description), is exact; its
    // size in millimetres is rounded.
    double hundredthsX = double(millimetresX) * 100.0;
    double hundredthsY = double(millimetresY) * 100.0;
    const quint32 headerRecordSize = u32(bytes, 4);
    const quint32 descriptionLength = u32(bytes, 60);
    const quint32 descriptionAt = u32(bytes, 64);
    if (headerRecordSize >= 108 && bytes.size() >= 108
        && (descriptionLength == 0 || descriptionAt >= 108) && s32(bytes, 100) > 0
        && s32(bytes, 104) > 0) {
        hundredthsX = s32(bytes, 100) / 10.0;
        hundredthsY = s32(bytes, 104) / 10.0;
    }
    const double scaleX = double(devicePixelsX) / hundredthsX;
    const double scaleY = double(devicePixelsY) / hundredthsY;
    const QRect hundredths = storedRect(bytes, 24);
    const QRectF frame(QPointF(hundredths.left() * scaleX, hundredths.top() * scaleY),
                       QPointF(hundredths.right() * scaleX, hundredths.bottom() * scaleY));
    const QSize size(int(std::lround(std::min(frame.width(), double(Picture::MaxSide + 1)))),
                     int(std::lround(std::min(frame.height(), double(Picture::MaxSide + 1)))));
    const QRect bounds = storedRect(bytes, 8);
    if (!Picture::sizeAllowed(size) || bounds.right() <= bounds.left()
        || bounds.bottom() <= bounds.top())
        return std::nullopt;
    return EnhancedMetafileFrame {bounds, frame, size, {}};
}

} // namespace

std::optional<EnhancedMetafileFrame> checkEnhancedMetafile(QByteArrayView bytes)
{
    if (bytes.size() < headerSize || u32(bytes, 0) != U_EMR_HEADER || u32(bytes, 4) < headerSize
        || u32(bytes, 40) != emfSignature)
        return std::nullopt;
    std::optional<EnhancedMetafileFrame> frame = frameOf(bytes);
    if (!frame)
        return std::nullopt;
    frame->records = soundRecords(bytes);
    if (frame->records.isEmpty())
        return std::nullopt;
    return frame;
}

} // namespace picture
