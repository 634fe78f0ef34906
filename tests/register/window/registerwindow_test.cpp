#include "register/batchlistmodel.h"
#include "register/registerbatchdialog.h"
#include "register/registerdialogs.h"

#include "subsystemfixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace testsupport;

namespace {

journal::Batch batchOf(const char *date, const std::string &label, const char *concreteClass,
                       const std::vector<std::string> &strengths)
{
    journal::Batch batch;
    batch.date = *journal::Date::parse(date);
    batch.concreteClass = *journal::parseClass(concreteClass);
    batch.label = label;
    for (const std::string &strength : strengths)
        batch.samples.push_back(std::get<journal::Sample>(journal::readSample(strength)));
    return batch;
}

// The six sample texts of batch k: "2k,1" … "2k,6".
std::vector<std::string> samplesOf(int k)
{
    std::vector<std::string> texts;
    for (int j = 1; j <= 6; ++j)
        texts.push_back(std::to_string(20 + k) + "," + std::to_string(j));
    return texts;
}

std::unique_ptr<journal::Store> openRegister()
{
    auto opened = journal::Store::open(journal::SqliteFile {journal::defaultRegisterFile});
    if (auto *failure = std::get_if<common::Failure>(&opened))
        qFatal("%s", failure->message.c_str());
    return std::get<std::unique_ptr<journal::Store>>(std::move(opened));
}

} // namespace

class RegisterWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app.start(); }
    void cleanup() { m_app.finish(); }
    void analysedPeriodOfTheFilterClass_data();
    void analysedPeriodOfTheFilterClass();
    void listFetchesAsItScrolls();
    void pastedColumnAddsSamples();

private:
    journal::TfmRegister *openWindow();

    SubsystemFixture<journal::RegisterDialogs> m_app;
};

journal::TfmRegister *RegisterWindowTest::openWindow()
{
    m_app.run(ui::Command::TestRegister);
    journal::TfmRegister *window = m_app.dialogs().window();
    return window && window->isVisible() ? window : nullptr;
}

void RegisterWindowTest::analysedPeriodOfTheFilterClass_data()
{
    QTest::addColumn<QString>("filterClass");
    QTest::addColumn<QString>("message"); // empty: the period reaches the program
    QTest::newRow("В25") << QStringLiteral("В25") << QString();
    QTest::newRow("все") << QStringLiteral("все") << QStringLiteral("Выберите класс бетона");
    QTest::newRow("В30: one batch") << QStringLiteral("В30") << QStringLiteral("их 1.");
}

// Six batches of class 25 and one of 30: the period 5 × 6 takes the newest five of the class,
// oldest first, each batch's samples in entry order.
void RegisterWindowTest::analysedPeriodOfTheFilterClass()
{
    QFETCH(QString, filterClass);
    QFETCH(QString, message);
    {
        auto store = openRegister();
        std::vector<journal::Batch> batches;
        for (int k = 0; k <= 5; ++k)
            batches.push_back(batchOf(("2024-03-0" + std::to_string(k + 1)).c_str(),
                                      std::to_string(k), "25", samplesOf(k)));
        batches.push_back(batchOf("2024-03-04", "x", "30", samplesOf(9)));
        QVERIFY(std::holds_alternative<journal::ImportSummary>(store->import(batches)));
    }
    std::optional<journal::AnalysedPeriod> handed;
    m_app.dialogs().setPeriodHandler(
        [&handed](const journal::AnalysedPeriod &period) { handed = period; });
    journal::TfmRegister *window = openWindow();
    QVERIFY(window);
    auto *classes = window->findChild<QComboBox *>(QStringLiteral("cbClass"));
    QCOMPARE(classes->count(), 3);
    classes->setCurrentIndex(classes->findText(filterClass));
    window->findChild<QPushButton *>(QStringLiteral("btnShow"))->click();

    const auto shown = message.isEmpty() ? nullptr : answerNextMessageBox();
    window->findChild<QPushButton *>(QStringLiteral("btnPeriod"))->click();
    if (shown) {
        QVERIFY2(shown->contains(message), qPrintable(*shown));
        QVERIFY(!handed);
        return;
    }
    QVERIFY(handed);
    QCOMPARE(handed->choice.rgCount_Party, 0);
    QCOMPARE(handed->choice.edB, std::string("25"));
    std::vector<std::string> texts, expected;
    for (const auto &batch : handed->batches.edR)
        texts.insert(texts.end(), batch.begin(), batch.end());
    for (int k = 1; k <= 5; ++k) {
        const auto batch = samplesOf(k);
        expected.insert(expected.end(), batch.begin(), batch.end());
    }
    QCOMPARE(texts, expected);
}

