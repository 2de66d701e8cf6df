#pragma once

#include <QList>
#include <QString>

namespace kartella::data {

enum class Comparison {
    Exact,             // code unit by code unit: postal codes, configuration keys
    HungarianCaseless, // Hungarian alphabetical order, case ignored: settlement and country names
};

struct FieldDef {
    QString name;
    int size; // most characters the field holds
};

struct IndexDef {
    QString name;
    QString field;
    Comparison comparison;
};

struct TableDef {
    QString name;     // also the file name without ".db"
    QString password; // the password the program opens the table with ("" for none)
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const;
    const IndexDef* index(const QString& indexName) const;
};

// The five tables of the program directory.
const TableDef& irszTable();
const TableDef& orszTable();
const TableDef& partnerTable();
const TableDef& feladoTable();
const TableDef& configTable();
const QList<const TableDef*>& allTables();

} // namespace kartella::data
