#include "register/core/csvexport.h"
#include "register/core/csvimport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

template<class Case> std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

using journal::Batch;
using journal::Sample;

Batch batch(const char *date, journal::ConcreteClass c, std::string label,
            std::vector<Sample> samples, std::string plant = {}, std::string note = {})
{
    return {*journal::Date::parse(date),
            std::move(c),
            std::move(label),
            std::move(plant),
            std::move(note),
            std::move(samples)};
}

struct ReadingCase
{
    const char *name;
    std::string bytes;
    std::vector<Batch> batches;
};

class CsvReading : public testing::TestWithParam<ReadingCase>
{
};

TEST_P(CsvReading, GivesTheBatchesWithTheirSamplesInRowOrder)
{
    const auto result = journal::readCsv(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<journal::CsvBatches>(result))
        << std::get<journal::CsvRefusal>(result).message();
    EXPECT_EQ(std::get<journal::CsvBatches>(result).batches, GetParam().batches);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvReading,
    testing::Values(
        ReadingCase {"RussianSemicolonsCrLf",
                     "дата;класс;партия;прочность\r\n"
                     "05.01.2024;В25;17;25,3\r\n"
                     "5.1.2024;25;17;26\r\n"
                     "06.01.2024;b 25;18;+24,0e0\r\n",
                     {batch("05.01.2024", {25, "25"}, "17", {{25.3, "25,3"}, {26, "26"}}),
                      batch("06.01.2024", {25, "25"}, "18", {{24, "+24,0e0"}})}},
        // Any order and letter case, English names, commas between the fields, decimal points
        // (a decimal comma in quotes), ISO dates, LF.
        ReadingCase {
            "EnglishCommasPoints",
            "Strength,DATE,Batch,Class,Comment\n"
            "30.5,2024-02-29,A-1,B22.5,x\n"
            "\"31,5\",2024-02-29,A-1,\"22,5\",y\n",
            {batch("29.02.2024", {22.5, "22,5"}, "A-1", {{30.5, "30,5"}, {31.5, "31,5"}})}},
        ReadingCase {"TabsBomAgesPlantsNotes",
                     "\xEF\xBB\xBF"
                     "Партия\tДата\tКласс\tВОЗРАСТ\tЗавод\tПрочность\tПримечание\n"
                     "1\t01.03.2024\tB30\t7\tСеверный\t21,5\t\"на \"\"ускоренном\"\"\"\n"
                     "1\t01.03.2024\tB30\t\tСеверный\t38\tпосле пропаривания\n"
                     "1\t01.03.2024\tB30\t28\tЮжный\t37\t\n",
                     {batch("01.03.2024", {30, "30"}, "1", {{21.5, "21,5", 7}, {38, "38"}},
                            "Северный", "на \"ускоренном\"; после пропаривания"),
                      batch("01.03.2024", {30, "30"}, "1", {{37, "37"}}, "Южный")}},
        ReadingCase {"Windows1251",
                     "\xE4\xE0\xF2\xE0;\xEA\xEB\xE0\xF1\xF1;\xEF\xE0\xF0\xF2\xE8\xFF;"
                     "\xEF\xF0\xEE\xF7\xED\xEE\xF1\xF2\xFC;\xEF\xF0\xE8\xEC\xE5\xF7\xE0\xED"
                     "\xE8\xE5\r\n"
                     "02.04.2024;15;\xB9"
                     "5;19,9;\xF1\xEA\xEE\xE2\xE0\xED\xEE\r\n",
                     {batch("02.04.2024", {15, "15"}, "№5", {{19.9, "19,9"}}, "", "сковано")}},
        // Rows of one batch need not follow one another; empty rows are passed over; another
        // date, class or plant is another batch.
        ReadingCase {"BatchesGatheredFromTheirRows",
                     "дата;класс;партия;прочность;завод\n"
                     "01.01.2024;25;1;20;\n"
                     ";;;;\n"
                     "\n"
                     "01.01.2024;25;1;21;Б\n"
                     "02.01.2024;25;1;22;\n"
                     "01.01.2024;25,0;1;23;\n"
                     "01.01.2024;30;1;24;\n",
                     {batch("01.01.2024", {25, "25"}, "1", {{20, "20"}, {23, "23"}}),
                      batch("01.01.2024", {25, "25"}, "1", {{21, "21"}}, "Б"),
                      batch("02.01.2024", {25, "25"}, "1", {{22, "22"}}),
                      batch("01.01.2024", {30, "30"}, "1", {{24, "24"}})}},
        ReadingCase {"HeaderOnly", "дата;класс;партия;прочность\r\n", {}}),
    caseName<ReadingCase>);

// What export writes, import reads back as it was.
TEST(CsvWriting, ReadsBackAsWritten)
{
    const std::vector<Batch> batches {batch("01.03.2024", {22.5, "22,5"}, "Π;1 \"\"",
                                            {{21.5, "21,5", 7}, {38, "+3,8E1"}}, "Северный",
                                            "шов; трещина"),
                                      batch("02.03.2024", {25, "25"}, "", {{30, "30"}})};
    std::string file = journal::csvHead();
    for (const Batch &b : batches)
        file += journal::csvRows(b);
    EXPECT_TRUE(
        file.starts_with("\xEF\xBB\xBF"
                         "дата;класс;партия;завод;прочность;возраст;примечание\r\n"
                         "01.03.2024;22,5;\"Π;1 \"\"\"\"\";Северный;21,5;7;\"шов; трещина\"\r\n"))
        << file;
    const auto read = journal::readCsv(file);
    ASSERT_TRUE(std::holds_alternative<journal::CsvBatches>(read));
    EXPECT_EQ(std::get<journal::CsvBatches>(read).batches, batches);
}

// Damaged files: whatever the bytes, a file is read or refused, and what is read the register
// can take.
TEST(CsvReading, DamagedFilesAreReadOrRefusedWhole)
{
    const std::string good = "\xEF\xBB\xBF"
                             "дата;класс;партия;прочность;возраст;завод;примечание\r\n"
                             "05.01.2024;В25;17;25,3;7;Северный;\"a;b\"\r\n"
                             "2024-01-05;22.5;18;26;;;\r\n"
                             "06.01.2024;b 25;18;+24,0e0;28;Южный;шов\r\n";
    std::mt19937 random(20240105);
    for (int round = 0; round < 3000; ++round) {
        std::string file = good;
        for (int change = 1 + static_cast<int>(random() % 4); change > 0; --change) {
            const std::size_t at = random() % file.size();
            switch (random() % 4) {
            case 0:
                file[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                file.erase(at, 1 + random() % 8);
                break;
            case 2:
                file.insert(at, 1, "\";,\t\r\n.-9e"[random() % 10]);
                break;
            default:
                file.resize(at);
                break;
            }
            if (file.empty())
                file = "x";
        }
        const auto result = journal::readCsv(file);
        if (const auto *read = std::get_if<journal::CsvBatches>(&result)) {
            for (const Batch &b : read->batches)
                EXPECT_EQ(journal::problemOf(b), "") << file;
        } else {
            EXPECT_FALSE(std::get<journal::CsvRefusal>(result).problems.empty()) << file;
        }
    }
}

} // namespace
