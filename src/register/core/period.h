#pragma once

#include "common/failure.h"
#include "register/core/batch.h"
#include "statcontrol/core/analysedperiod.h"
#include "statcontrol/core/controlchart.h"

#include <string>
#include <variant>
#include <vector>

namespace journal {

// A batch as the analysed period chooses among them: its samples' texts in entry order (at
// least the first n of the scheme when it has that many) and how many samples it has in all.
struct PeriodCandidate
{
    BatchId id = 0;
    Date date;
    ConcreteClass concreteClass;
    std::string label;
    std::string plant;
    int sampleCount = 0;
    std::vector<std::string> strengths;
};

// The analysed period drawn from the register, as the documented dialogs hold it: the scheme
// choice (the scheme and edB, the class as the newest batch has it typed) and the batch data
// dialog's sample edits; and the batches they come from, batch 1 (the oldest) first.
struct AnalysedPeriod
{
    const statcontrol::Scheme *scheme = &statcontrol::fiveBySix;
    statcontrol::SchemeForm choice;
    statcontrol::BatchForm batches {statcontrol::fiveBySix};
    std::vector<PeriodCandidate> used;
};

// The scheme K × n with K batches (5 or 10).
const statcontrol::Scheme &schemeWith(int batches);

// The analysed period for the class with the scheme K × n up to `until`: of the candidates, the
// batches of the class dated `until` or earlier with at least n samples, by date and then by
// entry order; the last K of them, each giving its first n samples. Fewer than K: the message
// naming how many there are.
std::variant<AnalysedPeriod, common::Failure>
selectAnalysedPeriod(std::vector<PeriodCandidate> candidates, const ConcreteClass &concreteClass,
                     const statcontrol::Scheme &scheme, Date until);

// A batch of the controlled period, after the analysed one: its mean over all its samples.
struct ControlledBatch
{
    BatchId id = 0;
    Date date;
    std::string label;
    std::string plant;
    double mean = 0.0;
};

// Where a batch's point lies against the chart's lines.
enum class Zone { Within, BeyondWarning, BeyondCorrection };

struct ChartBatch
{
    ControlledBatch batch;
    std::string strength; // the mean in fixed notation with one decimal, as the chart takes it
    Zone zone = Zone::Within;
};

// The controlled period's input dialog and the strength of each batch in order: exactly the
// texts the chart window is given (edRy, edRpr1, edRpr2, edRcor1, edRcor2 as the analysed
// period's report writes them, edCountParty the number of batches, one strength per prompt).
struct ControlChartInputs
{
    AnalysedPeriod period;
    statcontrol::ControlForm form;
    std::vector<ChartBatch> batches;

    std::vector<std::string> strengths() const;
};

// The chart's inputs from the analysed period and the batches after it (of its class, dated
// after its last day, in order). A period that the documented calculation refuses gives its
// message; no batch after the period gives a message saying so.
std::variant<ControlChartInputs, common::Failure>
controlChartInputs(AnalysedPeriod period, std::vector<ControlledBatch> after, Date until);

} // namespace journal
