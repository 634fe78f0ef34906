// picturebench: how long showing a large vector metafile takes. Paints about 1 MB of
// polylines, polygons and text into the enhanced-metafile device, and writes about 1 MB of
// pens and polylines as a placeable Windows metafile; then times loading each into a picture
// and painting it at its natural size, the median of several runs.

#include "picture/emfpaintdevice.h"
#include "picture/pictureloader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>

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

// A Windows metafile record: its size in 16-bit words, its function, its parameters.
void appendRecord(QByteArray &wmf, quint16 function, const std::vector<qint16> &parameters)
{
    const auto append = [&wmf](auto value) {
        char bytes[sizeof value];
        qToLittleEndian(value, bytes);
        wmf.append(bytes, sizeof value);
    };
    append(quint32(3 + parameters.size()));
    append(function);
    for (const qint16 parameter : parameters)
        append(parameter);
}

// A placeable metafile of 1600 x 1000 pixels at 1,440 units per inch: a pen per polyline of
// twelve points, selected, drawn and deleted.
QByteArray largeWindowsMetafile()
{
    const qint16 width = 1600 * 15;
    const qint16 height = 1000 * 15;
    QByteArray records;
    appendRecord(records, 0x020B, {0, 0});          // SETWINDOWORG
    appendRecord(records, 0x020C, {height, width}); // SETWINDOWEXT
    int largest = 0;
    for (int i = 0; records.size() < wanted; ++i) {
        const qint16 x = qint16((i * 37) % 1600 * 15);
        const qint16 y = qint16((i * 53) % 1000 * 15);
        const QColor colour = QColor::fromHsv(i % 360, 200, 180);
        appendRecord(records, 0x02FA, // CREATEPENINDIRECT: style, width, colour
                     {0, qint16(15 * (1 + i % 3)), 0, qint16(colour.red() | colour.green() << 8),
                      qint16(colour.blue())});
        appendRecord(records, 0x012D, {0}); // SELECTOBJECT
        std::vector<qint16> line {12};
        for (int k = 0; k < 12; ++k) {
            line.push_back(qint16(x + k * 135));
            line.push_back(qint16(y + (k * 7 + i) % 23 * 15));
        }
        appendRecord(records, 0x0325, line); // POLYLINE
        largest = std::max(largest, int(3 + line.size()));
        appendRecord(records, 0x01F0, {0}); // DELETEOBJECT
    }
    appendRecord(records, 0x0000, {}); // EOF

    QByteArray wmf;
    const auto append = [&wmf](auto value) {
        char bytes[sizeof value];
        qToLittleEndian(value, bytes);
        wmf.append(bytes, sizeof value);
    };
    const std::vector<quint16> placeable {0xCDD7,         0x9AC6,          0,    0, 0,
                                          quint16(width), quint16(height), 1440, 0, 0};
    quint16 checksum = 0;
    for (const quint16 word : placeable)
        checksum ^= word;
    for (const quint16 word : placeable)
        append(word);
    append(checksum);
    // The header: on disk, 9 words, its size in words, one object at most, the largest record.
    append(quint16(1));
    append(quint16(9));
    append(quint16(0x0300));
    append(quint32(9 + records.size() / 2));
    append(quint16(1));
    append(quint32(largest));
    append(quint16(0));
    return wmf + records;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Loads and paints the picture `runs` times; prints the medians. False when it is refused.
bool timeShowing(const char *name, const QByteArray &bytes)
{
    std::vector<double> loading;
    std::vector<double> painting;
    std::vector<double> total;
    QSize shown;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<picture::Picture> loaded
            = picture::decodePicture(picture::Decoder::Metafile, bytes);
        loading.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!loaded) {
            std::fprintf(stderr, "the %s was refused\n", name);
            return false;
        }
        shown = loaded->size();
        QImage image(shown, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        timer.restart();
        QPainter painter(&image);
        loaded->paint(painter);
        painter.end();
        painting.push_back(double(timer.nsecsElapsed()) / 1e6);
        total.push_back(loading.back() + painting.back());
    }
    std::printf("%s: %.2f MB (%s 1 MB), %d x %d pixels\n", name,
                double(bytes.size()) / (1024.0 * 1024.0),
                bytes.size() >= wanted ? "at least" : "under", shown.width(), shown.height());
    std::printf("  loading (median of %d):       %8.1f ms\n", runs, median(loading));
    std::printf("  painting (median of %d):      %8.1f ms\n", runs, median(painting));
    std::printf("  loading and painting:        %8.1f ms\n", median(total));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const bool shown = timeShowing("enhanced metafile", largeMetafile())
                       && timeShowing("Windows metafile", largeWindowsMetafile());
    return shown ? 0 : 1;
}
