#pragma once
// A table object seen as rows and columns for a grid: one row per visible record in the
// current order, read a block at a time so that a large table opens and scrolls at once.
// The row being inserted is shown after the last record.

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <map>

namespace kartella::data {

class Table;

struct GridColumn {
    QString field;
    QString title;
    int width = 64; // pixels
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool bold = false;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(Table& table, QList<GridColumn> columns, bool editable, QObject* parent = nullptr);

    Table& table() const { return m_table; }
    const QList<GridColumn>& columns() const { return m_columns; }
    // The grid row of the table's current record (the insert row while inserting).
    int currentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typing into a cell puts its record into edit state; the change is stored when the
    // record is left or posted.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void reset();
    void currentMoved();
    const QStringList& rowValues(int row) const;

    Table& m_table;
    QList<GridColumn> m_columns;
    QStringList m_fields;
    bool m_editable;
    int m_rows = 0;
    int m_lastCurrent = -1;
    static constexpr int blockSize = 128;
    mutable std::map<int, QList<QStringList>> m_blocks; // first row of a block -> its rows
};

} // namespace kartella::data
