#include "picture/pictureloader.h"

#include "testpictures.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace testpictures;

namespace {

using Records = std::function<void(EMFTRACK *, EMFHANDLES *)>;

const QColor white(Qt::white);
const QColor red(220, 20, 20);

U_RECTL box(int left, int top, int right, int bottom)
{
    return rectl_set(pointl_set(left, top), pointl_set(right, bottom));
}

// A solid brush of `colour` and no pen: shapes fill exactly their inside.
void selectBrush(EMFTRACK *track, EMFHANDLES *handles, QColor colour)
{
    uint32_t brush = 0;
    append(track,
           createbrushindirect_set(
               &brush, handles,
               logbrush_set(U_BS_SOLID, U_RGB(colour.red(), colour.green(), colour.blue()), 0)));
    append(track, selectobject_set(brush, handles));
    append(track, selectobject_set(U_NULL_PEN, handles));
}

// A 2 × 2 bitmap of one colour, 24 bits a pixel, and its header.
struct Dib
{
    explicit Dib(QColor colour)
        : info(bitmapinfo_set(bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 16, 0, 0, 0, 0), nullptr))
    {
        for (int row = 0; row < 2; ++row) {
            for (int x = 0; x < 2; ++x)
                pixels.append(char(colour.blue()))
                    .append(char(colour.green()))
                    .append(char(colour.red()));
            pixels += QByteArray(2, '\0');
        }
    }
    ~Dib() { std::free(info); }
    Dib(const Dib &) = delete;
    Dib &operator=(const Dib &) = delete;

    PU_BITMAPINFO info;
    QByteArray pixels;
};

// A pie (or chord) of the 100 × 100 box from the line towards 3 o'clock to the line towards
// 12 o'clock, in logical units where y grows downwards unless `upwards`.
Records quarter(bool clockwise, bool upwards, bool chord = false)
{
    return [=](EMFTRACK *track, EMFHANDLES *handles) {
        selectBrush(track, handles, blue);
        if (upwards) {
            append(track, U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
            append(track, U_EMRSETWINDOWEXTEX_set(sizel_set(100, 100)));
            append(track, U_EMRSETVIEWPORTEXTEX_set(sizel_set(100, -100)));
            append(track, U_EMRSETVIEWPORTORGEX_set(pointl_set(0, 100)));
        }
        if (clockwise)
            append(track, U_EMRSETARCDIRECTION_set(U_AD_CLOCKWISE));
        const U_POINTL top = pointl_set(50, upwards ? 100 : 0);
        const U_POINTL end = chord ? pointl_set(0, 50) : top;
        append(track, (chord ? U_EMRCHORD_set : U_EMRPIE_set)(box(0, 0, 100, 100),
                                                              pointl_set(100, 50), end));
    };
}

} // namespace

class EmfPlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void recordsDrawAsGdi_data();
    void recordsDrawAsGdi();

