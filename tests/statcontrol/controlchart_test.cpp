#include "common/prompter.h"
#include "statcontrol/chart/chartdrawing.h"
#include "statcontrol/chartwindow.h"
#include "statcontrol/statcontroldialogs.h"
#include "ui/updown.h"

#include "emfreading.h"
#include "subsystemfixture.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

using namespace testsupport;

using Texts = QList<std::pair<QString, QString>>; // edit name, text

class ControlChartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void promptsPerBatchThenTheChart();
    void aPromptClosedEmptyLeavesNoSeries();
    void savingWritesAMetafileWhateverTheName();
    void theMetafileIsAVectorPictureOfTheChart();
    void aPointAboveTheRangeIsSeenWithItsMark();
    void theSpinControlWraps();

private:
    // Opens "Контролируемый период..." with these texts; `inChart` acts in the chart window
    // after `answers` were typed at the prompts (a null answer presses Close).
    // When `message` is given, a message box is expected before the chart window is free; its
    // title and text go there.
    void runChart(const Texts &texts, const QStringList &answers,
                  const std::function<void(statcontrol::TfmPeriod_Control2 *)> &inChart,
                  QString *message = nullptr);

    testsupport::SubsystemFixture<statcontrol::StatControlDialogs> m_app;
    QStringList m_prompts;
};

namespace {

const Texts limits {{"edRy", "23,1"},    {"edRpr1", "24,7"},  {"edRpr2", "21,5"},
                    {"edRcor1", "25,7"}, {"edRcor2", "20,6"}, {"edCountParty", "3"}};

QValueAxis *strengthAxis(statcontrol::TfmPeriod_Control2 *window)
{
    return qobject_cast<QValueAxis *>(window->chartView()->chart()->axes(Qt::Vertical).value(0));
}

} // namespace

void ControlChartTest::init()
{
    m_app.start();
    m_prompts.clear();
}

void ControlChartTest::cleanup()
{
    m_app.finish();
}

void ControlChartTest::runChart(
    const Texts &texts, const QStringList &answers,
    const std::function<void(statcontrol::TfmPeriod_Control2 *)> &inChart, QString *message)
{
    QList<ModalStep> steps;
    steps.append({QStringLiteral("TfmPeriod_Control1"), [texts](QWidget *dialog) {
                      for (const auto &[name, text] : texts)
                          dialog->findChild<QLineEdit *>(name)->setText(text);
                      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                  }});
    for (const QString &answer : answers) {
        steps.append({QStringLiteral("TfmPeriod_Control3"), [this, answer](QWidget *prompt) {
                          auto *edit = prompt->findChild<QLineEdit *>(QStringLiteral("edRi"));
                          m_prompts.append(
                              prompt->findChild<QLabel *>(QStringLiteral("Label1"))->text()
                              + QLatin1Char('|') + edit->text());
                          if (answer.isNull()) {
                              prompt->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
                              return;
                          }
                          edit->setText(answer);
                          QTest::keyClick(edit, Qt::Key_Return);
                      }});
    }
    if (message) {
        steps.append({QStringLiteral("QMessageBox"), [message](QWidget *w) {
                          auto *box = qobject_cast<QMessageBox *>(w);
                          *message = box->windowTitle() + QLatin1Char('|') + box->text();
                          box->accept();
                      }});
    }
    steps.append({QStringLiteral("TfmPeriod_Control2"), [inChart](QWidget *window) {
                      inChart(static_cast<statcontrol::TfmPeriod_Control2 *>(window));
                  }});
    answerInTurn(steps);
    m_app.run(ui::Command::ControlledPeriod);
    QVERIFY(!QApplication::activeModalWidget());
}

