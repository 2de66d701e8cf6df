#pragma once
// A small RAII layer over the SQLite C API: prepared statements and transactions that
// raise DatabaseError with the table's name on any failure.

#include "data/database_error.h"

#include <QString>
#include <sqlite3.h>

namespace kartella::data::sql {

[[noreturn]] void raise(sqlite3* db, const QString& table, const QString& what);

class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& table);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int position, const QString& value);
    Statement& bind(int position, long long value);
    bool step(); // true while a row is available; false when done
    void run();  // steps to completion
    void reset();
    QString text(int column) const;
    long long integer(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_table;
};

void exec(sqlite3* db, const QString& sql, const QString& table);

// BEGIN IMMEDIATE ... COMMIT; rolls back unless committed.
class Transaction {
public:
    Transaction(sqlite3* db, const QString& table);
    ~Transaction();
    void commit();

private:
    sqlite3* m_db;
    QString m_table;
    bool m_done = false;
};

} // namespace kartella::data::sql
