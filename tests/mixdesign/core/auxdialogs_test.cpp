#include "expectedreports.h"

#include "mixdesign/core/calculation.h"
#include "mixdesign/core/economy.h"
#include "mixdesign/core/frostwater.h"
#include "mixdesign/core/steamcuring.h"
#include "scriptedprompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using mixdesign::AuxDialog;
using mixdesign::MixDesignState;
using mixdesign::ModalResult;
using testsupport::hasLine;
using testsupport::ScriptedPrompter;

// ---- Frost and waterproofness ------------------------------------------------------------

struct GradeCase
{
    mixdesign::GradePage page;
    const char *grade;
    double limit;
};

class GradeLimits : public testing::TestWithParam<GradeCase>
{
};

TEST_P(GradeLimits, RoundTiesToEvenThenLookUpTheTable)
{
    const GradeCase c = GetParam();
    mixdesign::FrostWaterForm form;
    (c.page == mixdesign::GradePage::Frost ? form.edMarka_F : form.edW) = c.grade;
    EXPECT_FALSE(mixdesign::acceptGrade(form, c.page));
    ASSERT_TRUE(form.MaxWCRatio);
    EXPECT_DOUBLE_EQ(*form.MaxWCRatio, c.limit) << c.grade;
}

constexpr auto F = mixdesign::GradePage::Frost;
constexpr auto W = mixdesign::GradePage::Waterproof;

INSTANTIATE_TEST_SUITE_P(Tables, GradeLimits,
                         testing::Values(GradeCase {F, "100", 0.60}, GradeCase {F, "101", 0.55},
                                         GradeCase {F, "150", 0.55}, GradeCase {F, "150,5", 0.55},
                                         GradeCase {F, "100,5", 0.60}, GradeCase {F, "151", 0.50},
                                         GradeCase {F, "200", 0.50}, GradeCase {F, "300", 0.45},
                                         GradeCase {F, "400", 0.40}, GradeCase {F, "1000", 0.40},
                                         GradeCase {F, "-50", 0.60}, GradeCase {W, "4", 0.55},
                                         GradeCase {W, "4,5", 0.55}, GradeCase {W, "5", 0.45},
                                         GradeCase {W, "6", 0.45}, GradeCase {W, "6,5", 0.45},
                                         GradeCase {W, "8", 0.40}, GradeCase {W, "-3", 0.55}));

TEST(GradeLimits, ATextThatIsNoNumberKeepsTheLimit)
{
    mixdesign::FrostWaterForm form;
    form.MaxWCRatio = 0.5;
    form.edW = "W4";
    const auto failure = mixdesign::acceptGrade(form, W);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "\"W4\" не является правильным числом.");
    EXPECT_EQ(form.MaxWCRatio, 0.5);

    form.edMarka_F = "1e30"; // no 64-bit grade
    EXPECT_TRUE(mixdesign::acceptGrade(form, F));
    EXPECT_EQ(form.MaxWCRatio, 0.5);
}

