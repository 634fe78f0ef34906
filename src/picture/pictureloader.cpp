#include "picture/pictureloader.h"

#include "picture/read/bmpvariants.h"
#include "picture/read/imagecompleteness.h"
#include "picture/read/metafileloader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace picture {

namespace {

// Larger picture files are not read.
constexpr qint64 maxFileSize = qint64(256) * 1024 * 1024;

using CompletenessCheck = bool (*)(QByteArrayView);

// Qt's bitmap reader keeps a colour table as short as the file says while pixels may index
// past it, and painting then reads past the table: the table gets every entry an index can
// name (black, as the system shows them).
QImage withWholeColourTable(QImage image)
{
    const qsizetype entries = image.depth() <= 8 ? qsizetype(1) << image.depth() : 0;
    if (image.colorCount() > 0 && image.colorCount() < entries) {
        QList<QRgb> table = image.colorTable();
        table.resize(entries, qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    return image;
}

// Qt's decoder of one format only, whatever the bytes look like.
std::optional<Picture> decodeRaster(const QByteArray &bytes, const char *format,
                                    CompletenessCheck complete)
{
    if (complete && !complete(bytes))
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull() || !Picture::sizeAllowed(image.size()))
        return std::nullopt;
    return Picture(withWholeColourTable(std::move(image)));
}

// A bitmap file: the variants Qt's reader refuses or misreads by this library's reader, the
// others by Qt's.
std::optional<Picture> decodeBitmap(const QByteArray &bytes)
{
    if (!bitmapFileComplete(bytes))
        return std::nullopt;
    if (std::optional<QImage> own = readBitmapVariant(bytes)) {
        if (own->isNull() || !Picture::sizeAllowed(own->size()))
            return std::nullopt;
        return Picture(std::move(*own));
    }
    return decodeRaster(bytes, "bmp", nullptr);
}

std::optional<Picture> decodeSvg(const QByteArray &bytes)
{
    QSvgRenderer renderer(bytes);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || !Picture::sizeAllowed(size))
        return std::nullopt;
    return Picture::recorded(size, [&renderer, size](QPainter &painter) {
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    });
}

std::optional<QByteArray> fileBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxFileSize)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<Decoder> decoderOf(const QString &fileName)
{
    static const std::pair<const char *, Decoder> decoders[] = {
        {"bmp", Decoder::Bitmap},   {"ico", Decoder::Icon}, {"emf", Decoder::Metafile},
        {"wmf", Decoder::Metafile}, {"png", Decoder::Png},  {"jpg", Decoder::Jpeg},
        {"jpeg", Decoder::Jpeg},    {"gif", Decoder::Gif},  {"svg", Decoder::Svg},
    };
    const QString extension = QFileInfo(fileName).suffix();
    for (const auto &[name, decoder] : decoders) {
        if (extension.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return decoder;
    }
    return std::nullopt;
}

std::optional<Picture> decodePicture(Decoder decoder, const QByteArray &bytes)
{
    switch (decoder) {
    case Decoder::Bitmap:
        return decodeBitmap(bytes);
    case Decoder::Icon:
        return decodeRaster(bytes, "ico", nullptr);
    case Decoder::Metafile:
        return decodeMetafile(bytes);
    case Decoder::Png:
        return decodeRaster(bytes, "png", &pngComplete);
    case Decoder::Jpeg:
        return decodeRaster(bytes, "jpeg", &jpegComplete);
    case Decoder::Gif:
        return decodeRaster(bytes, "gif", &gifComplete);
    case Decoder::Svg:
        return decodeSvg(bytes);
    }
    return std::nullopt;
}

std::optional<Picture> loadPictureFile(const QString &path)
{
    const std::optional<Decoder> decoder = decoderOf(path);
    if (!decoder)
        return std::nullopt;
    const std::optional<QByteArray> bytes = fileBytes(path);
    if (!bytes)
        return std::nullopt;
    return decodePicture(*decoder, *bytes);
}

} // namespace picture
