#pragma once

#include "cli/arguments.h"
#include "common/report.h"

#include <iosfwd>
#include <optional>

namespace cli {

// The analysed period from control texts: edB of the scheme choice (initially "10") and the
// sample edits edR<k>_<j> of the scheme's batch data dialog (the others empty, as in a fresh
// dialog), then its OK. The report, or nothing after writing the reason to `errors`.
std::optional<common::Report> runPeriod5(const Arguments &args, std::ostream &errors,
                                         ExitCode &code);
std::optional<common::Report> runPeriod10(const Arguments &args, std::ostream &errors,
                                          ExitCode &code);

} // namespace cli