// 250 batches, 100 to a page: the list starts with a page and gets the next one each time the
// view is scrolled to its end, newest first, until every batch is in it once.
void RegisterWindowTest::listFetchesAsItScrolls()
{
    auto store = openRegister();
    std::vector<journal::Batch> batches;
    for (int i = 0; i < 250; ++i)
        batches.push_back(
            batchOf(i < 125 ? "2024-01-10" : "2024-02-10", std::to_string(i), "25", {"25"}));
    QVERIFY(std::holds_alternative<journal::ImportSummary>(store->import(batches)));

    journal::BatchListModel model(nullptr, 100);
    model.show(store.get(), {});
    QCOMPARE(model.total(), 250);
    QTableView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, patienceMs));
    QList<int> pages {model.rowCount()};
    while (model.canFetchMore({})) {
        const int before = model.rowCount();
        QScrollBar *bar = view.verticalScrollBar();
        QTRY_VERIFY_WITH_TIMEOUT((bar->setValue(bar->maximum()), model.rowCount() > before),
                                 patienceMs);
        pages.append(model.rowCount());
    }
    QCOMPARE(pages, (QList<int> {100, 200, 250}));
    // Newest first: the later date's batches, then the earlier one's, each newest entry first.
    for (int row = 0; row < 250; ++row) {
        const int entry = row < 125 ? 249 - row : 124 - (row - 125);
        QCOMPARE(model.row(row).label, std::to_string(entry));
    }
    QCOMPARE(journal::cellText(model.row(0), journal::BatchListModel::MeanColumn),
             QStringLiteral("25,0"));
}

// "Добавить...": a column copied from a spreadsheet and pasted into the samples table adds a
// sample per value; a bad value keeps the dialog open with its message; OK enters the batch.
void RegisterWindowTest::pastedColumnAddsSamples()
{
    journal::TfmRegister *window = openWindow();
    QVERIFY(window);
    QString refusal;
    whenModal(QStringLiteral("TfmRegisterBatch"), [&refusal](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("edDate"))->setText("05.01.2024");
        dialog->findChild<QLineEdit *>(QStringLiteral("edClass"))->setText("B22.5");
        dialog->findChild<QLineEdit *>(QStringLiteral("edLabel"))->setText("12");
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("sgSamples"));
        QApplication::clipboard()->setText(QStringLiteral("24,1\r\n25.3\r\nx\r\n"));
        table->setFocus();
        QTest::keySequence(table, QKeySequence::Paste);
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("btnOk"));
        const auto shown = answerNextMessageBox();
        ok->click();
        refusal = *shown;
        QVERIFY(dialog->isVisible());
        table->item(2, 0)->setText(QStringLiteral("26"));
        ok->click();
    });
    window->findChild<QPushButton *>(QStringLiteral("btnAdd"))->click();
    QVERIFY2(refusal.startsWith(QStringLiteral("Выборка 3: «x»")), qPrintable(refusal));

    journal::BatchListModel *list = window->batchList();
    QCOMPARE(list->rowCount(), 1);
    auto stored = window->store()->batch(list->row(0).id);
    const journal::Batch &batch = std::get<journal::Batch>(stored);
    QCOMPARE(batch.concreteClass.text, std::string("22,5"));
    std::vector<std::string> texts;
    for (const auto &sample : batch.samples)
        texts.push_back(sample.text);
    QCOMPARE(texts, (std::vector<std::string> {"24,1", "25,3", "26"}));
    QCOMPARE(window->findChild<QTableWidget *>(QStringLiteral("sgSamples"))->rowCount(), 3);
}

QTEST_MAIN(RegisterWindowTest)
#include "registerwindow_test.moc"
