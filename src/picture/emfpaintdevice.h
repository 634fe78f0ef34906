#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>

#include <memory>

namespace picture {

class EmfPaintEngine;

// A paint device that records what a QPainter paints as an enhanced metafile (EMF) in memory:
// lines, paths, fills and text as vector records, only real pictures as bitmaps. The picture
// has the given size in device pixels at the given resolution, which the metafile's frame keeps,
// so that viewers show it at its natural size.
//
//     picture::EmfPaintDevice device(QSize(800, 500));
//     QPainter painter(&device);
//     scene.render(&painter);
//     painter.end();
//     const QByteArray emf = device.data(); // the whole file, for the caller to save
//
// Painting again replaces the picture.
class EmfPaintDevice : public QPaintDevice
{
public:
    explicit EmfPaintDevice(QSize sizeInPixels, int dotsPerInch = 96);
    ~EmfPaintDevice() override;
    EmfPaintDevice(const EmfPaintDevice &) = delete;
    EmfPaintDevice &operator=(const EmfPaintDevice &) = delete;

    QPaintEngine *paintEngine() const override;
    int metric(PaintDeviceMetric metric) const override;

    // The complete metafile once QPainter::end() has returned; empty before.
    QByteArray data() const;

private:
    QSize m_size;
    int m_dpi;
    std::unique_ptr<EmfPaintEngine> m_engine;
};

} // namespace picture
