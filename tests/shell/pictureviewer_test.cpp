#include "shell/picturecommands.h"
#include "shell/showpicture.h"
#include "statcontrol/chart/chartdrawing.h"
#include "statcontrol/chart/chartpicture.h"
#include "ui/picturecontrol.h"

#include "programfixture.h"
#include "testpictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

using namespace testpictures;
using shell::TfmShowPicture;

class PictureViewerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void dialogFilter_data();
    void dialogFilter();
    void dialogPreviewAndReadOnlyBox();
    void undecodableFileEmptiesThePreview();
    void viewerWindow();
    void chosenFileShown_data();
    void chosenFileShown();
    void previousPictureStays_data();
    void previousPictureStays();
    void cancelledOrMissingShowsNothing_data();
    void cancelledOrMissingShowsNothing();
    void highPictureScrollsWidePictureIsCutOff_data();
    void highPictureScrollsWidePictureIsCutOff();
    void viewerKeepsItsSize();

private:
    // Runs "Открыть графику..." choosing `path` (cancelling the dialog for an empty one); what
    // `inViewer` does is done in the viewer before its close box closes it. False when the
    // viewer did not come.
    bool openPicture(const QString &path, std::function<void(TfmShowPicture *)> inViewer = {});

    QTemporaryDir m_dir;
    testsupport::ProgramFixture m_app;
};

void PictureViewerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void PictureViewerTest::init()
{
    m_app.start();
}

void PictureViewerTest::cleanup()
{
    m_app.finish();
}

bool PictureViewerTest::openPicture(const QString &path,
                                    std::function<void(TfmShowPicture *)> inViewer)
{
    const auto chooseFile = [path](QWidget *dialog) {
        if (path.isEmpty()) {
            static_cast<QDialog *>(dialog)->reject();
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
        // A folder's name opens the folder in the dialog, which stays: the user gives up.
        if (dialog->isVisible())
            static_cast<QDialog *>(dialog)->reject();
    };
    const auto lookAndClose = [inViewer](QWidget *viewer) {
        if (inViewer)
            inViewer(static_cast<TfmShowPicture *>(viewer));
        viewer->close();
    };
    auto answered = std::make_shared<QStringList>();
    answerInTurn({{QStringLiteral("OpenPictureDialog1"), chooseFile},
                  {QStringLiteral("TfmShowPicture"), lookAndClose}},
                 answered);
    m_app.mainWindow().action(shell::Command::OpenPicture)->trigger();
    cancelPendingAnswers();
    return answered->contains(QStringLiteral("TfmShowPicture"));
}

void PictureViewerTest::dialogFilter_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("patterns");
    QTest::newRow("all") << 0 << "All (*.bmp;*.ico;*.emf;*.wmf)"
                         << QStringList {"*.bmp", "*.ico", "*.emf", "*.wmf"};
    QTest::newRow("bitmaps") << 1 << "Bitmaps (*.bmp)" << QStringList {"*.bmp"};
    QTest::newRow("icons") << 2 << "Icons (*.ico)" << QStringList {"*.ico"};
    QTest::newRow("enhanced metafiles")
        << 3 << "Enhanced Metafiles (*.emf)" << QStringList {"*.emf"};
    QTest::newRow("metafiles") << 4 << "Metafiles (*.wmf)" << QStringList {"*.wmf"};
}

void PictureViewerTest::dialogFilter()
{
    QFETCH(int, entry);
    QFETCH(QString, label);
    QFETCH(QStringList, patterns);
    QFileDialog *dialog = m_app.program().pictures().pictureDialog();
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QCOMPARE(types->count(), 5);
    QCOMPARE(types->currentIndex(), 0);
    QCOMPARE(types->itemText(entry), label);
    // Each entry lists the files its patterns name, whatever their letter case.
    dialog->selectNameFilter(dialog->nameFilters().at(entry));
    QCOMPARE(types->currentText(), label);
    QCOMPARE(dialog->findChild<QFileSystemModel *>()->nameFilters(), patterns);
    QVERIFY(!(dialog->filter() & QDir::CaseSensitive));
}

