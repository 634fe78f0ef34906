#include "statcontrol/core/analysedperiod.h"
#include "statcontrol/core/formfields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using statcontrol::BatchForm;
using statcontrol::Scheme;
using statcontrol::SchemeForm;

// Every batch of the scheme with the same samples.
BatchForm everyBatch(const Scheme &scheme, const std::vector<std::string> &samples)
{
    BatchForm form(scheme);
    for (auto &batch : form.edR)
        batch = samples;
    return form;
}

bool containsRun(const std::vector<std::string> &lines, const std::vector<std::string> &run)
{
    return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

TEST(AnalysedPeriod, WholeReportOfTheFiveBySixExample)
{
    BatchForm form = everyBatch(statcontrol::fiveBySix, {"22", "23", "24", "25", "26", "27"});
    SchemeForm choice;
    choice.edB = "20";
    const auto result = statcontrol::analysedPeriodReport(statcontrol::fiveBySix, form, choice);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    EXPECT_EQ(report.caption(7), "Расчет стат. характеристик прочности. Окно №7");
    std::vector<std::string> expected {"", "1. ДАННЫЕ ДЛЯ ПРОВЕДЕНИЯ СТАТ. КОНТРОЛЯ", "",
                                       "Число партий в анализируемом периоде - 5",
                                       "Число выборок в партии - 6"};
    for (const char *batch : {"в 1-й", "во 2-й", "в 3-й", "в 4-й", "в 5-й"}) {
        expected.push_back(std::string("Прочность ") + batch + " партии:");
        for (int j = 1; j <= 6; ++j)
            expected.push_back(std::to_string(j) + "-я выборка - " + std::to_string(21 + j)
                               + " МПа");
    }
    const std::vector<std::pair<std::string, std::string>> lists {
        {"Средняя прочность в партиях, МПа:", "24,5"},
        {"Среднеквадратические отклонения в партиях:", "2,00"},
        {"Коэфициенты вариации в партиях:", "8,16"}};
    expected.insert(expected.end(),
                    {"", "2. РАСЧЕТНЫЕ ХАРАКТЕРИСТИКИ ДЛЯ ПРОВЕДЕНИЯ КОНТРОЛИРУЕМОГО ПЕРИОДА", ""});
    for (const auto &[title, value] : lists) {
        expected.push_back(title);
        for (int k = 1; k <= 5; ++k)
            expected.push_back(std::to_string(k) + "-я партия " + value);
        expected.push_back("");
    }
    expected.insert(
        expected.end(),
        {"Межпартионный коэфициент вариации: 8,16", "", "Средний уровень прочности: 23,1 МПа", "",
         "Верхний предел предупреждения: 24,7 МПа", "Нижний предел предупреждения: 21,5 МПа", "",
         "Верхний предел корректирования: 25,7 МПа", "Нижний предел корректирования: 20,6 МПа"});
    EXPECT_EQ(report.lines, expected);
    EXPECT_EQ(form.page, 4);
}

struct PeriodCase
{
    const char *name;
    const Scheme *scheme;
    std::function<void(BatchForm &, SchemeForm &)> setup;
    std::vector<std::string> run; // lines that follow one another in the report, or the message
    int page;                     // the tab left on view
};

class AnalysedPeriodCases : public testing::TestWithParam<PeriodCase>
{
};

TEST_P(AnalysedPeriodCases, GiveTheirFiguresOrTheMessage)
{
    const PeriodCase &c = GetParam();
    BatchForm form(*c.scheme);
    SchemeForm choice;
    choice.edB = "20";
    c.setup(form, choice);
    const auto result = statcontrol::analysedPeriodReport(*c.scheme, form, choice);
    if (const auto *failure = std::get_if<common::Failure>(&result))
        EXPECT_EQ(std::vector<std::string> {failure->message}, c.run);
    else
        EXPECT_TRUE(containsRun(std::get<common::Report>(result).lines, c.run));
    EXPECT_EQ(form.page, c.page);
}

std::vector<std::string> limits(const char *level, const char *upperWarning,
                                const char *lowerWarning, const char *upperCorrection,
                                const char *lowerCorrection)
{
    const std::string mpa = " МПа";
    return {std::string("Средний уровень прочности: ") + level + mpa,
            "",
            std::string("Верхний предел предупреждения: ") + upperWarning + mpa,
            std::string("Нижний предел предупреждения: ") + lowerWarning + mpa,
            "",
            std::string("Верхний предел корректирования: ") + upperCorrection + mpa,
            std::string("Нижний предел корректирования: ") + lowerCorrection + mpa};
}

template<class... Lines>
std::vector<std::string> join(std::vector<std::string> first, Lines... rest)
{
    (first.insert(first.end(), rest.begin(), rest.end()), ...);
    return first;
}

const std::vector<std::string> inputError {statcontrol::inputError};

std::string caseName(const testing::TestParamInfo<PeriodCase> &info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysedPeriodCases,
    testing::Values(
        PeriodCase {"TenByThreeExample", &statcontrol::tenByThree,
                    [](BatchForm &f, SchemeForm &) {
                        f = everyBatch(statcontrol::tenByThree, {"20", "21", "22"});
                    },
                    join({"10-я партия 5,64", "", "Межпартионный коэфициент вариации: 5,64", ""},
                         limits("21,7", "23,1", "20,4", "23,8", "19,6")),
                    9},
        PeriodCase {
            "SamplesEchoedAsTyped",
            &statcontrol::fiveBySix,
            [](BatchForm &f, SchemeForm &) {
                f = everyBatch(statcontrol::fiveBySix, {"22", "23", "24", "25", "26", "27"});
                f.edR[4][5] = "25,30";
            },
            {"6-я выборка - 25,30 МПа", "",
             "2. РАСЧЕТНЫЕ ХАРАКТЕРИСТИКИ ДЛЯ ПРОВЕДЕНИЯ "
             "КОНТРОЛИРУЕМОГО ПЕРИОДА"},
            4},
        // All six equal: S = V = 0, and the batch still counts in Vm and W.
        PeriodCase {
            "EqualSamplesStillCount", &statcontrol::fiveBySix,
            [](BatchForm &f, SchemeForm &) {
                f = everyBatch(statcontrol::fiveBySix, {"22", "23", "24", "25", "26", "27"});
                f.edR[0] = {"25", "25", "25", "25", "25", "25"};
            },
            join({"Коэфициенты вариации в партиях:", "1-я партия 0,00", "2-я партия 8,16",
                  "3-я партия 8,16", "4-я партия 8,16", "5-я партия 8,16", "",
                  "Межпартионный коэфициент вариации: 6,53", ""},
                 limits("22,1", "23,4", "20,8", "24,1", "20,1")),
            4},
        PeriodCase {"NegativeSamples",
                    &statcontrol::tenByThree,
                    [](BatchForm &f, SchemeForm &) {
                        f = everyBatch(statcontrol::tenByThree, {"20", "21", "22"});
                        f.edR[9] = {"-10", "-11", "-12"};
                    },
                    {"10-я партия -11,0"},
                    9},
        PeriodCase {
            "BatchWithMeanZero", &statcontrol::fiveBySix,
            [](BatchForm &f, SchemeForm &) {
                f = everyBatch(statcontrol::fiveBySix, {"22", "23", "24", "25", "26", "27"});
                f.edR[2] = {"-3", "-2", "-1", "1", "2", "3"};
            },
            inputError, 2},
        PeriodCase {"NothingTyped", &statcontrol::tenByThree, [](BatchForm &, SchemeForm &) {},
                    inputError, 0},
        PeriodCase {"SampleNoNumber", &statcontrol::tenByThree,
                    [](BatchForm &f, SchemeForm &) {
                        f = everyBatch(statcontrol::tenByThree, {"20", "21", "22"});
                        f.edR[6][1] = "21.5";
                    },
                    inputError, 6},
        PeriodCase {
            "SpecifiedStrengthNoNumber", &statcontrol::fiveBySix,
            [](BatchForm &f, SchemeForm &choice) {
                f = everyBatch(statcontrol::fiveBySix, {"22", "23", "24", "25", "26", "27"});
                choice.edB = "";
            },
            inputError, 4}),
    caseName);

TEST(AnalysedPeriod, SampleLabelsWithTheirVariants)
{
    using statcontrol::sampleLabel;
    EXPECT_EQ(sampleLabel(statcontrol::fiveBySix, 1, 1),
              "Введите среднюю прочность в 1-й выборке, МПа");
    EXPECT_EQ(sampleLabel(statcontrol::fiveBySix, 1, 2),
              "Введите среднюю прочность во 2-й выборке, МПа");
    EXPECT_EQ(sampleLabel(statcontrol::fiveBySix, 2, 1),
              "Введите среднюю  прочность в  1-й выборке");
    EXPECT_EQ(sampleLabel(statcontrol::fiveBySix, 3, 6), "Введите среднюю прочность в 6-й выборке");
    EXPECT_EQ(sampleLabel(statcontrol::tenByThree, 2, 2),
              "Введите среднюю  прочность во  2-й выборке, МПа");
    EXPECT_EQ(sampleLabel(statcontrol::tenByThree, 2, 3),
              "Введите среднюю прочность в 3-й выборке, МПа");
    EXPECT_EQ(sampleLabel(statcontrol::tenByThree, 3, 1),
              "Введите среднюю прочность в 1-й выборке, МПа");
}

} // namespace
