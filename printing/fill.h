#pragma once
// Copying an entry window's controls into its layout's elements one to one: a line edit's or
// a drop-down list's text into a label, a check box's state into a layout check box, a date
// picker's date (in the short date format of the regional settings) into a label.

#include <QString>
#include <initializer_list>

class QDate;
class QWidget;

namespace kartella::printing {

class LayoutWindow;

struct ElementCopy {
    const char* control; // objectName of a control of the entry window
    const char* element; // name of the layout element it fills
};

// Throws std::logic_error when a control is missing or of a kind that cannot be copied.
void copyControls(const QWidget& window, LayoutWindow& layout, std::initializer_list<ElementCopy> copies);

// The text of a date as every printed date shows it.
QString shortDate(const QDate& date);

} // namespace kartella::printing
