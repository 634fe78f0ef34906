#include "picture/read/emfstate.h"

#include "picture/read/emfrecordparts.h"

#include <algorithm>
#include <cmath>

namespace picture {

namespace {

// The stock pen and brush of the device context's own colours, which libUEMF has no names for;
// they start black.
constexpr quint32 deviceContextBrush = 0x80000012;
constexpr quint32 deviceContextPen = 0x80000013;

// Wider pens are taken for damage (and Qt refuses the widest).
constexpr double widestPen = 32000;

// The dashes GDI draws for a thin pen of each style, in pixels.
QList<qreal> thinDashes(quint32 style)
{
    switch (style) {
    case U_PS_DASH:
        return {18, 6};
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        return {3, 3};
    case U_PS_DASHDOT:
        return {9, 6, 3, 6};
    case U_PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

Qt::PenStyle wideStyle(quint32 style)
{
    switch (style) {
    case U_PS_DASH:
        return Qt::DashLine;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        return Qt::DotLine;
    case U_PS_DASHDOT:
        return Qt::DashDotLine;
    case U_PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

// A pen of GDI's style bits, `width` logical units wide (0: one pixel, whatever the scale).
QPen styledPen(quint32 style, double width, QColor colour, bool cosmetic)
{
    const quint32 dashes = style & U_PS_STYLE_MASK;
    if (dashes == U_PS_NULL)
        return QPen(Qt::NoPen);
    QPen pen(colour);
    if (cosmetic || width <= 1) {
        pen.setCosmetic(true);
        pen.setWidth(0);
        if (!thinDashes(dashes).isEmpty())
            pen.setDashPattern(thinDashes(dashes));
    } else {
        pen.setWidthF(std::min(width, widestPen));
        pen.setStyle(wideStyle(dashes));
    }
    const quint32 cap = style & U_PS_ENDCAP_MASK;
    pen.setCapStyle(cap == U_PS_ENDCAP_FLAT     ? Qt::FlatCap
                    : cap == U_PS_ENDCAP_SQUARE ? Qt::SquareCap
                                                : Qt::RoundCap);
    const quint32 join = style & U_PS_JOIN_MASK;
    pen.setJoinStyle(join == U_PS_JOIN_BEVEL   ? Qt::BevelJoin
                     : join == U_PS_JOIN_MITER ? Qt::MiterJoin
                                               : Qt::RoundJoin);
    return pen;
}

Qt::BrushStyle hatchOf(quint32 hatch)
{
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return Qt::HorPattern;
    case U_HS_VERTICAL:
        return Qt::VerPattern;
    case U_HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case U_HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case U_HS_CROSS:
        return Qt::CrossPattern;
    case U_HS_DIAGCROSS:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

EmfBrush solidBrush(QColor colour)
{
    return EmfBrush {QBrush(colour), false};
}

EmfFont stockFont(const char *family, bool fixed)
{
    U_LOGFONT font {};
    font.lfHeight = -12;
    font.lfWeight = 400;
    for (int i = 0; family[i] && i < U_LF_FACESIZE - 1; ++i)
        font.lfFaceName[i] = uint16_t(family[i]);
    EmfFont result = fontOf(font);
    result.font.setFixedPitch(fixed);
    return result;
}

} // namespace

QColor colourOf(U_COLORREF colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

QPen penOf(const U_LOGPEN &pen)
{
    return styledPen(pen.lopnStyle, pen.lopnWidth.x, colourOf(pen.lopnColor), false);
}

QPen extendedPenOf(const U_EXTLOGPEN &pen, const std::vector<quint32> &dashes)
{
    if (pen.elpBrushStyle == U_BS_NULL)
        return QPen(Qt::NoPen);
    const bool geometric = (pen.elpPenStyle & U_PS_TYPE_MASK) == U_PS_GEOMETRIC;
    QPen result = styledPen(pen.elpPenStyle, geometric ? double(pen.elpWidth) : 0,
                            colourOf(pen.elpColor), !geometric);
    if ((pen.elpPenStyle & U_PS_STYLE_MASK) == U_PS_USERSTYLE && !dashes.empty()) {
        // User dashes are lengths in logical units; Qt's are in pen widths.
        const double unit = result.widthF() > 0 ? result.widthF() : 1;
        QList<qreal> pattern;
        for (const quint32 dash : dashes)
            pattern << std::max(0.1, dash / unit);
        if (pattern.size() % 2) // an odd list repeats with dashes and gaps swapped
            pattern += QList<qreal>(pattern);
        result.setDashPattern(pattern);
    }
    return result;
}

EmfBrush brushOf(const U_LOGBRUSH &brush)
{
    const QColor colour = colourOf(brush.lbColor);
    switch (brush.lbStyle) {
    case U_BS_NULL:
        return EmfBrush {QBrush(Qt::NoBrush), false};
    case U_BS_HATCHED: {
        const Qt::BrushStyle style = hatchOf(brush.lbHatch);
        return EmfBrush {QBrush(colour, style), style != Qt::SolidPattern};
    }
    default:
        return solidBrush(colour);
    }
}

EmfFont fontOf(const U_LOGFONT &font)
{
    int length = 0;
    while (length < U_LF_FACESIZE && font.lfFaceName[length])
        ++length;
    const QString family
        = QString::fromUtf16(reinterpret_cast<const char16_t *>(font.lfFaceName), length);
    EmfFont result;
    result.font.setFamily(family.isEmpty() ? QStringLiteral("Arial") : family);
    result.font.setWeight(
        QFont::Weight(font.lfWeight == 0 ? 400 : std::clamp(int(font.lfWeight), 1, 1000)));
    result.font.setItalic(font.lfItalic);
    result.font.setUnderline(font.lfUnderline);
    result.font.setStrikeOut(font.lfStrikeOut);
    result.height = font.lfHeight;
    result.angle = std::remainder(font.lfEscapement / 10.0, 360.0);
    result.charSet = font.lfCharSet;
    return result;
}

std::optional<EmfObject> stockObject(quint32 index)
{
    switch (index) {
    case U_WHITE_BRUSH:
        return solidBrush(Qt::white);
    case U_LTGRAY_BRUSH:
        return solidBrush(QColor(192, 192, 192));
    case U_GRAY_BRUSH:
        return solidBrush(QColor(128, 128, 128));
    case U_DKGRAY_BRUSH:
        return solidBrush(QColor(64, 64, 64));
    case U_BLACK_BRUSH:
    case deviceContextBrush:
        return solidBrush(Qt::black);
    case U_NULL_BRUSH:
        return EmfBrush {QBrush(Qt::NoBrush), false};
    case U_WHITE_PEN:
        return QPen(QBrush(Qt::white), 0);
    case U_BLACK_PEN:
    case deviceContextPen:
        return QPen(QBrush(Qt::black), 0);
    case U_NULL_PEN:
        return QPen(Qt::NoPen);
    case U_OEM_FIXED_FONT:
    case U_ANSI_FIXED_FONT:
    case U_SYSTEM_FIXED_FONT:
        return stockFont("Courier New", true);
    case U_ANSI_VAR_FONT:
    case U_SYSTEM_FONT:
    case U_DEVICE_DEFAULT_FONT:
    case U_DEFAULT_GUI_FONT:
        return stockFont("Arial", false);
    case U_DEFAULT_PALETTE:
        return EmfOtherObject {};
    default:
        return std::nullopt;
    }
}

QTransform pageTransform(const EmfState &state, QSizeF pixelsPerMillimetre)
{
    // Millimetres per logical unit of each fixed map mode (y grows upwards in them).
    double millimetres = 0;
    switch (state.mapMode) {
    case U_MM_LOMETRIC:
        millimetres = 0.1;
        break;
    case U_MM_HIMETRIC:
        millimetres = 0.01;
        break;
    case U_MM_LOENGLISH:
        millimetres = 0.254;
        break;
    case U_MM_HIENGLISH:
        millimetres = 0.0254;
        break;
    case U_MM_TWIPS:
        millimetres = 25.4 / 1440;
        break;
    default:
        break;
    }
    double scaleX = 1;
    double scaleY = 1;
    if (millimetres > 0) {
        scaleX = millimetres * pixelsPerMillimetre.width();
        scaleY = -millimetres * pixelsPerMillimetre.height();
    } else if (state.mapMode == U_MM_ISOTROPIC || state.mapMode == U_MM_ANISOTROPIC) {
        const QSizeF window = state.windowExtent;
        const QSizeF viewport = state.viewportExtent;
        if (window.width() != 0 && window.height() != 0) {
            scaleX = viewport.width() / window.width();
            scaleY = viewport.height() / window.height();
        }
        if (state.mapMode == U_MM_ISOTROPIC) {
            const double least = std::min(std::abs(scaleX), std::abs(scaleY));
            scaleX = std::copysign(least, scaleX);
            scaleY = std::copysign(least, scaleY);
        }
    }
    const QPointF window = state.windowOrigin;
    const QPointF viewport = state.viewportOrigin;
    return QTransform(scaleX, 0, 0, scaleY, viewport.x() - window.x() * scaleX,
                      viewport.y() - window.y() * scaleY);
}

std::optional<QPainterPath> regionPath(QByteArrayView region)
{
    const std::optional<U_RGNDATAHEADER> header = leading<U_RGNDATAHEADER>(region);
    if (!header)
        return std::nullopt;
    const std::vector<U_RECTL> rects
        = itemsAt<U_RECTL>(region, sizeof(U_RGNDATAHEADER), header->nCount);
    if (rects.size() != header->nCount)
        return std::nullopt;
    QPainterPath path;
    for (const U_RECTL &rect : rects)
        path.addRect(QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom)));
    return path.simplified();
}

std::optional<QPainterPath> combinedClip(const std::optional<QPainterPath> &clip,
                                         const QPainterPath &shape, quint32 mode,
                                         const QPainterPath &everything)
{
    const QPainterPath now = clip ? *clip : everything;
    switch (mode) {
    case U_RGN_AND:
        return now.intersected(shape);
    case U_RGN_OR:
        return clip ? now.united(shape) : clip;
    case U_RGN_XOR:
        return now.united(shape).subtracted(now.intersected(shape));
    case U_RGN_DIFF:
        return now.subtracted(shape);
    case U_RGN_COPY:
        return shape;
    default:
        return clip;
    }
}

} // namespace picture
