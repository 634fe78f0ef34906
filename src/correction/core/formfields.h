#pragma once

#include "common/formfields.h"
#include "correction/core/forms.h"

namespace correction {

// The controls of each page of Tcorrection, bound to its form, and of the whole dialog.
common::FormFields fieldsOf(StrengthForm &form);
common::FormFields fieldsOf(AggregatesForm &form);
common::FormFields fieldsOf(CorrectionForm &form);

} // namespace correction
