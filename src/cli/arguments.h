#pragma once

#include "cli/commandline.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// The command line of loviz-calc, taken apart.
struct Arguments
{
    std::string job;
    Controls controls;
    std::string optionsFile;
    bool cp1251 = false;
    bool help = false;
};

// Takes the arguments apart (without the program's name) by the shared rules, with loviz-calc's
// options (--options FILE, --cp1251) and its one word, the job; the reason when they make no
// sense.
std::optional<Arguments> parseArguments(const std::vector<std::string> &arguments,
                                        std::string &why);

} // namespace cli
