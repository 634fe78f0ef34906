#include "correction/core/correction.h"

#include "common/arithmetic.h"
#include "text/numbers.h"

#include <cmath>

namespace correction {

using common::checked;
using common::divide;
using text::fixed;
using text::toNumber;

StrengthCorrection correctStrength(double r1, double r2, double required, double x1, double x2,
                                   double water)
{
    StrengthCorrection c;
    c.intercept = divide(checked(r1 * x2 - r2 * x1), checked(r1 - r2));
    c.slope = divide(r1, checked(x1 - c.intercept));
    c.requiredCW = divide(checked(c.intercept * c.slope + required), c.slope);
    c.cement = checked(water * c.requiredCW);
    return c;
}

AggregateCorrection correctAggregates(double sand, double coarse, double water, double sandMoisture,
                                      double coarseMoisture, double sandInCoarse,
                                      double coarseInSand)
{
    const double wp = sandMoisture / 100;
    const double ws = coarseMoisture / 100;
    const double x = sandInCoarse / 100;
    const double y = coarseInSand / 100;
    const double d
        = checked((1 - wp) * (1 - ws) * ((1 - y) * (1 - x) - sandInCoarse * coarseInSand / 10000));
    AggregateCorrection c;
    c.sand = divide(checked((1 - ws) * sand * (1 - x) - (1 - wp) * coarse * x), d);
    c.coarse = divide(checked((1 - wp) * coarse * (1 - y) - (1 - ws) * sand * y), d);
    const double afterSand = checked(water - wp * std::fabs((1 - y) * c.sand + x * c.coarse));
    c.water = checked(afterSand - ws * std::fabs((1 - x) * c.coarse + y * c.sand));
    return c;
}

namespace {

common::Report strengthReportOf(const StrengthForm &f)
{
    const double r1 = toNumber(f.edRb1);
    const double r2 = toNumber(f.edRb2);
    const double required = toNumber(f.edRtr);
    const double x1 = toNumber(f.edC_V1);
    const double x2 = toNumber(f.edC_V2);
    const double water = toNumber(f.edV);
    const StrengthCorrection c = correctStrength(r1, r2, required, x1, x2, water);

    common::Report report;
    report.captionBeforeNumber = "Корректирование состава бетона по прочности. Окно №";
    report.lines = {
        "Корректирование состава бетона возможно, если поступает информация",
        "о двух фактических значениях Rб при двух различных значения Ц/В.",
        "",
        "1. ДАННЫЕ ДЛЯ КОРРЕКТИРОВАНИЯ СОСТАВА ПО ПРОЧНОСТИ И Ц/В ",
        "",
        "Первое фактическое значение прочности: " + f.edRb1 + " МПа",
        "Соответствующее значение Ц/В: " + f.edC_V1,
        "",
        "Второе фактическое значение прочности: " + f.edRb2 + " МПа",
        "Соответствующее значение Ц/В: " + f.edC_V2,
        "",
        "Требуемая прочность: " + f.edRtr + " МПа",
        "",
        "ОТКОРРЕКТИРОВАННЫЕ ПАРАМЕТРЫ",
        "",
        // Labelled "actual", it is the C/W that gives the required strength.
        "Фактическое Ц/В: " + fixed(c.requiredCW, 2),
        "Откорректированный расход цемента: " + fixed(c.cement, 0) + " кг/куб.м.",
        "Водопотребность бетонной смеси: " + fixed(water, 0) + " л/куб.м.",
    };
    return report;
}

common::Report aggregatesReportOf(const AggregatesForm &f)
{
    const double sand = toNumber(f.edP);
    const double coarse = toNumber(f.edSC);
    const double water = toNumber(f.edVoda);
    const double sandMoisture = toNumber(f.edWp);
    const double coarseMoisture = toNumber(f.edWsc);
    const double sandInCoarse = toNumber(f.edXp_sc);
    const double coarseInSand = toNumber(f.edYsc_p);
    const AggregateCorrection c = correctAggregates(sand, coarse, water, sandMoisture,
                                                    coarseMoisture, sandInCoarse, coarseInSand);

    common::Report report;
    report.captionBeforeNumber
        = "Корректирование состава бетона по влажности и гранулометрии заполнителей. Окно №";
    report.lines = {
        "",
        "1. ДАННЫЕ ДЛЯ КОРРЕКТИРОВАНИЯ СОСТАВА ПО ВЛАЖНОСТИ И",
        "ГРАНУЛОМЕТРИИ ЗАПОЛНИТЕЛЕЙ ",
        "",
        "Начальный расход песка: " + f.edP + " кг/куб.м.",
        "Влажность песка: " + f.edWp + " %",
        "Доля щебня в песке: " + f.edYsc_p + " %",
        "",
        "Начальный расход щебня: " + f.edSC + " кг/куб.м.",
        "Влажность щебня: " + f.edWsc + " %",
        "Доля песка в щебне: " + f.edXp_sc + " %",
        "",
        "Начальный расход воды: " + f.edVoda + " л/куб.м.",
        "",
        "ОТКОРРЕКТИРОВАННЫЕ ПАРАМЕТРЫ",
        "",
        "Откорректированный расход воды: " + fixed(c.water, 0) + " кг/куб.м.",
        "Откорректированный расход песка: " + fixed(c.sand, 0) + " кг/куб.м.",
        "Откорректированный расход щебня: " + fixed(c.coarse, 0) + " кг/куб.м.",
        "",
        "Расход цемента остается без изменения по сравнению с начальным",
    };
    return report;
}

} // namespace

CorrectionResult strengthReport(const StrengthForm &form)
{
    return common::resultOf<common::Report>([&form] { return strengthReportOf(form); });
}

CorrectionResult aggregatesReport(const AggregatesForm &form)
{
    return common::resultOf<common::Report>([&form] { return aggregatesReportOf(form); });
}

} // namespace correction
