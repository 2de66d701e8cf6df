#include "reference/address_windows.h"

#include "data/database.h"
#include "printing/pickers.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kartella {

namespace {

const QString attention = QStringLiteral("Figyelem:");

data::Table& tableOf(data::Database& db, AddressBook book) {
    return book == AddressBook::Partners ? db.tbl_Partner : db.tbl_Felado;
}

void setEntryColour(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, Qt::blue);
    w->setPalette(p);
}

} // namespace

// ---- List window ------------------------------------------------------------------------

AddressListWindow::AddressListWindow(data::Database& database, AddressBook book, WindowLookup windows,
                                     QWidget* parent)
    : FormWindow(book == AddressBook::Partners ? "TForm10" : "TForm3",
                 book == AddressBook::Partners ? QStringLiteral("Partner adatok karbantartása:")
                                               : QStringLiteral("Feladó adatok karbantartása:"),
                 {663, 491}, Border::Minimizable, parent),
      m_table(tableOf(database, book)), m_book(book), m_windows(std::move(windows)) {
    // The list window may be resized; the grid follows its size.
    setMinimumSize(300, 200);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    resize(663, 491);

    auto* BitBtn1 = build::button(this, "BitBtn1", QStringLiteral("Felvétel"), {8, 8, 100, 25});
    auto* BitBtn2 = build::button(this, "BitBtn2", QStringLiteral("Módosítás"), {114, 8, 100, 25});
    auto* BitBtn3 = build::button(this, "BitBtn3", QStringLiteral("Törlés"), {220, 8, 100, 25});
    auto* BitBtn4 = build::button(this, "BitBtn4", QStringLiteral("Befejezés"), {555, 8, 100, 25});
    connect(BitBtn1, &QPushButton::clicked, this, &AddressListWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &AddressListWindow::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &AddressListWindow::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &AddressListWindow::BitBtn4Click);

    QList<GridColumn> columns{{"NEV", "Név", 370}};
    if (book == AddressBook::Partners)
        columns << GridColumn{"TIP", "Típus", 64} << GridColumn{"ORSZ", "Ország", 200};
    columns << GridColumn{"IRSZ", "Ir. szám", 55} << GridColumn{"TELEP", "Település", 200}
            << GridColumn{"CIM", "Cím", 385};
    DBGrid1 = new DBGrid(m_table, columns, DBGrid::Editing::ReadOnly, this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setGeometry(8, 39, 647, 444);
}

void AddressListWindow::resizeEvent(QResizeEvent* event) {
    FormWindow::resizeEvent(event);
    DBGrid1->setGeometry(8, 39, width() - 16, height() - 47);
}

void AddressListWindow::showEditWindow(const QString& name) {
    if (QWidget* window = m_windows(name))
        dialogs().showModal(*window);
}

void AddressListWindow::BitBtn1Click() {
    showEditWindow(m_book == AddressBook::Partners ? "TForm11" : "TForm4");
}

void AddressListWindow::BitBtn2Click() {
    if (m_table.recordCount() <= 0) {
        dialogs().notice(QStringLiteral("Nincs szerkeszthető adatrekord !"), attention);
        return;
    }
    showEditWindow(m_book == AddressBook::Partners ? "TForm12" : "TForm5");
}

void AddressListWindow::BitBtn3Click() {
    if (m_table.recordCount() <= 0) {
        dialogs().notice(QStringLiteral("Nincs törölhető adatrekord !"), attention);
        return;
    }
    showEditWindow(m_book == AddressBook::Partners ? "TForm13" : "TForm6");
}

// ---- Edit windows -----------------------------------------------------------------------

namespace {

const char* editWindowName(AddressBook book, AddressEditWindow::Role role) {
    static const char* names[2][3] = {{"TForm11", "TForm12", "TForm13"}, {"TForm4", "TForm5", "TForm6"}};
    return names[book == AddressBook::Partners ? 0 : 1][int(role)];
}

QString editCaption(AddressBook book, AddressEditWindow::Role role) {
    const QString who = book == AddressBook::Partners ? QStringLiteral("Partner") : QStringLiteral("Feladó");
    switch (role) {
    case AddressEditWindow::Role::Add:
        return who + QStringLiteral(" adatok felvétele:");
    case AddressEditWindow::Role::Modify:
        return who + QStringLiteral(" adatok módosítása:");
    case AddressEditWindow::Role::Delete:
        break;
    }
    return who + QStringLiteral(" adatok törlése:");
}

QComboBox* limitedCombo(QWidget* parent, const char* name, QRect box, int maxLength,
                        const QStringList& items = {}) {
    QComboBox* combo = build::comboBox(parent, name, box, items);
    combo->lineEdit()->setMaxLength(maxLength);
    setEntryColour(combo);
    return combo;
}

} // namespace

AddressEditWindow::AddressEditWindow(data::Database& database, AddressBook book, Role role, QWidget* parent)
    : FormWindow(editWindowName(book, role), editCaption(book, role), {426, 283}, Border::Minimizable,
                 parent),
      m_db(database), m_table(tableOf(database, book)), m_book(book), m_role(role) {
    const bool partners = book == AddressBook::Partners;
    const bool deleting = role == Role::Delete;
    const char* action = role == Role::Add ? "Tárol" : role == Role::Modify ? "Módosít" : "Tölés";
    auto* BitBtn1 = build::button(this, "BitBtn1", QString::fromUtf8(action), {8, 8, 89, 25});
    QPushButton* BitBtn2 = nullptr;
    if (!deleting)
        BitBtn2 = build::button(this, "BitBtn2", QStringLiteral("Elvet"), {103, 8, 90, 25});
    auto* BitBtn4 = build::button(this, "BitBtn4", QStringLiteral("Befejezés"), {317, 8, 100, 25});
    QFrame* Panel1 = build::panel(this, "Panel1", {9, 39, 408, 3});
    Panel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    build::label(this, "Label1", QStringLiteral("Név"), {8, 62});
    Edit1 = build::edit(this, "Edit1", {8, 80, partners ? 312 : 410, 0}, 25);
    QPalette info = Edit1->palette();
    info.setColor(QPalette::Base, info.color(QPalette::ToolTipBase));
    Edit1->setPalette(info);
    setEntryColour(Edit1);
    if (partners) {
        build::label(this, "Label2", QStringLiteral("Típus"), {326, 62});
        const QStringList types =
            deleting ? QStringList{"Vevő", "Szállító", "Egyéb"}
                     : QStringList{"Vevő", "Szállító", "Megrendelő", "Érdeklődő", "Egyéb ügyfél", "Egyéb"};
        ComboBox1 = limitedCombo(this, "ComboBox1", {326, 80, 91, 0}, 15, types);
    }
    build::label(this, "Label3", QStringLiteral("Ország"), {8, 118});
    ComboBox2 = limitedCombo(this, "ComboBox2", {8, 136, 312, 0}, 25);
    build::label(this, "Label4", QStringLiteral("Irányító szám"), {326, 118});
    ComboBox3 = limitedCombo(this, "ComboBox3", {326, 136, 91, 0}, 6);
    build::label(this, "Label5", QStringLiteral("Település"), {8, 174});
    Edit2 = build::edit(this, "Edit2", {8, 192, 409, 0}, 25);
    setEntryColour(Edit2);
    build::label(this, "Label6", QStringLiteral("Cím"), {8, 230});
    Edit3 = build::edit(this, "Edit3", {8, 248, 409, 0}, 40);
    setEntryColour(Edit3);
    if (deleting)
        for (QLineEdit* e : {Edit1, Edit2, Edit3})
            e->setReadOnly(true);

    QList<QWidget*> order{BitBtn4, BitBtn1};
    if (BitBtn2)
        order << BitBtn2;
    order << Edit1;
    if (ComboBox1)
        order << ComboBox1;
    order << ComboBox2 << ComboBox3 << Edit2 << Edit3;
    build::tabOrder(order);
    for (QWidget* field : order.mid(order.indexOf(Edit1)))
        printing::enterAdvances(*field);

    connect(BitBtn1, &QPushButton::clicked, this, &AddressEditWindow::BitBtn1Click);
    if (BitBtn2)
        connect(BitBtn2, &QPushButton::clicked, this, &AddressEditWindow::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &AddressEditWindow::BitBtn4Click);
    if (!deleting)
        printing::onExit(*ComboBox3, [this] { ComboBox3Exit(); });
}

void AddressEditWindow::clearFields() {
    for (QComboBox* combo : {ComboBox1, ComboBox2, ComboBox3}) {
        if (!combo)
            continue;
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
    for (QLineEdit* e : {Edit1, Edit2, Edit3})
        e->clear();
}

void AddressEditWindow::loadCurrent() {
    Edit1->setText(m_table.fieldAsText("NEV"));
    ComboBox2->setEditText(m_table.fieldAsText("ORSZ"));
    Edit2->setText(m_table.fieldAsText("TELEP"));
    Edit3->setText(m_table.fieldAsText("CIM"));
    ComboBox3->setEditText(m_table.fieldAsText("IRSZ"));
    if (ComboBox1)
        ComboBox1->setEditText(m_table.fieldAsText("TIP"));
}

void AddressEditWindow::FormShow() {
    clearFields();
    if (ComboBox2->count() == 0) {
        QStringList countries;
        int longest = 25;
        for (m_db.tbl_Orsz.first(); !m_db.tbl_Orsz.eof(); m_db.tbl_Orsz.next()) {
            countries << m_db.tbl_Orsz.fieldAsText("MEGNEV");
            longest = std::max(longest, int(countries.last().size()));
        }
        // Typing is limited to 25 characters, but a country picked from the list is never cut short.
        ComboBox2->lineEdit()->setMaxLength(longest);
        ComboBox2->addItems(countries);
    }
    if (ComboBox3->count() == 0) {
        m_db.tbl_Irsz.setIndex("IRSZ");
        QStringList codes;
        for (m_db.tbl_Irsz.first(); !m_db.tbl_Irsz.eof(); m_db.tbl_Irsz.next())
            codes << m_db.tbl_Irsz.fieldAsText("IRSZ");
        ComboBox3->addItems(codes);
    }
    clearFields(); // adding entries selects the first one
    if (m_role != Role::Add)
        loadCurrent();
}

void AddressEditWindow::ComboBox3Exit() {
    printing::postalCodeKeySearch(*ComboBox3, *Edit2, m_db.tbl_Irsz);
}

void AddressEditWindow::BitBtn1Click() {
    if (m_role == Role::Delete)
        remove();
    else
        store();
}

void AddressEditWindow::store() {
    if (m_role == Role::Add)
        m_table.insert();
    else
        m_table.edit(); // a lock conflict asks; No ends the action here, nothing written
    m_table.setFieldAsText("NEV", Edit1->text());
    m_table.setFieldAsText("ORSZ", ComboBox2->currentText());
    m_table.setFieldAsText("TELEP", Edit2->text());
    m_table.setFieldAsText("CIM", Edit3->text());
    m_table.setFieldAsText("IRSZ", ComboBox3->currentText());
    if (ComboBox1)
        m_table.setFieldAsText("TIP", ComboBox1->currentText());
    m_table.post();
    clearFields();
    if (m_role == Role::Modify) {
        dialogs().notice(QStringLiteral("Adatok módosítása megtörtént !"), attention);
        loadCurrent();
    }
}

void AddressEditWindow::BitBtn2Click() {
    clearFields();
    if (m_role == Role::Modify) {
        m_table.cancel(); // a change the database refused is given up with the window's entries
        loadCurrent();
    }
}

void AddressEditWindow::remove() {
    if (!dialogs().ask(QStringLiteral("Biztosan törölhető ?"), attention))
        return;
    if (m_table.recordCount() <= 0) {
        dialogs().notice(QStringLiteral("Nem törölhető !"), attention);
        return;
    }
    m_table.remove();
    for (QWidget* field :
         {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(ComboBox2), static_cast<QWidget*>(Edit2),
          static_cast<QWidget*>(Edit3), static_cast<QWidget*>(ComboBox3), static_cast<QWidget*>(ComboBox1)})
        if (field)
            printing::setFieldText(*field, QString());
    dialogs().notice(QStringLiteral("Adatrekord törölve !"), attention);
    close();
}

} // namespace kartella
