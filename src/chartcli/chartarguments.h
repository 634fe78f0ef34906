#pragma once

#include "cli/commandline.h"
#include "statcontrol/chart/chartpicture.h"

#include <QSize>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace chartcli {

// The command line of loviz-chart, taken apart.
struct ChartArguments
{
    cli::Controls controls;             // NAME=TEXT of the input dialog
    std::vector<std::string> strengths; // edRi=TEXT, prompt by prompt
    QString out;
    QSize size {800, 500};
    statcontrol::ChartFileFormat format = statcontrol::ChartFileFormat::Emf;
    bool help = false;
};

// The arguments without the program's name, by the shared rules with loviz-chart's options
// (--out FILE, --size WxH, --format NAME); the reason when they make no sense.
std::optional<ChartArguments> parseChartArguments(const std::vector<std::string> &arguments,
                                                  std::string &why);

} // namespace chartcli