void PictureViewerTest::dialogPreviewAndReadOnlyBox()
{
    const QString picture = writeFile(m_dir, QStringLiteral("preview.bmp"),
                                      bitmapFile(twoColourImage(QImage::Format_RGB32)));
    const QString other = writeFile(m_dir, QStringLiteral("preview.txt"), "text");
    QSize previewed;
    QSize previewedOther(-1, -1);
    bool readOnlyShown = false;
    whenModal(QStringLiteral("OpenPictureDialog1"), [&](QDialog *dialog) {
        auto *fileDialog = static_cast<QFileDialog *>(dialog);
        auto *preview = dialog->findChild<ui::PicturePreview *>(QStringLiteral("PicturePreview"));
        readOnlyShown
            = dialog->findChild<QCheckBox *>(QStringLiteral("ReadOnlyCheckBox"))->isVisible();
        Q_EMIT fileDialog->currentChanged(picture);
        previewed = preview->picture() ? preview->picture()->size() : QSize();
        Q_EMIT fileDialog->currentChanged(other);
        previewedOther = preview->picture() ? preview->picture()->size() : QSize();
        QVERIFY(fileDialog->isSizeGripEnabled());
        dialog->reject();
    });
    m_app.mainWindow().action(shell::Command::OpenPicture)->trigger();
    QCOMPARE(previewed, QSize(37, 21));
    QCOMPARE(previewedOther, QSize());
    QVERIFY(readOnlyShown);
}

// A good file picked in the list, then an undecodable one and the good one chosen by typing
// their names (which the list selects without making them current).
void PictureViewerTest::undecodableFileEmptiesThePreview()
{
    const QByteArray bitmap = bitmapFile(twoColourImage(QImage::Format_RGB32));
    const QString good = writeFile(m_dir, QStringLiteral("good.bmp"), bitmap);
    writeFile(m_dir, QStringLiteral("undecodable.bmp"), bitmap.chopped(4));
    QList<QSize> previewed;
    whenModal(QStringLiteral("OpenPictureDialog1"), [&](QDialog *dialog) {
        auto *fileDialog = static_cast<QFileDialog *>(dialog);
        auto *preview = dialog->findChild<ui::PicturePreview *>(QStringLiteral("PicturePreview"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const auto record = [&] {
            previewed << (preview->picture() ? preview->picture()->size() : QSize());
        };
        fileDialog->setDirectory(m_dir.path());
        Q_EMIT fileDialog->currentChanged(good);
        record();
        for (const char *typed : {"undecodable.bmp", "good.bmp"}) {
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, QString::fromLatin1(typed));
            record();
        }
        dialog->reject();
    });
    m_app.mainWindow().action(shell::Command::OpenPicture)->trigger();
    QCOMPARE(previewed, (QList<QSize> {QSize(37, 21), QSize(), QSize(37, 21)}));
}

void PictureViewerTest::viewerWindow()
{
    TfmShowPicture *viewer = m_app.program().pictures().viewer();
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Просмотр рисунков"));
    QCOMPARE(viewer->size(), QSize(765, 359));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((viewer->geometry().center() - screen.center()).manhattanLength() <= 2);
    QVERIFY(viewer->isWindow());
    QVERIFY(viewer->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QString path = writeFile(m_dir, QStringLiteral("w.bmp"),
                                   bitmapFile(twoColourImage(QImage::Format_RGB32)));
    bool modal = false;
    QVERIFY(openPicture(path, [&modal](TfmShowPicture *shown) {
        modal = QApplication::activeModalWidget() == shown;
        QTest::keyClick(shown, Qt::Key_Escape); // no buttons: only the close box closes it
        QVERIFY(shown->isVisible());
    }));
    QVERIFY(modal);
    QVERIFY(!viewer->isVisible());
}

// The control chart as the chart window saves it: enhanced-metafile data.
QByteArray programChart()
{
    statcontrol::ControlForm form {"23,1", "3", "24,7", "21,5", "25,7", "20,6"};
    common::ImmediatePrompter prompter({}, {"24", "22,5", "30"});
    statcontrol::ControlChart content = statcontrol::emptyControlChart();
    statcontrol::fillControlChart(content, form, prompter);
    QGraphicsScene scene;
    statcontrol::ChartDrawing drawing;
    scene.addItem(drawing.chart());
    drawing.chart()->resize(800, 500);
    drawing.show(content);
    return statcontrol::chartPicture(scene, drawing.chart()->sceneBoundingRect(), QSize(800, 500),
                                     statcontrol::ChartFileFormat::Emf);
}

void PictureViewerTest::chosenFileShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("height");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("within"); // a colour the picture shows somewhere
    QTest::newRow("bitmap") << "a.bmp" << bitmapFile(twoColourImage(QImage::Format_RGB32)) << 21
                            << blue << blue;
    QTest::newRow("a metafile saved as mychart.wmf")
        << "mychart.wmf" << chartMetafile(m_dir.filePath(QStringLiteral("chart.emf"))) << 100
        << blue << blue;
    QTest::newRow("the program's chart saved as mychart.wmf")
        << "mychart.wmf" << programChart() << 500 << QColor(Qt::white) << QColor(0, 128, 0);
    QTest::newRow("a metafile named .EMF") << "m.EMF" << windowsMetafile() << 150 << blue << blue;
}

void PictureViewerTest::chosenFileShown()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, height);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, within);
    const QString path = writeFile(m_dir, name, bytes);
    QImage shown;
    QVERIFY(openPicture(
        path, [&shown](TfmShowPicture *viewer) { shown = viewer->image()->grab().toImage(); }));
    QCOMPARE(shown.height(), height);
    QCOMPARE(shown.pixelColor(0, 0), topLeft);
    bool found = false;
    for (int y = 0; y < shown.height() && !found; ++y) {
        for (int x = 0; x < shown.width() && !found; ++x)
            found = shown.pixelColor(x, y) == within;
    }
    QVERIFY2(found, qPrintable(within.name()));
    // The dialog keeps the folder and the name for the next time.
    QCOMPARE(m_app.program().pictures().pictureDialog()->selectedFiles().value(0), path);
    QCOMPARE(m_app.program().pictures().pictureDialog()->directory().absolutePath(), m_dir.path());
}

