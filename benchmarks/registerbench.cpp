// Timings for the record, not a test: a register CSV of 100,000 batches by 6 samples (five
// classes, ten batches a day over about 30 years) imported into a fresh SQLite register, beside
// the sqlite3 shell importing the same file into a plain table; then the analysed period of one
// class, the control chart of its last 50 batches, the first page of the batch list with its
// count, and the register window opened on it up to its first screen. The import is also timed by
// phase (reading the file, writing the register).

#include "chartcli/chartwriting.h"
#include "register/batchlistmodel.h"
#include "register/core/csvexport.h"
#include "register/core/csvimport.h"
#include "register/registerwindow.h"
#include "register/store/store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <iostream>
#include <random>

namespace {

constexpr int days = 10000;
constexpr int batchesPerClassAndDay = 2;
const std::vector<std::string> classTexts = {"15", "20", "22,5", "25", "30"};
const std::vector<std::string> plants = {"Северный", "Южный"};
constexpr int samplesPerBatch = 6;
constexpr int chartBatches = 50;

journal::Date dayOf(int index)
{
    // Counted on from 01.01.1998 with months of 28 days: every such day exists.
    const int month = index / 28;
    return *journal::Date::of(1998 + month / 12, month % 12 + 1, index % 28 + 1);
}

journal::Sample sampleOf(int tenths)
{
    return {tenths / 10.0, std::to_string(tenths / 10) + "," + std::to_string(tenths % 10),
            journal::standardAge};
}

// The file's bytes: the batches by day, class and plant, strengths about 1.3 times the class.
std::string registerCsv()
{
    std::mt19937 random(630);
    std::normal_distribution<double> spread(0.0, 2.5);
    std::string csv = journal::csvHead();
    for (int d = 0; d < days; ++d) {
        for (const std::string &text : classTexts) {
            const auto concreteClass = std::get<journal::ConcreteClass>(journal::readClass(text));
            for (int b = 0; b < batchesPerClassAndDay; ++b) {
                journal::Batch batch {dayOf(d),
                                      concreteClass,
                                      std::to_string(d + 1),
                                      plants[b],
                                      d % 7 == 0 ? "сменный контроль" : "",
                                      {}};
                for (int s = 0; s < samplesPerBatch; ++s) {
                    const double strength = concreteClass.value * 1.3 + spread(random);
                    batch.samples.push_back(sampleOf(static_cast<int>(strength * 10)));
                }
                csv += journal::csvRows(batch);
            }
        }
    }
    return csv;
}

double milliseconds(QElapsedTimer &clock)
{
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    return ms;
}

double seconds(QElapsedTimer &clock)
{
    const double s = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    clock.restart();
    return s;
}

template<class T> T valueOf(journal::Result<T> result, const char *what)
{
    if (auto *failure = std::get_if<common::Failure>(&result)) {
        std::cerr << what << ": " << failure->message << '\n';
        std::exit(1);
    }
    return std::get<T>(std::move(result));
}

// The sqlite3 shell's import of the same file into a plain table, in seconds; negative when the
// shell is not there.
double sqliteShellImport(const QString &csv, const QString &database)
{
    const QString shell = QStandardPaths::findExecutable("sqlite3");
    if (shell.isEmpty())
        return -1;
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(shell, {database, ".mode csv", ".separator ;", ".import '" + csv + "' samples"});
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::cerr << "sqlite3: " << process.readAllStandardError().toStdString();
        return -1;
    }
    return seconds(clock);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();

    const std::string csv = registerCsv();
    const QString csvPath = folder.filePath("register.csv");
    QFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), qint64(csv.size())) < 0)
        return 1;
    file.close();
    const std::size_t batches = days * classTexts.size() * batchesPerClassAndDay;
    std::printf("CSV: %zu batches, %zu rows, %.1f MB, made in %.2f s\n", batches,
                batches * samplesPerBatch, static_cast<double>(csv.size()) / 1e6, seconds(clock));

    if (!std::holds_alternative<journal::CsvBatches>(journal::readCsv(csv)))
        return 1;
    const double parsing = seconds(clock);

    const journal::DatabaseAddress address
        = journal::SqliteFile {folder.filePath("register.sqlite").toStdString()};
    auto store = valueOf(journal::Store::open(address), "open");
    clock.restart();
    const auto imported = valueOf(store->importCsv(csv), "import");
    const double import = seconds(clock);
    std::printf("import into a fresh SQLite register:         %8.3f s (%zu batches, %zu samples)\n",
                import, imported.batches, imported.samples);
    std::printf("  of which reading the file (readCsv):       %8.3f s\n", parsing);
    std::printf("  and writing the register:                  %8.3f s\n", import - parsing);
    const double shell = sqliteShellImport(csvPath, folder.filePath("plain.sqlite"));
    if (shell < 0)
        std::printf("sqlite3 shell .import into a plain table:     skipped (no sqlite3)\n");
    else
        std::printf(
            "sqlite3 shell .import into a plain table:    %8.3f s (import / shell = %.1f)\n", shell,
            import / shell);

    const journal::ConcreteClass b25 = std::get<journal::ConcreteClass>(journal::readClass("25"));
    const journal::Date last = dayOf(days - 1);
    clock.restart();
    const auto period = valueOf(store->analysedPeriod(b25, statcontrol::fiveBySix, last), "period");
    std::printf("analysed period 5 x 6 of B25:                %8.2f ms (batches %s … %s)\n",
                milliseconds(clock), period.used.front().date.russian().c_str(),
                period.used.back().date.russian().c_str());

    // Two batches of the class a day: the chart's batches are those after this day.
    const journal::Date until = dayOf(days - 1 - chartBatches / batchesPerClassAndDay);
    clock.restart();
    const auto chart = valueOf(store->controlChart(b25, statcontrol::fiveBySix, until), "chart");
    std::printf("control chart inputs (%zu batches after %s): %8.2f ms\n", chart.batches.size(),
                until.russian().c_str(), milliseconds(clock));
    chartcli::ChartOutput output {
        folder.filePath("chart.emf"), {800, 500}, statcontrol::ChartFileFormat::Emf};
    if (chartcli::writeControlChart(chart.form, chart.strengths(), output, "registerbench",
                                    std::cerr)
        != cli::Success)
        return 1;
    std::printf("  and the chart drawn and written as EMF:    %8.2f ms\n", milliseconds(clock));

    for (const auto &[name, filter] :
         {std::pair {"whole register", journal::BatchFilter {}},
          std::pair {"class B25     ", journal::BatchFilter {b25.value, {}, {}}}}) {
        clock.restart();
        const auto page = valueOf(store->batches(filter, std::nullopt, 100), "list");
        const double first = milliseconds(clock);
        const auto count = valueOf(store->countBatches(filter), "count");
        const double counting = milliseconds(clock);
        valueOf(store->batches(filter, std::nullopt, 100, true), "list");
        const double newest = milliseconds(clock);
        std::printf("list, %s: first page of %zu %6.2f ms, newest first %6.2f ms, "
                    "count (%lld) %6.2f ms\n",
                    name, page.size(), first, newest, static_cast<long long>(count), counting);
    }

    // The window opens the register itself, as the program does.
    clock.restart();
    journal::TfmRegister window(address, {});
    window.showRegister();
    QCoreApplication::processEvents();
    std::printf("register window shown with its first screen: %8.2f ms (%d rows fetched)\n",
                milliseconds(clock), window.batchList()->rowCount());
    return 0;
}
