#pragma once

#include "cli/arguments.h"
#include "common/failure.h"
#include "common/formfields.h"
#include "common/report.h"

#include <iosfwd>
#include <optional>
#include <variant>
#include <vector>

namespace cli {

// Sets the controls named on the command line, in order, through the dialogs' descriptions.
// Returns the fields set, or nothing after writing the reason (an unknown or ambiguous name, an
// item index that is no item of its group) to `errors`.
std::optional<std::vector<common::Field>>
setControls(std::vector<common::FormFields> forms, const Controls &controls, std::ostream &errors);

// A job's outcome: the report (Success), or nothing after writing the failure's message to
// `errors` (NoReport).
std::optional<common::Report> reportOf(std::variant<common::Report, common::Failure> result,
                                       std::ostream &errors, ExitCode &code);

// False, after saying so, when the command line names an options file for a job that has no
// options.
bool withoutOptions(const Arguments &args, std::ostream &errors);

} // namespace cli
