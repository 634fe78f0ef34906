#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace journal {

// The fields of one line of a CSV file split at `separator`. A field in double quotes may hold
// the separator and doubled quotes; nothing when a quote is left open.
std::optional<std::vector<std::string>> splitCsvLine(std::string_view line, char separator);

// A field as a CSV line holds it: in double quotes when it holds the separator, a quote or
// blanks at its ends.
std::string csvField(std::string_view text, char separator);

// The text of a CSV file in UTF-8: a file that is valid UTF-8 loses its byte-order mark if it
// has one; any other file is read as Windows-1251.
std::string csvText(std::string_view bytes);

// A column name as the header compares it: lower case, Latin and Cyrillic.
std::string lowerCase(std::string_view text);

} // namespace journal
