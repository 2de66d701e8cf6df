#pragma once
// The posting receipt's entry window: the blank card's picture with the sender's, the addressee's
// and the item's entries laid over its boxes; printing copies them into the layout TForm22.

#include "ui/form_window.h"

#include <functional>

class QCheckBox;
class QComboBox;
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

class TForm21 : public FormWindow {
    Q_OBJECT
public:
    // The layout window is looked up when the window first prints: the program creates it later.
    using LayoutSource = std::function<printing::LayoutWindow&()>;
    TForm21(data::Database& database, LayoutSource layout, QWidget* parent = nullptr);

    void FormShow() override;
    void ComboBox1Exit(); // the sender picker was left
    void ComboBox3Exit(); // the addressee picker (ComboBox2) was left
    void BitBtn1Click();  // print
    void BitBtn4Click();  // close

private:
    data::Database& m_db;
    LayoutSource m_layout;

    QPushButton* BitBtn1;
    QPushButton* BitBtn4;
    QFrame* Panel1;
    QSvgWidget* Image1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QLineEdit* Edit2;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QCheckBox* CheckBox[10]; // CheckBox1 .. CheckBox10
};

} // namespace kartella
