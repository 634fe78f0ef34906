#include "picture/pictureloader.h"

#include "paintrecorder.h"
#include "testpictures.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace testpictures;

namespace {

const QColor white(Qt::white);

// Records the shared test pictures do not name.
constexpr quint16 Arc = 0x0817;
constexpr quint16 Pie = 0x081A;
constexpr quint16 Chord = 0x0830;
constexpr quint16 SetViewportExt = 0x020E;

// The picture painted over white at its natural size.
QImage shown(const picture::Picture &drawn)
{
    QImage image(drawn.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawn.paint(painter);
    return image;
}

QStringList textsOf(const picture::Picture &drawn)
{
    TextRecorder recorder;
    QPainter painter(&recorder);
    drawn.paint(painter);
    painter.end();
    return recorder.texts();
}

// A blue arc (5 pixels wide), pie or chord on the circle of radius 40 around (50, 50) of a
// 100 × 100 anisotropic metafile (15 units a pixel, the y axis down or up), from its rightmost
// point to its topmost one as the picture shows them. With the y axis up, the box's top is its
// lower side in logical units.
QByteArray arcMetafile(quint16 function, bool yUp)
{
    const auto at = [yUp](int x, int y) {
        return QList<int> {yUp ? 15 * (100 - y) : 15 * y, 15 * x};
    };
    const bool open = function == Arc;
    WmfWriter writer;
    writer.add(SetMapMode, {8})
        .add(SetWindowOrg, {yUp ? 1500 : 0, 0})
        .add(SetWindowExt, {yUp ? -1500 : 1500, 1500})
        .add(SetViewportExt, {100, 100})
        .addColour(CreateBrushIndirect, {open ? 1 : 0}, blue, {0})
        .add(SelectObject, {0})
        .addColour(CreatePenIndirect, {open ? 0 : 5, 75, 0}, blue)
        .add(SelectObject, {1})
        .add(function, at(50, 10) + at(90, 50) + at(90, yUp ? 10 : 90) + at(10, yUp ? 90 : 10));
    return writer.plain(2);
}

// A blue rectangle on the left half of a plain metafile's window.
QByteArray sizedMetafile(int mapMode, const QList<QSize> &extents)
{
    WmfWriter writer;
    writer.add(SetMapMode, {mapMode});
    for (QSize extent : extents)
        writer.add(SetWindowExt, {extent.height(), extent.width()});
    const QSize last = extents.constLast();
    writer.add(SetViewportExt, {last.height(), last.width()})
        .addColour(CreateBrushIndirect, {0}, blue, {0})
        .add(SelectObject, {0})
        .add(Rectangle, {last.height(), last.width() / 2, 0, 0});
    return writer.plain(1);
}

// Green capital letters aligned on the middle of a 200 × 100 picture whose device units are
// twice as tall as wide.
QByteArray alignedTextMetafile(int alignment)
{
    const QByteArray letters(6, '\xd8'); // "Ш" in Windows-1251
    WmfWriter writer;
    writer.add(SetMapMode, {8})
        .add(SetWindowExt, {1500, 3000})
        .add(SetViewportExt, {750, 3000})
        .add(CreateFontIndirect, {-300, 0, 0, 0, 400, 0, 204 << 8, 0, 0},
             QByteArray("Arial", 6).leftJustified(32, '\0'))
        .add(SelectObject, {0})
        .add(SetTextAlign, {alignment | 24})
        .addColour(SetTextColor, {}, green)
        .add(TextOut, {int(letters.size())}, letters, {750, 1500});
    return writer.plain(1);
}

// A bitmap file of 2 × 2 pixels stored bottom row first: its header (of `headerSize` bytes, the
// first 40 as Windows writes them, the masks from byte 40 on), then `after` (masks or a colour
// table), then the pixels, top row first, of `bits` each.
QByteArray twoByTwo(int headerSize, int bits, int compression, const QList<quint32> &masks,
                    const QByteArray &after, const QList<quint32> &pixels)
{
    QByteArray header;
    appendLong(header, quint32(headerSize));
    if (headerSize == 12) {
        for (int word : {2, 2, 1, bits})
            appendWord(header, word);
    } else {
        for (quint32 value : QList<quint32> {2, 2, quint32(1 | bits << 16), quint32(compression), 0,
                                             2835, 2835, 0, 0}
                                 + masks)
            appendLong(header, value);
        header = header.leftJustified(headerSize, '\0', true);
    }
    QByteArray rows;
    for (int y : {1, 0}) {
        QByteArray row;
        for (int x : {0, 1}) {
            const quint32 pixel = pixels[y * 2 + x];
            for (int byte = 0; byte < bits / 8; ++byte)
                row.append(char(pixel >> (8 * byte)));
        }
        rows.append(row.leftJustified((row.size() + 3) / 4 * 4, '\0'));
    }
    QByteArray file("BM");
    const quint32 pixelsAt = quint32(14 + header.size() + after.size());
    for (quint32 value : {quint32(pixelsAt + rows.size()), 0u, pixelsAt})
        appendLong(file, value);
    return file + header + after + rows;
}

// Blue and green, three bytes an entry (OS/2 1.x) or four.
const QByteArray blueAndGreen3("\xc8\x3c\x28\x1e\x78\x0a", 6);
const QByteArray blueAndGreen4("\xc8\x3c\x28\0\x1e\x78\x0a\0", 8);

// The x of the leftmost and the rightmost pixel that is not white.
std::pair<int, int> inkColumns(const QImage &image)
{
    std::pair columns(image.width(), -1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != white)
                columns = {std::min(columns.first, x), std::max(columns.second, x)};
        }
    }
    return columns;
}

} // namespace

class PictureLoadersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void naturalSizeAndStoredColours_data();
    void naturalSizeAndStoredColours();
    void textAsWritten_data();
    void textAsWritten();
    void metafileGeometry_data();
    void metafileGeometry();
    void alignedText_data();
    void alignedText();
    void bitmapVariants_data();
    void bitmapVariants();
    void wholeOrNothing_data();
    void wholeOrNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void PictureLoadersTest::initTestCase()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void PictureLoadersTest::naturalSizeAndStoredColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("inside");  // blue there
    QTest::addColumn<QPoint>("outside"); // green there, or white where nothing is drawn
    QTest::addColumn<QColor>("outsideColour");

    const QSize bitmap(37, 21);
    QTest::newRow("bitmap") << "a.bmp" << bitmapFile(twoColourImage(QImage::Format_RGB32)) << bitmap
                            << QPoint(17, 9) << QPoint(18, 10) << green;
    QTest::newRow("16-colour bitmap")
        << "b.BMP" << sixteenColours() << bitmap << QPoint(17, 9) << QPoint(36, 20) << green;
    QTest::newRow("icon") << "c.ico" << bitmapFile(twoColourImage(QImage::Format_ARGB32), "ICO")
                          << bitmap << QPoint(17, 9) << QPoint(18, 10) << green;
    QTest::newRow("metafile") << "d.wmf" << windowsMetafile() << QSize(300, 150) << QPoint(148, 73)
                              << QPoint(297, 147) << green;
    QTest::newRow("metafile: nothing beside the shapes")
        << "e.wmf" << windowsMetafile() << QSize(300, 150) << QPoint(2, 2) << QPoint(155, 70)
        << white;
    QTest::newRow("plain metafile") << "f.wmf" << windowsMetafile(false) << QSize(300, 150)
                                    << QPoint(148, 73) << QPoint(297, 147) << green;
    QTest::newRow("metafile named .emf") << "g.emf" << windowsMetafile() << QSize(300, 150)
                                         << QPoint(0, 0) << QPoint(155, 70) << white;
    const QByteArray chart = chartMetafile(m_dir->filePath(QStringLiteral("chart.emf")));
    QTest::newRow("enhanced metafile")
        << "h.emf" << chart << QSize(160, 100) << QPoint(0, 0) << QPoint(81, 40) << white;
    QTest::newRow("enhanced metafile named mychart.wmf")
        << "mychart.wmf" << chart << QSize(160, 100) << QPoint(79, 49) << QPoint(159, 70) << white;
}

void PictureLoadersTest::naturalSizeAndStoredColours()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    QFETCH(QColor, outsideColour);
    const std::optional<picture::Picture> loaded
        = picture::loadPictureFile(writeFile(*m_dir, name, bytes));
    QVERIFY(loaded);
    QCOMPARE(loaded->size(), size);
    const QImage image = shown(*loaded);
    QCOMPARE(image.pixelColor(0, 0), blue);
    QCOMPARE(image.pixelColor(inside), blue);
    QCOMPARE(image.pixelColor(outside), outsideColour);
}

