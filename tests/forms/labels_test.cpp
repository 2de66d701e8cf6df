#include "forms/labels/selection_window.h"
#include "forms/labels/settings_window.h"

#include "app/windows.h"
#include "data/database.h"
#include "printing/layout_window.h"
#include "reference/data_grid.h"
#include "tests/support/database_fixture.h"
#include "ui/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <set>

using namespace kartella;

namespace {

// The seven settings in the order the window applies them: page, left, right, top and bottom
// margin, columns, row height.
using Settings = QStringList;
const char* const settingFields[] = {"ComboBox1", "Edit3", "Edit4", "Edit5", "Edit6", "Edit1", "Edit2"};
const Settings designSettings{"A4 - Álló", "0", "0", "0", "0", "2", "32"};

// A program directory with its tables open and the two label chains, wired as the program
// wires them: each settings window prints its sheet, each selection window opens its settings.
class Sheets : public testing::OpenDatabase {
public:
    Sheets() {
        senderSheet = printing::LayoutWindow::create("TForm29");
        senderSheet->setRecordSource(&db.tbl_Felado);
        partnerSheet = printing::LayoutWindow::create("TForm33");
        partnerSheet->setRecordSource(&db.tbl_Partner);
        tform15 = std::make_unique<TForm15>([this]() -> printing::LayoutWindow& { return *senderSheet; });
        tform32 = std::make_unique<TForm32>([this]() -> printing::LayoutWindow& { return *partnerSheet; });
        tform30 = std::make_unique<TForm30>(db, [this]() -> QWidget& { return *tform15; });
        tform31 = std::make_unique<TForm31>(db, [this]() -> QWidget& { return *tform32; });
    }

    // Adds parties named prefix1, prefix2, ...; those whose number is in `marked` carry the mark.
    static void add(data::Table& table, const QString& prefix, int count, const std::set<int>& marked = {}) {
        for (int i = 1; i <= count; ++i) {
            table.insert();
            table.setFieldAsText("NEV", prefix + QString::number(i));
            table.setFieldAsText("IRSZ", QString::number(1000 + i));
            table.setFieldAsText("TELEP", "Település " + QString::number(i));
            table.setFieldAsText("CIM", "Utca " + QString::number(i));
            table.setFieldAsText("TMP", marked.count(i) ? "X" : "");
            table.post();
        }
    }

    static int markedCount(data::Table& table) {
        int n = 0;
        for (table.first(); !table.eof(); table.next())
            n += table.fieldAsText("TMP") == "X";
        return n;
    }

    static void type(QWidget& settings, const Settings& values) {
        for (int i = 0; i < values.size(); ++i) {
            QWidget* field = settings.findChild<QWidget*>(QLatin1String(settingFields[i]));
            if (auto* combo = qobject_cast<QComboBox*>(field))
                combo->setEditText(values[i]);
            else
                qobject_cast<QLineEdit*>(field)->setText(values[i]);
        }
    }

    static void press(QWidget& window, const char* button) {
        window.findChild<QPushButton*>(QLatin1String(button))->click();
    }

    std::unique_ptr<printing::LayoutWindow> senderSheet, partnerSheet;
    std::unique_ptr<TForm15> tform15;
    std::unique_ptr<TForm32> tform32;
    std::unique_ptr<TForm30> tform30;
    std::unique_ptr<TForm31> tform31;
};

// Where each label of a page starts and how large it is, as "left,top width x height".
QStringList labelBoxes(const printing::Page& page) {
    QStringList boxes;
    for (const printing::PlacedBand& band : page.bands)
        boxes << QStringLiteral("%1,%2 %3x%4")
                     .arg(band.box.left.value())
                     .arg(band.box.top.value())
                     .arg(band.box.width.value())
                     .arg(band.box.height.value());
    return boxes;
}

// The name printed on each label of the report, page by page.
QStringList printedNames(const printing::Report& report) {
    QStringList names;
    for (const printing::Page& page : report.pages)
        for (const printing::PlacedBand& band : page.bands)
            for (const printing::PlacedElement& element : band.elements)
                if (element.name == "QRDBText1")
                    names << (element.lines.empty() ? QString() : element.lines.front().text);
    return names;
}

QStringList informationTexts(const ScriptedDialogs& dialogs) {
    QStringList texts;
    for (const ScriptedDialogs::Message& m : dialogs.messages)
        if (m.kind == "information")
            texts << m.text;
    return texts;
}

} // namespace

class LabelsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dialogs = ScriptedDialogs();
        setDialogs(&m_dialogs);
    }
    void cleanup() { setDialogs(nullptr); }

    void doubleClickTogglesAndStoresTheMark();
    void noMarkedRecord_data();
    void noMarkedRecord();
    void threeMarkedSendersAtDesignSettings();
    void settings_data();
    void settings();
    void notAWholeNumberStopsAtItsField_data();
    void notAWholeNumberStopsAtItsField();
    void closingWithoutPrintingClearsEveryMark();
    void clearingIsAllOrNothing();
    void partnerSheetPrintsPartnersOnly();
    void programWiresTheChains();

private:
    ScriptedDialogs m_dialogs;
};

// A double-click on a row toggles that record's mark, and the mark is in the table file at
// once: another copy of the program reading the file sees it.
void LabelsTest::doubleClickTogglesAndStoresTheMark() {
    Sheets s;
    Sheets::add(s.db.tbl_Partner, "Partner ", 3, {3});
    TForm31& window = *s.tform31;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.findChild<DBGrid*>("DBGrid1");
    QVERIFY(grid);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QString("X"));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    data::Connection other;
    other.setLocation(s.dir.path());
    other.connect();
    data::Table otherPartner(other, data::partnerTable());
    otherPartner.setPassword(data::partnerTable().password);
    otherPartner.open();
    const auto marksOnDisk = [&] {
        otherPartner.refresh();
        QStringList marks;
        for (otherPartner.first(); !otherPartner.eof(); otherPartner.next())
            marks << otherPartner.fieldAsText("TMP");
        return marks;
    };
    const auto doubleClickRow = [&](int row) {
        const QPoint at = grid->visualRect(grid->model()->index(row, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    };

    doubleClickRow(1);
    QCOMPARE(marksOnDisk(), (QStringList{"", "X", "X"}));
    doubleClickRow(2); // a marked row loses its mark
    QCOMPARE(marksOnDisk(), (QStringList{"", "X", ""}));
    doubleClickRow(2); // and gets it back
    QCOMPARE(marksOnDisk(), (QStringList{"", "X", "X"}));
    QCOMPARE(grid->model()->index(2, 0).data().toString(), QString("X"));
    QCOMPARE(s.db.tbl_Partner.state(), data::Table::State::Browse);

    // An empty table: nothing to toggle, nothing fails.
    s.tform30->DBGrid1DblClick();
    QCOMPARE(s.db.tbl_Felado.recordCount(), 0);
}

void LabelsTest::noMarkedRecord_data() {
    QTest::addColumn<bool>("partners");
    QTest::addColumn<QString>("message");
    QTest::newRow("senders") << false << "Nincs nyomtatásra kijelölt feladü !";
    QTest::newRow("partners") << true << "Nincs nyomtatásra kijelölt partner !";
}

// Without a marked record the settings window does not open and the table is whole again;
// marks in the other table do not count.
void LabelsTest::noMarkedRecord() {
    QFETCH(bool, partners);
    QFETCH(QString, message);
    Sheets s;
    Sheets::add(s.db.tbl_Felado, "Feladó ", 4, partners ? std::set<int>{2} : std::set<int>{});
    Sheets::add(s.db.tbl_Partner, "Partner ", 5, partners ? std::set<int>{} : std::set<int>{1, 5});
    LabelSelectionWindow& window = partners ? static_cast<LabelSelectionWindow&>(*s.tform31) : *s.tform30;
    data::Table& table = partners ? s.db.tbl_Partner : s.db.tbl_Felado;

    Sheets::press(window, "BitBtn1");

    QCOMPARE(informationTexts(m_dialogs), QStringList{message});
    QVERIFY(m_dialogs.shownWindows.isEmpty());
    QVERIFY(!table.filtered());
    QCOMPARE(table.filter(), QString());
    QCOMPARE(table.recordCount(), partners ? 5 : 4);
    QCOMPARE(Sheets::markedCount(partners ? s.db.tbl_Felado : s.db.tbl_Partner), partners ? 1 : 2);
}

// Three marked senders among five at the design settings: three labels down the left column,
// the marked ones in table order; the table is filtered while the settings window is open; a
// second press prints the same sheet; closing clears the marks and shows the whole table.
void LabelsTest::threeMarkedSendersAtDesignSettings() {
    Sheets s;
    Sheets::add(s.db.tbl_Felado, "Feladó ", 5, {1, 3, 4});
    int visibleWhileOpen = -1;
    QStringList firstSheet, secondSheet;
    m_dialogs.onShow("TForm15", [&](QWidget& settings) {
        visibleWhileOpen = s.db.tbl_Felado.recordCount();
        Sheets::type(settings, designSettings);
        Sheets::press(settings, "Button1");
        firstSheet =
            labelBoxes(s.senderSheet->prepared()->pages.at(0)) + printedNames(*s.senderSheet->prepared());
        Sheets::press(settings, "Button1");
        secondSheet =
            labelBoxes(s.senderSheet->prepared()->pages.at(0)) + printedNames(*s.senderSheet->prepared());
    });

    Sheets::press(*s.tform30, "BitBtn1");

    QCOMPARE(m_dialogs.shownWindows, (QStringList{"TForm15", "PreviewWindow", "PreviewWindow"}));
    QVERIFY(m_dialogs.messages.isEmpty());
    QCOMPARE(visibleWhileOpen, 3);
    QCOMPARE(s.senderSheet->prepared()->pages.size(), size_t(1));
    QCOMPARE(firstSheet,
             (QStringList{"0,0 105x32", "0,32 105x32", "0,64 105x32", "Feladó 1", "Feladó 3", "Feladó 4"}));
    QCOMPARE(secondSheet, firstSheet);
    QVERIFY(!s.db.tbl_Felado.filtered());
    QCOMPARE(s.db.tbl_Felado.recordCount(), 5);
    QCOMPARE(Sheets::markedCount(s.db.tbl_Felado), 0);
    QVERIFY(!s.partnerSheet->prepared());
}

void LabelsTest::settings_data() {
    QTest::addColumn<QList<Settings>>("presses"); // the fields typed for each press of "Nyomtat"
    QTest::addColumn<int>("records");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("pageWidth");
    QTest::addColumn<double>("pageLength");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("firstPageBoxes"); // the first and last label of page 1, and their count

    QTest::newRow("3 columns of 37 mm rows")
        << QList<Settings>{{"A4 - Álló", "0", "0", "0", "0", "3", "37"}} << 30 << QStringList{} << 210.0
        << 297.0 << 2 << QStringList{"0,0 70x37", "140,259 70x37", "24"};
    QTest::newRow("columns 0 keeps the previous columns")
        << QList<Settings>{{"A4 - Álló", "0", "0", "0", "0", "3", "37"},
                           {"A4 - Álló", "0", "0", "0", "0", "0", "37"}}
        << 30 << QStringList{} << 210.0 << 297.0 << 2 << QStringList{"0,0 70x37", "140,259 70x37", "24"};
    QTest::newRow("empty row height keeps the previous height")
        << QList<Settings>{{"A4 - Álló", "0", "0", "0", "0", "3", "37"},
                           {"A4 - Álló", "0", "0", "0", "0", "2", ""}}
        << 30 << QStringList{"Hibás a sorok magassága adat !"} << 210.0 << 297.0 << 2
        << QStringList{"0,0 105x37", "105,259 105x37", "16"};
    QTest::newRow("every field empty: design values, five messages")
        << QList<Settings>{{"", "", "", "", "", "", ""}} << 20
        << QStringList{"Hibás a lapméret adat !", "Hibás a bal margo adat", "Hibás a jobb margo adat !",
                       "Hibás az oszlopok száma adat !", "Hibás a sorok magassága adat !"}
        << 210.0 << 297.0 << 2 << QStringList{"0,0 105x32", "105,256 105x32", "18"};
    QTest::newRow("landscape with margins")
        << QList<Settings>{{"A4 - Fekvő", "10", "7", "5", "5", "2", "32"}} << 20 << QStringList{} << 297.0
        << 210.0 << 2 << QStringList{"10,5 140x32", "150,165 140x32", "12"};
    QTest::newRow("blanks and control characters around values")
        << QList<Settings>{{" A4 - Álló\t", " 0 ", "\t0", "0\r\n", " 0", " 3 ", "  37 "}} << 30
        << QStringList{} << 210.0 << 297.0 << 2 << QStringList{"0,0 70x37", "140,259 70x37", "24"};
    QTest::newRow("other page text keeps the page")
        << QList<Settings>{{"A4 - Fekvő", "0", "0", "0", "0", "2", "32"},
                           {"a4 - álló", "0", "0", "0", "0", "2", "32"}}
        << 20 << QStringList{"Hibás a lapméret adat !"} << 297.0 << 210.0 << 2
        << QStringList{"0,0 148.5x32", "148.5,160 148.5x32", "12"};
    // Not refused, and nothing hangs: a zero row height takes what the labels need, margins
    // that leave no room put one label on a page.
    QTest::newRow("no room for a label")
        << QList<Settings>{{"A4 - Álló", "120", "120", "200", "200", "2", "0"}} << 3 << QStringList{} << 210.0
        << 297.0 << 3 << QStringList{};
}

void LabelsTest::settings() {
    QFETCH(QList<Settings>, presses);
    QFETCH(int, records);
    QFETCH(QStringList, messages);
    QFETCH(double, pageWidth);
    QFETCH(double, pageLength);
    QFETCH(int, pages);
    QFETCH(QStringList, firstPageBoxes);
    Sheets s;
    std::set<int> all;
    for (int i = 1; i <= records; ++i)
        all.insert(i);
    Sheets::add(s.db.tbl_Partner, "P", records, all);
    QStringList messagesOfLastPress;
    m_dialogs.onShow("TForm32", [&](QWidget& settings) {
        for (const Settings& fields : presses) {
            m_dialogs.messages.clear();
            Sheets::type(settings, fields);
            Sheets::press(settings, "Button1");
        }
    });

    Sheets::press(*s.tform31, "BitBtn1");

    QCOMPARE(informationTexts(m_dialogs), messages);
    QCOMPARE(m_dialogs.shownWindows.count("PreviewWindow"), presses.size());
    const printing::Report& report = *s.partnerSheet->prepared();
    QCOMPARE(int(report.pages.size()), pages);
    QCOMPARE(report.pages[0].width.value(), pageWidth);
    QCOMPARE(report.pages[0].length.value(), pageLength);
    QCOMPARE(printedNames(report).size(), records);
    if (!firstPageBoxes.isEmpty()) {
        const QStringList boxes = labelBoxes(report.pages[0]);
        QCOMPARE((QStringList{boxes.first(), boxes.last(), QString::number(boxes.size())}), firstPageBoxes);
    }
}

void LabelsTest::notAWholeNumberStopsAtItsField_data() {
    QTest::addColumn<Settings>("fields");
    QTest::addColumn<QString>("error");
    QTest::addColumn<double>("leftMargin"); // after the press
    QTest::addColumn<int>("columns");
    QTest::newRow("decimal columns") << Settings{"A4 - Álló", "7", "0", "0", "0", "2.5", "40"}
                                     << "'2.5' is not a valid integer value" << 7.0 << 2;
    QTest::newRow("letters in the left margin") << Settings{"A4 - Álló", "tíz", "0", "0", "0", "3", "40"}
                                                << "'tíz' is not a valid integer value" << 0.0 << 2;
    QTest::newRow("decimal comma in the row height") << Settings{"A4 - Álló", "4", "0", "0", "0", "3", "37,5"}
                                                     << "'37,5' is not a valid integer value" << 4.0 << 3;
}

// The conversion error ends the press at that field: what came before is applied, what comes
// after is not, and no preview opens.
void LabelsTest::notAWholeNumberStopsAtItsField() {
    QFETCH(Settings, fields);
    QFETCH(QString, error);
    QFETCH(double, leftMargin);
    QFETCH(int, columns);
    Sheets s;
    TForm15& settings = *s.tform15;
    settings.show();
    Sheets::type(settings, fields);

    QString thrown;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, [&] {
        try {
            settings.Button1Click();
        } catch (const std::runtime_error& e) {
            thrown = QString::fromUtf8(e.what());
            throw;
        }
    }());

    QCOMPARE(thrown, error);
    QVERIFY(m_dialogs.shownWindows.isEmpty());
    QVERIFY(!s.senderSheet->prepared());
    const printing::Layout& layout = s.senderSheet->layout();
    QCOMPARE(layout.page().leftMargin.value(), leftMargin);
    QCOMPARE(layout.page().columns, columns);
    QCOMPARE(layout.bands().at(0).height.value(), 32.0);

    // The window empties its fields when it is shown again.
    settings.hide();
    settings.show();
    for (const char* name : settingFields) {
        QWidget* field = settings.findChild<QWidget*>(QLatin1String(name));
        if (auto* combo = qobject_cast<QComboBox*>(field))
            QCOMPARE(combo->currentText(), QString());
        else
            QCOMPARE(qobject_cast<QLineEdit*>(field)->text(), QString());
    }
}

