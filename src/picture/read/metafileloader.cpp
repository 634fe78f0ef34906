#include "picture/read/metafileloader.h"

#include "picture/read/emfplayer.h"
#include "picture/read/emfrecords.h"
#include "picture/read/littleendian.h"
#include "picture/read/windowsmetafile.h"

#include <QPainter>

#include <cstddef>

#include <uemf.h>

namespace picture {

std::optional<MetafileKind> metafileKind(QByteArrayView bytes)
{
    constexpr qsizetype signatureAt = offsetof(U_EMRHEADER, dSignature);
    if (bytes.size() >= signatureAt + 4 && u32(bytes, offsetof(U_EMR, iType)) == U_EMR_HEADER
        && u32(bytes, signatureAt) == U_ENHMETA_SIGNATURE)
        return MetafileKind::Enhanced;
    if (isWindowsMetafile(bytes))
        return MetafileKind::Windows;
    return std::nullopt;
}

std::optional<Picture> decodeMetafile(const QByteArray &bytes)
{
    const std::optional<MetafileKind> kind = metafileKind(bytes);
    if (kind == MetafileKind::Enhanced)
        return decodeEnhancedMetafile(bytes);
    if (kind == MetafileKind::Windows)
        return decodeWindowsMetafile(bytes);
    return std::nullopt;
}

std::optional<Picture> decodeEnhancedMetafile(const QByteArray &bytes)
{
    const std::optional<EnhancedMetafileFrame> frame = checkEnhancedMetafile(bytes);
    if (!frame)
        return std::nullopt;
    return Picture::recorded(frame->size,
                             [&frame](QPainter &painter) { EmfPlayer(*frame).play(painter); });
}

} // namespace picture
