#pragma once

#include "register/store/store.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace journal {

class Connection;

// The conditions of a filter on the batch table (its columns named with `prefix`), "AND …"
// for a WHERE that already holds one, and their values in order.
struct FilterSql
{
    QString conditions;
    QVariantList values;
};
FilterSql filterSql(const BatchFilter &filter, const QString &prefix = {});

// The columns of a list row, and the row read from a query at `first`.
extern const QString batchRowColumns;
BatchRow batchRowOf(const Connection &c, const QSqlQuery &query, int first = 0);

// A date as the register keeps it (yyyymmdd); a value that is no day fails the operation.
Date dateOf(const Connection &c, const QVariant &key);

// A batch's samples in entry order.
std::vector<Sample> samplesOf(const Connection &c, BatchId id);

} // namespace journal