// Closing the settings window without printing still clears every mark, under the hourglass.
void LabelsTest::closingWithoutPrintingClearsEveryMark() {
    Sheets s;
    Sheets::add(s.db.tbl_Partner, "Partner ", 6, {2, 3, 6});
    Sheets::add(s.db.tbl_Felado, "Feladó ", 2, {1});
    std::optional<Qt::CursorShape> cursorWhileClearing;
    connect(&s.db.tbl_Partner, &data::Table::dataChanged, this, [&] {
        if (s.db.tbl_Partner.filtered() && s.db.tbl_Partner.recordCount() == 0 && !cursorWhileClearing)
            cursorWhileClearing =
                QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    });

    Sheets::press(*s.tform31, "BitBtn1");

    QCOMPARE(m_dialogs.shownWindows, QStringList{"TForm32"});
    QCOMPARE(cursorWhileClearing, std::optional(Qt::WaitCursor));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(Sheets::markedCount(s.db.tbl_Partner), 0);
    QCOMPARE(s.db.tbl_Partner.recordCount(), 6);
    QVERIFY(!s.db.tbl_Partner.filtered());
    QCOMPARE(Sheets::markedCount(s.db.tbl_Felado), 1); // the other table keeps its marks
}

// A marked record held in edit by another copy: clearing fails as a whole, so every mark is
// still there to see and to print again, and the table is not left filtered.
void LabelsTest::clearingIsAllOrNothing() {
    Sheets s;
    Sheets::add(s.db.tbl_Partner, "Partner ", 5, {1, 2, 4, 5});
    data::Connection other;
    other.setLocation(s.dir.path());
    other.connect();
    data::Table otherPartner(other, data::partnerTable());
    otherPartner.setPassword(data::partnerTable().password);
    otherPartner.open();
    QVERIFY(otherPartner.locate("NEV", "Partner 4"));
    otherPartner.edit();

    QVERIFY_THROWS_EXCEPTION(data::DatabaseError, Sheets::press(*s.tform31, "BitBtn1"));

    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!s.db.tbl_Partner.filtered());
    QCOMPARE(s.db.tbl_Partner.recordCount(), 5);
    QCOMPARE(Sheets::markedCount(s.db.tbl_Partner), 4);

    otherPartner.cancel();
    Sheets::press(*s.tform31, "BitBtn1");
    QCOMPARE(Sheets::markedCount(s.db.tbl_Partner), 0);
}

