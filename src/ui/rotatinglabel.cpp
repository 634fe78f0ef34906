#include "ui/rotatinglabel.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace ui {

RotatingLabel::RotatingLabel(const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    resize(sizeHint());
}

void RotatingLabel::setAngle(int degrees)
{
    const int normal = ((degrees % 360) + 360) % 360;
    if (normal == m_angle)
        return;
    m_angle = normal;
    update();
}

void RotatingLabel::setColours(QColor text, QColor highlight, QColor shadow)
{
    m_textColour = text;
    m_highlight = highlight;
    m_shadow = shadow;
    update();
}

void RotatingLabel::setDepth(int pixels)
{
    m_depth = pixels;
    updateGeometry();
    update();
}

QSize RotatingLabel::sizeHint() const
{
    const QSizeF text = fontMetrics().size(Qt::TextSingleLine, m_text);
    const int side
        = static_cast<int>(std::ceil(std::hypot(text.width(), text.height()))) + 2 * m_depth + 2;
    return {side, side};
}

void RotatingLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void RotatingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    // The light comes from the upper left whatever the angle.
    const QPointF centre = QRectF(rect()).center();
    const QPointF offset(m_depth, m_depth);
    drawTextAt(painter, centre - offset, m_highlight);
    drawTextAt(painter, centre + offset, m_shadow);
    drawTextAt(painter, centre, m_textColour);
}

void RotatingLabel::drawTextAt(QPainter &painter, QPointF centre, QColor colour) const
{
    const QSizeF size = painter.fontMetrics().size(Qt::TextSingleLine, m_text);
    painter.save();
    painter.translate(centre);
    painter.rotate(-m_angle);
    painter.setPen(colour);
    painter.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), Qt::AlignCenter,
                     m_text);
    painter.restore();
}

} // namespace ui
