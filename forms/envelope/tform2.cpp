#include "forms/envelope/tform2.h"

#include "data/database.h"
#include "printing/fill.h"
#include "printing/layout_window.h"
#include "printing/pickers.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <utility>

namespace kartella {

namespace {

// Adds a party under the picker's name unless the table already holds one of that exact name
// (an existing record is never updated from the window); the new name joins the picker's list
// at once. A post that fails leaves the table browsing again, not stuck in its insert.
void storeIfNew(data::Table& table, QComboBox& picker, const QList<std::pair<QString, QString>>& fields) {
    const QString name = picker.currentText();
    if (table.locate(QStringLiteral("NEV"), name))
        return;
    table.insert();
    try {
        table.setFieldAsText(QStringLiteral("NEV"), name);
        for (const auto& [field, value] : fields)
            table.setFieldAsText(field, value);
        table.post();
    } catch (...) {
        table.cancel();
        throw;
    }
    picker.addItem(name);
}

} // namespace

const QList<TForm2::EnvelopeSize>& TForm2::envelopeSizes() {
    static const QList<EnvelopeSize> sizes{
        {QStringLiteral("C6 - 114*162"), QStringLiteral("TForm7"), 162.0, 114.0},
        {QStringLiteral("LA4 - 110*220"), QStringLiteral("TForm14"), 220.0, 110.0},
        {QStringLiteral("C6/C5 - 114*229"), QStringLiteral("TForm16"), 229.0, 114.0},
        {QStringLiteral("C5 - 162*229"), QStringLiteral("TForm17"), 229.0, 162.0},
        // A C4 envelope gets a page of its own size, with the blocks placed for it.
        {QStringLiteral("C4 - 229*324"), QStringLiteral("TForm18"), 324.0, 229.0},
        {QStringLiteral("B6 - 125*176"), QStringLiteral("TForm19"), 176.0, 125.0},
        {QStringLiteral("B5 - 176*250"), QStringLiteral("TForm20"), 250.0, 176.0},
    };
    return sizes;
}

TForm2::TForm2(data::Database& database, LayoutLookup layouts, QWidget* parent)
    : FormWindow("TForm2", QStringLiteral("Boríték nyomtatás:"), {663, 425}, Border::Minimizable, parent),
      m_db(database), m_layouts(std::move(layouts)) {
    BitBtn1 = build::button(this, "BitBtn1", QStringLiteral("Nyomtatás"), {8, 8, 100, 25});
    BitBtn4 = build::button(this, "BitBtn4", QStringLiteral("Befejezés"), {555, 8, 100, 25});
    build::label(this, "Label3", QStringLiteral("Méret:"), {224, 24});
    QStringList entries;
    for (const EnvelopeSize& size : envelopeSizes())
        entries << size.entry;
    ComboBox1 = build::comboBox(this, "ComboBox1", {264, 15, 145, 0}, entries);

    Panel1 = build::panel(this, "Panel1", {8, 45, 647, 369});
    auto* Image1 = new QSvgWidget(QStringLiteral(":/forms/envelope/stamp.svg"), Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(512, 16, 105, 137);

    build::label(Panel1, "Label1", QStringLiteral("Feladó:"), {16, 16});
    ComboBox2 = build::comboBox(Panel1, "ComboBox2", {24, 43, 241, 0});
    Edit2 = build::edit(Panel1, "Edit2", {24, 72, 241, 0});
    Edit3 = build::edit(Panel1, "Edit3", {24, 101, 241, 0});
    Edit4 = build::edit(Panel1, "Edit4", {24, 130, 121, 0});

    build::label(Panel1, "Label2", QStringLiteral("Címzett:"), {360, 208});
    ComboBox3 = build::comboBox(Panel1, "ComboBox3", {368, 240, 241, 0});
    Edit6 = build::edit(Panel1, "Edit6", {368, 269, 241, 0});
    Edit7 = build::edit(Panel1, "Edit7", {368, 298, 241, 0});
    Edit8 = build::edit(Panel1, "Edit8", {368, 327, 121, 0});

    // The panel's controls take their turn where the panel stands in the window's order.
    build::tabOrder(
        {BitBtn4, BitBtn1, Edit2, Edit3, Edit4, Edit6, Edit7, Edit8, ComboBox2, ComboBox3, ComboBox1});

    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm2::BitBtn4Click);
    printing::onExit(*ComboBox2, [this] { ComboBox2Exit(); });
    printing::onExit(*ComboBox3, [this] { ComboBox3Exit(); });
    printing::onExit(*Edit2, [this] { Edit2Exit(); });
    printing::onExit(*Edit4, [this] { Edit4Exit(); });
    printing::onExit(*Edit6, [this] { Edit6Exit(); });
    printing::onExit(*Edit8, [this] { Edit8Exit(); });
}

void TForm2::FormShow() {
    ComboBox2->clearEditText();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    Edit6->clear();
    ComboBox3->clearEditText();
    Edit7->clear();
    Edit8->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    printing::fillPicker(*ComboBox3, m_db.tbl_Partner);
    printing::fillPicker(*ComboBox2, m_db.tbl_Felado);
}

void TForm2::BitBtn1Click() {
    const QString typed = ComboBox1->currentText();
    const EnvelopeSize* size = nullptr;
    for (const EnvelopeSize& candidate : envelopeSizes()) {
        if (candidate.entry == typed) {
            size = &candidate;
            break;
        }
    }
    if (!size) {
        dialogs().information(QStringLiteral("Nincs megadva vagy hibás a méret adat !!!"));
        return;
    }

    printing::LayoutWindow& layout = m_layouts(size->layout);
    printing::copyControls(*this, layout,
                           {{"ComboBox3", "QRLabel5"},
                            {"Edit6", "QRLabel6"},
                            {"Edit7", "QRLabel7"},
                            {"Edit8", "QRLabel8"},
                            {"ComboBox2", "QRLabel1"},
                            {"Edit2", "QRLabel2"},
                            {"Edit3", "QRLabel3"},
                            {"Edit4", "QRLabel4"}});
    layout.setPageLength(size->length);
    layout.setPageWidth(size->width);
    layout.preview();

    if (dialogs().ask(QStringLiteral("Tároljuk a megadott adatokat ?"), QStringLiteral("Figyelem:")))
        storeParties();
}

void TForm2::storeParties() {
    storeIfNew(m_db.tbl_Felado, *ComboBox2,
               {{QStringLiteral("ORSZ"), QString()},
                {QStringLiteral("TELEP"), Edit2->text()},
                {QStringLiteral("CIM"), Edit3->text()},
                {QStringLiteral("IRSZ"), Edit4->text()}});
    storeIfNew(m_db.tbl_Partner, *ComboBox3,
               {{QStringLiteral("ORSZ"), QString()},
                {QStringLiteral("TELEP"), Edit6->text()},
                {QStringLiteral("CIM"), Edit7->text()},
                {QStringLiteral("IRSZ"), Edit8->text()},
                {QStringLiteral("TIP"), QString()}});
}

void TForm2::BitBtn4Click() {
    close();
}

void TForm2::ComboBox2Exit() {
    if (const auto sender = printing::leavePicker(*ComboBox2, m_db.tbl_Felado)) {
        Edit2->setText(sender->settlement);
        Edit3->setText(sender->street);
        Edit4->setText(sender->postalCode);
    }
}

void TForm2::ComboBox3Exit() {
    if (const auto addressee = printing::leavePicker(*ComboBox3, m_db.tbl_Partner)) {
        Edit6->setText(addressee->settlement);
        Edit7->setText(addressee->street);
        Edit8->setText(addressee->postalCode);
    }
}

void TForm2::Edit2Exit() {
    printing::settlementLookup(*Edit2, *Edit4, m_db.tbl_Irsz);
}
void TForm2::Edit4Exit() {
    printing::postalCodeLookup(*Edit4, *Edit2, m_db.tbl_Irsz);
}
void TForm2::Edit6Exit() {
    printing::settlementLookup(*Edit6, *Edit8, m_db.tbl_Irsz);
}
void TForm2::Edit8Exit() {
    printing::postalCodeLookup(*Edit8, *Edit6, m_db.tbl_Irsz);
}

} // namespace kartella
