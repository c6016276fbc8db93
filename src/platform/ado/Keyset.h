#pragma once
// Reads a list view's rows as they are asked for, a page at a time, so a
// list of a million rows costs what a list of a thousand does. It knows the
// view's shape from its definition: one table, left joins onto lookups and
// an ORDER BY on the table's columns, or the list's own ORDER BY over the
// view's columns (a lookup's among them); a position is found in that order
// (from the nearer end, on the index that serves it) and its rows fetched
// by primary key. Nothing is held open between reads, so writers are never
// kept waiting.

#include "platform/ado/AdoError.h"
#include "platform/ado/Variant.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

class Connection;

namespace detail {

// A cell as the recordsets hand it out: numbers, texts, nulls, and DATE
// columns' ISO texts as dates.
Variant ReadCell(sqlite3_stmt* stmt, int column, bool dateColumn);
bool IsDateType(const char* declaredType);
QString ColumnName(sqlite3_stmt* stmt, int column);

// What tells whether the database changed: other connections' commits
// (data_version), this connection's own writes, and schema changes.
struct Stamp {
    long long dataVersion = -1, ownChanges = -1, schemaVersion = -1;
    bool operator==(const Stamp&) const = default;
};
Stamp CurrentStamp(sqlite3* db);

class Keyset : public std::enable_shared_from_this<Keyset> {
public:
    Keyset() = default;
    Keyset(const Keyset&) = delete;
    Keyset& operator=(const Keyset&) = delete;
    // Null when the SQL is not a plain "select * from <view>", optionally
    // with "order by" and the view's columns, of a view of that shape. While the database is unchanged, the reader
    // already open on the same view is handed out again with what it has read.
    static std::shared_ptr<Keyset> Open(const QString& sql, Connection& conn);

    const QStringList& names() const { return m_names; }
    long count() const { return m_count; }
    bool exact() const { return m_exact; }
    const Stamp& stamp() const { return m_stamp; }

    // Row r (0-based) of column c; Empty when the row cannot be read now.
    const Variant& at(long row, int column);
    // Why the rows from some page on could not be read (a damaged file):
    // the count then ends before them, so that they never show as blank
    // rows; the listeners hear of it. Null while every page read.
    const AdoError* failure() const { return m_failure.get(); }

    // Called when the exact count replaces the rows counted before showing.
    using Listener = std::function<void()>;
    int listen(Listener l);
    void unlisten(int id);

    struct Shape;  // the view's table, key and order

private:
    struct Page {
        std::vector<Variant> cells;
        unsigned long long used = 0;
    };
    // SQLITE_OK, kNotNow when the page is locked by a writer (or the
    // connection is gone), or the engine's code of a failure that reading
    // again will not mend.
    int readPage(long page, Page& out);
    void pageFailed(long page);
    void countInSlices();
    void tellListeners();

    Connection* m_conn = nullptr;
    sqlite3* m_db = nullptr;
    unsigned long long m_session = 0;
    std::shared_ptr<const Shape> m_shape;
    QStringList m_names;
    std::vector<bool> m_dateColumn;
    int m_keyColumn = 0;  // the view's column of the table's key
    long m_count = 0;
    bool m_exact = true;
    bool m_cut = false;  // the count ends at a page that cannot be read
    std::shared_ptr<const AdoError> m_failure;
    AdoError m_lastError{0, {}};
    Stamp m_stamp;

    std::map<long, Page> m_pages;
    unsigned long long m_uses = 0;
    std::map<int, Listener> m_listeners;
    int m_nextListener = 1;
    // Counting the rows after the list shows: the last key counted.
    Variant m_countedTo;
    long m_counted = 0;
};

}  // namespace detail
}  // namespace ado
