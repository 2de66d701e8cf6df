#pragma once
// The connection and the five table objects, owned by the main window and shared by every
// window: each table has one current record and one current index for the whole program.

#include "data/table.h"

namespace kartella::data {

struct Database {
    Connection TdbDatabase1;
    Table tbl_Irsz{TdbDatabase1, irszTable()};
    Table tbl_Orsz{TdbDatabase1, orszTable()};
    Table tbl_Partner{TdbDatabase1, partnerTable()};
    Table tbl_Felado{TdbDatabase1, feladoTable()};
    Table tbl_Config{TdbDatabase1, configTable()};

    // The directory the program started in: the tables, the update request and the updater lie there.
    QString programDirectory;
};

} // namespace kartella::data