void PictureLoadersTest::textAsWritten_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Russian") << windowsMetafile() << QStringLiteral("Проба");
    QTest::newRow("ANSI: the program's code page")
        << windowsMetafile(true, 0) << QStringLiteral("Проба");
    QTest::newRow("Central European")
        << windowsMetafile(true, 238, "\xaf\xf3\xb3w") << QStringLiteral("Żółw");
    QTest::newRow("enhanced metafile, with advances")
        << chartMetafile(m_dir->filePath(QStringLiteral("text.emf")))
        << QStringLiteral("Прочность");
}

void PictureLoadersTest::textAsWritten()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::optional<picture::Picture> decoded
        = picture::decodePicture(picture::Decoder::Metafile, bytes);
    QVERIFY(decoded);
    QCOMPARE(textsOf(*decoded).join(QString()), text);
}

void PictureLoadersTest::metafileGeometry_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QPoint>>("bluePoints");
    QTest::addColumn<QList<QPoint>>("whitePoints");

    // The quarter from the rightmost point to the topmost one, the top right quarter.
    const QList<QPoint> outside {QPoint(30, 70), QPoint(30, 30), QPoint(70, 70)};
    for (const bool yUp : {false, true}) {
        const char *axis = yUp ? "y up" : "y down";
        QTest::addRow("arc, %s", axis)
            << arcMetafile(Arc, yUp) << QSize(100, 100) << QList<QPoint> {QPoint(78, 22)}
            << (outside + QList<QPoint> {QPoint(22, 78), QPoint(65, 35)});
        QTest::addRow("pie, %s", axis)
            << arcMetafile(Pie, yUp) << QSize(100, 100)
            << QList<QPoint> {QPoint(70, 30), QPoint(55, 45), QPoint(85, 45)} << outside;
        QTest::addRow("chord, %s", axis)
            << arcMetafile(Chord, yUp) << QSize(100, 100) << QList<QPoint> {QPoint(75, 25)}
            << (outside + QList<QPoint> {QPoint(55, 45), QPoint(65, 35)});
    }
    QTest::newRow("a 1 × 1 window before the real one")
        << sizedMetafile(1, {QSize(1, 1), QSize(200, 100)}) << QSize(200, 100)
        << QList<QPoint> {QPoint(5, 5), QPoint(95, 95)} << QList<QPoint> {QPoint(105, 5)};
    QTest::newRow("anisotropic: 1,440 units an inch")
        << sizedMetafile(8, {QSize(10800, 7800)}) << QSize(720, 520)
        << QList<QPoint> {QPoint(5, 5), QPoint(355, 515)} << QList<QPoint> {QPoint(365, 5)};
    QTest::newRow("millimetre tenths")
        << sizedMetafile(2, {QSize(508, 254)}) << QSize(192, 96) << QList<QPoint> {QPoint(5, 5)}
        << QList<QPoint> {QPoint(100, 5)};
}

void PictureLoadersTest::metafileGeometry()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, bluePoints);
    QFETCH(QList<QPoint>, whitePoints);
    const std::optional<picture::Picture> decoded
        = picture::decodePicture(picture::Decoder::Metafile, bytes);
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), size);
    const QImage image = shown(*decoded);
    for (QPoint point : bluePoints)
        QVERIFY2(image.pixelColor(point) == blue, qPrintable(QString::number(point.x())));
    for (QPoint point : whitePoints)
        QVERIFY2(image.pixelColor(point) == white, qPrintable(QString::number(point.x())));
}

void PictureLoadersTest::alignedText_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("along"); // which part of the ink lies at the text's point
    QTest::newRow("centred") << 6 << 0.5;
    QTest::newRow("right-aligned") << 2 << 1.0;
}

void PictureLoadersTest::alignedText()
{
    QFETCH(int, alignment);
    QFETCH(double, along);
    const std::optional<picture::Picture> decoded
        = picture::decodePicture(picture::Decoder::Metafile, alignedTextMetafile(alignment));
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), QSize(200, 100));
    const auto [first, last] = inkColumns(shown(*decoded));
    QVERIFY(last - first > 60); // six letters 20 pixels high
    QVERIFY2(std::abs(first + along * (last - first) - 100) <= 3,
             qPrintable(QStringLiteral("ink from %1 to %2").arg(first).arg(last)));
}

