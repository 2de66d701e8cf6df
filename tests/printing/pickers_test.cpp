#include "printing/pickers.h"

#include "data/table.h"
#include "tests/support/test_support.h"
#include "ui/scripted_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace kartella;
using namespace kartella::printing;

namespace {

struct Party {
    QString name, postalCode, settlement, street;
};

// A program directory with the three tables the pickers and lookups read, open.
class Tables {
public:
    Tables() {
        connection.setLocation(dir.path());
        connection.connect();
        for (data::Table* table : {&irsz, &partner, &felado}) {
            table->setPassword(table->definition().password);
            table->open();
        }
    }

    void addParties(data::Table& table, const QList<Party>& parties) {
        for (const Party& p : parties) {
            table.insert();
            table.setFieldAsText("NEV", p.name);
            table.setFieldAsText("ORSZ", "Magyarország");
            table.setFieldAsText("IRSZ", p.postalCode);
            table.setFieldAsText("TELEP", p.settlement);
            table.setFieldAsText("CIM", p.street);
            table.post();
        }
    }

    void addPostalCodes(const QList<std::pair<QString, QString>>& codes) {
        for (const auto& [code, settlement] : codes) {
            irsz.insert();
            irsz.setFieldAsText("IRSZ", code);
            irsz.setFieldAsText("TELEP", settlement);
            irsz.post();
        }
    }

    testing::ProgramDirectory dir;
    data::Connection connection;
    data::Table irsz{connection, data::irszTable()};
    data::Table partner{connection, data::partnerTable()};
    data::Table felado{connection, data::feladoTable()};
};

const QList<Party> partners{
    {"Kovács Béla", "1011", "Budapest", "Fő utca 1."},
    {"Szabó Anna", "6720", "Szeged", "Kárász utca 2."},
    {"Kovács Béla", "9021", "Győr", "Baross út 3."},
    {"Ökrös Ödön", "7621", "Pécs", "Király utca 4."},
};

// Table order on purpose not sorted: Szeged's first code in the table is 6725, and 2097 is
// shared by two settlements.
const QList<std::pair<QString, QString>> postalCodes{
    {"1011", "Budapest"}, {"6725", "Szeged"}, {"6720", "Szeged"}, {"2097", "Pilisborosjenő"},
    {"2097", "Üröm"},     {"", "Üres"},       {"9021", "Győr"},
};

QStringList items(const QComboBox& box) {
    QStringList result;
    for (int i = 0; i < box.count(); ++i)
        result.append(box.itemText(i));
    return result;
}

std::unique_ptr<QWidget> pairedField(bool combo) {
    if (!combo)
        return std::make_unique<QLineEdit>();
    auto box = std::make_unique<QComboBox>();
    box->setEditable(true);
    box->addItems({"1011", "Budapest"});
    return box;
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { setDialogs(&m_dialogs); }
    void cleanup() {
        setDialogs(nullptr);
        m_dialogs.messages.clear();
    }

    void fillPicker_data();
    void fillPicker();
    void fillPickerErrorLeavesPickerAlone();
    void leavePicker_data();
    void leavePicker();
    void pickerWiredToAddressFields();
    void plainLookups_data();
    void plainLookups();
    void plainLookupDoesNotCatchDatabaseErrors();
    void keySearch_data();
    void keySearch();
    void enterAdvances_data();
    void enterAdvances();
    void enterDoesNotPressTheDialogsDefaultButton();
    void onExitRunsOnlyWhenTheControlIsLeft();

private:
    ScriptedDialogs m_dialogs;
};

void PickersTest::fillPicker_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("editable");
    QTest::newRow("empty table") << QStringList{} << true;
    QTest::newRow("table order, duplicates kept")
        << QStringList{"Szabó Anna", "Kovács Béla", "Ábel", "Kovács Béla"} << true;
    QTest::newRow("list without edit") << QStringList{"Szabó Anna", "Kovács Béla"} << false;
}

