#pragma once
// Internal to the database layer: SQLite failures as the provider's errors.
#include "platform/ado/AdoError.h"

struct sqlite3;

namespace ado::detail {

// The error for the connection's last failure (rc is the extended result code).
AdoError sqliteError(sqlite3* db, int rc, const QString& sql);

}  // namespace ado::detail
