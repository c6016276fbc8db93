// The list windows open whole views as static snapshots: how much does our
// Recordset cost over a plain SQLCipher loop reading the same typed values?
// Also: start-up, from opening the database to the main window shown.
#include "Ratios.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "platform/ado/Recordset.h"
#include "support/Fixtures.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

namespace {

const char* kList = "select * FROM PES_VW_CAB_DDJJ7351";

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// 100 000 declaration headers over the sample vessels and companies.
void fill()
{
    static bool done = false;
    if (done) return;
    done = true;
    schema::CreateDatabase(folder().path(), true);
    de1::conn().Open(General::BuildConnectionString(folder().path()));
    testsupport::insertDeclarations(100000);
}

void BM_PlainSqliteLoop(benchmark::State& state)
{
    fill();
    sqlite3* db = de1::conn().handle();
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, kList, -1, &stmt, nullptr);
        long rows = 0;
        double sink = 0;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER: sink += double(sqlite3_column_int64(stmt, c)); break;
                case SQLITE_FLOAT: sink += sqlite3_column_double(stmt, c); break;
                case SQLITE_TEXT: sink += double(sqlite3_column_bytes(stmt, c)) + *sqlite3_column_text(stmt, c); break;
                default: break;
                }
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(sink);
        state.counters["rows"] = double(rows);
    }
}
BENCHMARK(BM_PlainSqliteLoop)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_RecordsetOpen(benchmark::State& state)
{
    fill();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(QString::fromLatin1(kList), de1::conn());
        state.counters["rows"] = double(rs.RecordCount());
        benchmark::DoNotOptimize(rs.at(rs.RecordCount() - 1, 0));
    }
}
BENCHMARK(BM_RecordsetOpen)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Opening the database (key derivation included) and showing the main window.
void BM_StartUpToMainWindow(benchmark::State& state)
{
    fill();
    General::SetAppPath(folder().path());
    for (auto _ : state) {
        de1::conn().Close();
        General::Start([] {
            MDIPrincipal::Instance().Show();
            QApplication::processEvents();
        });
        state.PauseTiming();
        delete MDIPrincipal::Existing();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv, {{"BM_RecordsetOpen", "BM_PlainSqliteLoop", "at most 1.5"}});
}