void PickersTest::fillPicker() {
    QFETCH(QStringList, names);
    QFETCH(bool, editable);
    Tables tables;
    QList<Party> parties;
    for (const QString& name : names)
        parties.append({name, "1011", "Budapest", "Fő utca 1."});
    tables.addParties(tables.felado, parties);

    QComboBox picker;
    picker.setEditable(editable);
    picker.addItems({"régi név", "Szabó Anna"});
    picker.setCurrentIndex(1);
    if (editable)
        picker.setEditText("félig beírt");

    printing::fillPicker(picker, tables.felado);

    QCOMPARE(items(picker), names);
    QCOMPARE(picker.currentIndex(), -1);
    QCOMPARE(picker.currentText(), QString());
}

void PickersTest::fillPickerErrorLeavesPickerAlone() {
    Tables tables;
    tables.felado.close();
    QComboBox picker;
    picker.setEditable(true);
    picker.addItems({"Szabó Anna"});
    picker.setEditText("Szabó Anna");
    QVERIFY_THROWS_EXCEPTION(data::DatabaseError, printing::fillPicker(picker, tables.felado));
    QCOMPARE(items(picker), QStringList{"Szabó Anna"});
    QCOMPARE(picker.currentText(), "Szabó Anna");
}

void PickersTest::leavePicker_data() {
    QTest::addColumn<bool>("emptyTable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("street"); // of the record found; empty when none is

    QTest::newRow("exact name") << false << "Szabó Anna"
                                << "Kárász utca 2.";
    QTest::newRow("duplicate name gives the first") << false << "Kovács Béla"
                                                    << "Fő utca 1.";
    QTest::newRow("accented capital") << false << "Ökrös Ödön"
                                      << "Király utca 4.";
    QTest::newRow("lower case finds nothing") << false << "szabó anna"
                                              << "";
    QTest::newRow("first part finds nothing") << false << "Szabó"
                                              << "";
    QTest::newRow("trailing blank finds nothing") << false << "Szabó Anna "
                                                  << "";
    QTest::newRow("accents significant") << false << "Szabo Anna"
                                         << "";
    QTest::newRow("empty text") << false << ""
                                << "";
    QTest::newRow("empty table") << true << "Szabó Anna"
                                 << "";
}

void PickersTest::leavePicker() {
    QFETCH(bool, emptyTable);
    QFETCH(QString, text);
    QFETCH(QString, street);
    Tables tables;
    if (!emptyTable)
        tables.addParties(tables.partner, partners);
    QComboBox picker;
    picker.setEditable(true);
    printing::fillPicker(picker, tables.partner);
    picker.setEditText(text);

    const std::optional<PartyRecord> found = printing::leavePicker(picker, tables.partner);

    QCOMPARE(found.has_value(), !street.isEmpty());
    if (found) {
        QCOMPARE(found->name, text);
        QCOMPARE(found->street, street);
        QCOMPARE(found->country, "Magyarország");
        // The record found is the table's current one, for the windows opened later.
        QCOMPARE(tables.partner.fieldAsText("CIM"), street);
    }
    QCOMPARE(picker.currentText(), text);
    QCOMPARE(items(picker).size(), emptyTable ? 0 : partners.size());
}

// As an entry window wires it: leaving the picker overwrites the address fields when the name
// is found and leaves them alone otherwise, whichever list entry was chosen.
void PickersTest::pickerWiredToAddressFields() {
    Tables tables;
    tables.addParties(tables.partner, partners);
    QWidget window;
    auto* picker = new QComboBox(&window);
    picker->setEditable(true);
    auto* settlement = new QLineEdit(&window);
    auto* street = new QLineEdit(&window);
    auto* code = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w : std::initializer_list<QWidget*>{picker, settlement, street, code})
        layout->addWidget(w);
    onExit(*picker, [&] {
        if (const auto party = printing::leavePicker(*picker, tables.partner)) {
            settlement->setText(party->settlement);
            street->setText(party->street);
            code->setText(party->postalCode);
        }
    });
    printing::fillPicker(*picker, tables.partner);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const auto leaveWith = [&](const QString& text) {
        picker->setFocus();
        picker->setEditText(text);
        street->setFocus(Qt::TabFocusReason);
    };
    const auto address = [&] { return QStringList{settlement->text(), street->text(), code->text()}; };

    street->setText("kézzel beírt");
    picker->setCurrentIndex(2); // the second "Kovács Béla" entry
    picker->setFocus();
    street->setFocus(Qt::MouseFocusReason);
    QCOMPARE(address(), (QStringList{"Budapest", "Fő utca 1.", "1011"}));

    leaveWith("Szabó Anna");
    QCOMPARE(address(), (QStringList{"Szeged", "Kárász utca 2.", "6720"}));
    leaveWith("");
    QCOMPARE(address(), (QStringList{"Szeged", "Kárász utca 2.", "6720"}));
    leaveWith("Ismeretlen Név");
    QCOMPARE(address(), (QStringList{"Szeged", "Kárász utca 2.", "6720"}));
    QCOMPARE(picker->count(), partners.size());
}

