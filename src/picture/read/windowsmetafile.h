#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include "picture/picture.h"

#include <QByteArray>

#include <optional>

namespace picture {

// Whether the bytes begin with a Windows metafile's header: the placeable header (key
// 0x9AC6CDD7) or the plain one (type 1 or 2, header size 9, version 0x0100 or 0x0300).
bool isWindowsMetafile(QByteArrayView bytes);

// A Windows metafile played by libwmf onto a drawing: the whole picture or nothing. Its
// natural size is a placeable metafile's frame at 96 pixels per inch, or a plain metafile's
// window extent when it first draws, in pixels at 96 per inch (see plainMetafileSize(); without
// an extent, the bounds of what it draws).
std::optional<Picture> decodeWindowsMetafile(const QByteArray &bytes);

} // namespace picture
