#include "mixdesign/core/aggregates.h"

#include "common/arithmetic.h"

#include <cmath>

namespace mixdesign {

using common::checked;
using common::divide;

double spreadingWorkabilityCorrection(Workability indicator, double v)
{
    if (indicator == Workability::Slump)
        return v > 2 ? divide(v - 2, checked(1.3777 * v + 22.952)) : 0.0;
    return v > 23 ? -divide(v - 23, checked(1.7337 * v + 122.81)) : 0.0;
}

double spreadingBinderCorrection(double binder)
{
    return binder > 350 ? checked(0.00048 * binder - 0.168) : 0.0;
}

Aggregates aggregates(const MixDesignInput &in, const WorkingValues &work, double airVolume,
                      double ashContent)
{
    Aggregates a;
    a.coarseVoidness = 1 - divide(in.CoarseBulkDensity, in.CoarseDensity);
    a.sandVoidness = 1 - divide(in.SandBulkDensity, in.SandDensity);
    a.preliminarySpreading = checked(2.5159 - 0.93165 * a.sandVoidness - 1.9469 * a.coarseVoidness);
    if (in.CoarseAggregateKind != CoarseKind::CrushedStone)
        a.preliminarySpreading -= 0.045;
    a.spreadingByWorkability
        = spreadingWorkabilityCorrection(in.WorkabilityIndicator, work.WorkabilityValue);
    a.spreadingByBinder = spreadingBinderCorrection(checked(work.CementContent + ashContent));
    a.spreading = checked(a.preliminarySpreading + a.spreadingByWorkability + a.spreadingByBinder);

    a.coarse
        = divide(1000 * in.CoarseBulkDensity, checked((a.spreading - 1) * a.coarseVoidness + 1));
    const double cementVolume = divide(work.CementContent, in.CementDensity);
    const double ashVolume = ashContent / flyAshDensity;
    const double remaining = checked(1000 - divide(a.coarse, in.CoarseDensity) - work.WaterContent
                                     - cementVolume - ashVolume - airVolume);
    a.sand = checked(std::fabs(remaining) * in.SandDensity);
    a.absoluteVolume = checked(cementVolume + work.WaterContent + divide(a.sand, in.SandDensity)
                               + divide(a.coarse, in.CoarseDensity) + ashVolume + airVolume);
    return a;
}

} // namespace mixdesign
