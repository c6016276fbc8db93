// The declaration editor's two heavy moments: the species list with the
// dock price in force (200 species, 50 prices each), and the save of one
// sales line in a declaration of 500 (insert, totals, reload of species and
// grid), each against the same statements run plainly through ado.
#include "Floors.h"
#include "Ratios.h"
#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "core/records/clsCabDDJJ.h"
#include "core/schema/Database.h"
#include "declarations/frmEditarDJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace {

const QString kNro = QStringLiteral("20123456786012320060500");
constexpr int kSpecies = 200;
constexpr int kPricesEach = 50;
constexpr int kLines = 500;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The statement the editor runs for 1 May 2006, through the same dialect rewrite.
QString dockPriceSql()
{
    return QStringLiteral(
        " SELECT A.PTES_ID, LNV_PES_TB_ESPECIES.PTES_DESCRIPCION, A.PPRE_VALOR, A.PPRE_DISPOSICION"
        " FROM LNV_PES_TB_ESPECIES INNER JOIN [select  LNV_PES_TB_PRECIOS_LEY7351.PTES_ID,  P.UltFecha,  "
        " LNV_PES_TB_PRECIOS_LEY7351.PPRE_VALOR, LNV_PES_TB_PRECIOS_LEY7351.PPRE_DISPOSICION"
        " from LNV_PES_TB_PRECIOS_LEY7351 inner join (select PTES_ID,  max(PPRE_FVIGENCIA) as UltFecha"
        " From LNV_PES_TB_PRECIOS_LEY7351 Where LNV_PES_TB_PRECIOS_LEY7351.PPRE_FVIGENCIA <= #05/01/2006#"
        " and  PTES_ID<>99 GROUP BY PTES_ID ORDER BY PTES_ID ) as P"
        " on  LNV_PES_TB_PRECIOS_LEY7351.PTES_ID=P.PTES_ID AND  LNV_PES_TB_PRECIOS_LEY7351.PPRE_FVIGENCIA=p.UltFecha"
        " ]. AS A ON LNV_PES_TB_ESPECIES.PTES_ID = A.PTES_ID Union"
        " SELECT LNV_PES_TB_ESPECIES.PTES_ID, LNV_PES_TB_ESPECIES.PTES_DESCRIPCION, null, NULL"
        " FROM LNV_PES_TB_ESPECIES LEFT JOIN LNV_PES_TB_PRECIOS_LEY7351 ON LNV_PES_TB_ESPECIES.PTES_ID = LNV_PES_TB_PRECIOS_LEY7351.PTES_ID"
        " Where (((LNV_PES_TB_PRECIOS_LEY7351.PTES_ID) Is Null))");
}

// 200 species with 50 prices each over 2000-2010, a declaration of May
// 2006 with 500 lines over those species; the reference species stay free
// for the line being saved.
void fill()
{
    static bool done = false;
    if (done) return;
    done = true;
    schema::CreateDatabase(folder().path(), true);
    de1::conn().Open(General::BuildConnectionString(folder().path()));
    ado::Connection& c = de1::conn();
    c.Execute(QStringLiteral("BEGIN"));
    c.Execute(QStringLiteral(
                  "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                  "insert into LNV_PES_TB_ESPECIES (PTES_ID, PTES_DESCRIPCION) select 1000 + i, 'ESPECIE ' || i from n")
                  .arg(kSpecies));
    c.Execute(QStringLiteral(
                  "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1) "
                  "insert into LNV_PES_TB_PRECIOS_LEY7351 (PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION) "
                  "select 1001 + i / %2, 1 + (i % 97) / 10.0, date('2000-01-01', '+' || ((i % %2) * 80) || ' days'), "
                  "'DISPOSICIÓN ' || i from n")
                  .arg(kSpecies * kPricesEach - 1)
                  .arg(kPricesEach));
    testsupport::insertDeclaration(
        {.nro = kNro, .cuit = 20123456786, .nroDoc = 22333444, .responsable = QStringLiteral("GOMEZ ANA")});
    c.Execute(QStringLiteral(
                  "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                  "insert into LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
                  "select '%2', i, 1001 + i % %3, 10 + i, 1.5, (10 + i) * 1.5 from n")
                  .arg(kLines)
                  .arg(kNro)
                  .arg(kSpecies));
    c.Execute(QStringLiteral("COMMIT"));
    // Nothing in these runs may ask the user.
    forms::SetMsgBoxHook([](const QString& prompt, int, const QString&) -> int {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(prompt));
        std::abort();
    });
}

