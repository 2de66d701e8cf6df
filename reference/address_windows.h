#pragma once
// The upkeep of the address book: a list window over partners or senders and its three edit
// windows (add, modify, delete). Partner and sender windows share these classes and differ
// in their table, captions and the partner's type field.

#include "reference/data_grid.h"
#include "ui/form_window.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kartella::data {
struct Database;
class Table;
} // namespace kartella::data

namespace kartella {

enum class AddressBook { Partners, Senders };

// Finds another window of the program by name (the registry's lookup).
using WindowLookup = std::function<QWidget*(const QString&)>;

class AddressListWindow : public FormWindow {
    Q_OBJECT
public:
    AddressListWindow(data::Database& database, AddressBook book, WindowLookup windows,
                      QWidget* parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click() { close(); }

    DBGrid* DBGrid1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showEditWindow(const QString& name);
    data::Table& m_table;
    AddressBook m_book;
    WindowLookup m_windows;
};

class AddressEditWindow : public FormWindow {
    Q_OBJECT
public:
    enum class Role { Add, Modify, Delete };
    AddressEditWindow(data::Database& database, AddressBook book, Role role, QWidget* parent = nullptr);

    void FormShow() override;
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn4Click() { close(); }
    void ComboBox3Exit();

    QLineEdit* Edit1;
    QComboBox* ComboBox1 = nullptr; // the partner's type; senders have none
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QLineEdit* Edit2;
    QLineEdit* Edit3;

private:
    void clearFields();
    void loadCurrent();
    void store();
    void remove();

    data::Database& m_db;
    data::Table& m_table;
    AddressBook m_book;
    Role m_role;
};

// The windows by their names.
class TForm10 : public AddressListWindow {
    Q_OBJECT
public:
    TForm10(data::Database& db, WindowLookup windows)
        : AddressListWindow(db, AddressBook::Partners, windows) {}
};
class TForm3 : public AddressListWindow {
    Q_OBJECT
public:
    TForm3(data::Database& db, WindowLookup windows) : AddressListWindow(db, AddressBook::Senders, windows) {}
};
class TForm11 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm11(data::Database& db) : AddressEditWindow(db, AddressBook::Partners, Role::Add) {}
};
class TForm12 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm12(data::Database& db) : AddressEditWindow(db, AddressBook::Partners, Role::Modify) {}
};
class TForm13 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm13(data::Database& db) : AddressEditWindow(db, AddressBook::Partners, Role::Delete) {}
};
class TForm4 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm4(data::Database& db) : AddressEditWindow(db, AddressBook::Senders, Role::Add) {}
};
class TForm5 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm5(data::Database& db) : AddressEditWindow(db, AddressBook::Senders, Role::Modify) {}
};
class TForm6 : public AddressEditWindow {
    Q_OBJECT
public:
    explicit TForm6(data::Database& db) : AddressEditWindow(db, AddressBook::Senders, Role::Delete) {}
};

} // namespace kartella
