#pragma once

#include "common/failure.h"
#include "mixdesign/core/forms.h"

#include <optional>

namespace mixdesign {

// The factors of the release strength after steam curing.
double cementFactor(int cementKind, double cw, double cementActivity);
double durationFactor(double hours, double cw);
double holdingFactor(double hours, double holding, double cw);
double acceleratorFactor(int accelerator);

// The OK of TfmTVO: with a superplasticiser as accelerator the water and the W/C of the mix
// drop by a fifth (at once, and for good); then the release strength SteamStrengthPct, per
// cent of R28. On failure SteamStrengthPct keeps its value and the returned failure is the
// message to show; the dialog closes with OK all the same.
std::optional<common::Failure> acceptSteamCuring(SteamCuringForm &form, WorkingValues &work);

} // namespace mixdesign