frmEditarDJ& editor()
{
    fill();
    frmEditarDJ* ed = forms::Form::Existing<frmEditarDJ>();
    if (!ed) {
        ed = &forms::Form::Instance<frmEditarDJ>();
        ed->Operacion(2, testsupport::recordOf(kNro));
    }
    return *ed;
}

void press(forms::Toolbar* tb, const char* key) { tb->Buttons(QString::fromLatin1(key)).widget()->click(); }

// ---------------------------------------------------------------- species

void BM_DockPriceQueryViaAdo(benchmark::State& state)
{
    fill();
    const QString sql = dockPriceSql();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(sql, de1::conn(), ado::adOpenKeyset, ado::adLockOptimistic, 1);
        state.counters["rows"] = double(rs.RecordCount());
    }
}
BENCHMARK(BM_DockPriceQueryViaAdo)->Unit(benchmark::kMillisecond);

void BM_CargarEspecies(benchmark::State& state)
{
    frmEditarDJ& ed = editor();
    for (auto _ : state) {
        ed.CargarEspecies();
        state.counters["species"] = double(ed.cbo_Especies->ListCount());
    }
}
BENCHMARK(BM_CargarEspecies)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- the lines grid

// The editor's grid of sales lines, as the editor opens it.
QString linesGridSql() { return QStringLiteral("select * FROM PES_VW_DET_DDJJ7351 WHERE PCDJ_NRO = '%1'").arg(kNro); }

// The same statement stepped through plainly, every value read as its type.
void BM_LinesGridPlainLoop(benchmark::State& state)
{
    fill();
    const QByteArray sql = linesGridSql().toUtf8();
    for (auto _ : state) state.counters["rows"] = double(bench::PlainLoop(sql.constData()));
}
BENCHMARK(BM_LinesGridPlainLoop)->Unit(benchmark::kMicrosecond);

void BM_LinesGridRecordsetOpen(benchmark::State& state)
{
    fill();
    const QString sql = linesGridSql();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(sql, de1::conn());
        state.counters["rows"] = double(rs.RecordCount());
        benchmark::DoNotOptimize(rs.at(rs.RecordCount() - 1, 0));
    }
}
BENCHMARK(BM_LinesGridRecordsetOpen)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- one line

void removeNewLine()
{
    de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1' and PDDJ_NRO > %2")
                            .arg(kNro)
                            .arg(kLines));
}

