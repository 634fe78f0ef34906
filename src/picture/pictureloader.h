#pragma once

#include "picture/picture.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace picture {

// The picture decoders, one of which reads a file: the one its extension asks for.
enum class Decoder { Bitmap, Icon, Metafile, Png, Jpeg, Gif, Svg };

// The decoder a file name asks for by its extension, letter case ignored: "bmp" a bitmap,
// "ico" an icon, "emf" and "wmf" the one metafile decoder; "png", "jpg" and "jpeg", "gif",
// "svg" besides. Nothing for any other name.
std::optional<Decoder> decoderOf(const QString &fileName);

// The bytes decoded by one decoder: the whole picture or nothing.
std::optional<Picture> decodePicture(Decoder decoder, const QByteArray &bytes);

// A regular file, read whole and decoded by the decoder its name asks for: the whole picture
// or nothing (no such file, a folder or a device, another extension, an unreadable or
// damaged file).
std::optional<Picture> loadPictureFile(const QString &path);

} // namespace picture
