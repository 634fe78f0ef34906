#include "cli/bnsjob.h"

#include "cli/controls.h"
#include "mixdesign/core/calculation.h"
#include "mixdesign/core/formfields.h"
#include "mixdesign/core/immediatemixdesignprompter.h"
#include "mixdesign/core/optionsfile.h"

#include <algorithm>
#include <ostream>

namespace cli {

std::optional<common::Report> runBns(const Arguments &args, std::ostream &errors, ExitCode &code)
{
    mixdesign::MixDesignState state;
    code = BadUsage;
    if (!args.optionsFile.empty() && !mixdesign::loadOptions(state.options, args.optionsFile)) {
        errors << "loviz-calc: файл опций " << args.optionsFile
               << " не найден или короче 48 байт\n";
        return std::nullopt;
    }
    const auto set = setControls(mixdesign::fieldsOf(state), args.controls, errors);
    if (!set)
        return std::nullopt;

    mixdesign::ImmediateMixDesignPrompter prompter(
        state, [&errors](const std::string &text) { errors << text << '\n'; });
    // Teconomy fills the cement grade of the measure dialog in from the input dialog before
    // it is shown; a grade given for it is what the user types over that.
    const std::string &typedGrade = state.measure.edMarka_C;
    if (std::any_of(set->begin(), set->end(),
                    [&typedGrade](const common::Field &f) { return f.text == &typedGrade; }))
        prompter.typeCementGrade(typedGrade);

    return reportOf(mixdesign::calculateMix(state, prompter), errors, code);
}

} // namespace cli
