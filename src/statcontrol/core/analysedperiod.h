#pragma once

#include "common/failure.h"
#include "common/report.h"
#include "statcontrol/core/forms.h"

#include <string>
#include <variant>
#include <vector>

namespace statcontrol {

// The divisor of the between-batch coefficient of variation.
inline constexpr double samplesInPeriod = 30;

// Every computed figure of the report.
struct BatchFigures
{
    double mean = 0.0;
    double deviation = 0.0; // range / α
    double variation = 0.0; // per cent
};

struct PeriodFigures
{
    std::vector<BatchFigures> batches;
    double betweenBatchVariation = 0.0; // Vm, per cent
    double level = 0.0;                 // Ry, MPa
    double meanRange = 0.0;             // W, MPa
    double upperWarning = 0.0;
    double lowerWarning = 0.0;
    double upperCorrection = 0.0;
    double lowerCorrection = 0.0;
};

using PeriodResult = std::variant<common::Report, common::Failure>;

// The OK of a batch data dialog: the batches in order, each shown (the form's tab follows the
// batch being read) and its samples converted in sample order; then the period's figures with
// B read last, and the report "Расчет стат. характеристик прочности. Окно №<n>". Any failure
// (a text that is no number, a batch whose mean is zero, any step without a finite result)
// gives "Ошибка при вводе данных" and no report; the tab stays at the batch where it stopped,
// or at the last one when B failed.
PeriodResult analysedPeriodReport(const Scheme &scheme, BatchForm &batches,
                                  const SchemeForm &choice);

// The figures that report writes, from the same steps and with the same failures (the form's
// tab moves as it does); for whoever needs the numbers themselves, as the register does for the
// limits of a control chart.
std::variant<PeriodFigures, common::Failure>
analysedPeriodFigures(const Scheme &scheme, BatchForm &batches, const SchemeForm &choice);

// The message of every failure of the calculation.
inline constexpr const char *inputError = "Ошибка при вводе данных";

} // namespace statcontrol
