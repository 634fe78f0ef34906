#pragma once

// Private to loviz_picture: the readers' internals (src/picture/read/), which no other layer can
// include.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

#include <optional>
#include <variant>
#include <vector>

#include <uemf.h>

namespace picture {

// The objects an enhanced metafile makes and selects, as the player draws with them.

struct EmfBrush
{
    QBrush brush = QBrush(Qt::white);
    bool hatched = false; // its gaps take the background colour when the background is opaque
};

struct EmfFont
{
    QFont font;
    double height = 0;  // GDI's: negative, the em height; positive, the cell height (logical)
    double angle = 0;   // the escapement, degrees counter-clockwise
    quint8 charSet = 1; // for text stored in 8 bits
};

// A palette, a colour space and the like: it takes its place in the table, the player draws
// nothing with it.
struct EmfOtherObject
{
};

using EmfObject = std::variant<std::monostate, QPen, EmfBrush, EmfFont, EmfOtherObject>;

QColor colourOf(U_COLORREF colour);
QPen penOf(const U_LOGPEN &pen);
// An extended pen's style, width in logical units, colour and user dashes.
QPen extendedPenOf(const U_EXTLOGPEN &pen, const std::vector<quint32> &dashes);
EmfBrush brushOf(const U_LOGBRUSH &brush);
EmfFont fontOf(const U_LOGFONT &font);
// The stock object GDI gives for `index` (its high bit set); nothing for an unknown one.
std::optional<EmfObject> stockObject(quint32 index);

// The device context: what SaveDC keeps and RestoreDC brings back.
struct EmfState
{
    QPen pen = QPen(QBrush(Qt::black), 0);
    EmfBrush brush;
    EmfFont font;
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    bool opaqueBackground = true;
    quint32 textAlign = U_TA_TOP | U_TA_LEFT;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    bool clockwise = false;
    quint32 rasterOperation = U_R2_COPYPEN;

    quint32 mapMode = U_MM_TEXT;
    QPointF windowOrigin;
    QSizeF windowExtent = QSizeF(1, 1);
    QPointF viewportOrigin;
    QSizeF viewportExtent = QSizeF(1, 1);
    QTransform world;

    QPointF position;                 // the current position, logical units
    std::optional<QPainterPath> clip; // in the picture's pixels; none: nothing is clipped
};

// From logical units to the reference device's pixels as the map mode, the window and the
// viewport say (the world transform apart). `pixelsPerMillimetre` is the reference device's.
QTransform pageTransform(const EmfState &state, QSizeF pixelsPerMillimetre);

// A region's rectangles (its RGNDATA, device units) as a path; nothing when it is unsound.
std::optional<QPainterPath> regionPath(QByteArrayView region);

// The clip after `mode` (RGN_AND, RGN_OR, …) combines it with `shape`; `everything` stands for
// the whole picture where nothing was clipped.
std::optional<QPainterPath> combinedClip(const std::optional<QPainterPath> &clip,
                                         const QPainterPath &shape, quint32 mode,
                                         const QPainterPath &everything);

} // namespace picture
