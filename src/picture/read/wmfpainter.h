#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include "picture/read/arcpath.h"
#include "picture/read/wmfrecords.h"

#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <libwmf/ipa.h>

class QImage;
class QPainter;

namespace picture {

// The part of libwmf's device space that becomes the picture, and the picture's size.
struct WmfFrame
{
    enum class Kind {
        Window,      // the window the file sets: each drawing call maps it to the picture
        LogicalRect, // a rectangle in logical units (a placeable metafile's frame)
        DeviceRect,  // a rectangle in libwmf's device units (the drawing's bounds)
    };
    Kind kind = Kind::DeviceRect;
    QRectF rect; // left, top, right, bottom (not normalised)
    QSize size;
};

// A device for libwmf's player (its device-function interface) that draws every call onto a
// QPainter: colours exactly as stored, text decoded from the code page of its font's
// character set (Windows-1251 unless the font names another). Coordinates come from the
// player in its device units; the frame maps them onto the picture.
class WmfPainter
{
public:
    WmfPainter();
    ~WmfPainter();
    WmfPainter(const WmfPainter &) = delete;
    WmfPainter &operator=(const WmfPainter &) = delete;

    // Makes the player draw through this device and measure text with its fonts. Call it
    // before scanning: the scan measures text.
    void attach(wmfAPI *api);
    // The file's arcs, pies and chords as their records give them, in the order they are
    // played (the player passes their points clamped into the bounding box).
    void setArcRecords(std::vector<WmfArcRecord> arcs);
    // From now on the player's drawing goes onto `painter`, mapped by `frame`.
    void begin(QPainter *painter, const WmfFrame &frame);
    // Whether something the file holds could not be read (a damaged embedded bitmap).
    bool failed() const { return m_failed; }

private:
    static WmfPainter &of(wmfAPI *api);
    static void setFunctions(wmfFunctionReference &functions);

    // Paints one call in this device context, the painter set to it (the transform from device
    // units to the picture, the clip); nothing when the frame has no size there.
    void draw(const wmfDC *dc, const std::function<void(QPainter &)> &paint);
    void drawPath(const wmfDC *dc, const QPainterPath &path, bool fill);
    void paintPath(QPainter &painter, const wmfDC *dc, const QPainterPath &path, bool fill) const;
    void drawArcShape(const wmfDrawArc_t *arc, ArcShape shape);
    std::pair<QPointF, QPointF> arcEnds(const wmfDrawArc_t *arc);
    void fillRects(const wmfDC *dc, const wmfPolyRectangle_t *rects);
    void frameRects(const wmfDC *dc, const wmfPolyRectangle_t *rects);
    void drawText(const wmfDrawText_t *text);
    static std::optional<QPointF> alignedReference(const wmfDrawText_t *text);
    void drawBitmap(const wmfBMP_Draw_t *bitmap);
    void readBitmap(wmfBMP_Read_t *read);
    void setClip(const wmfPolyRectangle_t *rects);
    QRectF deviceFrame(const wmfDC *dc) const;

    static void drawRectangle(wmfAPI *api, wmfDrawRectangle_t *rectangle);
    static void drawEllipse(wmfAPI *api, wmfDrawArc_t *arc);
    static void drawArc(wmfAPI *api, wmfDrawArc_t *arc);
    static void drawPie(wmfAPI *api, wmfDrawArc_t *arc);
    static void drawChord(wmfAPI *api, wmfDrawArc_t *arc);
    static void drawLine(wmfAPI *api, wmfDrawLine_t *line);
    static void drawPolyline(wmfAPI *api, wmfPolyLine_t *line);
    static void drawPolygon(wmfAPI *api, wmfPolyLine_t *polygon);
    static void drawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *polygons);
    static void drawPixel(wmfAPI *api, wmfDrawPixel_t *pixel);
    static void drawPattern(wmfAPI *api, wmfROP_Draw_t *pattern);
    static void regionFrame(wmfAPI *api, wmfPolyRectangle_t *rects);
    static void regionPaint(wmfAPI *api, wmfPolyRectangle_t *rects);
    static void regionClip(wmfAPI *api, wmfPolyRectangle_t *rects);
    static void textCall(wmfAPI *api, wmfDrawText_t *text);
    static void bitmapRead(wmfAPI *api, wmfBMP_Read_t *read);
    static void bitmapDraw(wmfAPI *api, wmfBMP_Draw_t *draw);
    static void bitmapFree(wmfAPI *api, wmfBMP *bitmap);
    static void mapFont(wmfAPI *api, wmfFont *font);
    static float stringWidth(wmfAPI *api, wmfFont *font, char *text);

    wmfFontData m_fontData;
    QPainter *m_painter = nullptr;
    WmfFrame m_frame;
    QTransform m_transform;
    QPainterPath m_clip; // in device units; empty: no clip
    bool m_clipping = false;
    bool m_failed = false;
    std::deque<QImage> m_bitmaps; // the embedded bitmaps read so far, for the player to use
    std::vector<WmfArcRecord> m_arcs;
    std::size_t m_nextArc = 0;
};

} // namespace picture
