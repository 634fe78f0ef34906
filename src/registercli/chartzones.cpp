#include "registercli/chartzones.h"

namespace registercli {

namespace {

std::string zoneLines(const journal::ControlChartInputs &inputs, journal::Zone zone,
                      const std::string &heading)
{
    std::string lines;
    int count = 0;
    for (std::size_t i = 0; i < inputs.batches.size(); ++i) {
        const journal::ChartBatch &b = inputs.batches[i];
        if (b.zone != zone)
            continue;
        ++count;
        const journal::Batch named {b.batch.date,
                                    inputs.period.used.back().concreteClass,
                                    b.batch.label,
                                    b.batch.plant,
                                    {},
                                    {}};
        lines += "  " + std::to_string(i + 1) + ". " + journal::nameOf(named) + ": " + b.strength
                 + '\n';
    }
    return heading + ": " + std::to_string(count) + '\n' + lines;
}

} // namespace

std::string zoneListing(const journal::ControlChartInputs &inputs)
{
    const statcontrol::ControlForm &f = inputs.form;
    return zoneLines(inputs, journal::Zone::BeyondWarning,
                     "Вне границ предупреждения (" + f.edRpr2 + "; " + f.edRpr1 + ")")
           + zoneLines(inputs, journal::Zone::BeyondCorrection,
                       "Вне границ регулирования (" + f.edRcor2 + "; " + f.edRcor1 + ")");
}

} // namespace registercli
