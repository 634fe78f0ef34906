#include "picture/emf/emfobjects.h"

#include <uemf.h>

#include <QGradient>
#include <QtMath>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>

namespace picture {

namespace {

// GDI keeps at most 16 entries of a user dash style.
constexpr qsizetype maxDashEntries = 16;

U_COLORREF colourRef(std::uint32_t colour)
{
    return std::bit_cast<U_COLORREF>(colour); // red in the low byte, as both hold it
}

std::uint32_t endCapOf(Qt::PenCapStyle cap)
{
    switch (cap) {
    case Qt::FlatCap:
        return U_PS_ENDCAP_FLAT;
    case Qt::RoundCap:
        return U_PS_ENDCAP_ROUND;
    default:
        return U_PS_ENDCAP_SQUARE;
    }
}

std::uint32_t joinOf(Qt::PenJoinStyle join)
{
    switch (join) {
    case Qt::MiterJoin:
    case Qt::SvgMiterJoin:
        return U_PS_JOIN_MITER;
    case Qt::RoundJoin:
        return U_PS_JOIN_ROUND;
    default:
        return U_PS_JOIN_BEVEL;
    }
}

std::uint32_t dashStyleOf(Qt::PenStyle style)
{
    switch (style) {
    case Qt::DashLine:
        return U_PS_DASH;
    case Qt::DotLine:
        return U_PS_DOT;
    case Qt::DashDotLine:
        return U_PS_DASHDOT;
    case Qt::DashDotDotLine:
        return U_PS_DASHDOTDOT;
    case Qt::CustomDashLine:
        return U_PS_USERSTYLE;
    default:
        return U_PS_SOLID;
    }
}

std::uint32_t toUnits(qreal pixels, int unitsPerPixel)
{
    const qreal units = std::clamp<qreal>(pixels * unitsPerPixel, 1, 1 << 24);
    return static_cast<std::uint32_t>(qRound(units));
}

// The family without a foundry ("Arial [Monotype]" → "Arial"), cut to the 31 UTF-16 units a
// face name holds, never inside a surrogate pair.
QString faceNameOf(const QFont &font)
{
    QString face = font.family();
    const qsizetype foundry = face.indexOf(QLatin1String(" ["));
    if (foundry > 0 && face.endsWith(QLatin1Char(']')))
        face.truncate(foundry);
    constexpr qsizetype maxUnits = U_LF_FACESIZE - 1;
    if (face.size() > maxUnits)
        face.truncate(face.at(maxUnits - 1).isHighSurrogate() ? maxUnits - 1 : maxUnits);
    return face;
}

} // namespace

std::uint32_t emfColour(const QColor &colour, qreal opacity)
{
    const QColor rgb = colour.toRgb();
    const qreal alpha = std::clamp<qreal>(rgb.alphaF() * opacity, 0, 1);
    const auto blend = [alpha](int component) {
        return static_cast<std::uint32_t>(qRound(component * alpha + 255 * (1 - alpha)));
    };
    return blend(rgb.red()) | blend(rgb.green()) << 8 | blend(rgb.blue()) << 16;
}

QColor solidColourOf(const QBrush &brush)
{
    if (const QGradient *gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
        return gradient->stops().constFirst().second;
    return brush.color();
}

qreal lengthScale(const QTransform &transform)
{
    return std::sqrt(std::abs(transform.determinant()));
}

EmfPen emfPenFor(const QPen &pen, const QTransform &transform, qreal opacity, int unitsPerPixel)
{
    EmfPen result;
    if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush)
        return result;
    const qreal pixels = pen.isCosmetic() ? std::max<qreal>(1, pen.widthF())
                                          : pen.widthF() * lengthScale(transform);
    result.visible = true;
    result.width = toUnits(pixels, unitsPerPixel);
    result.colour = emfColour(solidColourOf(pen.brush()), opacity);
    result.style = U_PS_GEOMETRIC | endCapOf(pen.capStyle()) | joinOf(pen.joinStyle())
                   | dashStyleOf(pen.style());
    if (pen.style() == Qt::CustomDashLine) {
        // Qt's dashes and gaps are in pen widths.
        const QList<qreal> pattern = pen.dashPattern().mid(0, maxDashEntries);
        for (qreal length : pattern)
            result.dashes.push_back(toUnits(length * std::max<qreal>(1, pixels), unitsPerPixel));
    }
    return result;
}

char *createPenRecord(std::uint32_t handle, const EmfPen &pen)
{
    std::vector<U_STYLEENTRY> dashes(pen.dashes.begin(), pen.dashes.end());
    PU_EXTLOGPEN logPen = extlogpen_set(pen.style, pen.width, U_BS_SOLID, colourRef(pen.colour), 0,
                                        static_cast<U_NUM_STYLEENTRY>(dashes.size()),
                                        dashes.empty() ? nullptr : dashes.data());
    if (!logPen)
        return nullptr;
    char *record = U_EMREXTCREATEPEN_set(handle, nullptr, 0, nullptr, logPen);
    std::free(logPen);
    return record;
}

EmfBrush emfBrushFor(const QBrush &brush, qreal opacity)
{
    if (brush.style() == Qt::NoBrush)
        return {};
    return {true, emfColour(solidColourOf(brush), opacity)};
}

char *createBrushRecord(std::uint32_t handle, const EmfBrush &brush)
{
    return U_EMRCREATEBRUSHINDIRECT_set(handle,
                                        logbrush_set(U_BS_SOLID, colourRef(brush.colour), 0));
}

EmfFont emfFontFor(const QFont &font, const QTransform &transform, int dotsPerInch,
                   int unitsPerPixel)
{
    const qreal emPixels
        = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dotsPerInch / 72.0;
    // The baseline's direction on the device, where y grows downwards.
    const qreal degrees = qRadiansToDegrees(std::atan2(-transform.m12(), transform.m11()));
    EmfFont result;
    result.face = faceNameOf(font);
    result.height
        = -static_cast<std::int32_t>(toUnits(emPixels * lengthScale(transform), unitsPerPixel));
    result.weight = font.weight();
    result.escapement = (qRound(degrees * 10) + 3600) % 3600;
    result.italic = font.style() != QFont::StyleNormal;
    return result;
}

char *createFontRecord(std::uint32_t handle, const EmfFont &font)
{
    std::array<uint16_t, U_LF_FACESIZE> face {};
    std::copy(font.face.utf16(), font.face.utf16() + font.face.size(), face.begin());
    std::array<uint16_t, U_LF_FULLFACESIZE> fullName {};
    std::copy(face.begin(), face.end(), fullName.begin());
    std::array<uint16_t, U_LF_FACESIZE> style {};
    const U_LOGFONT logFont
        = logfont_set(font.height, 0, font.escapement, font.escapement, font.weight,
                      font.italic ? U_FW_ITALIC : U_FW_NOITALIC, U_FW_NOUNDERLINE, U_FW_NOSTRIKEOUT,
                      U_DEFAULT_CHARSET, U_OUT_TT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                      U_DEFAULT_PITCH | U_FF_DONTCARE, face.data());
    const U_LOGFONT_PANOSE described
        = logfont_panose_set(logFont, fullName.data(), style.data(), 0, U_PANOSE {});
    return U_EMREXTCREATEFONTINDIRECTW_set(handle, nullptr,
                                           reinterpret_cast<const char *>(&described));
}

} // namespace picture
