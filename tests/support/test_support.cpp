#include "tests/support/test_support.h"

#include "data/table.h"

namespace kartella::testing {

ProgramDirectory::ProgramDirectory() {
    for (const data::TableDef* table : data::allTables())
        data::createTableFile(m_dir.filePath(table->name + ".db"), *table, table->password);
}

} // namespace kartella::testing
