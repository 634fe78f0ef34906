#pragma once

// Private to loviz_picture: the metafile writer's internals (src/picture/emf/), which no other
// layer can include.

#include "picture/emf/emfobjects.h"
#include "picture/emf/emfrecordstream.h"

#include <QBrush>
#include <QByteArray>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QSize>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

namespace picture {

// The paint engine of EmfPaintDevice: writes what a QPainter paints as enhanced-metafile
// records. Geometry is mapped through the painter's transform here, so the records hold device
// coordinates (in sixteenths of a pixel, which the metafile's world transform scales down);
// text keeps the transform's turn as its font's escapement. Only real pictures become bitmaps.
// Pens, brushes and fonts are created when they change and deleted once replaced; the clip is
// written only when something is drawn under it.
class EmfPaintEngine : public QPaintEngine
{
public:
    EmfPaintEngine(QSize sizeInPixels, int dotsPerInch);
    ~EmfPaintEngine() override;

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &painterState) override;

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawLines(const QLineF *lines, int lineCount) override;
    void drawRects(const QRectF *rects, int rectCount) override;
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override;
    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &sr) override;
    void drawImage(const QRectF &r, const QImage &image, const QRectF &sr,
                   Qt::ImageConversionFlags flags = Qt::AutoColor) override;
    void drawTiledPixmap(const QRectF &r, const QPixmap &pixmap, const QPointF &s) override;

    Type type() const override { return QPaintEngine::User; }

    // The metafile of the last finished painting; empty before one has ended.
    QByteArray metafile() const { return m_metafile; }

private:
    // What the metafile's device context holds now, as far as this engine set it.
    struct DeviceContext
    {
        std::optional<EmfPen> pen;
        std::uint32_t penHandle = 0; // 0: a stock object
        std::optional<EmfBrush> brush;
        std::uint32_t brushHandle = 0;
        std::optional<EmfFont> font;
        std::uint32_t fontHandle = 0;
        std::optional<std::uint32_t> textColour;
        std::optional<std::uint32_t> fillMode;
        std::optional<QPainterPath> clip; // in device pixels; none: not clipped
        bool stretchModeSet = false;
    };

    void writePreamble();
    void releaseObjects();
    EmfPen currentPen() const;
    EmfBrush currentBrush() const;
    void selectPen(const EmfPen &pen);
    void selectBrush(const EmfBrush &brush);
    void selectFont(const EmfFont &font);
    void swapObject(std::uint32_t &selected, std::uint32_t handle, char *created,
                    std::uint32_t stockObject);
    void setFillMode(Qt::FillRule rule);
    void setTextColour(std::uint32_t colour);

    void changeClip(const QPainterPath &path, Qt::ClipOperation operation);
    void flushClip();
    void writeBitmap(const QRectF &deviceTarget, const QImage &upright);
    QImage onWhite(const QImage &image, const QRect &source) const;
    std::vector<std::uint32_t> advances(const QString &text, const QTextItem &item) const;

    QSize m_size;
    int m_dpi;
    EmfRecordStream m_stream;
    QByteArray m_metafile;

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    qreal m_opacity = 1;
    QPainterPath m_clip; // device pixels
    bool m_hasClip = false;
    bool m_clipEnabled = false;

    DeviceContext m_dc;
};

} // namespace picture
