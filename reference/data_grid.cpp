#include "reference/data_grid.h"

#include "data/table.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

namespace kartella {

namespace {
// Draws a column's cells in bold.
class BoldDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(true);
    }
};
} // namespace

DBGrid::DBGrid(data::Table& table, QList<GridColumn> columns, Editing editing, QWidget* parent)
    : QTableView(parent), m_model(new data::GridModel(table, columns, editing == Editing::InPlace, this)),
      m_editing(editing) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(editing == Editing::InPlace ? QAbstractItemView::SelectItems
                                                     : QAbstractItemView::SelectRows);
    setEditTriggers(editing == Editing::InPlace
                        ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed
                        : QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setAlternatingRowColors(false);
    // Rows of one height, so the grid never measures rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(19);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int i = 0; i < columns.size(); ++i) {
        setColumnWidth(i, columns[i].width);
        if (columns[i].bold)
            setItemDelegateForColumn(i, new BoldDelegate(this));
    }

    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::blue);
    setPalette(p);
    QFont titleFont = horizontalHeader()->font();
    titleFont.setBold(true);
    horizontalHeader()->setFont(titleFont);
    QPalette titles = horizontalHeader()->palette();
    titles.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    titles.setColor(QPalette::WindowText, QColor(0, 0, 128));
    horizontalHeader()->setPalette(titles);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowSelected(current); });
    connect(&table, &data::Table::currentChanged, this, &DBGrid::followTable);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::followTable);
    followTable();
}

void DBGrid::rowSelected(const QModelIndex& current) {
    if (m_following || !current.isValid() || current.row() == m_model->currentRow())
        return;
    try {
        if (current.row() < table().recordCount())
            table().moveToRow(current.row());
    } catch (const data::DatabaseError& error) {
        // The pending record could not be stored: it stays current, in edit state.
        QTimer::singleShot(0, this, &DBGrid::followTable);
        dialogs().errorReport(error.text());
    } catch (const data::SilentAbort&) {
        QTimer::singleShot(0, this, &DBGrid::followTable);
    }
}

void DBGrid::followTable() {
    if (m_following)
        return;
    m_following = true;
    const int row = m_model->currentRow();
    if (row >= 0 && row < m_model->rowCount()) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        const QModelIndex target = m_model->index(row, column);
        if (currentIndex() != target) {
            selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                          (m_editing == Editing::ReadOnly
                                                               ? QItemSelectionModel::Rows
                                                               : QItemSelectionModel::NoUpdate));
        }
        scrollTo(target);
    }
    m_following = false;
}

void DBGrid::keyPressEvent(QKeyEvent* event) {
    if (m_editing == Editing::InPlace && state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            table().insert();
            return;
        }
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
            if (table().recordCount() > 0 &&
                dialogs().ask(QStringLiteral("Törli a rekordot ?"), QStringLiteral("Figyelem:")))
                table().remove();
            return;
        }
        if (event->key() == Qt::Key_Escape && table().state() != data::Table::State::Browse) {
            table().cancel();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

DBNavigator::DBNavigator(data::Table& table, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    struct Button {
        const char* name;
        const char* glyph;
        const char* tip;
        std::function<void()> action;
    };
    const std::vector<Button> buttons{
        {"nbFirst", "|◀", "Első rekord", [&table] { table.first(); }},
        {"nbPrior", "◀", "Előző rekord", [&table] { table.prior(); }},
        {"nbNext", "▶", "Következő rekord", [&table] { table.next(); }},
        {"nbLast", "▶|", "Utolsó rekord", [&table] { table.last(); }},
        {"nbInsert", "+", "Új rekord", [&table] { table.insert(); }},
        {"nbDelete", "−", "Rekord törlése",
         [&table] {
             if (table.state() == data::Table::State::Insert || table.recordCount() > 0)
                 table.remove();
         }},
        {"nbEdit", "▲", "Rekord szerkesztése",
         [&table] {
             if (table.recordCount() > 0)
                 table.edit();
         }},
        {"nbPost", "✔", "Tárolás", [&table] { table.post(); }},
        {"nbCancel", "✖", "Elvetés", [&table] { table.cancel(); }},
        {"nbRefresh", "↻", "Frissítés", [&table] { table.refresh(); }},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(b.name));
        button->setText(QString::fromUtf8(b.glyph));
        button->setToolTip(QString::fromUtf8(b.tip));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, b.action);
        row->addWidget(button);
    }
}

} // namespace kartella
