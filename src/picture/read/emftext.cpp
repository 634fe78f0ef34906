// The records that draw text.

#include "picture/read/emfplayer.h"
#include "picture/read/emfrecordparts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace picture {

// One text record's text and where it goes, in logical units.
struct EmfText
{
    QString characters;
    QList<quint32> glyphs;  // with ETO_GLYPH_INDEX, instead of characters
    std::vector<qint32> dx; // each character's advance; empty: the font's own
    QPointF reference;
    quint32 options = 0;
    std::optional<QRectF> rect; // ETO_OPAQUE fills it, ETO_CLIPPED clips to it
};

namespace {

// Pixels of the reference device for a font whose height is 0 (GDI's default).
constexpr double defaultFontPixels = 12;
constexpr int largestFontPixels = 4000;

// 8-bit text in the code page of its font's character set; the default and ANSI sets are the
// program's code page.
QString decoded(QByteArrayView bytes, quint8 charSet)
{
    const char *codePage = "windows-1251";
    switch (charSet) {
    case 161:
        codePage = "windows-1253";
        break;
    case 162:
        codePage = "windows-1254";
        break;
    case 186:
        codePage = "windows-1257";
        break;
    case 238:
        codePage = "windows-1250";
        break;
    case 2: // symbols: the bytes as they are
    case 77:
        return QString::fromLatin1(bytes);
    default:
        break;
    }
    QStringDecoder decoder(codePage);
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

// Whether the advances put every character within half a pixel of where the font's own
// advances would (kerning apart): the text is then drawn whole, as fast as text can be.
bool advancesAsFont(const QString &characters, const QFontMetricsF &metrics,
                    const std::vector<double> &starts)
{
    double at = 0;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (std::abs(starts[std::size_t(i)] - at) > 0.5 || characters[i].isSurrogate())
            return false;
        at += metrics.horizontalAdvance(characters[i]);
    }
    return std::abs(starts.back() - at) <= 0.5;
}

std::optional<QRectF> rectAt(QByteArrayView record, quint64 at)
{
    const std::vector<U_RECTL> rect = itemsAt<U_RECTL>(record, at, 1);
    if (rect.empty())
        return std::nullopt;
    return QRectF(QPointF(rect[0].left, rect[0].top), QPointF(rect[0].right, rect[0].bottom))
        .normalized();
}

} // namespace

bool EmfPlayer::playText(quint32 type, QByteArrayView record)
{
    EmfText text;
    if (type == U_EMR_EXTTEXTOUTW || type == U_EMR_EXTTEXTOUTA) {
        const std::optional<U_EMREXTTEXTOUTW> out = leading<U_EMREXTTEXTOUTW>(record);
        if (!out)
            return true;
        const U_EMRTEXT &emrText = out->emrtext;
        text.reference = QPointF(emrText.ptlReference.x, emrText.ptlReference.y);
        text.options = emrText.fOptions;
        // An optional rectangle, then where the advances lie.
        quint64 at = offsetof(U_EMREXTTEXTOUTW, emrtext) + sizeof(U_EMRTEXT);
        if (!(text.options & U_ETO_NO_RECT)) {
            text.rect = rectAt(record, at);
            at += sizeof(U_RECTL);
        }
        const std::vector<quint32> dxAt = itemsAt<quint32>(record, at, 1);
        const quint64 count = emrText.nChars;
        if (type == U_EMR_EXTTEXTOUTA) {
            text.characters
                = decoded(bytesAt(record, emrText.offString, count), m_state.font.charSet);
        } else {
            const std::vector<char16_t> units = itemsAt<char16_t>(record, emrText.offString, count);
            if (text.options & U_ETO_GLYPH_INDEX)
                text.glyphs = QList<quint32>(units.begin(), units.end());
            else
                text.characters = QString::fromUtf16(units.data(), qsizetype(units.size()));
        }
        if (!dxAt.empty() && dxAt[0] != 0) {
            const bool pairs = text.options & U_ETO_PDY;
            const std::vector<qint32> dx
                = itemsAt<qint32>(record, dxAt[0], count * (pairs ? 2 : 1));
            for (std::size_t i = 0; i < dx.size(); i += pairs ? 2 : 1)
                text.dx.push_back(dx[i]);
        }
    } else if (type == U_EMR_SMALLTEXTOUT) {
        const std::optional<U_EMRSMALLTEXTOUT> out = leading<U_EMRSMALLTEXTOUT>(record);
        if (!out)
            return true;
        text.reference = QPointF(out->Dest.x, out->Dest.y);
        text.options = out->fuOptions;
        quint64 at = sizeof(U_EMRSMALLTEXTOUT);
        if (!(text.options & U_ETO_NO_RECT)) {
            text.rect = rectAt(record, at);
            at += sizeof(U_RECTL);
        }
        if (text.options & U_ETO_SMALL_CHARS) {
            text.characters = decoded(bytesAt(record, at, out->cChars), m_state.font.charSet);
        } else {
            const std::vector<char16_t> units = itemsAt<char16_t>(record, at, out->cChars);
            if (text.options & U_ETO_GLYPH_INDEX)
                text.glyphs = QList<quint32>(units.begin(), units.end());
            else
                text.characters = QString::fromUtf16(units.data(), qsizetype(units.size()));
        }
    } else {
        return false;
    }
    drawText(text);
    return true;
}

