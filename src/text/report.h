#pragma once

#include <string>
#include <vector>

namespace text {

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

} // namespace text
