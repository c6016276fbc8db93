// The printed declaration of a large declaration (1 000 sales lines, 100
// guides): laid out and written as PDF, and laid out and shown in the
// preview up to its first page, each beside the same pages drawn as plain
// QPainter text (no report runtime, no barcodes).
#include "Ratios.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "declarations/reports/crDJ.h"
#include "platform/ado/Recordset.h"
#include "platform/barcode/Barcode.h"
#include "platform/report/Viewer.h"
#include "support/Fixtures.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kNro = QStringLiteral("30708123451012320060501");
const QString kMD5 = QStringLiteral("9E107D9D372BB6826BD81D3542A419D6");

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

struct Fixture {
    barcode::Barcode codigo, md5;
    std::unique_ptr<crDJ> report;
    report::Viewer viewer;

    Fixture()
    {
        schema::CreateDatabase(folder().path(), true);
        de1::conn().Open(General::BuildConnectionString(folder().path()));
        testsupport::insertDeclaration(
            {.nro = kNro, .mtoVtas = 1853.28, .alicuota = 4, .importe = 74.13, .intereses = 12.5, .total = 86.63});
        de1::conn().Execute(
            QStringLiteral(
                "INSERT INTO LNV_PES_TB_DET_DDJJ7351 (PCDJ_NRO, PDDJ_NRO, PTES_ID, PDDJ_KG, PDDJ_PRECIO, PDDJ_TOTAL) "
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                "SELECT '%1', i, i % 20, 100.5 + i, 1.235, round((100.5 + i) * 1.235, 2) FROM n;"
                "INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE (PCDJ_NRO, PGTR_NRO, PGTR_FECHA, PPTO_ID, GLOC_ID, GPRO_ID, "
                "PGTR_PLANTAPROCESADORA, PGTR_CAJONES, PGTR_KGS, PGTR_TOTAL, PGTR_ALICUOTA, PGTR_VALOR) "
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                "SELECT '%1', printf('G %05d', i), printf('2006-05-%02d', 1 + i % 28), 12, 44, 26, 'PLANTA NRO ' || i, "
                "20 * i, 400.25 * i, 1200.75 * i, 4, 48.03 * i FROM n;")
                .arg(kNro));
        // The data as the viewer hands it over.
        report = std::make_unique<crDJ>(codigo, md5, kMD5);
        ado::Recordset rs, guias;
        rs.Open(QStringLiteral("select * from PES_VW_DJ7351 where PCDJ_NRO='") + kNro + "'", de1::conn());
        guias.Open(QStringLiteral("select * from PES_VW_GUIAS_REPORTE where PCDJ_NRO='") + kNro + "'", de1::conn());
        report->SetDataSource(rs);
        report->subGuias->OpenSubreport().SetDataSource(guias);
        report->Layout();
        viewer.resize(1000, 800);
        viewer.setReportSource(report.get());
        viewer.show();
    }
};

// Kept to the end of the process: its widgets must not outlive the application object.
Fixture& fixture()
{
    static Fixture* f = new Fixture;
    return *f;
}

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

void pdfWriter(QPdfWriter& pdf)
{
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

void BM_DeclarationPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        f.report->Layout();
        if (!f.report->WritePdf(out)) state.SkipWithError("no PDF");
        state.counters["pages"] = f.report->PageCount();
        state.counters["KB"] = double(out.size()) / 1024;
    }
}
BENCHMARK(BM_DeclarationPdf)->Unit(benchmark::kMillisecond);

void BM_PlainTextPdf(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdfWriter(pdf);
        QPainter p(&pdf);
        for (size_t i = 0; i < f.report->Pages().size(); ++i) {
            if (i > 0) pdf.newPage();
            plainPage(p, f.report->Pages()[i]);
        }
        p.end();
    }
}
BENCHMARK(BM_PlainTextPdf)->Unit(benchmark::kMillisecond);

// "ViewReport" up to the first page painted on screen.
void BM_PreviewFirstPage(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        f.viewer.ViewReport();
        benchmark::DoNotOptimize(f.viewer.Preview->grab());
    }
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond);

// The first page's texts drawn onto a bitmap of the preview's size.
void BM_PlainTextFirstPage(benchmark::State& state)
{
    Fixture& f = fixture();
    const QSize size = f.viewer.Preview->size();
    for (auto _ : state) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.scale(size.width() / (11906 * img.logicalDpiX() / 1440.0),
                size.width() / (11906 * img.logicalDpiX() / 1440.0));
        plainPage(p, f.report->Pages()[0]);
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
        {{"BM_DeclarationPdf", "BM_PlainTextPdf", "a few times: layout, barcodes, lines"},
         {"BM_PreviewFirstPage", "BM_PlainTextFirstPage", "the preview draws every page first"}});
}
