#include "mixdesign/core/calculation.h"
#include "mixdesign/core/economy.h"
#include "scriptedprompter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using mixdesign::AuxDialog;
using mixdesign::Measure;
using mixdesign::MixDesignState;
using mixdesign::ModalResult;
using testsupport::hasLine;
using testsupport::ScriptedPrompter;

// The mix of the worked examples: A 0.6, Rц 40 MPa, R 30 MPa, water 180 l, so W/C 0.5714 and
// 315 kg of cement; the measure dialog activated on it, on the page of `measure`.
MixDesignState exampleMix(Measure measure)
{
    MixDesignState s;
    s.work.CoefA = 0.6;
    s.work.CementActivity = 40;
    s.work.ConcreteStrength = 30;
    s.work.BaseStrength = 30;
    s.work.WaterContent = 180;
    s.work.WCRatio = 0.6 * 40 / (30 + 0.5 * 0.6 * 40);
    s.work.CementContent = 180 / s.work.WCRatio;
    s.measure.page = static_cast<int>(measure) - 1;
    mixdesign::activateMeasure(s);
    return s;
}

TEST(Measures, HigherCementGrade)
{
    MixDesignState s = exampleMix(Measure::HigherCementGrade);
    EXPECT_NEAR(s.measure.CementContent, 315, 1e-9);
    s.measure.edMarka_C = "500";
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.measure.WCRatio, 0.6667, 5e-5);
    EXPECT_NEAR(s.measure.CementContent, 270, 1e-9);
    EXPECT_EQ(s.work.CementActivity, 50);
    EXPECT_EQ(s.measure.modalResult, ModalResult::Ok);
}

TEST(Measures, LongerDesignAge)
{
    MixDesignState s = exampleMix(Measure::LongerDesignAge);
    s.measure.edAge = "90";
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.work.ConcreteStrength, 22.2156, 5e-5);
    EXPECT_NEAR(s.measure.WCRatio, 0.70143, 5e-6);
    EXPECT_NEAR(s.measure.CementContent, 256.62, 5e-3);

    MixDesignState same = exampleMix(Measure::LongerDesignAge);
    same.measure.edAge = "28";
    EXPECT_FALSE(mixdesign::acceptMeasure(same));
    EXPECT_NEAR(same.work.ConcreteStrength, 30, 1e-12);
    EXPECT_NEAR(same.measure.CementContent, 315, 1e-9);
}

TEST(Measures, AirEntrainmentStartsFromTheBaseStrength)
{
    MixDesignState s = exampleMix(Measure::AirEntrainment);
    s.work.ConcreteStrength = 33; // raised by a limit: the measure ignores it
    s.measure.edAir = "30";
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.work.ConcreteStrength, 1.15 * 30, 1e-12);
    EXPECT_EQ(s.measure.AirVolume, 30);
    EXPECT_NEAR(s.measure.WCRatio, 24 / (34.5 + 12), 1e-12);
}

struct AshCase
{
    double strength;
    int steamCuringItem;
    double activity;
    double factor;
};

class AshFactor : public testing::TestWithParam<AshCase>
{
};

TEST_P(AshFactor, FollowsTheTableWithItsSwappedFirstRow)
{
    const AshCase c = GetParam();
    EXPECT_EQ(mixdesign::ashFactor(c.strength, c.steamCuringItem, c.activity), c.factor)
        << "R " << c.strength << " P " << c.steamCuringItem << " Rц " << c.activity;
}

INSTANTIATE_TEST_SUITE_P(Table, AshFactor,
                         testing::Values(AshCase {15, 0, 40, 0.37}, AshCase {15, 1, 40, 0.30},
                                         AshCase {15, 1, 50, 0.35}, AshCase {25, 1, 40, 0.37},
                                         AshCase {25, 0, 40, 0.30}, AshCase {25, 0, 50, 0.35},
                                         AshCase {20, 1, 40, 0.37}, AshCase {30, 1, 40, 0.33},
                                         AshCase {35, 0, 49.9, 0.25}, AshCase {35, 0, 50, 0.30},
                                         AshCase {40, 1, 40, 0.25}, AshCase {45, 0, 40, 0.20},
                                         AshCase {45, 0, 60, 0.25}, AshCase {25, -1, 40, 0.30},
                                         AshCase {15, -1, 50, 0.35}));

