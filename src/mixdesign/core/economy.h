#pragma once

#include "common/failure.h"
#include "mixdesign/core/forms.h"
#include "mixdesign/core/mixdesignprompter.h"

#include <optional>

namespace mixdesign {

// The measures of Teconomy's list, by item index.
enum class Measure {
    None = 0,
    HigherCementGrade = 1,
    LongerDesignAge = 2,
    AirEntrainment = 3,
    FlyAsh = 4,
    Superplasticiser = 5,
    Plasticiser = 6,
};

// An item of Teconomy's list that is a measure, not "нет нужного решения".
inline bool isMeasure(int item)
{
    return item >= static_cast<int>(Measure::HigherCementGrade)
           && item <= static_cast<int>(Measure::Plasticiser);
}

// The keyword of edSuperplast that asks for the averaged relations.
inline constexpr const char *averagedRelations = "усредненные зависимости";

// Kilograms of cement that one kilogram of fly ash replaces, for strength R (MPa), the
// steam-curing option's item index and the cement activity Rc (MPa).
double ashFactor(double strength, int steamCuringItem, double cementActivity);

// The water-demand multiplier of a superplasticiser by the averaged relations; nothing outside
// the table (cement above 1000 kg/m³, slump above 100 cm, stiffness above 1000 s).
std::optional<double> superplasticiserFactor(bool slump, double workability, double cement);

// The OK of Teconomy. Choice 0 takes the mix as it is; a measure the options rule out is
// refused (the returned failure carries its message); any other measure shows TVubor_Econ on
// its page through the prompter. In every case the measure dialog's modal result tells the
// calculation whether the selection was accepted (anything but Close) or cancelled.
std::optional<common::Failure> acceptEconomy(MixDesignState &state, MixDesignPrompter &prompter);

// TVubor_Econ becoming active: it starts from the mix as the calculation handed it over.
void activateMeasure(MixDesignState &state);

// The OK of TVubor_Econ on its current page: the W/C and cement that the measure gives,
// changing the mix's working values where the measure says, each field assigned in the
// measure's order as soon as it is computed. A text that does not convert (and, for the design
// age, a logarithm that fails) stops it before anything changes; a later step that fails
// leaves the fields assigned before it. The returned failure is the message to show; the
// dialog closes with OK all the same (unless the failure is a refusal, which cancels the
// selection).
std::optional<common::Failure> acceptMeasure(MixDesignState &state);

} // namespace mixdesign
