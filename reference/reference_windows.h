#pragma once
// The country window and the postal-code and settlement window: an editable grid in name
// order, a navigator bar and a search box that moves to the first name at or after the text.

#include "reference/data_grid.h"
#include "ui/form_window.h"

class QLineEdit;

namespace kartella::data {
struct Database;
class Table;
} // namespace kartella::data

namespace kartella {

class ReferenceTableWindow : public FormWindow {
    Q_OBJECT
public:
    struct Settings {
        const char* windowName;
        QString caption;
        QString searchCaption; // "Keresendő ország"
        QString errorCaption;  // "Ország keresés:"
        QString indexName;
        int searchLength;
        int navigatorLeft, closeTop, gridLeft;
        QList<GridColumn> columns;
    };
    ReferenceTableWindow(data::Table& table, Settings settings, QWidget* parent = nullptr);

    void FormShow() override;
    void Edit1Change();
    void BitBtn1Click() { close(); }

    DBGrid* DBGrid1;
    QLineEdit* Edit1;

private:
    data::Table& m_table;
    Settings m_settings;
};

class TForm8 : public ReferenceTableWindow {
    Q_OBJECT
public:
    explicit TForm8(data::Database& database, QWidget* parent = nullptr);
};

class TForm9 : public ReferenceTableWindow {
    Q_OBJECT
public:
    explicit TForm9(data::Database& database, QWidget* parent = nullptr);
};

} // namespace kartella
