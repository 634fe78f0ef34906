#pragma once

#include <QColor>
#include <QMdiArea>
#include <QPixmap>

namespace ui {

// A centred gradient: nested rectangles from `outer` at the edges to `inner` in the middle in
// `steps` colour steps, drawn off-screen.
QPixmap centredGradient(QSize size, QColor outer, QColor inner, int steps);

// A multi-document area whose free area is painted with a centred blue ↔ lime gradient in 236
// colour steps, drawn again whenever the area changes size.
class GradientMdiArea : public QMdiArea
{
    Q_OBJECT

public:
    static constexpr int Steps = 236;
    static QColor outerColour() { return QColor(0, 0, 255); }
    static QColor innerColour() { return QColor(0, 255, 0); }

    explicit GradientMdiArea(QWidget *parent = nullptr);

protected:
    // The viewport's size changed.
    void resizeEvent(QResizeEvent *event) override;

private:
    void repaintBackground();
};

} // namespace ui
