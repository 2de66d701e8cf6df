#pragma once
// The domestic return receipt's entry window: the blank card's picture with the item's, the
// addressee's and the return address's entries laid over its boxes; printing copies them into
// the layout TForm24.

#include "ui/form_window.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLineEdit;
class QPushButton;
class QSvgWidget;

namespace kartella::data {
struct Database;
}
namespace kartella::printing {
class LayoutWindow;
}

namespace kartella {

class TForm23 : public FormWindow {
    Q_OBJECT
public:
    // The layout window is looked up when the window first prints: the program creates it later.
    using LayoutSource = std::function<printing::LayoutWindow&()>;
    TForm23(data::Database& database, LayoutSource layout, QWidget* parent = nullptr);

    void FormShow() override;
    void ComboBox1Exit(); // the addressee picker was left
    void ComboBox3Exit(); // the sender picker (ComboBox2) was left
    void BitBtn1Click();  // print
    void BitBtn4Click();  // close

private:
    data::Database& m_db;
    LayoutSource m_layout;

    QPushButton* BitBtn1;
    QPushButton* BitBtn4;
    QFrame* Panel1;
    QSvgWidget* Image1;
    QLineEdit* Edit1;
    QLineEdit* Edit8;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox10;
    QComboBox* ComboBox1;
    QLineEdit* Edit2;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QDateEdit* DatePicker1;
    QLineEdit* Edit5;
    QLineEdit* Edit7;
    QComboBox* ComboBox2;
    QLineEdit* Edit4;
};

} // namespace kartella
