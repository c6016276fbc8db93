// The list windows open whole views as static snapshots: how much does our
// Recordset cost over a plain SQLCipher loop reading the same typed values?
// Also: start-up, from opening the database to the main window shown.
#include "Floors.h"
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
    for (auto _ : state) state.counters["rows"] = double(bench::PlainLoop(kList));
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
    return bench::RunWithRatios(argc, argv, {{"BM_RecordsetOpen", "BM_PlainSqliteLoop", bench::AtMost(1.5)}});
}
