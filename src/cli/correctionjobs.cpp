#include "cli/correctionjobs.h"

#include "cli/controls.h"
#include "correction/core/correction.h"
#include "correction/core/formfields.h"

#include <ostream>

namespace cli {

namespace {

// Sets the page's controls and runs its correction.
template<class Page, class Correct>
std::optional<common::Report> runPage(const Arguments &args, std::ostream &errors, ExitCode &code,
                                      Correct correct)
{
    code = BadUsage;
    Page page;
    if (!withoutOptions(args, errors)
        || !setControls({correction::fieldsOf(page)}, args.controls, errors))
        return std::nullopt;
    return reportOf(correct(page), errors, code);
}

} // namespace

std::optional<common::Report> runStrength(const Arguments &args, std::ostream &errors,
                                          ExitCode &code)
{
    return runPage<correction::StrengthForm>(args, errors, code, correction::strengthReport);
}

std::optional<common::Report> runAggregates(const Arguments &args, std::ostream &errors,
                                            ExitCode &code)
{
    return runPage<correction::AggregatesForm>(args, errors, code, correction::aggregatesReport);
}

} // namespace cli
