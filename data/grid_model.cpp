#include "data/grid_model.h"

#include "data/table.h"

namespace kartella::data {

GridModel::GridModel(Table& table, QList<GridColumn> columns, bool editable, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_columns(std::move(columns)), m_editable(editable) {
    for (const GridColumn& c : m_columns)
        m_fields << c.field;
    m_rows = m_table.recordCount();
    connect(&m_table, &Table::dataChanged, this, &GridModel::reset);
    connect(&m_table, &Table::currentChanged, this, &GridModel::currentMoved);
}

int GridModel::currentRow() const {
    return m_table.state() == Table::State::Insert ? m_table.recordCount() : m_table.currentRow();
}

void GridModel::reset() {
    beginResetModel();
    m_blocks.clear();
    m_rows = m_table.recordCount();
    endResetModel();
    m_lastCurrent = currentRow();
}

void GridModel::currentMoved() {
    const int wanted = m_table.recordCount() + (m_table.state() == Table::State::Insert ? 1 : 0);
    if (wanted != m_rows) {
        // The insert row appears or goes away.
        if (wanted > m_rows) {
            beginInsertRows({}, m_rows, wanted - 1);
            m_rows = wanted;
            endInsertRows();
        } else {
            beginRemoveRows({}, wanted, m_rows - 1);
            m_rows = wanted;
            endRemoveRows();
        }
    }
    // The current record's values may have changed (edited, posted, cancelled).
    const int row = currentRow();
    for (int changed : {m_lastCurrent, row}) {
        if (changed >= 0 && changed < m_rows) {
            m_blocks.erase(changed - changed % blockSize);
            emit dataChanged(index(changed, 0), index(changed, columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, changed, changed);
        }
    }
    m_lastCurrent = row;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

const QStringList& GridModel::rowValues(int row) const {
    const int first = row - row % blockSize;
    auto block = m_blocks.find(first);
    if (block == m_blocks.end()) {
        if (m_blocks.size() > 64) // keep memory bounded while scrolling a large table
            m_blocks.clear();
        block = m_blocks.emplace(first, m_table.rows(first, blockSize, m_fields)).first;
    }
    static const QStringList none;
    const int offset = row - first;
    return offset < block->second.size() ? block->second[offset] : none;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[index.column()].alignment);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const bool pending = m_table.state() != Table::State::Browse && index.row() == currentRow();
    if (pending)
        return m_table.fieldAsText(m_fields[index.column()]);
    return rowValues(index.row()).value(index.column());
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_columns.size())
            return {};
        if (role == Qt::DisplayRole)
            return m_columns[section].title;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns[section].alignment);
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    // The row indicator: the current record, marked by its state.
    if (section != currentRow())
        return QString();
    switch (m_table.state()) {
    case Table::State::Insert:
        return QStringLiteral("*");
    case Table::State::Edit:
        return QStringLiteral("I");
    case Table::State::Browse:
        break;
    }
    return QStringLiteral("▶");
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_editable || role != Qt::EditRole || !index.isValid())
        return false;
    const QString field = m_fields[index.column()];
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return false;
    if (index.row() != currentRow())
        m_table.moveToRow(index.row());
    m_table.edit();
    m_table.setFieldAsText(field, text);
    emit dataChanged(index, index);
    return true;
}

} // namespace kartella::data
