#pragma once

#include "common/failure.h"
#include "common/report.h"
#include "mixdesign/core/aggregates.h"
#include "mixdesign/core/forms.h"
#include "mixdesign/core/input.h"
#include "mixdesign/core/mixdesignprompter.h"
#include "mixdesign/core/strength.h"
#include "mixdesign/core/waterdemand.h"

#include <variant>

namespace mixdesign {

// Every computed number the report prints, kept as the steps produce it.
struct MixDesignFigures
{
    MixDesignInput input;
    CoefficientA coefA;
    double wcForStrength = 0.0;
    double wcWithAllProperties = 0.0;
    double expectedStrength = 0.0;
    WaterDemand water;
    CementDemand cement;
    Aggregates aggregates;
};

using MixDesignResult = std::variant<common::Report, common::Failure>;

// The base nominal mix from the input and options dialogs: every step in its order, the
// auxiliary dialogs shown through the prompter where the options ask for them, then the
// six-section report. A failure ends the calculation with no report; the working values keep
// what the steps before it stored.
MixDesignResult calculateMix(MixDesignState &state, MixDesignPrompter &prompter);

} // namespace mixdesign
