#include "reference/reference_windows.h"

#include "data/database.h"
#include "ui/dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kartella {

ReferenceTableWindow::ReferenceTableWindow(data::Table& table, Settings settings, QWidget* parent)
    : FormWindow(settings.windowName, settings.caption, {513, 504}, Border::Minimizable, parent),
      m_table(table), m_settings(std::move(settings)) {
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    const QColor navy(0, 0, 128);

    QFrame* top = build::panel(this, "Panel1", {0, 0, 513, 45});
    top->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* DBNavigator1 = new DBNavigator(m_table, top);
    DBNavigator1->setObjectName("DBNavigator1");
    DBNavigator1->setGeometry(m_settings.navigatorLeft, 10, 240, 25);
    if (m_settings.windowName == QLatin1String("TForm9")) {
        QFrame* separator = build::panel(top, "Panel4", {330, 6, 3, 33});
        separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    }
    QPushButton* BitBtn1 =
        build::button(top, "BitBtn1", QStringLiteral("Befejezés"), {403, m_settings.closeTop, 100, 25});
    connect(BitBtn1, &QPushButton::clicked, this, &ReferenceTableWindow::BitBtn1Click);

    QFrame* body = build::panel(this, "Panel2", {0, 45, 513, 459});
    QLabel* Label3 = build::label(body, "Label3", m_settings.searchCaption, {16, 16});
    QPalette labelPalette = Label3->palette();
    labelPalette.setColor(QPalette::WindowText, navy);
    Label3->setPalette(labelPalette);
    Edit1 = build::edit(body, "Edit1", {16, 32, 481, 0}, m_settings.searchLength);
    QPalette entry = Edit1->palette();
    entry.setColor(QPalette::Text, Qt::blue);
    Edit1->setPalette(entry);
    connect(Edit1, &QLineEdit::textChanged, this, &ReferenceTableWindow::Edit1Change);

    DBGrid1 = new DBGrid(m_table, m_settings.columns, DBGrid::Editing::InPlace, body);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setGeometry(m_settings.gridLeft, 72, 497 - (m_settings.gridLeft - 6), 384);
    build::tabOrder({Edit1, DBGrid1, BitBtn1});
}

void ReferenceTableWindow::FormShow() {
    Edit1->clear(); // a text left from the last showing changes: the search runs with ""
    m_table.setIndex(m_settings.indexName);
    Edit1->setFocus(); // the user comes here to search
}

void ReferenceTableWindow::Edit1Change() {
    try {
        m_table.setIndex(m_settings.indexName);
        m_table.findNearest(Edit1->text());
    } catch (const data::DatabaseError&) {
        dialogs().notice(QStringLiteral("Hiba történt !!!"), m_settings.errorCaption);
    }
}

namespace {
constexpr Qt::Alignment centred = Qt::AlignCenter;
}

TForm8::TForm8(data::Database& database, QWidget* parent)
    : ReferenceTableWindow(
          database.tbl_Orsz,
          {"TForm8",
           QStringLiteral("Ország adatok karbantartása:"),
           QStringLiteral("Keresendő ország"),
           QStringLiteral("Ország keresés:"),
           QStringLiteral("MEGNEV"),
           31,
           6,
           10,
           6,
           {{"JEL", "Orsz. jel", 65, centred}, {"MEGNEV", "Ország", 330}, {"KOD", "Orsz. kód", 65, centred}}},
          parent) {}

TForm9::TForm9(data::Database& database, QWidget* parent)
    : ReferenceTableWindow(
          database.tbl_Irsz,
          {"TForm9",
           QStringLiteral("Település adatok karbantartása:"),
           QStringLiteral("Keresendő település"),
           QStringLiteral("Település keresés:"),
           QStringLiteral("TELEP"),
           38,
           16,
           8,
           16,
           {{"IRSZ", "Ir. sz.", 50, centred}, {"TELEP", "Település", 360}, {"TELK", "Tel. k.", 50, centred}}},
          parent) {}

} // namespace kartella
