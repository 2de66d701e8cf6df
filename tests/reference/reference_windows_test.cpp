#include "reference/address_windows.h"
#include "reference/reference_windows.h"
#include "tests/support/database_fixture.h"
#include "tests/support/program_test_main.h"
#include "ui/scripted_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace kartella;
using testing::OpenDatabase;

namespace {

void click(QWidget& window, const char* button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

// Leaves a field the way a user does: the focus moves to another control of the window.
void leave(QWidget& field, QWidget& next) {
    field.setFocus(Qt::TabFocusReason);
    next.setFocus(Qt::TabFocusReason);
}

QStringList stored(const OpenDatabase& o, const data::TableDef& def, const QString& name) {
    data::Connection c;
    c.setLocation(o.dir.path());
    data::Table t(c, def);
    t.setPassword(def.password);
    t.open();
    if (!t.locate("NEV", name))
        return {};
    QStringList values;
    for (const data::FieldDef& f : def.fields)
        values << t.fieldAsText(f.name);
    return values;
}

// The windows of the address book, found by name as the program's registry finds them.
struct AddressWindows {
    OpenDatabase& o;
    TForm10 list{o.db, [this](const QString& n) { return find(n); }};
    TForm3 senders{o.db, [this](const QString& n) { return find(n); }};
    TForm11 add{o.db};
    TForm12 modify{o.db};
    TForm13 remove{o.db};
    TForm4 addSender{o.db};
    TForm5 modifySender{o.db};
    TForm6 removeSender{o.db};
    explicit AddressWindows(OpenDatabase& database) : o(database) {}
    QWidget* find(const QString& name) {
        for (QWidget* w : std::initializer_list<QWidget*>{&add, &modify, &remove, &addSender, &modifySender,
                                                          &removeSender})
            if (w->objectName() == name)
                return w;
        return nullptr;
    }
};

void fillPartner(AddressEditWindow& w, const QStringList& values) {
    w.Edit1->setText(values[0]);
    if (w.ComboBox1)
        w.ComboBox1->setEditText(values[1]);
    w.ComboBox2->setEditText(values[2]);
    w.ComboBox3->setEditText(values[3]);
    w.Edit2->setText(values[4]);
    w.Edit3->setText(values[5]);
}

} // namespace

class ReferenceWindowsTest : public QObject {
    Q_OBJECT
    ScriptedDialogs scripted;

private slots:
    void init() {
        scripted = ScriptedDialogs();
        setDialogs(&scripted);
    }

    void addStoresAsTypedClearsAndMakesTheRecordCurrent() {
        OpenDatabase o;
        o.addPostalCodes();
        o.addCountries();
        AddressWindows w(o);
        w.list.BitBtn1Click();
        QCOMPARE(scripted.shownWindows, QStringList({"TForm11"}));
        w.add.show();
        QCOMPARE(w.add.ComboBox2->count(), 4);
        QCOMPARE(w.add.ComboBox3->count(), 12);
        QCOMPARE(w.add.ComboBox3->itemText(0), QString("1011")); // in postal-code order
        fillPartner(w.add, {"Kiss Anna", "Vevő", "Magyarország", "7600", "Pécs", "Fő utca 1."});
        click(w.add, "BitBtn1");
        QCOMPARE(stored(o, data::partnerTable(), "Kiss Anna"),
                 QStringList({"Kiss Anna", "Vevő", "Magyarország", "7600", "Pécs", "Fő utca 1.", ""}));
        QCOMPARE(o.db.tbl_Partner.fieldAsText("NEV"), QString("Kiss Anna"));
        for (QLineEdit* e : {w.add.Edit1, w.add.Edit2, w.add.Edit3})
            QVERIFY(e->text().isEmpty());
        QVERIFY(w.add.ComboBox1->currentText().isEmpty() && w.add.ComboBox1->currentIndex() == -1);
        click(w.add, "BitBtn1"); // every field empty: stored all the same, no message
        QCOMPARE(o.db.tbl_Partner.recordCount(), 2);
        QVERIFY(scripted.messages.isEmpty());
    }

    void thePostalCodeFillsTheSettlementOnlyWhenKnown() {
        OpenDatabase o;
        o.addPostalCodes();
        TForm11 add(o.db);
        add.show();
        QApplication::setActiveWindow(&add);
        add.Edit2->setText("előző");
        add.ComboBox3->setEditText("9999");
        leave(*add.ComboBox3, *add.Edit2);
        QCOMPARE(add.Edit2->text(), QString("előző"));
        add.ComboBox3->setEditText("7621");
        leave(*add.ComboBox3, *add.Edit2);
        QCOMPARE(add.Edit2->text(), QString("Pécs"));
        add.ComboBox3->setEditText("");
        leave(*add.ComboBox3, *add.Edit2); // the empty code is looked up too, and finds nothing
        QCOMPARE(add.Edit2->text(), QString("Pécs"));
        QCOMPARE(o.db.tbl_Irsz.indexName(), QString("IRSZ"));
    }

