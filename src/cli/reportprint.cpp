#include "cli/reportprint.h"

#include "text/lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

namespace cli {

bool writeOut(std::string_view program, std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()
        && std::fflush(stdout) == 0)
        return true;
    const int error = errno;
    std::cerr << program
              << ": отчет не удалось записать в стандартный вывод: " << std::strerror(error)
              << '\n';
    return false;
}

bool printReport(std::string_view program, const common::Report &report, bool cp1251)
{
    std::vector<std::string> lines {report.caption(1)};
    lines.insert(lines.end(), report.lines.begin(), report.lines.end());
    if (!cp1251) {
        std::string out;
        for (const std::string &line : lines)
            out += line + '\n';
        return writeOut(program, out);
    }
    auto encoded = text::encodeLines(lines);
    if (auto *error = std::get_if<text::LineEncodingError>(&encoded)) {
        std::cerr << program << ": " << error->message() << '\n';
        return false;
    }
    return writeOut(program, std::get<std::string>(encoded));
}

} // namespace cli
