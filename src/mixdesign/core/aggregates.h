#pragma once

#include "mixdesign/core/input.h"

namespace mixdesign {

// The coarse and fine aggregates of the final mix by the absolute-volume method.
struct Aggregates
{
    double coarseVoidness = 0.0;
    double sandVoidness = 0.0;
    double preliminarySpreading = 0.0; // α₀, lowered for gravel
    double spreadingByWorkability = 0.0;
    double spreadingByBinder = 0.0;
    double spreading = 0.0;      // α
    double coarse = 0.0;         // kg/m³
    double sand = 0.0;           // kg/m³
    double absoluteVolume = 0.0; // l
};

// True density of fly ash, g/cm³.
inline constexpr double flyAshDensity = 2.6;

double spreadingWorkabilityCorrection(Workability indicator, double value);
double spreadingBinderCorrection(double binder);

// The aggregates for the final cement and water, with the air and fly ash of a measure.
Aggregates aggregates(const MixDesignInput &in, const WorkingValues &work, double airVolume,
                      double ashContent);

} // namespace mixdesign
