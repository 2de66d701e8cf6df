#pragma once
// The label selection windows: a list of the senders (TForm30) or of the partners (TForm31) in
// which a double-click marks a record for the label sheet and the print button hands the
// marked records to the sheet's settings window. The two differ only in their table, caption
// and one message.

#include "ui/form_window.h"

#include <QString>
#include <functional>

class QPushButton;

namespace kartella::data {
struct Database;
class Table;
} // namespace kartella::data

namespace kartella {

class DBGrid;

class LabelSelectionWindow : public FormWindow {
    Q_OBJECT
public:
    // Reaches the settings window when a print needs it; it is created after this window.
    using SettingsLookup = std::function<QWidget&()>;

    // Toggles the mark of the table's current record and stores it at once.
    void DBGrid1DblClick();
    // Lets the settings window print the marked records, then clears every mark.
    void BitBtn1Click();
    void BitBtn4Click();

    // The text of a record's mark.
    static inline const QString marked = QStringLiteral("X");

protected:
    LabelSelectionWindow(const char* name, const QString& caption, data::Table& table, QString noneMarked,
                         SettingsLookup settings, QWidget* parent);

private:
    data::Table& m_table;
    QString m_noneMarked;
    SettingsLookup m_settings;

    QPushButton* BitBtn1;
    QPushButton* BitBtn4;
    DBGrid* DBGrid1;
};

// Sender labels, printed through TForm15.
class TForm30 : public LabelSelectionWindow {
    Q_OBJECT
public:
    TForm30(data::Database& database, SettingsLookup settings, QWidget* parent = nullptr);
};

// Partner labels, printed through TForm32.
class TForm31 : public LabelSelectionWindow {
    Q_OBJECT
public:
    TForm31(data::Database& database, SettingsLookup settings, QWidget* parent = nullptr);
};

} // namespace kartella
