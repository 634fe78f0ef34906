#include "shell/programpicture.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

namespace shell {

QPixmap programPicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/pictures/program.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/icons/loviz.svg"));
}

} // namespace shell
