#include "register/core/period.h"
#include "statcontrol/core/formfields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

template<class Case> std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

using journal::BatchId;
using journal::ConcreteClass;
using journal::Date;
using journal::PeriodCandidate;

Date day(const char *text)
{
    return *Date::parse(text);
}

// A batch of the register with `samples` samples whose texts tell it apart: "<id>,<sample>".
PeriodCandidate candidate(BatchId id, const char *date, int samples, ConcreteClass c = {25, "25"})
{
    PeriodCandidate batch {id, day(date), c, "партия " + std::to_string(id), "", samples, {}};
    for (int j = 1; j <= samples; ++j)
        batch.strengths.push_back(std::to_string(id) + "," + std::to_string(j));
    return batch;
}

struct SelectionCase
{
    const char *name;
    const statcontrol::Scheme *scheme;
    std::vector<PeriodCandidate> candidates;
    const char *until;
    std::vector<BatchId> used; // batch 1 first; none: the message
    std::string message;
    std::string edB = "25";
};

class Selection : public testing::TestWithParam<SelectionCase>
{
};

TEST_P(Selection, TakesTheLastBatchesOrSaysHowManyThereAre)
{
    const SelectionCase &c = GetParam();
    const auto result
        = journal::selectAnalysedPeriod(c.candidates, {25, "25"}, *c.scheme, day(c.until));
    if (c.used.empty()) {
        ASSERT_TRUE(std::holds_alternative<common::Failure>(result));
        EXPECT_EQ(std::get<common::Failure>(result).message, c.message);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<journal::AnalysedPeriod>(result))
        << std::get<common::Failure>(result).message;
    const auto &period = std::get<journal::AnalysedPeriod>(result);
    std::vector<BatchId> used;
    for (const PeriodCandidate &batch : period.used)
        used.push_back(batch.id);
    EXPECT_EQ(used, c.used);
    ASSERT_EQ(period.batches.edR.size(), c.used.size());
    for (std::size_t k = 0; k < c.used.size(); ++k) {
        std::vector<std::string> first;
        for (int j = 1; j <= c.scheme->samples; ++j)
            first.push_back(std::to_string(c.used[k]) + "," + std::to_string(j));
        EXPECT_EQ(period.batches.edR[k], first) << "batch " << k + 1;
    }
    EXPECT_EQ(period.choice.edB, c.edB);
    EXPECT_EQ(&statcontrol::schemeOf(period.choice), c.scheme);
}

const auto *const five = &statcontrol::fiveBySix;
const auto *const ten = &statcontrol::tenByThree;

std::vector<PeriodCandidate> tenBatchesOfThree()
{
    std::vector<PeriodCandidate> batches;
    for (int id = 1; id <= 12; ++id)
        batches.push_back(candidate(id, id <= 6 ? "01.03.2024" : "02.03.2024", 3));
    batches[8].sampleCount = 2; // batch 9 has only two samples
    batches[8].strengths.pop_back();
    return batches;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Selection,
    testing::Values(
        // Dates decide before the entry order, which decides among batches of one day.
        SelectionCase {"ByDateThenEntryOrder",
                       five,
                       {candidate(1, "10.01.2024", 6), candidate(2, "05.01.2024", 6),
                        candidate(7, "07.01.2024", 6), candidate(4, "07.01.2024", 6),
                        candidate(5, "01.01.2024", 6), candidate(6, "12.01.2024", 6),
                        candidate(3, "07.01.2024", 6)},
                       "31.12.2024",
                       {3, 4, 7, 1, 6},
                       {}},
        SelectionCase {"UntilTheDayInclusive",
                       five,
                       {candidate(1, "01.01.2024", 6), candidate(2, "02.01.2024", 6),
                        candidate(3, "03.01.2024", 6), candidate(4, "04.01.2024", 6),
                        candidate(5, "05.01.2024", 6), candidate(6, "05.01.2024", 6),
                        candidate(7, "06.01.2024", 6)},
                       "05.01.2024",
                       {2, 3, 4, 5, 6},
                       {}},
        // Fewer samples than the scheme needs: passed over; more: the first ones.
        SelectionCase {"BatchesWithTooFewSamplesPassedOver",
                       five,
                       {candidate(1, "01.01.2024", 6), candidate(2, "02.01.2024", 9),
                        candidate(3, "03.01.2024", 5), candidate(4, "04.01.2024", 6),
                        candidate(5, "05.01.2024", 7), candidate(6, "06.01.2024", 6),
                        candidate(7, "07.01.2024", 1)},
                       "31.01.2024",
                       {1, 2, 4, 5, 6},
                       {}},
        // Another class is passed over; one typed differently is the same class, and edB is
        // the newest batch's text.
        SelectionCase {"ClassByItsNumber",
                       five,
                       {candidate(1, "01.01.2024", 6),
                        candidate(2, "02.01.2024", 6, {22.5, "22,5"}),
                        candidate(3, "03.01.2024", 6), candidate(4, "04.01.2024", 6),
                        candidate(5, "05.01.2024", 6), candidate(6, "06.01.2024", 6, {25, "25,0"})},
                       "31.01.2024",
                       {1, 3, 4, 5, 6},
                       {},
                       "25,0"},
        SelectionCase {"TenByThree",
                       ten,
                       tenBatchesOfThree(),
                       "02.03.2024",
                       {2, 3, 4, 5, 6, 7, 8, 10, 11, 12},
                       {}},
        SelectionCase {"FewerThanK",
                       five,
                       {candidate(1, "01.01.2024", 6), candidate(2, "02.01.2024", 6),
                        candidate(3, "03.01.2024", 5), candidate(4, "04.01.2024", 6),
                        candidate(5, "09.01.2024", 6)},
                       "05.01.2024",
                       {},
                       "Для анализируемого периода нужно 5 партий класса В25 с датой по "
                       "05.01.2024 включительно, в каждой не менее 6 образцов; в журнале их 3."},
        SelectionCase {"NoneAtAll",
                       ten,
                       {candidate(1, "09.01.2024", 3)},
                       "05.01.2024",
                       {},
                       "Для анализируемого периода нужно 10 партий класса В25 с датой по "
                       "05.01.2024 включительно, в каждой не менее 3 образцов; в журнале таких "
                       "нет."}),
    caseName<SelectionCase>);

