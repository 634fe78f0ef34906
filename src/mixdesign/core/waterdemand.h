#pragma once

#include "mixdesign/core/input.h"

namespace mixdesign {

// The water demand of the mix and its five corrections, l/m³.
struct WaterDemand
{
    double preliminary = 0.0;
    double bySandFineness = 0.0;
    double byNormalConsistency = 0.0;
    double bySandImpurities = 0.0;
    double byCoarseImpurities = 0.0;
    double byTemperature = 0.0;
    double corrections() const;
    double total() const; // the preliminary water plus the corrections, in that order
};

double preliminaryWater(Workability indicator, double maxAggregateSize, double value);
double temperatureCorrection(double temperature);

WaterDemand waterDemand(const MixDesignInput &in);

// The rule of constant water demand and the cement content that follow from the final W/C.
struct CementDemand
{
    double criticalCW = 0.0;
    double designCW = 0.0;
    double correctionByCW = 0.0; // l/m³
    double designWater = 0.0;    // l/m³, before the bounds of the cement content
    double designCement = 0.0;   // kg/m³, before the bounds
    bool beyondConstantWaterRule() const { return designCW > criticalCW; }
};

// Corrects the water by the rule of constant water demand, computes the cement and bounds it
// (220 kg/m³ reinforced, 200 otherwise, 600 at most); a bound moves the water with the cement
// so the W/C stays.
CementDemand cementDemand(const MixDesignInput &in, WorkingValues &work);

} // namespace mixdesign
