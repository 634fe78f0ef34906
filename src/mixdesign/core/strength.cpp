#include "mixdesign/core/strength.h"

#include "common/arithmetic.h"
#include "text/numbers.h"

namespace mixdesign {

using common::checked;
using common::divide;

double CoefficientA::final() const
{
    return checked(preliminary + byAggregateSize + byNormalConsistency + bySandFineness
                   + byWorkability);
}

double requiredStrength(double designClass)
{
    return checked(designClass / 0.778 * 1.12);
}

double aggregateSizeCorrection(double maxAggregateSize)
{
    const double d = text::roundHalfEven(maxAggregateSize);
    if (d < 0 || d > 1000)
        return 0.0;
    if (d <= 10)
        return -0.03;
    if (d <= 20)
        return -0.02;
    if (d <= 40)
        return -0.01;
    if (d <= 80)
        return 0.0;
    return 0.01;
}

double normalConsistencyCorrection(double ng)
{
    return checked(ng >= 27 ? -0.0075 * (ng - 27) : 0.015 * ng - 0.405);
}

double workabilityCorrectionOfA(Workability indicator, double v)
{
    if (indicator == Workability::Slump)
        return v > 2 ? checked(-0.0033 * v) : 0.0;
    return v > 23 ? checked(0.0003 * v - 0.0065) : 0.0;
}

CoefficientA coefficientA(const MixDesignInput &in)
{
    CoefficientA a;
    const double pp = in.SandImpurities;
    const double pc = in.CoarseImpurities;
    switch (in.CoarseAggregateKind) {
    case CoarseKind::CrushedStone:
        a.preliminary = 0.65 - 0.012 * pp - 0.03 * pc;
        break;
    case CoarseKind::MountainGravel:
        a.preliminary = 0.61 - 0.017 * pp - 0.03 * pc;
        break;
    case CoarseKind::RiverGravel:
        a.preliminary = 0.57 - 0.014 * pp - 0.03 * pc;
        break;
    }
    a.preliminary = checked(a.preliminary);
    a.byAggregateSize = aggregateSizeCorrection(in.MaxAggregateSize);
    a.byNormalConsistency = normalConsistencyCorrection(in.NormalConsistency);
    a.bySandFineness = checked(0.014 * (in.SandFinenessModulus - 3));
    a.byWorkability = workabilityCorrectionOfA(in.WorkabilityIndicator, in.WorkabilityValue);
    return a;
}

double wcForStrength(double coefA, double cementActivity, double strength)
{
    const double aRc = checked(coefA * cementActivity);
    return divide(aRc, checked(strength + 0.5 * aRc));
}

double strengthFromWC(double coefA, double cementActivity, double wcRatio)
{
    return checked(coefA * cementActivity * (divide(1.0, wcRatio) - 0.5));
}

} // namespace mixdesign
