#include "forms/envelope/tform2.h"

#include "app/windows.h"
#include "data/database.h"
#include "printing/layout_window.h"
#include "tests/support/database_fixture.h"
#include "ui/scripted_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>

using namespace kartella;

namespace {

using testing::Party;

const QStringList envelopeLayouts{"TForm7", "TForm14", "TForm16", "TForm17", "TForm18", "TForm19", "TForm20"};

// A program directory with its tables open, the seven envelope layouts and the window.
class Envelope : public testing::OpenDatabase {
public:
    Envelope() {
        for (const QString& name : envelopeLayouts)
            layouts[name] = printing::LayoutWindow::create(name);
        window = std::make_unique<TForm2>(db, [this](const QString& name) -> printing::LayoutWindow& {
            lookedUp << name;
            return *layouts.at(name);
        });
    }

    template <typename W> W& control(const char* name) {
        W* w = window->findChild<W*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return *w;
    }
    QComboBox& combo(const char* name) { return control<QComboBox>(name); }
    QLineEdit& edit(const char* name) { return control<QLineEdit>(name); }

    // Shows the window as the main menu would (FormShow runs) and leaves it open.
    void show() { window->show(); }

    void print() { control<QPushButton>("BitBtn1").click(); }

    std::map<QString, std::unique_ptr<printing::LayoutWindow>> layouts;
    QStringList lookedUp;
    std::unique_ptr<TForm2> window;
};

QStringList items(const QComboBox& box) {
    QStringList result;
    for (int i = 0; i < box.count(); ++i)
        result << box.itemText(i);
    return result;
}

// The text an element printed, its lines joined by "|"; a null string when it did not print.
QString printed(const printing::Report& report, const QString& element) {
    for (const printing::PlacedBand& band : report.pages.at(0).bands)
        for (const printing::PlacedElement& e : band.elements)
            if (e.name == element) {
                QStringList lines;
                for (const printing::TextLine& line : e.lines)
                    lines << line.text;
                return lines.join('|');
            }
    return QString();
}

QStringList names(data::Table& table) {
    QStringList result;
    for (table.first(); !table.eof(); table.next())
        result << table.fieldAsText("NEV");
    return result;
}

QStringList record(data::Table& table, const QString& name, const QStringList& fields) {
    QStringList result;
    if (!table.locate("NEV", name))
        return {"<missing>"};
    for (const QString& f : fields)
        result << table.fieldAsText(f);
    return result;
}

const QList<Party> senders{{"Iroda Kft.", "1011", "Budapest", "Fő utca 1."},
                           {"Fiók", "6720", "Szeged", "Tisza L. krt. 5."}};
const QList<Party> partners{{"Kovács Béla", "9021", "Győr", "Baross út 3."},
                            {"Szabó Anna", "7621", "Pécs", "Király u. 4."}};

} // namespace

class EnvelopeTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dialogs = ScriptedDialogs();
        setDialogs(&m_dialogs);
    }
    void cleanup() { setDialogs(nullptr); }

    void sizeSelectsLayoutAndPage_data();
    void sizeSelectsLayoutAndPage();
    void missingSize_data();
    void missingSize();
    void fillsEveryLabelAsTyped();
    void showResetsTheWindow();
    void pickersAndLookupsFillTheAddresses();
    void storeQuestion_data();
    void storeQuestion();
    void storedNameJoinsItsPickerAtOnce();
    void failedStoreLeavesTheTableUsable();
    void programWiresTheWindowToItsLayouts();

private:
    ScriptedDialogs m_dialogs;
};

void EnvelopeTest::sizeSelectsLayoutAndPage_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::newRow("C6") << "C6 - 114*162" << false << "TForm7" << 162.0 << 114.0;
    QTest::newRow("LA4") << "LA4 - 110*220" << false << "TForm14" << 220.0 << 110.0;
    QTest::newRow("C6/C5") << "C6/C5 - 114*229" << false << "TForm16" << 229.0 << 114.0;
    QTest::newRow("C5") << "C5 - 162*229" << false << "TForm17" << 229.0 << 162.0;
    QTest::newRow("C4") << "C4 - 229*324" << false << "TForm18" << 324.0 << 229.0;
    QTest::newRow("B6") << "B6 - 125*176" << false << "TForm19" << 176.0 << 125.0;
    QTest::newRow("B5") << "B5 - 176*250" << false << "TForm20" << 250.0 << 176.0;
    QTest::newRow("B5 typed") << "B5 - 176*250" << true << "TForm20" << 250.0 << 176.0;
    QTest::newRow("C6/C5 typed") << "C6/C5 - 114*229" << true << "TForm16" << 229.0 << 114.0;
}

