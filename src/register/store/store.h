#pragma once

#include "common/failure.h"
#include "register/core/address.h"
#include "register/core/batch.h"
#include "register/core/period.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace journal {

class Connection;

// What an operation gives, or why it gave nothing (the message to show).
template<class T> using Result = std::variant<T, common::Failure>;
struct Done
{
};

// Which batches a list shows: of one class (by its number) and between two dates (inclusive),
// any of them left out for no limit. Deleted batches are never shown.
struct BatchFilter
{
    std::optional<double> classValue;
    std::optional<Date> from;
    std::optional<Date> to;
};

// A line of the batch list: the batch without its samples, with their count, mean and least
// strength.
struct BatchRow
{
    BatchId id = 0;
    Date date;
    ConcreteClass concreteClass;
    std::string label;
    std::string plant;
    std::string note;
    int sampleCount = 0;
    double mean = 0.0;
    double least = 0.0;
};

// Where a page of the list starts: after this batch in the list's order.
struct ListPosition
{
    Date date;
    BatchId id = 0;
};

// A batch as it was before an edit or a deletion, and when that happened (UTC,
// "2024-01-05T10:15:30.123Z").
struct HistoryEntry
{
    std::string recordedAt;
    bool deleted = false; // the change that replaced it: a deletion, or else an edit
    Batch batch;
};

struct ImportSummary
{
    std::size_t batches = 0;
    std::size_t samples = 0;
};

// Told how far an import has come (batches written, of all); returns false to stop it, which
// adds nothing.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;
// Takes the next piece of an export's text; false when it cannot be written.
using TextSink = std::function<bool(std::string_view piece)>;

// The test-results register in its database, SQLite or PostgreSQL through one code path. Each
// change is one transaction; an edit or a deletion keeps the old batch in the history; a deleted
// batch is hidden, not erased. A store belongs to the thread that opened it (as its Qt SQL
// connection does); a program may open any number of them, also on one database, and two
// programs may change one SQLite file at once: each waits for the other's change to end.
// A Qt application object must exist (Qt loads the database drivers through it).
class Store
{
public:
    // Opens the register, creating its tables in a database that has none and upgrading an
    // older schema; a register written by a newer program is refused.
    static Result<std::unique_ptr<Store>> open(const DatabaseAddress &address);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    // "файл «loviz-register.sqlite»", as messages name the register.
    const std::string &description() const;

    // The list: batches by date and then entry order (newest first when asked), `limit` of
    // them after `after` (from the start when not given): a view fetches page by page as it
    // scrolls.
    Result<std::vector<BatchRow>> batches(const BatchFilter &filter,
                                          std::optional<ListPosition> after, int limit,
                                          bool newestFirst = false) const;
    Result<std::int64_t> countBatches(const BatchFilter &filter) const;
    // A batch with its samples in entry order; a deleted or unknown one is refused.
    Result<Batch> batch(BatchId id) const;
    // The classes of the batches not deleted, by their number, each with the text of its first
    // batch.
    Result<std::vector<ConcreteClass>> classes() const;
    // The batch's earlier states, oldest first.
    Result<std::vector<HistoryEntry>> history(BatchId id) const;

    // The analysed period of the class with the scheme K × n up to `until` (see
    // selectAnalysedPeriod): the documented forms filled, for analysedPeriodReport.
    Result<AnalysedPeriod> analysedPeriod(const ConcreteClass &concreteClass,
                                          const statcontrol::Scheme &scheme, Date until) const;
    // The control chart after that period: the texts the chart window takes.
    Result<ControlChartInputs> controlChart(const ConcreteClass &concreteClass,
                                            const statcontrol::Scheme &scheme, Date until) const;

    // The filter's batches as the register's CSV (csvHead, then csvRows for each), by date and
    // entry order; the number of batches written.
    Result<std::size_t> exportCsv(const BatchFilter &filter, const TextSink &write) const;

    // A new batch, entered after all others; a batch of the same date, class, label and plant
    // is refused, as is one the register cannot take (see problemOf).
    Result<BatchId> add(const Batch &batch);
    // Replaces a batch (its samples too), keeping its place in the entry order; the old one goes
    // into the history.
    Result<Done> replace(BatchId id, const Batch &batch);
    // Hides a batch; it goes into the history.
    Result<Done> remove(BatchId id);
    // Adds the batches in order in one transaction: all of them or, at the first refusal, none.
    Result<ImportSummary> import(const std::vector<Batch> &batches, const Progress &progress = {});
    // Reads a CSV file (readCsv) and imports its batches; a refused file adds nothing and names
    // every bad line.
    Result<ImportSummary> importCsv(std::string_view bytes, const Progress &progress = {});

private:
    explicit Store(std::unique_ptr<Connection> connection);

    std::unique_ptr<Connection> m_connection;
};

} // namespace journal
