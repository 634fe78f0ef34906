#include "register/registerwindow.h"
#include "shell/reportwindow.h"
#include "shell/reportwindows.h"

#include "programfixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testsupport;

// The flows that cross the program's parts: a subsystem's report goes into a report window of
// the shell, and after a subsystem's dialogs the main window has the keyboard again.
class ProgramFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app.start(); }
    void cleanup() { m_app.finish(); }
    void eachReportOpensANewNumberedActiveWindow();
    void afterADialogChainTheMainWindowHasTheKeyboard();
    void theRegistersAnalysedPeriodFillsTheDocumentedDialogs();

private:
    ProgramFixture m_app;
};

void ProgramFlowTest::eachReportOpensANewNumberedActiveWindow()
{
    shell::TfmForm1 &window = m_app.mainWindow();
    const QStringList captions {QStringLiteral("Окно №1. Расчет БНС."),
                                QStringLiteral("Корректирование состава бетона по прочности. "
                                               "Окно №2")};
    whenModal(QStringLiteral("TfmBNS"), [](QWidget *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    window.action(ui::Command::NewMix)->trigger();
    answerInTurn({{QStringLiteral("Tcorrection"), [](QWidget *dialog) {
                       for (const auto &[name, text] : {std::pair {"edRb1", "30"},
                                                        {"edC_V1", "2,0"},
                                                        {"edRb2", "20"},
                                                        {"edC_V2", "1,5"},
                                                        {"edRtr", "25"},
                                                        {"edV", "180"}})
                           dialog->findChild<QLineEdit *>(QString::fromLatin1(name))
                               ->setText(QString::fromLatin1(text));
                       QTest::keyClick(dialog, Qt::Key_Return);
                   }}});
    window.action(ui::Command::CorrectStrength)->trigger();

    QStringList shown;
    for (QMdiSubWindow *child : window.mdiArea()->subWindowList())
        shown.append(child->windowTitle());
    QCOMPARE(shown, captions);
    QCOMPARE(window.mdiArea()->activeSubWindow(), window.reportWindows().current());
    QCOMPARE(window.reportWindows().current()->windowTitle(), captions.last());
    QVERIFY(window.reportWindows().current()->lines().contains(
        QStringLiteral("Откорректированный расход цемента: 315 кг/куб.м.")));
}

void ProgramFlowTest::afterADialogChainTheMainWindowHasTheKeyboard()
{
    m_app.program().mixDesign().state().options.rgEconomy = 0;
    answerInTurn({{QStringLiteral("TfmBNS"),
                   [](QWidget *dialog) {
                       dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
                   }},
                  {QStringLiteral("Teconomy"),
                   [](QWidget *dialog) {
                       // Air entrainment, refused without frost standardised.
                       dialog->findChild<QRadioButton *>(QStringLiteral("rgEconomy_3"))->click();
                       dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
                   }},
                  {QStringLiteral("QMessageBox"), [](QWidget *box) {
                       box->close();
                   }}});
    m_app.mainWindow().action(ui::Command::NewMix)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &m_app.mainWindow(), patienceMs);
    QVERIFY(m_app.mainWindow().isAncestorOf(QApplication::focusWidget()));
}

// The register window's analysed period opens the documented dialogs filled with the last five
// batches of the class, oldest first, and their OK writes the documented report.
void ProgramFlowTest::theRegistersAnalysedPeriodFillsTheDocumentedDialogs()
{
    QStringList expected;
    {
        auto opened = journal::Store::open(journal::SqliteFile {journal::defaultRegisterFile});
        QVERIFY(std::holds_alternative<std::unique_ptr<journal::Store>>(opened));
        std::vector<journal::Batch> batches;
        for (int k = 0; k < 6; ++k) {
            journal::Batch batch {*journal::Date::of(2024, 3, k + 1),
                                  *journal::parseClass("25"),
                                  std::to_string(k),
                                  "",
                                  "",
                                  {}};
            for (int j = 1; j <= 6; ++j) {
                const std::string text = std::to_string(24 + k) + "," + std::to_string(j);
                batch.samples.push_back(std::get<journal::Sample>(journal::readSample(text)));
                if (k > 0)
                    expected.append(QString::fromStdString(text));
            }
            batches.push_back(batch);
        }
        auto &store = *std::get<std::unique_ptr<journal::Store>>(opened);
        QVERIFY(std::holds_alternative<journal::ImportSummary>(store.import(batches)));
    }
    shell::TfmForm1 &window = m_app.mainWindow();
    window.action(ui::Command::TestRegister)->trigger();
    auto *journalWindow = window.findChild<journal::TfmRegister *>();
    QVERIFY(journalWindow && journalWindow->isVisible());
    auto *classes = journalWindow->findChild<QComboBox *>(QStringLiteral("cbClass"));
    classes->setCurrentIndex(classes->findText(QStringLiteral("В25")));

    QString typedClass;
    QStringList shown;
    answerInTurn(
        {{QStringLiteral("TfmPeriod_Analiz1"),
          [&typedClass](QWidget *dialog) {
              typedClass = dialog->findChild<QLineEdit *>(QStringLiteral("edB"))->text();
              dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
          }},
         {QStringLiteral("TfmPeriod_analiz2_5"), [&shown](QWidget *dialog) {
              for (int k = 1; k <= 5; ++k)
                  for (int j = 1; j <= 6; ++j)
                      shown.append(
                          dialog->findChild<QLineEdit *>(QStringLiteral("edR%1_%2").arg(k).arg(j))
                              ->text());
              dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
          }}});
    journalWindow->findChild<QPushButton *>(QStringLiteral("btnPeriod"))->click();

    QCOMPARE(typedClass, QStringLiteral("25"));
    QCOMPARE(shown, expected);
    QVERIFY(window.reportWindows().current());
    QVERIFY(window.reportWindows().current()->windowTitle().endsWith(QStringLiteral("Окно №1")));
    QVERIFY(window.reportWindows().current()->lines().contains(
        QStringLiteral("6-я выборка - 29,6 МПа")));
}

QTEST_MAIN(ProgramFlowTest)
#include "programflow_test.moc"