TEST(Measures, FlyAshReplacesCementByTheFactor)
{
    MixDesignState s = exampleMix(Measure::FlyAsh);
    s.work.ConcreteStrength = 25;
    s.options.rgProparka = 1;
    s.measure.edAsh = "150";
    const double wcBefore = s.measure.WCRatio;
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.measure.CementContent, 315 - 55.5, 1e-9);
    EXPECT_EQ(s.measure.AshContent, 150);
    EXPECT_EQ(s.measure.WCRatio, wcBefore);
}

struct SuperplasticiserCase
{
    bool slump;
    double workability;
    double cement;
    double factor; // 0: none
};

class SuperplasticiserFactor : public testing::TestWithParam<SuperplasticiserCase>
{
};

TEST_P(SuperplasticiserFactor, RangesIncludeTheirUpperBounds)
{
    const auto c = GetParam();
    const auto f = mixdesign::superplasticiserFactor(c.slump, c.workability, c.cement);
    if (c.factor == 0) {
        EXPECT_FALSE(f);
    } else {
        ASSERT_TRUE(f);
        EXPECT_EQ(*f, c.factor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SuperplasticiserFactor,
    testing::Values(
        SuperplasticiserCase {true, 2, 350, 0.86}, SuperplasticiserCase {true, 4, 300, 0.88},
        SuperplasticiserCase {true, 4.01, 300.01, 0.83}, SuperplasticiserCase {true, 10, 400, 0.83},
        SuperplasticiserCase {true, 100, 1000, 0.77}, SuperplasticiserCase {true, 11, 401, 0.77},
        SuperplasticiserCase {false, 10, 250, 0.88}, SuperplasticiserCase {false, 11, 250, 0.91},
        SuperplasticiserCase {false, 1000, 500, 0.87}, SuperplasticiserCase {true, 100.5, 300, 0},
        SuperplasticiserCase {false, 1001, 300, 0}, SuperplasticiserCase {true, 5, 1000.5, 0}));

TEST(Measures, SuperplasticiserAveragedOrTyped)
{
    MixDesignState s = exampleMix(Measure::Superplasticiser);
    s.bns.rgYdoboykl = 0;
    s.work.WorkabilityValue = 2;
    s.work.CementContent = 350;
    const double wc = s.measure.WCRatio;
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.work.WaterContent, 0.86 * 180, 1e-9);
    EXPECT_NEAR(s.measure.CementContent, 0.86 * 180 / wc, 1e-9);

    MixDesignState typed = exampleMix(Measure::Superplasticiser);
    typed.measure.edSuperplast = "15";
    EXPECT_FALSE(mixdesign::acceptMeasure(typed));
    EXPECT_NEAR(typed.work.WaterContent, 0.85 * 180, 1e-9);
}

TEST(Measures, SuperplasticiserBeyondTheTableCancels)
{
    MixDesignState s = exampleMix(Measure::Superplasticiser);
    s.work.WorkabilityValue = 120;
    const auto failure = mixdesign::acceptMeasure(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, common::Failure::Kind::Refused);
    EXPECT_EQ(s.measure.modalResult, ModalResult::Close);
    EXPECT_EQ(s.work.WaterContent, 180);
}

TEST(Measures, Plasticiser)
{
    MixDesignState s = exampleMix(Measure::Plasticiser);
    const double wc = s.measure.WCRatio;
    s.measure.edPlast = "10";
    EXPECT_FALSE(mixdesign::acceptMeasure(s));
    EXPECT_NEAR(s.work.WaterContent, 162, 1e-9);
    EXPECT_NEAR(s.measure.CementContent, 162 / wc, 1e-9);
}

struct FaultCase
{
    Measure measure;
    std::function<void(MixDesignState &)> setup;
    const char *message;
    // What the measure assigned before the step that failed (nothing when a text did not
    // convert or a logarithm failed).
    std::function<void(MixDesignState &)> assigned = [](MixDesignState &) {
    };
};

class MeasureFaults : public testing::TestWithParam<FaultCase>
{
};

TEST_P(MeasureFaults, StopAtTheFaultKeepingWhatWasAssignedAndAcceptTheMix)
{
    MixDesignState s = exampleMix(GetParam().measure);
    GetParam().setup(s);
    MixDesignState expected = s;
    GetParam().assigned(expected);
    const auto failure = mixdesign::acceptMeasure(s);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, GetParam().message);
    EXPECT_EQ(s.measure.modalResult, ModalResult::Ok);
    EXPECT_EQ(s.measure.WCRatio, expected.measure.WCRatio);
    EXPECT_EQ(s.measure.CementContent, expected.measure.CementContent);
    EXPECT_EQ(s.measure.AirVolume, expected.measure.AirVolume);
    EXPECT_EQ(s.work.ConcreteStrength, expected.work.ConcreteStrength);
    EXPECT_EQ(s.work.CementActivity, expected.work.CementActivity);
    EXPECT_EQ(s.work.WaterContent, expected.work.WaterContent);
}

