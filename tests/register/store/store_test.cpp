#include "storefixture.h"

#include "register/core/csvexport.h"
#include "register/store/schema.h"

#include <algorithm>

namespace registertest {

namespace {

using journal::Batch;
using journal::BatchFilter;
using journal::BatchId;
using journal::Date;

Date day(const char *text)
{
    return *Date::parse(text);
}

std::string exported(const journal::Store &store, const BatchFilter &filter = {})
{
    std::string text;
    valueOf(store.exportCsv(filter, [&](std::string_view piece) {
        text += piece;
        return true;
    }));
    return text;
}

std::vector<std::string> labelsOf(const std::vector<journal::BatchRow> &rows)
{
    std::vector<std::string> labels;
    for (const auto &row : rows)
        labels.push_back(row.label);
    return labels;
}

class Changes : public StoreTest
{
};

TEST_P(Changes, KeepTheOldStatesInTheHistoryAndHideDeletedBatches)
{
    auto store = open();
    ASSERT_TRUE(store);
    const Batch a = makeBatch("05.01.2024", "A", {"20", "21,5", "22"});
    const Batch b = makeBatch("05.01.2024", "B", {"30"});
    const BatchId idA = valueOf(store->add(a));
    const BatchId idB = valueOf(store->add(b));
    EXPECT_LT(idA, idB);
    EXPECT_EQ(messageOf(store->add(makeBatch("05.01.2024", "A", {"1"}))),
              "Партия «A» класса В25 от 05.01.2024 уже есть в журнале.");

    Batch first = a;
    first.note = "пересчитана";
    valueOf(store->replace(idA, first));
    Batch edited = first;
    edited.samples.push_back(makeBatch("05.01.2024", "A", {"20,1"}).samples.front());
    valueOf(store->replace(idA, edited));
    Batch clash = edited;
    clash.label = "B";
    EXPECT_EQ(messageOf(store->replace(idA, clash)),
              "Партия «B» класса В25 от 05.01.2024 уже есть в журнале.");
    Batch empty = edited;
    empty.samples.clear();
    EXPECT_EQ(messageOf(store->replace(idA, empty)),
              "Партия «A» класса В25 от 05.01.2024: у партии нет ни одного образца.");

    valueOf(store->remove(idB));
    EXPECT_EQ(messageOf(store->remove(idB)), "В журнале нет партии № " + std::to_string(idB) + ".");
    EXPECT_EQ(messageOf(store->batch(idB)), "В журнале нет партии № " + std::to_string(idB) + ".");
    EXPECT_EQ(messageOf(store->replace(idB, b)),
              "В журнале нет партии № " + std::to_string(idB) + ".");
    const BatchId again = valueOf(store->add(b)); // the key of a deleted batch is free
    EXPECT_GT(again, idB);

    store.reset();
    store = open();
    ASSERT_TRUE(store);
    EXPECT_EQ(valueOf(store->batch(idA)), edited);
    const auto historyA = valueOf(store->history(idA));
    ASSERT_EQ(historyA.size(), 2u);
    EXPECT_FALSE(historyA[0].deleted);
    EXPECT_EQ(historyA[0].batch, a);
    EXPECT_EQ(historyA[1].batch, first);
    EXPECT_EQ(historyA[0].recordedAt.size(), std::string("2024-01-05T10:15:30.123Z").size());
    const auto historyB = valueOf(store->history(idB));
    ASSERT_EQ(historyB.size(), 1u);
    EXPECT_TRUE(historyB[0].deleted);
    EXPECT_EQ(historyB[0].batch, b);
    const auto rows = valueOf(store->batches({}, std::nullopt, 10));
    EXPECT_EQ(labelsOf(rows), std::vector<std::string>({"A", "B"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].sampleCount, 4);
    EXPECT_EQ(rows[0].mean, journal::meanStrength(edited.samples)); // to the last bit
    EXPECT_EQ(rows[0].least, 20);
    EXPECT_EQ(rows[1].id, again);
}

INSTANTIATE_TEST_SUITE_P(Databases, Changes, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

class Lists : public StoreTest
{
};

TEST_P(Lists, PageByDateAndEntryOrderWithTheirFilters)
{
    auto store = open();
    ASSERT_TRUE(store);
    std::vector<Batch> batches;
    // Entered out of date order: 30 batches over 10 days, classes 25, 22,5 and 30 in turn.
    for (int i = 0; i < 30; ++i) {
        const std::string date = std::to_string(10 + (i * 7) % 10) + ".02.2024";
        const journal::ConcreteClass c = i % 3 == 0   ? journal::ConcreteClass {25, "25"}
                                         : i % 3 == 1 ? journal::ConcreteClass {22.5, "22,5"}
                                                      : journal::ConcreteClass {30, "30"};
        batches.push_back(makeBatch(date.c_str(), std::to_string(i).c_str(), {"20", "24"}, c));
    }
    valueOf(store->import(batches));
    std::vector<Batch> inOrder = batches;
    std::stable_sort(inOrder.begin(), inOrder.end(),
                     [](const Batch &x, const Batch &y) { return x.date < y.date; });

    const auto pages = [&](const BatchFilter &filter, bool newestFirst) {
        std::vector<std::string> labels;
        std::optional<journal::ListPosition> after;
        for (;;) {
            const auto page = valueOf(store->batches(filter, after, 7, newestFirst));
            if (page.empty())
                return labels;
            for (const auto &row : page)
                labels.push_back(row.label);
            after = journal::ListPosition {page.back().date, page.back().id};
        }
    };
    const auto expected = [&](const BatchFilter &filter, bool newestFirst) {
        std::vector<std::string> labels;
        for (const Batch &b : inOrder) {
            if ((!filter.classValue || b.concreteClass.value == *filter.classValue)
                && (!filter.from || b.date >= *filter.from) && (!filter.to || b.date <= *filter.to))
                labels.push_back(b.label);
        }
        if (newestFirst)
            std::reverse(labels.begin(), labels.end());
        return labels;
    };
    const BatchFilter filters[] = {{},
                                   {22.5, std::nullopt, std::nullopt},
                                   {std::nullopt, day("12.02.2024"), day("15.02.2024")},
                                   {25, day("15.02.2024"), std::nullopt},
                                   {30, std::nullopt, day("01.01.2024")}};
    for (const BatchFilter &filter : filters) {
        for (bool newestFirst : {false, true}) {
            const auto labels = pages(filter, newestFirst);
            EXPECT_EQ(labels, expected(filter, newestFirst));
            EXPECT_EQ(valueOf(store->countBatches(filter)),
                      static_cast<std::int64_t>(labels.size()));
        }
    }
    const auto classes = valueOf(store->classes());
    EXPECT_EQ(classes,
              std::vector<journal::ConcreteClass>({{22.5, "22,5"}, {25, "25"}, {30, "30"}}));
}

INSTANTIATE_TEST_SUITE_P(Databases, Lists, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

class Imports : public StoreTest
{
};

const std::string goodFile
    = "дата;класс;партия;прочность\n01.01.2024;25;1;20\n01.01.2024;25;1;21\n";

struct BadFile
{
    const char *name;
    std::string bytes;
    std::vector<std::string> lines; // the message after its first line
};

const std::vector<BadFile> badFiles {
    {"empty", "", {"строка 1: нет строки заголовка (дата;класс;партия;прочность)"}},
    {"no strength column",
     "\n\nдата;класс;партия;прочн\n01.01.2024;25;1;20\n",
     {"строка 3: в заголовке нет столбца «прочность» (strength)"}},
    {"a column twice",
     "дата;класс;партия;прочность;Date\n",
     {"строка 1: столбец «дата» назван дважды"}},
    {"every bad line",
     "дата;класс;партия;прочность;возраст;примечание\r\n"
     "02.01.2024;25;2;20;;\r\n"
     "02.01.2024;25;2;12,x;;\r\n"
     "31.02.2024;25;2;20;;\r\n"
     "02.01.2024;25;2;-3;;\r\n"
     "02.01.2024;B2x5;2;20;;\r\n"
     "02.01.2024;25;2\r\n"
     "02.01.2024;25;2;20;7,5;\r\n"
     "02.01.2024;25;2;20;;;лишнее\r\n"
     "02.01.2024;25;2;20;;\"не закрыта\r\n"
     "2024/01/02;25;2;20;;\r\n"
     "02.01.2024;25;;20;;\x01\r\n"
     "02.01.2024;25;2;1E9;;\r\n"
     "02.01.2024;25;2;21;;\r\n",
     {"строка 3: «12,x» — не число", "строка 4: «31.02.2024» — такой даты нет",
      "строка 5: «-3» — отрицательная прочность",
      "строка 6: «B2x5» — не класс бетона (25, B25 или В25)",
      "строка 7: нет значения в столбце «прочность»",
      "строка 8: «7,5» — не возраст в сутках (целое число больше нуля)",
      "строка 9: больше значений, чем столбцов в заголовке", "строка 10: кавычка не закрыта",
      "строка 11: «2024/01/02» — не дата (ДД.ММ.ГГГГ или ГГГГ-ММ-ДД)",
      "строка 12: управляющий знак в столбце «примечание»",
      "строка 13: «1E9» — прочность больше 1000 МПа"}},
    {"a batch the register has",
     "date;class;batch;strength\n03.01.2024;25;3;20\n01.01.2024;B25;1;22\n",
     {"строка 3: партия «1» класса В25 от 01.01.2024 уже есть в журнале"}},
};

TEST_P(Imports, RefusedFilesNameEveryBadLineAndLeaveTheRegisterAsItWas)
{
    auto store = open();
    ASSERT_TRUE(store);
    const auto summary = valueOf(store->importCsv(goodFile));
    EXPECT_EQ(std::pair(summary.batches, summary.samples),
              std::pair(std::size_t {1}, std::size_t {2}));
    const std::string before = exported(*store);
    for (const BadFile &file : badFiles) {
        SCOPED_TRACE(file.name);
        std::string message = "Файл не загружен, в журнал ничего не добавлено:";
        for (const std::string &line : file.lines)
            message += "\n" + line;
        EXPECT_EQ(messageOf(store->importCsv(file.bytes)), message);
        EXPECT_EQ(exported(*store), before);
    }
    // Stopped half-way from its progress: nothing added either.
    std::string large = "дата;класс;партия;прочность\n";
    for (int i = 0; i < 1000; ++i)
        large += "04.01.2024;25;" + std::to_string(i) + ";20\n";
    std::size_t calls = 0;
    EXPECT_EQ(messageOf(store->importCsv(large,
                                         [&](std::size_t done, std::size_t total) {
                                             EXPECT_EQ(total, 1000u);
                                             return ++calls < 5 && done < total;
                                         })),
              "Загрузка прервана; в журнал ничего не добавлено.");
    EXPECT_EQ(calls, 5u);
    EXPECT_EQ(exported(*store), before);
}

TEST_P(Imports, ExportThenImportIntoAnEmptyRegisterGivesTheSameRegister)
{
    auto store = open();
    ASSERT_TRUE(store);
    valueOf(
        store->importCsv("\xEF\xBB\xBF"
                         "Дата\tКласс\tПартия\tЗавод\tПрочность\tВозраст\tПримечание\r\n"
                         "2024-03-01\tВ22,5\t\"7;\"\"б\"\"\"\tСеверный\t21.5\t7\tшов; трещина\r\n"
                         "2024-03-01\tВ22,5\t\"7;\"\"б\"\"\"\tСеверный\t+3,8E1\t\t\r\n"
                         "2024-02-28\t25\t\t\t30\t\tпосле пропаривания\r\n"
                         "2024-03-01\t25\t1\t\t31,25\t\t\r\n"));
    const BatchId kept = valueOf(store->add(makeBatch("29.02.2024", "8", {"26", "27"})));
    const BatchId gone = valueOf(store->add(makeBatch("29.02.2024", "9", {"26"})));
    Batch edited = makeBatch("01.03.2024", "8", {"28,0"});
    edited.note = "заменена";
    valueOf(store->replace(kept, edited));
    valueOf(store->remove(gone));

    const std::string file = exported(*store);
    const auto other = newRegister();
    auto copy = open(&other);
    ASSERT_TRUE(copy);
    const auto summary = valueOf(copy->importCsv(file));
    EXPECT_EQ(std::pair(summary.batches, summary.samples),
              std::pair(std::size_t {4}, std::size_t {5}));
    EXPECT_EQ(exported(*copy), file);
    const auto rows = valueOf(store->batches({}, std::nullopt, 10));
    const auto copied = valueOf(copy->batches({}, std::nullopt, 10));
    ASSERT_EQ(copied.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(valueOf(copy->batch(copied[i].id)), valueOf(store->batch(rows[i].id))) << i;
    EXPECT_EQ(exported(*copy, {25, day("01.03.2024"), day("01.03.2024")}),
              journal::csvHead() + "01.03.2024;25;1;;31,25;28;\r\n"
                  + "01.03.2024;25;8;;28,0;28;заменена\r\n");
}

INSTANTIATE_TEST_SUITE_P(Databases, Imports, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

class Periods : public StoreTest
{
};

TEST_P(Periods, DrawnFromTheBatchesNotDeletedWithTheirFirstSamples)
{
    auto store = open();
    ASSERT_TRUE(store);
    const char *six[] = {"22", "23", "24", "25", "26", "27"};
    std::vector<const char *> samples(std::begin(six), std::end(six));
    std::vector<Batch> batches {
        makeBatch("01.02.2024", "old", samples),
        makeBatch("02.02.2024", "short", {"22", "23", "24", "25", "26"}),
        makeBatch("03.02.2024", "p1", samples),
        makeBatch("04.02.2024", "p3", samples),
        makeBatch("03.02.2024", "p2", samples),
        makeBatch("04.02.2024", "gone", samples),
        makeBatch("04.02.2024", "other class", samples, {30, "30"}),
        makeBatch("05.02.2024", "p4", {"22", "23", "24", "25", "26", "27", "99"}),
        makeBatch("05.02.2024", "p5", samples),
        makeBatch("06.02.2024", "after 1", {"23", "24"}),
        makeBatch("07.02.2024", "after 2", {"19", "19,1"}),
    };
    for (Batch &b : batches)
        b.concreteClass
            = b.label == "other class" ? b.concreteClass : journal::ConcreteClass {20, "20"};
    valueOf(store->import(batches));
    const auto rows = valueOf(store->batches({}, std::nullopt, 20));
    const auto gone
        = std::find_if(rows.begin(), rows.end(), [](const auto &r) { return r.label == "gone"; });
    ASSERT_NE(gone, rows.end());
    valueOf(store->remove(gone->id));

    const auto period
        = valueOf(store->analysedPeriod({20, "20"}, statcontrol::fiveBySix, day("05.02.2024")));
    std::vector<std::string> used;
    for (const auto &batch : period.used)
        used.push_back(batch.label);
    EXPECT_EQ(used, std::vector<std::string>({"p1", "p2", "p3", "p4", "p5"}));
    for (const auto &edits : period.batches.edR)
        EXPECT_EQ(edits, std::vector<std::string>(samples.begin(), samples.end()));
    EXPECT_EQ(period.choice.edB, "20");
    EXPECT_EQ(
        messageOf(store->analysedPeriod({20, "20"}, statcontrol::fiveBySix, day("04.02.2024"))),
        "Для анализируемого периода нужно 5 партий класса В20 с датой по 04.02.2024 "
        "включительно, в каждой не менее 6 образцов; в журнале их 4.");

    const auto chart
        = valueOf(store->controlChart({20, "20"}, statcontrol::fiveBySix, day("05.02.2024")));
    EXPECT_EQ(chart.form.edRy, "23,1");
    EXPECT_EQ(chart.form.edRcor2, "20,6");
    EXPECT_EQ(chart.form.edCountParty, "2");
    EXPECT_EQ(chart.strengths(), std::vector<std::string>({"23,5", "19,1"}));
    ASSERT_EQ(chart.batches.size(), 2u);
    EXPECT_EQ(chart.batches[1].zone, journal::Zone::BeyondCorrection);
}

INSTANTIATE_TEST_SUITE_P(Databases, Periods, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

class Schema : public StoreTest
{
};

TEST_P(Schema, ANewerRegisterIsRefusedAndAFileJournalsAhead)
{
    {
        auto store = open();
        ASSERT_TRUE(store);
        valueOf(store->add(makeBatch("01.01.2024", "1", {"20"})));
    }
    if (GetParam() == Engine::Sqlite) {
        EXPECT_EQ(valueDirectly("PRAGMA journal_mode"), "wal");
    }
    EXPECT_EQ(valueDirectly("SELECT value FROM register_meta WHERE name = 'schema_version'"),
              std::to_string(journal::schemaVersion));
    runDirectly("UPDATE register_meta SET value = '" + std::to_string(journal::schemaVersion + 1)
                + "' WHERE name = 'schema_version'");
    const auto opened = journal::Store::open(m_address);
    ASSERT_TRUE(std::holds_alternative<common::Failure>(opened));
    EXPECT_EQ(std::get<common::Failure>(opened).message,
              "Журнал испытаний (" + journal::describe(m_address)
                  + ") записан более новой версией программы (версия схемы 2, эта программа "
                    "знает версии до 1); откройте его новой версией ЛОВИЗ.");
    EXPECT_EQ(valueDirectly("SELECT COUNT(*) FROM register_batch"), "1");
}

INSTANTIATE_TEST_SUITE_P(Databases, Schema, testing::Values(Engine::Sqlite, Engine::Postgres),
                         engineName);

} // namespace

} // namespace registertest
