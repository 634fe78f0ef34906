#pragma once

#include <functional>
#include <string>
#include <vector>

namespace common {

// A calculation's result as it goes into a report window: the caption around the window number
// and the lines, top to bottom. The number is known only when the window is created.
struct Report
{
    std::string captionBeforeNumber; // "Окно №"
    std::string captionAfterNumber;  // ". Расчет БНС."
    std::vector<std::string> lines;

    std::string caption(int windowNumber) const;
    void add(std::string line) { lines.push_back(std::move(line)); }
};

// Where a subsystem's finished reports go: the desktop program puts each into a new report
// window (numbering it then), the command line prints it.
using ReportSink = std::function<void(const Report &)>;

} // namespace common
