#include "chartcli/chartarguments.h"

#include "cli/arguments.h"

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

std::optional<ChartArguments> parseChartArguments(const std::vector<std::string> &arguments,
                                                  std::string &why)
{
    ChartArguments args;
    bool outGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto eq = arg.find('=');
        if (arg == "--help" || arg == "-h") {
            args.help = true;
            return args;
        }
        if (arg == "--out" || arg == "--size" || arg == "--format") {
            if (!hasValue) {
                why = "после " + arg + " нужно значение";
                return std::nullopt;
            }
            const std::string &value = arguments[++i];
            if (arg == "--out") {
                args.out = QString::fromStdString(value);
                outGiven = !value.empty();
            } else if (arg == "--size") {
                const auto size = sizeOf(value);
                if (!size) {
                    why = "размер задается как ШИРИНАxВЫСОТА в точках, например 800x500";
                    return std::nullopt;
                }
                args.size = *size;
            } else {
                const auto format = statcontrol::chartFileFormat(QString::fromStdString(value));
                if (!format) {
                    why = "формат: emf, svg, png или pdf";
                    return std::nullopt;
                }
                args.format = *format;
            }
        } else if (eq != std::string::npos && eq > 0 && !arg.starts_with("-")) {
            const std::string name = arg.substr(0, eq);
            const std::string text = arg.substr(eq + 1);
            if (const std::string problem = cli::unfitText(text); !problem.empty()) {
                why = "текст " + name + " " + problem;
                return std::nullopt;
            }
            if (name == "edRi" || name == "TfmPeriod_Control3.edRi")
                args.strengths.push_back(text);
            else
                args.controls.emplace_back(name, text);
        } else {
            why = "непонятный аргумент: " + arg;
            return std::nullopt;
        }
    }
    if (!outGiven) {
        why = "не указан файл: --out FILE";
        return std::nullopt;
    }
    return args;
}

} // namespace chartcli