// Each entry of the size list, picked or typed exactly, prints one landscape envelope page
// through its own layout, touches no other layout and asks no question about the size.
void EnvelopeTest::sizeSelectsLayoutAndPage() {
    QFETCH(QString, entry);
    QFETCH(bool, typed);
    QFETCH(QString, layout);
    QFETCH(double, width);
    QFETCH(double, length);
    Envelope e;
    e.show();
    QComboBox& size = e.combo("ComboBox1");
    QCOMPARE(items(size), (QStringList{"C6 - 114*162", "LA4 - 110*220", "C6/C5 - 114*229", "C5 - 162*229",
                                       "C4 - 229*324", "B6 - 125*176", "B5 - 176*250"}));
    if (typed)
        size.setEditText(entry);
    else
        size.setCurrentIndex(items(size).indexOf(entry));
    e.combo("ComboBox3").setEditText("Kovács Béla");

    e.print();

    QCOMPARE(e.lookedUp, QStringList{layout});
    QCOMPARE(m_dialogs.shownWindows, QStringList{"PreviewWindow"});
    QCOMPARE(m_dialogs.messages.size(), 1); // only the store question
    QCOMPARE(m_dialogs.messages[0].text, QString("Tároljuk a megadott adatokat ?"));
    QCOMPARE(m_dialogs.messages[0].caption, QString("Figyelem:"));
    for (const QString& other : envelopeLayouts)
        QCOMPARE(e.layouts[other]->prepared() != nullptr, other == layout);
    const printing::Report& report = *e.layouts[layout]->prepared();
    QCOMPARE(report.pages.size(), size_t(1));
    QCOMPARE(report.orientation, printing::Orientation::Landscape);
    QCOMPARE(report.pages[0].width.value(), width);
    QCOMPARE(report.pages[0].length.value(), length);
    QCOMPARE(printed(report, "QRLabel5"), QString("Kovács Béla"));
    // Every element prints on the envelope.
    for (const printing::PlacedBand& band : report.pages[0].bands)
        for (const printing::PlacedElement& element : band.elements) {
            QVERIFY2(element.box.left.value() >= 0 && element.box.right().value() <= width,
                     qPrintable(element.name));
            QVERIFY2(element.box.top.value() >= 0 && element.box.bottom().value() <= length,
                     qPrintable(element.name));
        }
}

void EnvelopeTest::missingSize_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("lower-case c") << "c6 - 114*162";
    QTest::newRow("trailing blank") << "B5 - 176*250 ";
    QTest::newRow("other text") << "A4";
}

void EnvelopeTest::missingSize() {
    QFETCH(QString, text);
    Envelope e;
    e.show();
    e.combo("ComboBox2").setEditText("Új Feladó");
    e.combo("ComboBox1").setEditText(text);

    e.print();

    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].kind, QString("information"));
    QCOMPARE(m_dialogs.messages[0].text, QString("Nincs megadva vagy hibás a méret adat !!!"));
    QVERIFY(m_dialogs.shownWindows.isEmpty());
    QVERIFY(e.lookedUp.isEmpty());
    QCOMPARE(e.db.tbl_Felado.recordCount(), 0); // not offered for storing either
    QCOMPARE(e.combo("ComboBox2").currentText(), QString("Új Feladó"));
}

