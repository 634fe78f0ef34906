#pragma once

#include "cli/commandline.h"
#include "statcontrol/chart/chartpicture.h"

#include <QSize>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace chartcli {

// Where and how a chart is written.
struct ChartOutput
{
    QString out;
    QSize size {800, 500};
    statcontrol::ChartFileFormat format = statcontrol::ChartFileFormat::Emf;
};

// The options --out FILE, --size WxH and --format NAME, each setting its part of `output`.
std::vector<cli::Option> chartOutputOptions(ChartOutput &output);

// The command line of loviz-chart, taken apart.
struct ChartArguments
{
    cli::Controls controls;             // NAME=TEXT of the input dialog
    std::vector<std::string> strengths; // edRi=TEXT, prompt by prompt
    ChartOutput output;
    bool help = false;
};

// The arguments without the program's name, by the shared rules with loviz-chart's options
// (--out FILE, --size WxH, --format NAME); the reason when they make no sense.
std::optional<ChartArguments> parseChartArguments(const std::vector<std::string> &arguments,
                                                  std::string &why);

} // namespace chartcli
