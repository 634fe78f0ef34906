#pragma once

// Private to loviz_picture: the metafile writer's internals (src/picture/emf/), which no other
// layer can include.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <vector>

// The pens, brushes and fonts of an enhanced metafile, described from Qt's and turned into the
// records that create them. Lengths are in metafile units: device pixels × unitsPerPixel.
namespace picture {

// A colour as the metafile holds it (0x00BBGGRR). EMF has no alpha: the colour's alpha, times
// the painter's opacity, blends it onto white.
std::uint32_t emfColour(const QColor &colour, qreal opacity);
// The one colour a brush is painted with: its own, or a gradient's first stop.
QColor solidColourOf(const QBrush &brush);
// How much the transform scales lengths (the square root of its area scale).
qreal lengthScale(const QTransform &transform);

struct EmfPen
{
    bool visible = false;    // false: the stock NULL_PEN
    std::uint32_t style = 0; // PS_GEOMETRIC | end cap | join | dash style
    std::uint32_t width = 0;
    std::uint32_t colour = 0;
    std::vector<std::uint32_t> dashes; // PS_USERSTYLE only

    friend bool operator==(const EmfPen &, const EmfPen &) = default;
};

// A cosmetic pen is as wide as it says in device pixels, at least one; any other pen's width
// scales with the transform.
EmfPen emfPenFor(const QPen &pen, const QTransform &transform, qreal opacity, int unitsPerPixel);
// EXTCREATEPEN record of a visible pen under `handle`.
char *createPenRecord(std::uint32_t handle, const EmfPen &pen);

struct EmfBrush
{
    bool visible = false; // false: the stock NULL_BRUSH
    std::uint32_t colour = 0;

    friend bool operator==(const EmfBrush &, const EmfBrush &) = default;
};

EmfBrush emfBrushFor(const QBrush &brush, qreal opacity);
// CREATEBRUSHINDIRECT record of a visible brush under `handle`.
char *createBrushRecord(std::uint32_t handle, const EmfBrush &brush);

struct EmfFont
{
    QString face;            // at most 31 UTF-16 units
    std::int32_t height = 0; // negative: the em height
    std::int32_t weight = 400;
    std::int32_t escapement = 0; // tenths of a degree, counter-clockwise
    bool italic = false;

    friend bool operator==(const EmfFont &, const EmfFont &) = default;
};

// The font as the painter's transform shows it on a device of `dotsPerInch`: its em height
// scaled, its baseline turned. Underline and strike-out stay off: QPainter draws those lines
// itself, on every paint engine, and a viewer would draw them a second time.
EmfFont emfFontFor(const QFont &font, const QTransform &transform, int dotsPerInch,
                   int unitsPerPixel);
// EXTCREATEFONTINDIRECTW record of `font` under `handle`.
char *createFontRecord(std::uint32_t handle, const EmfFont &font);

} // namespace picture
