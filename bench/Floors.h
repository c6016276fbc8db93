#pragma once
// The floors the benchmarks measure the program against: a query stepped in
// a plain SQLCipher loop, and queries read whole through the recordset.
#include "core/de1.h"
#include "platform/ado/Recordset.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <climits>
#include <initializer_list>
#include <sqlcipher/sqlite3.h>
#include <stdexcept>
#include <string>

namespace bench {

// Steps at most `limit` rows of the statement, reading every value as its
// type; the count of rows read. A statement the engine refuses throws: a
// floor that timed nothing would make every ratio against it look bad or good.
inline long PlainLoop(const char* sql, long limit = LONG_MAX)
{
    sqlite3* db = de1::conn().handle();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        throw std::runtime_error(std::string("the floor's statement does not prepare: ") + sqlite3_errmsg(db) + ": "
                                 + sql);
    }
    long rows = 0;
    int rc = SQLITE_ROW;
    double sink = 0;
    const int columns = sqlite3_column_count(stmt);
    for (; rows < limit && (rc = sqlite3_step(stmt)) == SQLITE_ROW; ++rows) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: sink += double(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: sink += sqlite3_column_double(stmt, c); break;
            case SQLITE_TEXT: sink += double(sqlite3_column_bytes(stmt, c)) + *sqlite3_column_text(stmt, c); break;
            default: break;
            }
        }
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(std::string("the floor's statement fails: ") + sqlite3_errstr(rc) + ": " + sql);
    benchmark::DoNotOptimize(sink);
    return rows;
}

// Opens each query as a recordset and touches every cell; the rows read.
template <class Queries> long ReadThroughRecordsets(const Queries& queries)
{
    long rows = 0;
    for (const QString& q : queries) {
        ado::Recordset rs;
        rs.Open(q, de1::conn());
        for (; !rs.Eof(); rs.MoveNext(), ++rows)
            for (int c = 0; c < rs.FieldCount(); ++c) benchmark::DoNotOptimize(&rs(c));
    }
    return rows;
}

}  // namespace bench
