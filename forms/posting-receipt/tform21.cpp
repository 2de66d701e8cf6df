#include "forms/posting-receipt/tform21.h"

#include "data/database.h"
#include "printing/fill.h"
#include "printing/layout_window.h"
#include "printing/pickers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

namespace kartella {

namespace {

struct BoxAt {
    const char* name;
    QPoint at; // within the panel
};

// The service boxes, then the item-type row (SK, PRI, PL, Ért).
constexpr BoxAt checkBoxes[10]{
    {"CheckBox1", {154, 141}},  {"CheckBox2", {284, 141}}, {"CheckBox3", {434, 141}},
    {"CheckBox4", {154, 157}},  {"CheckBox5", {284, 157}}, {"CheckBox6", {434, 157}},
    {"CheckBox7", {463, 105}},  {"CheckBox8", {486, 105}}, {"CheckBox9", {510, 105}},
    {"CheckBox10", {534, 105}},
};

} // namespace

TForm21::TForm21(data::Database& database, LayoutSource layout, QWidget* parent)
    : FormWindow("TForm21", QStringLiteral("Feladóény nyomtatás:"), {663, 450}, Border::Minimizable, parent),
      m_db(database), m_layout(std::move(layout)) {
    using namespace build;
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("Nyomtatás"), {8, 8, 100, 25});
    BitBtn4 = button(this, "BitBtn4", QStringLiteral("Befejezés"), {555, 8, 100, 25});
    Panel1 = panel(this, "Panel1", {8, 48, 647, 393});

    // The picture of the blank card lies under the controls, which sit over its boxes.
    Image1 = new QSvgWidget(QStringLiteral(":/pictures/posting-receipt/card.svg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 633, 377);

    ComboBox1 = comboBox(Panel1, "ComboBox1", {152, 91, 297, 0});
    Edit2 = edit(Panel1, "Edit2", {104, 112, 345, 0});
    for (int i = 0; i < 10; ++i)
        CheckBox[i] = checkBox(Panel1, checkBoxes[i].name, checkBoxes[i].at);
    ComboBox2 = comboBox(Panel1, "ComboBox2", {152, 180, 297, 0});
    Edit4 = edit(Panel1, "Edit4", {152, 204, 297, 0});
    Edit8 = edit(Panel1, "Edit8", {463, 150, 121, 0});
    Edit7 = edit(Panel1, "Edit7", {463, 204, 121, 0});
    Edit5 = edit(Panel1, "Edit5", {64, 245, 177, 0});
    Edit6 = edit(Panel1, "Edit6", {272, 245, 169, 0});
    Edit9 = edit(Panel1, "Edit9", {64, 301, 177, 0});

    tabOrder({BitBtn4,     BitBtn1,     Edit2,       CheckBox[0], CheckBox[1], CheckBox[2], CheckBox[3],
              CheckBox[4], CheckBox[5], Edit4,       Edit5,       Edit6,       Edit7,       Edit8,
              CheckBox[6], CheckBox[7], CheckBox[8], CheckBox[9], Edit9,       ComboBox1,   ComboBox2});

    printing::onExit(*ComboBox1, [this] { ComboBox1Exit(); });
    printing::onExit(*ComboBox2, [this] { ComboBox3Exit(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TForm21::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm21::BitBtn4Click);
}

void TForm21::FormShow() {
    for (QComboBox* picker : {ComboBox1, ComboBox2})
        picker->clearEditText();
    for (QLineEdit* field : {Edit2, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9})
        field->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    ComboBox2->clear();
    for (QCheckBox* box : CheckBox)
        box->setChecked(false);
    printing::fillPicker(*ComboBox2, m_db.tbl_Partner);
    printing::fillPicker(*ComboBox1, m_db.tbl_Felado);
}

void TForm21::ComboBox1Exit() {
    // The sender's address: a blank after the postal code, a comma and no blank before the street.
    if (const auto sender = printing::leavePicker(*ComboBox1, m_db.tbl_Felado))
        Edit2->setText(sender->postalCode + ' ' + sender->settlement + ',' + sender->street);
}

void TForm21::ComboBox3Exit() {
    // The addressee's address: single blanks only.
    if (const auto addressee = printing::leavePicker(*ComboBox2, m_db.tbl_Partner))
        Edit4->setText(addressee->postalCode + ' ' + addressee->settlement + ' ' + addressee->street);
}

void TForm21::BitBtn1Click() {
    // Every element is written on every print, so nothing of an earlier card reaches this one.
    printing::LayoutWindow& layout = m_layout();
    printing::copyControls(
        *this, layout,
        {
            {"ComboBox1", "QRLabel1"},       {"Edit2", "QRLabel2"},         {"ComboBox2", "QRLabel3"},
            {"Edit4", "QRLabel4"},           {"Edit8", "QRLabel5"},         {"Edit7", "QRLabel9"},
            {"Edit5", "QRLabel6"},           {"Edit9", "QRLabel7"},         {"Edit6", "QRLabel8"},
            {"CheckBox1", "QRPCheckBox1"},   {"CheckBox2", "QRPCheckBox2"}, {"CheckBox3", "QRPCheckBox3"},
            {"CheckBox4", "QRPCheckBox4"},   {"CheckBox5", "QRPCheckBox5"}, {"CheckBox6", "QRPCheckBox6"},
            {"CheckBox7", "QRPCheckBox7"},   {"CheckBox8", "QRPCheckBox8"}, {"CheckBox9", "QRPCheckBox9"},
            {"CheckBox10", "QRPCheckBox10"},
        });
    layout.preview();
}

void TForm21::BitBtn4Click() {
    close();
}

} // namespace kartella
