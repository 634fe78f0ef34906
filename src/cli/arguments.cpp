#include "cli/arguments.h"

namespace cli {

std::optional<Arguments> parseArguments(const std::vector<std::string> &arguments, std::string &why)
{
    Arguments args;
    const std::vector<Option> options {
        {"--cp1251",
         {},
         [&args](const std::string &) {
             args.cp1251 = true;
             return std::string();
         }},
        {"--options", "после --options нужно имя файла",
         [&args](const std::string &file) {
             args.optionsFile = file;
             return std::string();
         }},
    };
    auto line = parseCommandLine(arguments, options, 1, why);
    if (!line)
        return std::nullopt;
    args.job = line->words.empty() ? std::string() : line->words.front();
    args.controls = std::move(line->controls);
    args.help = line->help;
    return args;
}

} // namespace cli
