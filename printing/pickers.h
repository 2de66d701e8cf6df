#pragma once
// The ways the entry windows save typing, defined once and wired by each window to its own
// controls: pickers that offer the stored senders and partners by name, lookups that complete
// a postal code from a settlement and back from the postal-code table, Enter moving the focus
// on, and a helper that runs a handler whenever a control is left.

#include <QString>
#include <functional>
#include <optional>

class QComboBox;
class QWidget;

namespace kartella::data {
class Table;
}

namespace kartella::printing {

// The text of a field that is either a QLineEdit or a QComboBox (its edit text when editable,
// its current text otherwise). Any other kind of widget is a programming error (std::logic_error).
QString fieldText(const QWidget& field);
void setFieldText(QWidget& field, const QString& text);

// Empties the picker's text, selection and list, then appends the NEV of every record of the
// table from its first to its last in the table's current order: not sorted, not de-duplicated.
void fillPicker(QComboBox& picker, data::Table& table);

// The fields of a sender or partner record that the windows copy into their address fields.
struct PartyRecord {
    QString name;       // NEV
    QString country;    // ORSZ
    QString postalCode; // IRSZ
    QString settlement; // TELEP
    QString street;     // CIM
};

// Leaving a picker: an empty text finds nothing; otherwise the first record (in the table's
// current order) whose NEV equals the picker's text exactly, case and accents significant, is
// located and made the table's current record, and its fields are returned. Without a match
// nothing is returned and the window is expected to leave its fields alone. Database errors
// are not caught.
std::optional<PartyRecord> leavePicker(const QComboBox& picker, data::Table& table);

// Postal-code lookup: locates the first Irsz record whose IRSZ equals the code field's text as
// it stands (an empty text included) and sets the settlement field to its TELEP. Returns
// whether a record was found; without one the settlement field keeps its text.
bool postalCodeLookup(const QWidget& codeField, QWidget& settlementField, data::Table& irsz);

// Settlement lookup: the same from TELEP to IRSZ.
bool settlementLookup(const QWidget& settlementField, QWidget& codeField, data::Table& irsz);

// Postal-code lookup by key search, for the record-editing windows: moves to the first Irsz
// record, makes "IRSZ" the current index (it stays so) and searches it for the code field's
// text. A database error on the way is shown as "Hiba történt !!!" captioned
// "Település állomány:" and counts as not found.
bool postalCodeKeySearch(const QWidget& codeField, QWidget& settlementField, data::Table& irsz);

// Makes Enter (Return or the keypad's Enter) in the field move the focus to the next control
// of its window that takes the focus by Tab, wrapping from the last to the first. The key is
// not consumed: the field still receives it, though it does not travel on from there to the
// window (where a dialog would take it as a click on its default button). Every other key is
// left alone.
void enterAdvances(QWidget& field);

// Moves the focus from the widget to the next control of its window in tab order, as Tab
// would, wrapping at the end. Returns the control that received the focus (nullptr if none).
QWidget* focusNextControl(QWidget& from);

// Runs handler whenever the control is left: it loses the focus to another control of the
// window. Opening its own drop-down list or the window losing activation (another window or a
// message box coming to the front) does not count as leaving. Errors thrown by the handler
// propagate to the standard error report. Installing several handlers runs them in order.
void onExit(QWidget& control, std::function<void()> handler);

} // namespace kartella::printing
