#include "shell/reportwindow.h"
#include "shell/reportwindows.h"

#include "programfixture.h"

#include <QAction>
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

QTEST_MAIN(ProgramFlowTest)
#include "programflow_test.moc"
