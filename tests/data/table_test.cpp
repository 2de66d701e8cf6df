#include "data/config_store.h"
#include "data/table.h"
#include "tests/support/test_support.h"
#include "ui/scripted_dialogs.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace kartella;
using namespace kartella::data;

namespace {

struct Tables {
    testing::ProgramDirectory dir;
    Connection connection;
    Table irsz{connection, irszTable()};
    Table partner{connection, partnerTable()};
    Table config{connection, configTable()};

    Tables() {
        connection.setLocation(dir.path());
        connection.connect();
        for (Table* t : {&irsz, &partner, &config}) {
            t->setPassword(t->definition().password);
            t->open();
        }
    }
};

void add(Table& table, const QStringList& fieldsAndValues) {
    table.insert();
    for (int i = 0; i + 1 < fieldsAndValues.size(); i += 2)
        table.setFieldAsText(fieldsAndValues[i], fieldsAndValues[i + 1]);
    table.post();
}

QStringList column(Table& table, const QString& field) {
    QStringList values;
    for (table.first(); !table.eof(); table.next())
        values << table.fieldAsText(field);
    return values;
}

void addSettlements(Table& irsz) {
    const QStringList rows{"7600", "Pécs",
                           "1011", "Budapest",
                           "3525", "Miskolc",
                           "8000", "Székesfehérvár",
                           "2000", "Szentendre",
                           "9700", "Szombathely",
                           "3300", "Eger",
                           "8900", "Zalaegerszeg",
                           "6000", "Kecskemét",
                           "3600", "Ózd",
                           "9400", "Sopron",
                           "2800", "Tatabánya",
                           "5600", "Békéscsaba",
                           "3390", "Füzesabony",
                           "4028", "Debrecen",
                           "9021", "Győr",
                           "7634", "Pécs",
                           "8174", "Balatonkenese",
                           "2943", "Bábolna",
                           "8693", "Öreglak",
                           "2870", "Kisbér",
                           "2881", "Ászár",
                           "5000", "Szolnok",
                           "2700", "Cegléd",
                           "2300", "Ráckeve",
                           "4400", "Nyíregyháza",
                           "9200", "Mosonmagyaróvár",
                           "6400", "Kiskunhalas",
                           "7100", "Szekszárd",
                           "2600", "Vác",
                           "8800", "Nagykanizsa",
                           "3000", "Hatvan",
                           "1111", "bácsalmás",
                           "9300", "Csorna",
                           "8300", "Cuha"};
    for (int i = 0; i < rows.size(); i += 2)
        add(irsz, {"IRSZ", rows[i], "TELEP", rows[i + 1]});
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT
    ScriptedDialogs scripted;

private slots:
    void init() {
        scripted = ScriptedDialogs();
        setDialogs(&scripted);
    }

    void cursorWalksInInsertionOrder() {
        Tables t;
        QVERIFY(t.partner.eof());
        QCOMPARE(t.partner.recordCount(), 0);
        QCOMPARE(t.partner.fieldAsText("NEV"), QString());
        for (const char* name : {"Zoltán Kft.", "Ádám Bt.", "Béla"})
            add(t.partner, {"NEV", name});
        QCOMPARE(column(t.partner, "NEV"), QStringList({"Zoltán Kft.", "Ádám Bt.", "Béla"}));
        QVERIFY(t.partner.eof());
        t.partner.last();
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Béla"));
        t.partner.prior();
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Ádám Bt."));
        t.partner.open(); // opening an open table does nothing
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Ádám Bt."));
        t.partner.close();
        t.partner.close();
        QVERIFY(!t.partner.isOpen());
    }

    void indexesOrderHungarianIgnoringCase() {
        Tables t;
        addSettlements(t.irsz);
        t.irsz.setIndex("TELEP");
        const QStringList names = column(t.irsz, "TELEP");
        // Á sorts with A, Ö after O, "bácsalmás" among the B's in spite of its case, Cs after C.
        QVERIFY(names.indexOf("Ászár") < names.indexOf("Bábolna"));
        QVERIFY(names.indexOf("Ózd") < names.indexOf("Öreglak"));
        QVERIFY(names.indexOf("Öreglak") < names.indexOf("Pécs"));
        QVERIFY(names.indexOf("Bábolna") < names.indexOf("bácsalmás"));
        QVERIFY(names.indexOf("bácsalmás") < names.indexOf("Balatonkenese"));
        QVERIFY(names.indexOf("Cuha") < names.indexOf("Csorna"));
        QVERIFY(names.indexOf("Sopron") < names.indexOf("Szekszárd"));
        t.irsz.setIndex("IRSZ");
        QCOMPARE(column(t.irsz, "IRSZ").first(), QString("1011"));
        QCOMPARE(column(t.irsz, "IRSZ").last(), QString("9700"));
    }

    void findNearestAndFindKey_data() {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("nearest");
        QTest::addColumn<bool>("found");
        QTest::newRow("prefix") << "TELEP"
                                << "Bu"
                                << "Budapest" << false;
        QTest::newRow("lower-case prefix") << "TELEP"
                                           << "bu"
                                           << "Budapest" << false;
        QTest::newRow("whole name any case") << "TELEP"
                                             << "pécs"
                                             << "Pécs" << true;
        QTest::newRow("accent is a letter") << "TELEP"
                                            << "Ö"
                                            << "Öreglak" << false;
        QTest::newRow("between") << "TELEP"
                                 << "Kisk"
                                 << "Kiskunhalas" << false;
        QTest::newRow("past the end") << "TELEP"
                                      << "Zz"
                                      << "Zalaegerszeg" << false;
        QTest::newRow("code exact") << "IRSZ"
                                    << "3390"
                                    << "Füzesabony" << true;
        QTest::newRow("code nearest") << "IRSZ"
                                      << "3391"
                                      << "Miskolc" << false;
    }
    void findNearestAndFindKey() {
        QFETCH(QString, index);
        QFETCH(QString, search);
        QFETCH(QString, nearest);
        QFETCH(bool, found);
        Tables t;
        addSettlements(t.irsz);
        t.irsz.setIndex(index);
        t.irsz.findNearest(search);
        QCOMPARE(t.irsz.fieldAsText("TELEP"), nearest);
        QCOMPARE(t.irsz.findKey(search), found);
        if (found)
            QCOMPARE(t.irsz.fieldAsText("TELEP"), nearest);
    }

    void locateIsExactAndFirstInOrder() {
        Tables t;
        addSettlements(t.irsz);
        QVERIFY(t.irsz.locate("TELEP", "Pécs"));
        QCOMPARE(t.irsz.fieldAsText("IRSZ"), QString("7600")); // the first of Pécs's codes
        QVERIFY(!t.irsz.locate("TELEP", "pécs"));
        QVERIFY(!t.irsz.locate("TELEP", "Pé"));
        QVERIFY(!t.irsz.locate("TELEP", ""));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, t.irsz.locate("NOPE", "x"));
    }

