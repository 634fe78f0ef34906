#pragma once

#include "common/failure.h"
#include "common/report.h"
#include "correction/core/forms.h"

#include <variant>

namespace correction {

// The straight line strength = k·(C/W − x0) through two measured points, and what it gives for
// the required strength.
struct StrengthCorrection
{
    double intercept = 0.0;  // x0, the C/W of zero strength
    double slope = 0.0;      // k, MPa per unit of C/W
    double requiredCW = 0.0; // xr
    double cement = 0.0;     // kg/m³
};

// The line through (x1, R1) and (x2, R2), inverted for Rtr, and the cement for water V: each
// step in its documented form and order. Throws ArithmeticError (R1 = R2, R1 = 0, …).
StrengthCorrection correctStrength(double r1, double r2, double required, double x1, double x2,
                                   double water);

// What to weigh out of wet, mutually contaminated aggregates for a mix designed with dry ones.
struct AggregateCorrection
{
    double sand = 0.0;   // P′, kg/m³
    double coarse = 0.0; // S′, kg/m³
    double water = 0.0;  // V′, l/m³
};

// Moistures and shares in per cent, as typed. Throws ArithmeticError (D = 0, …).
AggregateCorrection correctAggregates(double sand, double coarse, double water, double sandMoisture,
                                      double coarseMoisture, double sandInCoarse,
                                      double coarseInSand);

using CorrectionResult = std::variant<common::Report, common::Failure>;

// The OK of each page: the edits converted in their order, the correction, then the report
// ("Корректирование состава бетона по прочности. Окно №<n>" and its siblings). A text that is
// no number or a step without a finite result gives the failure instead, and no report.
CorrectionResult strengthReport(const StrengthForm &form);
CorrectionResult aggregatesReport(const AggregatesForm &form);

} // namespace correction
