#include "picture/pictureloader.h"

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

std::optional<PictureFormat> pictureFormatOf(const QString &fileName)
{
    static const std::pair<const char *, PictureFormat> formats[] = {
        {"bmp", PictureFormat::Bitmap},   {"ico", PictureFormat::Icon},
        {"emf", PictureFormat::Metafile}, {"wmf", PictureFormat::Metafile},
        {"png", PictureFormat::Png},      {"jpg", PictureFormat::Jpeg},
        {"jpeg", PictureFormat::Jpeg},    {"gif", PictureFormat::Gif},
        {"svg", PictureFormat::Svg},
    };
    const QString extension = QFileInfo(fileName).suffix();
    for (const auto &[name, format] : formats) {
        if (extension.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

std::optional<Picture> decodePicture(PictureFormat format, const QByteArray &bytes)
{
    switch (format) {
    case PictureFormat::Bitmap:
        return decodeRaster(bytes, "bmp", &bitmapFileComplete);
    case PictureFormat::Icon:
        return decodeRaster(bytes, "ico", nullptr);
    case PictureFormat::Metafile:
        return decodeMetafile(bytes);
    case PictureFormat::Png:
        return decodeRaster(bytes, "png", &pngComplete);
    case PictureFormat::Jpeg:
        return decodeRaster(bytes, "jpeg", &jpegComplete);
    case PictureFormat::Gif:
        return decodeRaster(bytes, "gif", &gifComplete);
    case PictureFormat::Svg:
        return decodeSvg(bytes);
    }
    return std::nullopt;
}

std::optional<Picture> loadPictureFile(const QString &path)
{
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format)
        return std::nullopt;
    const std::optional<QByteArray> bytes = fileBytes(path);
    if (!bytes)
        return std::nullopt;
    return decodePicture(*format, *bytes);
}

} // namespace picture
