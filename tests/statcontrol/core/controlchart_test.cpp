#include "statcontrol/core/controlchart.h"

#include <gtest/gtest.h>

namespace {

using statcontrol::ChartPoint;
using statcontrol::ControlChart;
using statcontrol::ControlForm;

ControlForm workedExample()
{
    return {"23,1", "3", "24,7", "21,5", "25,7", "20,6"};
}

struct ChartCase
{
    const char *name;
    ControlForm form;
    std::vector<std::string> answers; // typed at the prompts, in turn
    std::string message;              // empty: filled
    std::size_t prompts;              // how many were asked
};

class ControlChartCases : public testing::TestWithParam<ChartCase>
{
};

TEST_P(ControlChartCases, FillOrEndWithEverySeriesEmpty)
{
    const ChartCase &c = GetParam();
    ControlChart chart = statcontrol::emptyControlChart();
    // What an earlier opening drew goes first.
    chart.series[5].points = {{1, 99}};
    common::ImmediatePrompter prompter({}, c.answers);
    const auto failure = statcontrol::fillControlChart(chart, c.form, prompter);
    EXPECT_EQ(failure ? failure->message : std::string(), c.message);
    EXPECT_EQ(prompter.prompts().size(), c.prompts);
    if (failure) {
        for (const auto &series : chart.series)
            EXPECT_TRUE(series.points.empty()) << series.name;
    }
}

ControlForm with(ControlForm form, std::string ControlForm::*field, std::string text)
{
    form.*field = std::move(text);
    return form;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlChartCases,
    testing::Values(
        ChartCase {"Filled", workedExample(), {"24", "22,5", "30"}, "", 3},
        ChartCase {"CountNoWholeNumber",
                   with(workedExample(), &ControlForm::edCountParty, "3,5"),
                   {},
                   "\"3,5\" не является правильным целым числом.",
                   0},
        // Closing a prompt without typing leaves its edit empty; the rest are not asked.
        ChartCase {
            "PromptClosedEmpty", workedExample(), {"24"}, "\"\" не является правильным числом.", 2},
        ChartCase {"LimitNoNumber",
                   with(workedExample(), &ControlForm::edRcor2, "низ"),
                   {"24", "22,5", "30"},
                   "\"низ\" не является правильным числом.",
                   3},
        ChartCase {"RangeUpsideDown",
                   with(workedExample(), &ControlForm::edRcor2, "32"),
                   {"24", "22,5", "30"},
                   "Неверный диапазон оси прочности: нижняя граница больше верхней.",
                   3},
        ChartCase {"NoBatches", with(workedExample(), &ControlForm::edCountParty, "0"), {}, "", 0}),
    [](const testing::TestParamInfo<ChartCase> &c) { return std::string(c.param.name); });

TEST(ControlChart, WorkedExampleDrawsItsLinesPointsAndRange)
{
    ControlChart chart = statcontrol::emptyControlChart();
    common::ImmediatePrompter prompter({}, {"24", "22,5", "30"});
    ASSERT_FALSE(statcontrol::fillControlChart(chart, workedExample(), prompter));
    EXPECT_EQ(prompter.prompts(),
              (std::vector<std::string> {
                  "Средняя прочность в 1 партии, МПа:", "Средняя прочность в 2 партии, МПа:",
                  "Средняя прочность в 3 партии, МПа:"}));
    ASSERT_TRUE(chart.strengthRange);
    EXPECT_NEAR(chart.strengthRange->first, 17.6, 1e-12);
    EXPECT_NEAR(chart.strengthRange->second, 28.7, 1e-12);
    // Upper and lower correction limit, upper and lower warning limit, level.
    const double lines[] = {25.7, 20.6, 24.7, 21.5, 23.1};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(chart.series[i].points, (std::vector<ChartPoint> {{0, lines[i]}, {3, lines[i]}}))
            << chart.series[i].name;
    }
    EXPECT_EQ(chart.series[5].points, (std::vector<ChartPoint> {{1, 24}, {2, 22.5}, {3, 30}}));
    EXPECT_EQ(chart.series[0].name, "Series3");
    EXPECT_EQ(chart.series[5].line, (statcontrol::Rgb {255, 0, 255}));
}

} // namespace
