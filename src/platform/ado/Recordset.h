#pragma once
// A query's result, navigated by position. Opened static (the default), it
// is a snapshot read whole at Open, as the editors and reports expect.
// Opened as a keyset on "select * FROM <view>" of a list view, it reads the
// rows a page at a time as they are asked for (see Keyset.h), so a list of
// any size opens at once; other queries get the snapshot.

#include "platform/ado/Keyset.h"
#include "platform/ado/Variant.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ado {

class Connection;

enum CursorType { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockType { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };

class Recordset;

// One column of the current row.
class Field {
public:
    Field(const Recordset* rs, int column) : m_rs(rs), m_column(column) {}
    QString Name() const;
    const Variant& Value() const;
    operator const Variant&() const { return Value(); }

private:
    const Recordset* m_rs;
    int m_column;
};

class Recordset {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;
    Recordset(Recordset&& other) noexcept { *this = std::move(other); }
    Recordset& operator=(Recordset&& other) noexcept;
    ~Recordset();

    void Open(const QString& sql, Connection& conn, int cursorType = adOpenStatic, int lockType = adLockOptimistic,
              long options = -1);
    void Close();
    int State() const { return m_open ? 1 : 0; }

    long RecordCount() const;
    bool Eof() const { return !m_open || m_pos >= RecordCount(); }
    bool Bof() const { return !m_open || m_pos < 0 || RecordCount() == 0; }
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // 1-based position of the current row; setting it moves there.
    long Bookmark() const;
    void setBookmark(long bookmark);

    int FieldCount() const { return int(m_names.size()); }
    Field Fields(int index) const;
    Field Fields(const QString& name) const;  // name ignores case
    const Variant& operator()(int index) const { return Fields(index).Value(); }
    const Variant& operator()(const QString& name) const { return Fields(name).Value(); }
    QStringList FieldNames() const { return m_names; }

    // Direct access for grids and reports: row r (0-based), column c. A
    // reference stays good until the next call (a keyset may drop the page).
    const Variant& at(long row, int column) const;
    QString Source() const { return m_source; }

    // True when the database changed (here or in another program) since the
    // rows were read; a list reads them again only then.
    bool Changed() const;
    // The other recordset reads the very same rows (a keyset opened again
    // on an unchanged database), so a grid showing one may keep what it shows.
    bool SameRows(const Recordset& other) const;
    // Why rows of a keyset could not be read (see Keyset::failure); null
    // while every row asked for was read.
    const AdoError* Failure() const { return m_keyset ? m_keyset->failure() : nullptr; }

    // Who shows the recordset hears when code moves it, when it is opened or
    // closed (Reshaped), and when a keyset's first estimate of its count
    // gives way to the exact count (Counted: the rows read before may move).
    enum class Change { Moved, Reshaped, Counted };
    int Watch(std::function<void(Change)> watcher);
    void Unwatch(int id);

private:
    friend class Field;
    void requireOpen() const;
    void requireCurrent() const;
    int columnIndex(const QString& name) const;
    void notify(Change c);
    void dropKeyset();

    bool m_open = false;
    QString m_source;
    QStringList m_names;
    QHash<QString, int> m_byName;  // name as written and lower-cased -> column
    std::vector<Variant> m_cells;  // row-major
    long m_rowCount = 0;
    long m_pos = 0;
    std::shared_ptr<detail::Keyset> m_keyset;
    int m_keysetListener = 0;
    Connection* m_conn = nullptr;
    sqlite3* m_db = nullptr;
    unsigned long long m_session = 0;
    detail::Stamp m_stamp;
    std::map<int, std::function<void(Change)>> m_watchers;
    int m_nextWatcher = 1;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace ado