void PictureViewerTest::previousPictureStays_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QSize>("shown"); // invalid: no picture
    const QByteArray bitmap = bitmapFile(twoColourImage(QImage::Format_RGB32));
    writeFile(m_dir, QStringLiteral("good.bmp"), bitmap);
    writeFile(m_dir, QStringLiteral("damaged.bmp"), bitmap.chopped(4));
    writeFile(m_dir, QStringLiteral("notes.txt"), bitmap);
    writeFile(m_dir, QStringLiteral("second.wmf"), windowsMetafile());
    QTest::newRow("A, then B") << "good.bmp"
                               << "second.wmf" << QSize(300, 150);
    QTest::newRow("A, then a damaged B") << "good.bmp"
                                         << "damaged.bmp" << QSize(37, 21);
    QTest::newRow("A, then another extension") << "good.bmp"
                                               << "notes.txt" << QSize(37, 21);
    QTest::newRow("another extension first") << "notes.txt"
                                             << "damaged.bmp" << QSize();
}

void PictureViewerTest::previousPictureStays()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QSize, shown);
    QVERIFY(openPicture(m_dir.filePath(first)));
    QSize pictureSize(-1, -1);
    QVERIFY(openPicture(m_dir.filePath(second), [&pictureSize](TfmShowPicture *viewer) {
        const auto &picture = viewer->image()->picture();
        pictureSize = picture ? picture->size() : QSize();
        QCOMPARE(viewer->image()->height(), picture ? picture->size().height() : 0);
    }));
    QCOMPARE(pictureSize, shown);
}

void PictureViewerTest::cancelledOrMissingShowsNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("cancelled") << QString();
    QTest::newRow("no such file") << m_dir.filePath(QStringLiteral("missing.bmp"));
    QTest::newRow("a folder") << m_dir.path();
}

void PictureViewerTest::cancelledOrMissingShowsNothing()
{
    QFETCH(QString, name);
    QVERIFY(!openPicture(name));
}

void PictureViewerTest::highPictureScrollsWidePictureIsCutOff_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("high") << QSize(60, 1000) << true;
    QTest::newRow("wide") << QSize(2000, 50) << false;
}

void PictureViewerTest::highPictureScrollsWidePictureIsCutOff()
{
    QFETCH(QSize, size);
    QFETCH(bool, scrolls);
    QImage image(size, QImage::Format_RGB32);
    image.fill(blue);
    const QString path = writeFile(m_dir, QStringLiteral("big.bmp"), bitmapFile(image));
    QVERIFY(openPicture(path, [scrolls, size](TfmShowPicture *viewer) {
        QScrollArea *area = viewer->scrollArea();
        QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(viewer->image()->width(), area->viewport()->width());
        QCOMPARE(viewer->image()->height(), size.height());
        if (scrolls)
            QCOMPARE(area->verticalScrollBar()->maximum(),
                     size.height() - area->viewport()->height());
    }));
}

void PictureViewerTest::viewerKeepsItsSize()
{
    const QString path = writeFile(m_dir, QStringLiteral("s.bmp"),
                                   bitmapFile(twoColourImage(QImage::Format_RGB32)));
    QVERIFY(openPicture(path, [](TfmShowPicture *viewer) { viewer->resize(500, 300); }));
    QSize second;
    QVERIFY(openPicture(path, [&second](TfmShowPicture *viewer) { second = viewer->size(); }));
    QCOMPARE(second, QSize(500, 300));
}

QTEST_MAIN(PictureViewerTest)
#include "pictureviewer_test.moc"
