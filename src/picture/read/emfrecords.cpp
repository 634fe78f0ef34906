#include "picture/read/emfrecords.h"

#include "picture/read/littleendian.h"
#include "picture/read/naturalsize.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include <uemf.h>
#include <uemf_safe.h>

namespace picture {

namespace {

// Where the fields of every record and of the header record lie.
constexpr qsizetype typeAt = offsetof(U_EMR, iType);
constexpr qsizetype sizeAt = offsetof(U_EMR, nSize);
constexpr qsizetype recordHeadSize = sizeof(U_EMR);
constexpr qsizetype boundsAt = offsetof(U_EMRHEADER, rclBounds);
constexpr qsizetype frameAt = offsetof(U_EMRHEADER, rclFrame);
constexpr qsizetype signatureAt = offsetof(U_EMRHEADER, dSignature);
constexpr qsizetype descriptionLengthAt = offsetof(U_EMRHEADER, nDescription);
constexpr qsizetype descriptionAt = offsetof(U_EMRHEADER, offDescription);
constexpr qsizetype devicePixelsAt = offsetof(U_EMRHEADER, szlDevice);
constexpr qsizetype deviceMillimetresAt = offsetof(U_EMRHEADER, szlMillimeters);
constexpr qsizetype handlesAt = offsetof(U_EMRHEADER, nHandles);
constexpr qsizetype deviceMicrometresAt = offsetof(U_EMRHEADER, szlMicrometers);
// The header without its extensions, and with both.
constexpr qsizetype headerSize = offsetof(U_EMRHEADER, cbPixelFormat);
constexpr qsizetype extendedHeaderSize = sizeof(U_EMRHEADER);

// A rectangle stored as left, top, right, bottom.
QRect storedRect(QByteArrayView bytes, qsizetype at)
{
    return QRect(QPoint(s32(bytes, at), s32(bytes, at + 4)),
                 QPoint(s32(bytes, at + 8), s32(bytes, at + 12)));
}

// The record types whose contents libUEMF does not check; the player does not draw them.
constexpr quint32 uncheckedTypes[] = {
    U_EMR_UNDEF69,
    U_EMR_POLYTEXTOUTA,
    U_EMR_POLYTEXTOUTW,
    U_EMR_GLSRECORD,
    U_EMR_GLSBOUNDEDRECORD,
    U_EMR_DRAWESCAPE,
    U_EMR_EXTESCAPE,
    U_EMR_UNDEF107,
    U_EMR_FORCEUFIMAPPING,
    U_EMR_NAMEDESCAPE,
    U_EMR_COLORCORRECTPALETTE,
    U_EMR_SETICMPROFILEA,
    U_EMR_SETICMPROFILEW,
    U_EMR_UNDEF117,
    U_EMR_SETLINKEDUFIS,
    U_EMR_SETTEXTJUSTIFICATION,
    U_EMR_COLORMATCHTOTARGETW,
};

bool checkable(quint32 type)
{
    return std::find(std::begin(uncheckedTypes), std::end(uncheckedTypes), type)
           == std::end(uncheckedTypes);
}

// The checked records up to the end-of-file record; empty when a record is unsound or the end
// never comes.
QByteArray soundRecords(QByteArrayView bytes)
{
    QByteArray records;
    qsizetype at = 0;
    while (bytes.size() - at >= recordHeadSize) {
        const quint32 type = u32(bytes, at + typeAt);
        const quint32 size = u32(bytes, at + sizeAt);
        if (size < recordHeadSize || size % 4 != 0 || size > quint64(bytes.size() - at))
            return {};
        if (type < U_EMR_MIN || type > U_EMR_MAX || (type == U_EMR_HEADER) != (at == 0))
            return {};
        const QByteArrayView record = bytes.sliced(at, size);
        if (checkable(type)) {
            if (!U_emf_record_safe(record.data()))
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
    const qint64 devicePixelsX = s32(bytes, devicePixelsAt);
    const qint64 devicePixelsY = s32(bytes, devicePixelsAt + 4);
    const qint64 millimetresX = s32(bytes, deviceMillimetresAt);
    const qint64 millimetresY = s32(bytes, deviceMillimetresAt + 4);
    if (devicePixelsX <= 0 || devicePixelsY <= 0 || millimetresX <= 0 || millimetresY <= 0)
        return std::nullopt;
    // The frame is in hundredths of a millimetre. The reference device's size in micrometres,
    // where the header has it (its second extension, before any description), is exact; its
    // size in millimetres is rounded.
    double hundredthsX = double(millimetresX) * 100.0;
    double hundredthsY = double(millimetresY) * 100.0;
    const quint32 headerRecordSize = u32(bytes, sizeAt);
    const quint32 descriptionLength = u32(bytes, descriptionLengthAt);
    const quint32 description = u32(bytes, descriptionAt);
    if (headerRecordSize >= extendedHeaderSize && bytes.size() >= extendedHeaderSize
        && (descriptionLength == 0 || description >= extendedHeaderSize)
        && s32(bytes, deviceMicrometresAt) > 0 && s32(bytes, deviceMicrometresAt + 4) > 0) {
        hundredthsX = s32(bytes, deviceMicrometresAt) / 10.0;
        hundredthsY = s32(bytes, deviceMicrometresAt + 4) / 10.0;
    }
    const double scaleX = double(devicePixelsX) / hundredthsX;
    const double scaleY = double(devicePixelsY) / hundredthsY;
    const QRect hundredths = storedRect(bytes, frameAt);
    const QRectF frame(QPointF(hundredths.left() * scaleX, hundredths.top() * scaleY),
                       QPointF(hundredths.right() * scaleX, hundredths.bottom() * scaleY));
    const QSize size = naturalSize(frame.width(), frame.height());
    const QRect bounds = storedRect(bytes, boundsAt);
    if (!Picture::sizeAllowed(size))
        return std::nullopt;
    const QSizeF perMillimetre(scaleX * 100, scaleY * 100);
    return EnhancedMetafileFrame {bounds, frame, size, perMillimetre, u16(bytes, handlesAt), {}};
}

} // namespace

std::optional<EnhancedMetafileFrame> checkEnhancedMetafile(QByteArrayView bytes)
{
    if (bytes.size() < headerSize || u32(bytes, typeAt) != U_EMR_HEADER
        || u32(bytes, sizeAt) < headerSize || u32(bytes, signatureAt) != U_ENHMETA_SIGNATURE)
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
