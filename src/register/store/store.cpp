#include "register/store/store.h"

#include "register/core/csvexport.h"
#include "register/store/batchsql.h"
#include "register/store/connection.h"
#include "register/store/schema.h"

namespace journal {

namespace {

QVariant idValue(BatchId id)
{
    return QVariant::fromValue<qlonglong>(id);
}

// The candidates of the analysed period in one statement (one state of the register): the last
// K batches of the class up to the day with at least n samples, and their first n samples.
std::vector<PeriodCandidate> periodCandidates(const Connection &c, double classValue,
                                              const statcontrol::Scheme &scheme, Date until)
{
    QSqlQuery q = c.prepare(
        "SELECT b.id, b.batch_date, b.class_value, b.class_text, b.label, b.plant,"
        " b.sample_count, s.strength_text"
        " FROM (SELECT id, batch_date, class_value, class_text, label, plant, sample_count"
        "  FROM register_batch WHERE deleted_at IS NULL AND class_value = ? AND batch_date <= ?"
        "  AND sample_count >= ? ORDER BY batch_date DESC, id DESC LIMIT ?) b"
        " JOIN register_sample s ON s.batch_id = b.id AND s.sample_no <= ?"
        " ORDER BY b.batch_date, b.id, s.sample_no");
    c.run(q, {classValue, until.key(), scheme.samples, scheme.batches, scheme.samples});
    std::vector<PeriodCandidate> candidates;
    while (q.next()) {
        const BatchId id = q.value(0).toLongLong();
        if (candidates.empty() || candidates.back().id != id) {
            candidates.push_back({id,
                                  dateOf(c, q.value(1)),
                                  {q.value(2).toDouble(), stdText(q.value(3))},
                                  stdText(q.value(4)),
                                  stdText(q.value(5)),
                                  q.value(6).toInt(),
                                  {}});
        }
        candidates.back().strengths.push_back(stdText(q.value(7)));
    }
    return candidates;
}

AnalysedPeriod selectedPeriod(const Connection &c, const ConcreteClass &concreteClass,
                              const statcontrol::Scheme &scheme, Date until)
{
    auto selected = selectAnalysedPeriod(periodCandidates(c, concreteClass.value, scheme, until),
                                         concreteClass, scheme, until);
    if (auto *failure = std::get_if<common::Failure>(&selected))
        throw common::StepError(failure->kind, failure->message);
    return std::get<AnalysedPeriod>(std::move(selected));
}

// Writes pieces of about this size to an export's sink.
constexpr std::size_t exportPiece = 1 << 16;

} // namespace

Store::Store(std::unique_ptr<Connection> connection)
    : m_connection(std::move(connection))
{
}

Store::~Store() = default;

Result<std::unique_ptr<Store>> Store::open(const DatabaseAddress &address)
{
    return common::resultOf<std::unique_ptr<Store>>([&] {
        auto connection = std::make_unique<Connection>(address);
        prepareSchema(*connection);
        return std::unique_ptr<Store>(new Store(std::move(connection)));
    });
}

const std::string &Store::description() const
{
    return m_connection->description();
}

Result<std::vector<BatchRow>> Store::batches(const BatchFilter &filter,
                                             std::optional<ListPosition> after, int limit,
                                             bool newestFirst) const
{
    return common::resultOf<std::vector<BatchRow>>([&] {
        const Connection &c = *m_connection;
        FilterSql sql = filterSql(filter);
        if (after) {
            sql.conditions += newestFirst ? " AND (batch_date, id) < (?, ?)"
                                          : " AND (batch_date, id) > (?, ?)";
            sql.values << after->date.key() << idValue(after->id);
        }
        const QString order = newestFirst ? "batch_date DESC, id DESC" : "batch_date, id";
        QSqlQuery q = c.prepare("SELECT " + batchRowColumns
                                + " FROM register_batch WHERE deleted_at IS NULL" + sql.conditions
                                + " ORDER BY " + order + " LIMIT ?");
        c.run(q, sql.values << std::max(limit, 0));
        std::vector<BatchRow> rows;
        while (q.next())
            rows.push_back(batchRowOf(c, q));
        return rows;
    });
}

Result<std::int64_t> Store::countBatches(const BatchFilter &filter) const
{
    return common::resultOf<std::int64_t>([&] {
        const FilterSql sql = filterSql(filter);
        return std::int64_t {m_connection
                                 ->execute("SELECT COUNT(*) FROM register_batch"
                                           " WHERE deleted_at IS NULL"
                                               + sql.conditions,
                                           sql.values)
                                 .value(0)
                                 .toLongLong()};
    });
}

Result<Batch> Store::batch(BatchId id) const
{
    return common::resultOf<Batch>([&] {
        const Connection &c = *m_connection;
        Transaction reading(c, Transaction::Read);
        QSqlQuery q = c.execute("SELECT " + batchRowColumns
                                    + " FROM register_batch WHERE id = ? AND deleted_at IS NULL",
                                {idValue(id)});
        if (!q.isValid()) {
            throw common::StepError(common::Failure::Kind::Refused,
                                    "В журнале нет партии № " + std::to_string(id) + ".");
        }
        const BatchRow row = batchRowOf(c, q);
        q.finish();
        Batch batch {row.date, row.concreteClass, row.label, row.plant, row.note, samplesOf(c, id)};
        reading.commit();
        return batch;
    });
}

Result<std::vector<ConcreteClass>> Store::classes() const
{
    return common::resultOf<std::vector<ConcreteClass>>([&] {
        QSqlQuery q = m_connection->prepare(
            "SELECT b.class_value, b.class_text FROM register_batch b"
            " JOIN (SELECT class_value, MIN(id) AS first_id FROM register_batch"
            "  WHERE deleted_at IS NULL GROUP BY class_value) f ON b.id = f.first_id"
            " ORDER BY b.class_value");
        m_connection->run(q);
        std::vector<ConcreteClass> classes;
        while (q.next())
            classes.push_back({q.value(0).toDouble(), stdText(q.value(1))});
        return classes;
    });
}

Result<std::vector<HistoryEntry>> Store::history(BatchId id) const
{
    return common::resultOf<std::vector<HistoryEntry>>([&] {
        const Connection &c = *m_connection;
        Transaction reading(c, Transaction::Read);
        QSqlQuery q = c.prepare("SELECT id, recorded_at, change_kind, batch_date, class_value,"
                                " class_text, label, plant, note FROM register_batch_history"
                                " WHERE batch_id = ? ORDER BY id");
        c.run(q, {idValue(id)});
        std::vector<HistoryEntry> entries;
        QVariantList historyIds;
        while (q.next()) {
            historyIds << q.value(0);
            entries.push_back({stdText(q.value(1)),
                               q.value(2).toString() == "delete",
                               {dateOf(c, q.value(3)),
                                {q.value(4).toDouble(), stdText(q.value(5))},
                                stdText(q.value(6)),
                                stdText(q.value(7)),
                                stdText(q.value(8)),
                                {}}});
        }
        // One query read to its end before the next (PostgreSQL streams the rows).
        QSqlQuery samples = c.prepare("SELECT strength, strength_text, age_days"
                                      " FROM register_sample_history WHERE history_id = ?"
                                      " ORDER BY sample_no");
        for (std::size_t i = 0; i < entries.size(); ++i) {
            c.run(samples, {historyIds[static_cast<qsizetype>(i)]});
            while (samples.next()) {
                entries[i].batch.samples.push_back({samples.value(0).toDouble(),
                                                    stdText(samples.value(1)),
                                                    samples.value(2).toInt()});
            }
        }
        reading.commit();
        return entries;
    });
}

Result<AnalysedPeriod> Store::analysedPeriod(const ConcreteClass &concreteClass,
                                             const statcontrol::Scheme &scheme, Date until) const
{
    return common::resultOf<AnalysedPeriod>(
        [&] { return selectedPeriod(*m_connection, concreteClass, scheme, until); });
}

Result<ControlChartInputs> Store::controlChart(const ConcreteClass &concreteClass,
                                               const statcontrol::Scheme &scheme, Date until) const
{
    return common::resultOf<ControlChartInputs>([&] {
        const Connection &c = *m_connection;
        Transaction reading(c, Transaction::Read);
        AnalysedPeriod period = selectedPeriod(c, concreteClass, scheme, until);
        QSqlQuery q = c.prepare("SELECT id, batch_date, label, plant, strength_mean"
                                " FROM register_batch WHERE deleted_at IS NULL"
                                " AND class_value = ? AND batch_date > ? ORDER BY batch_date, id");
        c.run(q, {concreteClass.value, until.key()});
        std::vector<ControlledBatch> after;
        while (q.next()) {
            after.push_back({q.value(0).toLongLong(), dateOf(c, q.value(1)), stdText(q.value(2)),
                             stdText(q.value(3)), q.value(4).toDouble()});
        }
        reading.commit();
        auto inputs = controlChartInputs(std::move(period), std::move(after), until);
        if (auto *failure = std::get_if<common::Failure>(&inputs))
            throw common::StepError(failure->kind, failure->message);
        return std::get<ControlChartInputs>(std::move(inputs));
    });
}

Result<std::size_t> Store::exportCsv(const BatchFilter &filter, const TextSink &write) const
{
    return common::resultOf<std::size_t>([&] {
        const Connection &c = *m_connection;
        const FilterSql sql = filterSql(filter, "b.");
        Transaction reading(c, Transaction::Read);
        QSqlQuery q = c.prepare(
            "SELECT b.id, b.batch_date, b.class_value, b.class_text, b.label, b.plant, b.note,"
            " s.strength, s.strength_text, s.age_days"
            " FROM register_batch b JOIN register_sample s ON s.batch_id = b.id"
            " WHERE b.deleted_at IS NULL"
            + sql.conditions + " ORDER BY b.batch_date, b.id, s.sample_no");
        c.run(q, sql.values);
        std::string text = csvHead();
        const auto flush = [&](std::size_t atLeast) {
            if (text.size() >= atLeast && !text.empty()) {
                if (!write(text))
                    throw common::StepError(common::Failure::Kind::Io,
                                            "Выгрузка журнала испытаний не записана.");
                text.clear();
            }
        };
        std::size_t count = 0;
        BatchId current = 0;
        Batch batch;
        while (q.next()) {
            const BatchId id = q.value(0).toLongLong();
            if (count == 0 || id != current) {
                if (count > 0)
                    text += csvRows(batch);
                flush(exportPiece);
                batch = {dateOf(c, q.value(1)), {q.value(2).toDouble(), stdText(q.value(3))},
                         stdText(q.value(4)),   stdText(q.value(5)),
                         stdText(q.value(6)),   {}};
                current = id;
                ++count;
            }
            batch.samples.push_back(
                {q.value(7).toDouble(), stdText(q.value(8)), q.value(9).toInt()});
        }
        if (count > 0)
            text += csvRows(batch);
        reading.commit();
        flush(0);
        return count;
    });
}

} // namespace journal
