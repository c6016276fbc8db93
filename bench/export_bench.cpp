// The export of one large declaration (5 000 sales lines, 500 guides of 10
// lines each) as "Imprimir DJ" and "Generar disco" run it, beside the part
// of it that is the three database queries and the part that is the MD5.
#include "Floors.h"
#include "Ratios.h"
#include "core/CMD5.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "declarations/ExportRecords.h"
#include "declarations/frmDDJJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "support/Fixtures.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

const QString kNro = QStringLiteral("30708123451012320060501");

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QTemporaryDir& outFolder()
{
    static QTemporaryDir dir;
    return dir;
}

frmDDJJ& list()
{
    static frmDDJJ* f = nullptr;
    if (f) return *f;
    schema::CreateDatabase(folder().path(), true);
    de1::conn().Open(General::BuildConnectionString(folder().path()));
    testsupport::insertDeclaration(
        {.nro = kNro, .mtoVtas = 1853.28, .alicuota = 4, .importe = 74.13, .intereses = 12.5, .total = 86.63});
    de1::conn().Execute(
        QStringLiteral(
            "INSERT INTO LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
            "SELECT '%1', i, i % 20, 100.5 + i, 1.235, round((100.5 + i) * 1.235, 2) FROM n;"
            "INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE (PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID, GLOC_ID, GPRO_ID, "
            "PGTR_PLANTAPROCESADORA, PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, PGTR_VALOR) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
            "SELECT '%1', printf('G %05d', i), printf('2006-05-%02d', 1 + i % 28), 12, 44, 26, 'PLANTA NRO ' || i, "
            "20 * i, 400.25 * i, 1200.75 * i, 4, 48.03 * i FROM n;"
            "INSERT INTO LNV_PES_TB_GUIAS_DET (PGTR_NRO, PDGT_NRO, PTES_ID, PDGT_CAJONES, PDGT_KGS, PDGT_PRECIO, PDGT_TOTAL) "
            "WITH RECURSIVE g(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM g WHERE i < 500), "
            "l(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM l WHERE j < 10) "
            "SELECT printf('G %05d', i), j, j % 20, 1, 20.0125 * i, 2.675, round(20.0125 * i * 2.675, 2) FROM g, l;")
            .arg(kNro));
    MDIPrincipal::Instance().Show();
    MDIPrincipal::Instance().op_DDJJ->trigger();
    QApplication::processEvents();
    f = forms::Form::Existing<frmDDJJ>();
    if (!f || f->grillaDJ->Text(0) != kNro) std::abort();
    return *f;
}

void click(frmDDJJ& f, const char* key) { f.tlbMonedas->Buttons(QString::fromLatin1(key)).widget()->click(); }

// "Imprimir DJ": the whole export in a private folder, only for its
// checksum, then the printed form's viewer, whose layout of 5 000 lines is
// most of the time and is held to its targets in bench_report.
void BM_PrintRun(benchmark::State& state)
{
    frmDDJJ& f = list();
    for (auto _ : state) {
        click(f, "imprimir");
        if (f.MD5Archivos.size() != 32) state.SkipWithError("no checksum");
    }
}
BENCHMARK(BM_PrintRun)->Unit(benchmark::kMillisecond);

// "Generar disco" into a folder of its own, replacing the files of the last run.
void BM_ExportToDisk(benchmark::State& state)
{
    frmDDJJ& f = list();
    forms::SetCommonDialogHook([](const forms::CommonDialog& d) -> std::optional<QString> {
        return QDir(outFolder().path()).filePath(d.FileName);
    });
    forms::SetMsgBoxHook([](const QString&, int, const QString&) { return int(forms::vbYes); });
    for (auto _ : state) {
        click(f, "disco");
        if (f.MD5Archivos.size() != 32) state.SkipWithError("no checksum");
    }
    forms::SetCommonDialogHook({});
    forms::SetMsgBoxHook({});
}
BENCHMARK(BM_ExportToDisk)->Unit(benchmark::kMillisecond);

// The export's statements: its three queries, every value of every row read once.
void BM_ExportQueries(benchmark::State& state)
{
    list();
    const QString queries[] = {ExportRecords::SalesLinesSql(kNro), ExportRecords::GuidesSql(kNro),
                               ExportRecords::GuideLinesSql(kNro)};
    for (auto _ : state) {
        state.counters["rows"] = double(bench::ReadThroughRecordsets(queries));
    }
}
BENCHMARK(BM_ExportQueries)->Unit(benchmark::kMillisecond);

// The checksum alone, over the records of one run.
void BM_ChecksumOfTheRecords(benchmark::State& state)
{
    frmDDJJ& f = list();
    forms::SetCommonDialogHook([](const forms::CommonDialog& d) -> std::optional<QString> {
        return QDir(outFolder().path()).filePath(d.FileName);
    });
    forms::SetMsgBoxHook([](const QString&, int, const QString&) { return int(forms::vbYes); });
    click(f, "disco");
    forms::SetCommonDialogHook({});
    forms::SetMsgBoxHook({});
    QByteArray bytes;
    for (const QString& name : {QStringLiteral("DJ20060500123.txt"), QStringLiteral("Gui20060500123.txt")}) {
        QFile file(QDir(outFolder().path()).filePath(name));
        file.open(QIODevice::ReadOnly);
        bytes += file.readAll();
    }
    bytes.replace("\r\n", "");
    const QString records = QString::fromLatin1(bytes);
    state.counters["chars"] = double(records.size());
    for (auto _ : state) benchmark::DoNotOptimize(CMD5().MD5(records));
}
BENCHMARK(BM_ChecksumOfTheRecords)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(
        argc, argv,
        {{"BM_ExportToDisk", "BM_ExportQueries", bench::AtMost(2)},
         {"BM_PrintRun", "BM_ExportQueries", bench::ForTheRecord("the viewer's layout included: see bench_report")},
         {"BM_ChecksumOfTheRecords", "BM_PrintRun", bench::ForTheRecord("the share of the MD5")}});
}