// The eight labels take the entries exactly as they stand, and a later print overwrites all
// of them, so an emptied field does not reprint the earlier text.
void EnvelopeTest::fillsEveryLabelAsTyped() {
    Envelope e;
    e.show();
    e.combo("ComboBox1").setCurrentIndex(0);
    const std::map<const char*, QString> entries{{"ComboBox2", " iroda kft "},
                                                 {"Edit2", "Budapest"},
                                                 {"Edit3", "Fő utca 1.  "},
                                                 {"Edit4", "1011"},
                                                 {"ComboBox3", "ÁRVÍZTŰRŐ tükörfúrógép"},
                                                 {"Edit6", "  Győr"},
                                                 {"Edit7", "Baross út 3."},
                                                 {"Edit8", "9021"}};
    for (const auto& [name, text] : entries) {
        if (auto* combo = e.window->findChild<QComboBox*>(name))
            combo->setEditText(text);
        else
            e.edit(name).setText(text);
    }
    e.print();
    const printing::Report* report = e.layouts["TForm7"]->prepared();
    const std::map<const char*, const char*> target{
        {"ComboBox2", "QRLabel1"}, {"Edit2", "QRLabel2"}, {"Edit3", "QRLabel3"}, {"Edit4", "QRLabel4"},
        {"ComboBox3", "QRLabel5"}, {"Edit6", "QRLabel6"}, {"Edit7", "QRLabel7"}, {"Edit8", "QRLabel8"}};
    for (const auto& [control, element] : target)
        QCOMPARE(printed(*report, element), entries.at(control));

    e.edit("Edit3").clear();
    e.combo("ComboBox3").setEditText("");
    e.print();
    report = e.layouts["TForm7"]->prepared();
    QCOMPARE(printed(*report, "QRLabel3"), QString());
    QCOMPARE(printed(*report, "QRLabel5"), QString());
    QCOMPARE(printed(*report, "QRLabel1"), QString(" iroda kft "));
}

void EnvelopeTest::showResetsTheWindow() {
    Envelope e;
    testing::addParties(e.db.tbl_Partner, partners);
    testing::addParties(e.db.tbl_Felado, senders);
    e.show();
    QCOMPARE(items(e.combo("ComboBox2")), (QStringList{"Iroda Kft.", "Fiók"}));
    QCOMPARE(items(e.combo("ComboBox3")), (QStringList{"Kovács Béla", "Szabó Anna"}));

    e.combo("ComboBox1").setCurrentIndex(3);
    e.combo("ComboBox2").setCurrentIndex(1);
    e.combo("ComboBox3").setEditText("Valaki");
    for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit6", "Edit7", "Edit8"})
        e.edit(name).setText("x");
    testing::addParties(e.db.tbl_Partner, {{"Harmadik", "", "", ""}});
    e.window->hide();
    e.show();

    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        QCOMPARE(e.combo(name).currentText(), QString());
        QCOMPARE(e.combo(name).currentIndex(), -1);
    }
    for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit6", "Edit7", "Edit8"})
        QCOMPARE(e.edit(name).text(), QString());
    QCOMPARE(e.combo("ComboBox1").count(), 7);
    QCOMPARE(items(e.combo("ComboBox3")), (QStringList{"Kovács Béla", "Szabó Anna", "Harmadik"}));
}

void EnvelopeTest::pickersAndLookupsFillTheAddresses() {
    Envelope e;
    testing::addParties(e.db.tbl_Partner, partners);
    testing::addParties(e.db.tbl_Felado, senders);
    for (const auto& [code, settlement] :
         QList<std::pair<QString, QString>>{{"1011", "Budapest"}, {"6720", "Szeged"}}) {
        e.db.tbl_Irsz.insert();
        e.db.tbl_Irsz.setFieldAsText("IRSZ", code);
        e.db.tbl_Irsz.setFieldAsText("TELEP", settlement);
        e.db.tbl_Irsz.post();
    }
    e.show();
    QVERIFY(QTest::qWaitForWindowActive(e.window.get()));
    const auto leave = [&](QWidget& from) {
        from.setFocus();
        e.control<QPushButton>("BitBtn1").setFocus(Qt::TabFocusReason);
    };
    const auto fields = [&](const char* a, const char* b, const char* c) {
        return QStringList{e.edit(a).text(), e.edit(b).text(), e.edit(c).text()};
    };

    e.combo("ComboBox2").setCurrentIndex(1);
    leave(e.combo("ComboBox2"));
    QCOMPARE(fields("Edit2", "Edit3", "Edit4"), (QStringList{"Szeged", "Tisza L. krt. 5.", "6720"}));
    e.combo("ComboBox3").setEditText("Szabó Anna");
    leave(e.combo("ComboBox3"));
    QCOMPARE(fields("Edit6", "Edit7", "Edit8"), (QStringList{"Pécs", "Király u. 4.", "7621"}));

    e.edit("Edit4").setText("1011");
    leave(e.edit("Edit4"));
    QCOMPARE(e.edit("Edit2").text(), QString("Budapest"));
    e.edit("Edit4").setText("9999"); // not in Irsz: the settlement stays
    leave(e.edit("Edit4"));
    QCOMPARE(e.edit("Edit2").text(), QString("Budapest"));
    e.edit("Edit6").setText("Szeged");
    leave(e.edit("Edit6"));
    QCOMPARE(e.edit("Edit8").text(), QString("6720"));
    e.edit("Edit8").setText("1011");
    leave(e.edit("Edit8"));
    QCOMPARE(e.edit("Edit6").text(), QString("Budapest"));
    e.edit("Edit2").setText("Szeged");
    leave(e.edit("Edit2"));
    QCOMPARE(e.edit("Edit4").text(), QString("6720"));
}

