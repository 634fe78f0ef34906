#include "picture/picture.h"
#include "picture/pictureloader.h"

#include "testpictures.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace testpictures;
using picture::Decoder;

namespace {

// Each kind of file gets this many mutations, or as many as this time allows (the suite may run
// under the sanitizers or on a busy machine).
constexpr int mutationsPerFile = 1500;
constexpr qint64 millisecondsPerFile = 8000;

// A 4 × 4 device-independent bitmap, 24 bits a pixel.
QByteArray smallDib()
{
    QByteArray dib;
    for (quint32 value : {40u, 4u, 4u})
        appendLong(dib, value);
    appendWord(dib, 1);
    appendWord(dib, 24);
    for (int i = 0; i < 6; ++i)
        appendLong(dib, 0);
    for (int i = 0; i < 48; ++i)
        dib.append(char(i * 5));
    return dib;
}

// A metafile with many kinds of record: shapes, lines, text with advances, clipping, saved
// states, a pattern brush and a bitmap, in a window of its own.
QByteArray richWindowsMetafile()
{
    WmfWriter writer;
    const QByteArray word("\xcf\xf0\xee\xe1\xe0");
    writer.add(SetMapMode, {8})
        .add(SetWindowOrg, {-10, -20})
        .add(SetWindowExt, {200, 400})
        .add(0x0106, {2})                             // polygon fill: winding
        .addColour(0x0201, {}, QColor(250, 240, 200)) // background colour
        .add(SetBkMode, {2})
        .add(CreatePenIndirect, {0, 3, 0, 200, 10})
        .add(SelectObject, {0})
        .addColour(CreateBrushIndirect, {2}, blue, {3}) // hatched
        .add(SelectObject, {1})
        .add(0x0418, {100, 120, 10, 10})                       // ellipse
        .add(0x0817, {50, 10, 10, 50, 90, 90, 0, 0})           // arc
        .add(0x081A, {150, 300, 140, 200, 190, 390, 100, 190}) // pie
        .add(0x0325, {3, 0, 0, 50, 80, 100, 0})                // polyline
        .add(0x0538, {2, 3, 3, 200, 0, 250, 50, 200, 50, 260, 0, 300, 50, 260, 50})
        .add(0x001E, {})                 // save the state
        .add(0x0416, {180, 380, 20, 20}) // intersect the clip
        .add(0x0142, {5, 0}, smallDib()) // pattern brush
        .add(SelectObject, {2})
        .add(0x061C, {20, 20, 180, 380, 120, 300}) // rounded rectangle
        .add(0x0127, {-1})                         // restore it
        .add(0x0F43, {0x0020, 0x00CC, 0, 4, 4, 0, 0, 40, 40, 5, 5}, smallDib())
        .add(0x061D, {0x0021, 0x00F0, 10, 10, 0, 390}) // pattern block
        .add(CreateFontIndirect, {-16, 0, 450, 0, 700, 1 | 1 << 8, 204 << 8, 0, 0},
             QByteArray("Times New Roman Cyr").leftJustified(32, '\0'))
        .add(SelectObject, {3})
        .add(SetTextAlign, {6 | 24})
        .add(0x0A32, {60, 200, int(word.size()), 4, 0, 0, 100, 400}, word, {9, 9, 9, 9, 9})
        .add(0x0214, {0, 0})                   // move
        .add(0x0213, {199, 399})               // line
        .addColour(0x041F, {}, green, {5, 5}); // a pixel
    return writer.placeable(QRect(0, 0, 200, 100), 1440 / 4, 4);
}

// An enhanced metafile with many kinds of record besides the chart's.
QByteArray richEnhancedMetafile(const QString &path)
{
    return enhancedMetafile(path, QSize(120, 80), [](EMFTRACK *track, EMFHANDLES *handles) {
        uint32_t pen = 0;
        append(track, createpen_set(&pen, handles,
                                    logpen_set(U_PS_DASH, point_set(2, 2), U_RGB(200, 0, 0))));
        append(track, selectobject_set(pen, handles));
        uint32_t brush = 0;
        append(track, createbrushindirect_set(&brush, handles,
                                              logbrush_set(U_BS_HATCHED, U_RGB(0, 0, 90), 4)));
        append(track, selectobject_set(brush, handles));
        append(track, U_EMRSAVEDC_set());
        append(track, U_EMRINTERSECTCLIPRECT_set(rectl_set(point_set(5, 5), point_set(110, 70))));
        append(track, U_EMRELLIPSE_set(rectl_set(point_set(0, 0), point_set(60, 40))));
        append(track, U_EMRPIE_set(rectl_set(point_set(60, 0), point_set(119, 60)),
                                   point_set(119, 30), point_set(90, 0)));
        append(track, U_EMRRESTOREDC_set(-1));
        const U_POINT16 points[]
            = {point16_set(0, 79), point16_set(50, 40), point16_set(100, 79), point16_set(119, 10)};
        const U_RECTL all = rectl_set(point_set(0, 0), point_set(119, 79));
        append(track, U_EMRPOLYLINE16_set(all, 4, points));
        const uint32_t counts[] = {2, 2};
        append(track, U_EMRPOLYPOLYGON16_set(all, 2, counts, 4, points));
        append(track, U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0.2f, 0, 1, 3, 4)));
        QByteArray pixels = smallDib().mid(40);
        U_BITMAPINFOHEADER header = bitmapinfoheader_set(4, 4, 1, 24, 0, 48, 0, 0, 0, 0);
        PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
        append(track, U_EMRSTRETCHDIBITS_set(all, point_set(80, 50), point_set(16, 16),
                                             point_set(0, 0), point_set(4, 4), U_DIB_RGB_COLORS,
                                             U_SRCCOPY, info, 48, pixels.data()));
        std::free(info);
    });
}

