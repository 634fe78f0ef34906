#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>

// A paint device that keeps the texts painted on it: what a picture says, read back from its
// drawing.
class TextRecorder : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QStringList texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmDevicePixelRatioScaled)
            return int(devicePixelRatioFScale());
        if (metric == PdmWidth || metric == PdmHeight)
            return 1000;
        return metric == PdmDepth ? 32 : 96; // 96 dots an inch
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine()
            : QPaintEngine(AllFeatures)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
        void drawPath(const QPainterPath &) override { }
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return User; }

        QStringList texts;
    };

    mutable Engine m_engine;
};
