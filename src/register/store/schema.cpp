#include "register/store/schema.h"

#include "common/failure.h"
#include "register/store/connection.h"

#include <QStringList>

#include <vector>

namespace journal {

namespace {

// The statements that bring the schema from the version before to each version, in order;
// %ID% stands for the dialect's numbered id column, %KEYED% for what follows a table found by
// its primary key only (SQLite then keeps one tree for it instead of two). Dates are numbers
// yyyymmdd, times UTC texts; a batch keeps its sample count, mean and least strength, written with
// its samples. Nothing is erased: an edit or a deletion first copies the batch and its samples into
// the history; a deleted batch keeps its row, hidden by its deletion time.
const std::vector<QStringList> upgrades = {
    // 1
    {
        "CREATE TABLE register_meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
        "CREATE TABLE register_batch ("
        " id %ID%,"
        " batch_date INTEGER NOT NULL,"
        " class_value DOUBLE PRECISION NOT NULL,"
        " class_text TEXT NOT NULL,"
        " label TEXT NOT NULL,"
        " plant TEXT NOT NULL,"
        " note TEXT NOT NULL,"
        " sample_count INTEGER NOT NULL,"
        " strength_mean DOUBLE PRECISION NOT NULL,"
        " strength_min DOUBLE PRECISION NOT NULL,"
        " entered_at TEXT NOT NULL,"
        " changed_at TEXT NOT NULL,"
        " deleted_at TEXT)",
        "CREATE TABLE register_sample ("
        " batch_id BIGINT NOT NULL REFERENCES register_batch (id),"
        " sample_no INTEGER NOT NULL,"
        " strength DOUBLE PRECISION NOT NULL,"
        " strength_text TEXT NOT NULL,"
        " age_days INTEGER NOT NULL,"
        " PRIMARY KEY (batch_id, sample_no))%KEYED%",
        "CREATE TABLE register_batch_history ("
        " id %ID%,"
        " batch_id BIGINT NOT NULL REFERENCES register_batch (id),"
        " recorded_at TEXT NOT NULL,"
        " change_kind TEXT NOT NULL,"
        " batch_date INTEGER NOT NULL,"
        " class_value DOUBLE PRECISION NOT NULL,"
        " class_text TEXT NOT NULL,"
        " label TEXT NOT NULL,"
        " plant TEXT NOT NULL,"
        " note TEXT NOT NULL,"
        " entered_at TEXT NOT NULL,"
        " changed_at TEXT NOT NULL)",
        "CREATE TABLE register_sample_history ("
        " history_id BIGINT NOT NULL REFERENCES register_batch_history (id),"
        " sample_no INTEGER NOT NULL,"
        " strength DOUBLE PRECISION NOT NULL,"
        " strength_text TEXT NOT NULL,"
        " age_days INTEGER NOT NULL,"
        " PRIMARY KEY (history_id, sample_no))%KEYED%",
        // One batch per date, class, label and plant among those not deleted.
        "CREATE UNIQUE INDEX register_batch_key"
        " ON register_batch (class_value, batch_date, label, plant) WHERE deleted_at IS NULL",
        "CREATE INDEX register_batch_class_order ON register_batch (class_value, batch_date, id)",
        "CREATE INDEX register_batch_order ON register_batch (batch_date, id)",
        "CREATE INDEX register_batch_history_batch ON register_batch_history (batch_id)",
    },
};

// The schema's version, 0 for a database without the register.
int versionOf(const Connection &c)
{
    if (!c.hasTable("register_meta"))
        return 0;
    QSqlQuery query = c.execute("SELECT value FROM register_meta WHERE name = 'schema_version'");
    bool number = false;
    const int version = query.isValid() ? query.value(0).toString().toInt(&number) : 0;
    if (!number || version < 1)
        c.fail("нет номера версии схемы", {});
    return version;
}

void refuseNewer(const Connection &c, int version)
{
    throw common::StepError(common::Failure::Kind::Refused,
                            "Журнал испытаний (" + c.description()
                                + ") записан более новой версией программы (версия схемы "
                                + std::to_string(version) + ", эта программа знает версии до "
                                + std::to_string(schemaVersion)
                                + "); откройте его новой версией ЛОВИЗ.");
}

} // namespace

void prepareSchema(const Connection &c)
{
    if (versionOf(c) == schemaVersion)
        return;
    Transaction transaction(c, Transaction::Write);
    if (!c.dialect().lockSchema.isEmpty())
        c.execute(c.dialect().lockSchema);
    const int version = versionOf(c); // another program may have done it meanwhile
    if (version > schemaVersion)
        refuseNewer(c, version);
    for (int v = version + 1; v <= schemaVersion; ++v) {
        for (QString statement : upgrades[static_cast<std::size_t>(v - 1)])
            c.execute(statement.replace("%ID%", c.dialect().identity)
                          .replace("%KEYED%", c.dialect().keyedTable));
    }
    if (version == 0)
        c.execute("INSERT INTO register_meta (name, value) VALUES ('schema_version', ?)",
                  {QString::number(schemaVersion)});
    else
        c.execute("UPDATE register_meta SET value = ? WHERE name = 'schema_version'",
                  {QString::number(schemaVersion)});
    transaction.commit();
}

} // namespace journal
