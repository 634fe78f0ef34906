#include "registercli/registerarguments.h"

#include "cli/commandline.h"

#include <map>
#include <set>

namespace registercli {

namespace {

// The options each command takes besides --database.
const std::map<std::string, std::set<std::string>> commandOptions = {
    {"import", {}},
    {"export", {"--class", "--from", "--to"}},
    {"period5", {"--class", "--until"}},
    {"period10", {"--class", "--until"}},
    {"chart", {"--class", "--scheme", "--until", "--out", "--size", "--format"}},
};

// An option followed by a value, which `read` takes, giving the reason when it makes no sense.
template<class Read> cli::Option valueOption(const std::string &name, Read read)
{
    return {name, "после " + name + " нужно значение", read};
}

// Sets `target` from a reading (a value or the reason), giving the reason or "".
template<class T, class Reading> std::string take(T &target, Reading reading)
{
    if (auto *reason = std::get_if<std::string>(&reading))
        return std::move(*reason);
    target = std::get<0>(std::move(reading));
    return {};
}

// The options, each noting its name in `given` when it is taken.
std::vector<cli::Option> optionsOf(RegisterArguments &args, std::set<std::string> &given)
{
    std::vector<cli::Option> options {
        valueOption("--database",
                    [&args](const std::string &text) {
                        return take(args.database, journal::parseDatabaseAddress(text));
                    }),
        valueOption("--class",
                    [&args](const std::string &text) {
                        return take(args.concreteClass, journal::readClass(text));
                    }),
        valueOption("--from",
                    [&args](const std::string &text) {
                        return take(args.from, journal::Date::read(text));
                    }),
        valueOption(
            "--to",
            [&args](const std::string &text) { return take(args.to, journal::Date::read(text)); }),
        valueOption("--until",
                    [&args](const std::string &text) {
                        return take(args.until, journal::Date::read(text));
                    }),
        valueOption("--scheme",
                    [&args](const std::string &text) {
                        if (text != "5" && text != "10")
                            return std::string("схема: 5 (5 партий по 6 образцов) или 10");
                        args.schemeBatches = std::stoi(text);
                        return std::string();
                    }),
    };
    for (cli::Option &option : chartcli::chartOutputOptions(args.output))
        options.push_back(std::move(option));
    for (cli::Option &option : options) {
        option.take = [name = option.name, &given,
                       inner = std::move(option.take)](const std::string &value) {
            given.insert(name);
            return inner(value);
        };
    }
    return options;
}

} // namespace

std::optional<RegisterArguments> parseRegisterArguments(const std::vector<std::string> &arguments,
                                                        std::string &why)
{
    RegisterArguments args;
    std::set<std::string> given;
    const auto line = cli::parseCommandLine(arguments, optionsOf(args, given), 2, why);
    if (!line)
        return std::nullopt;
    args.help = line->help;
    if (args.help)
        return args;
    if (!line->controls.empty()) {
        why = "непонятный аргумент: " + line->controls.front().first + "="
              + line->controls.front().second;
        return std::nullopt;
    }
    if (line->words.empty()) {
        why = "не указана команда";
        return std::nullopt;
    }
    args.command = line->words[0];
    const auto command = commandOptions.find(args.command);
    if (command == commandOptions.end()) {
        why = "неизвестная команда: " + args.command;
        return std::nullopt;
    }
    const bool takesFile = args.command == "import";
    if (line->words.size() > (takesFile ? 2u : 1u)) {
        why = "лишний аргумент: " + line->words.back();
        return std::nullopt;
    }
    if (takesFile && line->words.size() < 2) {
        why = "не указан файл: import FILE";
        return std::nullopt;
    }
    if (takesFile)
        args.file = line->words[1];
    for (const std::string &name : given) {
        if (name != "--database" && !command->second.contains(name)) {
            why = name + " не относится к команде " + args.command;
            return std::nullopt;
        }
    }
    if (args.command != "import" && args.command != "export" && !args.concreteClass) {
        why = "не указан класс бетона: --class B";
        return std::nullopt;
    }
    if (args.command == "chart" && args.output.out.isEmpty()) {
        why = "не указан файл: --out FILE";
        return std::nullopt;
    }
    return args;
}

} // namespace registercli
