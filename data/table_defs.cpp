#include "data/table_defs.h"

namespace kartella::data {

const FieldDef* TableDef::field(const QString& fieldName) const {
    for (const FieldDef& f : fields)
        if (f.name == fieldName)
            return &f;
    return nullptr;
}

const IndexDef* TableDef::index(const QString& indexName) const {
    for (const IndexDef& i : indexes)
        if (i.name == indexName)
            return &i;
    return nullptr;
}

// Field sizes hold at least what the windows let the user type; names of countries and
// settlements taken from the reference lists may be longer, so those fields are wider.
const TableDef& irszTable() {
    static const TableDef def{
        "Irsz",
        "QJTMVB",
        {{"IRSZ", 6}, {"TELEP", 40}, {"TELK", 10}},
        {{"IRSZ", "IRSZ", Comparison::Exact}, {"TELEP", "TELEP", Comparison::HungarianCaseless}}};
    return def;
}

const TableDef& orszTable() {
    static const TableDef def{"Orsz",
                              "QJTMVB",
                              {{"JEL", 3}, {"MEGNEV", 60}, {"KOD", 3}},
                              {{"MEGNEV", "MEGNEV", Comparison::HungarianCaseless}}};
    return def;
}

const TableDef& partnerTable() {
    static const TableDef def{
        "Partner",
        "qjtmvb",
        {{"NEV", 25}, {"TIP", 15}, {"ORSZ", 60}, {"IRSZ", 6}, {"TELEP", 40}, {"CIM", 40}, {"TMP", 1}},
        {}};
    return def;
}

const TableDef& feladoTable() {
    static const TableDef def{
        "Felado", "", {{"NEV", 25}, {"ORSZ", 60}, {"IRSZ", 6}, {"TELEP", 40}, {"CIM", 40}, {"TMP", 1}}, {}};
    return def;
}

const TableDef& configTable() {
    static const TableDef def{"Config", "", {{"A", 40}, {"B", 1024}}, {{"A", "A", Comparison::Exact}}};
    return def;
}

const QList<const TableDef*>& allTables() {
    static const QList<const TableDef*> all{&irszTable(), &orszTable(), &partnerTable(), &feladoTable(),
                                            &configTable()};
    return all;
}

} // namespace kartella::data
