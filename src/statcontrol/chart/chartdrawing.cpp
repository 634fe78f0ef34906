#include "statcontrol/chart/chartdrawing.h"

#include "text/numbers.h"

#include <QChart>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace statcontrol {

namespace {

QColor colourOf(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A round tick step that gives between about four and ten ticks over `span`.
double tickStep(double span)
{
    if (!(span > 0))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / 10)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (span / (factor * magnitude) <= 10)
            return factor * magnitude;
    }
    return 10 * magnitude;
}

void useRoundTicks(QValueAxis *axis, double span, double smallestStep = 0)
{
    const double step = std::max(tickStep(span), smallestStep);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
}

constexpr int markerSide = 9;

} // namespace

// The series drawn over the chart: each line in its points' colour and width, and for the
// batch strengths a rectangle at each point and its value on a leader above it. A point beyond
// the axes' range is drawn on the edge of the plot area, not left out, and a value mark with no
// room above its point inside the plot area hangs below it: every point and mark can be seen.
class ChartLines : public QGraphicsItem
{
public:
    ChartLines(QChart *chart, const ControlChart &content,
               const std::array<QLineSeries *, 6> &series)
        : QGraphicsItem(chart)
        , m_chart(chart)
        , m_content(content)
        , m_series(series)
    {
        setZValue(10);
    }

    void refresh()
    {
        prepareGeometryChange();
        m_bounds = m_chart->rect();
        for (std::size_t i = 0; i < m_series.size(); ++i) {
            for (const ChartPoint &point : m_content.series[i].points)
                m_bounds |= QRectF(position(i, point), QSizeF()).adjusted(-60, -60, 60, 60);
        }
        update();
    }

    QRectF boundingRect() const override { return m_bounds; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override
    {
        painter->setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 0; i < m_series.size(); ++i) {
            const ChartSeries &series = m_content.series[i];
            QPolygonF line;
            for (const ChartPoint &point : series.points)
                line << position(i, point);
            painter->setPen(QPen(colourOf(series.line), series.width, Qt::SolidLine, Qt::RoundCap,
                                 Qt::RoundJoin));
            painter->drawPolyline(line);
            if (series.markers)
                drawMarkers(painter, series, line);
            if (series.valueMarks)
                drawValueMarks(painter, series, line);
        }
    }

private:
    QPointF position(std::size_t series, const ChartPoint &point) const
    {
        const QPointF at = m_chart->mapToPosition(QPointF(point.x, point.y), m_series[series]);
        const QRectF plot = m_chart->plotArea();
        return QPointF(std::max(plot.left(), std::min(at.x(), plot.right())),
                       std::max(plot.top(), std::min(at.y(), plot.bottom())));
    }

    static void drawMarkers(QPainter *painter, const ChartSeries &series, const QPolygonF &at)
    {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(colourOf(series.line));
        for (const QPointF &point : at)
            painter->drawRect(QRectF(point - QPointF(markerSide, markerSide) / 2,
                                     QSizeF(markerSide, markerSide)));
    }

    void drawValueMarks(QPainter *painter, const ChartSeries &series, const QPolygonF &at) const
    {
        painter->setFont(m_chart->font());
        const QFontMetricsF metrics(m_chart->font());
        for (qsizetype i = 0; i < at.size(); ++i) {
            const QString text = QString::fromStdString(
                text::general(series.points[static_cast<std::size_t>(i)].y));
            const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
            const double reach = markerSide / 2.0 + ControlChart::leaderLength + size.height();
            // Up from the point, or down when the mark would leave the plot area at the top.
            const double up = at[i].y() - reach >= m_chart->plotArea().top() ? -1 : 1;
            const QPointF start = at[i] + QPointF(0, up * markerSide / 2.0);
            const QPointF end = start + QPointF(0, up * ControlChart::leaderLength);
            painter->setPen(QPen(Qt::black, 1));
            painter->drawLine(start, end);
            const QRectF box(end - QPointF(size.width() / 2, up < 0 ? size.height() : 0), size);
            painter->setBrush(Qt::white);
            painter->drawRect(box);
            painter->drawText(box, Qt::AlignCenter, text);
        }
    }

    QChart *m_chart;
    const ControlChart &m_content;
    const std::array<QLineSeries *, 6> &m_series;
    QRectF m_bounds;
};

