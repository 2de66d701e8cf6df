#pragma once

#include "data/platform.h"

#include <QString>
#include <set>

namespace kartella::data {

// Record locks between copies of the program sharing a directory: one byte per record
// (its rowid) in a sidecar file beside the table file.
class RecordLocks {
public:
    explicit RecordLocks(QString path) : m_path(std::move(path)) {}
    ~RecordLocks() { releaseAll(); }

    bool tryLock(long long rowId); // throws DatabaseError when the lock file cannot be opened
    void release(long long rowId);
    void releaseAll();

private:
    QString m_path;
    platform::ByteLockFile m_file;
    std::set<long long> m_held;
};

} // namespace kartella::data