void PictureLoadersTest::bitmapVariants_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QColor>>("colours"); // top left, top right, bottom left, bottom right

    const QColor red(255, 0, 0);
    const QColor lime(0, 255, 0);
    const QColor navy(0, 0, 255);
    const QColor black(0, 0, 0);
    const QList<QColor> rgb {red, lime, navy, white};
    const QList<quint32> bgr {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (const int header : {40, 52, 56, 108, 124})
        QTest::addRow("%d-byte header", header) << twoByTwo(header, 24, 0, {}, {}, bgr) << rgb;
    const QList<QColor> blueGreen {blue, green, green, blue};
    QTest::newRow("OS/2 1.x header, two colours of 256")
        << twoByTwo(12, 8, 0, {}, blueAndGreen3, {0, 1, 1, 0}) << blueGreen;
    QTest::newRow("OS/2 2.x header, two colours of 256")
        << twoByTwo(64, 8, 0, {}, blueAndGreen4, {0, 1, 1, 0}) << blueGreen;
    QByteArray masks565;
    for (quint32 mask : {0xF800u, 0x07E0u, 0x001Fu})
        appendLong(masks565, mask);
    QTest::newRow("masks 5-6-5") << twoByTwo(40, 16, 3, {}, masks565,
                                             {0xF800, 0x07E0, 0x001F, 0xFFFF})
                                 << rgb;
    QTest::newRow("masks 10-10-10 in the header") << twoByTwo(
        56, 32, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0}, {}, {0x3FF00000, 0xFFC00, 0x3FF, 0x3FFFFFFF})
                                                  << rgb;
    QTest::newRow("16-bit masks, no blue")
        << twoByTwo(124, 32, 3, {0xFFFF0000, 0xFFFF, 0, 0}, {}, {0xFFFF0000, 0xFFFF, 0, 0x80000000})
        << QList<QColor> {red, lime, black, QColor(128, 0, 0)};
    QTest::newRow("32 bits without masks, an alpha mask named")
        << twoByTwo(124, 32, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {}, bgr) << rgb;
}

void PictureLoadersTest::bitmapVariants()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QColor>, colours);
    const std::optional<picture::Picture> decoded
        = picture::decodePicture(picture::Decoder::Bitmap, bytes);
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), QSize(2, 2));
    const QImage image = shown(*decoded);
    const QList<QColor> seen {image.pixelColor(0, 0), image.pixelColor(1, 0),
                              image.pixelColor(0, 1), image.pixelColor(1, 1)};
    QCOMPARE(seen, colours);
}

void PictureLoadersTest::wholeOrNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray bitmap = bitmapFile(twoColourImage(QImage::Format_RGB32));
    const QByteArray wmf = windowsMetafile();
    const QByteArray emf = chartMetafile(m_dir->filePath(QStringLiteral("chart.emf")));
    QTest::newRow("bitmap short of its last row") << "a.bmp" << bitmap.chopped(4);
    QTest::newRow("16-colour bitmap short of a byte") << "b.bmp" << sixteenColours().chopped(1);
    QTest::newRow("icon short of a byte")
        << "c.ico" << bitmapFile(twoColourImage(QImage::Format_ARGB32), "ICO").chopped(1);
    QTest::newRow("metafile without its end") << "d.wmf" << wmf.chopped(6);
    QTest::newRow("metafile cut in a record") << "e.wmf" << wmf.chopped(20);
    QTest::newRow("enhanced metafile without its end") << "f.emf" << emf.chopped(20);
    QByteArray longRecord = emf;
    const quint32 second = qFromLittleEndian<quint32>(emf.constData() + 4);
    qToLittleEndian<quint32>(quint32(emf.size()), longRecord.data() + second + 4);
    QTest::newRow("enhanced metafile record past the end") << "g.emf" << longRecord;
    QTest::newRow("bitmap with a 52-byte header short of a byte")
        << "m.bmp" << twoByTwo(52, 24, 0, {}, {}, {0, 0, 0, 0}).chopped(1);
    QTest::newRow("bitmap with 5-6-5 masks past its end")
        << "n.bmp" << twoByTwo(40, 16, 3, {}, {}, {0, 0, 0, 0});
    QTest::newRow("png short of its end")
        << "h.png" << bitmapFile(twoColourImage(QImage::Format_RGB32), "PNG").chopped(12);
    QTest::newRow("a bitmap named as a metafile") << "i.wmf" << bitmap;
    QTest::newRow("a bitmap named as an icon") << "j.ico" << bitmap;
    QTest::newRow("another extension") << "k.txt" << bitmap;
    QTest::newRow("bmp not at the end") << "l.bmp.txt" << bitmap;
    QTest::newRow("no extension") << "bmp" << bitmap;
}

void PictureLoadersTest::wholeOrNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QVERIFY(!picture::loadPictureFile(writeFile(*m_dir, name, bytes)));
}

QTEST_MAIN(PictureLoadersTest)
#include "pictureloaders_test.moc"
