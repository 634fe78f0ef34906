#pragma once

#include "common/formfields.h"
#include "mixdesign/core/forms.h"

#include <vector>

namespace mixdesign {

// The controls of each mix design dialog, bound to its form.
common::FormFields fieldsOf(BnsForm &form);
common::FormFields fieldsOf(OptionsForm &form);
common::FormFields fieldsOf(FrostWaterForm &form);
common::FormFields fieldsOf(SteamCuringForm &form);
common::FormFields fieldsOf(EconomyForm &form);
common::FormFields fieldsOf(MeasureForm &form);

// Every dialog of the mix design, in the program's order.
std::vector<common::FormFields> fieldsOf(MixDesignState &state);

} // namespace mixdesign
