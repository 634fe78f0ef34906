#pragma once

#include "mixdesign/core/input.h"

namespace mixdesign {

// Coefficient A of the strength formula R = A · Rc · (C/W − 0.5) and its corrections.
struct CoefficientA
{
    double preliminary = 0.0;
    double byAggregateSize = 0.0;
    double byNormalConsistency = 0.0;
    double bySandFineness = 0.0;
    double byWorkability = 0.0;
    double final() const;
};

// The required mean strength of a class B, MPa.
double requiredStrength(double designClass);

CoefficientA coefficientA(const MixDesignInput &in);

double aggregateSizeCorrection(double maxAggregateSize);
double normalConsistencyCorrection(double normalConsistency);
double workabilityCorrectionOfA(Workability indicator, double value);

// The W/C that gives strength R with coefficient A and cement activity Rc.
double wcForStrength(double coefA, double cementActivity, double strength);

// The strength that W/C gives with coefficient A and cement activity Rc.
double strengthFromWC(double coefA, double cementActivity, double wcRatio);

} // namespace mixdesign
