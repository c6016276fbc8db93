#include "platform/ado/Recordset.h"

#include "platform/ado/Connection.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteError.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <sqlcipher/sqlite3.h>

namespace ado {
namespace {

AdoError closedError()
{
    return AdoError(3704, QStringLiteral("No se permite realizar la operación si el objeto está cerrado."));
}

AdoError noCurrentRecord()
{
    return AdoError(3021,
                    QStringLiteral("BOF o EOF es True, o el actual registro se eliminó; la operación solicitada "
                                   "requiere un registro actual."));
}

// Column by lower-cased name, keeping the first column of a repeated name
// as the provider does; the names as written find the same column without
// lower-casing the name asked for on every read of a row.
QHash<QString, int> nameIndex(const QStringList& names)
{
    QHash<QString, int> byName;
    for (int c = int(names.size()) - 1; c >= 0; --c) byName.insert(names[c].toLower(), c);
    for (const QString& n : names)
        if (!byName.contains(n)) byName.insert(n, byName.value(n.toLower()));
    return byName;
}

// Whether a stored text is these UTF-8 bytes, compared only while they are
// ASCII: any other byte counts as a difference, and the text is read anew.
bool sameAscii(const QString& text, const char* s, int n)
{
    if (text.size() != n) return false;
    const QChar* u = text.constData();
    for (int i = 0; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80 || u[i].unicode() != char16_t(s[i])) return false;
    return true;
}

struct Statement {
    sqlite3_stmt* p = nullptr;
    ~Statement() { sqlite3_finalize(p); }
};

}  // namespace

QString Field::Name() const
{
    m_rs->requireOpen();
    return m_rs->m_names[m_column];
}

const Variant& Field::Value() const
{
    m_rs->requireCurrent();
    return m_rs->at(m_rs->m_pos, m_column);
}

void Recordset::Open(const QString& sql, Connection& conn, int cursorType, int, long)
{
    if (m_open)
        throw AdoError(3705, QStringLiteral("No se permite realizar la operación si el objeto está abierto."), sql);
    if (conn.State() != adStateOpen) throw closedError();
    sqlite3* db = conn.handle();
    if (cursorType == adOpenKeyset) {
        if (auto keyset = detail::Keyset::Open(JetToSqlite(sql), conn)) {
            m_keyset = std::move(keyset);
            m_keysetListener = m_keyset->listen([this] { notify(Change::Counted); });
            m_names = m_keyset->names();
            m_byName = nameIndex(m_names);
            m_stamp = m_keyset->stamp();
            m_source = sql;
            m_conn = &conn;
            m_db = db;
            m_session = conn.Session();
            m_pos = 0;
            m_open = true;
            notify(Change::Reshaped);
            return;
        }
    }
    const detail::Stamp stamp = detail::CurrentStamp(db);
    const QByteArray text = JetToSqlite(sql).toUtf8();
    Statement stmt;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt.p, nullptr) != SQLITE_OK || !stmt.p)
        throw detail::sqliteError(db, sqlite3_extended_errcode(db), sql);

    const int columns = sqlite3_column_count(stmt.p);
    QStringList names;
    std::vector<bool> dateColumn(size_t(columns), false);
    for (int c = 0; c < columns; ++c) {
        names << detail::ColumnName(stmt.p, c);
        dateColumn[size_t(c)] = detail::IsDateType(sqlite3_column_decltype(stmt.p, c));
    }
    QHash<QString, int> byName = nameIndex(names);

    std::vector<Variant> cells;
    // Room for the rows of an editor's grid from the start: growing moves
    // every cell read so far.
    cells.reserve(std::clamp(size_t(columns) * 512, size_t(2048), size_t(16384)));
    long rows = 0;
    int rc;
    while ((rc = sqlite3_step(stmt.p)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt.p, c)) {
            case SQLITE_INTEGER: cells.emplace_back(static_cast<long long>(sqlite3_column_int64(stmt.p, c))); continue;
            case SQLITE_FLOAT: cells.emplace_back(sqlite3_column_double(stmt.p, c)); continue;
            case SQLITE_NULL: cells.push_back(Variant::Null()); continue;
            default:
                if (dateColumn[size_t(c)]) {
                    cells.push_back(detail::ReadCell(stmt.p, c, true));
                    continue;
                }
            }
            const char* s = reinterpret_cast<const char*>(sqlite3_column_text(stmt.p, c));
            const int n = sqlite3_column_bytes(stmt.p, c);
            // A text repeated down a column (a number, a port, a name) shares
            // the previous row's string instead of a heap copy of its own.
            if (rows > 0) {
                const Variant& above = cells[cells.size() - size_t(columns)];
                if (above.type() == Variant::Type::Text && sameAscii(above.text(), s, n)) {
                    QString shared = above.text();
                    cells.emplace_back(std::move(shared));
                    continue;
                }
            }
            cells.emplace_back(QString::fromUtf8(s, n));
        }
        ++rows;
    }
    if (rc != SQLITE_DONE) throw detail::sqliteError(db, sqlite3_extended_errcode(db), sql);

    m_source = sql;
    m_names = std::move(names);
    m_byName = std::move(byName);
    m_cells = std::move(cells);
    m_rowCount = rows;
    m_pos = 0;
    m_stamp = stamp;
    m_conn = &conn;
    m_db = db;
    m_session = conn.Session();
    m_open = true;
    notify(Change::Reshaped);
}

