#include "platform/ado/Recordset.h"

#include "platform/ado/Connection.h"
#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteError.h"

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

// "yyyy-mm-dd" (optionally followed by a time) as stored in DATE columns.
bool parseIsoDate(const unsigned char* s, int n, QDate* d)
{
    if (n < 10 || s[4] != '-' || s[7] != '-') return false;
    auto digits = [&](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            if (s[i] < '0' || s[i] > '9') return -1;
            v = v * 10 + (s[i] - '0');
        }
        return v;
    };
    const int y = digits(0, 4), m = digits(5, 2), day = digits(8, 2);
    if (y < 0 || m < 0 || day < 0) return false;
    *d = QDate(y, m, day);
    return d->isValid();
}

bool isDateType(const char* decl)
{
    return decl && qstrnicmp(decl, "DATE", 4) == 0;
}

// The engine names an unaliased column by its written text ("A.PTES_ID");
// the provider names it by the column alone, and the windows read it so.
QString columnName(sqlite3_stmt* stmt, int c)
{
    QString name = QString::fromUtf8(sqlite3_column_name(stmt, c));
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0) return name;
    for (QChar ch : name)
        if (!(ch.isLetterOrNumber() || ch == u'_' || ch == u'.')) return name;  // an expression, left as written
    return name.mid(dot + 1);
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

void Recordset::Open(const QString& sql, Connection& conn, int, int, long)
{
    if (m_open)
        throw AdoError(3705, QStringLiteral("No se permite realizar la operación si el objeto está abierto."), sql);
    if (conn.State() != adStateOpen) throw closedError();
    sqlite3* db = conn.handle();
    const QByteArray text = JetToSqlite(sql).toUtf8();
    Statement stmt;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt.p, nullptr) != SQLITE_OK || !stmt.p)
        throw detail::sqliteError(db, sqlite3_extended_errcode(db), sql);

    const int columns = sqlite3_column_count(stmt.p);
    QStringList names;
    QHash<QString, int> byName;
    std::vector<bool> dateColumn(size_t(columns), false);
    for (int c = 0; c < columns; ++c) {
        names << columnName(stmt.p, c);
        dateColumn[size_t(c)] = isDateType(sqlite3_column_decltype(stmt.p, c));
    }
    // Keep the first column of a repeated name, as the provider does.
    byName.clear();
    for (int c = columns - 1; c >= 0; --c) byName.insert(names[c].toLower(), c);

    std::vector<Variant> cells;
    long rows = 0;
    int rc;
    while ((rc = sqlite3_step(stmt.p)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt.p, c)) {
            case SQLITE_INTEGER: cells.emplace_back(static_cast<long long>(sqlite3_column_int64(stmt.p, c))); break;
            case SQLITE_FLOAT: cells.emplace_back(sqlite3_column_double(stmt.p, c)); break;
            case SQLITE_NULL: cells.push_back(Variant::Null()); break;
            default: {
                const unsigned char* s = sqlite3_column_text(stmt.p, c);
                const int n = sqlite3_column_bytes(stmt.p, c);
                QDate d;
                if (dateColumn[size_t(c)] && parseIsoDate(s, n, &d))
                    cells.emplace_back(d);
                else
                    cells.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(s), n));
            }
            }
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
    m_open = true;
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
}

void Recordset::requireOpen() const
{
    if (!m_open) throw closedError();
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (m_pos < 0 || m_pos >= m_rowCount) throw noCurrentRecord();
}

void Recordset::MoveFirst()
{
    requireOpen();
    m_pos = 0;
}

void Recordset::MoveLast()
{
    requireOpen();
    if (m_rowCount == 0) throw noCurrentRecord();
    m_pos = m_rowCount - 1;
}

void Recordset::MoveNext()
{
    requireOpen();
    if (m_pos >= m_rowCount) throw noCurrentRecord();
    ++m_pos;
}

void Recordset::MovePrevious()
{
    requireOpen();
    if (m_pos < 0) throw noCurrentRecord();
    --m_pos;
}

long Recordset::Bookmark() const
{
    requireCurrent();
    return m_pos + 1;
}

void Recordset::setBookmark(long bookmark)
{
    requireOpen();
    if (bookmark < 1 || bookmark > m_rowCount)
        throw AdoError(3001, QStringLiteral("Los argumentos son de tipo incorrecto, están fuera del intervalo "
                                            "aceptable o están en conflicto con otros."));
    m_pos = bookmark - 1;
}

int Recordset::columnIndex(const QString& name) const
{
    requireOpen();
    const auto it = m_byName.constFind(name.toLower());
    if (it == m_byName.constEnd())
        throw AdoError(3265, QStringLiteral("No se encontró el elemento '%1' en la colección que corresponde al "
                                            "nombre o al ordinal solicitado.").arg(name));
    return it.value();
}

Field Recordset::Fields(int index) const
{
    requireOpen();
    if (index < 0 || index >= FieldCount())
        throw AdoError(3265, QStringLiteral("No se encontró el elemento %1 en la colección que corresponde al "
                                            "nombre o al ordinal solicitado.").arg(index));
    return Field(this, index);
}

Field Recordset::Fields(const QString& name) const { return Field(this, columnIndex(name)); }

}  // namespace ado
