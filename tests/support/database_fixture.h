#pragma once
// An open program database in a temporary program directory, with a few reference records.

#include "data/database.h"
#include "tests/support/test_support.h"

#include <QTest>
#include <QWidget>

namespace kartella::testing {

struct OpenDatabase {
    ProgramDirectory dir;
    data::Database db;

    OpenDatabase() {
        db.TdbDatabase1.setLocation(dir.path());
        db.TdbDatabase1.connect();
        for (data::Table* t : {&db.tbl_Irsz, &db.tbl_Orsz, &db.tbl_Partner, &db.tbl_Felado, &db.tbl_Config}) {
            t->setPassword(t->definition().password);
            t->open();
        }
        db.programDirectory = dir.path();
    }

    // Adds a record: field, value, field, value ...
    static void add(data::Table& table, const QStringList& fieldsAndValues) {
        table.insert();
        for (int i = 0; i + 1 < fieldsAndValues.size(); i += 2)
            table.setFieldAsText(fieldsAndValues[i], fieldsAndValues[i + 1]);
        table.post();
    }

    void addPostalCodes() {
        const QStringList rows{"7600", "Pécs", "1011", "Budapest",  "3525", "Miskolc", "2000", "Szentendre",
                               "7621", "Pécs", "6720", "Szeged",    "8600", "Siófok",  "2943", "Bábolna",
                               "9021", "Győr", "2120", "Dunakeszi", "2040", "Budaörs", "4024", "Debrecen"};
        for (int i = 0; i < rows.size(); i += 2)
            add(db.tbl_Irsz, {"IRSZ", rows[i], "TELEP", rows[i + 1]});
    }

    void addCountries() {
        for (const auto& [sign, name, code] : {std::tuple{"HU", "Magyarország", "348"},
                                               {"AT", "Ausztria", "040"},
                                               {"DE", "Németország", "276"},
                                               {"SK", "Szlovákia", "703"}})
            add(db.tbl_Orsz, {"JEL", sign, "MEGNEV", name, "KOD", code});
    }
};

struct Party {
    QString name, postalCode, settlement, street;
};

// Adds parties with their names and addresses to Partner or Felado.
inline void addParties(data::Table& table, const QList<Party>& parties) {
    for (const Party& p : parties)
        OpenDatabase::add(table,
                          {"NEV", p.name, "IRSZ", p.postalCode, "TELEP", p.settlement, "CIM", p.street});
}

// A window's control by its name; a missing one ends the test run.
template <typename W> W& control(const QWidget& window, const char* name) {
    W* w = window.findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return *w;
}

} // namespace kartella::testing
