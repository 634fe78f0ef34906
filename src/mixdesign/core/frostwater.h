#pragma once

#include "common/failure.h"
#include "mixdesign/core/forms.h"

#include <cstdint>
#include <optional>

namespace mixdesign {

enum class GradePage { Frost = 0, Waterproof = 1 };

// The largest admissible W/C for a frost-resistance grade F and a waterproofness grade W.
double maxWCForFrost(std::int64_t grade);
double maxWCForWaterproofness(std::int64_t grade);

// The OK of either page of TF_W: the grade text rounded to a whole number (a tie to the even
// one) and turned into MaxWCRatio. On failure MaxWCRatio keeps its value and the returned
// failure is the message to show; the dialog closes with OK all the same.
std::optional<common::Failure> acceptGrade(FrostWaterForm &form, GradePage page);

} // namespace mixdesign
