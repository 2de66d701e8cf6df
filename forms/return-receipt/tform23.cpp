#include "forms/return-receipt/tform23.h"

#include "data/database.h"
#include "printing/fill.h"
#include "printing/layout_window.h"
#include "printing/pickers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

namespace kartella {

TForm23::TForm23(data::Database& database, LayoutSource layout, QWidget* parent)
    : FormWindow("TForm23", QStringLiteral("Tértivevény nyomtatás:"), {663, 450}, Border::Minimizable,
                 parent),
      m_db(database), m_layout(std::move(layout)) {
    // A sizeable border: the window opens at its design size and may be resized; the card and
    // its controls keep their places.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    resize(663, 450);

    using namespace build;
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("Nyomtatás"), {8, 8, 100, 25});
    BitBtn4 = button(this, "BitBtn4", QStringLiteral("Befejezés"), {555, 8, 100, 25});
    Panel1 = panel(this, "Panel1", {8, 48, 647, 393});

    // The picture of the blank card lies under the controls, which sit over its boxes.
    Image1 = new QSvgWidget(QStringLiteral(":/pictures/return-receipt/card.svg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 641, 385);

    Edit1 = edit(Panel1, "Edit1", {56, 33, 313, 0});
    Edit8 = edit(Panel1, "Edit8", {385, 45, 206, 0});
    CheckBox3 = checkBox(Panel1, "CheckBox3", {501, 64});
    CheckBox6 = checkBox(Panel1, "CheckBox6", {536, 64});
    CheckBox10 = checkBox(Panel1, "CheckBox10", {574, 64});
    ComboBox1 = comboBox(Panel1, "ComboBox1", {169, 91, 200, 0});
    Edit2 = edit(Panel1, "Edit2", {169, 115, 200, 0});
    CheckBox7 = checkBox(Panel1, "CheckBox7", {433, 110});
    CheckBox8 = checkBox(Panel1, "CheckBox8", {501, 112});
    CheckBox9 = checkBox(Panel1, "CheckBox9", {574, 110});
    DatePicker1 = datePicker(Panel1, "DatePicker1", {50, 156, 130, 29});
    DatePicker1->setFont(QFont(QStringLiteral("Segoe UI"), 12));
    // The picker shows its own format; the card prints the short date of the regional settings.
    DatePicker1->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    Edit5 = edit(Panel1, "Edit5", {216, 165, 153, 0});
    Edit7 = edit(Panel1, "Edit7", {388, 139, 203, 0});
    ComboBox2 = comboBox(Panel1, "ComboBox2", {216, 216, 362, 0});
    Edit4 = edit(Panel1, "Edit4", {216, 261, 362, 0});

    // The card read from top to bottom, left to right.
    tabOrder({BitBtn4, BitBtn1, Edit1, Edit8, CheckBox3, CheckBox6, CheckBox10, ComboBox1, Edit2, CheckBox7,
              CheckBox8, CheckBox9, Edit7, DatePicker1, Edit5, ComboBox2, Edit4});

    printing::onExit(*ComboBox1, [this] { ComboBox1Exit(); });
    printing::onExit(*ComboBox2, [this] { ComboBox3Exit(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TForm23::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm23::BitBtn4Click);
}

void TForm23::FormShow() {
    for (QComboBox* picker : {ComboBox1, ComboBox2})
        picker->clearEditText();
    for (QLineEdit* field : {Edit1, Edit2, Edit4, Edit5, Edit7, Edit8})
        field->clear();
    DatePicker1->setDate(QDate::currentDate());
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    for (QCheckBox* box : {CheckBox3, CheckBox6, CheckBox10, CheckBox7, CheckBox8, CheckBox9})
        box->setChecked(false);
    printing::fillPicker(*ComboBox1, m_db.tbl_Partner);
    printing::fillPicker(*ComboBox2, m_db.tbl_Felado);
}

void TForm23::ComboBox1Exit() {
    // The addressee's address: a blank after the postal code, a comma and no blank before the street.
    if (const auto addressee = printing::leavePicker(*ComboBox1, m_db.tbl_Partner))
        Edit2->setText(addressee->postalCode + ' ' + addressee->settlement + ',' + addressee->street);
}

void TForm23::ComboBox3Exit() {
    // The return address: single blanks only.
    if (const auto sender = printing::leavePicker(*ComboBox2, m_db.tbl_Felado))
        Edit4->setText(sender->postalCode + ' ' + sender->settlement + ' ' + sender->street);
}

void TForm23::BitBtn1Click() {
    // Every element is written on every print, so nothing of an earlier card reaches this one.
    printing::LayoutWindow& layout = m_layout();
    printing::copyControls(*this, layout,
                           {
                               {"Edit1", "QRLabel10"},
                               {"ComboBox1", "QRLabel1"},
                               {"Edit2", "QRLabel2"},
                               {"DatePicker1", "QRLabel11"},
                               {"Edit5", "QRLabel4"},
                               {"Edit8", "QRLabel3"},
                               {"Edit7", "QRLabel5"},
                               {"ComboBox2", "QRLabel8"},
                               {"Edit4", "QRLabel7"},
                               {"CheckBox3", "QRPCheckBox1"},
                               {"CheckBox6", "QRPCheckBox2"},
                               {"CheckBox10", "QRPCheckBox4"},
                               {"CheckBox7", "QRPCheckBox7"},
                               {"CheckBox8", "QRPCheckBox8"},
                               {"CheckBox9", "QRPCheckBox10"},
                           });
    layout.preview();
}

void TForm23::BitBtn4Click() {
    close();
}

} // namespace kartella