// The partner chain prints partners only, even with senders marked, and leaves the senders'
// marks alone.
void LabelsTest::partnerSheetPrintsPartnersOnly() {
    Sheets s;
    Sheets::add(s.db.tbl_Felado, "Feladó ", 3, {1, 2, 3});
    Sheets::add(s.db.tbl_Partner, "Partner ", 3, {2});
    m_dialogs.onShow("TForm32", [&](QWidget& settings) {
        Sheets::type(settings, designSettings);
        Sheets::press(settings, "Button1");
    });

    Sheets::press(*s.tform31, "BitBtn1");

    QCOMPARE(m_dialogs.shownWindows, (QStringList{"TForm32", "PreviewWindow"}));
    QCOMPARE(printedNames(*s.partnerSheet->prepared()), QStringList{"Partner 2"});
    const printing::PlacedBand& label = s.partnerSheet->prepared()->pages.at(0).bands.at(0);
    QStringList lines;
    for (const printing::PlacedElement& element : label.elements)
        lines << element.lines.at(0).text;
    QCOMPARE(lines, (QStringList{"Partner 2", "Település 2", "Utca 2", "1002"}));
    QVERIFY(!s.senderSheet->prepared());
    QCOMPARE(Sheets::markedCount(s.db.tbl_Felado), 3);
    QCOMPARE(Sheets::markedCount(s.db.tbl_Partner), 0);
}

