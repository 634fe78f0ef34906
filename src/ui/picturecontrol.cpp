#include "ui/picturecontrol.h"

#include "picture/pictureloader.h"

#include <QPainter>

#include <algorithm>

namespace ui {

PictureControl::PictureControl(QWidget *parent)
    : QWidget(parent)
{
    setMinimumWidth(0);
    setFixedHeight(0);
}

bool PictureControl::loadFile(const QString &path)
{
    std::optional<picture::Picture> loaded = picture::loadPictureFile(path);
    if (!loaded)
        return false;
    m_picture = std::move(loaded);
    setFixedHeight(m_picture->size().height());
    update();
    return true;
}

void PictureControl::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    m_picture->paint(painter);
}

PicturePreview::PicturePreview(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(120, 120);
}

void PicturePreview::showFile(const QString &path)
{
    m_picture = picture::loadPictureFile(path);
    update();
}

QSize PicturePreview::sizeHint() const
{
    return QSize(200, 200);
}

void PicturePreview::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    const QSizeF natural = m_picture->size();
    const double scale = std::min({1.0, width() / natural.width(), height() / natural.height()});
    const QSizeF shown = natural * scale;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.scale(scale, scale);
    m_picture->paint(painter);
}

} // namespace ui
