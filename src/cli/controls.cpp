#include "cli/controls.h"

#include <ostream>

namespace cli {

std::optional<std::vector<common::Field>> setControls(std::vector<common::FormFields> forms,
                                                      const Arguments &args, std::ostream &errors)
{
    std::vector<common::Field> set;
    for (const auto &[name, value] : args.controls) {
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

} // namespace cli
