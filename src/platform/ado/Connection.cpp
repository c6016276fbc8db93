#include "platform/ado/Connection.h"

#include "platform/ado/JetSql.h"
#include "platform/ado/SqliteError.h"
#include "platform/errors/Log.h"

#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace ado {

QString ConnectionStringValue(const QString& connectionString, const QString& key)
{
    const QStringList parts = connectionString.split(u';');
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0) continue;
        if (part.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) return part.mid(eq + 1);
    }
    return {};
}

namespace {

// The connection's own misuse errors, one text each.
constexpr long adErrObjectOpen = -2147217915;
AdoError openError()
{
    return AdoError(adErrObjectOpen, QStringLiteral("La operación no se permite si el objeto está abierto."));
}
AdoError closedError(const QString& sql)
{
    return AdoError(adErrObjectOpen, QStringLiteral("La operación no se permite si el objeto está cerrado."), sql);
}

// Only row statements report a count; sqlite3_changes() keeps the last
// row statement's count through DDL.
bool countsRows(sqlite3_stmt* stmt)
{
    const QByteArray head = QByteArray(sqlite3_sql(stmt)).trimmed().left(7).toLower();
    return head.startsWith("insert") || head.startsWith("update") || head.startsWith("delete")
        || head.startsWith("replace");
}

unsigned long long nextSession()
{
    static unsigned long long last = 0;
    return ++last;
}

}  // namespace

Connection::~Connection() { Close(); }

void Connection::Close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Connection::Open(const QString& connectionString, const QString&, const QString&, long)
{
    if (m_db) throw openError();
    // The folder and the file name are joined with a backslash; on Linux
    // that is a path separator too.
    QString path = ConnectionStringValue(connectionString, QStringLiteral("Data Source"));
    path.replace(u'\\', u'/');
    const QString password = ConnectionStringValue(connectionString, QStringLiteral("Jet OLEDB:Database Password"));
    platform::HideInLog(password);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw AdoError(adErrGeneric, QStringLiteral("No se pudo encontrar el archivo '%1'.").arg(path));

    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        AdoError e = detail::sqliteError(db, rc, {});
        sqlite3_close_v2(db);
        throw e;
    }
    sqlite3_extended_result_codes(db, 1);
    // Another instance may be committing: wait for it from the very first read.
    sqlite3_busy_timeout(db, m_busyTimeout);
    const QByteArray key = password.toUtf8();
    rc = sqlite3_key(db, key.constData(), int(key.size()));
    // Reading the schema is what proves the key.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && (password.isEmpty() || (sqlite3_extended_errcode(db) & 0xff) == SQLITE_NOTADB)) {
        sqlite3_close_v2(db);
        throw detail::sqliteError(nullptr, SQLITE_NOTADB, {});
    }
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        AdoError e = detail::sqliteError(db, sqlite3_extended_errcode(db), {});
        sqlite3_close_v2(db);
        throw e;
    }
    m_db = db;
    m_session = nextSession();
    m_connectionString = connectionString;
}

void Connection::Create(const QString& path, const QString& password)
{
    if (m_db) throw openError();
    if (QFileInfo::exists(path)) throw AdoError(adErrGeneric, QStringLiteral("El archivo '%1' ya existe.").arg(path));
    platform::HideInLog(password);
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        const QByteArray key = password.toUtf8();
        rc = sqlite3_key(db, key.constData(), int(key.size()));
    }
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    // The journal mode is kept in the file: every database made here lets
    // a second instance read while this one writes.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        AdoError e = detail::sqliteError(db, db ? sqlite3_extended_errcode(db) : rc, {});
        sqlite3_close_v2(db);
        throw e;
    }
    sqlite3_busy_timeout(db, m_busyTimeout);
    m_db = db;
    m_session = nextSession();
    m_connectionString = QStringLiteral("Data Source=") + path;
}

void Connection::setBusyTimeout(int milliseconds)
{
    m_busyTimeout = milliseconds;
    if (m_db) sqlite3_busy_timeout(m_db, milliseconds);
}

void Connection::UseWriteAheadLog()
{
    if (!m_db) return;
    // Refused while another instance holds the file in the old mode; the
    // file then simply stays as it is, and works as before.
    sqlite3_exec(m_db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
}

void Connection::Execute(const QString& sql, long* recordsAffected, long)
{
    if (!m_db) throw closedError(sql);
    const QByteArray text = JetToSqlite(sql).toUtf8();
    const char* tail = text.constData();
    const char* end = tail + text.size();
    long affected = 0;
    while (tail < end) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(m_db, tail, int(end - tail), &stmt, &tail);
        if (rc != SQLITE_OK) throw detail::sqliteError(m_db, sqlite3_extended_errcode(m_db), sql);
        if (!stmt) continue;  // blanks or a comment
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {}
        if (rc != SQLITE_DONE) {
            AdoError e = detail::sqliteError(m_db, sqlite3_extended_errcode(m_db), sql);
            sqlite3_finalize(stmt);
            throw e;
        }
        if (countsRows(stmt)) affected += sqlite3_changes(m_db);
        sqlite3_finalize(stmt);
    }
    if (recordsAffected) *recordsAffected = affected;
}

namespace {

void runControl(sqlite3* db, const char* sql)
{
    if (!db) throw closedError(QString::fromLatin1(sql));
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throw detail::sqliteError(db, sqlite3_extended_errcode(db), QString::fromLatin1(sql));
}

}  // namespace

bool Connection::InTransaction() const { return m_db && !sqlite3_get_autocommit(m_db); }

void Connection::BeginTrans()
{
    if (InTransaction())
        throw AdoError(adErrGeneric, QStringLiteral("Ya hay una transacción abierta en la conexión."), {});
    // IMMEDIATE takes the write lock now, so a busy database is met before
    // any statement of the action runs rather than halfway through it.
    runControl(m_db, "BEGIN IMMEDIATE");
}

void Connection::CommitTrans() { runControl(m_db, "COMMIT"); }

void Connection::RollbackTrans()
{
    // A failed statement may already have ended the transaction.
    if (InTransaction()) runControl(m_db, "ROLLBACK");
}

Transaccion::~Transaccion()
{
    if (m_done) return;
    try {
        m_conn.RollbackTrans();
    } catch (...) {
        // Nothing better to do while another error is on its way up.
    }
}

void Transaccion::Commit()
{
    m_conn.CommitTrans();
    m_done = true;
}

}  // namespace ado
