#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArrayView>
#include <QImage>

#include <optional>

namespace picture {

// The bitmap files that Qt's reader refuses or shows wrong, read here; Qt reads the others.
// They are the uncompressed ones with
// * a 52- or 56-byte information header (the masks, and the alpha mask, inside the header);
// * colour masks that are not 8 bits wide (16-bit pixels, 10-bit channels, 16-bit channels);
// * an OS/2 header (12 or 64 bytes) whose colour table ends at the pixels before it has an
//   entry for every index (an index past the table is black);
// * 32 bits a pixel without masks and a header that names an alpha mask (the fourth byte is no
//   alpha then: opaque).
// Nothing when the file is none of these; a null image when it is one but its headers, table,
// masks or pixels do not fit in the bytes (the file is refused whole).
std::optional<QImage> readBitmapVariant(QByteArrayView file);

// A bitmap file's image by this reader or Qt's; null when neither reads it.
QImage decodedBitmapFile(QByteArrayView file);

} // namespace picture
