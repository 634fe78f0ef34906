#include "mixdesign/core/input.h"

#include "common/failure.h"
#include "text/numbers.h"

namespace mixdesign {

using text::toNumber;

Workability workabilityOf(const BnsForm &bns)
{
    return bns.rgYdoboykl == 0 ? Workability::Slump : Workability::Stiffness;
}

MixDesignInput readInput(const MixDesignState &state, WorkingValues &work)
{
    MixDesignInput in;
    const OptionsForm &options = state.options;
    in.CementDensity = toNumber(options.edPlotnostC);
    in.SandDensity = toNumber(options.edPlotnostP);
    in.CoarseDensity = toNumber(options.edPlotnostSC);
    in.MixTemperature = toNumber(options.edTemperatyr);
    if (options.rgZapolnitel < 0 || options.rgZapolnitel > 2)
        throw common::StepError(common::Failure::Kind::Refused,
                                "Вид крупного заполнителя не выбран.");
    in.CoarseAggregateKind = static_cast<CoarseKind>(options.rgZapolnitel);
    in.Reinforced = isYes(options.rgArmatyra);
    in.FrostNormed = isYes(options.rgFrost);
    in.WaterproofNormed = isYes(options.rgWaterproof);
    in.SteamCured = isYes(options.rgProparka);
    in.CementSavingWanted = isYes(options.rgEconomy);

    const BnsForm &bns = state.bns;
    in.WorkabilityIndicator = workabilityOf(bns);
    in.WorkabilityValue = toNumber(bns.edYdoboykl);
    work.WorkabilityValue = in.WorkabilityValue;
    in.SandFinenessModulus = toNumber(bns.edMkr_P);
    in.SandBulkDensity = toNumber(bns.edNPl_P);
    in.SandImpurities = toNumber(bns.edPr_P);
    in.CementGrade = toNumber(bns.edMarkCem);
    work.CementActivity = in.CementGrade / 10.0;
    in.NormalConsistency = toNumber(bns.edNGCT);
    in.MaxAggregateSize = toNumber(bns.edNKr_Sc);
    in.CoarseBulkDensity = toNumber(bns.edNPl_Sc);
    in.CoarseImpurities = toNumber(bns.edPr_Sc);
    in.DesignClass = toNumber(bns.edClassBet);
    return in;
}

} // namespace mixdesign
