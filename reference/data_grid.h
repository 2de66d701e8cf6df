#pragma once
// The data-bound grid and the record navigator bar: both act on a shared table object, so
// the grid's selected row is the table's current record for every window.

#include "data/grid_model.h"

#include <QTableView>
#include <QWidget>

namespace kartella::data {
class Table;
}

namespace kartella {

using data::GridColumn;

class DBGrid : public QTableView {
    Q_OBJECT
public:
    enum class Editing { ReadOnly, InPlace };
    DBGrid(data::Table& table, QList<GridColumn> columns, Editing editing, QWidget* parent = nullptr);

    data::Table& table() const { return m_model->table(); }
    data::GridModel& gridModel() const { return *m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rowSelected(const QModelIndex& current);
    void followTable();

    data::GridModel* m_model;
    Editing m_editing;
    bool m_following = false;
};

// Ten buttons acting at once on the table: first, prior, next, last, insert, delete (without
// asking), edit, post, cancel, refresh.
class DBNavigator : public QWidget {
    Q_OBJECT
public:
    explicit DBNavigator(data::Table& table, QWidget* parent = nullptr);
};

} // namespace kartella
