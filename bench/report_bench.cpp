// The printed declaration of a large declaration (10 000 sales lines, about
// 200 pages) and of a one-line one: "Imprimir DJ" from the list up to the
// first page painted on screen, and "Guardar PDF" of the laid-out pages,
// beside the same pages drawn as plain QPainter text (no report runtime, no
// barcodes).
#include "Floors.h"
#include "Ratios.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "declarations/ExportRecords.h"
#include "declarations/frmDDJJ.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "platform/report/Report.h"
#include "platform/report/Viewer.h"
#include "support/Fixtures.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const QString kGrande = QStringLiteral("30708123451012320060501");
const QString kChica = QStringLiteral("30708123451012320060502");

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

void lines(const QString& nro, int n)
{
    de1::conn().Execute(
        QStringLiteral(
            "INSERT INTO LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
            "SELECT '%1', i, i % 20, 100.5 + i, 1.235, round((100.5 + i) * 1.235, 2) FROM n;")
            .arg(nro)
            .arg(n));
}

// The declaration list on a database with both declarations, as the clerk opens it.
frmDDJJ& list()
{
    static frmDDJJ* f = nullptr;
    if (f) return *f;
    schema::CreateDatabase(folder().path(), true);
    de1::conn().Open(General::BuildConnectionString(folder().path()));
    for (const QString& nro : {kGrande, kChica})
        testsupport::insertDeclaration(
            {.nro = nro, .mtoVtas = 1853.28, .alicuota = 4, .importe = 74.13, .intereses = 12.5, .total = 86.63});
    lines(kGrande, 10000);
    lines(kChica, 1);
    MDIPrincipal::Instance().Show();
    MDIPrincipal::Instance().op_DDJJ->trigger();
    QApplication::processEvents();
    f = forms::Form::Existing<frmDDJJ>();
    if (!f) std::abort();
    return *f;
}

void select(frmDDJJ& f, const QString& nro)
{
    forms::DataGrid* g = f.grillaDJ;
    for (int r = 0; r < g->model()->rowCount(); ++r) {
        const QModelIndex i = g->model()->index(r, 0);
        if (g->model()->data(i).toString() != nro) continue;
        g->setRow(r);
        QApplication::processEvents();
        if (g->Text(0) != nro) std::abort();
        return;
    }
    std::abort();
}

const QString& declarationOf(const benchmark::State& state) { return state.range(0) > 1 ? kGrande : kChica; }

// "Imprimir DJ" on the selected declaration (its export for the checksum,
// the viewer's two queries, the layout), until the viewer's first page is
// painted. The viewer is closed between runs, as a clerk would close it.
void BM_ImprimirDJ(benchmark::State& state)
{
    frmDDJJ& f = list();
    for (auto _ : state) {
        state.PauseTiming();
        if (auto* v = forms::Form::Existing<frmLisDJ>()) v->Unload();
        f.Show();
        QApplication::processEvents();
        // The list reads its rows again as it comes back.
        select(f, declarationOf(state));
        state.ResumeTiming();
        f.tlbMonedas->Buttons(QStringLiteral("imprimir")).widget()->click();
        QApplication::processEvents();
        frmLisDJ* v = forms::Form::Existing<frmLisDJ>();
        if (!v) {
            state.SkipWithError("no viewer");
            break;
        }
        benchmark::DoNotOptimize(v->CRViewer91->Preview->grab());
        state.counters["pages"] = v->CRViewer91->PageCount();
    }
}
BENCHMARK(BM_ImprimirDJ)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

// The statements "Imprimir DJ" runs: the export's three queries for the
// checksum and the viewer's two, every value of every row read once.
void BM_PrintSql(benchmark::State& state)
{
    list();
    const QString nro = declarationOf(state);
    const QString queries[] = {
        ExportRecords::SalesLinesSql(nro), ExportRecords::GuidesSql(nro), ExportRecords::GuideLinesSql(nro),
        QStringLiteral("select * from PES_VW_DJ7351 where PCDJ_NRO='") + nro + QStringLiteral("'"),
        QStringLiteral("select * from PES_VW_GUIAS_REPORTE where PCDJ_NRO='") + nro + QStringLiteral("'")};
    for (auto _ : state) {
        state.counters["rows"] = double(bench::ReadThroughRecordsets(queries));
    }
}
BENCHMARK(BM_PrintSql)->Arg(1)->Arg(10000)->Unit(benchmark::kMillisecond);

