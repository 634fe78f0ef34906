#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <optional>

namespace picture {

// What the viewer takes from an enhanced metafile's header, once every record is known to be
// sound.
struct EnhancedMetafileFrame
{
    QRect bounds;               // the drawing's bounds, in device pixels
    QRectF frame;               // the picture's frame, in device pixels of the reference device
    QSize size;                 // the natural size: the frame in whole pixels
    QSizeF pixelsPerMillimetre; // the reference device's resolution
    quint32 handles = 0;        // the size of the object table
    QByteArray records;         // the records to draw, from the header to the end-of-file record
};

// Checks an enhanced metafile record by record: the header first and only there, each record
// at least 8 bytes long, a multiple of 4, inside the bytes, of a known type and sound in
// itself (its counts and offsets inside it), up to the end-of-file record. Nothing when any
// check fails or the frame or the reference device is empty; the bounds may be empty (some
// writers leave them so). The records that cannot be checked draw nothing either (escapes,
// colour management, OpenGL and obsolete text records): they are left out.
std::optional<EnhancedMetafileFrame> checkEnhancedMetafile(QByteArrayView bytes);

} // namespace picture
