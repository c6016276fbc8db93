#pragma once
#include <QString>

namespace ado {

// Rewrites the Jet forms that the program's statements use into SQLite,
// outside quoted strings only: #mm/dd/yyyy# dates, "delete * from", and a
// derived table written "[select ...]. AS A". Quoted text, bracketed names
// and comments never change; an impossible date, or a NUL anywhere, throws
// AdoError.
QString JetToSqlite(const QString& sql);

}  // namespace ado