// A file changed as damage changes files: cut short, bits flipped, a number overwritten with
// a value at an edge, or several of these.
QByteArray mutated(QByteArray bytes, std::mt19937 &random)
{
    const auto below = [&random](qsizetype n) {
        return qsizetype(
            std::uniform_int_distribution<qint64>(0, std::max<qint64>(n - 1, 0))(random));
    };
    static const quint32 edges[]
        = {0,      1,      2,      3,       0x7F,       0x80,       0xFF,
           0x7FFF, 0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    const int changes = 1 + int(below(4));
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        switch (below(4)) {
        case 0:
            bytes.truncate(below(bytes.size()));
            break;
        case 1:
            for (int bit = 0, bits = 1 + int(below(8)); bit < bits; ++bit)
                bytes[below(bytes.size())] ^= char(1 << below(8));
            break;
        default: {
            const qsizetype at = below(bytes.size() / 2) * 2;
            const quint32 value = edges[below(std::size(edges))];
            for (qsizetype b = 0; b < (below(2) ? 4 : 2) && at + b < bytes.size(); ++b)
                bytes[at + b] = char(value >> (8 * b));
        }
        }
    }
    return bytes;
}

} // namespace

class PictureFuzzTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void damagedFilesGiveAPictureOrNothing_data();
    void damagedFilesGiveAPictureOrNothing();

private:
    QTemporaryDir m_dir;
};

void PictureFuzzTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void PictureFuzzTest::damagedFilesGiveAPictureOrNothing_data()
{
    QTest::addColumn<Decoder>("decoder");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bitmap") << Decoder::Bitmap << bitmapFile(twoColourImage(QImage::Format_RGB32));
    QTest::newRow("16-colour bitmap") << Decoder::Bitmap << sixteenColours();
    QTest::newRow("icon") << Decoder::Icon
                          << bitmapFile(twoColourImage(QImage::Format_ARGB32), "ICO");
    QTest::newRow("metafile") << Decoder::Metafile << richWindowsMetafile();
    QTest::newRow("plain metafile") << Decoder::Metafile << windowsMetafile(false);
    QTest::newRow("enhanced metafile")
        << Decoder::Metafile << richEnhancedMetafile(m_dir.filePath(QStringLiteral("r.emf")));
    QTest::newRow("chart") << Decoder::Metafile
                           << chartMetafile(m_dir.filePath(QStringLiteral("c.emf")));
}

void PictureFuzzTest::damagedFilesGiveAPictureOrNothing()
{
    QFETCH(Decoder, decoder);
    QFETCH(QByteArray, bytes);
    QVERIFY2(picture::decodePicture(decoder, bytes), "the undamaged file loads");
    // The same damage at every run, so that a failure can be repeated.
    std::mt19937 random(qChecksum(QByteArrayView(QTest::currentDataTag())));
    QElapsedTimer clock;
    clock.start();
    int pictures = 0;
    int tried = 0;
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    for (; tried < mutationsPerFile && clock.elapsed() < millisecondsPerFile; ++tried) {
        const std::optional<picture::Picture> decoded
            = picture::decodePicture(decoder, mutated(bytes, random));
        if (!decoded)
            continue;
        ++pictures;
        QVERIFY(picture::Picture::sizeAllowed(decoded->size()));
        QPainter painter(&canvas);
        decoded->paint(painter);
    }
    qInfo("%d damaged files tried, %d gave a picture", tried, pictures);
}

QTEST_MAIN(PictureFuzzTest)
#include "picturefuzz_test.moc"
