#pragma once

#include "cli/arguments.h"
#include "common/report.h"

#include <iosfwd>
#include <optional>

namespace cli {

// The mix design from control texts: sets the named controls, loads the options file when
// given, runs the calculation answering every auxiliary dialog with OK (their messages go to
// `errors`), and returns the report, or nothing after writing the reason to `errors`.
// Returns BadUsage through `code` for an unknown control name or a bad value.
std::optional<common::Report> runBns(const Arguments &args, std::ostream &errors, ExitCode &code);

} // namespace cli
