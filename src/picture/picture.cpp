#include "picture/picture.h"

#include <QPainter>

namespace picture {

Picture::Picture(QImage image)
    : m_image(std::move(image))
    , m_size(m_image.size())
{
}

Picture::Picture(QPicture drawing, QSize size)
    : m_drawing(std::move(drawing))
    , m_size(size)
{
}

void Picture::paint(QPainter &painter) const
{
    if (!m_image.isNull()) {
        painter.drawImage(0, 0, m_image);
        return;
    }
    painter.save();
    // A drawing stays inside its frame whatever its records say.
    painter.setClipRect(QRect(QPoint(0, 0), m_size), Qt::IntersectClip);
    painter.drawPicture(0, 0, m_drawing);
    painter.restore();
}

Picture Picture::recorded(QSize size, const std::function<void(QPainter &)> &draw)
{
    QPicture drawing;
    QPainter painter(&drawing);
    draw(painter);
    painter.end();
    return Picture(std::move(drawing), size);
}

bool Picture::sizeAllowed(QSize size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxSide
           && size.height() <= MaxSide;
}

} // namespace picture
