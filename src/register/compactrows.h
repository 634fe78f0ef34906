#pragma once

#include <QHeaderView>
#include <QTableView>

namespace journal {

// Rows one line of text high, as in the batch list (a table's default rows are twice as high).
inline void makeRowsCompact(QTableView *table)
{
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
}

} // namespace journal
