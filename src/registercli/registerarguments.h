#pragma once

#include "chartcli/chartarguments.h"
#include "register/core/address.h"
#include "register/core/batch.h"
#include "register/core/date.h"

#include <optional>
#include <string>
#include <vector>

namespace registercli {

// The command line of loviz-register, taken apart: the command with its file (import) and the
// options, each read into what it stands for.
struct RegisterArguments
{
    std::string command; // import, export, period5, period10, chart
    std::string file;    // import's CSV file
    journal::DatabaseAddress database = journal::SqliteFile {journal::defaultRegisterFile};
    std::optional<journal::ConcreteClass> concreteClass;
    std::optional<journal::Date> from;
    std::optional<journal::Date> to;
    std::optional<journal::Date> until; // today when not given
    int schemeBatches = 5;              // chart: the analysed period's K
    chartcli::ChartOutput output;
    bool help = false;
};

// The arguments without the program's name, by the shared command-line rules; the reason when
// they make no sense (an unknown command, an option the command does not take, a missing class
// or file, a value that is no class, date, scheme or database address).
std::optional<RegisterArguments> parseRegisterArguments(const std::vector<std::string> &arguments,
                                                        std::string &why);

} // namespace registercli