    void postKeepsTheStoredRecordCurrent() {
        Tables t;
        addSettlements(t.irsz);
        t.irsz.setIndex("TELEP");
        add(t.irsz, {"IRSZ", "8600", "TELEP", "Siófok"});
        QCOMPARE(t.irsz.fieldAsText("TELEP"), QString("Siófok"));
        t.irsz.next();
        QCOMPARE(t.irsz.fieldAsText("TELEP"), QString("Sopron")); // where the index put it
        t.irsz.edit();
        t.irsz.setFieldAsText("TELEP", "Abaújszántó");
        t.irsz.post();
        QCOMPARE(t.irsz.fieldAsText("TELEP"), QString("Abaújszántó"));
        QCOMPARE(t.irsz.currentRow(), 0);

        add(t.partner, {"NEV", "Első"});
        add(t.partner, {"NEV", "Második"});
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Második"));
    }

    void deleteMakesTheFollowingRecordCurrent() {
        Tables t;
        for (const char* name : {"A", "B", "C"})
            add(t.partner, {"NEV", name});
        t.partner.first();
        t.partner.remove();
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("B"));
        t.partner.last();
        t.partner.remove(); // the last one: the new last becomes current
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("B"));
        t.partner.remove();
        QCOMPARE(t.partner.recordCount(), 0);
        QVERIFY(t.partner.eof());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, t.partner.remove());
    }

    void cancelRestoresAndMovingAwayPosts() {
        Tables t;
        add(t.partner, {"NEV", "Régi"});
        t.partner.edit();
        t.partner.setFieldAsText("NEV", "Új");
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Új"));
        t.partner.cancel();
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Régi"));
        t.partner.edit();
        t.partner.setFieldAsText("NEV", "Új");
        t.partner.first(); // leaving the record stores it rather than losing the change
        QCOMPARE(t.partner.state(), Table::State::Browse);
        t.partner.refresh();
        QCOMPARE(t.partner.fieldAsText("NEV"), QString("Új"));
    }

    void tooLongTextIsRefusedAndNothingStored() {
        Tables t;
        add(t.partner, {"NEV", "Kiss"});
        t.partner.edit();
        t.partner.setFieldAsText("NEV", QString(26, 'x'));
        t.partner.setFieldAsText("CIM", "Fő utca 1.");
        try {
            t.partner.post();
            QFAIL("post accepted a 26-character name");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.text().contains("NEV") && e.text().contains("25"), qPrintable(e.text()));
        }
        QCOMPARE(t.partner.state(), Table::State::Edit);
        t.partner.cancel();
        Connection other;
        other.setLocation(t.dir.path());
        Table fresh(other, partnerTable());
        fresh.setPassword("qjtmvb");
        fresh.open();
        QCOMPARE(fresh.fieldAsText("NEV"), QString("Kiss"));
        QCOMPARE(fresh.fieldAsText("CIM"), QString());
    }

    void filterShowsOnlyMatchingRecords() {
        Tables t;
        for (const auto& [name, mark] : {std::pair{"A", "X"}, {"B", ""}, {"C", "X"}, {"D", ""}})
            add(t.partner, {"NEV", name, "TMP", mark});
        t.partner.setFilter("TMP = 'X'");
        QCOMPARE(t.partner.recordCount(), 4); // not in force until switched on
        t.partner.setFiltered(true);
        QCOMPARE(t.partner.recordCount(), 2);
        QCOMPARE(column(t.partner, "NEV"), QStringList({"A", "C"}));
        QStringList seen;
        t.partner.forEachRecord({"NEV", "NOPE"}, [&](const QStringList& v) { seen << v.join('|'); });
        QCOMPARE(seen, QStringList({"A|", "C|"}));
        QVERIFY(t.partner.locate("NEV", "C"));
        QVERIFY(!t.partner.locate("NEV", "B")); // hidden by the filter

        t.partner.setFieldOnVisibleRecords("TMP", "");
        QCOMPARE(t.partner.recordCount(), 0);
        t.partner.setFiltered(false);
        QCOMPARE(column(t.partner, "TMP"), QStringList({"", "", "", ""}));
    }

    void filterExpressionsOtherThanFieldEqualsValueAreRefused_data() {
        QTest::addColumn<QString>("expression");
        QTest::newRow("unknown field") << "XYZ = 'X'";
        QTest::newRow("other operator") << "TMP <> 'X'";
        QTest::newRow("unquoted") << "TMP = X";
        QTest::newRow("two terms") << "TMP = 'X' OR NEV = 'A'";
        QTest::newRow("injection") << "TMP = 'X'; DROP TABLE Partner";
    }
    void filterExpressionsOtherThanFieldEqualsValueAreRefused() {
        QFETCH(QString, expression);
        Tables t;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, t.partner.setFilter(expression));
        QCOMPARE(t.partner.filter(), QString());
    }

    void passwordAndMissingFileRefuseToOpen() {
        testing::ProgramDirectory dir;
        Connection c;
        c.setLocation(dir.path());
        Table partner(c, partnerTable());
        partner.setPassword("rossz");
        try {
            partner.open();
            QFAIL("opened with a wrong password");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.text().contains("Partner") && e.text().contains("jelszó"), qPrintable(e.text()));
        }
        QVERIFY(!partner.isOpen());
        partner.setPassword("QJTMVB"); // passwords are case-sensitive
        QVERIFY_THROWS_EXCEPTION(DatabaseError, partner.open());
        partner.setPassword("qjtmvb");
        partner.open();
        QVERIFY(partner.isOpen());

        QVERIFY(QFile::remove(dir.filePath("Orsz.db")));
        Table orsz(c, orszTable());
        orsz.setPassword("QJTMVB");
        try {
            orsz.open();
            QFAIL("opened a missing table");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.text().contains("Orsz") && e.text().contains(QDir::toNativeSeparators(dir.path())),
                     qPrintable(e.text()));
        }
        QVERIFY(!QFile::exists(dir.filePath("Orsz.db"))); // the program never creates a table
    }

    void tablesOpenInTheCurrentDirectoryWhenNoLocationIsSet() {
        testing::ProgramDirectory dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Connection c;
        Table felado(c, feladoTable());
        felado.open();
        add(felado, {"NEV", "Iroda"});
        const QString opened = c.filePath(feladoTable());
        QDir::setCurrent(before);
        QCOMPARE(QFileInfo(opened).canonicalFilePath(),
                 QFileInfo(dir.filePath("Felado.db")).canonicalFilePath());
        c.disconnect();
        QVERIFY(!felado.isOpen());
    }

    void configStoreWritesOneRecordPerKey() {
        Tables t;
        ConfigStore store(t.config);
        QCOMPARE(store.read("PRDIR"), std::optional<QString>());
        store.write("PRDIR", "/elso/indulas");
        QCOMPARE(t.config.recordCount(), 1);
        store.write("MASIK", "x");
        store.write("PRDIR", "/masodik/indulas");
        QCOMPARE(t.config.recordCount(), 2);
        QCOMPARE(store.read("PRDIR"), std::optional<QString>("/masodik/indulas"));
        QCOMPARE(store.read("MASIK"), std::optional<QString>("x"));
        QVERIFY(scripted.messages.isEmpty());
    }

    void configStoreReportsAFailedKeySearch() {
        Tables t;
        ConfigStore store(t.config);
        store.write("PRDIR", "/a");
        t.config.close(); // every search now fails with a database error
        QCOMPARE(store.read("PRDIR"), std::optional<QString>());
        QCOMPARE(scripted.messages.size(), 1);
        QCOMPARE(scripted.messages[0].text, QString("Hiba történt !!!"));
        QCOMPARE(scripted.messages[0].caption, QString("Config állomány:"));
    }

    void signalsLetGridsFollowTheCursor() {
        Tables t;
        add(t.partner, {"NEV", "A"});
        add(t.partner, {"NEV", "B"});
        QSignalSpy moved(&t.partner, &Table::currentChanged);
        QSignalSpy changed(&t.partner, &Table::dataChanged);
        t.partner.first();
        QVERIFY(moved.count() >= 1);
        add(t.partner, {"NEV", "C"});
        QVERIFY(changed.count() >= 1);
        QCOMPARE(t.partner.valueAt(2, "NEV"), QString("C"));
        QCOMPARE(t.partner.valueAt(7, "NEV"), QString());
    }
};

QTEST_GUILESS_MAIN(TableTest)
#include "table_test.moc"
