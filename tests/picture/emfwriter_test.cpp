#include "picture/emfpaintdevice.h"

#include "emfreading.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace emfreading;

const QString axisText = QStringLiteral("прочность при сжатии, МПа");
const QString turnedText = QStringLiteral("Повёрнутый текст");
const QString sceneText = QStringLiteral("Сцена");

QFont axisFont()
{
    return QFont(QStringLiteral("Arial"), 12);
}

void paintVectorScene(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, 800, 500), Qt::white);
    painter.setPen(QPen(QColor(0, 128, 0), 3));
    painter.drawLine(QPointF(40, 40), QPointF(760, 40));
    painter.setPen(QPen(QColor(255, 0, 255), 2));
    QPainterPath curve(QPointF(40, 100));
    curve.cubicTo(140, 60, 240, 140, 340, 60);
    painter.drawPath(curve);
    painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    painter.drawLine(QPointF(40, 120), QPointF(760, 120));
    painter.setPen(Qt::black);
    painter.setBrush(QColor(40, 60, 200));
    painter.drawRect(QRectF(60, 140, 120, 60));
    painter.setBrush(QColor(255, 200, 0));
    const QPointF triangle[] = {{300, 200}, {360, 140}, {420, 200}};
    painter.drawPolygon(triangle, 3);
    painter.setBrush(QColor(0, 0, 255, 128));
    painter.drawEllipse(QRectF(460, 140, 80, 60));
    QLinearGradient gradient(0, 0, 1, 1);
    gradient.setColorAt(0, QColor(10, 20, 30));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(QRectF(560, 140, 80, 60), gradient);
    painter.setFont(axisFont());
    painter.drawText(QPointF(60, 240), axisText);
    painter.save();
    painter.translate(30, 450);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), turnedText);
    painter.restore();
    painter.setClipRect(QRectF(300, 300, 100, 50));
    painter.fillRect(QRectF(280, 280, 200, 100), QColor(200, 0, 0));
    painter.setClipping(false);
    painter.setPen(QColor(90, 90, 90));
    painter.drawLine(QPointF(40, 480), QPointF(760, 480));
    QGraphicsScene scene(0, 0, 200, 100);
    scene.addItem(new QGraphicsSimpleTextItem(sceneText));
    scene.addLine(0, 50, 200, 50, QPen(QColor(0, 0, 160), 2));
    scene.render(&painter, QRectF(500, 300, 200, 100), scene.sceneRect());
}

void paintPicture(QPainter &painter)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0, 128));
    painter.drawImage(QRectF(10, 10, 80, 60), image);
}

enum class Painting { VectorScene, Picture, Nothing };

} // namespace

Q_DECLARE_METATYPE(Painting)

namespace {

QByteArray metafileOf(Painting painting, QSize size, int dotsPerInch)
{
    picture::EmfPaintDevice device(size, dotsPerInch);
    QPainter painter(&device);
    if (painting == Painting::VectorScene)
        paintVectorScene(painter);
    else if (painting == Painting::Picture)
        paintPicture(painter);
    return device.data().isEmpty() && painter.end() ? device.data() : QByteArray();
}

} // namespace

class EmfWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metafileIsWhole_data();
    void metafileIsWhole();
    void sceneRecords_data();
    void sceneRecords();
};

void EmfWriterTest::metafileIsWhole_data()
{
    QTest::addColumn<Painting>("painting");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dotsPerInch");
    QTest::addColumn<QSize>("frame"); // 0.01 mm, inclusive
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<QStringList>("svgTexts");

    QTest::newRow("vector scene") << Painting::VectorScene << QSize(800, 500) << 96
                                  << QSize(21166, 13228) << false
                                  << QStringList {axisText, turnedText, sceneText};
    QTest::newRow("picture at 300 dpi") << Painting::Picture << QSize(1200, 600) << 300
                                        << QSize(10159, 5079) << true << QStringList();
    QTest::newRow("nothing painted")
        << Painting::Nothing << QSize(10, 10) << 96 << QSize(264, 264) << false << QStringList();
}

// Well formed, sized by its resolution, bitmaps only for pictures, and shown by the viewer with
// its texts.
void EmfWriterTest::metafileIsWhole()
{
    QFETCH(Painting, painting);
    QFETCH(QSize, size);
    QFETCH(int, dotsPerInch);
    QFETCH(QSize, frame);
    QFETCH(bool, bitmap);
    QFETCH(QStringList, svgTexts);

    const QByteArray emf = metafileOf(painting, size, dotsPerInch);
    const Walk records = walk(emf);
    QCOMPARE(records.fault, QString());
    // Objects no longer selected are deleted: the table holds a pen, a brush, a font and the
    // object that replaces one of them.
    QVERIFY(records.handles <= 5);
    const QList<qint32> header
        = {i32(emf, 8),  i32(emf, 12), i32(emf, 16), i32(emf, 20), i32(emf, 24),
           i32(emf, 28), i32(emf, 32), i32(emf, 36), i32(emf, 72), i32(emf, 76)};
    QCOMPARE(header, (QList<qint32> {0, 0, size.width() - 1, size.height() - 1, 0, 0, frame.width(),
                                     frame.height(), size.width(), size.height()}));
    const bool hasBitmap = std::any_of(records.types.begin(), records.types.end(),
                                       [](quint32 type) { return bitmapRecords.contains(type); });
    QCOMPARE(hasBitmap, bitmap);
    const std::optional<QString> shown = playedText(emf);
    QVERIFY(shown);
    for (const QString &text : svgTexts)
        QVERIFY2(shown->contains(text), qPrintable(*shown));
}