const char *const byZero = "Ошибка вычисления: деление на ноль.";

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureFaults,
    testing::Values(
        FaultCase {Measure::LongerDesignAge, [](MixDesignState &s) { s.measure.edAge = "1"; },
                   byZero},
        FaultCase {Measure::LongerDesignAge, [](MixDesignState &s) { s.measure.edAge = "0"; },
                   "Ошибка вычисления: недопустимая операция."},
        FaultCase {Measure::HigherCementGrade,
                   [](MixDesignState &s) { s.measure.edMarka_C = "M5"; },
                   "\"M5\" не является правильным числом."},
        FaultCase {Measure::AirEntrainment, [](MixDesignState &s) { s.measure.edAir = ""; },
                   "\"\" не является правильным числом."},
        FaultCase {Measure::Superplasticiser,
                   [](MixDesignState &s) { s.measure.edSuperplast = "усредненные"; },
                   "\"усредненные\" не является правильным числом."},
        // Grade 0: the W/C 0 is taken, the cement for it divides by zero, the activity stays.
        FaultCase {Measure::HigherCementGrade, [](MixDesignState &s) { s.measure.edMarka_C = "0"; },
                   byZero,
                   [](MixDesignState &s) {
                       s.measure.WCRatio = 0;
                   }},
        // No A: the strength of the longer age is taken, then the W/C 0, then the fault.
        FaultCase {Measure::LongerDesignAge,
                   [](MixDesignState &s) {
                       s.work.CoefA = 0;
                       s.measure.edAge = "90";
                   },
                   byZero,
                   [](MixDesignState &s) {
                       s.work.ConcreteStrength = 30 / (std::log10(90) / std::log10(28));
                       s.measure.WCRatio = 0;
                   }},
        FaultCase {Measure::AirEntrainment, [](MixDesignState &s) { s.work.CoefA = 0; }, byZero,
                   [](MixDesignState &s) {
                       s.measure.AirVolume = 30;
                       s.work.ConcreteStrength = 30 + 30 * 30 * 0.005;
                       s.measure.WCRatio = 0;
                   }},
        FaultCase {Measure::Plasticiser, [](MixDesignState &s) { s.measure.WCRatio = 0; }, byZero,
                   [](MixDesignState &s) {
                       s.work.WaterContent = 0.9 * 180;
                   }}));

// ---- Teconomy: refusals, and the whole calculation -----------------------------------------

struct RefusalCase
{
    int choice;
    int frost, waterproof, steam, accelerator;
    const char *message; // nullptr: the measure page is shown
};