// In the program's registry each selection window reaches its settings window, created after
// it, and each settings window the sheet bound to its table.
void LabelsTest::programWiresTheChains() {
    Sheets s;
    Sheets::add(s.db.tbl_Felado, "Feladó ", 2, {2});
    Sheets::add(s.db.tbl_Partner, "Partner ", 2, {1});
    Windows windows(s.db);
    for (const char* settings : {"TForm15", "TForm32"})
        m_dialogs.onShow(settings, [](QWidget& window) {
            Sheets::type(window, designSettings);
            Sheets::press(window, "Button1");
        });

    Sheets::press(*windows.window("TForm30"), "BitBtn1");
    Sheets::press(*windows.window("TForm31"), "BitBtn1");

    QCOMPARE(m_dialogs.shownWindows, (QStringList{"TForm15", "PreviewWindow", "TForm32", "PreviewWindow"}));
    QCOMPARE(printedNames(*windows.layout("TForm29")->prepared()), QStringList{"Feladó 2"});
    QCOMPARE(printedNames(*windows.layout("TForm33")->prepared()), QStringList{"Partner 1"});
    QCOMPARE(Sheets::markedCount(s.db.tbl_Felado) + Sheets::markedCount(s.db.tbl_Partner), 0);
}

QTEST_MAIN(LabelsTest)
#include "labels_test.moc"
