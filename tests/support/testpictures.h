#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QList>
#include <QRect>
#include <QTemporaryDir>
#include <QtEndian>

#include <uemf.h>
#include <uemf_utf.h>

#include <cstdlib>
#include <vector>

// Picture files made in the tests: Qt writes bitmaps and icons; the metafiles are built record
// by record.
namespace testpictures {

inline void appendWord(QByteArray &bytes, int word)
{
    char le[2];
    qToLittleEndian<quint16>(quint16(word), le);
    bytes.append(le, 2);
}

inline void appendLong(QByteArray &bytes, quint32 value)
{
    appendWord(bytes, int(value & 0xFFFF));
    appendWord(bytes, int(value >> 16));
}

// A Windows metafile, record by record.
class WmfWriter
{
public:
    WmfWriter &add(quint16 function, const QList<int> &words, const QByteArray &bytes = {},
                   const QList<int> &after = {})
    {
        QByteArray record;
        for (int word : words)
            appendWord(record, word);
        record.append(bytes);
        if (record.size() % 2)
            record.append('\0');
        for (int word : after)
            appendWord(record, word);
        const quint32 size = quint32(record.size() / 2 + 3);
        appendLong(m_records, size);
        appendWord(m_records, function);
        m_records.append(record);
        m_largest = std::max(m_largest, size);
        return *this;
    }
    // A colour record: the function, then the colour (and the words after it).
    WmfWriter &addColour(quint16 function, const QList<int> &before, QColor colour,
                         const QList<int> &after = {})
    {
        QByteArray colourBytes;
        appendWord(colourBytes, colour.red() | colour.green() << 8);
        appendWord(colourBytes, colour.blue());
        return add(function, before, colourBytes, after);
    }

    QByteArray plain(int objects) const
    {
        QByteArray records = m_records;
        appendLong(records, 3); // the end
        appendWord(records, 0);
        QByteArray bytes;
        for (int word : {1, 9, 0x0300})
            appendWord(bytes, word);
        appendLong(bytes, quint32(9 + records.size() / 2));
        appendWord(bytes, objects);
        appendLong(bytes, m_largest);
        appendWord(bytes, 0);
        return bytes + records;
    }

    QByteArray placeable(QRect frame, int unitsPerInch, int objects) const
    {
        QByteArray header;
        appendLong(header, 0x9AC6CDD7);
        for (int word : {0, frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1,
                         unitsPerInch, 0, 0})
            appendWord(header, word);
        quint16 checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= qFromLittleEndian<quint16>(header.constData() + i);
        appendWord(header, checksum);
        return header + plain(objects);
    }

private:
    QByteArray m_records;
    quint32 m_largest = 3;
};

enum WmfFunction : quint16 {
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetTextAlign = 0x012E,
    SelectObject = 0x012D,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Rectangle = 0x041B,
    TextOut = 0x0521,
};

// A bitmap file of Qt's writing.
inline QByteArray bitmapFile(const QImage &image, const char *format = "BMP")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// An enhanced metafile written by libUEMF, as the chart writes them: device pixels 1:1 on a
// reference device of 4 pixels a millimetre, so the frame is `size` pixels.
template<typename Records>
QByteArray enhancedMetafile(const QString &path, QSize size, Records records)
{
    EMFTRACK *track = nullptr;
    EMFHANDLES *handles = nullptr;
    emf_start(QFile::encodeName(path).constData(), 100000, 100000, &track);
    htable_create(64, 64, &handles);
    const U_RECTL bounds
        = rectl_set(pointl_set(0, 0), pointl_set(size.width() - 1, size.height() - 1));
    const U_RECTL frame
        = rectl_set(pointl_set(0, 0), pointl_set(size.width() * 25, size.height() * 25));
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMRHEADER_set(bounds, frame, nullptr, 0,
                                                                   nullptr, sizel_set(1000, 1000),
                                                                   sizel_set(250, 250), 0)),
               track, U_REC_FREE);
    records(track, handles);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMREOF_set(0, nullptr, track)), track,
               U_REC_FREE);
    emf_finish(track, handles);
    emf_free(&track);
    htable_free(&handles);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

inline void append(EMFTRACK *track, char *record)
{
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(record), track, U_REC_FREE);
}

// The test pictures.

inline const QColor blue(40, 60, 200); // the colour a named-colour SVG would round to royalblue
inline const QColor green(10, 120, 30);

// Each picture file: a 37 × 21 bitmap, blue at the top left and green at the bottom right.
inline QImage twoColourImage(QImage::Format format)
{
    QImage image(37, 21, QImage::Format_RGB32);
    image.fill(green);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 18; ++x)
            image.setPixelColor(x, y, blue);
    }
    return image.convertToFormat(format);
}

