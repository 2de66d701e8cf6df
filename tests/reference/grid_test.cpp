#include "reference/data_grid.h"
#include "tests/support/database_fixture.h"
#include "tests/support/program_test_main.h"
#include "ui/scripted_dialogs.h"

#include <QHeaderView>
#include <QToolButton>
#include <QtTest>

using namespace kartella;
using testing::OpenDatabase;

namespace {

struct Countries {
    OpenDatabase o;
    data::Table& table = o.db.tbl_Orsz;
    std::unique_ptr<DBGrid> grid;
    Countries() {
        o.addCountries();
        table.setIndex("MEGNEV");
        grid = std::make_unique<DBGrid>(
            table, QList<GridColumn>{{"JEL", "Orsz. jel", 65, Qt::AlignCenter}, {"MEGNEV", "Ország", 330}},
            DBGrid::Editing::InPlace);
        grid->resize(500, 300);
        grid->show();
    }
    QString cell(int row, int column) const {
        return grid->model()->data(grid->model()->index(row, column)).toString();
    }
};

} // namespace

class GridTest : public QObject {
    Q_OBJECT
    ScriptedDialogs scripted;

private slots:
    void init() {
        scripted = ScriptedDialogs();
        setDialogs(&scripted);
    }

    void rowsFollowTheIndexAndTheCurrentRecordIsShared() {
        Countries c;
        QCOMPARE(c.grid->model()->rowCount(), 4);
        QCOMPARE(c.cell(0, 1), QString("Ausztria"));
        QCOMPARE(c.cell(3, 1), QString("Szlovákia"));
        QCOMPARE(c.grid->model()->headerData(1, Qt::Horizontal).toString(), QString("Ország"));
        QCOMPARE(c.grid->columnWidth(1), 330);
        c.grid->setCurrentIndex(c.grid->model()->index(2, 1));
        QCOMPARE(c.table.fieldAsText("MEGNEV"), QString("Németország"));
        c.table.first(); // someone else moves the table: the grid follows
        QCOMPARE(c.grid->currentIndex().row(), 0);
    }

    void typingEditsAndLeavingTheRowStores() {
        Countries c;
        QVERIFY(c.grid->model()->setData(c.grid->model()->index(1, 1), "Magyar Köztársaság", Qt::EditRole));
        QCOMPARE(c.table.state(), data::Table::State::Edit);
        QCOMPARE(c.grid->model()->headerData(1, Qt::Vertical).toString(), QString("I"));
        c.grid->setCurrentIndex(c.grid->model()->index(0, 1));
        QCOMPARE(c.table.state(), data::Table::State::Browse);
        c.table.refresh();
        QVERIFY(c.table.locate("MEGNEV", "Magyar Köztársaság"));
    }

    void aRefusedChangeIsReportedAndStaysInEditState() {
        Countries c;
        const QString tooLong(61, 'x');
        c.grid->model()->setData(c.grid->model()->index(0, 1), tooLong, Qt::EditRole);
        c.grid->setCurrentIndex(c.grid->model()->index(2, 1));
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].kind, QString("error"));
        QVERIFY2(scripted.messages[0].text.contains("MEGNEV"), qPrintable(scripted.messages[0].text));
        QCOMPARE(c.table.state(), data::Table::State::Edit);
        QTest::qWait(0);
        QCOMPARE(c.grid->currentIndex().row(), 0); // back on the record being edited
        c.table.cancel();
        c.table.refresh();
        QVERIFY(!c.table.locate("MEGNEV", tooLong));
        QCOMPARE(c.table.recordCount(), 4);
    }

    void insertAddsARowAndCtrlDeleteAsksFirst() {
        Countries c;
        QTest::keyClick(c.grid.get(), Qt::Key_Insert);
        QCOMPARE(c.table.state(), data::Table::State::Insert);
        QCOMPARE(c.grid->model()->rowCount(), 5);
        QCOMPARE(c.grid->currentIndex().row(), 4);
        c.grid->model()->setData(c.grid->model()->index(4, 1), "Ausztrália", Qt::EditRole);
        c.table.post();
        QCOMPARE(c.grid->model()->rowCount(), 5);
        QCOMPARE(c.cell(0, 1), QString("Ausztrália")); // in Hungarian name order once stored: á before i
        QCOMPARE(c.cell(1, 1), QString("Ausztria"));

        c.table.first();
        QTest::keyClick(c.grid.get(), Qt::Key_Delete, Qt::ControlModifier); // No
        QCOMPARE(scripted.messages.last().kind, QString("ask"));
        QCOMPARE(c.table.recordCount(), 5);
        scripted.answer(true);
        QTest::keyClick(c.grid.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(c.table.recordCount(), 4);
        QCOMPARE(c.cell(0, 1), QString("Ausztria"));
    }

    void theNavigatorActsAtOnce() {
        Countries c;
        DBNavigator navigator(c.table);
        auto press = [&](const char* name) { navigator.findChild<QToolButton*>(name)->click(); };
        QStringList tips;
        for (QToolButton* b : navigator.findChildren<QToolButton*>())
            tips << b->toolTip();
        QCOMPARE(tips,
                 QStringList({"Első rekord", "Előző rekord", "Következő rekord", "Utolsó rekord", "Új rekord",
                              "Rekord törlése", "Rekord szerkesztése", "Tárolás", "Elvetés", "Frissítés"}));
        press("nbLast");
        QCOMPARE(c.grid->currentIndex().row(), 3);
        press("nbPrior");
        QCOMPARE(c.table.fieldAsText("MEGNEV"), QString("Németország"));
        press("nbDelete"); // no question
        QVERIFY(scripted.messages.isEmpty());
        QCOMPARE(c.table.recordCount(), 3);
        QCOMPARE(c.table.fieldAsText("MEGNEV"), QString("Szlovákia"));
        press("nbEdit");
        c.table.setFieldAsText("KOD", "999");
        press("nbCancel");
        QCOMPARE(c.table.fieldAsText("KOD"), QString("703"));
        press("nbInsert");
        c.table.setFieldAsText("MEGNEV", "Zambia");
        press("nbPost");
        QCOMPARE(c.table.fieldAsText("MEGNEV"), QString("Zambia"));
        press("nbFirst");
        QCOMPARE(c.grid->currentIndex().row(), 0);
    }

    void aLargeTableReadsOnlyTheRowsShown() {
        testing::ProgramDirectory dir;
        QList<QStringList> partners;
        for (int i = 0; i < 20000; ++i)
            partners.append({QString("P%1").arg(i), "", "", "", "", "", ""});
        data::createTableFile(dir.filePath("Partner.db"), data::partnerTable(), "qjtmvb", partners);
        data::Connection connection;
        connection.setLocation(dir.path());
        data::Table table(connection, data::partnerTable());
        table.setPassword("qjtmvb");
        table.open();
        DBGrid grid(table, {{"NEV", "Név", 370}}, DBGrid::Editing::ReadOnly);
        grid.resize(600, 400);
        grid.show();
        QCOMPARE(grid.model()->rowCount(), 20000);
        table.last();
        QCOMPARE(grid.currentIndex().row(), 19999);
        QCOMPARE(grid.model()->data(grid.model()->index(19999, 0)).toString(), QString("P19999"));
        QCOMPARE(grid.model()->data(grid.model()->index(5, 0)).toString(), QString("P5"));
    }
};

KARTELLA_PROGRAM_TEST_MAIN(GridTest)
#include "grid_test.moc"