void EmfWriterTest::sceneRecords_data()
{
    QTest::addColumn<QString>("text");   // a text record's text, or empty
    QTest::addColumn<int>("escapement"); // of its font
    QTest::addColumn<QColor>("pen");     // or, with no text, the colour of a pen
    QTest::addColumn<int>("penWidth");   // pixels, 0: no pen of this row
    QTest::addColumn<int>("penStyle");   // PS_SOLID, PS_DASH
    QTest::addColumn<QColor>("brush");   // the colour of a brush, if valid
    QTest::addColumn<bool>("clipped");   // when it was drawn

    const QColor none;
    QTest::newRow("green 3 px") << QString() << 0 << QColor(0, 128, 0) << 3 << 0 << none << false;
    QTest::newRow("magenta 2 px curve")
        << QString() << 0 << QColor(255, 0, 255) << 2 << 0 << none << false;
    QTest::newRow("dashed") << QString() << 0 << QColor(0, 0, 255) << 1 << 1 << none << false;
    QTest::newRow("rectangle") << QString() << 0 << none << 0 << 0 << QColor(40, 60, 200) << false;
    QTest::newRow("polygon") << QString() << 0 << none << 0 << 0 << QColor(255, 200, 0) << false;
    QTest::newRow("half alpha on white")
        << QString() << 0 << none << 0 << 0 << QColor(127, 127, 255) << false;
    QTest::newRow("gradient's first stop")
        << QString() << 0 << none << 0 << 0 << QColor(10, 20, 30) << false;
    QTest::newRow("inside the clip")
        << QString() << 0 << none << 0 << 0 << QColor(200, 0, 0) << true;
    QTest::newRow("after the clip")
        << QString() << 0 << QColor(90, 90, 90) << 1 << 0 << none << false;
    QTest::newRow("axis title") << axisText << 0 << none << 0 << 0 << none << false;
    QTest::newRow("turned title") << turnedText << 900 << none << 0 << 0 << none << false;
    QTest::newRow("scene text") << sceneText << 0 << none << 0 << 0 << none << true;
}

// The vector scene's records carry its exact colours, widths, texts and clip.
void EmfWriterTest::sceneRecords()
{
    QFETCH(QString, text);
    QFETCH(int, escapement);
    QFETCH(QColor, pen);
    QFETCH(int, penWidth);
    QFETCH(int, penStyle);
    QFETCH(QColor, brush);
    QFETCH(bool, clipped);

    const QList<Drawn> drawn = walk(metafileOf(Painting::VectorScene, QSize(800, 500), 96)).drawn;
    const auto matches = [&](const Drawn &d) {
        if (!text.isEmpty())
            return d.type == ExtTextOutW && textOf(d) == text;
        if (penWidth > 0)
            return !d.pen.isEmpty() && u32(d.pen, 40) == colourRef(pen)
                   && u32(d.pen, 32) == quint32(penWidth * 16)
                   && int(u32(d.pen, 28) & 0xf) == penStyle && d.type != ExtTextOutW;
        return d.type != ExtTextOutW && d.type != Polyline16 && !d.brush.isEmpty()
               && u32(d.brush, 16) == colourRef(brush);
    };
    const auto found = std::find_if(drawn.begin(), drawn.end(), matches);
    QVERIFY(found != drawn.end());
    QCOMPARE(found->clipped, clipped);
    if (text.isEmpty())
        return;
    QCOMPARE(i32(found->font, 20), escapement);
    if (text == sceneText)
        return;
    QCOMPARE(utf16At(found->font, 40, 5), QStringLiteral("Arial"));
    QCOMPARE(i32(found->font, 12), -16 * 16); // 12 pt at 96 dpi: a 16-pixel em
    picture::EmfPaintDevice device(QSize(10, 10));
    const qreal width = QFontMetricsF(axisFont(), &device).horizontalAdvance(text) * 16;
    QVERIFY2(std::abs(advanceOf(*found) - width) <= 16, qPrintable(QString::number(width)));
}

QTEST_MAIN(EmfWriterTest)
#include "emfwriter_test.moc"