// The same picture as a 16-colour bitmap file (4 bits a pixel), which Qt does not write.
inline QByteArray sixteenColours()
{
    const int stride = 20; // 37 pixels of 4 bits, in whole 32-bit words
    QByteArray bytes("BM");
    for (quint32 value : {14 + 40 + 64 + stride * 21, 0, 14 + 40 + 64, 40, 37, 21})
        appendLong(bytes, value);
    appendWord(bytes, 1);
    appendWord(bytes, 4);
    for (quint32 value : {0, stride * 21, 3780, 3780, 16, 0})
        appendLong(bytes, value);
    for (QRgb colour : {QRgb(0), blue.rgb(), green.rgb()})
        appendLong(bytes, colour & 0xFFFFFF);
    bytes.append(13 * 4, '\0');
    for (int y = 20; y >= 0; --y) { // the bottom row first
        QByteArray row(stride, char(0x22));
        if (y < 10)
            row.replace(0, 9, QByteArray(9, char(0x11)));
        bytes.append(row);
    }
    return bytes;
}

inline const QByteArray russianWord("\xcf\xf0\xee\xe1\xe0"); // "Проба" in Windows-1251

// A placeable metafile of 300 × 150 pixels: a blue rectangle in its top left quarter (no
// outline), a green triangle at the bottom right, a word in a font of a character set.
inline QByteArray windowsMetafile(bool placeable = true, int charSet = 204,
                                  const QByteArray &word = russianWord)
{
    WmfWriter writer;
    writer.add(SetWindowOrg, {0, 0})
        .add(SetWindowExt, {150, 300})
        .add(SetBkMode, {1})
        .addColour(CreateBrushIndirect, {0}, blue, {0})
        .add(SelectObject, {0})
        .add(CreatePenIndirect, {5, 0, 0, 0, 0})
        .add(SelectObject, {1})
        .add(Rectangle, {75, 150, 0, 0})
        .addColour(CreateBrushIndirect, {0}, green, {0})
        .add(SelectObject, {2})
        .add(Polygon, {3, 299, 100, 299, 149, 200, 149})
        // 20 pixels high, weight 400, the character set; the face name
        .add(CreateFontIndirect, {-20, 0, 0, 0, 400, 0, charSet << 8, 0, 0},
             QByteArray("Arial", 6).leftJustified(32, '\0'))
        .add(SelectObject, {3})
        .addColour(SetTextColor, {}, green)
        .add(TextOut, {int(word.size())}, word, {90, 10});
    return placeable ? writer.placeable(QRect(0, 0, 300, 150), 96, 4) : writer.plain(4);
}

// The program's chart as it saves it: a 160 × 100 enhanced metafile, a blue bar at the top
// left, Russian text in UTF-16 (or, with ETO_GLYPH_INDEX in the options, as glyph indexes).
inline QByteArray chartMetafile(const QString &path, uint32_t textOptions = U_ETO_NONE)
{
    return enhancedMetafile(path, QSize(160, 100), [=](EMFTRACK *track, EMFHANDLES *handles) {
        uint32_t brush = 0;
        append(track, createbrushindirect_set(&brush, handles,
                                              logbrush_set(U_BS_SOLID, U_RGB(40, 60, 200), 0)));
        append(track, selectobject_set(brush, handles));
        append(track, selectobject_set(U_NULL_PEN, handles));
        append(track, U_EMRRECTANGLE_set(rectl_set(pointl_set(0, 0), pointl_set(80, 50))));
        uint16_t *face = U_Utf8ToUtf16le("Arial", 0, nullptr);
        U_LOGFONT logFont = logfont_set(-16, 0, 0, 0, U_FW_NORMAL, 0, 0, 0, U_DEFAULT_CHARSET,
                                        U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                        U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face);
        std::free(face);
        uint32_t font = 0;
        append(track, extcreatefontindirectw_set(&font, handles, reinterpret_cast<char *>(&logFont),
                                                 nullptr));
        append(track, selectobject_set(font, handles));
        append(track, U_EMRSETBKMODE_set(U_TRANSPARENT));
        append(track, U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
        size_t length = 0;
        uint16_t *text = U_Utf8ToUtf16le("Прочность", 0, &length);
        std::vector<uint32_t> advances(length, 9);
        char *emrText = emrtext_set(pointl_set(10, 90), U_NUM_STR(length), 2, text, textOptions,
                                    U_RCL_DEF, advances.data());
        std::free(text);
        append(track, U_EMREXTTEXTOUTW_set(U_RCL_DEF, U_GM_COMPATIBLE, 1, 1,
                                           reinterpret_cast<PU_EMRTEXT>(emrText)));
        std::free(emrText);
    });
}

} // namespace testpictures
