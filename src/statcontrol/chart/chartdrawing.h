#pragma once

#include "statcontrol/core/controlchart.h"

#include <QChart>
#include <QObject>
#include <QPointer>

#include <array>

class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace statcontrol {

class ChartLines;

// The control chart drawn with Qt Charts: white, flat, the title, the legend with the series'
// swatches in series order, the strength axis with its fixed range and the batch axis fitted
// to the points, the foot caption under it all, margins of 5 % of the height at the top and
// the bottom. The series' lines, markers and value marks are drawn over the chart, so that a
// point outside the strength axis's range is drawn too, on the edge of the plot area, with its
// value mark inside the plot area (below the point when there is no room above it).
class ChartDrawing : public QObject
{
    Q_OBJECT

public:
    ChartDrawing();
    ~ChartDrawing() override;

    // The chart item; whoever shows it (a chart view or a scene) owns it.
    QChart *chart() const { return m_chart; }

    // Shows the content: the points of each series and the strength axis's range.
    void show(const ControlChart &content);
    const ControlChart &content() const { return m_content; }

private:
    void placeFooter();
    void fitBatchAxis();

    ControlChart m_content;
    QPointer<QChart> m_chart;
    std::array<QLineSeries *, 6> m_series {};
    QValueAxis *m_batchAxis;
    QValueAxis *m_strengthAxis;
    ChartLines *m_lines;
    QGraphicsSimpleTextItem *m_footer;
};

} // namespace statcontrol