ChartDrawing::ChartDrawing()
    : m_content(emptyControlChart())
    , m_chart(new QChart)
    , m_batchAxis(new QValueAxis(m_chart))
    , m_strengthAxis(new QValueAxis(m_chart))
{
    m_chart->setObjectName(QStringLiteral("Chart1"));
    m_chart->setTitle(QString::fromUtf8(ControlChart::title));
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setBackgroundRoundness(0);
    // White up to the edges: no empty band around the background.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setDropShadowEnabled(false);
    m_chart->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    m_chart->setLocalizeNumbers(true);
    m_chart->legend()->setAlignment(Qt::AlignRight);

    m_strengthAxis->setTitleText(QString::fromUtf8(ControlChart::strengthAxisTitle));
    QPen axisLine = m_strengthAxis->linePen();
    axisLine.setWidth(3);
    m_strengthAxis->setLinePen(axisLine);
    m_chart->addAxis(m_batchAxis, Qt::AlignBottom);
    m_chart->addAxis(m_strengthAxis, Qt::AlignLeft);

    for (std::size_t i = 0; i < m_series.size(); ++i) {
        const ChartSeries &series = m_content.series[i];
        auto *line = new QLineSeries(m_chart);
        line->setObjectName(QString::fromStdString(series.name));
        line->setName(QString::fromStdString(series.title));
        // The chart's own drawing would cut the lines off at the plot area: they are drawn
        // over it instead, and the series only give the legend and the axes.
        line->setPen(QPen(Qt::transparent));
        m_chart->addSeries(line);
        line->attachAxis(m_batchAxis);
        line->attachAxis(m_strengthAxis);
        QLegendMarker *marker = m_chart->legend()->markers(line).value(0);
        if (marker) {
            marker->setBrush(colourOf(series.swatch));
            marker->setPen(QPen(Qt::black, 1));
        }
        m_series[i] = line;
    }

    m_lines = new ChartLines(m_chart, m_content, m_series);
    m_footer = new QGraphicsSimpleTextItem(QString::fromUtf8(ControlChart::footer), m_chart);
    m_footer->setFont(QFont(QStringLiteral("Arial")));
    m_footer->setBrush(Qt::black);
    connect(m_chart, &QChart::geometryChanged, this, &ChartDrawing::placeFooter);
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { m_lines->refresh(); });
    show(m_content);
}

ChartDrawing::~ChartDrawing()
{
    // The lines read this object's content: they go with it, also when the chart stays.
    if (m_chart)
        delete m_lines;
}

void ChartDrawing::show(const ControlChart &content)
{
    m_content = content;
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        QList<QPointF> points;
        for (const ChartPoint &point : m_content.series[i].points)
            points.append(QPointF(point.x, point.y));
        m_series[i]->replace(points);
    }
    if (m_content.strengthRange) {
        const auto [bottom, top] = *m_content.strengthRange;
        m_strengthAxis->setRange(bottom, top);
        useRoundTicks(m_strengthAxis, top - bottom);
    }
    fitBatchAxis();
    m_lines->refresh();
}

// From the smallest to the largest batch position of all points.
void ChartDrawing::fitBatchAxis()
{
    bool any = false;
    double low = 0;
    double high = 0;
    for (const ChartSeries &series : m_content.series) {
        for (const ChartPoint &point : series.points) {
            low = any ? std::min(low, point.x) : point.x;
            high = any ? std::max(high, point.x) : point.x;
            any = true;
        }
    }
    if (!any || low == high) {
        low -= 1;
        high += 1;
    }
    m_batchAxis->setRange(low, high);
    // Batches are counted in whole numbers.
    useRoundTicks(m_batchAxis, high - low, 1);
}

// The foot caption centred under everything, inside margins of 5 % of the height.
void ChartDrawing::placeFooter()
{
    const QRectF area = m_chart->rect();
    const int margin = static_cast<int>(std::lround(area.height() * 0.05));
    const QRectF footer = m_footer->boundingRect();
    const int footerHeight = static_cast<int>(std::ceil(footer.height()));
    const QMargins wanted(margin, margin, margin, margin + footerHeight);
    if (m_chart->margins() != wanted)
        m_chart->setMargins(wanted);
    m_footer->setPos(area.center().x() - footer.width() / 2, area.bottom() - margin - footerHeight);
    m_lines->refresh();
}

} // namespace statcontrol
