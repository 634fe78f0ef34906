#include "picture/read/metafileloader.h"

#include "picture/read/emfrecords.h"
#include "picture/read/littleendian.h"
#include "picture/read/windowsmetafile.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cstddef>
#include <cstdlib>

#include <locale.h>

#include <emf2svg.h>
#include <uemf.h>

namespace picture {

namespace {

// The "C" locale for this thread while it lives. libemf2svg prints its numbers with printf,
// which writes the decimal separator of the locale: under a Russian locale a comma, which no
// SVG reader takes.
class CLocale
{
public:
    CLocale()
        : m_locale(newlocale(LC_ALL_MASK, "C", locale_t(nullptr)))
        , m_previous(m_locale ? uselocale(m_locale) : locale_t(nullptr))
    {
    }
    ~CLocale()
    {
        if (m_locale) {
            uselocale(m_previous);
            freelocale(m_locale);
        }
    }
    CLocale(const CLocale &) = delete;
    CLocale &operator=(const CLocale &) = delete;

private:
    locale_t m_locale;
    locale_t m_previous;
};

// libemf2svg's SVG of sound records; empty when it fails.
QByteArray svgOf(QByteArray records)
{
    const CLocale numbersWithPoints;
    char noNameSpace[] = "";
    generatorOptions options {};
    options.nameSpace = noNameSpace;
    options.svgDelimiter = true;
    char *svg = nullptr;
    size_t length = 0;
    const int converted = emf2svg(records.data(), size_t(records.size()), &svg, &length, &options);
    QByteArray result;
    if (converted == 1 && svg)
        result = QByteArray(svg, qsizetype(length));
    std::free(svg);
    return result;
}

// libemf2svg writes an attribute twice in some elements (the clip path of a clipped pie),
// which XML forbids: the first one stays. Character data is left as it is.
QByteArray withAttributesOnce(const QByteArray &svg)
{
    static const QRegularExpression piece(
        QStringLiteral(R"((<!\[CDATA\[.*?\]\]>))" // character data, or a start tag
                       R"(|<([A-Za-z][^\s/>]*)((?:\s+[^\s=/>]+\s*=\s*"[^"]*")*)\s*(/?>))"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attribute(QStringLiteral(R"(([^\s=]+)\s*=\s*("[^"]*"))"));
    const QString text = QString::fromUtf8(svg);
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : piece.globalMatch(text)) {
        out += QStringView(text).mid(at, match.capturedStart() - at);
        at = match.capturedEnd();
        if (match.hasCaptured(1)) {
            out += match.captured(1);
            continue;
        }
        out += QLatin1Char('<') + match.captured(2);
        QStringList names;
        for (const QRegularExpressionMatch &pair : attribute.globalMatch(match.captured(3))) {
            if (names.contains(pair.captured(1)))
                continue;
            names << pair.captured(1);
            out += QLatin1Char(' ') + pair.captured(1) + QLatin1Char('=') + pair.captured(2);
        }
        out += match.captured(4);
    }
    out += QStringView(text).mid(at);
    return out.toUtf8();
}

} // namespace

std::optional<MetafileKind> metafileKind(QByteArrayView bytes)
{
    constexpr qsizetype signatureAt = offsetof(U_EMRHEADER, dSignature);
    if (bytes.size() >= signatureAt + 4 && u32(bytes, offsetof(U_EMR, iType)) == U_EMR_HEADER
        && u32(bytes, signatureAt) == U_ENHMETA_SIGNATURE)
        return MetafileKind::Enhanced;
    if (isWindowsMetafile(bytes))
        return MetafileKind::Windows;
    return std::nullopt;
}

std::optional<Picture> decodeMetafile(const QByteArray &bytes)
{
    const std::optional<MetafileKind> kind = metafileKind(bytes);
    if (kind == MetafileKind::Enhanced)
        return decodeEnhancedMetafile(bytes);
    if (kind == MetafileKind::Windows)
        return decodeWindowsMetafile(bytes);
    return std::nullopt;
}

std::optional<Picture> decodeEnhancedMetafile(const QByteArray &bytes)
{
    const std::optional<EnhancedMetafileFrame> frame = checkEnhancedMetafile(bytes);
    if (!frame)
        return std::nullopt;
    const QByteArray svg = withAttributesOnce(svgOf(frame->records));
    QSvgRenderer renderer(svg);
    if (svg.isEmpty() || !renderer.isValid())
        return std::nullopt;
    // libemf2svg draws in device pixels less the top left corner of the bounds.
    renderer.setViewBox(
        QRectF(frame->frame.topLeft() - QPointF(frame->bounds.topLeft()), QSizeF(frame->size)));
    return Picture::recorded(frame->size, [&renderer, frame](QPainter &painter) {
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(frame->size)));
    });
}

} // namespace picture
