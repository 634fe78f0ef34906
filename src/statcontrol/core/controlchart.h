#pragma once

#include "common/failure.h"
#include "common/prompter.h"
#include "statcontrol/core/forms.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace statcontrol {

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &) const = default;
};

struct ChartPoint
{
    double x = 0.0;
    double y = 0.0;
    bool operator==(const ChartPoint &) const = default;
};

// One line series of the control chart: how it is drawn and its points.
struct ChartSeries
{
    std::string name;        // "Series3"
    std::string title;       // in the legend
    Rgb swatch;              // the legend's colour
    Rgb line;                // the colour its points and line are drawn in
    int width = 3;           // line width, pixels
    bool markers = false;    // a rectangle at each point
    bool valueMarks = false; // each point's value above it, on a 10-pixel leader
    std::vector<ChartPoint> points;
};

// The control chart: six series in legend order (the two correction limits, the two warning
// limits, the mean strength level, the batch strengths) and the strength axis's range.
struct ControlChart
{
    std::array<ChartSeries, 6> series;
    std::optional<std::pair<double, double>> strengthRange; // fixed ends, MPa

    static constexpr const char *title = "Технологическая карта прочности бетона";
    static constexpr const char *footer = "партии бетона";
    static constexpr const char *strengthAxisTitle = "прочность при сжатии, МПа";
    // The length of a value mark's leader, pixels.
    static constexpr int leaderLength = 10;
};

// The six series with no points yet.
ControlChart emptyControlChart();

// The prompt for batch k's strength ("Средняя прочность в 1 партии, МПа:").
std::string batchPrompt(int batch);

// Fills the chart as the chart window does when it opens: every series emptied; N read; each
// batch's strength asked through the prompter in turn (an emptied edit each time); the two
// warning limits, the two correction limits and the level read; then the strength axis from
// the lower correction limit − 3 to the upper one + 3, the limits and the level as lines from
// x = 0 to x = N and the strengths at x = 1 … N. The first failure (N no whole number, a
// strength or a value that is no number, a range upside down) ends it with every series empty
// and returns the message to show.
std::optional<common::Failure> fillControlChart(ControlChart &chart, const ControlForm &form,
                                                common::Prompter &prompter);

} // namespace statcontrol
