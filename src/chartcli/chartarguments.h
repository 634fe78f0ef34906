#pragma once

#include "statcontrol/chart/chartpicture.h"

#include <QSize>
#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace chartcli {

// The command line of loviz-chart, taken apart.
struct ChartArguments
{
    std::vector<std::pair<std::string, std::string>> controls; // NAME=TEXT of the input dialog
    std::vector<std::string> strengths;                        // edRi=TEXT, prompt by prompt
    QString out;
    QSize size {800, 500};
    statcontrol::ChartFileFormat format = statcontrol::ChartFileFormat::Emf;
    bool help = false;
};

// The arguments without the program's name; the reason when they make no sense.
std::optional<ChartArguments> parseChartArguments(const std::vector<std::string> &arguments,
                                                  std::string &why);

} // namespace chartcli
