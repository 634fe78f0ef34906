#pragma once

#include <QImage>
#include <QPicture>
#include <QSize>

#include <functional>

class QPainter;

namespace picture {

// A picture loaded whole from a file: a raster image, or a drawing recorded from a metafile or
// an SVG document together with the frame it fills. It paints itself at its natural size with
// its top left corner at the painter's origin.
class Picture
{
public:
    // Neither side of a picture may exceed this many pixels: what would be larger is taken for
    // a damaged file.
    static constexpr int MaxSide = 32767;

    explicit Picture(QImage image);
    // `drawing` paints within (0, 0, size).
    Picture(QPicture drawing, QSize size);

    QSize size() const { return m_size; }
    bool isDrawing() const { return m_image.isNull(); }
    void paint(QPainter &painter) const;

    // A drawing of `size` recorded from what `draw` paints.
    static Picture recorded(QSize size, const std::function<void(QPainter &)> &draw);
    // Whether a picture of this size can be shown.
    static bool sizeAllowed(QSize size);

private:
    QImage m_image;
    QPicture m_drawing;
    QSize m_size;
};

} // namespace picture
