#include "statcontrol/batchdialog.h"
#include "statcontrol/statcontroldialogs.h"

#include "subsystemfixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace testsupport;

class AnalysedPeriodTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theSchemeChoosesTheBatchDialog_data();
    void theSchemeChoosesTheBatchDialog();
    void aColumnPastedFillsEverySample();

private:
    // Opens "Анализируемый период..." with the scheme `item`; `batches` acts in the batch data
    // dialog. Returns the batch dialog's object name.
    QString runPeriod(int item, const std::function<void(QDialog *)> &batches);

    testsupport::SubsystemFixture<statcontrol::StatControlDialogs> m_app;
};

void AnalysedPeriodTest::init()
{
    m_app.start();
}

void AnalysedPeriodTest::cleanup()
{
    m_app.finish();
}

QString AnalysedPeriodTest::runPeriod(int item, const std::function<void(QDialog *)> &batches)
{
    QString shown;
    whenModal(QStringLiteral("TfmPeriod_Analiz1"), [&](QDialog *scheme) {
        scheme->findChild<QRadioButton *>(QStringLiteral("rgCount_Party_%1").arg(item))->click();
        scheme->findChild<QLineEdit *>(QStringLiteral("edB"))->setText(QStringLiteral("20"));
        // Either scheme's batch data dialog, whose name tells which.
        whenModal(QStringLiteral("statcontrol::TfmPeriod_analiz2"), [&](QDialog *batchDialog) {
            shown = batchDialog->objectName();
            batches(batchDialog);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    m_app.run(ui::Command::AnalysedPeriod);
    // Closing the batch dialog, by either button, closes the scheme dialog too.
    if (QApplication::activeModalWidget())
        qWarning("a dialog was left open: %s",
                 qPrintable(QApplication::activeModalWidget()->objectName()));
    return shown;
}

void AnalysedPeriodTest::theSchemeChoosesTheBatchDialog_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QString>("level");
    QTest::newRow("5 × 6") << 0 << QStringLiteral("TfmPeriod_analiz2_5")
                           << QStringList {"22", "23", "24", "25", "26", "27"}
                           << QStringLiteral("Средний уровень прочности: 23,1 МПа");
    QTest::newRow("10 × 3") << 1 << QStringLiteral("TfmPeriod_analiz2_15")
                            << QStringList {"20", "21", "22"}
                            << QStringLiteral("Средний уровень прочности: 21,7 МПа");
}

void AnalysedPeriodTest::theSchemeChoosesTheBatchDialog()
{
    QFETCH(int, item);
    QFETCH(QString, dialog);
    QFETCH(QStringList, samples);
    QFETCH(QString, level);

    // Close first: nothing computed, both dialogs gone.
    QCOMPARE(runPeriod(item, [](QDialog *batches) { batches->reject(); }), dialog);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_app.reportCount(), 0);

    // Then the samples of every batch, and Enter from the last tab on view.
    const QString shown = runPeriod(item, [&samples](QDialog *batches) {
        QVERIFY(qobject_cast<statcontrol::TfmPeriod_analiz2 *>(batches));
        auto *tabs = batches->findChild<QTabWidget *>(QStringLiteral("page"));
        for (int k = 1; k <= tabs->count(); ++k) {
            for (int j = 1; j <= samples.size(); ++j)
                batches->findChild<QLineEdit *>(QStringLiteral("edR%1_%2").arg(k).arg(j))
                    ->setText(samples.at(j - 1));
        }
        tabs->setCurrentIndex(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(shown, dialog);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_app.reportCount(), 1);
    QCOMPARE(m_app.lastCaption(), QStringLiteral("Расчет стат. характеристик прочности. Окно №1"));
    QCOMPARE(m_app.lastLines().value(m_app.lastLines().size() - 7), level);

    // The texts and the last tab are there at the next showing.
    QString kept;
    int tab = -1;
    runPeriod(item, [&](QDialog *batches) {
        kept = batches->findChild<QLineEdit *>(QStringLiteral("edR2_1"))->text();
        tab = batches->findChild<QTabWidget *>(QStringLiteral("page"))->currentIndex();
        batches->reject();
    });
    QCOMPARE(kept, samples.first());
    QCOMPARE(tab, item == 1 ? 9 : 4);
}

void AnalysedPeriodTest::aColumnPastedFillsEverySample()
{
    QStringList column;
    for (int i = 1; i <= 30; ++i)
        column.append(QString::number(20 + i % 5) + QStringLiteral(",5"));
    QStringList filled;
    runPeriod(0, [&](QDialog *batches) {
        auto *first = batches->findChild<QLineEdit *>(QStringLiteral("edR1_1"));
        first->setFocus();
        // As a spreadsheet copies a column: one value a line, a line end after the last.
        QApplication::clipboard()->setText(column.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QTest::keySequence(first, QKeySequence::Paste);
        // A single value pastes as usual, into the edit alone.
        auto *last = batches->findChild<QLineEdit *>(QStringLiteral("edR5_6"));
        last->clear();
        QApplication::clipboard()->setText(QStringLiteral("30"));
        QTest::keySequence(last, QKeySequence::Paste);
        for (int k = 1; k <= 5; ++k) {
            for (int j = 1; j <= 6; ++j)
                filled.append(
                    batches->findChild<QLineEdit *>(QStringLiteral("edR%1_%2").arg(k).arg(j))
                        ->text());
        }
        batches->reject();
    });
    QStringList expected = column;
    expected.last() = QStringLiteral("30");
    QCOMPARE(filled, expected);
}

QTEST_MAIN(AnalysedPeriodTest)
#include "analysedperiod_test.moc"