void EmfPlayer::drawText(const EmfText &text)
{
    const QTransform &to = transform();
    const double determinant = to.determinant();
    if (m_inPath || !std::isfinite(determinant) || determinant == 0)
        return;
    const double scale = std::sqrt(std::abs(determinant)); // pixels a logical unit
    const double height
        = m_state.font.height != 0 ? std::abs(m_state.font.height) : defaultFontPixels / scale;
    QFont font = m_state.font.font;
    const int pixels = int(std::clamp<double>(std::lround(height * scale), 1, largestFontPixels));
    font.setPixelSize(pixels);
    font.setKerning(false); // GDI places each character by its own advance
    const QFontMetricsF metrics(font);
    // Logical units a pixel of the font: its em, or its cell for a positive height.
    const double unit = m_state.font.height > 0 && metrics.height() > 0 ? height / metrics.height()
                                                                        : height / pixels;

    QRawFont rawFont;
    if (!text.glyphs.isEmpty()) {
        rawFont = QRawFont::fromFont(font);
        if (!rawFont.isValid())
            return; // glyphs of a font that is not here: nothing to draw them with
    }
    // Where each character (or glyph) begins along the baseline, in the font's pixels.
    const qsizetype count = text.glyphs.isEmpty() ? text.characters.size() : text.glyphs.size();
    std::vector<double> starts(std::size_t(count) + 1, 0);
    if (text.dx.size() >= std::size_t(count)) {
        for (qsizetype i = 0; i < count; ++i)
            starts[std::size_t(i) + 1] = starts[std::size_t(i)] + text.dx[std::size_t(i)] / unit;
    } else if (!text.glyphs.isEmpty()) {
        const QList<QPointF> advances = rawFont.advancesForGlyphIndexes(text.glyphs);
        for (qsizetype i = 0; i < count && i < advances.size(); ++i)
            starts[std::size_t(i) + 1] = starts[std::size_t(i)] + advances[i].x();
    } else {
        starts.back() = metrics.horizontalAdvance(text.characters);
    }
    const double width = starts.back();

    const quint32 align = m_state.textAlign;
    const bool updating = align & U_TA_UPDATECP;
    const QPointF reference = updating ? m_state.position : text.reference;
    const double left = (align & U_TA_CENTER) == U_TA_CENTER ? -width / 2
                        : (align & U_TA_RIGHT)               ? -width
                                                             : 0;
    const double baseline = (align & U_TA_BASELINE) == U_TA_BASELINE ? 0
                            : (align & U_TA_BOTTOM)                  ? -metrics.descent()
                                                                     : metrics.ascent();
    // From the font's pixels along the baseline to logical units: upright on the screen
    // whichever way the mapping turns the y axis, turned by the escapement.
    QTransform local = QTransform::fromTranslate(reference.x(), reference.y());
    if (determinant < 0)
        local.scale(1, -1);
    local.rotate(-m_state.font.angle);
    local.scale(unit, unit);
    if (updating) {
        const double along = (align & U_TA_CENTER) == U_TA_CENTER ? 0 : left < 0 ? -width : width;
        m_state.position = local.map(QPointF(along, 0));
    }

    QPainter &painter = painterFor(false, false);
    const bool clipped = text.rect && (text.options & U_ETO_CLIPPED);
    if (text.rect && (text.options & U_ETO_OPAQUE))
        painter.fillRect(*text.rect, m_state.backgroundColour);
    if (clipped) {
        painter.save();
        painter.setClipRect(*text.rect, Qt::IntersectClip);
    }
    painter.setTransform(local * to);
    m_transformApplied = false;
    if (m_state.opaqueBackground && width > 0)
        painter.fillRect(QRectF(left, baseline - metrics.ascent(), width, metrics.height()),
                         m_state.backgroundColour);
    if (painter.font() != font) // a font set again is recorded again
        painter.setFont(font);
    painter.setPen(m_state.textColour);
    if (!text.glyphs.isEmpty()) {
        QList<QPointF> positions;
        positions.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            positions.append(QPointF(left + starts[std::size_t(i)], baseline));
        QGlyphRun run;
        run.setRawFont(rawFont);
        run.setGlyphIndexes(text.glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    } else if (text.dx.size() >= std::size_t(count)
               && !advancesAsFont(text.characters, metrics, starts)) {
        // Each character where its advance puts it (a surrogate pair stays together).
        for (qsizetype i = 0; i < count; ++i) {
            const qsizetype length = text.characters[i].isHighSurrogate() && i + 1 < count ? 2 : 1;
            painter.drawText(QPointF(left + starts[std::size_t(i)], baseline),
                             text.characters.mid(i, length));
            i += length - 1;
        }
    } else {
        painter.drawText(QPointF(left, baseline), text.characters);
    }
    if (clipped)
        painter.restore();
}

} // namespace picture