void PickersTest::plainLookups_data() {
    QTest::addColumn<bool>("fromCode"); // postal-code lookup, else settlement lookup
    QTest::addColumn<bool>("pairedIsCombo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("paired"); // the paired field afterwards; "Marad" is its text before
    QTest::addColumn<bool>("found");

    QTest::newRow("code gives settlement") << true << false << "6720"
                                           << "Szeged" << true;
    QTest::newRow("code into combo box") << true << true << "9021"
                                         << "Győr" << true;
    QTest::newRow("shared code gives first settlement") << true << false << "2097"
                                                        << "Pilisborosjenő" << true;
    QTest::newRow("unknown code leaves settlement") << true << false << "9999"
                                                    << "Marad" << false;
    QTest::newRow("code not trimmed") << true << false << " 6720"
                                      << "Marad" << false;
    QTest::newRow("empty code is looked up too") << true << false << ""
                                                 << "Üres" << true;
    QTest::newRow("settlement gives first code in table order") << false << false << "Szeged"
                                                                << "6725" << true;
    QTest::newRow("settlement into combo box") << false << true << "Üröm"
                                               << "2097" << true;
    QTest::newRow("settlement case significant") << false << false << "szeged"
                                                 << "Marad" << false;
    QTest::newRow("settlement accents significant") << false << false << "Gyor"
                                                    << "Marad" << false;
    QTest::newRow("settlement prefix finds nothing") << false << false << "Sze"
                                                     << "Marad" << false;
}

void PickersTest::plainLookups() {
    QFETCH(bool, fromCode);
    QFETCH(bool, pairedIsCombo);
    QFETCH(QString, text);
    QFETCH(QString, paired);
    QFETCH(bool, found);
    Tables tables;
    tables.addPostalCodes(postalCodes);
    tables.irsz.setIndex("TELEP"); // a caseless index must not make the lookup caseless

    QLineEdit field;
    field.setText(text);
    const std::unique_ptr<QWidget> other = pairedField(pairedIsCombo);
    setFieldText(*other, "Marad");

    const bool result = fromCode ? postalCodeLookup(field, *other, tables.irsz)
                                 : settlementLookup(field, *other, tables.irsz);
    QCOMPARE(result, found);
    QCOMPARE(fieldText(*other), paired);
    QCOMPARE(field.text(), text);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void PickersTest::plainLookupDoesNotCatchDatabaseErrors() {
    Tables tables;
    tables.irsz.close();
    QLineEdit code, settlement;
    code.setText("6720");
    settlement.setText("Marad");
    QVERIFY_THROWS_EXCEPTION(data::DatabaseError, postalCodeLookup(code, settlement, tables.irsz));
    QVERIFY_THROWS_EXCEPTION(data::DatabaseError, settlementLookup(settlement, code, tables.irsz));
    QCOMPARE(settlement.text(), "Marad");
    QVERIFY(m_dialogs.messages.isEmpty());
}

void PickersTest::keySearch_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("broken"); // the table is closed, so the search fails
    QTest::addColumn<QString>("settlement");
    QTest::addColumn<bool>("found");

    QTest::newRow("found") << "6720" << false << "Szeged" << true;
    QTest::newRow("unknown code") << "9999" << false << "Marad" << false;
    QTest::newRow("prefix of a code") << "67" << false << "Marad" << false;
    QTest::newRow("database error") << "6720" << true << "Marad" << false;
}

void PickersTest::keySearch() {
    QFETCH(QString, text);
    QFETCH(bool, broken);
    QFETCH(QString, settlement);
    QFETCH(bool, found);
    Tables tables;
    tables.addPostalCodes(postalCodes);
    tables.irsz.setIndex("TELEP");
    if (broken)
        tables.irsz.close();

    QComboBox code;
    code.setEditable(true);
    code.setEditText(text);
    QLineEdit settlementField;
    settlementField.setText("Marad");

    QCOMPARE(postalCodeKeySearch(code, settlementField, tables.irsz), found);
    QCOMPARE(settlementField.text(), settlement);
    if (broken) {
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages[0].kind, "notice");
        QCOMPARE(m_dialogs.messages[0].text, "Hiba történt !!!");
        QCOMPARE(m_dialogs.messages[0].caption, "Település állomány:");
    } else {
        QVERIFY(m_dialogs.messages.isEmpty());
        QCOMPARE(tables.irsz.indexName(), "IRSZ");
    }
}