class Refusals : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(Refusals, AreTestedInTheirOrderWithTheirMessages)
{
    const RefusalCase c = GetParam();
    MixDesignState s;
    s.economy.rgEconomy = c.choice;
    s.options.rgFrost = c.frost;
    s.options.rgWaterproof = c.waterproof;
    s.options.rgProparka = c.steam;
    s.steamCuring.rgYskoriteli = c.accelerator;
    s.measure.modalResult = ModalResult::Ok;
    ScriptedPrompter prompter(s, {AuxDialog::Measure});
    const auto failure = mixdesign::acceptEconomy(s, prompter);
    EXPECT_EQ(s.measure.modalResult, ModalResult::Close);
    if (c.message) {
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->message, c.message);
        EXPECT_TRUE(prompter.shown.empty());
    } else {
        EXPECT_FALSE(failure);
        EXPECT_EQ(prompter.shown, std::vector {AuxDialog::Measure});
        EXPECT_EQ(s.measure.page, c.choice - 1);
    }
}

const char *const fw = "Данный прием не рекомендуется при нормировании F и W";
const char *const age = "Не рекомендуется увеличивать возраст бетона при его пропаривании, а также "
                        "при нормировании F или W";
const char *const onlyFrost = "Данный прием рекомендуется только при нормировании морозостойкости";
const char *const steam = "Данный прием не рекомендуется при пропаривании бетона";
const char *const plast = "Пластифицирующая добавка уже используется для ускорения твердения при "
                          "пропаривании";

INSTANTIATE_TEST_SUITE_P(
    Options, Refusals,
    testing::Values(RefusalCase {1, 0, 1, 1, 0, fw}, RefusalCase {1, 1, 0, 1, 0, fw},
                    RefusalCase {1, 1, 1, 0, 0, nullptr}, RefusalCase {1, -1, -1, 1, 0, nullptr},
                    RefusalCase {2, 1, 1, 0, 0, age}, RefusalCase {2, 0, 1, 1, 0, age},
                    RefusalCase {2, 1, 1, 1, 0, nullptr}, RefusalCase {3, 1, 1, 0, 0, onlyFrost},
                    RefusalCase {3, 0, 1, 0, 0, steam}, RefusalCase {3, 0, 1, 1, 0, nullptr},
                    RefusalCase {3, -1, 1, 1, 0, nullptr}, RefusalCase {4, 0, 0, 0, 4, nullptr},
                    RefusalCase {5, 1, 1, 0, 4, plast}, RefusalCase {5, 1, 1, 0, 3, nullptr},
                    RefusalCase {5, 1, 1, 1, 4, nullptr}, RefusalCase {6, 1, 1, 0, 4, plast},
                    RefusalCase {6, 0, 0, 1, 4, nullptr}));

MixDesignState savingWanted(int choice)
{
    MixDesignState s;
    s.options.rgEconomy = 0;
    s.economy.rgEconomy = choice;
    return s;
}

