#include "mixdesign/core/calculation.h"

#include "mixdesign/core/economy.h"
#include "mixdesign/core/reportsections.h"

namespace mixdesign {

namespace {

using Kind = common::Failure::Kind;

// Shows TF_W on one page and lowers the W/C to its limit when the limit is smaller.
void applyGradeLimit(MixDesignState &state, MixDesignPrompter &prompter, AuxDialog page)
{
    if (prompter.show(page) == ModalResult::Close)
        throw common::StepError(Kind::Cancelled, "Окно \"Учет морозостойкости и "
                                                 "водонепроницаемости\" закрыто без расчета.");
    const auto &limit = state.frostWater.MaxWCRatio;
    if (!limit)
        throw common::StepError(Kind::Cancelled, "Предельное В/Ц не определено: марка не "
                                                 "принята.");
    if (*limit < state.work.WCRatio)
        state.work.WCRatio = *limit;
}

// Hands the bounded mix to the cement-saving dialogs and takes back what the measure gives.
void applyCementSaving(MixDesignState &state, MixDesignPrompter &prompter)
{
    if (prompter.show(AuxDialog::Economy) == ModalResult::Close)
        throw common::StepError(Kind::Cancelled, "Окно \"Технологические приемы для экономии "
                                                 "цемента\" закрыто без выбора.");
    const int choice = state.economy.rgEconomy;
    if (isMeasure(choice) && state.measure.modalResult == ModalResult::Close)
        throw common::StepError(Kind::Cancelled, "Технологический прием для экономии цемента не "
                                                 "принят.");
    state.work.WCRatio = state.measure.WCRatio;
    state.work.CementContent = state.measure.CementContent;
}

MixDesignFigures computeMix(MixDesignState &state, MixDesignPrompter &prompter)
{
    WorkingValues &work = state.work;
    MixDesignFigures f;
    state.measure.AirVolume = 0.0;
    state.measure.AshContent = 0.0;
    f.input = readInput(state, work);
    const MixDesignInput &in = f.input;

    work.ConcreteStrength = requiredStrength(in.DesignClass);
    work.BaseStrength = work.ConcreteStrength;
    f.coefA = coefficientA(in);
    work.CoefA = f.coefA.final();
    work.WCRatio = wcForStrength(work.CoefA, work.CementActivity, work.ConcreteStrength);
    f.wcForStrength = work.WCRatio;

    f.water = waterDemand(in);
    work.WaterContent = f.water.total();

    if (in.FrostNormed)
        applyGradeLimit(state, prompter, AuxDialog::FrostPage);
    if (in.WaterproofNormed)
        applyGradeLimit(state, prompter, AuxDialog::WaterproofPage);

    work.ConcreteStrength = strengthFromWC(work.CoefA, work.CementActivity, work.WCRatio);
    f.expectedStrength = work.ConcreteStrength;
    if (in.SteamCured)
        prompter.show(AuxDialog::SteamCuring);
    f.wcWithAllProperties = work.WCRatio;

    f.cement = cementDemand(in, work);
    if (in.CementSavingWanted)
        applyCementSaving(state, prompter);

    f.aggregates = aggregates(in, work, state.measure.AirVolume, state.measure.AshContent);
    return f;
}

} // namespace

MixDesignResult calculateMix(MixDesignState &state, MixDesignPrompter &prompter)
{
    return common::resultOf<common::Report>(
        [&] { return mixDesignReport(state, computeMix(state, prompter)); });
}

} // namespace mixdesign
