#include "register/store/batchsql.h"

#include "register/store/connection.h"

namespace journal {

const QString batchRowColumns = "id, batch_date, class_value, class_text, label, plant, note,"
                                " sample_count, strength_mean, strength_min";

FilterSql filterSql(const BatchFilter &filter, const QString &prefix)
{
    FilterSql sql;
    if (filter.classValue) {
        sql.conditions += " AND " + prefix + "class_value = ?";
        sql.values << *filter.classValue;
    }
    if (filter.from) {
        sql.conditions += " AND " + prefix + "batch_date >= ?";
        sql.values << filter.from->key();
    }
    if (filter.to) {
        sql.conditions += " AND " + prefix + "batch_date <= ?";
        sql.values << filter.to->key();
    }
    return sql;
}

Date dateOf(const Connection &c, const QVariant &key)
{
    const auto date = Date::fromKey(key.toLongLong());
    if (!date)
        c.fail("в журнале дата, которой нет", key.toString());
    return *date;
}

BatchRow batchRowOf(const Connection &c, const QSqlQuery &q, int first)
{
    const auto at = [&](int i) {
        return q.value(first + i);
    };
    return {at(0).toLongLong(), dateOf(c, at(1)), {at(2).toDouble(), stdText(at(3))},
            stdText(at(4)),     stdText(at(5)),   stdText(at(6)),
            at(7).toInt(),      at(8).toDouble(), at(9).toDouble()};
}

std::vector<Sample> samplesOf(const Connection &c, BatchId id)
{
    QSqlQuery q = c.prepare("SELECT strength, strength_text, age_days FROM register_sample"
                            " WHERE batch_id = ? ORDER BY sample_no");
    c.run(q, {QVariant::fromValue<qlonglong>(id)});
    std::vector<Sample> samples;
    while (q.next())
        samples.push_back({q.value(0).toDouble(), stdText(q.value(1)), q.value(2).toInt()});
    return samples;
}

} // namespace journal
