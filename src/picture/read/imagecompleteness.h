#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QByteArrayView>

namespace picture {

// Whether a file's bytes hold all of the image their headers announce. Qt's decoders fill the
// part of a truncated image that is missing and report success, so a picture is only taken
// when these say it is whole.

// The file header of a Windows bitmap file: "BM", the file's size, two reserved words, where
// the pixels begin.
inline constexpr qsizetype bitmapFileHeaderSize = 14;

// A Windows bitmap file ("BM", the file header, a device-independent bitmap).
bool bitmapFileComplete(QByteArrayView bytes);
// A device-independent bitmap without a file header (the header, the colour table, the
// pixels), as metafiles embed them.
bool deviceIndependentBitmapComplete(QByteArrayView bytes);
// Where the pixels of a sound device-independent bitmap begin, after its header and colour
// table.
qint64 dibPixelsOffset(QByteArrayView bytes);
// A PNG file up to its closing chunk, a JPEG file up to the end of its last scan, a GIF file
// up to its trailer.
bool pngComplete(QByteArrayView bytes);
bool jpegComplete(QByteArrayView bytes);
bool gifComplete(QByteArrayView bytes);

} // namespace picture
