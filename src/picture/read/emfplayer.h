#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include "picture/read/emfrecords.h"
#include "picture/read/emfstate.h"

#include <QByteArrayView>
#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <vector>

class QPainter;

namespace picture {

struct EmfText;

// Plays the records of an enhanced metafile onto a QPainter as GDI would draw them on its
// reference device, the frame filling (0, 0, size): the device context (saved and restored
// states, map modes, window, viewport, world transform, objects, clip), shapes, paths, text
// and bitmaps. The records have been checked whole (emfrecords.h); each one is still read only
// as far as its own length goes, and one that makes no sense draws nothing.
class EmfPlayer
{
public:
    explicit EmfPlayer(const EnhancedMetafileFrame &frame);

    void play(QPainter &painter);

private:
    void playRecord(quint32 type, QByteArrayView record);
    bool playState(quint32 type, QByteArrayView record);
    bool playObject(quint32 type, QByteArrayView record);
    bool playClip(quint32 type, QByteArrayView record);
    bool playShape(quint32 type, QByteArrayView record);
    bool playPoints(quint32 type, QByteArrayView record);
    bool playPath(quint32 type, QByteArrayView record);
    bool playPixels(quint32 type, QByteArrayView record);
    bool playText(quint32 type, QByteArrayView record);

    // Logical units to the picture's pixels; recomputed when the mapping changes.
    const QTransform &transform();
    void mappingChanged() { m_transformValid = false; }
    void setClip(std::optional<QPainterPath> clip);
    // The painter ready for drawing in logical units: the clip, the transform, the pen and the
    // brush of the device context (or none).
    QPainter &painterFor(bool stroke, bool fill);
    QPainter &painterInPixels();
    // A shape in logical units: added to the path under construction, or drawn.
    void drawShape(const QPainterPath &shape, bool fill);
    void drawPolyline(const QPolygonF &points);
    void drawPolygon(const QPolygonF &points);
    // A figure that goes on from the current position (LINETO, POLYLINETO, POLYBEZIERTO).
    void continueFigure(const QPainterPath &figure);
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   quint32 rasterOperation);
    void fillWithRasterOperation(const QRectF &target, quint32 rasterOperation);
    void drawText(const EmfText &text);
    void drawGradient(QByteArrayView record);
    EmfBrush patternBrush(QByteArrayView record, bool monochrome);

    EnhancedMetafileFrame m_frame;
    QPainter *m_painter = nullptr;
    QTransform m_deviceToPicture;
    QPainterPath m_everything; // the whole picture, in its pixels, and more
    EmfState m_state;
    std::vector<EmfState> m_saved;
    std::vector<EmfObject> m_objects;

    QTransform m_transform;
    bool m_transformValid = false;
    bool m_transformApplied = false;
    bool m_clipApplied = true;

    bool m_inPath = false;
    QPainterPath m_path; // in the picture's pixels
};

} // namespace picture
