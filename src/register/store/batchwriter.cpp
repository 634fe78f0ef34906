#include "register/store/batchwriter.h"

#include "register/store/connection.h"

#include <algorithm>
#include <tuple>

namespace journal {

namespace {

QVariant idValue(BatchId id)
{
    return QVariant::fromValue<qlonglong>(id);
}

// The columns of a batch row that a batch gives, bound in this order.
constexpr int batchColumns = 9;
const QString batchInsert = "INSERT INTO register_batch (batch_date, class_value, class_text,"
                            " label, plant, note, sample_count, strength_mean, strength_min,"
                            " entered_at, changed_at) VALUES ";

using Key = std::tuple<int, double, std::string, std::string>;

Key keyOf(const Batch &b)
{
    return {b.date.key(), b.concreteClass.value, b.label, b.plant};
}

} // namespace

BatchWriter::BatchWriter(const Connection &c)
    : m_c(c)
    , m_now(nowText())
{
}

std::vector<BatchId> BatchWriter::insert(const std::vector<const Batch *> &batches,
                                         std::size_t index)
{
    std::vector<BatchId> ids;
    std::vector<PendingSample> samples;
    for (std::size_t first = 0; first < batches.size(); first += batchesPerStatement) {
        const std::size_t count = std::min(batchesPerStatement, batches.size() - first);
        QSqlQuery &q = rowsStatement(batchInsert, batchColumns + 2, count,
                                     " RETURNING id, batch_date, class_value, label, plant");
        std::map<Key, std::size_t> chunk;
        for (std::size_t i = 0; i < count; ++i) {
            const Batch &batch = *batches[first + i];
            const int at = static_cast<int>(i) * (batchColumns + 2);
            bindBatch(q, at, batch);
            q.bindValue(at + batchColumns, m_now);
            q.bindValue(at + batchColumns + 1, m_now);
            chunk.emplace(keyOf(batch), ids.size() + i);
        }
        runBatchStatement(q, index + first, count);
        ids.resize(ids.size() + count, 0);
        // The rows come back in no promised order: each is known by its key.
        while (q.next()) {
            const auto found = chunk.find({q.value(1).toInt(), q.value(2).toDouble(),
                                           stdText(q.value(3)), stdText(q.value(4))});
            if (found != chunk.end())
                ids[found->second] = q.value(0).toLongLong();
        }
        q.finish();
    }
    for (std::size_t b = 0; b < batches.size(); ++b) {
        if (ids[b] == 0)
            m_c.fail("партия записана без номера", {});
        for (std::size_t s = 0; s < batches[b]->samples.size(); ++s)
            samples.push_back({ids[b], static_cast<int>(s) + 1, &batches[b]->samples[s]});
    }
    writeSamples(samples);
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
    QSqlQuery &q = statement("UPDATE register_batch SET batch_date = ?, class_value = ?,"
                             " class_text = ?, label = ?, plant = ?, note = ?,"
                             " sample_count = ?, strength_mean = ?, strength_min = ?,"
                             " changed_at = ? WHERE id = ?");
    bindBatch(q, 0, batch);
    q.bindValue(batchColumns, m_now);
    q.bindValue(batchColumns + 1, idValue(id));
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
    q.bindValue(at, b.date.key());
    q.bindValue(at + 1, b.concreteClass.value);
    q.bindValue(at + 2, sqlText(b.concreteClass.text));
    q.bindValue(at + 3, sqlText(b.label));
    q.bindValue(at + 4, sqlText(b.plant));
    q.bindValue(at + 5, sqlText(b.note));
    q.bindValue(at + 6, static_cast<int>(b.samples.size()));
    q.bindValue(at + 7, meanStrength(b.samples));
    q.bindValue(at + 8, leastStrength(b.samples));
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
                                     5, count);
        for (std::size_t i = 0; i < count; ++i) {
            const PendingSample &p = samples[first + i];
            const int at = static_cast<int>(i) * 5;
            q.bindValue(at, idValue(p.id));
            q.bindValue(at + 1, p.number);
            q.bindValue(at + 2, p.sample->strength);
            q.bindValue(at + 3, sqlText(p.sample->text));
            q.bindValue(at + 4, p.sample->ageDays);
        }
        m_c.run(q);
    }
}

QSqlQuery &BatchWriter::rowsStatement(const QString &head, int columns, std::size_t rows,
                                      const QString &tail)
{
    QString row = "(?";
    for (int c = 1; c < columns; ++c)
        row += ", ?";
    row += ")";
    QString sql = head;
    for (std::size_t r = 0; r < rows; ++r)
        sql += (r == 0 ? "" : ", ") + row;
    return statement(sql + tail);
}

QSqlQuery &BatchWriter::statement(const QString &sql)
{
    auto found = m_statements.find(sql);
    if (found == m_statements.end())
        found = m_statements.emplace(sql, m_c.prepare(sql)).first;
    return found->second;
}

} // namespace journal