TEST(GradeLimits, FrostThenWaterproofnessTheSmallestWins)
{
    MixDesignState state;
    state.options.rgFrost = 0;
    state.options.rgWaterproof = 0;
    state.frostWater.edMarka_F = "150"; // 0.55
    state.frostWater.edW = "8";         // 0.40
    ScriptedPrompter prompter(state);
    const auto result = mixdesign::calculateMix(state, prompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    EXPECT_EQ(prompter.shown, (std::vector {AuxDialog::FrostPage, AuxDialog::WaterproofPage}));
    const auto &report = std::get<common::Report>(result);
    EXPECT_TRUE(hasLine(report, "Расчетное В/Ц обеспечивающее нормируемую прочность: 0,67"));
    EXPECT_TRUE(hasLine(report, "Расчетное В/Ц с учетом всех нормируемых свойств: 0,40"));
    EXPECT_TRUE(hasLine(report, "Нормируется величина водонепроницаемости"));
    EXPECT_TRUE(hasLine(report, "Марка по водонепроницаемости W8"));
    EXPECT_TRUE(hasLine(report, "Марка по морозостойкости F150"));
    // The expected strength follows the lowered W/C: 0.5815 · 50 · (1/0.40 − 0.5).
    EXPECT_TRUE(hasLine(report, "Расчетная ожидаемая прочность, R28: 58,2 МПа"));
}

TEST(GradeLimits, ALargerLimitLeavesTheRatio)
{
    MixDesignState state;
    state.options.rgWaterproof = 0;
    state.bns.edClassBet = "40"; // W/C for strength 0.40, below the limit 0.55 of W4
    ScriptedPrompter prompter(state);
    ASSERT_TRUE(std::holds_alternative<common::Report>(mixdesign::calculateMix(state, prompter)));
    EXPECT_NEAR(state.work.WCRatio, 0.40314, 5e-6);
    EXPECT_EQ(*state.frostWater.MaxWCRatio, 0.55);
}

TEST(GradeLimits, CloseOrANeverComputedLimitEndsTheCalculation)
{
    MixDesignState state;
    state.options.rgFrost = 0;
    ScriptedPrompter closing(state, {AuxDialog::FrostPage});
    const auto closed = mixdesign::calculateMix(state, closing);
    ASSERT_TRUE(std::holds_alternative<common::Failure>(closed));
    EXPECT_EQ(std::get<common::Failure>(closed).kind, common::Failure::Kind::Cancelled);

    state.frostWater.edMarka_F = "сто";
    ScriptedPrompter pressingOk(state);
    const auto never = mixdesign::calculateMix(state, pressingOk);
    ASSERT_TRUE(std::holds_alternative<common::Failure>(never));
    EXPECT_EQ(pressingOk.said, std::vector<std::string> {"\"сто\" не является правильным числом."});

    state.frostWater.edMarka_F = "200";
    ScriptedPrompter again(state);
    ASSERT_TRUE(std::holds_alternative<common::Report>(mixdesign::calculateMix(state, again)));
    EXPECT_EQ(state.work.WCRatio, 0.50);
}

// ---- Steam curing ---------------------------------------------------------------------------

struct SteamCase
{
    int cementKind;
    const char *holding;
    int accelerator;
    double percent;
};

class SteamStrength : public testing::TestWithParam<SteamCase>
{
};

TEST_P(SteamStrength, MatchesTheWorkedExamplesToFourDecimals)
{
    const SteamCase c = GetParam();
    mixdesign::SteamCuringForm form;
    form.rgVid_Cem = c.cementKind;
    form.edT_vuderz = c.holding;
    form.rgYskoriteli = c.accelerator;
    mixdesign::WorkingValues work;
    work.WCRatio = 0.5;
    work.CementActivity = 40;
    work.WaterContent = 180;
    EXPECT_FALSE(mixdesign::acceptSteamCuring(form, work));
    EXPECT_NEAR(form.SteamStrengthPct, c.percent, 5e-5);
    EXPECT_EQ(work.WCRatio, 0.5);
    EXPECT_EQ(work.WaterContent, 180);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SteamStrength,
    testing::Values(SteamCase {1, "4", 0, 55.5546}, SteamCase {0, "4", 0, 57.3712},
                    SteamCase {2, "4", 0, 62.1941}, SteamCase {1, "8", 0, 59.5494},
                    SteamCase {1, "8", 3, 77.4142}, SteamCase {1, "4", 1, 55.5546 * 1.2},
                    SteamCase {1, "4", 2, 55.5546 * 1.2}));

TEST(SteamStrength, FactorsOfTheFirstExample)
{
    EXPECT_NEAR(mixdesign::cementFactor(1, 2, 40), 0.93948, 1e-12);
    EXPECT_NEAR(mixdesign::cementFactor(0, 2, 40), 0.9702, 1e-12);
    EXPECT_NEAR(mixdesign::cementFactor(2, 2, 40), 1.05176, 1e-12);
    EXPECT_NEAR(mixdesign::durationFactor(10, 2), 0.5913333333, 1e-9);
    EXPECT_EQ(mixdesign::holdingFactor(10, 4, 2), 1.0);
    EXPECT_NEAR(mixdesign::holdingFactor(10, 8, 2), 1.071908, 1e-6);
}

TEST(SteamStrength, SuperplasticiserCutsWaterAndWCByAFifthFirst)
{
    mixdesign::SteamCuringForm form;
    form.rgYskoriteli = 4;
    mixdesign::WorkingValues work;
    work.WCRatio = 0.5;
    work.CementActivity = 40;
    work.WaterContent = 180;
    EXPECT_FALSE(mixdesign::acceptSteamCuring(form, work));
    EXPECT_DOUBLE_EQ(work.WaterContent, 144);
    EXPECT_DOUBLE_EQ(work.WCRatio, 0.4);
    const double x = 2.5; // 1.25 times the cement–water ratio of 0.5
    EXPECT_NEAR(form.SteamStrengthPct,
                100 * mixdesign::cementFactor(1, x, 40) * mixdesign::durationFactor(10, x), 1e-9);
}

TEST(SteamStrength, FailuresKeepThePercentButNotTheWaterCut)
{
    mixdesign::SteamCuringForm form;
    form.SteamStrengthPct = 42;
    form.rgYskoriteli = 4;
    form.edT_prop = "десять";
    mixdesign::WorkingValues work;
    work.WCRatio = 0.5;
    work.WaterContent = 180;
    const auto failure = mixdesign::acceptSteamCuring(form, work);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "\"десять\" не является правильным числом.");
    EXPECT_EQ(form.SteamStrengthPct, 42);
    EXPECT_DOUBLE_EQ(work.WaterContent, 144);

    form.rgYskoriteli = 0;
    form.edT_prop = "10";
    work.WCRatio = 0;
    ASSERT_TRUE(mixdesign::acceptSteamCuring(form, work));
    EXPECT_EQ(form.SteamStrengthPct, 42);
}

