#include "data/record_locks.h"

#include "data/database_error.h"

#include <QDir>

namespace kartella::data {

bool RecordLocks::tryLock(long long rowId) {
    if (m_held.count(rowId))
        return true;
    if (!m_file.isOpen() && !m_file.open(m_path))
        throw DatabaseError(QStringLiteral("A zárolási állomány nem nyitható meg: %1 !")
                                .arg(QDir::toNativeSeparators(m_path)));
    if (!m_file.tryLock(rowId))
        return false;
    m_held.insert(rowId);
    return true;
}

void RecordLocks::release(long long rowId) {
    if (m_held.erase(rowId))
        m_file.unlock(rowId);
}

void RecordLocks::releaseAll() {
    for (long long rowId : m_held)
        m_file.unlock(rowId);
    m_held.clear();
}

} // namespace kartella::data
