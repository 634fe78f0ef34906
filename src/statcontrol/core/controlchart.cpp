#include "statcontrol/core/controlchart.h"

#include "text/numbers.h"

namespace statcontrol {

namespace {

constexpr Rgb green {0, 128, 0};
constexpr Rgb red {255, 0, 0};

struct Limits
{
    int count = 0;
    std::vector<double> strengths;
    double upperWarning = 0.0;
    double lowerWarning = 0.0;
    double upperCorrection = 0.0;
    double lowerCorrection = 0.0;
    double level = 0.0;
};

// Everything the chart shows, read in the window's order; throws at the first failure.
Limits readValues(const ControlForm &form, common::Prompter &prompter)
{
    Limits v;
    v.count = text::toInteger(form.edCountParty);
    for (int k = 1; k <= v.count; ++k)
        v.strengths.push_back(text::toNumber(prompter.askValue(batchPrompt(k))));
    v.upperWarning = text::toNumber(form.edRpr1);
    v.lowerWarning = text::toNumber(form.edRpr2);
    v.upperCorrection = text::toNumber(form.edRcor1);
    v.lowerCorrection = text::toNumber(form.edRcor2);
    v.level = text::toNumber(form.edRy);
    return v;
}

} // namespace

ControlChart emptyControlChart()
{
    const std::string correction = "Предел корректирования";
    const std::string warning = "Предел предупреждения";
    ControlChart chart;
    chart.series = {{
        {"Series3", correction, green, green, 3, false, false, {}},
        {"Series4", correction, green, green, 3, false, false, {}},
        {"Series2", warning, red, red, 3, false, false, {}},
        {"Series1", warning, red, red, 3, false, false, {}},
        {"Series5", "Средний уровень прочности", {0, 128, 255}, {0, 0, 255}, 3, false, false, {}},
        {"Series6", "Фактическая прочность", {255, 128, 255}, {255, 0, 255}, 2, true, true, {}},
    }};
    return chart;
}

std::string batchPrompt(int batch)
{
    return "Средняя прочность в " + std::to_string(batch) + " партии, МПа:";
}

std::optional<common::Failure> fillControlChart(ControlChart &chart, const ControlForm &form,
                                                common::Prompter &prompter)
{
    for (ChartSeries &series : chart.series)
        series.points.clear();
    Limits v;
    if (auto failure = common::failureOf([&] { v = readValues(form, prompter); }))
        return failure;
    const double bottom = v.lowerCorrection - 3;
    const double top = v.upperCorrection + 3;
    if (bottom > top)
        return common::Failure {common::Failure::Kind::Refused,
                                "Неверный диапазон оси прочности: нижняя граница больше "
                                "верхней."};
    chart.strengthRange = {bottom, top};
    const double values[]
        = {v.upperCorrection, v.lowerCorrection, v.upperWarning, v.lowerWarning, v.level};
    for (std::size_t i = 0; i < std::size(values); ++i)
        chart.series[i].points = {{0, values[i]}, {static_cast<double>(v.count), values[i]}};
    for (int k = 1; k <= v.count; ++k)
        chart.series[5].points.push_back({static_cast<double>(k), v.strengths[k - 1]});
    return std::nullopt;
}

} // namespace statcontrol
