#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A label whose text is drawn turned by an angle (degrees, counter-clockwise) about the middle
// of the widget, with a raised emboss: a highlight copy up-left and a shadow copy down-right
// of the text, offset by `depth` pixels. The background is transparent; the widget is square
// and large enough for the text at any angle.
class RotatingLabel : public QWidget
{
    Q_OBJECT

public:
    explicit RotatingLabel(const QString &text, QWidget *parent = nullptr);

    int angle() const { return m_angle; }
    // Any angle; kept as 0…359.
    void setAngle(int degrees);

    void setColours(QColor text, QColor highlight, QColor shadow);
    void setDepth(int pixels);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawTextAt(QPainter &painter, QPointF centre, QColor colour) const;

    QString m_text;
    int m_angle = 0;
    int m_depth = 2;
    QColor m_textColour = Qt::black;
    QColor m_highlight = Qt::white;
    QColor m_shadow = Qt::darkGray;
};

} // namespace ui