// The viewer of the large declaration, laid out and shown once.
frmLisDJ& viewer()
{
    static frmLisDJ* v = nullptr;
    if (v) return *v;
    frmDDJJ& f = list();
    select(f, kGrande);
    f.tlbMonedas->Buttons(QStringLiteral("imprimir")).widget()->click();
    QApplication::processEvents();
    v = forms::Form::Existing<frmLisDJ>();
    if (!v || v->CRViewer91->PageCount() < 100) std::abort();
    return *v;
}

QString pdfPath() { return QDir(folder().path()).filePath(QStringLiteral("declaracion.pdf")); }

// "Guardar PDF" of what the viewer shows, into a file, as soon as the
// viewer has opened: the pages not looked at are written then.
void BM_GuardarPdf(benchmark::State& state)
{
    frmLisDJ& v = viewer();
    for (auto _ : state) {
        state.PauseTiming();
        v.CRViewer91->ViewReport();
        state.ResumeTiming();
        if (!v.CRViewer91->ExportPdf(pdfPath())) state.SkipWithError("no PDF");
        state.counters["pages"] = v.CRViewer91->PageCount();
        state.counters["KB"] = double(QFileInfo(pdfPath()).size()) / 1024;
    }
}
BENCHMARK(BM_GuardarPdf)->MinTime(1.0)->Unit(benchmark::kMillisecond);

// The laid-out pages' texts, drawn one by one with no runtime in between.
void plainPage(QPainter& p, const report::Page& page)
{
    const double k = p.device()->logicalDpiX() / 1440.0;
    for (const report::PageItem& i : page.items) {
        if (i.type != report::PageItem::Text) continue;
        p.setFont(i.font);
        p.drawText(QRectF(i.rect.x() * k, i.rect.y() * k, i.rect.width() * k, i.rect.height() * k), i.flags, i.text);
    }
}

void BM_PlainTextPdf(benchmark::State& state)
{
    const report::Report& r = *viewer().Report;
    for (auto _ : state) {
        QSaveFile out(pdfPath());
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter p(&pdf);
        for (size_t i = 0; i < r.Pages().size(); ++i) {
            if (i > 0) pdf.newPage();
            plainPage(p, r.Pages()[i]);
        }
        p.end();
        out.commit();
    }
}
BENCHMARK(BM_PlainTextPdf)->MinTime(1.0)->Unit(benchmark::kMillisecond);

// The first page's texts drawn onto a bitmap of the preview's size.
void BM_PlainTextFirstPage(benchmark::State& state)
{
    frmLisDJ& v = viewer();
    const report::Report& r = *v.Report;
    const QSize size = v.CRViewer91->Preview->size();
    for (auto _ : state) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        const double k = size.width() / (report::Report::PageWidth * img.logicalDpiX() / 1440.0);
        p.scale(k, k);
        plainPage(p, r.Pages()[0]);
        p.end();
        benchmark::DoNotOptimize(img);
    }
}
BENCHMARK(BM_PlainTextFirstPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(
        argc, argv,
        {{"BM_ImprimirDJ/10000", "BM_PlainTextFirstPage",
          bench::UnderMs(100, 0, "in all at 197 pages; the ratio is how far from drawing one page")},
         {"BM_ImprimirDJ/10000", "BM_ImprimirDJ/1",
          bench::ForTheRecord(
              "flat with the page count: what grows is the SQL of the lines (next rows) and their layout")},
         {"BM_ImprimirDJ/10000", "BM_PrintSql/10000",
          bench::ForTheRecord("the whole print run against its statements alone")},
         {"BM_ImprimirDJ/10000", "BM_ImprimirDJ/1",
          bench::ForTheRecord("what 197 pages add beyond their SQL: 1 would be flat"), "BM_PrintSql/10000"},
         {"BM_GuardarPdf", "BM_PlainTextPdf", bench::AtMost(1.2)}});
}
