// The list windows open whole views as static snapshots: how much does our
// Recordset cost over a plain SQLCipher loop reading the same typed values?
// Also: start-up, from opening the database to the main window shown.
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "platform/ado/Recordset.h"
#include "ui/MDIPrincipal.h"
#include "Ratios.h"

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
    ado::Recordset v, c;
    v.Open(QStringLiteral("select PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE from LNV_PES_TB_EMBARCACIONES"), de1::conn());
    c.Open(QStringLiteral("select PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL from LNV_PES_TB_EMPRESAS"), de1::conn());
    de1::conn().Execute(
        QStringLiteral(
            "insert into LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, "
            "PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, "
            "PEDJ_ID, PTDJ_ID, PCDJ_RESP, GTDC_ID, PCDJ_NRODOC, PCAR_ID, PCDJ_MTOVTAS, PCDJ_IMPORTE) "
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < 100000) "
            "select substr('00000000000000000000000' || i, -23), 2000 + i % 20, 1 + i % 12, (select min(PPTO_ID) from LNV_PES_TB_PUERTOS), "
            "%1, '%2', '%3', %4, %5, '%6', 3, 1.5, 0, 31.5 + i, "
            "(select min(PEDJ_ID) from LNV_PES_TB_ESTADOS_DJ7351), (select min(PTDJ_ID) from LNV_PES_TB_TIPOS_DDJJL7351), "
            "'JUAN PEREZ', (select min(GTDC_ID) from LNV_GLB_TB_TIPOS_DOCUMENTO), 20123456, "
            "(select min(PCAR_ID) from LNV_PES_TB_CARACTERES_RESP), 1000 + i, 30 + i from n")
            .arg(v(0).integer())
            .arg(v(1).text(), v(2).text())
            .arg(c(0).integer())
            .arg(c(1).integer())
            .arg(c(2).text()));
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
BENCHMARK(BM_PlainSqliteLoop)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_RecordsetOpen)->Unit(benchmark::kMillisecond);

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
