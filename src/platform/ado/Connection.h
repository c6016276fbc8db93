#pragma once
// The stand-in for an ADO connection over SQLCipher: one encrypted SQLite
// file, opened from a Jet-style connection string.

#include "platform/ado/AdoError.h"

#include <QString>

struct sqlite3;

namespace ado {

enum ObjectState { adStateClosed = 0, adStateOpen = 1 };

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Reads "Data Source" and "Jet OLEDB:Database Password" from the string;
    // never creates the file.
    void Open(const QString& connectionString, const QString& userId = {}, const QString& password = {},
              long options = -1);
    void Close();
    // Makes a new encrypted database file with the given key and opens it;
    // refuses a path that already exists.
    void Create(const QString& path, const QString& password);
    int State() const { return m_db ? adStateOpen : adStateClosed; }
    QString ConnectionString() const { return m_connectionString; }

    // Runs one statement; recordsAffected (when given) gets the count of
    // rows it changed, and is left alone when the statement fails.
    void Execute(const QString& sql, long* recordsAffected = nullptr, long options = -1);

    // One user action, one commit: statements that belong together run
    // between BeginTrans and CommitTrans, and RollbackTrans undoes them all.
    // Transactions do not nest (a second BeginTrans is an error).
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

    // How long a statement waits for another instance's lock before it
    // fails with the "in use" error (milliseconds).
    void setBusyTimeout(int milliseconds);
    int busyTimeout() const { return m_busyTimeout; }
    // Readers and one writer of two instances proceed together. Called once
    // the file is known to be the program's own, so a foreign file is never
    // written to.
    void UseWriteAheadLog();

    sqlite3* handle() const { return m_db; }
    // Unique to this opening: a handle of a later opening may sit at the
    // same address, and what was read through the old one is not its.
    unsigned long long Session() const { return m_session; }

private:
    sqlite3* m_db = nullptr;
    unsigned long long m_session = 0;
    int m_busyTimeout = 5000;
    QString m_connectionString;
};

// Rolls back on destruction unless committed: a step that throws leaves
// nothing of its statements stored.
class Transaccion {
public:
    explicit Transaccion(Connection& conn) : m_conn(conn) { m_conn.BeginTrans(); }
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;
    void Commit();

private:
    Connection& m_conn;
    bool m_done = false;
};

// Parsed keywords of a connection string (keys compared without case).
QString ConnectionStringValue(const QString& connectionString, const QString& key);

}  // namespace ado
