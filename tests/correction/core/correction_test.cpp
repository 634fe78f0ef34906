#include "correction/core/correction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using correction::AggregatesForm;
using correction::StrengthForm;

// The lines of a report from the last `count` lines on, or the failure's message.
std::vector<std::string> outcome(const correction::CorrectionResult &result, std::size_t count)
{
    if (const auto *failure = std::get_if<common::Failure>(&result))
        return {failure->message};
    const auto &lines = std::get<common::Report>(result).lines;
    return {lines.end() - static_cast<std::ptrdiff_t>(std::min(count, lines.size())), lines.end()};
}

template<class Case> std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

const std::string divisionByZero = "Ошибка вычисления: деление на ноль.";

TEST(StrengthCorrection, WholeReportOfTheWorkedExample)
{
    const auto result = correction::strengthReport({"30", "2,0", "20", "1,5", "25", "180"});
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    EXPECT_EQ(report.caption(4), "Корректирование состава бетона по прочности. Окно №4");
    EXPECT_EQ(report.lines,
              (std::vector<std::string> {
                  "Корректирование состава бетона возможно, если поступает информация",
                  "о двух фактических значениях Rб при двух различных значения Ц/В.",
                  "",
                  "1. ДАННЫЕ ДЛЯ КОРРЕКТИРОВАНИЯ СОСТАВА ПО ПРОЧНОСТИ И Ц/В ",
                  "",
                  "Первое фактическое значение прочности: 30 МПа",
                  "Соответствующее значение Ц/В: 2,0",
                  "",
                  "Второе фактическое значение прочности: 20 МПа",
                  "Соответствующее значение Ц/В: 1,5",
                  "",
                  "Требуемая прочность: 25 МПа",
                  "",
                  "ОТКОРРЕКТИРОВАННЫЕ ПАРАМЕТРЫ",
                  "",
                  "Фактическое Ц/В: 1,75",
                  "Откорректированный расход цемента: 315 кг/куб.м.",
                  "Водопотребность бетонной смеси: 180 л/куб.м.",
              }));
}

struct StrengthCase
{
    const char *name;
    StrengthForm form;             // edRb1, edC_V1, edRb2, edC_V2, edRtr, edV
    std::vector<std::string> last; // the last report lines, or the message
};

class StrengthCorrectionCases : public testing::TestWithParam<StrengthCase>
{
};

