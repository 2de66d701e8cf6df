#include "forms/labels/settings_window.h"

#include "printing/amount_words.h"
#include "printing/layout_window.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace kartella {

namespace {

const QString portrait = QStringLiteral("A4 - Álló");
const QString landscape = QStringLiteral("A4 - Fekvő");
// The band that makes one row of labels.
const QString labelRow = QStringLiteral("QRBand1");

// The field's text without surrounding blanks and control characters.
QString value(const QLineEdit* field) {
    return printing::trimBlanksAndControls(field->text());
}

} // namespace

LabelSettingsWindow::LabelSettingsWindow(const char* name, LayoutLookup layout, QWidget* parent)
    : FormWindow(name, QStringLiteral(" Etikett adatok:"), {260, 277}, Border::Minimizable, parent),
      m_layout(std::move(layout)) {
    ComboBox1 = build::comboBox(this, "ComboBox1", {107, 8, 145, 0}, {portrait, landscape});
    Edit3 = build::edit(this, "Edit3", {107, 37, 145, 0});
    Edit4 = build::edit(this, "Edit4", {107, 66, 145, 0});
    Edit1 = build::edit(this, "Edit1", {107, 95, 145, 0});
    Edit2 = build::edit(this, "Edit2", {109, 124, 145, 0});
    Edit5 = build::edit(this, "Edit5", {107, 153, 145, 0});
    Edit6 = build::edit(this, "Edit6", {107, 182, 145, 0});
    build::label(this, "Label1", QStringLiteral("Lapméret:"), {8, 12});
    build::label(this, "Label2", QStringLiteral("Bal margo:"), {8, 41});
    build::label(this, "Label3", QStringLiteral("Jobb margo:"), {8, 70});
    build::label(this, "Label4", QStringLiteral("Oszlopok száma:"), {8, 99});
    build::label(this, "Label5", QStringLiteral("Sorok magassága:"), {8, 128});
    build::label(this, "Label6", QStringLiteral("Felső margó:"), {8, 157});
    build::label(this, "Label7", QStringLiteral("Alsó margó:"), {8, 186});
    Button1 = build::button(this, "Button1", QStringLiteral("Nyomtat"), {8, 236, 239, 25});
    build::tabOrder({ComboBox1, Edit1, Edit2, Button1, Edit3, Edit4, Edit5, Edit6});

    connect(Button1, &QPushButton::clicked, this, &LabelSettingsWindow::Button1Click);
}

void LabelSettingsWindow::FormShow() {
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        field->clear();
}

void LabelSettingsWindow::Button1Click() {
    printing::LayoutWindow& layout = m_layout();

    const QString page = printing::trimBlanksAndControls(ComboBox1->currentText());
    if (page == portrait)
        layout.setPaperA4(printing::Orientation::Portrait);
    else if (page == landscape)
        layout.setPaperA4(printing::Orientation::Landscape);
    else
        dialogs().information(QStringLiteral("Hibás a lapméret adat !"));

    // An empty field keeps the layout's last setting; some say so, the vertical margins do not.
    const auto apply = [](const QLineEdit* field, const QString& complaint, auto set) {
        const QString text = value(field);
        if (text.isEmpty()) {
            if (!complaint.isEmpty())
                dialogs().information(complaint);
            return;
        }
        set(printing::textToInt32(text));
    };
    apply(Edit3, QStringLiteral("Hibás a bal margo adat"),
          [&](int mm) { layout.setMargin(printing::Side::Left, mm); });
    apply(Edit4, QStringLiteral("Hibás a jobb margo adat !"),
          [&](int mm) { layout.setMargin(printing::Side::Right, mm); });
    apply(Edit5, QString(), [&](int mm) { layout.setMargin(printing::Side::Top, mm); });
    apply(Edit6, QString(), [&](int mm) { layout.setMargin(printing::Side::Bottom, mm); });
    // The layout ignores a number of columns of 0 or less.
    apply(Edit1, QStringLiteral("Hibás az oszlopok száma adat !"),
          [&](int columns) { layout.setColumns(columns); });
    apply(Edit2, QStringLiteral("Hibás a sorok magassága adat !"),
          [&](int mm) { layout.setBandHeight(labelRow, mm); });

    layout.preview();
}

TForm15::TForm15(LayoutLookup layout, QWidget* parent)
    : LabelSettingsWindow("TForm15", std::move(layout), parent) {}

TForm32::TForm32(LayoutLookup layout, QWidget* parent)
    : LabelSettingsWindow("TForm32", std::move(layout), parent) {}

} // namespace kartella