TEST(SteamStrength, ClosingTheDialogLetsTheCalculationGoOnWithThePreviousPercent)
{
    MixDesignState state;
    state.options.rgProparka = 0;
    ScriptedPrompter closing(state, {AuxDialog::SteamCuring});
    const auto result = mixdesign::calculateMix(state, closing);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    EXPECT_TRUE(
        hasLine(report, "Отпускная (передаточная) прочность после пропаривания: 0 % от R28"));
    EXPECT_TRUE(hasLine(report, "Применяется пропаривание изделий"));
    EXPECT_TRUE(hasLine(report, "Общая длительность цикла пропаривания: 10ч."));
    EXPECT_TRUE(hasLine(report, "Время выдержки после ТВО: 4ч."));
    EXPECT_TRUE(hasLine(report, "Вид цемента по пропариванию: портландцемент 2-й группы"));
}

TEST(SteamStrength, SuperplasticiserAcceleratorIsReportedInTheWaterSection)
{
    MixDesignState state;
    state.options.rgProparka = 0;
    state.steamCuring.rgYskoriteli = 4;
    ScriptedPrompter prompter(state);
    const auto result = mixdesign::calculateMix(state, prompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &lines = std::get<common::Report>(result).lines;
    const auto designWater
        = std::find(lines.begin(), lines.end(), "Расчетный расход воды: 138 л/куб.м.");
    ASSERT_NE(designWater, lines.end()); // 172.16 · 0.8
    EXPECT_EQ(*(designWater + 1),
              "Расход воды обусловлен введением суперпластификатора для ускорения твердения");
    EXPECT_EQ(*(designWater + 2), "Расчетный расход цемента: 257 кг/куб.м.");
    EXPECT_TRUE(hasLine(std::get<common::Report>(result),
                        "При пропаривании используется для ускорения твердения "
                        "суперпластификатор (типа С-3)"));
    // The expected strength is computed before the cut, so it still reads 28,8.
    EXPECT_TRUE(
        hasLine(std::get<common::Report>(result), "Расчетная ожидаемая прочность, R28: 28,8 МПа"));
}

} // namespace