// What the save runs, one statement after another: in one transaction the
// declaration still stored, no other line of the species, the line number,
// the insert, the stored rate, interest and fine, the totals and their
// update; then the species, the lines and the stored totals read again.
void BM_SaveLineStatementsViaAdo(benchmark::State& state)
{
    fill();
    const QString species = dockPriceSql();
    for (auto _ : state) {
        de1::conn().BeginTrans();
        ado::Recordset cab;
        cab.Open(QStringLiteral("SELECT PCDJ_NRO FROM LNV_PES_TB_CAB_DDJJ7351 WHERE PCDJ_NRO = '%1'").arg(kNro),
                 de1::conn());
        ado::Recordset especie;
        especie.Open(QStringLiteral("SELECT PTES_ID FROM LNV_PES_TB_DET_DDJJ7351 WHERE PCDJ_NRO = '%1' AND PTES_ID = 1")
                         .arg(kNro),
                     de1::conn());
        ado::Recordset max;
        max.Open(QStringLiteral("SELECT Max(LNV_PES_TB_DET_DDJJ7351.PDDJ_NRO) AS PDDJ_NRO From LNV_PES_TB_DET_DDJJ7351 "
                                "WHERE (((LNV_PES_TB_DET_DDJJ7351.PCDJ_NRO)= '%1'))")
                     .arg(kNro),
                 de1::conn());
        de1::conn().Execute(
            QStringLiteral(
                "insert into LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
                "VALUES ('%1', %2, 1, 10.00, 1.5000, 15.00)")
                .arg(kNro)
                .arg(max(0).integer() + 1));
        ado::Recordset tasa;
        tasa.Open(QStringLiteral("SELECT PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA FROM LNV_PES_TB_CAB_DDJJ7351 "
                                 "WHERE PCDJ_NRO = '%1'")
                      .arg(kNro),
                  de1::conn());
        ado::Recordset total;
        total.Open(QStringLiteral("SELECT TOTAL From PES_VW_TOTALES_DJ7351 WHERE PCDJ_NRO = '%1'").arg(kNro),
                   de1::conn());
        de1::conn().Execute(
            QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PCDJ_MTOVTAS = %1, PCDJ_IMPORTE = 1,  PCDJ_TOTAL = 1 "
                           "WHERE PCDJ_NRO ='%2'")
                .arg(total(0).toDouble(), 0, 'g', 15)
                .arg(kNro));
        de1::conn().CommitTrans();
        ado::Recordset esp;
        esp.Open(species, de1::conn());
        ado::Recordset lines;
        lines.Open(QStringLiteral("select * FROM PES_VW_DET_DDJJ7351 WHERE PCDJ_NRO = '%1'").arg(kNro), de1::conn());
        ado::Recordset guardado;
        guardado.Open(QStringLiteral("SELECT PCDJ_MTOVTAS, PCDJ_IMPORTE, PCDJ_TOTAL FROM LNV_PES_TB_CAB_DDJJ7351 "
                                     "WHERE PCDJ_NRO = '%1'")
                          .arg(kNro),
                      de1::conn());
        ado::Recordset guias;
        guias.Open(
            QStringLiteral("SELECT Sum(PGTR_VALOR) AS Total FROM LNV_PES_TB_GUIAS_TRANSPORTE WHERE PCDJ_NRO = '%1'")
                .arg(kNro),
            de1::conn());
        ado::Recordset pagos;
        pagos.Open(QStringLiteral("SELECT Sum([PPDJ_EFECTIVO]+[PPDJ_CHEQUE1_MONTO]+[PPDJ_CHEQUE2_MONTO]) AS Total "
                                  "from LNV_PES_TB_PAGOS_DDJJ7351 where PCDJ_NRO = '%1'")
                       .arg(kNro),
                   de1::conn());
        state.counters["lines"] = double(lines.RecordCount());
        state.PauseTiming();
        removeNewLine();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveLineStatementsViaAdo)->Unit(benchmark::kMillisecond);

// "nuevo", a species, kilograms, price and amount, then the timed "aceptar".
void BM_GuardarRenglon(benchmark::State& state)
{
    frmEditarDJ& ed = editor();
    for (auto _ : state) {
        state.PauseTiming();
        press(ed.tlb_detalle, "nuevo");
        ed.cbo_Especies->setListIndex(ed.cbo_Especies->findText(QStringLiteral("MERLUZA HUBBSI")));
        ed.txt_kg->setValue(10);
        ed.txt_precio->setValue(1.5);
        ed.txt_MtoTotal->setValue(15);
        state.ResumeTiming();
        press(ed.tlb_detalle, "aceptar");
        state.PauseTiming();
        state.counters["lines"] = double(ed.adoDetalleDJ->Recordset->RecordCount());
        removeNewLine();
        ed.CargarDetalle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GuardarRenglon)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv,
                                {{"BM_CargarEspecies", "BM_DockPriceQueryViaAdo", bench::UnderMs(20, 1.5)},
                                 {"BM_GuardarRenglon", "BM_SaveLineStatementsViaAdo",
                                  bench::UnderMs(20, 2.5,
                                                 "the window also rebinds the lines grid with its column table, "
                                                 "refills the species combo and its boxes, which the statements "
                                                 "alone do not")},
                                 {"BM_LinesGridRecordsetOpen", "BM_LinesGridPlainLoop",
                                  bench::AtMost(1.5,
                                                "as every recordset against its plain loop: the loop reads "
                                                "the texts in place, the recordset keeps them")}});
}
