#include "chartcli/chartarguments.h"

#include "cli/commandline.h"

#include <QRegularExpression>

namespace chartcli {

namespace {

std::optional<QSize> sizeOf(const std::string &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromStdString(text));
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() > 20000 || size.height() > 20000)
        return std::nullopt;
    return size;
}

} // namespace

std::vector<cli::Option> chartOutputOptions(ChartOutput &output)
{
    return {
        {"--out", "после --out нужно значение",
         [&output](const std::string &file) {
             output.out = QString::fromStdString(file);
             return std::string();
         }},
        {"--size", "после --size нужно значение",
         [&output](const std::string &text) {
             const auto size = sizeOf(text);
             if (!size)
                 return std::string("размер задается как ШИРИНАxВЫСОТА в точках, например 800x500");
             output.size = *size;
             return std::string();
         }},
        {"--format", "после --format нужно значение",
         [&output](const std::string &name) {
             const auto format = statcontrol::chartFileFormat(QString::fromStdString(name));
             if (!format)
                 return std::string("формат: emf, svg, png или pdf");
             output.format = *format;
             return std::string();
         }},
    };
}

std::optional<ChartArguments> parseChartArguments(const std::vector<std::string> &arguments,
                                                  std::string &why)
{
    ChartArguments args;
    const auto line = cli::parseCommandLine(arguments, chartOutputOptions(args.output), 0, why);
    if (!line)
        return std::nullopt;
    args.help = line->help;
    if (args.help)
        return args;
    for (const auto &[name, text] : line->controls) {
        if (name == "edRi" || name == "TfmPeriod_Control3.edRi")
            args.strengths.push_back(text);
        else
            args.controls.emplace_back(name, text);
    }
    if (args.output.out.isEmpty()) {
        why = "не указан файл: --out FILE";
        return std::nullopt;
    }
    return args;
}

} // namespace chartcli