TEST(CementSaving, NoMeasureKeepsTheBoundedMix)
{
    MixDesignState s = savingWanted(0);
    s.bns.edClassBet = "10";
    ScriptedPrompter prompter(s);
    const auto result = mixdesign::calculateMix(s, prompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &r = std::get<common::Report>(result);
    EXPECT_TRUE(hasLine(r, "Нет нужного технологического приема для экономии цемента"));
    EXPECT_TRUE(hasLine(r, "Окончательный расход цемента: 200 кг/куб.м."));
    EXPECT_TRUE(hasLine(r, "Окончательный расход воды: 201 кг/куб.м."));
    EXPECT_TRUE(hasLine(r, "Окончательное значение В/Ц: 1,00"));
    EXPECT_EQ(prompter.shown, std::vector {AuxDialog::Economy});
}

TEST(CementSaving, FlyAshIsReportedInSectionsFourAndSix)
{
    MixDesignState s = savingWanted(static_cast<int>(Measure::FlyAsh));
    ScriptedPrompter prompter(s);
    const auto result = mixdesign::calculateMix(s, prompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &lines = std::get<common::Report>(result).lines;
    // R 28.8 without steam curing: k 0.37, so 256.6 − 55.5 = 201.1 kg of cement.
    const std::vector<std::string> section4 = {
        "4. ТЕХНОЛОГИЧЕСКИЕ РЕШЕНИЯ ДЛЯ ЭКОНОМИИ ЦЕМЕНТА",
        "Введена зола-унос в количестве 150 кг/куб. м.",
        "Окончательный расход цемента: 201 кг/куб.м.",
        "Окончательный расход воды: 172 кг/куб.м.",
        "Окончательное значение В/Ц (приведенное): 0,67",
        "Окончательная ожидаемая прочность в 28 сут, R28, МПа: 28,8",
        "",
    };
    const auto at = std::search(lines.begin(), lines.end(), section4.begin(), section4.end());
    EXPECT_NE(at, lines.end());
    EXPECT_TRUE(hasLine(std::get<common::Report>(result), "Расход золы-унос: 150 кг/куб. м."));
    EXPECT_EQ(s.measure.AshContent, 150);
}

TEST(CementSaving, AirAndHigherGradeLines)
{
    MixDesignState air = savingWanted(static_cast<int>(Measure::AirEntrainment));
    air.options.rgFrost = 0;
    ScriptedPrompter airPrompter(air);
    const auto airResult = mixdesign::calculateMix(air, airPrompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(airResult));
    const auto &airReport = std::get<common::Report>(airResult);
    EXPECT_TRUE(hasLine(airReport, "Введена воздухововлекающая добавка"));
    EXPECT_TRUE(hasLine(airReport, "Предполагаемый объем вовлеченного воздуха 30 л."));
    EXPECT_EQ(airReport.lines.back(), "Объем вовлеченного воздуха: 30 л/куб.м.");

    MixDesignState grade = savingWanted(static_cast<int>(Measure::HigherCementGrade));
    grade.bns.edMarkCem = "400";
    ScriptedPrompter gradePrompter(grade);
    const auto gradeResult = mixdesign::calculateMix(grade, gradePrompter);
    ASSERT_TRUE(std::holds_alternative<common::Report>(gradeResult));
    // The grade is refilled from the input dialog each time the measure is chosen.
    EXPECT_TRUE(hasLine(std::get<common::Report>(gradeResult), "Увеличена марка цемента до М400"));
}

TEST(CementSaving, ARefusalEndsTheRunAndTheNextRunWithNoMeasureCompletes)
{
    MixDesignState s = savingWanted(static_cast<int>(Measure::AirEntrainment)); // frost "нет"
    ScriptedPrompter refusing(s);
    const auto refused = mixdesign::calculateMix(s, refusing);
    ASSERT_TRUE(std::holds_alternative<common::Failure>(refused));
    EXPECT_EQ(refusing.said, std::vector<std::string> {onlyFrost});

    s.economy.rgEconomy = 0;
    ScriptedPrompter again(s);
    EXPECT_TRUE(std::holds_alternative<common::Report>(mixdesign::calculateMix(s, again)));
}

TEST(CementSaving, ClosingEitherDialogEndsTheRun)
{
    for (const AuxDialog closed : {AuxDialog::Economy, AuxDialog::Measure}) {
        MixDesignState s = savingWanted(static_cast<int>(Measure::Plasticiser));
        ScriptedPrompter prompter(s, {closed});
        const auto result = mixdesign::calculateMix(s, prompter);
        ASSERT_TRUE(std::holds_alternative<common::Failure>(result));
        EXPECT_EQ(std::get<common::Failure>(result).kind, common::Failure::Kind::Cancelled);
        EXPECT_DOUBLE_EQ(s.work.WaterContent, 172.16); // the measure computed nothing
    }
}

} // namespace
