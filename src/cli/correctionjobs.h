#pragma once

#include "cli/arguments.h"
#include "common/report.h"

#include <iosfwd>
#include <optional>

namespace cli {

// The two mix corrections from control texts: the named edits of their page set (the others
// empty, as in a fresh dialog), then the page's OK. The report, or nothing after writing the
// reason to `errors` (BadUsage for an unknown name, NoReport for a failed correction).
std::optional<common::Report> runStrength(const Arguments &args, std::ostream &errors,
                                          ExitCode &code);
std::optional<common::Report> runAggregates(const Arguments &args, std::ostream &errors,
                                            ExitCode &code);

} // namespace cli
