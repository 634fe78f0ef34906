#include "mixdesign/core/steamcuring.h"

#include "common/arithmetic.h"
#include "text/numbers.h"

#include <cmath>

namespace mixdesign {

using common::checked;

double cementFactor(int cementKind, double x, double r)
{
    double value = 0.0;
    switch (cementKind) {
    case 0: // portland cement, group 1
        value = 2 * x * x + 1.5 * x + 78.7 + 0.383 * r - 0.1 * r * x;
        break;
    case 1: // portland cement, group 2
        value = 6.15 * x + 47.9 + 1.34 * r - 0.763 * x * x - 0.013 * r * r + 0.05 * r * x;
        break;
    default: // slag portland cement
        value = 3.88 * x + 98.2 - 1.152 * r - 1.276 * x * x + 0.019 * r * r + 0.25 * r * x;
        break;
    }
    return checked(std::fabs(value) / 100);
}

double durationFactor(double t, double x)
{
    return checked(0.06 * t - t * t / 600 + 0.106 * x - 0.054);
}

double holdingFactor(double t, double tau, double x)
{
    const double spread
        = 0.007 * t * t + 16.74 - 0.716 * t - 5.873 * x + 0.473 * (x * x + 0.145 * t * x);
    return checked(1 + std::fabs(spread) * (tau - 4) / 100);
}

double acceleratorFactor(int accelerator)
{
    switch (static_cast<Accelerator>(accelerator)) {
    case Accelerator::SodiumSulphate:
    case Accelerator::CalciumChloride:
        return 1.2;
    case Accelerator::Relaxol:
        return 1.3;
    default:
        return 1.0;
    }
}

std::optional<common::Failure> acceptSteamCuring(SteamCuringForm &form, WorkingValues &work)
{
    return common::failureOf([&] {
        if (form.rgYskoriteli == static_cast<int>(Accelerator::Superplasticiser)) {
            work.WaterContent = 0.8 * work.WaterContent;
            work.WCRatio = 0.8 * work.WCRatio;
        }
        const double x = common::divide(1.0, work.WCRatio);
        const double kc = cementFactor(form.rgVid_Cem, x, work.CementActivity);
        const double t = text::toNumber(form.edT_prop);
        const double kt = durationFactor(t, x);
        const double tau = text::toNumber(form.edT_vuderz);
        const double ktau = holdingFactor(t, tau, x);
        form.SteamStrengthPct
            = checked(100 * kc * kt * ktau * acceleratorFactor(form.rgYskoriteli));
    });
}

} // namespace mixdesign
