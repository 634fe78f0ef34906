#pragma once

#include "register/store/store.h"

#include <QAbstractTableModel>

#include <vector>

namespace journal {

// The batch list of a register, newest first, as a table: "Дата", "Класс", "Партия", "Завод",
// "Выборок", "Среднее", "Минимум". It holds the rows fetched so far and fetches the next page
// when a view scrolls to its end, so a register of any size lists at once. The store must
// outlive the model (or be taken away with setStore(nullptr) first).
class BatchListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        ClassColumn,
        LabelColumn,
        PlantColumn,
        CountColumn,
        MeanColumn,
        LeastColumn,
        ColumnCount
    };

    explicit BatchListModel(QObject *parent = nullptr, int pageSize = 200);

    // Lists the batches of `store` that `filter` lets through, from the first page again.
    void show(const Store *store, const BatchFilter &filter);
    // The same list again, after a change to the register.
    void reload() { show(m_store, m_filter); }

    const BatchFilter &filter() const { return m_filter; }
    // The number of batches the filter lets through (the rows not fetched yet included).
    qint64 total() const { return m_total; }
    // The batch of a row fetched.
    const BatchRow &row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }
    // The row of a batch among those fetched, or −1.
    int rowOf(BatchId id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    // The register could not be read; the list keeps the rows it has and fetches no more.
    void failed(const QString &message);

private:
    void fail(const common::Failure &failure);

    const Store *m_store = nullptr;
    BatchFilter m_filter;
    std::vector<BatchRow> m_rows;
    qint64 m_total = 0;
    int m_pageSize;
};

// A batch row's cell text (the class as "В25", mean and least with one decimal).
QString cellText(const BatchRow &row, int column);

} // namespace journal
