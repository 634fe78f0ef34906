#include "cli/periodjobs.h"

#include "cli/controls.h"
#include "statcontrol/core/analysedperiod.h"
#include "statcontrol/core/formfields.h"

#include <algorithm>

namespace cli {

namespace {

std::optional<common::Report> runPeriod(const statcontrol::Scheme &scheme, const Arguments &args,
                                        std::ostream &errors, ExitCode &code)
{
    code = BadUsage;
    statcontrol::SchemeForm choice;
    statcontrol::BatchForm batches(scheme);
    // The job names the scheme: of the scheme choice only the specified strength is set.
    common::FormFields strength = statcontrol::fieldsOf(choice);
    std::erase_if(strength.fields, [](const common::Field &f) { return f.name != "edB"; });
    if (!withoutOptions(args, errors)
        || !setControls({strength, statcontrol::fieldsOf(batches, scheme)}, args.controls, errors))
        return std::nullopt;
    return reportOf(statcontrol::analysedPeriodReport(scheme, batches, choice), errors, code);
}

} // namespace

std::optional<common::Report> runPeriod5(const Arguments &args, std::ostream &errors,
                                         ExitCode &code)
{
    return runPeriod(statcontrol::fiveBySix, args, errors, code);
}

std::optional<common::Report> runPeriod10(const Arguments &args, std::ostream &errors,
                                          ExitCode &code)
{
    return runPeriod(statcontrol::tenByThree, args, errors, code);
}

} // namespace cli
