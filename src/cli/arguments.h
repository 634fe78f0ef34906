#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cli {

// The command line of loviz-calc, taken apart.
struct Arguments
{
    std::string job;
    std::vector<std::pair<std::string, std::string>> controls; // NAME=TEXT, in order
    std::string optionsFile;
    bool cp1251 = false;
    bool help = false;
};

// Exit codes: a report on stdout, a calculation that produced nothing, bad usage.
enum ExitCode { Success = 0, NoReport = 1, BadUsage = 2 };

// Why a control's text given on the command line cannot stand in an edit (it is no valid
// UTF-8, or it holds a line break or another control character); empty when it can.
std::string unfitText(const std::string &text);

// Takes the arguments apart (without the program's name); the reason when they make no sense.
// A TEXT must be valid UTF-8 without line breaks or other control characters: an edit holds
// one line of printable text.
std::optional<Arguments> parseArguments(const std::vector<std::string> &arguments,
                                        std::string &why);

} // namespace cli
