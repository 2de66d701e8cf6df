#include "data/table.h"

#include "data/record_locks.h"
#include "data/sqlite.h"

#include <QCollator>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <sqlite3.h>
#include <unordered_map>
#include <unordered_set>

namespace kartella::data {

namespace {

const QString metaTable = QStringLiteral("kartella_meta");

QString quoted(const QString& identifier) {
    return '"' + identifier + '"';
}

QString passwordHash(const QString& salt, const QString& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

// Hungarian alphabetical order with case ignored: "Ö" after "O", "cs" after "c", "bu" before "Budapest".
const QCollator& hungarianCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Hungarian, QLocale::Hungary));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

// ---- Connection -------------------------------------------------------------------------

void Connection::setLocation(const QString& directory) {
    if (m_connected)
        throw DatabaseError(
            QStringLiteral("Az adatbázis helye nyitott kapcsolat mellett nem változtatható !"));
    m_location = directory;
}

void Connection::connect() {
    if (m_connected)
        return;
    if (m_beforeConnect)
        m_beforeConnect();
    m_connected = true;
}

void Connection::disconnect() {
    if (!m_connected)
        return;
    for (Table* table : m_tables)
        table->close();
    m_connected = false;
}

QString Connection::filePath(const TableDef& table) const {
    // An empty location is the process's current directory.
    const QDir dir(m_location.isEmpty() ? QDir::currentPath() : m_location);
    return dir.absoluteFilePath(table.name + QStringLiteral(".db"));
}

// ---- Table ------------------------------------------------------------------------------

Table::Table(Connection& connection, const TableDef& definition, QObject* parent)
    : QObject(parent), m_connection(connection), m_def(definition) {
    m_connection.m_tables.push_back(this);
}

Table::~Table() {
    try {
        close();
    } catch (...) {
    }
    auto& tables = m_connection.m_tables;
    tables.erase(std::remove(tables.begin(), tables.end(), this), tables.end());
}

void Table::fail(const QString& what) const {
    throw DatabaseError(QStringLiteral("%1: %2").arg(m_def.name, what));
}

void Table::requireOpen() const {
    if (!m_db)
        fail(QStringLiteral("a tábla nincs megnyitva !"));
}

int Table::fieldIndex(const QString& field) const {
    for (int i = 0; i < m_def.fields.size(); ++i)
        if (m_def.fields[i].name == field)
            return i;
    fail(QStringLiteral("nincs %1 nevű mező !").arg(field));
}

void Table::open() {
    if (m_db)
        return;
    m_connection.connect();
    const QString path = m_connection.filePath(m_def);
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Hiányzik a(z) %1 tábla (%2) a program könyvtárából: %3 !")
                                .arg(m_def.name, QFileInfo(path).fileName(),
                                     QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QDir::toNativeSeparators(path).toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("A(z) %1 tábla nem nyitható meg: %2 !")
                                .arg(m_def.name, QDir::toNativeSeparators(path)));
    }
    try {
        sqlite3_busy_timeout(db, 5000);
        // Rollback journal (not WAL: it fails on network shares) and a full sync on every commit.
        sql::exec(db, QStringLiteral("PRAGMA journal_mode=DELETE"), m_def.name);
        sql::exec(db, QStringLiteral("PRAGMA synchronous=FULL"), m_def.name);
        QString salt, hash, storedName;
        sql::Statement meta(db, QStringLiteral("SELECT key, value FROM %1").arg(metaTable), m_def.name);
        while (meta.step()) {
            const QString key = meta.text(0);
            if (key == "table")
                storedName = meta.text(1);
            else if (key == "password_salt")
                salt = meta.text(1);
            else if (key == "password_hash")
                hash = meta.text(1);
        }
        if (storedName != m_def.name)
            fail(QStringLiteral("az állomány nem ennek a táblának az adatait tartalmazza !"));
        if (!hash.isEmpty() && passwordHash(salt, m_password) != hash)
            throw DatabaseError(QStringLiteral("A(z) %1 tábla nem nyitható meg: hibás vagy hiányzó jelszó !")
                                    .arg(m_def.name));
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    m_db = db;
    m_locks = std::make_unique<RecordLocks>(QFileInfo(path).absolutePath() + '/' + m_def.name +
                                            QStringLiteral(".lck"));
    m_state = State::Browse;
    rebuildView();
    first();
}

void Table::close() {
    if (!m_db)
        return;
    m_locks.reset(); // releases every record lock
    m_state = State::Browse;
    m_editRowId = -1;
    sqlite3_close(m_db);
    m_db = nullptr;
    m_view.clear();
    m_row = -1;
    m_eof = m_bof = true;
    m_currentId = -2;
}

bool Table::matchesFilter(const QStringList& values) const {
    return !m_filter || values.value(fieldIndex(m_filter->field)) == m_filter->value;
}

int Table::compareKeys(const QString& a, const QString& b) const {
    const IndexDef* index = m_def.index(m_indexName);
    if (index && index->comparison == Comparison::HungarianCaseless)
        return hungarianCollator().compare(a, b);
    return a.compare(b);
}

void Table::rebuildView() {
    requireOpen();
    const long long keep = currentRowId();
    const IndexDef* index = m_def.index(m_indexName);
    QString sqlText = QStringLiteral("SELECT rowid%1 FROM %2")
                          .arg(index ? ", " + quoted(index->field) : QString(), quoted(m_def.name));
    if (m_filter)
        sqlText += QStringLiteral(" WHERE %1 = ?1").arg(quoted(m_filter->field));
    sqlText += QStringLiteral(" ORDER BY rowid");
    sql::Statement query(m_db, sqlText, m_def.name);
    if (m_filter)
        query.bind(1, m_filter->value);
    m_view.clear();
    if (!index) {
        while (query.step())
            m_view.push_back(query.integer(0));
    } else {
        struct Keyed {
            long long rowId;
            QString key;
        };
        std::vector<Keyed> rows;
        while (query.step())
            rows.push_back({query.integer(0), query.text(1)});
        if (index->comparison == Comparison::HungarianCaseless) {
            std::vector<std::pair<QCollatorSortKey, size_t>> keys;
            keys.reserve(rows.size());
            for (size_t i = 0; i < rows.size(); ++i)
                keys.emplace_back(hungarianCollator().sortKey(rows[i].key), i);
            std::stable_sort(keys.begin(), keys.end(),
                             [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
            for (const auto& k : keys)
                m_view.push_back(rows[k.second].rowId);
        } else {
            std::stable_sort(rows.begin(), rows.end(),
                             [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
            for (const Keyed& r : rows)
                m_view.push_back(r.rowId);
        }
    }
    m_currentId = -2;
    const auto found = std::find(m_view.begin(), m_view.end(), keep);
    if (found != m_view.end())
        m_row = int(found - m_view.begin());
    else
        m_row = m_view.empty() ? -1 : std::clamp(m_row, 0, int(m_view.size()) - 1);
    if (m_view.empty())
        m_eof = m_bof = true;
    emit dataChanged();
    emit currentChanged();
}

long long Table::currentRowId() const {
    return (m_row >= 0 && m_row < int(m_view.size())) ? m_view[size_t(m_row)] : -1;
}

void Table::setRow(int row) {
    if (row != m_row) {
        m_row = row;
        m_currentId = -2;
        emit currentChanged();
    }
}

void Table::loadCurrent() const {
    const long long id = currentRowId();
    if (id == m_currentId)
        return;
    m_current.clear();
    m_currentId = id;
    if (id < 0 || !m_db)
        return;
    QStringList names;
    for (const FieldDef& f : m_def.fields)
        names << quoted(f.name);
    sql::Statement query(
        m_db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1").arg(names.join(", "), quoted(m_def.name)),
        m_def.name);
    query.bind(1, id);
    if (query.step())
        for (int i = 0; i < m_def.fields.size(); ++i)
            m_current << query.text(i);
}

void Table::refresh() {
    requireOpen();
    rebuildView();
}

// Moving away from a record being inserted or edited stores it first, so nothing typed is lost.
void Table::first() {
    requireOpen();
    post();
    setRow(m_view.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_view.empty();
}

void Table::next() {
    requireOpen();
    post();
    if (m_row + 1 < int(m_view.size())) {
        setRow(m_row + 1);
        m_eof = false;
    } else {
        m_eof = true;
    }
    m_bof = m_view.empty();
}

void Table::prior() {
    requireOpen();
    post();
    if (m_row > 0) {
        setRow(m_row - 1);
        m_bof = false;
    } else {
        m_bof = true;
    }
    m_eof = m_view.empty();
}

void Table::last() {
    requireOpen();
    post();
    setRow(int(m_view.size()) - 1);
    m_eof = true;
    m_bof = m_view.empty();
}

void Table::moveToRow(int row) {
    requireOpen();
    if (row < 0 || row >= int(m_view.size()))
        return;
    post();
    setRow(row);
    m_bof = row == 0;
    m_eof = false;
}

int Table::recordCount() const {
    return m_db ? int(m_view.size()) : 0;
}

void Table::setIndex(const QString& indexName) {
    requireOpen();
    if (!indexName.isEmpty() && !m_def.index(indexName))
        fail(QStringLiteral("nincs %1 nevű index !").arg(indexName));
    if (indexName == m_indexName)
        return;
    post();
    m_indexName = indexName;
    rebuildView();
}

bool Table::findKey(const QString& value) {
    requireOpen();
    const IndexDef* index = m_def.index(m_indexName);
    if (!index)
        fail(QStringLiteral("kulcs szerinti kereséshez nincs index beállítva !"));
    post();
    findNearest(value);
    return !m_view.empty() && compareKeys(valueAt(m_row, index->field), value) == 0;
}

void Table::findNearest(const QString& value) {
    requireOpen();
    const IndexDef* index = m_def.index(m_indexName);
    if (!index)
        fail(QStringLiteral("kulcs szerinti kereséshez nincs index beállítva !"));
    post();
    if (m_view.empty())
        return;
    // Binary search over the ordered view, reading only the keys it visits.
    int lo = 0, hi = int(m_view.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (compareKeys(valueAt(mid, index->field), value) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    setRow(std::min(lo, int(m_view.size()) - 1));
    m_eof = false;
    m_bof = m_row == 0;
}

bool Table::locate(const QString& field, const QString& value) {
    requireOpen();
    fieldIndex(field);
    post();
    QString sqlText =
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ?1").arg(quoted(m_def.name), quoted(field));
    if (m_filter)
        sqlText += QStringLiteral(" AND %1 = ?2").arg(quoted(m_filter->field));
    sql::Statement query(m_db, sqlText, m_def.name);
    query.bind(1, value);
    if (m_filter)
        query.bind(2, m_filter->value);
    std::unordered_set<long long> matches;
    while (query.step())
        matches.insert(query.integer(0));
    if (matches.empty())
        return false;
    for (size_t i = 0; i < m_view.size(); ++i) {
        if (matches.count(m_view[i])) {
            setRow(int(i));
            m_eof = false;
            m_bof = i == 0;
            return true;
        }
    }
    return false; // added by another copy since the last refresh
}

void Table::insert() {
    requireOpen();
    post();
    m_state = State::Insert;
    m_buffer = QStringList();
    for (int i = 0; i < m_def.fields.size(); ++i)
        m_buffer << QString();
    emit currentChanged();
}

void Table::withLockRetry(const LockConflictHandler& handler, const std::function<void()>& attempt) {
    for (;;) {
        try {
            attempt();
            return;
        } catch (const DatabaseError& error) {
            if (!handler)
                throw;
            if (!handler(error))
                throw SilentAbort();
        }
    }
}

void Table::edit() {
    requireOpen();
    if (m_state != State::Browse)
        return;
    if (m_view.empty())
        fail(QStringLiteral("üres táblában nincs módosítható rekord !"));
    withLockRetry(m_editConflict, [this] {
        const long long id = currentRowId();
        if (!m_locks->tryLock(id))
            fail(QStringLiteral("a rekordot egy másik felhasználó zárolta !"));
        m_currentId = -2; // read the record afresh under the lock
        loadCurrent();
        if (m_current.isEmpty()) {
            m_locks->release(id);
            fail(QStringLiteral("a rekordot időközben egy másik felhasználó törölte !"));
        }
        m_editRowId = id;
        m_buffer = m_current;
        m_state = State::Edit;
    });
    emit currentChanged();
}

QString Table::fieldAsText(const QString& field) const {
    const int i = fieldIndex(field);
    if (m_state != State::Browse)
        return m_buffer.value(i);
    loadCurrent();
    return m_current.value(i);
}

void Table::setFieldAsText(const QString& field, const QString& text) {
    const int i = fieldIndex(field);
    if (m_state == State::Browse)
        fail(QStringLiteral("a rekord nincs szerkesztés alatt !"));
    m_buffer[i] = text;
}

void Table::checkFieldSizes() const {
    for (int i = 0; i < m_def.fields.size(); ++i) {
        const FieldDef& f = m_def.fields[i];
        if (m_buffer[i].size() > f.size)
            throw DatabaseError(
                QStringLiteral("A(z) %1 mező legfeljebb %2 karakter hosszú lehet (%3 tábla) !")
                    .arg(f.name)
                    .arg(f.size)
                    .arg(m_def.name));
    }
}

void Table::post() {
    if (m_state == State::Browse)
        return;
    checkFieldSizes();
    QStringList names, places;
    for (int i = 0; i < m_def.fields.size(); ++i) {
        names << quoted(m_def.fields[i].name);
        places << QStringLiteral("?%1").arg(i + 1);
    }
    long long id = m_editRowId;
    {
        sql::Transaction transaction(m_db, m_def.name);
        if (m_state == State::Insert) {
            sql::Statement insertRow(m_db,
                                     QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(quoted(m_def.name), names.join(", "), places.join(", ")),
                                     m_def.name);
            for (int i = 0; i < m_buffer.size(); ++i)
                insertRow.bind(i + 1, m_buffer[i]);
            insertRow.run();
            id = sqlite3_last_insert_rowid(m_db);
        } else {
            QStringList sets;
            for (int i = 0; i < names.size(); ++i)
                sets << names[i] + " = " + places[i];
            sql::Statement update(m_db,
                                  QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                                      .arg(quoted(m_def.name), sets.join(", "))
                                      .arg(names.size() + 1),
                                  m_def.name);
            for (int i = 0; i < m_buffer.size(); ++i)
                update.bind(i + 1, m_buffer[i]);
            update.bind(int(m_buffer.size()) + 1, id);
            update.run();
            if (sqlite3_changes(m_db) == 0)
                fail(QStringLiteral("a rekordot időközben egy másik felhasználó törölte !"));
        }
        transaction.commit();
    }
    const bool inserted = m_state == State::Insert;
    const QStringList before = m_current;
    const QStringList stored = m_buffer;
    m_state = State::Browse;
    if (m_editRowId >= 0)
        m_locks->release(m_editRowId);
    m_editRowId = -1;

    // Keep the view in step without re-reading the table where the order cannot have changed.
    const IndexDef* index = m_def.index(m_indexName);
    const bool visible = matchesFilter(stored);
    if (inserted && !index && visible) {
        m_view.push_back(id);
        m_row = int(m_view.size()) - 1;
        emit dataChanged();
    } else if (inserted || index || m_filter) {
        const bool orderKept =
            !inserted && visible &&
            (!index || before.value(fieldIndex(index->field)) == stored.value(fieldIndex(index->field)));
        if (!orderKept) {
            const int row = m_row;
            m_view.clear();
            m_row = -1;
            rebuildView();
            const auto found = std::find(m_view.begin(), m_view.end(), id);
            m_row = found != m_view.end()
                        ? int(found - m_view.begin())
                        : (m_view.empty() ? -1 : std::clamp(row, 0, int(m_view.size()) - 1));
        }
    }
    m_eof = m_view.empty();
    m_bof = m_view.empty() || m_row == 0;
    m_currentId = -2;
    emit currentChanged();
}

void Table::cancel() {
    if (m_state == State::Browse)
        return;
    if (m_editRowId >= 0)
        m_locks->release(m_editRowId);
    m_editRowId = -1;
    m_state = State::Browse;
    m_currentId = -2;
    emit currentChanged();
}

void Table::remove() {
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_view.empty())
        fail(QStringLiteral("üres táblából nem törölhető rekord !"));
    const long long id = m_state == State::Edit ? m_editRowId : currentRowId();
    withLockRetry(m_deleteConflict, [this, id] {
        if (!m_locks->tryLock(id))
            fail(QStringLiteral("a rekordot egy másik felhasználó zárolta !"));
    });
    try {
        sql::Statement deleteRow(
            m_db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoted(m_def.name)), m_def.name);
        deleteRow.bind(1, id);
        deleteRow.run();
    } catch (...) {
        if (id != m_editRowId)
            m_locks->release(id);
        throw;
    }
    m_locks->release(id);
    m_editRowId = -1;
    m_state = State::Browse;
    const auto found = std::find(m_view.begin(), m_view.end(), id);
    if (found != m_view.end())
        m_view.erase(found);
    m_row = m_view.empty() ? -1 : std::min(m_row, int(m_view.size()) - 1);
    m_eof = m_view.empty();
    m_bof = m_view.empty() || m_row == 0;
    m_currentId = -2;
    emit dataChanged();
    emit currentChanged();
}

void Table::setFilter(const QString& expression) {
    std::optional<Filter> parsed;
    if (!expression.trimmed().isEmpty()) {
        static const QRegularExpression form(QStringLiteral("^\\s*(\\w+)\\s*=\\s*'([^']*)'\\s*$"));
        const QRegularExpressionMatch match = form.match(expression);
        if (!match.hasMatch() || !m_def.field(match.captured(1)))
            fail(QStringLiteral("érvénytelen szűrőfeltétel: %1 !").arg(expression));
        parsed = Filter{match.captured(1), match.captured(2)};
    }
    m_filterText = expression;
    if (m_filtered) {
        post();
        m_filter = parsed;
        if (m_db) {
            rebuildView();
            first();
        }
    }
}

void Table::setFiltered(bool on) {
    if (on == m_filtered)
        return;
    post();
    m_filtered = on;
    m_filter.reset();
    if (on)
        setFilter(m_filterText);
    else if (m_db) {
        rebuildView();
        first();
    }
}

QString Table::valueAt(int row, const QString& field) const {
    requireOpen();
    const int i = fieldIndex(field);
    if (row < 0 || row >= int(m_view.size()))
        return {};
    if (row == m_row) {
        loadCurrent();
        return m_current.value(i);
    }
    sql::Statement query(
        m_db, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1").arg(quoted(field), quoted(m_def.name)),
        m_def.name);
    query.bind(1, m_view[size_t(row)]);
    return query.step() ? query.text(0) : QString();
}

QList<QStringList> Table::rows(int first, int count, const QStringList& fields) const {
    requireOpen();
    first = std::max(first, 0);
    const int end = std::min(first + count, int(m_view.size()));
    QList<QStringList> result;
    if (first >= end)
        return result;
    QStringList columns{QStringLiteral("rowid")}, ids;
    for (const QString& f : fields) {
        fieldIndex(f);
        columns << quoted(f);
    }
    for (int i = first; i < end; ++i)
        ids << QString::number(m_view[size_t(i)]);
    sql::Statement query(m_db,
                         QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                             .arg(columns.join(", "), quoted(m_def.name), ids.join(',')),
                         m_def.name);
    std::unordered_map<long long, QStringList> found;
    while (query.step()) {
        QStringList values;
        for (int i = 0; i < fields.size(); ++i)
            values << query.text(i + 1);
        found.emplace(query.integer(0), std::move(values));
    }
    for (int i = first; i < end; ++i) {
        const auto it = found.find(m_view[size_t(i)]);
        result.append(it != found.end() ? it->second : QStringList(QList<QString>(fields.size())));
    }
    return result;
}

void Table::forEachRecord(const QStringList& fields,
                          const std::function<void(const QStringList& values)>& visit) const {
    requireOpen();
    QStringList columns{QStringLiteral("rowid")};
    QList<bool> known;
    for (const QString& f : fields) {
        known << (m_def.field(f) != nullptr);
        columns << (known.last() ? quoted(f) : QStringLiteral("''"));
    }
    sql::Statement query(
        m_db, QStringLiteral("SELECT %1 FROM %2").arg(columns.join(", "), quoted(m_def.name)), m_def.name);
    std::unordered_map<long long, QStringList> records;
    records.reserve(m_view.size());
    while (query.step()) {
        QStringList values;
        for (int i = 0; i < fields.size(); ++i)
            values << query.text(i + 1);
        records.emplace(query.integer(0), std::move(values));
    }
    for (long long id : m_view) {
        const auto found = records.find(id);
        if (found != records.end())
            visit(found->second);
    }
}

void Table::setFieldOnVisibleRecords(const QString& field, const QString& value) {
    requireOpen();
    fieldIndex(field);
    post();
    if (value.size() > m_def.field(field)->size)
        fail(QStringLiteral("túl hosszú érték a(z) %1 mezőben !").arg(field));
    // Every record must be free of other copies' edits before anything is written.
    withLockRetry(m_editConflict, [this] {
        for (long long id : m_view) {
            if (!m_locks->tryLock(id)) {
                m_locks->releaseAll();
                fail(QStringLiteral("a rekordot egy másik felhasználó zárolta !"));
            }
        }
    });
    try {
        sql::Transaction transaction(m_db, m_def.name);
        sql::Statement update(
            m_db,
            QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE rowid = ?2").arg(quoted(m_def.name), quoted(field)),
            m_def.name);
        for (long long id : m_view) {
            update.bind(1, value).bind(2, id);
            update.run();
            update.reset();
        }
        transaction.commit();
    } catch (...) {
        m_locks->releaseAll();
        throw;
    }
    m_locks->releaseAll();
    rebuildView();
    first();
}

// ---- Creating table files ---------------------------------------------------------------

void createTableFile(const QString& path, const TableDef& definition, const QString& password,
                     const QList<QStringList>& records) {
    QFile::remove(path);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QDir::toNativeSeparators(path).toUtf8().constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw DatabaseError(
            QStringLiteral("A(z) %1 tábla nem hozható létre: %2 !").arg(definition.name, path));
    }
    try {
        QStringList columns;
        for (const FieldDef& f : definition.fields)
            columns << QStringLiteral("%1 TEXT NOT NULL DEFAULT '' CHECK (length(%1) <= %2)")
                           .arg(quoted(f.name))
                           .arg(f.size);
        sql::exec(db, QStringLiteral("PRAGMA journal_mode=DELETE"), definition.name);
        sql::Transaction transaction(db, definition.name);
        sql::exec(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(definition.name), columns.join(", ")),
                  definition.name);
        sql::exec(
            db, QStringLiteral("CREATE TABLE %1 (key TEXT PRIMARY KEY, value TEXT NOT NULL)").arg(metaTable),
            definition.name);
        sql::Statement meta(db, QStringLiteral("INSERT INTO %1 VALUES (?1, ?2)").arg(metaTable),
                            definition.name);
        auto put = [&meta](const QString& key, const QString& value) {
            meta.bind(1, key).bind(2, value);
            meta.run();
            meta.reset();
        };
        put(QStringLiteral("table"), definition.name);
        if (!password.isEmpty()) {
            const QString salt = QString::number(QRandomGenerator::system()->generate64(), 16);
            put(QStringLiteral("password_salt"), salt);
            put(QStringLiteral("password_hash"), passwordHash(salt, password));
        }
        QStringList names, places;
        for (int i = 0; i < definition.fields.size(); ++i) {
            names << quoted(definition.fields[i].name);
            places << QStringLiteral("?%1").arg(i + 1);
        }
        sql::Statement insertRow(db,
                                 QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(quoted(definition.name), names.join(", "), places.join(", ")),
                                 definition.name);
        for (const QStringList& record : records) {
            for (int i = 0; i < definition.fields.size(); ++i)
                insertRow.bind(i + 1, record.value(i));
            insertRow.run();
            insertRow.reset();
        }
        transaction.commit();
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

} // namespace kartella::data
