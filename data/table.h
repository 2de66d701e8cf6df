#pragma once
// A cursor over one table file, with the operations the windows rely on: one current record,
// one current index and an optional filter, shared by every window that holds the object.

#include "data/database_error.h"
#include "data/record_source.h"
#include "data/table_defs.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace kartella::data {

class Connection;
class RecordLocks;

class Table : public QObject, public RecordSource {
    Q_OBJECT
public:
    enum class State { Browse, Insert, Edit };
    // Asked when edit or delete fails; true tries the operation again, false abandons it.
    using LockConflictHandler = std::function<bool(const DatabaseError&)>;

    Table(Connection& connection, const TableDef& definition, QObject* parent = nullptr);
    ~Table() override;

    const TableDef& definition() const { return m_def; }
    QString name() const { return m_def.name; }

    void setPassword(const QString& password) { m_password = password; }
    void open();  // does nothing when already open
    void close(); // does nothing when already closed; an unposted record is cancelled
    bool isOpen() const { return m_db != nullptr; }

    void refresh(); // re-reads the table so that other copies' changes show

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount() const; // visible records
    bool isEmpty() const { return recordCount() == 0; }

    void setIndex(const QString& indexName); // "" is insertion order
    QString indexName() const { return m_indexName; }
    bool findKey(const QString& value);     // exact match on the current index
    void findNearest(const QString& value); // first record whose key is equal to or after value
    bool locate(const QString& field, const QString& value); // first record, exact whole value

    void insert();
    void edit();
    void post();
    void cancel();
    void remove(); // deletes the current record; the following one becomes current
    State state() const { return m_state; }

    QString fieldAsText(const QString& field) const;
    void setFieldAsText(const QString& field, const QString& text);

    // Only expressions of the form FIELD = 'value' are understood.
    void setFilter(const QString& expression);
    QString filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    // Row access for grids: rows are the visible records in the current order.
    int currentRow() const { return m_row; }
    void moveToRow(int row);
    QString valueAt(int row, const QString& field) const;
    // The values of the named fields for count visible rows from first, read in one query.
    QList<QStringList> rows(int first, int count, const QStringList& fields) const;

    void setEditConflictHandler(LockConflictHandler handler) { m_editConflict = std::move(handler); }
    void setDeleteConflictHandler(LockConflictHandler handler) { m_deleteConflict = std::move(handler); }

    void forEachRecord(const QStringList& fields,
                       const std::function<void(const QStringList& values)>& visit) const override;

    // Sets the field to the value on every visible record in one transaction, all or nothing.
    void setFieldOnVisibleRecords(const QString& field, const QString& value);

signals:
    void dataChanged();    // the set or order of visible records changed
    void currentChanged(); // the current record moved or its values changed

private:
    struct Filter {
        QString field;
        QString value;
    };
    void requireOpen() const;
    int fieldIndex(const QString& field) const;
    void rebuildView();
    void setRow(int row);
    void loadCurrent() const;
    void checkFieldSizes() const;
    bool matchesFilter(const QStringList& values) const;
    int compareKeys(const QString& a, const QString& b) const;
    long long currentRowId() const;
    void withLockRetry(const LockConflictHandler& handler, const std::function<void()>& attempt);
    [[noreturn]] void fail(const QString& what) const;

    Connection& m_connection;
    TableDef m_def;
    QString m_password;
    sqlite3* m_db = nullptr;
    std::unique_ptr<RecordLocks> m_locks;

    QString m_indexName;
    QString m_filterText;
    bool m_filtered = false;
    std::optional<Filter> m_filter;

    std::vector<long long> m_view; // rowids of the visible records, in order
    int m_row = -1;
    bool m_eof = true;
    bool m_bof = true;

    State m_state = State::Browse;
    QStringList m_buffer;          // the record being inserted or edited
    long long m_editRowId = -1;    // rowid held in edit state (and locked)
    mutable QStringList m_current; // cached values of the current record
    mutable long long m_currentId = -2;

    LockConflictHandler m_editConflict;
    LockConflictHandler m_deleteConflict;
};

// The database connection: a directory holding one file per table.
class Connection {
public:
    void setLocation(const QString& directory);
    QString location() const { return m_location; }
    void setBeforeConnect(std::function<void()> step) { m_beforeConnect = std::move(step); }
    void connect();    // does nothing when connected
    void disconnect(); // closes every table, then the connection
    bool connected() const { return m_connected; }
    QString filePath(const TableDef& table) const;

private:
    friend class Table;
    QString m_location;
    bool m_connected = false;
    std::function<void()> m_beforeConnect;
    std::vector<Table*> m_tables;
};

// Creates a table file with its schema, its password ("" for none) and the given records, each
// a value per field in field order, in one transaction (used by the builder of the shipped
// files and by tests; the program itself never creates a table).
void createTableFile(const QString& path, const TableDef& definition, const QString& password = {},
                     const QList<QStringList>& records = {});

} // namespace kartella::data
