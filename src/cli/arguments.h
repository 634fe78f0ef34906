#pragma once

#include <string>
#include <vector>

namespace cli {

// The command line of loviz-calc, taken apart.
struct Arguments
{
    std::string job;
    std::vector<std::pair<std::string, std::string>> controls; // NAME=TEXT, in order
    std::string optionsFile;
    bool cp1251 = false;
};

// Exit codes: a report on stdout, a calculation that produced nothing, bad usage.
enum ExitCode { Success = 0, NoReport = 1, BadUsage = 2 };

} // namespace cli
