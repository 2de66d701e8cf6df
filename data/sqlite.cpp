#include "data/sqlite.h"

namespace kartella::data::sql {

void raise(sqlite3* db, const QString& table, const QString& what) {
    const int code = db ? sqlite3_errcode(db) : SQLITE_ERROR;
    QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        detail = QStringLiteral("a táblát egy másik felhasználó éppen írja");
    else if (code == SQLITE_READONLY)
        detail = QStringLiteral("a tábla csak olvasható");
    else if (code == SQLITE_CONSTRAINT)
        detail = QStringLiteral("a tábla elutasította az adatot");
    throw DatabaseError(QStringLiteral("Adatbázis hiba (%1 tábla, %2): %3").arg(table, what, detail));
}

Statement::Statement(sqlite3* db, const QString& sql, const QString& table) : m_db(db), m_table(table) {
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
        raise(db, table, QStringLiteral("lekérdezés"));
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int position, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_stmt, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        raise(m_db, m_table, QStringLiteral("paraméter"));
    return *this;
}

Statement& Statement::bind(int position, long long value) {
    if (sqlite3_bind_int64(m_stmt, position, value) != SQLITE_OK)
        raise(m_db, m_table, QStringLiteral("paraméter"));
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    raise(m_db, m_table, QStringLiteral("olvasás vagy írás"));
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

QString Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

void exec(sqlite3* db, const QString& sql, const QString& table) {
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        raise(db, table, QStringLiteral("parancs"));
}

Transaction::Transaction(sqlite3* db, const QString& table) : m_db(db), m_table(table) {
    exec(db, QStringLiteral("BEGIN IMMEDIATE"), table);
}

Transaction::~Transaction() {
    if (!m_done)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    exec(m_db, QStringLiteral("COMMIT"), m_table);
    m_done = true;
}

} // namespace kartella::data::sql