    void modifyActsOnTheRowSelectedInTheList() {
        OpenDatabase o;
        for (const char* name : {"Első", "Második", "Harmadik"})
            OpenDatabase::add(o.db.tbl_Partner, {"NEV", name, "TIP", "Vevő", "CIM", "régi cím"});
        AddressWindows w(o);
        w.list.show();
        w.list.DBGrid1->selectRow(1);
        QCOMPARE(o.db.tbl_Partner.fieldAsText("NEV"), QString("Második"));
        w.list.BitBtn2Click();
        QCOMPARE(scripted.shownWindows, QStringList({"TForm12"}));
        w.modify.show();
        QCOMPARE(w.modify.Edit1->text(), QString("Második"));
        QCOMPARE(w.modify.ComboBox1->currentText(), QString("Vevő"));

        w.modify.Edit1->setText("Átírt név");
        click(w.modify, "BitBtn2"); // Elvet: the stored values come back
        QCOMPARE(w.modify.Edit1->text(), QString("Második"));

        w.modify.Edit3->setText("Új utca 5.");
        w.modify.ComboBox1->setEditText("Saját típus");
        click(w.modify, "BitBtn1");
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].text, QString("Adatok módosítása megtörtént !"));
        QCOMPARE(scripted.messages[0].caption, QString("Figyelem:"));
        QCOMPARE(w.modify.Edit3->text(), QString("Új utca 5.")); // read back from the table
        QCOMPARE(stored(o, data::partnerTable(), "Második"),
                 QStringList({"Második", "Saját típus", "", "", "", "Új utca 5.", ""}));
        QCOMPARE(o.db.tbl_Partner.currentRow(), 1);
    }

    void deleteAsksAndOnlyYesDeletes() {
        OpenDatabase o;
        for (const char* name : {"Első", "Második", "Harmadik"})
            OpenDatabase::add(o.db.tbl_Partner, {"NEV", name});
        AddressWindows w(o);
        w.list.show();
        w.list.DBGrid1->selectRow(1);
        w.remove.show();
        QVERIFY(w.remove.Edit1->isReadOnly());
        QCOMPARE(w.remove.ComboBox1->count(), 3);
        click(w.remove, "BitBtn1"); // no answer given: No
        QCOMPARE(scripted.messages.last().text, QString("Biztosan törölhető ?"));
        QCOMPARE(o.db.tbl_Partner.recordCount(), 3);
        QVERIFY(w.remove.isVisible());
        scripted.answer(true);
        click(w.remove, "BitBtn1");
        QCOMPARE(scripted.messages.last().text, QString("Adatrekord törölve !"));
        QCOMPARE(o.db.tbl_Partner.recordCount(), 2);
        QCOMPARE(o.db.tbl_Partner.fieldAsText("NEV"), QString("Harmadik")); // the one that followed
        QVERIFY(!w.remove.isVisible());
        QCOMPARE(w.list.DBGrid1->currentIndex().row(), 1);
        QVERIFY(stored(o, data::partnerTable(), "Második").isEmpty());
    }

    void anEmptyTableIsRefused() {
        OpenDatabase o;
        AddressWindows w(o);
        for (AddressListWindow* list :
             {static_cast<AddressListWindow*>(&w.list), static_cast<AddressListWindow*>(&w.senders)}) {
            list->BitBtn2Click();
            list->BitBtn3Click();
        }
        QCOMPARE(scripted.shownWindows, QStringList());
        QStringList texts;
        for (const auto& m : scripted.messages)
            texts << m.text;
        QCOMPARE(texts, QStringList({"Nincs szerkeszthető adatrekord !", "Nincs törölhető adatrekord !",
                                     "Nincs szerkeszthető adatrekord !", "Nincs törölhető adatrekord !"}));
        // The delete window finds the table emptied meanwhile.
        scripted.answer(true);
        w.removeSender.BitBtn1Click();
        QCOMPARE(scripted.messages.last().text, QString("Nem törölhető !"));
    }

    void enterMovesOnAndWrapsToTheCloseButton() {
        OpenDatabase o;
        AddressWindows w(o);
        for (AddressEditWindow* window :
             {static_cast<AddressEditWindow*>(&w.add), static_cast<AddressEditWindow*>(&w.addSender)}) {
            window->show();
            QApplication::setActiveWindow(window);
            window->Edit1->setFocus();
            QTest::keyClick(window->Edit1, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(),
                     window->ComboBox1 ? static_cast<QWidget*>(window->ComboBox1) : window->ComboBox2);
            window->Edit3->setFocus();
            QTest::keyClick(window->Edit3, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("BitBtn4"));
            window->hide();
        }
    }

    void sendersHaveNoTypeAndElvetRestores() {
        OpenDatabase o;
        OpenDatabase::add(o.db.tbl_Felado, {"NEV", "Iroda", "TELEP", "Szeged", "IRSZ", "6720"});
        AddressWindows w(o);
        QVERIFY(!w.modifySender.ComboBox1);
        QCOMPARE(w.modifySender.Edit1->width(), 410);
        w.modifySender.show();
        w.modifySender.Edit2->setText("Máshol");
        w.modifySender.BitBtn2Click();
        QCOMPARE(w.modifySender.Edit2->text(), QString("Szeged"));
        w.addSender.show();
        fillPartner(w.addSender, {"Fiók", "", "Ausztria", "1011", "Budapest", "Kossuth tér 1."});
        w.addSender.BitBtn1Click();
        QCOMPARE(stored(o, data::feladoTable(), "Fiók"),
                 QStringList({"Fiók", "Ausztria", "1011", "Budapest", "Kossuth tér 1.", ""}));
    }

    void aRecordHeldByAnotherCopyAsksAndNoLeavesItAsTheyHaveIt() {
        OpenDatabase o;
        OpenDatabase::add(o.db.tbl_Partner, {"NEV", "Kiss", "CIM", "eredeti"});
        QProcess peer;
        peer.start(TABLE_PEER, {o.dir.path(), "hold", "Kiss"});
        QVERIFY(peer.waitForReadyRead(10000));
        QCOMPARE(peer.readLine().trimmed(), QByteArray("held"));
        o.db.tbl_Partner.setEditConflictHandler([](const data::DatabaseError&) {
            return dialogs().ask(
                "Az adatrekord nem szerkeszthető (másik felhasználó zárolta) ! Megpróbáljuk újra ?",
                "Figyelem:");
        });
        TForm12 modify(o.db);
        modify.show();
        modify.Edit3->setText("az én változatom");
        click(modify, "BitBtn1"); // the click's action is abandoned on No
        QCOMPARE(scripted.messages.size(), 1);
        QVERIFY(scripted.messages[0].text.startsWith("Az adatrekord nem szerkeszthető"));
        QCOMPARE(modify.Edit3->text(), QString("az én változatom")); // nothing else happened
        peer.write("post a másik példány írta\n");
        QVERIFY(peer.waitForReadyRead(10000));
        QCOMPARE(peer.readLine().trimmed(), QByteArray("posted"));
        peer.write("quit\n");
        peer.waitForFinished();
        QCOMPARE(stored(o, data::partnerTable(), "Kiss").value(5), QString("a másik példány írta"));
    }

    void theSettlementSearchMovesToTheFirstNameAtOrAfterTheText() {
        OpenDatabase o;
        o.addPostalCodes();
        TForm9 window(o.db);
        window.show();
        QCOMPARE(o.db.tbl_Irsz.indexName(), QString("TELEP"));
        QTest::keyClicks(window.Edit1, "Bu");
        QCOMPARE(o.db.tbl_Irsz.fieldAsText("TELEP"), QString("Budaörs")); // ö sorts before p
        QTest::keyClicks(window.Edit1, "dap");
        QCOMPARE(o.db.tbl_Irsz.fieldAsText("TELEP"), QString("Budapest"));
        QCOMPARE(window.DBGrid1->currentIndex().row(), o.db.tbl_Irsz.currentRow());
        QTest::keyClicks(window.Edit1, "x");
        QCOMPARE(o.db.tbl_Irsz.fieldAsText("TELEP"), QString("Debrecen"));
        window.hide();
        window.show(); // the box is emptied on every showing, which moves to the first settlement
        QVERIFY(window.Edit1->text().isEmpty());
        QCOMPARE(o.db.tbl_Irsz.fieldAsText("TELEP"), QString("Bábolna"));
        QVERIFY(scripted.messages.isEmpty());
    }

    void theCountrySearchReportsADatabaseError() {
        OpenDatabase o;
        o.addCountries();
        TForm8 window(o.db);
        window.show();
        QTest::keyClicks(window.Edit1, "n");
        QCOMPARE(o.db.tbl_Orsz.fieldAsText("MEGNEV"), QString("Németország"));
        o.db.tbl_Orsz.close();
        window.Edit1->insert("é");
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].text, QString("Hiba történt !!!"));
        QCOMPARE(scripted.messages[0].caption, QString("Ország keresés:"));
    }
};

KARTELLA_PROGRAM_TEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