void ControlChartTest::promptsPerBatchThenTheChart()
{
    statcontrol::ControlChart drawn;
    std::pair<double, double> range;
    runChart(limits, {"24", "22,5", "30"}, [&](statcontrol::TfmPeriod_Control2 *window) {
        // The chart is filled once the window is up; the prompts are answered by then.
        QTRY_COMPARE_WITH_TIMEOUT(window->chart().series[5].points.size(), std::size_t(3),
                                  testsupport::patienceMs);
        drawn = window->chart();
        range = {strengthAxis(window)->min(), strengthAxis(window)->max()};
        window->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    });
    QCOMPARE(m_prompts, (QStringList {"Средняя прочность в 1 партии, МПа:|",
                                      "Средняя прочность в 2 партии, МПа:|",
                                      "Средняя прочность в 3 партии, МПа:|"}));
    QVERIFY(qAbs(range.first - 17.6) < 1e-9 && qAbs(range.second - 28.7) < 1e-9);
    QCOMPARE(drawn.series[0].points.back().x, 3.0);
    QCOMPARE(drawn.series[5].points.back().y, 30.0); // above the range, drawn all the same

    // A second opening with limits far lower replaces the range as a whole.
    const Texts lower {{"edRy", "3,1"},
                       {"edRpr1", "4,7"},
                       {"edRpr2", "1,5"},
                       {"edRcor1", "5,7"},
                       {"edRcor2", "0,6"}};
    runChart(lower, {"1", "2", "3"}, [&](statcontrol::TfmPeriod_Control2 *window) {
        QTRY_COMPARE_WITH_TIMEOUT(window->chart().series[5].points.size(), std::size_t(3),
                                  testsupport::patienceMs);
        range = {strengthAxis(window)->min(), strengthAxis(window)->max()};
        window->reject();
    });
    QVERIFY(qAbs(range.first - (-2.4)) < 1e-9 && qAbs(range.second - 8.7) < 1e-9);
}

void ControlChartTest::aPromptClosedEmptyLeavesNoSeries()
{
    QString message;
    bool empty = false;
    // The message comes over the chart window, which stays open with no points.
    runChart(
        limits, {"24", QString()},
        [&](statcontrol::TfmPeriod_Control2 *window) {
            empty = true;
            for (const auto &series : window->chart().series)
                empty = empty && series.points.empty();
            window->reject();
        },
        &message);
    QCOMPARE(message, QStringLiteral("ЛОВИЗ-6.3|\"\" не является правильным числом."));
    QVERIFY(empty);
    QCOMPARE(m_prompts.size(), 2);
}

