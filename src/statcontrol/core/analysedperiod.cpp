#include "statcontrol/core/analysedperiod.h"

#include "common/arithmetic.h"
#include "statcontrol/core/formfields.h"
#include "text/numbers.h"

namespace statcontrol {

using common::checked;
using common::divide;
using text::fixed;

namespace {

std::string batchLabel(int batch)
{
    return std::to_string(batch) + "-я партия ";
}

PeriodFigures computeFigures(const Scheme &scheme, BatchForm &form, const SchemeForm &choice)
{
    PeriodFigures f;
    const int n = scheme.samples;
    for (int k = 0; k < scheme.batches; ++k) {
        form.page = k;
        std::vector<double> r;
        for (const std::string &sample : form.edR[static_cast<std::size_t>(k)])
            r.push_back(text::toNumber(sample));
        double sum = 0.0;
        double maximum = r.front();
        double minimum = r.front();
        for (std::size_t j = 0; j < r.size(); ++j) {
            sum = checked(sum + r[j]);
            if (j > 0 && r[j] > maximum)
                maximum = r[j];
            if (j > 0 && r[j] < minimum)
                minimum = r[j];
        }
        BatchFigures batch;
        batch.mean = sum / n;
        batch.deviation = checked(checked(maximum - minimum) / scheme.rangeCoefficient);
        batch.variation = checked(divide(batch.deviation, batch.mean) * 100);
        f.batches.push_back(batch);
    }

    double weighted = 0.0;
    double deviations = 0.0;
    for (const BatchFigures &batch : f.batches) {
        weighted = checked(weighted + batch.variation * n);
        deviations = checked(deviations + batch.deviation);
    }
    f.betweenBatchVariation = weighted / samplesInPeriod;
    const double b = text::toNumber(choice.edB);
    const double vm = f.betweenBatchVariation;
    f.level = checked((0.0036 * (vm * vm) - 0.0221 * vm + 1.0969) * b);
    f.meanRange = checked(deviations / scheme.batches * scheme.rangeFactor);
    f.upperWarning = checked(f.level + scheme.warning * f.meanRange);
    f.lowerWarning = checked(f.level - scheme.warning * f.meanRange);
    f.upperCorrection = checked(f.level + scheme.correction * f.meanRange);
    f.lowerCorrection = checked(f.level - scheme.correction * f.meanRange);
    return f;
}

// The calculation's steps; any failure says "Ошибка при вводе данных".
template<class T, class Steps> std::variant<T, common::Failure> withInputError(Steps &&steps)
{
    auto result = common::resultOf<T>(std::forward<Steps>(steps));
    if (auto *failure = std::get_if<common::Failure>(&result))
        failure->message = inputError;
    return result;
}

common::Report reportOf(const Scheme &scheme, const BatchForm &form, const PeriodFigures &f)
{
    common::Report report;
    report.captionBeforeNumber = "Расчет стат. характеристик прочности. Окно №";
    report.add("");
    report.add("1. ДАННЫЕ ДЛЯ ПРОВЕДЕНИЯ СТАТ. КОНТРОЛЯ");
    report.add("");
    report.add("Число партий в анализируемом периоде - " + std::to_string(scheme.batches));
    report.add("Число выборок в партии - " + std::to_string(scheme.samples));
    for (int k = 1; k <= scheme.batches; ++k) {
        report.add("Прочность " + ordinalIn(k) + " партии:");
        for (int j = 1; j <= scheme.samples; ++j) {
            report.add(std::to_string(j) + "-я выборка - "
                       + form.edR[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j - 1)]
                       + " МПа");
        }
    }
    report.add("");
    report.add("2. РАСЧЕТНЫЕ ХАРАКТЕРИСТИКИ ДЛЯ ПРОВЕДЕНИЯ КОНТРОЛИРУЕМОГО ПЕРИОДА");
    report.add("");
    const auto perBatch = [&](const char *title, double BatchFigures::*figure, int decimals) {
        report.add(title);
        for (std::size_t k = 0; k < f.batches.size(); ++k)
            report.add(batchLabel(static_cast<int>(k) + 1) + fixed(f.batches[k].*figure, decimals));
        report.add("");
    };
    perBatch("Средняя прочность в партиях, МПа:", &BatchFigures::mean, 1);
    perBatch("Среднеквадратические отклонения в партиях:", &BatchFigures::deviation, 2);
    perBatch("Коэфициенты вариации в партиях:", &BatchFigures::variation, 2);
    report.add("Межпартионный коэфициент вариации: " + fixed(f.betweenBatchVariation, 2));
    report.add("");
    report.add("Средний уровень прочности: " + fixed(f.level, 1) + " МПа");
    report.add("");
    report.add("Верхний предел предупреждения: " + fixed(f.upperWarning, 1) + " МПа");
    report.add("Нижний предел предупреждения: " + fixed(f.lowerWarning, 1) + " МПа");
    report.add("");
    report.add("Верхний предел корректирования: " + fixed(f.upperCorrection, 1) + " МПа");
    report.add("Нижний предел корректирования: " + fixed(f.lowerCorrection, 1) + " МПа");
    return report;
}

} // namespace

PeriodResult analysedPeriodReport(const Scheme &scheme, BatchForm &batches,
                                  const SchemeForm &choice)
{
    return withInputError<common::Report>(
        [&] { return reportOf(scheme, batches, computeFigures(scheme, batches, choice)); });
}

std::variant<PeriodFigures, common::Failure>
analysedPeriodFigures(const Scheme &scheme, BatchForm &batches, const SchemeForm &choice)
{
    return withInputError<PeriodFigures>([&] { return computeFigures(scheme, batches, choice); });
}

} // namespace statcontrol
