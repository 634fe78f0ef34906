#include "cli/controls.h"

#include <ostream>

namespace cli {

std::optional<std::vector<common::Field>>
setControls(std::vector<common::FormFields> forms, const Controls &controls, std::ostream &errors)
{
    std::vector<common::Field> set;
    for (const auto &[name, value] : controls) {
        std::string why;
        common::Field *field = common::findField(forms, name, why);
        if (!field || !common::setField(*field, value, why)) {
            errors << "loviz-calc: " << why << '\n';
            return std::nullopt;
        }
        set.push_back(*field);
    }
    return set;
}

std::optional<common::Report> reportOf(std::variant<common::Report, common::Failure> result,
                                       std::ostream &errors, ExitCode &code)
{
    if (auto *failure = std::get_if<common::Failure>(&result)) {
        errors << failure->message << '\n';
        code = NoReport;
        return std::nullopt;
    }
    code = Success;
    return std::get<common::Report>(std::move(result));
}

bool withoutOptions(const Arguments &args, std::ostream &errors)
{
    if (args.optionsFile.empty())
        return true;
    errors << "loviz-calc: --options относится только к расчету bns\n";
    return false;
}

} // namespace cli
