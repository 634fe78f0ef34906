#pragma once

#include "common/failure.h"
#include "common/formfields.h"
#include "common/report.h"

#include <string>
#include <variant>
#include <vector>

namespace statcontrol {

// A sampling scheme of the analysed period: K batches of n samples. K·n is 30 in both.
struct Scheme
{
    int batches;             // K
    int samples;             // n per batch
    double rangeCoefficient; // α: a batch's range deviation is its range / α
    double rangeFactor;      // d: the mean range is the mean deviation · d
    double warning;          // cw = 1,96 / (d·√n), rounded to three decimals
    double correction;       // cc = 3,09 / (d·√n), rounded to three decimals
    const char *dialog;      // the batch data dialog
    const char *caption;     // its caption
};

inline constexpr Scheme fiveBySix {
    5,
    6,
    2.5,
    2.534,
    0.316,
    0.498,
    "TfmPeriod_analiz2_5",
    "Проводится стат. контроль прочности бетона. Анализируемый период."};
inline constexpr Scheme tenByThree {10,
                                    3,
                                    1.69,
                                    1.693,
                                    0.668,
                                    1.054,
                                    "TfmPeriod_analiz2_15",
                                    "Проводится стат. контроль прочности. Анализируемый период."};

// The divisor of the between-batch coefficient of variation.
inline constexpr double samplesInPeriod = 30;

// The scheme choice dialog (TfmPeriod_Analiz1).
struct SchemeForm
{
    int rgCount_Party = 0;  // 1: ten batches of three, anything else five of six
    std::string edB = "10"; // specified strength B, MPa
};

const Scheme &schemeOf(const SchemeForm &form);

// A batch data dialog: the sample texts as typed, edR<k>_<j> at [k − 1][j − 1], empty at
// start-up, and the tab on view (from 0).
struct BatchForm
{
    explicit BatchForm(const Scheme &scheme);

    std::vector<std::vector<std::string>> edR;
    int page = 0;
};

// The name of a sample's edit, "edR<batch>_<sample>" (from 1).
std::string sampleEditName(int batch, int sample);

// The label over a sample's edit on a tab, with the few variants that some tabs carry.
std::string sampleLabel(const Scheme &scheme, int batch, int sample);

common::FormFields fieldsOf(SchemeForm &form);
common::FormFields fieldsOf(BatchForm &form, const Scheme &scheme);

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
