#include "mixdesign/core/economy.h"

#include "common/arithmetic.h"
#include "mixdesign/core/strength.h"
#include "text/numbers.h"

namespace mixdesign {

using common::checked;
using common::divide;

namespace {

using Kind = common::Failure::Kind;

const char *const refusalFW = "Данный прием не рекомендуется при нормировании F и W";
const char *const refusalAge = "Не рекомендуется увеличивать возраст бетона при его пропаривании,"
                               " а также при нормировании F или W";
const char *const refusalNoFrost = "Данный прием рекомендуется только при нормировании "
                                   "морозостойкости";
const char *const refusalSteam = "Данный прием не рекомендуется при пропаривании бетона";
const char *const refusalPlasticiser = "Пластифицирующая добавка уже используется для ускорения "
                                       "твердения при пропаривании";
const char *const noSuperplasticiserFactor
    = "Для данного состава бетона нет коэффициента снижения водопотребности по усредненным "
      "зависимостям. Введите снижение водопотребности, %.";

// The refusal message of a measure under the current options, if it is refused.
std::optional<std::string> refusalOf(Measure measure, const MixDesignState &state)
{
    const int f = state.options.rgFrost;
    const int w = state.options.rgWaterproof;
    const int p = state.options.rgProparka;
    const int s = state.steamCuring.rgYskoriteli;
    switch (measure) {
    case Measure::HigherCementGrade:
        if (f == 0 || w == 0)
            return refusalFW;
        break;
    case Measure::LongerDesignAge:
        if (f == 0 || w == 0 || p == 0)
            return refusalAge;
        break;
    case Measure::AirEntrainment:
        if (f == 1)
            return refusalNoFrost;
        if (p == 0)
            return refusalSteam;
        break;
    case Measure::Superplasticiser:
    case Measure::Plasticiser:
        if (p == 0 && s == static_cast<int>(Accelerator::Superplasticiser))
            return refusalPlasticiser;
        break;
    case Measure::None:
    case Measure::FlyAsh:
        break;
    }
    return std::nullopt;
}

// The measure's W/C for strength r with cement activity rc, then the cement for the mix's
// water, each assigned as soon as it is computed.
void setMixForStrength(MixDesignState &state, double r, double rc)
{
    state.measure.WCRatio = wcForStrength(state.work.CoefA, rc, r);
    state.measure.CementContent = divide(state.work.WaterContent, state.measure.WCRatio);
}

// Water reduced by a factor: the mix's water, then the cement for the activation's W/C.
void reduceWater(MixDesignState &state, double factor)
{
    state.work.WaterContent = checked(factor * state.work.WaterContent);
    state.measure.CementContent = divide(state.work.WaterContent, state.measure.WCRatio);
}

void applyMeasure(MixDesignState &state)
{
    WorkingValues &work = state.work;
    MeasureForm &m = state.measure;
    switch (static_cast<Measure>(m.page + 1)) {
    case Measure::HigherCementGrade: {
        const double rc = text::toNumber(m.edMarka_C) / 10;
        setMixForStrength(state, work.ConcreteStrength, rc);
        work.CementActivity = rc;
        break;
    }
    case Measure::LongerDesignAge: {
        const double age = text::toNumber(m.edAge);
        work.ConcreteStrength
            = divide(work.ConcreteStrength, divide(common::lg(age), common::lg(28)));
        setMixForStrength(state, work.ConcreteStrength, work.CementActivity);
        break;
    }
    case Measure::AirEntrainment: {
        m.AirVolume = text::toNumber(m.edAir);
        work.ConcreteStrength
            = checked(work.BaseStrength + work.BaseStrength * m.AirVolume * 0.005);
        setMixForStrength(state, work.ConcreteStrength, work.CementActivity);
        break;
    }
    case Measure::FlyAsh: {
        m.AshContent = text::toNumber(m.edAsh);
        const double k
            = ashFactor(work.ConcreteStrength, state.options.rgProparka, work.CementActivity);
        m.CementContent = checked(work.CementContent - k * m.AshContent);
        break;
    }
    case Measure::Superplasticiser: {
        double factor = 0.0;
        if (m.edSuperplast == averagedRelations) {
            const auto f = superplasticiserFactor(state.bns.rgYdoboykl == 0, work.WorkabilityValue,
                                                  work.CementContent);
            if (!f)
                throw common::StepError(Kind::Refused, noSuperplasticiserFactor);
            factor = *f;
        } else {
            factor = checked(1 - text::toNumber(m.edSuperplast) / 100);
        }
        reduceWater(state, factor);
        break;
    }
    case Measure::Plasticiser:
        reduceWater(state, checked(1 - text::toNumber(m.edPlast) / 100));
        break;
    case Measure::None:
        break;
    }
}

} // namespace

double ashFactor(double r, int p, double rc)
{
    const bool strongCement = rc >= 50;
    if (r < 20)
        return p == 0 ? 0.37 : (strongCement ? 0.35 : 0.30);
    if (r < 30)
        return p == 1 ? 0.37 : (strongCement ? 0.35 : 0.30);
    if (r < 40)
        return p == 1 ? 0.33 : (strongCement ? 0.30 : 0.25);
    return p == 1 ? 0.25 : (strongCement ? 0.25 : 0.20);
}

std::optional<double> superplasticiserFactor(bool slump, double v, double cement)
{
    int column = 0;
    if (cement <= 300)
        column = 0;
    else if (cement <= 400)
        column = 1;
    else if (cement <= 1000)
        column = 2;
    else
        return std::nullopt;

    static constexpr double slumpRows[3][3] = {
        {0.88, 0.86, 0.82}, // V ≤ 4 cm
        {0.85, 0.83, 0.79}, // 4 < V ≤ 10
        {0.83, 0.80, 0.77}, // 10 < V ≤ 100
    };
    static constexpr double stiffnessRows[2][3] = {
        {0.88, 0.86, 0.82}, // V ≤ 10 s
        {0.91, 0.88, 0.87}, // 10 < V ≤ 1000
    };
    if (slump) {
        if (v <= 4)
            return slumpRows[0][column];
        if (v <= 10)
            return slumpRows[1][column];
        if (v <= 100)
            return slumpRows[2][column];
        return std::nullopt;
    }
    if (v <= 10)
        return stiffnessRows[0][column];
    if (v <= 1000)
        return stiffnessRows[1][column];
    return std::nullopt;
}

std::optional<common::Failure> acceptEconomy(MixDesignState &state, MixDesignPrompter &prompter)
{
    const int choice = state.economy.rgEconomy;
    MeasureForm &m = state.measure;
    if (!isMeasure(choice)) {
        m.WCRatio = state.work.WCRatio;
        m.CementContent = state.work.CementContent;
        m.modalResult = ModalResult::Ok;
        return std::nullopt;
    }
    const auto measure = static_cast<Measure>(choice);
    if (const auto refusal = refusalOf(measure, state)) {
        m.modalResult = ModalResult::Close;
        return common::Failure {Kind::Refused, *refusal};
    }
    m.page = choice - 1;
    if (measure == Measure::HigherCementGrade)
        m.edMarka_C = state.bns.edMarkCem;
    m.modalResult = prompter.show(AuxDialog::Measure);
    return std::nullopt;
}

void activateMeasure(MixDesignState &state)
{
    state.measure.WCRatio = state.work.WCRatio;
    state.measure.CementContent = state.work.CementContent;
    state.measure.AirVolume = 0.0;
    state.measure.AshContent = 0.0;
}

std::optional<common::Failure> acceptMeasure(MixDesignState &state)
{
    state.measure.modalResult = ModalResult::Ok;
    auto failure = common::failureOf([&] { applyMeasure(state); });
    if (failure && failure->kind == common::Failure::Kind::Refused)
        state.measure.modalResult = ModalResult::Close;
    return failure;
}

} // namespace mixdesign
