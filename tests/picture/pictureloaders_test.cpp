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