void EnvelopeTest::storeQuestion_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("addressee");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("emptyNamesStored"); // the tables already hold an empty-named record each
    QTest::addColumn<QStringList>("senderNames");
    QTest::addColumn<QStringList>("addresseeNames");
    // TELEP, CIM, IRSZ of the first record of the sender's and of the addressee's name afterwards.
    QTest::addColumn<QStringList>("senderRecord");
    QTest::addColumn<QStringList>("addresseeRecord");
    const QStringList knownSenders{"Iroda Kft.", "Fiók"};
    const QStringList knownPartners{"Kovács Béla", "Szabó Anna"};
    const QStringList typedSender{"Eger", "Dobó tér 1.", "3300"};
    const QStringList typedAddressee{"Sopron", "Várkerület 2.", "9400"};
    const QStringList missing{"<missing>"};
    QTest::newRow("known sender, new addressee")
        << "Fiók"
        << "Új Címzett" << true << false << knownSenders << (knownPartners + QStringList{"Új Címzett"})
        << QStringList{"Szeged", "Tisza L. krt. 5.", "6720"} << typedAddressee;
    QTest::newRow("both known") << "Iroda Kft."
                                << "Szabó Anna" << true << false << knownSenders << knownPartners
                                << QStringList{"Budapest", "Fő utca 1.", "1011"}
                                << QStringList{"Pécs", "Király u. 4.", "7621"};
    QTest::newRow("both new, No") << "Új Feladó"
                                  << "Új Címzett" << false << false << knownSenders << knownPartners
                                  << missing << missing;
    QTest::newRow("new sender, known addressee")
        << "Új Feladó"
        << "Kovács Béla" << true << false << (knownSenders + QStringList{"Új Feladó"}) << knownPartners
        << typedSender << QStringList{"Győr", "Baross út 3.", "9021"};
    QTest::newRow("case differs: new")
        << "iroda kft."
        << "kovács béla" << true << false << (knownSenders + QStringList{"iroda kft."})
        << (knownPartners + QStringList{"kovács béla"}) << typedSender << typedAddressee;
    QTest::newRow("empty pickers") << ""
                                   << "" << true << false << (knownSenders + QStringList{""})
                                   << (knownPartners + QStringList{""}) << typedSender << typedAddressee;
    QTest::newRow("empty pickers, empty names stored")
        << ""
        << "" << true << true << (knownSenders + QStringList{""}) << (knownPartners + QStringList{""})
        << QStringList{"régi", "régi", "1"} << QStringList{"régi", "régi", "2"};
}

