#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>

class QMdiArea;

namespace ui {

// A centred gradient: nested rectangles from `outer` at the edges to `inner` in the middle in
// `steps` colour steps, drawn off-screen.
QPixmap centredGradient(QSize size, QColor outer, QColor inner, int steps);

// Paints the free area of a multi-document area with a centred blue ↔ lime gradient in 236
// colour steps, drawn again whenever the area changes size.
class MdiBackground : public QObject
{
    Q_OBJECT

public:
    static constexpr int Steps = 236;
    static QColor outerColour() { return QColor(0, 0, 255); }
    static QColor innerColour() { return QColor(0, 255, 0); }

    // Parented to `area`.
    explicit MdiBackground(QMdiArea *area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void repaintBackground();

    QMdiArea *m_area;
};

} // namespace ui
