#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The command-line rules shared by loviz-calc and loviz-chart; each program describes only its
// own options.
namespace cli {

// Exit codes: a report (or picture) written, a calculation that produced nothing, bad usage.
enum ExitCode { Success = 0, NoReport = 1, BadUsage = 2 };

// NAME=TEXT arguments, in order.
using Controls = std::vector<std::pair<std::string, std::string>>;

// One option of a program ("--cp1251", "--out FILE").
struct Option
{
    std::string name;
    // For an option followed by a value: the reason given when none follows. Empty for a flag.
    std::string withoutValue;
    // Takes the option's value (empty for a flag); the reason when the value makes no sense,
    // empty when it is taken.
    std::function<std::string(const std::string &value)> take;
};

// What the arguments name besides the program's own options.
struct CommandLine
{
    std::vector<std::string> words; // the arguments that are neither options nor NAME=TEXT
    Controls controls;
    bool help = false; // --help or -h: nothing after it was read
};

// Why a control's text given on the command line cannot stand in an edit (it is no valid
// UTF-8, or it holds a line break or another control character); empty when it can.
std::string unfitText(const std::string &text);

// Takes the arguments apart (without the program's name), in order: --help or -h ends the
// reading; an option takes the argument after it as its value, whatever it is; NAME=TEXT (a
// name that does not start with "-") is a control's text, which must be fit for an edit; up to
// `words` other arguments without "=" and not starting with "-" are words. Anything else makes
// no sense: nothing, and the reason in `why`.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string> &arguments,
                                            const std::vector<Option> &options, std::size_t words,
                                            std::string &why);

// Writes "<program>: <why>" and the usage to `errors`; returns BadUsage.
int badUsage(std::ostream &errors, std::string_view program, const std::string &why,
             std::string_view usage);

} // namespace cli
