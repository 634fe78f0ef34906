#pragma once

#include "cli/arguments.h"
#include "common/formfields.h"

#include <iosfwd>
#include <optional>
#include <vector>

namespace cli {

// Sets the controls named on the command line, in order, through the dialogs' descriptions.
// Returns the fields set, or nothing after writing the reason (an unknown or ambiguous name, an
// item index that is no item of its group) to `errors`.
std::optional<std::vector<common::Field>> setControls(std::vector<common::FormFields> forms,
                                                      const Arguments &args, std::ostream &errors);

} // namespace cli
