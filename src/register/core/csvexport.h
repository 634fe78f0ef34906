#pragma once

#include "register/core/batch.h"

#include <string>

namespace journal {

// The register's CSV as it is written, the format readCsv reads: UTF-8 with a byte-order mark
// (a spreadsheet then knows the encoding), ";" between the fields, decimal commas, dates
// ДД.ММ.ГГГГ, CR LF line ends, one header row and one row per sample:
//   дата;класс;партия;завод;прочность;возраст;примечание

// The start of the file: the byte-order mark and the header row.
std::string csvHead();

// A batch's rows, one per sample in entry order, each carrying the batch's note.
std::string csvRows(const Batch &batch);

} // namespace journal
