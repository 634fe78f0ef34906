#include "statcontrol/chart/chartpicture.h"

#include "picture/emfpaintdevice.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace statcontrol {

namespace {

constexpr int dotsPerInch = 96;

void draw(QPaintDevice &device, QGraphicsScene &scene, const QRectF &source, QSize size)
{
    QPainter painter(&device);
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), source);
}

} // namespace

std::optional<ChartFileFormat> chartFileFormat(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("emf"))
        return ChartFileFormat::Emf;
    if (lower == QLatin1String("svg"))
        return ChartFileFormat::Svg;
    if (lower == QLatin1String("png"))
        return ChartFileFormat::Png;
    if (lower == QLatin1String("pdf"))
        return ChartFileFormat::Pdf;
    return std::nullopt;
}

QByteArray chartPicture(QGraphicsScene &scene, const QRectF &source, QSize size,
                        ChartFileFormat format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ChartFileFormat::Emf: {
        picture::EmfPaintDevice metafile(size, dotsPerInch);
        draw(metafile, scene, source, size);
        return metafile.data();
    }
    case ChartFileFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(dotsPerInch);
        draw(svg, scene, source, size);
        break;
    }
    case ChartFileFormat::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        draw(image, scene, source, size);
        image.save(&buffer, "PNG");
        break;
    }
    case ChartFileFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(dotsPerInch);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / dotsPerInch, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        draw(pdf, scene, source, size);
        break;
    }
    }
    return bytes;
}

} // namespace statcontrol
