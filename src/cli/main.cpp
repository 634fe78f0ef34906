// loviz-calc: the program's calculations from the command line, printing the report that the
// desktop program would put into its first report window.

#include "cli/arguments.h"
#include "cli/bnsjob.h"
#include "cli/correctionjobs.h"
#include "cli/periodjobs.h"
#include "cli/reportprint.h"

#include <clocale>
#include <csignal>
#include <iostream>
#include <map>

namespace {

using Job
    = std::optional<common::Report> (*)(const cli::Arguments &, std::ostream &, cli::ExitCode &);

// The calculations by their name on the command line.
const std::map<std::string, Job> jobs = {
    {"bns", cli::runBns},
    {"strength", cli::runStrength},
    {"aggregates", cli::runAggregates},
    {"period5", cli::runPeriod5},
    {"period10", cli::runPeriod10},
};

const char *const usage
    = "Использование: loviz-calc JOB [NAME=TEXT ...] [--options FILE] [--cp1251]\n"
      "  JOB      bns — расчет базового номинального состава бетона;\n"
      "           strength — корректирование состава по Ц/В и прочности бетона;\n"
      "           aggregates — корректирование по влажности и гранулометрии заполнителей;\n"
      "           period5, period10 — анализируемый период: 5 партий по 6 выборок, 10 по 3\n"
      "  NAME     имя элемента управления окна (edClassBet, rgFrost, edRb1, edR1_1, ...);\n"
      "           для радиогруппы TEXT — номер пункта; общее для двух окон имя уточняется\n"
      "           именем окна: TfmOptions.rgEconomy, Teconomy.rgEconomy\n"
      "  --options FILE  (bns) сначала загрузить опции из 48-байтового файла (как options.slv)\n"
      "  --cp1251        выводить отчет в кодировке Windows-1251 с концами строк CR LF\n";

int badUsage(const std::string &why)
{
    return cli::badUsage(std::cerr, "loviz-calc", why, usage);
}

} // namespace

int main(int argc, char *argv[])
{
    // System messages in the user's language; numbers never depend on it.
    std::setlocale(LC_ALL, "");
    // A reader that goes away is a write error like any other, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);

    std::string why;
    const auto args = cli::parseArguments(std::vector<std::string>(argv + 1, argv + argc), why);
    if (!args)
        return badUsage(why);
    if (args->help) {
        std::cout << usage;
        return cli::Success;
    }
    if (args->job.empty())
        return badUsage("не указан расчет");
    const auto job = jobs.find(args->job);
    if (job == jobs.end())
        return badUsage("неизвестный расчет: " + args->job);

    cli::ExitCode code = cli::Success;
    const auto report = job->second(*args, std::cerr, code);
    if (!report)
        return code;
    return cli::printReport("loviz-calc", *report, args->cp1251) ? cli::Success : cli::NoReport;
}
