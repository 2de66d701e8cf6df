#include "forms/labels/selection_window.h"

#include "data/database.h"
#include "reference/data_grid.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QPushButton>
#include <utility>

namespace kartella {

namespace {

const QString markField = QStringLiteral("TMP");

// The hourglass for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Restricts the table to its marked records for as long as it lives; the filter goes whatever
// happens meanwhile, since every other window expects the whole table.
class MarkedOnly {
public:
    explicit MarkedOnly(data::Table& table) : m_table(table) {
        m_table.setFilter(markField + QStringLiteral(" = '") + LabelSelectionWindow::marked + '\'');
        m_table.setFiltered(true);
    }
    ~MarkedOnly() {
        try {
            end();
        } catch (...) {
            // Only a record left unposted could fail here, and there is none: the window posts
            // or cancels every change it starts.
        }
    }
    void end() {
        if (!m_table.filtered())
            return;
        m_table.setFilter(QString());
        m_table.setFiltered(false);
    }
    MarkedOnly(const MarkedOnly&) = delete;
    MarkedOnly& operator=(const MarkedOnly&) = delete;

private:
    data::Table& m_table;
};

} // namespace

LabelSelectionWindow::LabelSelectionWindow(const char* name, const QString& caption, data::Table& table,
                                           QString noneMarked, SettingsLookup settings, QWidget* parent)
    : FormWindow(name, caption, {663, 491}, Border::Minimizable, parent), m_table(table),
      m_noneMarked(std::move(noneMarked)), m_settings(std::move(settings)) {
    BitBtn1 = build::button(this, "BitBtn1", QStringLiteral("Nyomtatás"), {8, 8, 100, 25});
    BitBtn4 = build::button(this, "BitBtn4", QStringLiteral("Befejezés"), {555, 8, 100, 25});
    DBGrid1 = new DBGrid(table,
                         {{markField, QStringLiteral("X"), 40, Qt::AlignHCenter | Qt::AlignVCenter, true},
                          {QStringLiteral("NEV"), QStringLiteral("Név"), 370},
                          {QStringLiteral("IRSZ"), QStringLiteral("Ir. szám"), 55},
                          {QStringLiteral("TELEP"), QStringLiteral("Település"), 200},
                          {QStringLiteral("CIM"), QStringLiteral("Cím"), 385}},
                         DBGrid::Editing::ReadOnly, this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setGeometry(8, 39, 647, 444);

    connect(BitBtn1, &QPushButton::clicked, this, &LabelSelectionWindow::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &LabelSelectionWindow::BitBtn4Click);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &LabelSelectionWindow::DBGrid1DblClick);
}

void LabelSelectionWindow::DBGrid1DblClick() {
    if (m_table.recordCount() == 0)
        return;
    m_table.edit();
    try {
        m_table.setFieldAsText(markField, m_table.fieldAsText(markField).isEmpty() ? marked : QString());
        m_table.post();
    } catch (...) {
        // The record does not stay in edit state (and locked) after a failed post.
        m_table.cancel();
        throw;
    }
}

void LabelSelectionWindow::BitBtn1Click() {
    MarkedOnly filter(m_table);
    if (m_table.recordCount() == 0) {
        dialogs().information(m_noneMarked);
        return;
    }
    dialogs().showModal(m_settings());
    // Printed or not, every mark goes now, in one transaction: all of them or, on an error,
    // none, so that the marks the user sees are the marks the table holds.
    WaitCursor wait;
    m_table.setFieldOnVisibleRecords(markField, QString());
    filter.end();
}

void LabelSelectionWindow::BitBtn4Click() {
    close();
}

TForm30::TForm30(data::Database& database, SettingsLookup settings, QWidget* parent)
    : LabelSelectionWindow("TForm30", QStringLiteral("Feladó adatok nyomtatása:"), database.tbl_Felado,
                           QStringLiteral("Nincs nyomtatásra kijelölt feladü !"), std::move(settings),
                           parent) {}

TForm31::TForm31(data::Database& database, SettingsLookup settings, QWidget* parent)
    : LabelSelectionWindow("TForm31", QStringLiteral("Partner adatok nyomtatása:"), database.tbl_Partner,
                           QStringLiteral("Nincs nyomtatásra kijelölt partner !"), std::move(settings),
                           parent) {}

} // namespace kartella
