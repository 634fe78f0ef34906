#include "expectedreports.h"

#include "mixdesign/core/aggregates.h"
#include "mixdesign/core/calculation.h"
#include "mixdesign/core/immediatemixdesignprompter.h"
#include "mixdesign/core/strength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using mixdesign::MixDesignState;
using Setup = std::function<void(MixDesignState &)>;

template<class Case> std::string caseName(const testing::TestParamInfo<Case> &param)
{
    return param.param.name;
}

// Runs the calculation on the initial dialogs changed by `setup`, pressing OK everywhere.
mixdesign::MixDesignResult calculate(MixDesignState &state, const Setup &setup = {})
{
    if (setup)
        setup(state);
    mixdesign::ImmediateMixDesignPrompter prompter(state, {});
    return mixdesign::calculateMix(state, prompter);
}

std::vector<std::string> reportLines(const Setup &setup)
{
    MixDesignState state;
    const auto result = calculate(state, setup);
    if (const auto *failure = std::get_if<common::Failure>(&result)) {
        ADD_FAILURE() << "no report: " << failure->message;
        return {};
    }
    return std::get<common::Report>(result).lines;
}

TEST(MixDesignReport, InitialInputGivesTheDocumentedReport)
{
    MixDesignState state;
    const auto result = calculate(state);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    EXPECT_EQ(report.caption(1), "Окно №1. Расчет БНС.");
    EXPECT_EQ(report.lines, expected::linesOf(expected::initialInputReport));
}

TEST(MixDesignReport, Slump10M400B25GivesTheDocumentedReport)
{
    const auto lines = reportLines([](MixDesignState &s) {
        s.bns.edYdoboykl = "10";
        s.bns.edMarkCem = "400";
        s.bns.edClassBet = "25";
    });
    EXPECT_EQ(lines, expected::linesOf(expected::slump10M400B25Report));
}

struct LineCase
{
    const char *name;
    Setup setup;
    std::vector<std::string> expectedLines; // each must appear in the report
};

class ReportLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(ReportLines, ContainTheExpectedLines)
{
    const auto lines = reportLines(GetParam().setup);
    for (const std::string &line : GetParam().expectedLines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

const char *const sizeLine = "Поправка по наибольшей крупности щебня: ";
const char *const ngLine = "Поправка по нормальной густоте цементного теста: ";
const char *const workLineA = "Поправка по значению удобоукладываемости: ";
const char *const tempLine = "Поправка по температуре бетонной смеси: ";
const char *const lpm = " л/куб.м.";
const char *const kgpm = " кг/куб.м.";

std::string with(const char *start, const char *value, const char *unit = "")
{
    return std::string(start) + value + unit;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportLines,
    testing::Values(
        LineCase {"SizeTieToEvenDown",
                  [](MixDesignState &s) { s.bns.edNKr_Sc = "20,5"; },
                  {with(sizeLine, "-0,02"), "Наибольшая крупность крупного заполнителя: 20,5мм"}},
        LineCase {"SizeTieToEvenUp",
                  [](MixDesignState &s) { s.bns.edNKr_Sc = "21,5"; },
                  {with(sizeLine, "-0,01")}},
        LineCase {"SizeSmall",
                  [](MixDesignState &s) { s.bns.edNKr_Sc = "10"; },
                  {with(sizeLine, "-0,03")}},
        LineCase {"SizeLarge",
                  [](MixDesignState &s) { s.bns.edNKr_Sc = "81"; },
                  {with(sizeLine, "0,01")}},
        LineCase {"SizeBeyondTable",
                  [](MixDesignState &s) { s.bns.edNKr_Sc = "1001"; },
                  {with(sizeLine, "0,00")}},
        LineCase {"NormalConsistency26",
                  [](MixDesignState &s) { s.bns.edNGCT = "26"; },
                  {with(ngLine, "-0,02"), with(ngLine, "-8,0", lpm)}},
        LineCase {"NormalConsistency28",
                  [](MixDesignState &s) { s.bns.edNGCT = "28"; },
                  {with(ngLine, "-0,01"), with(ngLine, "0,0", lpm)}},
        LineCase {"SlumpExactly2",
                  [](MixDesignState &s) { s.bns.edYdoboykl = "2"; },
                  {with(workLineA, "0,00"), "Поправка по значению удобоукладываемости: 0,00"}},
        LineCase {"StiffnessExactly23",
                  [](MixDesignState &s) {
                      s.bns.rgYdoboykl = 1;
                      s.bns.edYdoboykl = "23";
                  },
                  {"Показатель удобоукладываемости - жесткость, сек (по техн. вискозиметру)",
                   with(workLineA, "0,00")}},
        LineCase {"NoWorkabilityItemCountsAsStiffness",
                  [](MixDesignState &s) {
                      s.bns.rgYdoboykl = -1;
                      s.bns.edYdoboykl = "30";
                  },
                  {"Показатель удобоукладываемости - жесткость, сек (по техн. вискозиметру)",
                   with(workLineA, "-0,04")}},
        LineCase {"Temperature25",
                  [](MixDesignState &s) { s.options.edTemperatyr = "25"; },
                  {with(tempLine, "3,6", lpm), "Температура бетонной смеси: 25 град."}},
        LineCase {"Temperature10",
                  [](MixDesignState &s) { s.options.edTemperatyr = "10"; },
                  {with(tempLine, "-3,4", lpm)}},
        LineCase {"Temperature20_4",
                  [](MixDesignState &s) { s.options.edTemperatyr = "20,4"; },
                  {with(tempLine, "0,0", lpm)}},
        LineCase {"Temperature20_6",
                  [](MixDesignState &s) { s.options.edTemperatyr = "20,6"; },
                  {with(tempLine, "0,3", lpm)}},
        LineCase {"ImpuritiesAtTheirThresholds",
                  [](MixDesignState &s) {
                      s.bns.edPr_P = "3,0";
                      s.bns.edPr_Sc = "2,0";
                  },
                  {with("Поправка по содержанию примесей в песке: ", "0,0", lpm),
                   with("Поправка по содержанию примесей в щебне: ", "0,0", lpm)}},
        LineCase {"ImpuritiesAboveThresholds",
                  [](MixDesignState &s) {
                      s.bns.edPr_P = "4,0";
                      s.bns.edPr_Sc = "2,5";
                  },
                  {with("Поправка по содержанию примесей в песке: ", "2,0", lpm),
                   with("Поправка по содержанию примесей в щебне: ", "1,0", lpm)}},
        LineCase {"B10BoundedTo200",
                  [](MixDesignState &s) { s.bns.edClassBet = "10"; },
                  {with("Расчетный расход цемента: ", "171", kgpm),
                   with("Расход цемента: ", "200", kgpm), with("Расход воды: ", "201", kgpm)}},
        LineCase {"B10ReinforcedBoundedTo220",
                  [](MixDesignState &s) {
                      s.bns.edClassBet = "10";
                      s.options.rgArmatyra = 0;
                  },
                  {with("Расчетный расход цемента: ", "171", kgpm),
                   with("Расход цемента: ", "220", kgpm), with("Расход воды: ", "221", kgpm)}},
        LineCase {"UpperBound600",
                  [](MixDesignState &s) {
                      s.bns.edClassBet = "60";
                      s.bns.edYdoboykl = "10";
                  },
                  {with("Расход цемента: ", "600", kgpm)}},
        LineCase {"MountainGravel",
                  [](MixDesignState &s) { s.options.rgZapolnitel = 1; },
                  {"В качестве крупного заполнителя используется горный гравий",
                   "Предварительное значение коэффициента А: 0,58",
                   "Предварительный коэффициент раздвижки: 1,09"}},
        LineCase {"RiverGravel",
                  [](MixDesignState &s) { s.options.rgZapolnitel = 2; },
                  {"В качестве крупного заполнителя используется речной (морской) гравий",
                   "Предварительное значение коэффициента А: 0,54",
                   "Предварительный коэффициент раздвижки: 1,09"}},
        LineCase {"Stiffness30",
                  [](MixDesignState &s) {
                      s.bns.rgYdoboykl = 1;
                      s.bns.edYdoboykl = "30";
                  },
                  {"Поправка по значению удобоукладываемости: -0,04"}}),
    caseName<LineCase>);

TEST(Aggregates, SpreadingCorrectionsAtTheirThresholds)
{
    EXPECT_EQ(mixdesign::spreadingBinderCorrection(350), 0.0);
    EXPECT_NEAR(mixdesign::spreadingBinderCorrection(250 + 150), 0.024, 1e-12);
    EXPECT_EQ(mixdesign::spreadingWorkabilityCorrection(mixdesign::Workability::Slump, 2), 0.0);
    EXPECT_NEAR(mixdesign::spreadingWorkabilityCorrection(mixdesign::Workability::Slump, 10),
                0.2178, 5e-5);
    EXPECT_EQ(mixdesign::spreadingWorkabilityCorrection(mixdesign::Workability::Stiffness, 23),
              0.0);
}

// The materials of the initial input.
mixdesign::MixDesignInput initialMaterials()
{
    mixdesign::MixDesignInput in;
    in.CementDensity = 3.11;
    in.SandDensity = 2.65;
    in.CoarseDensity = 2.61;
    in.SandBulkDensity = 1.40;
    in.CoarseBulkDensity = 1.35;
    return in;
}

TEST(Aggregates, FlyAshCountsTowardsTheBinderInTheCalculation)
{
    const mixdesign::MixDesignInput in = initialMaterials();
    mixdesign::WorkingValues work;
    work.CementContent = 250;
    work.WaterContent = 170;
    const auto a = mixdesign::aggregates(in, work, 0, 150);
    EXPECT_NEAR(a.spreadingByBinder, 0.024, 1e-12);
    EXPECT_NEAR(a.absoluteVolume, 1000, 1e-9);
}

TEST(Aggregates, OverfullMixKeepsSandPositiveAndShowsTheOverflowTwice)
{
    const mixdesign::MixDesignInput in = initialMaterials();
    mixdesign::WorkingValues work;
    work.CementContent = 600;
    work.WaterContent = 400;
    const auto a = mixdesign::aggregates(in, work, 0, 0);
    const double overflow = a.coarse / 2.61 + 400 + 600 / 3.11 - 1000;
    ASSERT_GT(overflow, 0);
    EXPECT_NEAR(a.sand, overflow * 2.65, 1e-9);
    EXPECT_NEAR(a.absoluteVolume, 1000 + 2 * overflow, 1e-9);
}

struct FailureCase
{
    const char *name;
    Setup setup;
    common::Failure::Kind kind;
    const char *message;
};

class Failures : public testing::TestWithParam<FailureCase>
{
};

TEST_P(Failures, EndTheCalculationWithoutAReport)
{
    MixDesignState state;
    const auto result = calculate(state, GetParam().setup);
    ASSERT_TRUE(std::holds_alternative<common::Failure>(result));
    const auto &failure = std::get<common::Failure>(result);
    EXPECT_EQ(failure.kind, GetParam().kind);
    EXPECT_EQ(failure.message, GetParam().message);
}

using Kind = common::Failure::Kind;

INSTANTIATE_TEST_SUITE_P(
    Cases, Failures,
    testing::Values(
        FailureCase {"EmptyClass", [](MixDesignState &s) { s.bns.edClassBet = ""; },
                     Kind::Conversion, "\"\" не является правильным числом."},
        FailureCase {"PeriodInSlump", [](MixDesignState &s) { s.bns.edYdoboykl = "2.5"; },
                     Kind::Conversion, "\"2.5\" не является правильным числом."},
        FailureCase {"EmptyAggregateSize", [](MixDesignState &s) { s.bns.edNKr_Sc = ""; },
                     Kind::Conversion, "\"\" не является правильным числом."},
        FailureCase {"NormalConsistencyZero", [](MixDesignState &s) { s.bns.edNGCT = "0"; },
                     Kind::Arithmetic, "Ошибка вычисления: деление на ноль."},
        FailureCase {"CementDensityZero", [](MixDesignState &s) { s.options.edPlotnostC = "0"; },
                     Kind::Arithmetic, "Ошибка вычисления: деление на ноль."},
        FailureCase {"CoarseDensityZero",
                     [](MixDesignState &s) { s.options.edPlotnostSC = "0,00"; }, Kind::Arithmetic,
                     "Ошибка вычисления: деление на ноль."},
        FailureCase {"ZeroStrengthAndActivity",
                     [](MixDesignState &s) {
                         s.bns.edClassBet = "0";
                         s.bns.edMarkCem = "0";
                     },
                     Kind::Arithmetic, "Ошибка вычисления: недопустимая операция."},
        FailureCase {"NoCoarseAggregateKind",
                     [](MixDesignState &s) { s.options.rgZapolnitel = -1; }, Kind::Refused,
                     "Вид крупного заполнителя не выбран."}),
    caseName<FailureCase>);

TEST(Failures, WorkingValuesKeepWhatEarlierStepsStored)
{
    MixDesignState state;
    state.work.ConcreteStrength = -1;
    const auto result = calculate(state, [](MixDesignState &s) {
        s.bns.edYdoboykl = "7";
        s.bns.edMarkCem = "400";
        s.bns.edClassBet = "";
    });
    ASSERT_TRUE(std::holds_alternative<common::Failure>(result));
    EXPECT_EQ(state.work.WorkabilityValue, 7);
    EXPECT_EQ(state.work.CementActivity, 40);
    EXPECT_EQ(state.work.ConcreteStrength, -1); // never reached
}

TEST(Strength, WorkedExampleValues)
{
    EXPECT_NEAR(mixdesign::requiredStrength(20), 28.79, 0.005);
    EXPECT_NEAR(mixdesign::wcForStrength(0.5815, 50, mixdesign::requiredStrength(20)), 0.6710,
                5e-5);
    EXPECT_NEAR(mixdesign::wcForStrength(0.5485, 40, mixdesign::requiredStrength(25)), 0.4672,
                5e-5);
    EXPECT_NEAR(mixdesign::normalConsistencyCorrection(26), -0.015, 1e-12);
    EXPECT_NEAR(mixdesign::normalConsistencyCorrection(27), 0.0, 1e-12);
}

TEST(AirAndAsh, AreResetAtTheStartOfEveryCalculation)
{
    MixDesignState state;
    state.measure.AirVolume = 40;
    state.measure.AshContent = 150;
    const auto result = calculate(state);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    EXPECT_EQ(std::get<common::Report>(result).lines,
              expected::linesOf(expected::initialInputReport));
    EXPECT_EQ(state.measure.AirVolume, 0);
    EXPECT_EQ(state.measure.AshContent, 0);
}

} // namespace
