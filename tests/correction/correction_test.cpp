#include "correction/correctiondialogs.h"
#include "ui/fixedtabwidget.h"
#include "ui/modaldialog.h"

#include "subsystemfixture.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace testsupport;

using Texts = QList<std::pair<QString, QString>>; // edit name, text
Q_DECLARE_METATYPE(Texts)

class CorrectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void eachCommandOpensItsPageAndEnterOrEscRunsIt_data();
    void eachCommandOpensItsPageAndEnterOrEscRunsIt();
    void aFailedCorrectionShowsItsMessageAndMakesNoWindow();

private:
    testsupport::SubsystemFixture<correction::CorrectionDialogs> m_app;
};

void CorrectionTest::init()
{
    m_app.start();
}

void CorrectionTest::cleanup()
{
    m_app.finish();
}

void CorrectionTest::eachCommandOpensItsPageAndEnterOrEscRunsIt_data()
{
    QTest::addColumn<ui::Command>("command");
    QTest::addColumn<ui::Command>("otherCommand");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("result");

    QTest::newRow("strength, Enter")
        << ui::Command::CorrectStrength << ui::Command::CorrectAggregates << 0
        << int(Qt::Key_Return) << Texts {{"edRb1", "30"},   {"edC_V1", "2,0"}, {"edRb2", "20"},
                                         {"edC_V2", "1,5"}, {"edRtr", "25"},   {"edV", "180"}}
        << QStringLiteral("Корректирование состава бетона по прочности. Окно №1")
        << QStringLiteral("Откорректированный расход цемента: 315 кг/куб.м.");
    QTest::newRow("aggregates, Esc")
        << ui::Command::CorrectAggregates << ui::Command::CorrectStrength << 1
        << int(Qt::Key_Escape)
        << Texts {{"edP", "600"}, {"edSC", "1200"}, {"edVoda", "180"}, {"edWp", "5"},
                  {"edWsc", "2"}, {"edXp_sc", "5"}, {"edYsc_p", "10"}}
        << QStringLiteral("Корректирование состава бетона по влажности и гранулометрии "
                          "заполнителей. Окно №1")
        << QStringLiteral("Откорректированный расход песка: 634 кг/куб.м.");
}

void CorrectionTest::eachCommandOpensItsPageAndEnterOrEscRunsIt()
{
    QFETCH(ui::Command, command);
    QFETCH(ui::Command, otherCommand);
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(Texts, texts);
    QFETCH(QString, caption);
    QFETCH(QString, result);
    // Left on the other page by Close: nothing made.
    whenModal(QStringLiteral("Tcorrection"), [](QDialog *dialog) { dialog->reject(); });
    m_app.run(otherCommand);
    QCOMPARE(m_app.reportCount(), 0);

    int shownPage = -1;
    ui::HelpContext help = ui::HelpContext::Contents;
    whenModal(QStringLiteral("Tcorrection"), [&](QDialog *dialog) {
        auto *tabs = dialog->findChild<ui::FixedTabWidget *>(QStringLiteral("page"));
        // The user cannot change the page: a click on the other tab, Ctrl+Tab, Ctrl+PgDn.
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1 - page).center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        shownPage = tabs->currentIndex();
        help = static_cast<ui::ModalDialog *>(dialog)->helpContext();
        for (const auto &[name, text] : texts)
            dialog->findChild<QLineEdit *>(name)->setText(text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    });
    m_app.run(command);
    QCOMPARE(shownPage, page);
    QCOMPARE(int(help), 31 + page); // the help context of the page
    QCOMPARE(m_app.lastCaption(), caption);
    QVERIFY2(m_app.lastLines().contains(result), qPrintable(m_app.lastLines().join('\n')));

    // The texts are there at the next opening.
    QStringList kept;
    whenModal(QStringLiteral("Tcorrection"), [&](QDialog *dialog) {
        for (const auto &[name, text] : texts)
            kept.append(dialog->findChild<QLineEdit *>(name)->text());
        dialog->reject();
    });
    m_app.run(command);
    QStringList typed;
    for (const auto &[name, text] : texts)
        typed.append(text);
    QCOMPARE(kept, typed);
}

void CorrectionTest::aFailedCorrectionShowsItsMessageAndMakesNoWindow()
{
    QString message;
    whenModal(QStringLiteral("Tcorrection"), [&message](QDialog *dialog) {
        const Texts texts {{"edRb1", "30"},   {"edC_V1", "2,0"}, {"edRb2", "30"},
                           {"edC_V2", "1,5"}, {"edRtr", "25"},   {"edV", "180"}};
        for (const auto &[name, text] : texts)
            dialog->findChild<QLineEdit *>(name)->setText(text);
        whenModal(QStringLiteral("QMessageBox"), [&message](QMessageBox *box) {
            message = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    m_app.run(ui::Command::CorrectStrength);
    QCOMPARE(message, QStringLiteral("ЛОВИЗ-6.3|Ошибка вычисления: деление на ноль."));
    QCOMPARE(m_app.reportCount(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(CorrectionTest)
#include "correction_test.moc"