private:
    QByteArray metafile(QSize size, const Records &records)
    {
        const QString path = m_dir.filePath(QStringLiteral("%1.emf").arg(++m_files));
        return enhancedMetafile(path, size, records);
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

void EmfPlayerTest::recordsDrawAsGdi_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QColor>>("colours"); // at the points, each channel within 8
    QTest::addColumn<QRect>("inked");           // something not white there, unless empty

    const QSize wide(100, 50);
    const auto halfClipped = [](char *clip) {
        return [clip](EMFTRACK *track, EMFHANDLES *handles) {
            selectBrush(track, handles, blue);
            append(track, clip);
            append(track, U_EMRRECTANGLE_set(box(0, 0, 100, 50)));
        };
    };
    const QList<QPoint> leftAndRight = {QPoint(25, 25), QPoint(75, 25)};
    QTest::newRow("clip rectangle")
        << metafile(wide, halfClipped(U_EMRINTERSECTCLIPRECT_set(box(0, 0, 50, 50))))
        << leftAndRight << QList<QColor> {blue, white} << QRect();
    QTest::newRow("excluded rectangle")
        << metafile(wide, halfClipped(U_EMREXCLUDECLIPRECT_set(box(0, 0, 50, 50)))) << leftAndRight
        << QList<QColor> {white, blue} << QRect();
    U_RECTL half = box(50, 0, 100, 50);
    PU_RGNDATA region = rgndata_set(rgndataheader_set(1, half), &half);
    QTest::newRow("clip region") << metafile(
        wide, halfClipped(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region)))
                                 << leftAndRight << QList<QColor> {white, blue} << QRect();
    std::free(region);
    QTest::newRow("clip restored with the state")
        << metafile(wide,
                    [](EMFTRACK *track, EMFHANDLES *handles) {
                        selectBrush(track, handles, blue);
                        append(track, U_EMRSAVEDC_set());
                        append(track, U_EMRINTERSECTCLIPRECT_set(box(0, 0, 50, 50)));
                        append(track, U_EMRRESTOREDC_set(-1));
                        append(track, U_EMRRECTANGLE_set(box(0, 0, 100, 50)));
                    })
        << leftAndRight << QList<QColor> {blue, blue} << QRect();
    QTest::newRow("clip path") << metafile(
        wide,
        [](EMFTRACK *track, EMFHANDLES *handles) {
            selectBrush(track, handles, blue);
            append(track, U_EMRBEGINPATH_set());
            append(track, U_EMRELLIPSE_set(box(0, 0, 50, 50)));
            append(track, U_EMRENDPATH_set());
            append(track, U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
            append(track, U_EMRRECTANGLE_set(box(0, 0, 100, 50)));
        }) << QList<QPoint> {QPoint(25, 25), QPoint(2, 2), QPoint(75, 25)}
                               << QList<QColor> {blue, white, white} << QRect();

    const U_XFORM none = xform_set(1, 0, 0, 1, 0, 0);
    QTest::newRow("block transfer without a source: the brush") << metafile(
        wide, [none](EMFTRACK *track, EMFHANDLES *handles) {
            selectBrush(track, handles, green);
            append(track,
                   U_EMRSTRETCHBLT_set(box(0, 0, 49, 49), pointl_set(0, 0), pointl_set(50, 50),
                                       pointl_set(0, 0), pointl_set(0, 0), none, U_RGB(0, 0, 0),
                                       U_DIB_RGB_COLORS, U_PATCOPY, nullptr, 0, nullptr));
            append(track, U_EMRBITBLT_set(box(50, 0, 99, 49), pointl_set(50, 0), pointl_set(50, 50),
                                          pointl_set(0, 0), none, U_RGB(0, 0, 0), U_DIB_RGB_COLORS,
                                          U_BLACKNESS, nullptr, 0, nullptr));
        }) << leftAndRight << QList<QColor> {green, Qt::black} << QRect();
    const auto bitmaps = [none](EMFTRACK *track, EMFHANDLES *handles) {
        Dib greenDib(green);
        Dib blueDib(blue);
        append(track,
               U_EMRSTRETCHDIBITS_set(box(0, 0, 49, 49), pointl_set(0, 0), pointl_set(50, 50),
                                      pointl_set(0, 0), pointl_set(2, 2), U_DIB_RGB_COLORS,
                                      U_SRCCOPY, greenDib.info, 16, greenDib.pixels.data()));
        uint32_t brush = 0;
        append(track, createdibpatternbrushpt_set(&brush, handles, U_DIB_RGB_COLORS, blueDib.info,
                                                  16, blueDib.pixels.data()));
        append(track, selectobject_set(brush, handles));
        append(track, selectobject_set(U_NULL_PEN, handles));
        append(track, U_EMRRECTANGLE_set(box(50, 0, 100, 50)));
        (void)none;
    };
    QTest::newRow("bitmap and pattern brush")
        << metafile(wide, bitmaps) << leftAndRight << QList<QColor> {green, blue} << QRect();

    const QSize square(100, 100);
    const QList<QPoint> quarters = {QPoint(75, 25), QPoint(25, 25), QPoint(25, 75)};
    QTest::newRow("pie counter-clockwise") << metafile(square, quarter(false, false)) << quarters
                                           << QList<QColor> {blue, white, white} << QRect();
    QTest::newRow("pie clockwise") << metafile(square, quarter(true, false)) << quarters
                                   << QList<QColor> {white, blue, blue} << QRect();
    QTest::newRow("pie with y upwards: counter-clockwise on the screen")
        << metafile(square, quarter(false, true)) << quarters << QList<QColor> {blue, white, white}
        << QRect();
    QTest::newRow("chord") << metafile(square, quarter(false, false, true)) << quarters
                           << QList<QColor> {blue, blue, white} << QRect();

    // Red in 16 bits a channel at every corner.
    U_TRIVERTEX corners[3] = {{0, 0, 220 << 8, 20 << 8, 20 << 8, 0},
                              {100, 0, 220 << 8, 20 << 8, 20 << 8, 0},
                              {0, 50, 220 << 8, 20 << 8, 20 << 8, 0}};
    const U_GRADIENT3 triangle {0, 1, 2};
    QTest::newRow("gradient triangle")
        << metafile(wide,
                    [&](EMFTRACK *track, EMFHANDLES *) {
                        append(track, U_EMRGRADIENTFILL_set(
                                          box(0, 0, 100, 50), 3, 1, U_GRADIENT_FILL_TRIANGLE,
                                          corners, reinterpret_cast<const uint32_t *>(&triangle)));
                    })
        << QList<QPoint> {QPoint(10, 10), QPoint(90, 45)} << QList<QColor> {red, white} << QRect();

    QByteArray noBounds = chartMetafile(m_dir.filePath(QStringLiteral("bounds.emf")));
    noBounds.replace(offsetof(U_EMRHEADER, rclBounds), sizeof(U_RECTL),
                     QByteArray(sizeof(U_RECTL), '\0'));
    QTest::newRow("empty bounds, sound records")
        << noBounds << QList<QPoint> {QPoint(40, 25)} << QList<QColor> {blue} << QRect();
    QTest::newRow("text as glyph indexes")
        << chartMetafile(m_dir.filePath(QStringLiteral("glyphs.emf")), U_ETO_GLYPH_INDEX)
        << QList<QPoint> {QPoint(40, 25)} << QList<QColor> {blue} << QRect(10, 70, 90, 25);
}

void EmfPlayerTest::recordsDrawAsGdi()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QColor>, colours);
    QFETCH(QRect, inked);
    const std::optional<picture::Picture> played
        = picture::decodePicture(picture::Decoder::Metafile, bytes);
    QVERIFY(played);
    QImage image(played->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    played->paint(painter);
    painter.end();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QColor seen = image.pixelColor(points[i]);
        const QColor wanted = colours[i];
        const bool close = std::abs(seen.red() - wanted.red()) <= 8
                           && std::abs(seen.green() - wanted.green()) <= 8
                           && std::abs(seen.blue() - wanted.blue()) <= 8;
        QVERIFY2(close, qPrintable(QStringLiteral("(%1, %2): %3, not %4")
                                       .arg(points[i].x())
                                       .arg(points[i].y())
                                       .arg(seen.name(), wanted.name())));
    }
    bool ink = inked.isEmpty();
    for (int y = inked.top(); y <= inked.bottom() && !ink; ++y) {
        for (int x = inked.left(); x <= inked.right() && !ink; ++x)
            ink = image.pixelColor(x, y) != white;
    }
    QVERIFY2(ink, "nothing drawn where something should be");
}

QTEST_MAIN(EmfPlayerTest)
#include "emfplayer_test.moc"
