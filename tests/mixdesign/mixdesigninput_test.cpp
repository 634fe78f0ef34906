#include "mixdesign/mixdesigndialogs.h"
#include "ui/editfactory.h"

#include "expectedreports.h"
#include "subsystemfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpontaneKeyEvent>
#include <QTest>

using namespace testsupport;

QStringList qtLines(const char *report)
{
    QStringList lines;
    for (const std::string &line : expected::linesOf(report))
        lines.append(QString::fromStdString(line));
    return lines;
}

class MixDesignInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void okWritesTheReportIntoWindowOne();
    void escapeRunsTheCalculationLikeOk();
    void enterPressesOkWhateverHasTheFocus();
    void typedTextsAreEchoedAndKeptForTheNextShowing();
    void failedConversionUsesNoWindowNumber();
    void aShowEventFromTheWindowSystemKeepsTypedText();
    void masksTranslateToQt();
    void editsHaveTheirMasksAndInitialTexts();

private:
    // Opens the dialog through its command, lets `fill` type, then presses `key` or OK.
    void runDialog(const std::function<void(QDialog *)> &fill, bool escape = false);

    testsupport::SubsystemFixture<mixdesign::MixDesignDialogs> m_app;
};

void MixDesignInputTest::init()
{
    m_app.start();
}

void MixDesignInputTest::cleanup()
{
    m_app.finish();
}

