#include "register/core/period.h"

#include "text/numbers.h"

#include <algorithm>

namespace journal {

namespace {

template<class Batches> void inEntryOrder(Batches &batches)
{
    std::sort(batches.begin(), batches.end(), [](const auto &a, const auto &b) {
        return std::pair(a.date, a.id) < std::pair(b.date, b.id);
    });
}

common::Failure refusal(std::string message)
{
    return {common::Failure::Kind::Refused, std::move(message)};
}

std::string tooFew(const ConcreteClass &concreteClass, const statcontrol::Scheme &scheme,
                   Date until, std::size_t found)
{
    return "Для анализируемого периода нужно " + std::to_string(scheme.batches) + " партий класса "
           + concreteClass.name() + " с датой по " + until.russian()
           + " включительно, в каждой не менее " + std::to_string(scheme.samples)
           + " образцов; в журнале "
           + (found == 0 ? std::string("таких нет.") : "их " + std::to_string(found) + ".");
}

Zone zoneOf(const std::string &strength, const statcontrol::ControlForm &form)
{
    const auto value = [](const std::string &t) {
        return text::parseNumber(t).value_or(0.0);
    };
    const double r = value(strength);
    if (r > value(form.edRcor1) || r < value(form.edRcor2))
        return Zone::BeyondCorrection;
    if (r > value(form.edRpr1) || r < value(form.edRpr2))
        return Zone::BeyondWarning;
    return Zone::Within;
}

} // namespace

const statcontrol::Scheme &schemeWith(int batches)
{
    return batches == statcontrol::tenByThree.batches ? statcontrol::tenByThree
                                                      : statcontrol::fiveBySix;
}

std::variant<AnalysedPeriod, common::Failure>
selectAnalysedPeriod(std::vector<PeriodCandidate> candidates, const ConcreteClass &concreteClass,
                     const statcontrol::Scheme &scheme, Date until)
{
    const auto n = static_cast<std::size_t>(scheme.samples);
    std::erase_if(candidates, [&](const PeriodCandidate &c) {
        return c.concreteClass.value != concreteClass.value || c.date > until
               || c.sampleCount < scheme.samples || c.strengths.size() < n;
    });
    const auto k = static_cast<std::size_t>(scheme.batches);
    if (candidates.size() < k)
        return refusal(tooFew(concreteClass, scheme, until, candidates.size()));
    inEntryOrder(candidates);
    AnalysedPeriod period {&scheme, {}, statcontrol::BatchForm(scheme), {}};
    period.used.assign(candidates.end() - static_cast<std::ptrdiff_t>(k), candidates.end());
    for (std::size_t b = 0; b < k; ++b) {
        std::vector<std::string> &strengths = period.used[b].strengths;
        strengths.resize(n);
        period.batches.edR[b] = strengths;
    }
    period.choice.rgCount_Party = scheme.batches == statcontrol::tenByThree.batches ? 1 : 0;
    period.choice.edB = period.used.back().concreteClass.text;
    return period;
}

std::vector<std::string> ControlChartInputs::strengths() const
{
    std::vector<std::string> texts;
    for (const ChartBatch &b : batches)
        texts.push_back(b.strength);
    return texts;
}

std::variant<ControlChartInputs, common::Failure>
controlChartInputs(AnalysedPeriod period, std::vector<ControlledBatch> after, Date until)
{
    statcontrol::BatchForm batches = period.batches;
    auto computed = statcontrol::analysedPeriodFigures(*period.scheme, batches, period.choice);
    if (auto *failure = std::get_if<common::Failure>(&computed))
        return *failure;
    std::erase_if(after, [&](const ControlledBatch &b) { return !(b.date > until); });
    if (after.empty()) {
        return refusal("После " + until.russian() + " в журнале нет партий класса "
                       + period.used.back().concreteClass.name()
                       + ": контролируемому периоду нечего показать.");
    }
    inEntryOrder(after);
    const statcontrol::PeriodFigures &f = std::get<statcontrol::PeriodFigures>(computed);
    ControlChartInputs inputs {std::move(period), {}, {}};
    inputs.form.edRy = text::fixed(f.level, 1);
    inputs.form.edRpr1 = text::fixed(f.upperWarning, 1);
    inputs.form.edRpr2 = text::fixed(f.lowerWarning, 1);
    inputs.form.edRcor1 = text::fixed(f.upperCorrection, 1);
    inputs.form.edRcor2 = text::fixed(f.lowerCorrection, 1);
    inputs.form.edCountParty = std::to_string(after.size());
    for (ControlledBatch &batch : after) {
        std::string strength = text::fixed(batch.mean, 1);
        const Zone zone = zoneOf(strength, inputs.form);
        inputs.batches.push_back({std::move(batch), std::move(strength), zone});
    }
    return inputs;
}

} // namespace journal
