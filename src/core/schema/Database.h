#pragma once
#include <QString>

namespace ado {
class Connection;
}

namespace schema {

// Refuses, as the start-up error of a file that is not the system's, an
// open database that lacks any table or view of the schema (an empty file
// opens as an empty database). Reads only.
void CheckDatabase(ado::Connection& conn);

// Makes folder/dj7351.mdb with the program's key, the schema and the
// reference rows (and the demonstration rows when sample is set). Refuses
// to touch an existing file. Throws platform::Error on failure.
void CreateDatabase(const QString& folder, bool sample);

}  // namespace schema