void MixDesignInputTest::runDialog(const std::function<void(QDialog *)> &fill, bool escape)
{
    whenModal(QStringLiteral("TfmBNS"), [fill, escape](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Данные для расчета состава бетона"));
        fill(dialog);
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    m_app.run(ui::Command::NewMix);
    QVERIFY(!QApplication::activeModalWidget());
}

void MixDesignInputTest::okWritesTheReportIntoWindowOne()
{
    runDialog([](QDialog *) {});
    QCOMPARE(m_app.reportCount(), 1);
    QCOMPARE(m_app.lastCaption(), QStringLiteral("Окно №1. Расчет БНС."));
    QCOMPARE(m_app.lastLines(), qtLines(expected::initialInputReport));
}

void MixDesignInputTest::escapeRunsTheCalculationLikeOk()
{
    runDialog([](QDialog *) {}, true);
    QCOMPARE(m_app.reportCount(), 1);
    QCOMPARE(m_app.lastLines().value(2), QStringLiteral("Проектный класс бетона по прочности B20"));
}

void MixDesignInputTest::enterPressesOkWhateverHasTheFocus()
{
    // Left with Close, which keeps the focus it had.
    whenModal(QStringLiteral("TfmBNS"), [](QWidget *dialog) {
        auto *close = dialog->findChild<QPushButton *>(QStringLiteral("BitBtn2"));
        close->setFocus();
        close->click();
    });
    m_app.run(ui::Command::NewMix);
    QCOMPARE(m_app.reportCount(), 0);

    // Shown again, the dialog has the focus on its first edit; a decimal point typed enters
    // a comma; Enter on the Close button runs the calculation.
    QString focused;
    whenModal(QStringLiteral("TfmBNS"), [&focused](QWidget *dialog) {
        focused = QApplication::focusWidget()->objectName();
        auto *strengthClass = dialog->findChild<QLineEdit *>(QStringLiteral("edClassBet"));
        strengthClass->selectAll();
        QTest::keyClicks(strengthClass, QStringLiteral("25.5"));
        dialog->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    m_app.run(ui::Command::NewMix);
    QCOMPARE(focused, QStringLiteral("edYdoboykl"));
    QCOMPARE(m_app.reportCount(), 1);
    QCOMPARE(m_app.lastLines().value(2),
             QStringLiteral("Проектный класс бетона по прочности B25,5"));
}

void MixDesignInputTest::typedTextsAreEchoedAndKeptForTheNextShowing()
{
    runDialog([](QDialog *dialog) {
        auto *slump = dialog->findChild<QLineEdit *>(QStringLiteral("edYdoboykl"));
        slump->selectAll();
        QTest::keyClicks(slump, QStringLiteral("10"));
        auto *grade = dialog->findChild<QLineEdit *>(QStringLiteral("edMarkCem"));
        grade->setFocus();
        grade->selectAll();
        QTest::keyClicks(grade, QStringLiteral("400"));
        auto *cls = dialog->findChild<QLineEdit *>(QStringLiteral("edClassBet"));
        cls->setText(QStringLiteral("25"));
    });
    QCOMPARE(m_app.lastLines(), qtLines(expected::slump10M400B25Report));

    QString shownGrade;
    runDialog([&shownGrade](QDialog *dialog) {
        shownGrade = dialog->findChild<QLineEdit *>(QStringLiteral("edMarkCem"))->text();
    });
    QCOMPARE(shownGrade, QStringLiteral("400"));
    QCOMPARE(m_app.reportCount(), 2);
    QCOMPARE(m_app.lastCaption(), QStringLiteral("Окно №2. Расчет БНС."));
}

void MixDesignInputTest::failedConversionUsesNoWindowNumber()
{
    bool closedAfterwards = false;
    runDialog([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("edClassBet"))->clear();
    });
    closedAfterwards = !m_app.window().findChild<QDialog *>(QStringLiteral("TfmBNS"))->isVisible();
    QVERIFY(closedAfterwards);
    QCOMPARE(m_app.reportCount(), 0);

    runDialog([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("edClassBet"))->setText(QStringLiteral("20"));
    });
    QCOMPARE(m_app.lastCaption(), QStringLiteral("Окно №1. Расчет БНС."));
}

void MixDesignInputTest::aShowEventFromTheWindowSystemKeepsTypedText()
{
    QString afterRestore;
    runDialog([&afterRestore](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("edClassBet"));
        edit->setText(QStringLiteral("30"));
        QShowEvent restored; // as when the window is mapped again or restored
        QSpontaneKeyEvent::setSpontaneous(&restored);
        qApp->notify(dialog, &restored); // sendEvent() would clear the flag
        afterRestore = edit->text();
    });
    QCOMPARE(afterRestore, QStringLiteral("30"));
    QCOMPARE(m_app.lastLines().value(2), QStringLiteral("Проектный класс бетона по прочности B30"));
}

void MixDesignInputTest::masksTranslateToQt()
{
    const std::pair<const char *, const char *> cases[] = {
        {"0,00;1; ", "9,99; "}, {"0,00;1;*", "9,99;*"}, {"000;1; ", "999; "},
        {"9,0;0;_", "0,9;_"},   {"00", "99; "},         {"", ""},
    };
    for (const auto &[mask, qt] : cases)
        QCOMPARE(ui::qtInputMask(QString::fromLatin1(mask)), QString::fromLatin1(qt));
}

void MixDesignInputTest::editsHaveTheirMasksAndInitialTexts()
{
    struct Edit
    {
        const char *name;
        const char *qtMask;
        const char *text;
    };
    const Edit edits[] = {
        {"edYdoboykl", "", "0"},   {"edMarkCem", "999", "500"}, {"edClassBet", "", "20"},
        {"edNGCT", "99", "28"},    {"edMkr_P", "9,9", "2,0"},   {"edNPl_P", "9,99", "1,40"},
        {"edPr_P", "9,9", "1,0"},  {"edNKr_Sc", "", "20"},      {"edNPl_Sc", "9,99", "1,35"},
        {"edPr_Sc", "9,9", "0,5"},
    };
    runDialog([&edits](QDialog *dialog) {
        for (const Edit &e : edits) {
            auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(e.name));
            QVERIFY2(edit, e.name);
            QCOMPARE(edit->inputMask(), QString::fromLatin1(e.qtMask));
            QCOMPARE(edit->text(), QString::fromUtf8(e.text));
        }
        auto *grade = dialog->findChild<QLineEdit *>(QStringLiteral("edMarkCem"));
        grade->setFocus();
        grade->selectAll();
        QTest::keyClicks(grade, QStringLiteral("12345"));
        QCOMPARE(grade->text(), QStringLiteral("123")); // three digits at most
    });
}

QTEST_MAIN(MixDesignInputTest)
#include "mixdesigninput_test.moc"