// After the preview, Yes stores each party whose exact name the table does not hold; an
// existing record is never changed, whatever address the window shows.
void EnvelopeTest::storeQuestion() {
    QFETCH(QString, sender);
    QFETCH(QString, addressee);
    QFETCH(bool, yes);
    QFETCH(bool, emptyNamesStored);
    QFETCH(QStringList, senderNames);
    QFETCH(QStringList, addresseeNames);
    QFETCH(QStringList, senderRecord);
    QFETCH(QStringList, addresseeRecord);
    Envelope e;
    testing::addParties(e.db.tbl_Felado, senders);
    testing::addParties(e.db.tbl_Partner, partners);
    if (emptyNamesStored) {
        testing::addParties(e.db.tbl_Felado, {{"", "1", "régi", "régi"}});
        testing::addParties(e.db.tbl_Partner, {{"", "2", "régi", "régi"}});
    }
    e.show();
    e.combo("ComboBox1").setCurrentIndex(6);
    e.combo("ComboBox2").setEditText(sender);
    e.edit("Edit2").setText("Eger");
    e.edit("Edit3").setText("Dobó tér 1.");
    e.edit("Edit4").setText("3300");
    e.combo("ComboBox3").setEditText(addressee);
    e.edit("Edit6").setText("Sopron");
    e.edit("Edit7").setText("Várkerület 2.");
    e.edit("Edit8").setText("9400");
    m_dialogs.answer(yes);

    e.print();

    QCOMPARE(m_dialogs.shownWindows, QStringList{"PreviewWindow"});
    QCOMPARE(names(e.db.tbl_Felado), senderNames);
    QCOMPARE(names(e.db.tbl_Partner), addresseeNames);
    QCOMPARE(items(e.combo("ComboBox2")), senderNames);
    QCOMPARE(items(e.combo("ComboBox3")), addresseeNames);
    QCOMPARE(record(e.db.tbl_Felado, sender, {"TELEP", "CIM", "IRSZ"}), senderRecord);
    QCOMPARE(record(e.db.tbl_Partner, addressee, {"TELEP", "CIM", "IRSZ"}), addresseeRecord);
    // A new record holds nothing else: no country, no type, no label mark.
    if (senderRecord == QStringList{"Eger", "Dobó tér 1.", "3300"})
        QCOMPARE(record(e.db.tbl_Felado, sender, {"ORSZ", "TMP"}), (QStringList{"", ""}));
    if (addresseeRecord == QStringList{"Sopron", "Várkerület 2.", "9400"})
        QCOMPARE(record(e.db.tbl_Partner, addressee, {"ORSZ", "TIP", "TMP"}), (QStringList{"", "", ""}));
    // The entries stay for another print.
    QCOMPARE(e.combo("ComboBox2").currentText(), sender);
    QCOMPARE(e.edit("Edit8").text(), QString("9400"));
}

// A name stored once is found the next time, so a second Yes does not store it again.
void EnvelopeTest::storedNameJoinsItsPickerAtOnce() {
    Envelope e;
    e.show();
    e.combo("ComboBox1").setCurrentIndex(0);
    e.combo("ComboBox2").setEditText("Új Feladó");
    m_dialogs.answer(true);
    m_dialogs.answer(true);
    e.print();
    e.print();
    QCOMPARE(items(e.combo("ComboBox2")), QStringList{"Új Feladó"});
    QCOMPARE(names(e.db.tbl_Felado), QStringList{"Új Feladó"});
    QCOMPARE(names(e.db.tbl_Partner), QStringList{""});
    QCOMPARE(e.combo("ComboBox2").currentText(), QString("Új Feladó"));
}

// A name too long for the table fails the post with a database error; the insert is dropped,
// so the table is browsing again and the next print stores normally.
void EnvelopeTest::failedStoreLeavesTheTableUsable() {
    Envelope e;
    e.show();
    e.combo("ComboBox1").setCurrentIndex(0);
    e.combo("ComboBox2").setEditText(QString(40, QChar('A')));
    e.combo("ComboBox3").setEditText("Címzett");
    m_dialogs.answer(true);
    QVERIFY_THROWS_EXCEPTION(data::DatabaseError, e.print());
    QCOMPARE(e.db.tbl_Felado.state(), data::Table::State::Browse);
    QCOMPARE(e.db.tbl_Felado.recordCount(), 0);
    QCOMPARE(e.db.tbl_Partner.recordCount(), 0);
    QCOMPARE(e.combo("ComboBox2").count(), 0);

    e.combo("ComboBox2").setEditText("Rövid");
    m_dialogs.answer(true);
    e.print();
    QCOMPARE(names(e.db.tbl_Felado), QStringList{"Rövid"});
    QCOMPARE(names(e.db.tbl_Partner), QStringList{"Címzett"});
}

// The program's registry creates the window before its layouts; a print still reaches the
// layout of the chosen size.
void EnvelopeTest::programWiresTheWindowToItsLayouts() {
    Envelope e;
    Windows windows(e.db);
    auto* window = qobject_cast<TForm2*>(windows.window("TForm2"));
    QVERIFY(window);
    window->show();
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(6);
    window->findChild<QComboBox*>("ComboBox2")->setEditText("Iroda Kft.");
    window->findChild<QPushButton*>("BitBtn1")->click();
    QCOMPARE(m_dialogs.shownWindows, QStringList{"PreviewWindow"});
    QVERIFY(windows.layout("TForm20")->prepared());
    QCOMPARE(printed(*windows.layout("TForm20")->prepared(), "QRLabel1"), QString("Iroda Kft."));
    QVERIFY(!windows.layout("TForm17")->prepared());
}

QTEST_MAIN(EnvelopeTest)
#include "envelope_test.moc"
