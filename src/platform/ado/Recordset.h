#pragma once
// A static snapshot of a query's result: the whole result is read at Open
// and navigated in memory, as the list windows and reports expect.

#include "platform/ado/Variant.h"

#include <QHash>
#include <QString>
#include <QStringList>
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
    void Open(const QString& sql, Connection& conn, int cursorType = adOpenStatic,
              int lockType = adLockOptimistic, long options = -1);
    void Close();
    int State() const { return m_open ? 1 : 0; }

    long RecordCount() const { return long(m_rowCount); }
    bool Eof() const { return !m_open || m_pos >= m_rowCount; }
    bool Bof() const { return !m_open || m_pos < 0 || m_rowCount == 0; }
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // 1-based position of the current row; setting it moves there.
    long Bookmark() const;
    void setBookmark(long bookmark);
    long AbsolutePosition() const { return Bookmark(); }

    int FieldCount() const { return int(m_names.size()); }
    Field Fields(int index) const;
    Field Fields(const QString& name) const;   // name ignores case
    const Variant& operator()(int index) const { return Fields(index).Value(); }
    const Variant& operator()(const QString& name) const { return Fields(name).Value(); }
    QStringList FieldNames() const { return m_names; }

    // Direct access for grids and reports: row r (0-based), column c.
    const Variant& at(long row, int column) const { return m_cells[size_t(row) * m_names.size() + column]; }
    QString Source() const { return m_source; }

private:
    friend class Field;
    void requireOpen() const;
    void requireCurrent() const;
    int columnIndex(const QString& name) const;

    bool m_open = false;
    QString m_source;
    QStringList m_names;
    QHash<QString, int> m_byName;  // lower-cased name -> column
    std::vector<Variant> m_cells;  // row-major
    long m_rowCount = 0;
    long m_pos = 0;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace ado
