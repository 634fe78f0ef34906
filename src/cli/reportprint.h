#pragma once

#include "common/report.h"

#include <string>
#include <string_view>

namespace cli {

// Writes the bytes to stdout; false, with "<program>: " and the reason on stderr, when they
// cannot be written (a full disk, a pipe closed by the reader).
bool writeOut(std::string_view program, std::string_view bytes);

// Prints the report as its first report window shows it: the caption of window 1, then the
// lines; UTF-8 with LF, or Windows-1251 with CR LF. False, after saying why on stderr, when a
// line cannot be encoded or written.
bool printReport(std::string_view program, const common::Report &report, bool cp1251 = false);

} // namespace cli
