#include "picture/read/wmfstyle.h"

#include "text/cp1251.h"

#include <QImage>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

#include <libwmf/defs.h>
#include <uemf.h>

namespace picture {

namespace {

Qt::PenStyle penStyle(unsigned style)
{
    switch (style) {
    case PS_NULL:
        return Qt::NoPen;
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
    case PS_ALTERNATE:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle hatchStyle(unsigned hatch)
{
    switch (hatch) {
    case HS_HORIZONTAL:
        return Qt::HorPattern;
    case HS_VERTICAL:
        return Qt::VerPattern;
    case HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// The code page of a font's character set; Windows-1251 (the program's own) for the ANSI,
// default and Russian sets and any other.
const char *codePageOf(unsigned charSet)
{
    // The character sets are GDI's, named in libUEMF (libwmf has no names for them).
    switch (charSet) {
    case U_SYMBOL_CHARSET: // the bytes as they are
        return "ISO-8859-1";
    case U_GREEK_CHARSET:
        return "windows-1253";
    case U_TURKISH_CHARSET:
        return "windows-1254";
    case U_HEBREW_CHARSET:
        return "windows-1255";
    case U_ARABIC_CHARSET:
        return "windows-1256";
    case U_BALTIC_CHARSET:
        return "windows-1257";
    case U_EASTEUROPE_CHARSET:
        return "windows-1250";
    default:
        return nullptr;
    }
}

} // namespace

QColor colourOf(const wmfRGB &colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

QPen penOf(const wmfDC *dc, double scale)
{
    const wmfPen *pen = dc->pen;
    QPen result(colourOf(pen->lopnColor));
    result.setStyle(penStyle(pen->lopnStyle & PS_STYLE_MASK));
    // A pen thinner than a pixel and one of no sensible width are drawn one pixel wide.
    const double width = (pen->width + pen->height) / 2;
    const double pixels = width * scale;
    result.setWidthF(std::isfinite(pixels) && pixels >= 1.5 && pixels < 1e5 ? width : 0.0);
    switch (pen->lopnStyle & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE:
        result.setCapStyle(Qt::SquareCap);
        break;
    case PS_ENDCAP_FLAT:
        result.setCapStyle(Qt::FlatCap);
        break;
    default:
        result.setCapStyle(Qt::RoundCap);
    }
    switch (pen->lopnStyle & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL:
        result.setJoinStyle(Qt::BevelJoin);
        break;
    case PS_JOIN_MITER:
        result.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        result.setJoinStyle(Qt::RoundJoin);
    }
    return result;
}

QBrush brushOf(const wmfDC *dc)
{
    const wmfBrush *brush = dc->brush;
    const QColor colour = colourOf(brush->lbColor);
    switch (brush->lbStyle) {
    case BS_NULL:
        return Qt::NoBrush;
    case BS_HATCHED:
        return QBrush(colour, hatchStyle(brush->lbHatch));
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        if (brush->bmp.data)
            return QBrush(*static_cast<const QImage *>(brush->bmp.data));
        return colour;
    default:
        return colour;
    }
}

QBrush hatchBackground(const wmfDC *dc)
{
    if (dc->brush->lbStyle != BS_HATCHED || dc->bgmode != OPAQUE)
        return Qt::NoBrush;
    return colourOf(dc->bgcolor);
}

QFont fontOf(const wmfFont *font, int pixelSize)
{
    QFont result;
    QString family = font->lfFaceName ? decodedText(font->lfFaceName, font) : QString();
    // The Cyrillic aliases of the system's fonts ("Arial Cyr") name the fonts themselves.
    if (family.endsWith(QLatin1String(" Cyr"), Qt::CaseInsensitive))
        family.chop(4);
    if (!family.trimmed().isEmpty())
        result.setFamilies({family.trimmed()});
    result.setPixelSize(std::max(1, pixelSize));
    if (font->lfWeight > 0)
        result.setWeight(QFont::Weight(std::clamp(int(font->lfWeight), 1, 1000)));
    result.setItalic(font->lfItalic != 0);
    result.setUnderline(font->lfUnderline != 0);
    result.setStrikeOut(font->lfStrikeOut != 0);
    return result;
}

QString decodedText(const char *bytes, const wmfFont *font)
{
    if (const char *codePage = codePageOf(font->lfCharSet)) {
        QStringDecoder decoder(codePage);
        if (decoder.isValid())
            return decoder(QByteArrayView(bytes));
    }
    return QString::fromStdString(text::fromCp1251(bytes));
}

} // namespace picture
