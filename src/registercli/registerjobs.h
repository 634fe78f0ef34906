#pragma once

#include "register/store/store.h"
#include "registercli/registerarguments.h"

namespace registercli {

// The commands of loviz-register on an open register. Each returns its exit code: Success, or
// NoReport after writing the reason to stderr. What they print goes to stdout; import and
// export tell on stderr how many batches they moved.
int runImport(journal::Store &store, const RegisterArguments &args);
int runExport(const journal::Store &store, const RegisterArguments &args);
// The analysed period's report, as loviz-calc period5 or period10 prints it.
int runPeriod(const journal::Store &store, const RegisterArguments &args);
// The chart file, as loviz-chart writes it from the same texts, and the batches beyond its
// limits on stdout (zoneListing).
int runChart(const journal::Store &store, const RegisterArguments &args);

} // namespace registercli
