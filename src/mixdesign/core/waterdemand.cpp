#include "mixdesign/core/waterdemand.h"

#include "common/arithmetic.h"
#include "text/numbers.h"

namespace mixdesign {

using common::checked;
using common::divide;

double WaterDemand::corrections() const
{
    return checked(bySandFineness + byNormalConsistency + bySandImpurities + byCoarseImpurities
                   + byTemperature);
}

double WaterDemand::total() const
{
    return checked(preliminary + bySandFineness + byNormalConsistency + bySandImpurities
                   + byCoarseImpurities + byTemperature);
}

double preliminaryWater(Workability indicator, double d, double v)
{
    if (indicator == Workability::Slump)
        return checked(179 - 0.8 * d + 6.4 * v + 0.0029 * d * d - 0.14 * v * v);
    return checked(211 - 0.77 * d - 1.12 * v + 0.0026 * d * d + 0.0047 * v * v);
}

double temperatureCorrection(double t)
{
    // The rounded temperature only decides the branch; the formulas take the typed value.
    const double rounded = text::roundHalfEven(t);
    if (rounded > 20)
        return checked(0.73 * t - 14.7);
    if (rounded < 20)
        return checked(0.33 * t - 6.67);
    return 0.0;
}

WaterDemand waterDemand(const MixDesignInput &in)
{
    WaterDemand w;
    w.preliminary
        = preliminaryWater(in.WorkabilityIndicator, in.MaxAggregateSize, in.WorkabilityValue);
    w.bySandFineness = checked((3 - in.SandFinenessModulus) / 0.5 * 4);
    w.byNormalConsistency = checked(4 * (in.NormalConsistency - 28));
    w.bySandImpurities = in.SandImpurities > 3 ? checked(2 * (in.SandImpurities - 3)) : 0.0;
    w.byCoarseImpurities = in.CoarseImpurities > 2 ? checked(2 * (in.CoarseImpurities - 2)) : 0.0;
    w.byTemperature = temperatureCorrection(in.MixTemperature);
    return w;
}

CementDemand cementDemand(const MixDesignInput &in, WorkingValues &work)
{
    CementDemand c;
    c.criticalCW = divide(1.0, checked(0.0168 * in.NormalConsistency));
    c.designCW = divide(1.0, work.WCRatio);
    if (c.beyondConstantWaterRule()) {
        const double power = common::exponent(5.5 * common::ln(work.WaterContent / 100));
        c.correctionByCW = checked(power * (c.designCW - c.criticalCW));
    }
    work.WaterContent = checked(work.WaterContent + c.correctionByCW);
    work.CementContent = divide(work.WaterContent, work.WCRatio);
    c.designWater = work.WaterContent;
    c.designCement = work.CementContent;

    const double lowest = in.Reinforced ? 220.0 : 200.0;
    bool bounded = false;
    if (work.CementContent < lowest) {
        work.CementContent = lowest;
        bounded = true;
    }
    if (work.CementContent > 600.0) {
        work.CementContent = 600.0;
        bounded = true;
    }
    if (bounded)
        work.WaterContent = checked(work.CementContent * work.WCRatio);
    return c;
}

} // namespace mixdesign