void PickersTest::enterAdvances_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");

    QTest::newRow("skips a control that is no tab stop") << "Edit1" << int(Qt::Key_Return) << "Edit2";
    QTest::newRow("keypad Enter") << "Edit2" << int(Qt::Key_Enter) << "Edit3";
    QTest::newRow("last wraps to first") << "Edit3" << int(Qt::Key_Return) << "Edit1";
    QTest::newRow("other keys left alone") << "Edit2" << int(Qt::Key_A) << "Edit2";
}

void PickersTest::enterAdvances() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    const auto addEdit = [&](const QString& name) {
        auto* edit = new QLineEdit(&window);
        edit->setObjectName(name);
        layout->addWidget(edit);
        return edit;
    };
    addEdit("Edit1");
    addEdit("ClickOnly")->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(new QLabel("címke", &window));
    addEdit("Edit2");
    addEdit("Disabled")->setEnabled(false);
    addEdit("Edit3");
    for (const char* name : {"Edit1", "Edit2", "Edit3"})
        printing::enterAdvances(*window.findChild<QLineEdit*>(name));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto* start = window.findChild<QLineEdit*>(from);
    start->setFocus();
    QSignalSpy returnPressed(start, &QLineEdit::returnPressed);
    QTest::keyClick(start, Qt::Key(key));

    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    // The key is not consumed: the field itself still receives it.
    if (key == Qt::Key_A)
        QCOMPARE(start->text(), "a");
    else
        QCOMPARE(returnPressed.count(), 1);
}

// A dialog takes an Enter that reaches it as a click on its default button; the field's Enter
// moves the focus on (here onto a button) and must not also press it.
void PickersTest::enterDoesNotPressTheDialogsDefaultButton() {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QLineEdit(&dialog);
    auto* combo = new QComboBox(&dialog);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    auto* button = new QPushButton("Befejezés", &dialog);
    layout->addWidget(edit);
    layout->addWidget(combo);
    layout->addWidget(button);
    printing::enterAdvances(*edit);
    printing::enterAdvances(*combo);
    QSignalSpy clicked(button, &QPushButton::clicked);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), combo);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(dialog.isVisible());
}

void PickersTest::onExitRunsOnlyWhenTheControlIsLeft() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->addItems({"egy", "kettő"});
    auto* other = new QLineEdit(&window);
    layout->addWidget(combo);
    layout->addWidget(other);
    QStringList calls;
    onExit(*combo, [&] { calls << "első"; });
    onExit(*combo, [&] { calls << "második"; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    combo->setFocus();

    // Another window coming to the front, or the list dropping down, is not leaving.
    QWidget front;
    front.show();
    QVERIFY(QTest::qWaitForWindowActive(&front));
    front.close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), combo);
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(calls, QStringList{});

    QTest::keyClick(combo, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), other);
    QCOMPARE(calls, (QStringList{"első", "második"}));
    // Leaving another control does not run the combo box's handlers.
    combo->setFocus();
    other->setFocus();
    other->clearFocus();
    QCOMPARE(calls.size(), 4);
}

QTEST_MAIN(PickersTest)
#include "pickers_test.moc"