TEST_P(StrengthCorrectionCases, GiveTheirLinesOrTheirMessage)
{
    const StrengthCase &c = GetParam();
    EXPECT_EQ(outcome(correction::strengthReport(c.form), c.last.size()), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrengthCorrectionCases,
    testing::Values(
        StrengthCase {"PointsInTheOtherOrder",
                      {"20", "1,5", "30", "2,0", "25", "180"},
                      {"Фактическое Ц/В: 1,75", "Откорректированный расход цемента: 315 кг/куб.м.",
                       "Водопотребность бетонной смеси: 180 л/куб.м."}},
        StrengthCase {"TextsEchoedAsTypedAndWaterRounded",
                      {"30,0", "2,00", "20", "1,5", "25,0", "180,6"},
                      {"Первое фактическое значение прочности: 30,0 МПа",
                       "Соответствующее значение Ц/В: 2,00", "",
                       "Второе фактическое значение прочности: 20 МПа",
                       "Соответствующее значение Ц/В: 1,5", "", "Требуемая прочность: 25,0 МПа", "",
                       "ОТКОРРЕКТИРОВАННЫЕ ПАРАМЕТРЫ", "", "Фактическое Ц/В: 1,75",
                       "Откорректированный расход цемента: 316 кг/куб.м.",
                       "Водопотребность бетонной смеси: 181 л/куб.м."}},
        StrengthCase {"EqualStrengths", {"30", "2,0", "30", "1,5", "25", "180"}, {divisionByZero}},
        StrengthCase {"ZeroFirstStrength",
                      {"0", "2,0", "20", "1,5", "25", "180"},
                      {"Ошибка вычисления: недопустимая операция."}},
        StrengthCase {"EmptyRequiredStrength",
                      {"30", "2,0", "20", "1,5", "", "180"},
                      {"\"\" не является правильным числом."}},
        // R1, R2, Rtr, then the C/W and the water: R2 is read before the first C/W.
        StrengthCase {"ConversionOrder",
                      {"30", "x1", "R2", "1,5", "25", "180"},
                      {"\"R2\" не является правильным числом."}}),
    caseName<StrengthCase>);

TEST(AggregateCorrection, WholeReportAndBalancesOfTheThirdWorkedExample)
{
    const AggregatesForm form {"600", "1200", "180", "5", "2", "5", "10"};
    const auto result = correction::aggregatesReport(form);
    ASSERT_TRUE(std::holds_alternative<common::Report>(result));
    const auto &report = std::get<common::Report>(result);
    EXPECT_EQ(report.caption(2), "Корректирование состава бетона по влажности и гранулометрии "
                                 "заполнителей. Окно №2");
    EXPECT_EQ(report.lines, (std::vector<std::string> {
                                "",
                                "1. ДАННЫЕ ДЛЯ КОРРЕКТИРОВАНИЯ СОСТАВА ПО ВЛАЖНОСТИ И",
                                "ГРАНУЛОМЕТРИИ ЗАПОЛНИТЕЛЕЙ ",
                                "",
                                "Начальный расход песка: 600 кг/куб.м.",
                                "Влажность песка: 5 %",
                                "Доля щебня в песке: 10 %",
                                "",
                                "Начальный расход щебня: 1200 кг/куб.м.",
                                "Влажность щебня: 2 %",
                                "Доля песка в щебне: 5 %",
                                "",
                                "Начальный расход воды: 180 л/куб.м.",
                                "",
                                "ОТКОРРЕКТИРОВАННЫЕ ПАРАМЕТРЫ",
                                "",
                                "Откорректированный расход воды: 124 кг/куб.м.",
                                "Откорректированный расход песка: 634 кг/куб.м.",
                                "Откорректированный расход щебня: 1222 кг/куб.м.",
                                "",
                                "Расход цемента остается без изменения по сравнению с начальным",
                            }));

    // The weighed-out materials hold exactly the designed dry solids.
    const auto c = correction::correctAggregates(600, 1200, 180, 5, 2, 5, 10);
    EXPECT_NEAR(0.90 * c.sand * 0.95 + 0.05 * c.coarse * 0.95, 600, 1e-9);
    EXPECT_NEAR(0.10 * c.sand * 0.98 + 0.95 * c.coarse * 0.98, 1200, 1e-9);
}

struct AggregatesCase
{
    const char *name;
    AggregatesForm form;           // edP, edSC, edVoda, edWp, edWsc, edXp_sc, edYsc_p
    std::vector<std::string> last; // water, sand, crushed stone; or the message
};

class AggregateCorrectionCases : public testing::TestWithParam<AggregatesCase>
{
};

TEST_P(AggregateCorrectionCases, GiveTheirLinesOrTheirMessage)
{
    const AggregatesCase &c = GetParam();
    auto lines = outcome(correction::aggregatesReport(c.form), 5);
    if (lines.size() == 5) {
        EXPECT_EQ(lines.back(), "Расход цемента остается без изменения по сравнению с начальным");
        lines.resize(3);
    }
    EXPECT_EQ(lines, c.last);
}

std::vector<std::string> mix(const char *water, const char *sand, const char *coarse)
{
    return {std::string("Откорректированный расход воды: ") + water + " кг/куб.м.",
            std::string("Откорректированный расход песка: ") + sand + " кг/куб.м.",
            std::string("Откорректированный расход щебня: ") + coarse + " кг/куб.м."};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AggregateCorrectionCases,
    testing::Values(
        AggregatesCase {
            "DryAndClean", {"600", "1200", "180", "0", "0", "0", "0"}, mix("180", "600", "1200")},
        AggregatesCase {
            "WetSand", {"600", "1200", "180", "5", "0", "0", "0"}, mix("148", "632", "1200")},
        AggregatesCase {"VeryWetGivesNegativeWater",
                        {"600", "1200", "10", "20", "0", "0", "0"},
                        mix("-140", "750", "1200")},
        AggregatesCase {
            "SandAllWater", {"600", "1200", "180", "100", "0", "0", "0"}, {divisionByZero}},
        AggregatesCase {
            "HalfAndHalf", {"600", "1200", "180", "0", "0", "50", "50"}, {divisionByZero}},
        AggregatesCase {"NoNumber",
                        {"600", "1200", "180", "5", "мокрый", "0", ""},
                        {"\"мокрый\" не является правильным числом."}}),
    caseName<AggregatesCase>);

} // namespace
