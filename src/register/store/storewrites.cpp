// The register's changes: each one transaction, the old state kept in the history.

#include "register/store/store.h"

#include "register/core/csvimport.h"
#include "register/store/batchwriter.h"
#include "register/store/connection.h"

#include <set>
#include <tuple>

namespace journal {

namespace {

QVariant idValue(BatchId id)
{
    return QVariant::fromValue<qlonglong>(id);
}

common::StepError refused(const std::string &message)
{
    return common::StepError(common::Failure::Kind::Refused, message);
}

// "Партия …" at the start of a sentence.
std::string upperFirst(std::string name)
{
    const std::string lower = "п";
    if (name.starts_with(lower))
        name.replace(0, lower.size(), "П");
    return name;
}

void refuseUnfit(const Batch &batch)
{
    if (const std::string problem = problemOf(batch); !problem.empty())
        throw refused(upperFirst(nameOf(batch)) + ": " + problem + ".");
}

// Is the key of the batch taken by a batch not deleted (other than `except`)?
bool keyTaken(const Connection &c, const Batch &batch, BatchId except)
{
    const QSqlQuery q
        = c.execute("SELECT id FROM register_batch WHERE deleted_at IS NULL AND class_value = ?"
                    " AND batch_date = ? AND label = ? AND plant = ? AND id <> ?",
                    {batch.concreteClass.value, batch.date.key(), sqlText(batch.label),
                     sqlText(batch.plant), idValue(except)});
    return q.isValid();
}

// Runs the change in one write transaction. When batch rows could not be written because
// another batch has the key of one of them, that one is refused by name (with the line of the
// file it comes from, when known).
template<class T, class Change>
T changing(const Connection &c, const std::vector<const Batch *> &batches, BatchId except,
           const std::vector<std::size_t> *lines, Change &&change)
{
    try {
        BatchWriter writer(c);
        Transaction transaction(c, Transaction::Write);
        T result = change(writer);
        transaction.commit();
        return result;
    } catch (const BatchesNotWritten &failed) {
        for (std::size_t i = failed.first; i < failed.first + failed.count; ++i) {
            if (!keyTaken(c, *batches.at(i), except))
                continue;
            const std::string taken = nameOf(*batches[i]) + " уже есть в журнале";
            if (lines)
                throw refused(CsvRefusal {{{lines->at(i), taken}}}.message());
            throw refused(upperFirst(taken) + ".");
        }
        throw failed.error;
    }
}

void refuseRepeatedKeys(const std::vector<Batch> &batches)
{
    std::set<std::tuple<int, double, std::string, std::string>> keys;
    for (const Batch &b : batches) {
        if (!keys.emplace(b.date.key(), b.concreteClass.value, b.label, b.plant).second)
            throw refused(upperFirst(nameOf(b)) + " дана дважды.");
    }
}

// An import that changes the table enough for the database to plan its queries anew.
constexpr std::size_t largeImport = 1000;

// Has the database count the batch table again, so that it keeps taking its indexes (PostgreSQL
// would scan a table it still thinks small). Only a help: a failure changes nothing.
void refreshStatistics(const Connection &c)
{
    try {
        c.execute("ANALYZE register_batch");
    } catch (const common::StepError &) {
    }
}

// Writes the batches a statement's worth at a time, telling the progress after each; stopped
// when the progress says so.
ImportSummary writeAll(BatchWriter &writer, const std::vector<const Batch *> &all,
                       const Progress &progress)
{
    const auto goOn = [&](std::size_t done) {
        if (progress && !progress(done, all.size())) {
            throw common::StepError(common::Failure::Kind::Cancelled,
                                    "Загрузка прервана; в журнал ничего не добавлено.");
        }
    };
    ImportSummary summary;
    goOn(0);
    for (std::size_t first = 0; first < all.size(); first += BatchWriter::batchesPerStatement) {
        const std::size_t end = std::min(first + BatchWriter::batchesPerStatement, all.size());
        const std::vector<const Batch *> run(all.begin() + static_cast<std::ptrdiff_t>(first),
                                             all.begin() + static_cast<std::ptrdiff_t>(end));
        writer.insert(run, first);
        for (const Batch *batch : run)
            summary.samples += batch->samples.size();
        summary.batches = end;
        goOn(end);
    }
    return summary;
}

Result<ImportSummary> importBatches(const Connection &c, const std::vector<Batch> &batches,
                                    const std::vector<std::size_t> *lines, const Progress &progress)
{
    return common::resultOf<ImportSummary>([&] {
        for (const Batch &batch : batches)
            refuseUnfit(batch);
        refuseRepeatedKeys(batches);
        std::vector<const Batch *> all;
        for (const Batch &batch : batches)
            all.push_back(&batch);
        const ImportSummary imported = changing<ImportSummary>(
            c, all, 0, lines, [&](BatchWriter &writer) { return writeAll(writer, all, progress); });
        if (imported.batches >= largeImport)
            refreshStatistics(c);
        return imported;
    });
}

} // namespace

Result<BatchId> Store::add(const Batch &batch)
{
    return common::resultOf<BatchId>([&] {
        refuseUnfit(batch);
        return changing<BatchId>(*m_connection, {&batch}, 0, nullptr, [&](BatchWriter &writer) {
            return writer.insert({&batch}).front();
        });
    });
}

Result<Done> Store::replace(BatchId id, const Batch &batch)
{
    return common::resultOf<Done>([&] {
        refuseUnfit(batch);
        return changing<Done>(*m_connection, {&batch}, id, nullptr, [&](BatchWriter &writer) {
            writer.lock(id);
            writer.archive(id, false);
            writer.update(id, batch);
            return Done {};
        });
    });
}

Result<Done> Store::remove(BatchId id)
{
    return common::resultOf<Done>([&] {
        return changing<Done>(*m_connection, {}, id, nullptr, [&](BatchWriter &writer) {
            writer.lock(id);
            writer.archive(id, true);
            writer.hide(id);
            return Done {};
        });
    });
}

Result<ImportSummary> Store::import(const std::vector<Batch> &batches, const Progress &progress)
{
    return importBatches(*m_connection, batches, nullptr, progress);
}

Result<ImportSummary> Store::importCsv(std::string_view bytes, const Progress &progress)
{
    auto read = readCsv(bytes);
    if (const auto *refusal = std::get_if<CsvRefusal>(&read))
        return common::Failure {common::Failure::Kind::Refused, refusal->message()};
    const CsvBatches &file = std::get<CsvBatches>(read);
    return importBatches(*m_connection, file.batches, &file.firstLines, progress);
}

} // namespace journal