// The documented example's samples in every batch (B = 20): level 23,1, warning limits 24,7 and
// 21,5, correction limits 25,7 and 20,6.
journal::AnalysedPeriod examplePeriod(const char *sample = nullptr)
{
    std::vector<PeriodCandidate> batches;
    for (int id = 1; id <= 5; ++id) {
        PeriodCandidate c = candidate(id, "01.02.2024", 6, {20, "20"});
        c.strengths = {"22", "23", "24", "25", "26", "27"};
        if (sample)
            c.strengths.assign(6, sample);
        batches.push_back(c);
    }
    return std::get<journal::AnalysedPeriod>(
        journal::selectAnalysedPeriod(batches, {20, "20"}, *five, day("01.02.2024")));
}

journal::ControlledBatch controlled(BatchId id, const char *date, double mean)
{
    return {id, day(date), "", "", mean};
}

TEST(ControlChartInputs, LimitsAsTheReportWritesThemAndEachBatchMeanAfterThePeriod)
{
    using journal::Zone;
    const std::vector<journal::ControlledBatch> after {
        controlled(9, "03.02.2024", 19.04), controlled(10, "02.02.2024", 23.0),
        controlled(11, "01.02.2024", 30.0), // the period's own day: not after it
        controlled(8, "03.02.2024", 24.75), controlled(12, "04.02.2024", 25.65),
        controlled(13, "04.02.2024", 24.7)};
    const auto result = journal::controlChartInputs(examplePeriod(), after, day("01.02.2024"));
    ASSERT_TRUE(std::holds_alternative<journal::ControlChartInputs>(result));
    const auto &inputs = std::get<journal::ControlChartInputs>(result);
    const statcontrol::ControlForm &f = inputs.form;
    EXPECT_EQ(std::vector<std::string>(
                  {f.edRy, f.edRpr1, f.edRpr2, f.edRcor1, f.edRcor2, f.edCountParty}),
              std::vector<std::string>({"23,1", "24,7", "21,5", "25,7", "20,6", "5"}));
    EXPECT_EQ(inputs.strengths(),
              std::vector<std::string>({"23,0", "24,8", "19,0", "25,7", "24,7"}));
    std::vector<Zone> zones;
    for (const auto &batch : inputs.batches)
        zones.push_back(batch.zone);
    EXPECT_EQ(zones, std::vector<Zone>({Zone::Within, Zone::BeyondWarning, Zone::BeyondCorrection,
                                        Zone::BeyondWarning, Zone::Within}));
}

TEST(ControlChartInputs, RefusedWithoutBatchesAfterThePeriodOrWhenItsCalculationFails)
{
    const auto empty = journal::controlChartInputs(
        examplePeriod(), {controlled(9, "01.02.2024", 20)}, day("01.02.2024"));
    ASSERT_TRUE(std::holds_alternative<common::Failure>(empty));
    EXPECT_EQ(std::get<common::Failure>(empty).message,
              "После 01.02.2024 в журнале нет партий класса В20: контролируемому периоду нечего "
              "показать.");
    const auto zero = journal::controlChartInputs(
        examplePeriod("0"), {controlled(9, "02.02.2024", 20)}, day("01.02.2024"));
    ASSERT_TRUE(std::holds_alternative<common::Failure>(zero));
    EXPECT_EQ(std::get<common::Failure>(zero).message, statcontrol::inputError);
}

// The documented report from the selected forms is what loviz-calc period5 prints for the same
// samples and edB.
TEST(AnalysedPeriodFromTheRegister, ReportAsLovizCalcPrintsIt)
{
    journal::AnalysedPeriod period = examplePeriod();
    period.batches.edR[2][3] = "25,30";
    const auto result
        = statcontrol::analysedPeriodReport(*period.scheme, period.batches, period.choice);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    std::string expected = report.caption(1) + "\n";
    for (const std::string &line : report.lines)
        expected += line + "\n";

    std::string command
        = std::string("'") + LOVIZ_CALC + "' period5 'edB=" + period.choice.edB + "'";
    for (std::size_t k = 0; k < period.batches.edR.size(); ++k) {
        for (std::size_t j = 0; j < period.batches.edR[k].size(); ++j) {
            command += " '" + statcontrol::sampleEditName(int(k) + 1, int(j) + 1) + "="
                       + period.batches.edR[k][j] + "'";
        }
    }
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string printed;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        printed.append(buffer, n);
    EXPECT_EQ(printed, expected);
}

} // namespace
