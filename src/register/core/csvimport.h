#pragma once

#include "register/core/batch.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace journal {

// What is wrong with one line of a file: its number (from 1) and the reason.
struct LineProblem
{
    std::size_t line = 0;
    std::string reason;

    std::string message() const; // "строка 7: «12,x» — не число"
    bool operator==(const LineProblem &) const = default;
};

// A file refused as a whole: every bad line, in order, one reason each.
struct CsvRefusal
{
    std::vector<LineProblem> problems;

    // The problems one to a line, after a line that says nothing was taken.
    std::string message() const;
};

// The batches of a file, in the order their first rows come, each with that row's line.
struct CsvBatches
{
    std::vector<Batch> batches;
    std::vector<std::size_t> firstLines;
    std::size_t samples = 0;
};

// Reads a register's CSV file: one row per sample under a header row naming the columns in any
// order, letter case ignored — дата (date), класс (class), партия (batch), прочность (strength)
// and the optional возраст (age, days; 28 when empty), завод (plant), примечание (note);
// other columns are passed over. The separator (";", tab or ",") is the one that splits the
// header into the most known names; numbers take a decimal comma or point; dates ДД.ММ.ГГГГ or
// ГГГГ-ММ-ДД; classes 25, B25 or В25. UTF-8 with or without a byte-order mark or Windows-1251,
// told apart by the bytes; lines end in LF or CR LF; empty rows are passed over. Rows of the
// same date, class, batch label and plant are one batch, their samples in row order, its note
// the distinct notes of its rows joined by "; ". Any bad row refuses the whole file.
std::variant<CsvBatches, CsvRefusal> readCsv(std::string_view bytes);

} // namespace journal
