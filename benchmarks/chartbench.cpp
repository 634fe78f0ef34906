// Timings for the record, not a test: the control chart of ten batches at 800 × 500 written as
// an enhanced metafile, beside the same chart drawn into an image (the raster floor) and into
// an SVG generator. Prints the three times and the metafile's size and record count.

#include "common/prompter.h"
#include "statcontrol/chart/chartdrawing.h"
#include "statcontrol/chart/chartpicture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int rounds = 20;

double millisecondsPerPicture(QGraphicsScene &scene, QChart *chart,
                              statcontrol::ChartFileFormat format, QByteArray *last)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        *last = statcontrol::chartPicture(scene, chart->sceneBoundingRect(), chart->size().toSize(),
                                          format);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / rounds;
}

// Drawing into an image alone, without encoding it.
double millisecondsPerImage(QGraphicsScene &scene, QChart *chart)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        QImage image(chart->size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()), chart->sceneBoundingRect());
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / rounds;
}

quint32 recordCount(const QByteArray &emf)
{
    // The header's nRecords, after its bounds, frame, signature, version and size.
    return emf.size() >= 52 ? qFromLittleEndian<quint32>(emf.constData() + 52) : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    statcontrol::ControlForm form {"23,1", "10", "24,7", "21,5", "25,7", "20,6"};
    common::ImmediatePrompter prompter(
        {}, {"24", "22,5", "23,8", "21,9", "25,2", "22,7", "24,4", "20,9", "23,3", "26,1"});
    statcontrol::ControlChart content = statcontrol::emptyControlChart();
    if (statcontrol::fillControlChart(content, form, prompter))
        return 1;
    QGraphicsScene scene;
    statcontrol::ChartDrawing drawing;
    scene.addItem(drawing.chart());
    drawing.chart()->resize(800, 500);
    drawing.show(content);

    QByteArray emf;
    QByteArray other;
    // Fonts and glyphs are loaded at the first drawing; it is not timed.
    millisecondsPerImage(scene, drawing.chart());
    const double emfTime
        = millisecondsPerPicture(scene, drawing.chart(), statcontrol::ChartFileFormat::Emf, &emf);
    const double imageTime = millisecondsPerImage(scene, drawing.chart());
    const double svgTime
        = millisecondsPerPicture(scene, drawing.chart(), statcontrol::ChartFileFormat::Svg, &other);
    std::printf("Control chart, 10 batches, 800 x 500, mean of %d pictures:\n", rounds);
    std::printf("  EMF (the program's writer)  %7.2f ms   %lld bytes, %u records\n", emfTime,
                static_cast<long long>(emf.size()), recordCount(emf));
    std::printf("  QImage (the raster floor)   %7.2f ms\n", imageTime);
    std::printf("  SVG (QSvgGenerator)         %7.2f ms\n", svgTime);
    return 0;
}
