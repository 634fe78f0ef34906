// picturebench: how long showing a large vector metafile takes. Paints about 1 MB of
// polylines, polygons and text into the metafile device, then times loading the metafile into
// a picture and painting it at its natural size, the median of several runs.

#include "picture/emfpaintdevice.h"
#include "picture/pictureloader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 7;
constexpr qsizetype wanted = 1024 * 1024;

QByteArray largeMetafile()
{
    const QSize size(1600, 1000);
    picture::EmfPaintDevice device(size);
    QPainter painter(&device);
    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    for (int i = 0; i < 4000; ++i) {
        const double x = (i * 37) % size.width();
        const double y = (i * 53) % size.height();
        painter.setPen(QPen(QColor::fromHsv(i % 360, 200, 180), 1 + i % 3));
        QPolygonF line;
        for (int k = 0; k < 12; ++k)
            line << QPointF(x + k * 9, y + ((k * 7 + i) % 23));
        painter.drawPolyline(line);
        painter.setBrush(QColor::fromHsv((i * 7) % 360, 120, 230));
        painter.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x + 30, y + 5),
                                       QPointF(x + 18, y + 28), QPointF(x - 4, y + 20)}));
        if (i % 4 == 0)
            painter.drawText(QPointF(x, y), QStringLiteral("Прочность %1 МПа").arg(i));
    }
    painter.end();
    return device.data();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QByteArray emf = largeMetafile();
    std::vector<double> loading;
    std::vector<double> painting;
    QSize shown;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<picture::Picture> loaded
            = picture::decodePicture(picture::Decoder::Metafile, emf);
        loading.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!loaded) {
            std::fprintf(stderr, "the metafile was refused\n");
            return 1;
        }
        shown = loaded->size();
        QImage image(shown, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        timer.restart();
        QPainter painter(&image);
        loaded->paint(painter);
        painter.end();
        painting.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("metafile:                      %.2f MB (%s 1 MB), %d x %d pixels\n",
                double(emf.size()) / (1024.0 * 1024.0), emf.size() >= wanted ? "at least" : "under",
                shown.width(), shown.height());
    std::printf("loading (median of %d):         %8.1f ms\n", runs, median(loading));
    std::printf("painting (median of %d):        %8.1f ms\n", runs, median(painting));
    std::vector<double> total(loading.size());
    for (std::size_t i = 0; i < total.size(); ++i)
        total[i] = loading[i] + painting[i];
    std::printf("loading and painting:          %8.1f ms\n", median(total));
    return 0;
}
