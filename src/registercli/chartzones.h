#pragma once

#include "register/core/period.h"

#include <string>

namespace registercli {

// The chart's batches that lie beyond its lines, as loviz-register prints them beside the
// chart: a line with the limits and the count for those beyond the warning limits but within
// the correction limits, then one for those beyond the correction limits, each followed by its
// batches, one to a line, by their number on the chart:
//   Вне границ предупреждения (21,5; 24,7): 1
//     2. партия «12» класса В25 от 05.01.2024, завод «Северный»: 30,0
//   Вне границ регулирования (20,6; 25,7): 0
std::string zoneListing(const journal::ControlChartInputs &inputs);

} // namespace registercli
