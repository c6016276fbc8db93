#pragma once
#include <QString>

namespace schema {

// Makes folder/dj7351.mdb with the program's key, the schema and the
// reference rows (and the demonstration rows when sample is set). Refuses
// to touch an existing file. Throws platform::Error on failure.
void CreateDatabase(const QString& folder, bool sample);

}  // namespace schema
