#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include "picture/picture.h"

#include <QByteArray>

#include <optional>

namespace picture {

enum class MetafileKind { Enhanced, Windows };

// The kind of metafile the bytes hold, whatever the file is called: an enhanced metafile
// (header record type 1 at the start and " EMF" at byte 40) or a Windows metafile (placeable
// or plain); nothing for other bytes.
std::optional<MetafileKind> metafileKind(QByteArrayView bytes);

// The one decoder of both kinds, told apart by their bytes: the whole picture or nothing.
std::optional<Picture> decodeMetafile(const QByteArray &bytes);

// An enhanced metafile, every record checked first, then played onto a recorded drawing. Its
// natural size is its frame in pixels of its reference device.
std::optional<Picture> decodeEnhancedMetafile(const QByteArray &bytes);

} // namespace picture
