#include "register/store/batchwriter.h"

#include "register/store/connection.h"

#include <algorithm>

namespace journal {

namespace {

QVariant idValue(BatchId id)
{
    return QVariant::fromValue<qlonglong>(id);
}

// The columns of a batch row that a batch gives, bound in this order.
constexpr int batchColumns = 9;
constexpr int sampleColumns = 5;
// A new batch: its id, its columns, the times it was entered and changed.
const QString batchInsert = "INSERT INTO register_batch (id, batch_date, class_value, class_text,"
                            " label, plant, note, sample_count, strength_mean, strength_min,"
                            " entered_at, changed_at) VALUES ";

} // namespace

BatchWriter::BatchWriter(const Connection &c)
    : m_c(c)
    , m_now(nowText())
{
    const std::size_t most
        = std::max(batchesPerStatement * (batchColumns + 3), samplesPerStatement * sampleColumns);
    for (std::size_t i = 0; i < most; ++i)
        m_placeholders.push_back(":v" + QString::number(i));
}

std::vector<BatchId> BatchWriter::insert(const std::vector<const Batch *> &batches,
                                         std::size_t index)
{
    const std::vector<BatchId> ids = nextIds(batches.size());
    std::vector<PendingSample> samples;
    for (std::size_t first = 0; first < batches.size(); first += batchesPerStatement) {
        const std::size_t count = std::min(batchesPerStatement, batches.size() - first);
        QSqlQuery &q = rowsStatement(batchInsert, batchColumns + 3, count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t b = first + i;
            const int at = static_cast<int>(i) * (batchColumns + 3);
            bind(q, at, idValue(ids[b]));
            bindBatch(q, at + 1, *batches[b]);
            bind(q, at + batchColumns + 1, m_now);
            bind(q, at + batchColumns + 2, m_now);
            for (std::size_t s = 0; s < batches[b]->samples.size(); ++s)
                samples.push_back({ids[b], static_cast<int>(s) + 1, &batches[b]->samples[s]});
        }
        runBatchStatement(q, index + first, count);
    }
    writeSamples(samples);
    return ids;
}

std::vector<BatchId> BatchWriter::nextIds(std::size_t count)
{
    if (count == 0)
        return {};
    QSqlQuery &q = statement(m_c.dialect().nextIds);
    m_c.run(q, {QVariant::fromValue<qlonglong>(static_cast<qlonglong>(count))});
    std::vector<BatchId> ids;
    ids.reserve(count);
    while (q.next())
        ids.push_back(q.value(0).toLongLong());
    q.finish();
    if (ids.size() != count)
        m_c.fail("нет номеров для новых партий", {});
    return ids;
}

void BatchWriter::lock(BatchId id)
{
    QSqlQuery &q = statement("UPDATE register_batch SET changed_at = changed_at"
                             " WHERE id = ? AND deleted_at IS NULL");
    m_c.run(q, {idValue(id)});
    if (q.numRowsAffected() != 1) {
        throw common::StepError(common::Failure::Kind::Refused,
                                "В журнале нет партии № " + std::to_string(id) + ".");
    }
}

void BatchWriter::archive(BatchId id, bool deletion)
{
    QSqlQuery &q = statement(
        "INSERT INTO register_batch_history (batch_id, recorded_at, change_kind, batch_date,"
        " class_value, class_text, label, plant, note, entered_at, changed_at)"
        " SELECT id, ?, ?, batch_date, class_value, class_text, label, plant, note,"
        " entered_at, changed_at FROM register_batch WHERE id = ? RETURNING id");
    m_c.run(q, {m_now, QString(deletion ? "delete" : "edit"), idValue(id)});
    const QVariant historyId = q.next() ? q.value(0) : QVariant();
    q.finish();
    if (historyId.isNull())
        m_c.fail("партия не записана в историю", {});
    m_c.run(statement("INSERT INTO register_sample_history (history_id, sample_no, strength,"
                      " strength_text, age_days) SELECT CAST(? AS BIGINT), sample_no,"
                      " strength, strength_text, age_days FROM register_sample"
                      " WHERE batch_id = ?"),
            {historyId, idValue(id)});
}

void BatchWriter::update(BatchId id, const Batch &batch)
{
    QSqlQuery &q = statement("UPDATE register_batch SET batch_date = :v0, class_value = :v1,"
                             " class_text = :v2, label = :v3, plant = :v4, note = :v5,"
                             " sample_count = :v6, strength_mean = :v7, strength_min = :v8,"
                             " changed_at = :v9 WHERE id = :v10");
    bindBatch(q, 0, batch);
    bind(q, batchColumns, m_now);
    bind(q, batchColumns + 1, idValue(id));
    runBatchStatement(q, 0, 1);
    m_c.run(statement("DELETE FROM register_sample WHERE batch_id = ?"), {idValue(id)});
    std::vector<PendingSample> samples;
    for (std::size_t s = 0; s < batch.samples.size(); ++s)
        samples.push_back({id, static_cast<int>(s) + 1, &batch.samples[s]});
    writeSamples(samples);
}

void BatchWriter::hide(BatchId id)
{
    m_c.run(statement("UPDATE register_batch SET deleted_at = ?, changed_at = ? WHERE id = ?"),
            {m_now, m_now, idValue(id)});
}

void BatchWriter::bindBatch(QSqlQuery &q, int at, const Batch &b) const
{
    bind(q, at, b.date.key());
    bind(q, at + 1, b.concreteClass.value);
    bind(q, at + 2, sqlText(b.concreteClass.text));
    bind(q, at + 3, sqlText(b.label));
    bind(q, at + 4, sqlText(b.plant));
    bind(q, at + 5, sqlText(b.note));
    bind(q, at + 6, static_cast<int>(b.samples.size()));
    bind(q, at + 7, meanStrength(b.samples));
    bind(q, at + 8, leastStrength(b.samples));
}

void BatchWriter::runBatchStatement(QSqlQuery &q, std::size_t first, std::size_t count)
{
    try {
        m_c.run(q);
    } catch (const common::StepError &error) {
        throw BatchesNotWritten {first, count, error};
    }
}

void BatchWriter::writeSamples(const std::vector<PendingSample> &samples)
{
    for (std::size_t first = 0; first < samples.size(); first += samplesPerStatement) {
        const std::size_t count = std::min(samplesPerStatement, samples.size() - first);
        QSqlQuery &q = rowsStatement("INSERT INTO register_sample (batch_id, sample_no, strength,"
                                     " strength_text, age_days) VALUES ",
                                     sampleColumns, count);
        for (std::size_t i = 0; i < count; ++i) {
            const PendingSample &p = samples[first + i];
            const int at = static_cast<int>(i) * sampleColumns;
            bind(q, at, idValue(p.id));
            bind(q, at + 1, p.number);
            bind(q, at + 2, p.sample->strength);
            bind(q, at + 3, sqlText(p.sample->text));
            bind(q, at + 4, p.sample->ageDays);
        }
        m_c.run(q);
    }
}

QSqlQuery &BatchWriter::rowsStatement(const QString &head, int columns, std::size_t rows)
{
    // Known by its head and its number of rows: its text is made the first time only.
    auto key = std::pair(head, rows);
    auto found = m_rowStatements.find(key);
    if (found == m_rowStatements.end()) {
        const int values = columns * static_cast<int>(rows);
        QString sql = head;
        for (int i = 0; i < values; ++i)
            sql += (i == 0 ? "(" : i % columns == 0 ? "), (" : ", ") + m_placeholders[i];
        found = m_rowStatements.emplace(std::move(key), m_c.prepare(sql + ")")).first;
    }
    return found->second;
}

void BatchWriter::bind(QSqlQuery &q, int at, const QVariant &value) const
{
    q.bindValue(m_placeholders[static_cast<std::size_t>(at)], value);
}

QSqlQuery &BatchWriter::statement(const QString &sql)
{
    auto found = m_statements.find(sql);
    if (found == m_statements.end())
        found = m_statements.emplace(sql, m_c.prepare(sql)).first;
    return found->second;
}

} // namespace journal