Recordset::~Recordset() { dropKeyset(); }

Recordset& Recordset::operator=(Recordset&& o) noexcept
{
    if (this == &o) return *this;
    dropKeyset();
    m_open = std::exchange(o.m_open, false);
    m_source = std::move(o.m_source);
    m_names = std::move(o.m_names);
    m_byName = std::move(o.m_byName);
    m_cells = std::move(o.m_cells);
    m_rowCount = std::exchange(o.m_rowCount, 0);
    m_pos = std::exchange(o.m_pos, 0);
    auto keyset = o.m_keyset;
    o.dropKeyset();
    m_keyset = std::move(keyset);
    if (m_keyset) m_keysetListener = m_keyset->listen([this] { notify(Change::Counted); });
    m_conn = o.m_conn;
    m_db = o.m_db;
    m_session = o.m_session;
    m_stamp = o.m_stamp;
    m_watchers = std::move(o.m_watchers);
    m_nextWatcher = o.m_nextWatcher;
    return *this;
}

void Recordset::dropKeyset()
{
    if (m_keyset) m_keyset->unlisten(m_keysetListener);
    m_keyset.reset();
    m_keysetListener = 0;
}

long Recordset::RecordCount() const { return m_keyset ? m_keyset->count() : m_rowCount; }

const Variant& Recordset::at(long row, int column) const
{
    if (m_keyset) return m_keyset->at(row, column);
    return m_cells[size_t(row) * size_t(m_names.size()) + size_t(column)];
}

bool Recordset::Changed() const
{
    if (!m_open || !m_conn || m_conn->Session() != m_session) return true;
    return !(detail::CurrentStamp(m_db) == m_stamp);
}

bool Recordset::SameRows(const Recordset& other) const
{
    return m_open && other.m_open && m_keyset && m_keyset == other.m_keyset;
}

int Recordset::Watch(std::function<void(Change)> watcher)
{
    m_watchers.emplace(m_nextWatcher, std::move(watcher));
    return m_nextWatcher++;
}

void Recordset::Unwatch(int id) { m_watchers.erase(id); }

void Recordset::notify(Change c)
{
    if (m_watchers.empty()) return;
    const auto watchers = m_watchers;  // a watcher may unwatch
    for (const auto& [id, w] : watchers) w(c);
}

void Recordset::Close()
{
    if (!m_open) throw closedError();
    m_open = false;
    m_cells.clear();
    m_names.clear();
    m_byName.clear();
    m_rowCount = 0;
    m_pos = 0;
    dropKeyset();
    notify(Change::Reshaped);
}

void Recordset::requireOpen() const
{
    if (!m_open) throw closedError();
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (m_pos < 0 || m_pos >= RecordCount()) throw noCurrentRecord();
}

void Recordset::MoveFirst()
{
    requireOpen();
    m_pos = 0;
    notify(Change::Moved);
}

void Recordset::MoveLast()
{
    requireOpen();
    if (RecordCount() == 0) throw noCurrentRecord();
    m_pos = RecordCount() - 1;
    notify(Change::Moved);
}

void Recordset::MoveNext()
{
    requireOpen();
    if (m_pos >= RecordCount()) throw noCurrentRecord();
    ++m_pos;
    notify(Change::Moved);
}

void Recordset::MovePrevious()
{
    requireOpen();
    if (m_pos < 0) throw noCurrentRecord();
    --m_pos;
    notify(Change::Moved);
}

long Recordset::Bookmark() const
{
    requireCurrent();
    return m_pos + 1;
}

void Recordset::setBookmark(long bookmark)
{
    requireOpen();
    if (bookmark < 1 || bookmark > RecordCount())
        throw AdoError(3001,
                       QStringLiteral("Los argumentos son de tipo incorrecto, están fuera del intervalo "
                                      "aceptable o están en conflicto con otros."));
    m_pos = bookmark - 1;
    notify(Change::Moved);
}

int Recordset::columnIndex(const QString& name) const
{
    requireOpen();
    auto it = m_byName.constFind(name);
    if (it == m_byName.constEnd()) it = m_byName.constFind(name.toLower());
    if (it == m_byName.constEnd())
        throw AdoError(3265,
                       QStringLiteral("No se encontró el elemento '%1' en la colección que corresponde al "
                                      "nombre o al ordinal solicitado.")
                           .arg(name));
    return it.value();
}

Field Recordset::Fields(int index) const
{
    requireOpen();
    if (index < 0 || index >= FieldCount())
        throw AdoError(3265,
                       QStringLiteral("No se encontró el elemento %1 en la colección que corresponde al "
                                      "nombre o al ordinal solicitado.")
                           .arg(index));
    return Field(this, index);
}

Field Recordset::Fields(const QString& name) const { return Field(this, columnIndex(name)); }

}  // namespace ado
