#pragma once

#include "chartcli/chartarguments.h"
#include "cli/commandline.h"
#include "statcontrol/core/controlchart.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace chartcli {

// Fills the controlled period's chart from its input dialog and the batches' strengths, prompt
// by prompt (a prompt beyond them finds its edit empty), draws it at the output's size and
// writes the file whole. A QApplication must exist. Success; or NoReport after writing to
// `errors` the chart's message or why the file was not written ("<program>: не удалось
// записать …").
cli::ExitCode writeControlChart(const statcontrol::ControlForm &form,
                                const std::vector<std::string> &strengths,
                                const ChartOutput &output, std::string_view program,
                                std::ostream &errors);

} // namespace chartcli
