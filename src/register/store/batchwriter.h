#pragma once

#include "common/failure.h"
#include "register/core/batch.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace journal {

class Connection;

// Thrown when a statement that writes batch rows fails: the unique key of date, class, label
// and plant of one of them may be taken, which is known only once the transaction is rolled
// back. The batches are those from `first`, `count` of them.
struct BatchesNotWritten
{
    std::size_t first = 0;
    std::size_t count = 0;
    common::StepError error;
};

// The writes of one change, inside its transaction, with each statement prepared once and
// reused. Make it before the transaction: a failed statement is let go only after the rollback
// (PostgreSQL frees none before).
class BatchWriter
{
public:
    explicit BatchWriter(const Connection &c);

    // New batches, many rows to a statement, their samples after them; their ids in order.
    // The batches' keys must differ. `index` counts the first one for BatchesNotWritten.
    std::vector<BatchId> insert(const std::vector<const Batch *> &batches, std::size_t index = 0);

    // Takes the batch for this change (another program's change of it waits); a batch that is
    // deleted or unknown is refused.
    void lock(BatchId id);
    // Copies the batch and its samples into the history, as replaced by an edit or a deletion.
    void archive(BatchId id, bool deletion);
    // Writes the batch over the row of `id`, its samples anew.
    void update(BatchId id, const Batch &batch);
    // Marks the batch deleted.
    void hide(BatchId id);

    // Batches (and sample rows) written by one statement.
    static constexpr std::size_t batchesPerStatement = 100;
    static constexpr std::size_t samplesPerStatement = 200;

private:
    struct PendingSample
    {
        BatchId id;
        int number;
        const Sample *sample;
    };

    std::vector<BatchId> nextIds(std::size_t count);
    void writeSamples(const std::vector<PendingSample> &samples);
    void runBatchStatement(QSqlQuery &q, std::size_t first, std::size_t count);
    QSqlQuery &statement(const QString &sql);
    // An INSERT of `rows` rows of `columns` values after `head` ("… VALUES ").
    QSqlQuery &rowsStatement(const QString &head, int columns, std::size_t rows);
    void bindBatch(QSqlQuery &q, int at, const Batch &batch) const;
    void bind(QSqlQuery &q, int at, const QVariant &value) const;

    const Connection &m_c;
    QString m_now;
    std::map<QString, QSqlQuery> m_statements;
    std::map<std::pair<QString, std::size_t>, QSqlQuery> m_rowStatements;
    // The names of the values of a statement (":v0", ":v1", …), made once: Qt binds a value by
    // its name far faster than by its number, whose name it makes anew every time.
    std::vector<QString> m_placeholders;
};

} // namespace journal
