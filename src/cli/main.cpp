// loviz-calc: the program's calculations from the command line, printing the report that the
// desktop program would put into its first report window.

#include "cli/bnsjob.h"
#include "cli/arguments.h"
#include "text/cp1251.h"

#include <iostream>
#include <string_view>

namespace {

const char *const usage =
    "Использование: loviz-calc JOB [NAME=TEXT ...] [--options FILE] [--cp1251]\n"
    "  JOB      bns — расчет базового номинального состава бетона\n"
    "  NAME     имя элемента управления окна (edClassBet, rgFrost, edMarka_F, ...);\n"
    "           для радиогруппы TEXT — номер пункта; общее для двух окон имя уточняется\n"
    "           именем окна: TfmOptions.rgEconomy, Teconomy.rgEconomy\n"
    "  --options FILE  сначала загрузить опции из 48-байтового файла (как options.slv)\n"
    "  --cp1251        выводить отчет в кодировке Windows-1251 с концами строк CR LF\n";

int badUsage(const std::string &why)
{
    std::cerr << "loviz-calc: " << why << '\n' << usage;
    return cli::BadUsage;
}

// Writes to stdout; false, with the reason on stderr, when it cannot be written.
bool writeOut(const std::string &text)
{
    std::cout << text << std::flush;
    if (std::cout)
        return true;
    std::cerr << "loviz-calc: отчет не удалось записать в стандартный вывод\n";
    return false;
}

// Writes the caption of window 1 and the lines; false when a line cannot be encoded or
// written.
bool printReport(const text::Report &report, bool cp1251)
{
    std::string out = report.caption(1) + '\n';
    for (const std::string &line : report.lines)
        out += line + '\n';
    if (!cp1251)
        return writeOut(out);
    std::string crlf;
    for (const char c : out) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    auto encoded = text::toCp1251(crlf);
    if (auto *error = std::get_if<text::EncodingError>(&encoded)) {
        std::cerr << error->message() << '\n';
        return false;
    }
    return writeOut(std::get<std::string>(encoded));
}

} // namespace

int main(int argc, char *argv[])
{
    cli::Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            return cli::Success;
        }
        if (arg == "--cp1251") {
            args.cp1251 = true;
        } else if (arg == "--options") {
            if (i + 1 >= argc)
                return badUsage("после --options нужно имя файла");
            args.optionsFile = argv[++i];
        } else if (args.job.empty() && arg.find('=') == std::string_view::npos) {
            args.job = arg;
        } else if (const auto eq = arg.find('='); eq != std::string_view::npos && eq > 0) {
            args.controls.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
        } else {
            return badUsage("непонятный аргумент: " + std::string(arg));
        }
    }
    if (args.job.empty())
        return badUsage("не указан расчет");
    if (args.job != "bns")
        return badUsage("неизвестный расчет: " + args.job);

    cli::ExitCode code = cli::Success;
    const auto report = cli::runBns(args, std::cerr, code);
    if (!report)
        return code;
    return printReport(*report, args.cp1251) ? cli::Success : cli::NoReport;
}
