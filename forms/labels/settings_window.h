#pragma once
// The label sheet settings windows: the geometry of an A4 sheet of address labels (page
// orientation, margins, columns, row height) applied to the sheet's layout, then the preview.
// TForm15 prints the sender sheet TForm29, TForm32 the partner sheet TForm33.

#include "ui/form_window.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kartella::printing {
class LayoutWindow;
}

namespace kartella {

class LabelSettingsWindow : public FormWindow {
    Q_OBJECT
public:
    // Reaches the sheet's layout window when a print needs it.
    using LayoutLookup = std::function<printing::LayoutWindow&()>;

    // Empties the seven fields.
    void FormShow() override;
    // Applies every field that holds a value to the layout, then prepares and previews it.
    // A value that is not a whole number throws std::runtime_error ("'%s' is not a valid
    // integer value") at its field: the fields before it stay applied and no preview opens.
    void Button1Click();

protected:
    LabelSettingsWindow(const char* name, LayoutLookup layout, QWidget* parent);

private:
    LayoutLookup m_layout;

    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QPushButton* Button1;
};

// Settings of the sender sheet TForm29.
class TForm15 : public LabelSettingsWindow {
    Q_OBJECT
public:
    explicit TForm15(LayoutLookup layout, QWidget* parent = nullptr);
};

// Settings of the partner sheet TForm33.
class TForm32 : public LabelSettingsWindow {
    Q_OBJECT
public:
    explicit TForm32(LayoutLookup layout, QWidget* parent = nullptr);
};

} // namespace kartella