void ControlChartTest::savingWritesAMetafileWhateverTheName()
{
    QTemporaryDir dir;
    // A bitmap's name and filter, then a folder that is not there.
    const QStringList paths {dir.filePath(QStringLiteral("карта.bmp")),
                             dir.filePath(QStringLiteral("нет/карта.emf"))};
    for (const QString &path : paths) {
        QString offered;
        QString filter;
        QString message;
        runChart(limits, {"24", "22,5", "30"}, [&](statcontrol::TfmPeriod_Control2 *window) {
            QTRY_COMPARE_WITH_TIMEOUT(window->chart().series[5].points.size(), std::size_t(3),
                                      testsupport::patienceMs);
            whenModal(QStringLiteral("SavePictureDialog1"), [&](QDialog *dialog) {
                auto *files = static_cast<QFileDialog *>(dialog);
                offered = QFileInfo(files->selectedFiles().value(0)).fileName();
                filter
                    = files->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
                files->selectNameFilter(files->nameFilters().value(1)); // Bitmaps (*.bmp)
                // Typed as a user would: a whole path.
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                if (path != paths.first()) {
                    whenModal(QStringLiteral("QMessageBox"), [&message](QMessageBox *box) {
                        message = box->windowTitle() + QLatin1Char('|') + box->text();
                        box->accept();
                    });
                }
                dialog->accept();
            });
            // Esc presses "Сохранить...".
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QCOMPARE(offered, QStringLiteral("mychart.wmf"));
        // The metafiles at first; the type chosen last time after that.
        QCOMPARE(filter, path == paths.first() ? QStringLiteral("Enhanced Metafiles (*.emf)")
                                               : QStringLiteral("Bitmaps (*.bmp)"));
        QFile saved(path);
        if (path == paths.first()) {
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QCOMPARE(saved.read(44).mid(40), QByteArray(" EMF"));
        } else {
            QVERIFY(message.startsWith(
                QStringLiteral("ЛОВИЗ-6.3|Не удалось сохранить рисунок в файл %1: ").arg(path)));
            QVERIFY(!saved.exists());
        }
    }
}

void ControlChartTest::theMetafileIsAVectorPictureOfTheChart()
{
    using namespace emfreading;
    QByteArray emf;
    runChart(limits, {"24", "22,5", "30"}, [&emf](statcontrol::TfmPeriod_Control2 *window) {
        QTRY_COMPARE_WITH_TIMEOUT(window->chart().series[5].points.size(), std::size_t(3),
                                  testsupport::patienceMs);
        emf = window->metafile();
        window->reject();
    });
    const Walk played = walk(emf);
    QVERIFY2(played.fault.isEmpty(), qPrintable(played.fault));
    QStringList texts;
    QSet<quint32> colours;
    for (const Drawn &drawn : played.drawn) {
        QVERIFY(!bitmapRecords.contains(drawn.type));
        if (drawn.type == ExtTextOutW)
            texts.append(textOf(drawn));
        // The pen's colour: in its EXTLOGPEN, or in its LOGPEN.
        if (!drawn.pen.isEmpty())
            colours.insert(u32(drawn.pen, u32(drawn.pen, 0) == ExtCreatePen ? 40 : 24));
    }
    for (const char *text :
         {"Технологическая карта прочности бетона", "прочность при сжатии, МПа", "партии бетона",
          "Предел корректирования", "Предел предупреждения", "Средний уровень прочности",
          "Фактическая прочность", "24", "22,5", "30"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    for (const QColor colour :
         {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 255)})
        QVERIFY2(colours.contains(colourRef(colour)), qPrintable(colour.name()));
    QVERIFY(playedText(emf));
}

void ControlChartTest::aPointAboveTheRangeIsSeenWithItsMark()
{
    // The third batch, 30 MPa, lies above the strength axis's top, 28,7 MPa.
    const statcontrol::ControlForm form {"23,1", "3", "24,7", "21,5", "25,7", "20,6"};
    common::ImmediatePrompter prompter({}, {"24", "22,5", "30"});
    statcontrol::ControlChart content = statcontrol::emptyControlChart();
    QVERIFY(!statcontrol::fillControlChart(content, form, prompter));
    QGraphicsScene scene;
    statcontrol::ChartDrawing drawing;
    QChart *chart = drawing.chart();
    scene.addItem(chart);
    chart->resize(800, 500);
    drawing.show(content);
    QImage image(800, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, image.rect(), chart->sceneBoundingRect());
    painter.end();

    // Its value mark, black on white, in the plot area near the top, over its batch.
    const QRectF plot = chart->plotArea();
    const double x = chart->mapToPosition(QPointF(3, 30), chart->series().at(5)).x();
    const QRect mark = QRectF(x - 20, plot.top(), 40, 45).toAlignedRect() & image.rect();
    int dark = 0;
    for (int row = mark.top(); row <= mark.bottom(); ++row) {
        for (int column = mark.left(); column <= mark.right(); ++column)
            dark += qGray(image.pixel(column, row)) < 100 ? 1 : 0;
    }
    QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
}

void ControlChartTest::theSpinControlWraps()
{
    QStringList seen;
    whenModal(QStringLiteral("TfmPeriod_Control1"), [&seen](QDialog *dialog) {
        auto *count = dialog->findChild<QLineEdit *>(QStringLiteral("edCountParty"));
        auto *spin = dialog->findChild<ui::UpDown *>(QStringLiteral("UpDown1"));
        count->setText(QStringLiteral("10"));
        spin->stepUp();
        seen << count->text();
        spin->stepDown();
        seen << count->text();
        // Typed text is not limited; the arrows step from where they were.
        count->setText(QStringLiteral("25"));
        seen << count->text();
        QTest::keyClick(count, Qt::Key_Down);
        seen << count->text();
        dialog->reject();
    });
    m_app.run(ui::Command::ControlledPeriod);
    QCOMPARE(seen, (QStringList {"1", "10", "25", "9"}));
}

QTEST_MAIN(ControlChartTest)
#include "controlchart_test.moc"
