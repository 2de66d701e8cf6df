#pragma once
// Helpers shared by the tests: a temporary program directory with fresh table files.

#include "data/table_defs.h"

#include <QString>
#include <QTemporaryDir>

namespace kartella::testing {

// A temporary directory holding the five (empty) table files with the program's passwords.
class ProgramDirectory {
public:
    ProgramDirectory();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace kartella::testing
