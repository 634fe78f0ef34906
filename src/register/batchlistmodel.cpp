#include "register/batchlistmodel.h"

#include "text/numbers.h"
#include "ui/textconvert.h"

namespace journal {

namespace {

const char *const headers[BatchListModel::ColumnCount]
    = {"Дата", "Класс", "Партия", "Завод", "Выборок", "Среднее", "Минимум"};

} // namespace

QString cellText(const BatchRow &row, int column)
{
    switch (column) {
    case BatchListModel::DateColumn:
        return ui::toQt(row.date.russian());
    case BatchListModel::ClassColumn:
        return ui::toQt(row.concreteClass.name());
    case BatchListModel::LabelColumn:
        return ui::toQt(row.label);
    case BatchListModel::PlantColumn:
        return ui::toQt(row.plant);
    case BatchListModel::CountColumn:
        return QString::number(row.sampleCount);
    case BatchListModel::MeanColumn:
        return ui::toQt(text::fixed(row.mean, 1));
    case BatchListModel::LeastColumn:
        return ui::toQt(text::fixed(row.least, 1));
    default:
        return {};
    }
}

BatchListModel::BatchListModel(QObject *parent, int pageSize)
    : QAbstractTableModel(parent)
    , m_pageSize(pageSize)
{
}

void BatchListModel::show(const Store *store, const BatchFilter &filter)
{
    beginResetModel();
    m_store = store;
    m_filter = filter;
    m_rows.clear();
    m_total = 0;
    endResetModel();
    if (!m_store)
        return;
    auto count = m_store->countBatches(m_filter);
    if (const auto *failure = std::get_if<common::Failure>(&count))
        return fail(*failure);
    m_total = std::get<std::int64_t>(count);
    fetchMore({});
}

int BatchListModel::rowOf(BatchId id) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

int BatchListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BatchListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BatchListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(row(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= CountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant BatchListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(headers[section]);
}

bool BatchListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_store && static_cast<qint64>(m_rows.size()) < m_total;
}

void BatchListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    std::optional<ListPosition> after;
    if (!m_rows.empty())
        after = ListPosition {m_rows.back().date, m_rows.back().id};
    auto page = m_store->batches(m_filter, after, m_pageSize, true);
    if (const auto *failure = std::get_if<common::Failure>(&page))
        return fail(*failure);
    auto &rows = std::get<std::vector<BatchRow>>(page);
    if (rows.empty()) {
        // The register changed under the list: it ends here.
        m_total = static_cast<qint64>(m_rows.size());
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void BatchListModel::fail(const common::Failure &failure)
{
    m_total = static_cast<qint64>(m_rows.size());
    Q_EMIT failed(ui::toQt(failure.message));
}

} // namespace journal
