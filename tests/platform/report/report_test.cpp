#include "core/de1.h"
#include "platform/barcode/Barcode.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/report/Report.h"
#include "platform/report/Viewer.h"
#include "support/Pdf.h"
#include "support/Places.h"
#include "support/Support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace report;

namespace {

// Rows 1..n with a name, from the database engine itself.
ado::Recordset rows(int n)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < %1) "
                           "SELECT n, 'fila ' || n AS nombre FROM c")
                .arg(n),
            de1::conn());
    return rs;
}

// A list: header, column captions, one line per row, a total, a numbered footer.
struct Lista {
    Report r;
    TextObject* doble = nullptr;
    Lista()
    {
        r.AddSection(SectionKind::ReportHeader, "RH", 1000)
            .Add<TextObject>("titulo", QRectF(0, 0, 5000, 400), "ENCABEZADO");
        r.AddSection(SectionKind::PageHeader, "PH", 300).Add<TextObject>("cols", QRectF(0, 0, 3000, 250), "COLUMNAS");
        Section& d = r.AddSection(SectionKind::Details, "D", 300);
        d.Add<FieldObject>("nombre", QRectF(0, 0, 2000, 250), "NOMBRE");
        doble = d.Add<TextObject>("doble", QRectF(3000, 0, 2000, 250));
        d.Format = [this] { doble->SetText(QStringLiteral("doble %1").arg(2 * r.Field(0).integer())); };
        r.AddSection(SectionKind::ReportFooter, "RF", 500).Add<TextObject>("total", QRectF(0, 0, 3000, 250), "TOTAL");
        r.AddSection(SectionKind::PageFooter, "PF", 400).Add<PageNumberObject>("pag", QRectF(0, 0, 3000, 250));
    }
};

// The texts of one page as printed, page numbers filled in.
QStringList texts(const Report& r, int page)
{
    QStringList all;
    for (const PageItem& i : r.Pages()[size_t(page)].items) {
        if (i.type == PageItem::Text) all << i.text;
        if (i.type == PageItem::PageNumber) all << PageNumberObject::TextFor(page + 1, r.PageCount());
    }
    return all;
}

struct ReportTest : ::testing::Test {
    testsupport::TempDb db;
};

TEST_F(ReportTest, RowsFlowOverPagesBetweenRepeatedHeadersAndFooters)
{
    Lista l;
    l.r.SetDataSource(rows(60));
    l.r.Layout();
    ASSERT_EQ(l.r.PageCount(), 2);

    const QStringList p1 = texts(l.r, 0), p2 = texts(l.r, 1);
    EXPECT_EQ(p1.mid(0, 2), (QStringList{"ENCABEZADO", "COLUMNAS"}));
    EXPECT_EQ(p2.first(), "COLUMNAS");
    EXPECT_FALSE(p2.contains("ENCABEZADO"));
    EXPECT_FALSE(p1.contains("TOTAL"));
    EXPECT_TRUE(p2.contains("TOTAL"));
    EXPECT_EQ(p1.last(), "Página 1 de 2");
    EXPECT_EQ(p2.last(), "Página 2 de 2");

    // Every row once, in order, each with what its own format pass set.
    QStringList filas;
    for (const QString& t : p1 + p2)
        if (t.startsWith("fila ")) filas << t;
    ASSERT_EQ(filas.size(), 60);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(filas[i], QStringLiteral("fila %1").arg(i + 1));
    EXPECT_TRUE(p2.contains("doble 120"));

    // Nothing of the body runs into the footer.
    const double pie = Report::PageHeight - l.r.BottomMargin - 400;
    for (const Page& p : l.r.Pages())
        for (const PageItem& i : p.items)
            EXPECT_TRUE(i.type != PageItem::Text || i.rect.bottom() <= pie + 0.01) << i.text.toStdString();
}

TEST_F(ReportTest, ASubreportsRowsFlowOnToTheNextPagesBesideItsOffset)
{
    auto sub = std::make_unique<Report>();
    sub->AddSection(SectionKind::ReportHeader, "SRH", 300).Add<TextObject>("t", QRectF(0, 0, 3000, 250), "GUIAS");
    sub->AddSection(SectionKind::Details, "SD", 300).Add<FieldObject>("g", QRectF(0, 0, 2000, 250), "nombre");
    Report r;
    r.AddSection(SectionKind::ReportFooter, "RF1", 1300)
        .Add<SubreportObject>("sub", QRectF(500, 200, 8000, 1000), std::move(sub));
    r.AddSection(SectionKind::ReportFooter, "RF2", 300).Add<TextObject>("firma", QRectF(0, 0, 3000, 250), "FIRMA");
    r.AddSection(SectionKind::PageFooter, "PF", 400).Add<PageNumberObject>("pag", QRectF(0, 0, 3000, 250));

    // As a viewer finds it: walking the sections for subreport objects.
    for (Section* s : r.Sections())
        for (ReportObject* o : s->ReportObjects())
            if (o->Kind() == ObjectKind::Subreport)
                static_cast<SubreportObject*>(o)->OpenSubreport().SetDataSource(rows(80));
    r.Layout();
    ASSERT_EQ(r.PageCount(), 2);
    QStringList todo;
    for (int p = 0; p < r.PageCount(); ++p) {
        todo += texts(r, p);
        EXPECT_EQ(texts(r, p).last(), QStringLiteral("Página %1 de 2").arg(p + 1));
    }
    EXPECT_EQ(todo.first(), "GUIAS");
    EXPECT_EQ(todo.filter(QRegularExpression("^fila \\d+$")).size(), 80);
    EXPECT_EQ(todo[todo.size() - 2], "FIRMA");  // after the last guide, before the footer
    for (const PageItem& i : r.Pages()[0].items) EXPECT_TRUE(i.text != "fila 1" || i.rect.left() == r.LeftMargin + 500);
}

TEST_F(ReportTest, ASectionThatEndsItsPageGivesOnePagePerRowAndNoEmptyLastPage)
{
    Report r;
    Section& d = r.AddSection(SectionKind::Details, "D", 3000);
    d.Add<FieldObject>("n", QRectF(0, 0, 2000, 250), "nombre");
    d.NewPageAfter = true;
    r.SetDataSource(rows(3));
    r.Layout();
    ASSERT_EQ(r.PageCount(), 3);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(texts(r, p), QStringList{QStringLiteral("fila %1").arg(p + 1)});
}

TEST_F(ReportTest, TheReportKeepsItsRowsUntilTheyAreDiscarded)
{
    Lista l;
    ado::Recordset rs = rows(3);
    l.r.SetDataSource(rs);
    l.r.ReadRecords();
    rs.Close();
    l.r.Layout();
    EXPECT_TRUE(texts(l.r, 0).contains("fila 3"));

    l.r.DiscardSavedData();
    EXPECT_FALSE(l.r.HasData());
    l.r.Layout();
    ASSERT_EQ(l.r.PageCount(), 1);
    EXPECT_TRUE(texts(l.r, 0).filter("fila").isEmpty());
    EXPECT_TRUE(texts(l.r, 0).contains("TOTAL"));
    EXPECT_TRUE(l.r.Field(0).isEmpty());
}

// A report of two pages with a barcode drawn into a picture object.
struct ConCodigo : Lista {
    PictureObject* pic;
    ConCodigo()
    {
        pic = r.SectionByName("RH")->Add<PictureObject>("pic", QRectF(5200, 0, 5400, 900));
        barcode::Barcode b;
        b.setText(QStringLiteral("0310500503070812345112320060501"));
        b.SizeTo(540, 90);
        pic->SetPicture(b.Drawing());
        r.Title = QStringLiteral("Lista de prueba");
        r.SetDataSource(rows(60));
    }
};

TEST_F(ReportTest, ThePdfHoldsTheTextAndABarcodeThatReads)
{
    ConCodigo c;
    c.r.Layout();
    const QString path = QDir(db.folder()).filePath("lista.pdf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(c.r.WritePdf(f));
    f.close();
    EXPECT_EQ(testsupport::PdfPages(path), 2);
    const QString text = testsupport::PdfText(path);
    for (const char* want : {"ENCABEZADO", "fila 1", "fila 60", "Página 2 de 2", "TOTAL"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want;
    EXPECT_EQ(testsupport::PdfBarcodes(path, 1), QStringList{"0310500503070812345112320060501"});
}

TEST_F(ReportTest, AValueWiderThanItsBoxIsFittedInsideIt)
{
    struct Case {
        const char* text;
        QRectF box;
        TextFit fit;
        const char* printed;  // as read back from the PDF; "…" where it is cut
        int lines;            // 0: as many as the smaller face takes
    };
    const Case cases[] = {
        // A number is made smaller, never cut: once its leading digits were lost.
        {"1.508.642.625,32", QRectF(0, 0, 1022, 240), TextFit::Auto, "1.508.642.625,32", 1},
        {"30-70812345-1 05/2006", QRectF(0, 400, 600, 240), TextFit::Auto, "30-70812345-1 05/2006", 1},
        // A text takes the lines its box holds, and is cut only past a smaller face.
        {"AVENIDA HIPÓLITO YRIGOYEN 12345, SAN FERNANDO DEL VALLE DE CATAMARCA", QRectF(0, 800, 3600, 400),
         TextFit::Auto, "AVENIDA HIPÓLITO YRIGOYEN 12345, SAN FERNANDO DEL VALLE DE CATAMARCA", 2},
        {"COMPAÑÍA PESQUERA DEL GOLFO SAN MATÍAS MARÍTIMA SOCIEDAD ANÓNIMA", QRectF(0, 1400, 2000, 240), TextFit::Auto,
         "COMPAÑÍA PESQUERA …", 1},
        {"COMPAÑÍA PESQUERA DEL GOLFO SAN MATÍAS MARÍTIMA SOCIEDAD ANÓNIMA", QRectF(0, 1800, 2000, 240),
         TextFit::WrapWhole, "COMPAÑÍA PESQUERA DEL GOLFO SAN MATÍAS MARÍTIMA SOCIEDAD ANÓNIMA", 0},
        // A no-break space keeps its two words on one line and prints as a space.
        {"SON PESOS: UN MIL QUINIENTOS CUARENTA  CON\u00A000/100", QRectF(0, 2200, 2600, 400), TextFit::WrapWhole,
         "SON PESOS: UN MIL QUINIENTOS CUARENTA CON 00/100", 2},
    };
    Report r;
    Section& s = r.AddSection(SectionKind::ReportHeader, "RH", 3000);
    for (const Case& c : cases) {
        auto* t = s.Add<TextObject>(QString::number(&c - cases), c.box, QString::fromUtf8(c.text));
        t->Font().setPointSize(9);
        t->Fit = c.fit;
    }
    r.Layout();
    const QString path = QDir(db.folder()).filePath("ajuste.pdf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(r.WritePdf(f));
    f.close();
    const auto words = testsupport::PdfWords(path, 1);
    for (const Case& c : cases) {
        const QRectF box = c.box.translated(r.LeftMargin, r.TopMargin);
        const QRectF points(box.x() / 20, box.y() / 20, box.width() / 20, box.height() / 20);
        QStringList read;
        for (const auto& w : words)
            if (points.contains(w.box.center())) {
                read << w.text;
                EXPECT_TRUE(points.adjusted(-0.6, -0.6, 0.6, 0.6).contains(w.box)) << w.text.toStdString();
            }
        // A cut text: its first words, then "…".
        const QString printed = QString::fromUtf8(c.printed);
        if (printed.endsWith(QStringLiteral("…"))) {
            EXPECT_TRUE(read.join(' ').endsWith(QStringLiteral("…"))) << c.text;
            EXPECT_TRUE(read.join(' ').startsWith(printed.chopped(1))) << read.join(' ').toStdString();
            EXPECT_TRUE(QString::fromUtf8(c.text).startsWith(read.join(' ').chopped(1))) << c.text;
        } else {
            EXPECT_EQ(read.join(' '), printed) << c.text;
        }
        for (const PageItem& i : r.Pages()[0].items)
            if (i.name == QString::number(&c - cases)) {
                if (c.lines) {
                    EXPECT_EQ(i.text.count('\n') + 1, c.lines) << c.text;
                }
                EXPECT_FALSE(i.text.contains(QRegularExpression("CON\n"))) << c.text;
            }
    }
}

struct ViewerTest : ReportTest {
    ConCodigo c;
    Viewer v;
    void SetUp() override
    {
        v.resize(900, 700);
        v.setReportSource(&c.r);
        v.show();
        v.ViewReport();
        testsupport::Settle();
    }
    void click(const char* key)
    {
        v.tlbVisor->Buttons(QString::fromLatin1(key)).widget()->click();
        testsupport::Settle();
    }
    bool enabled(const char* key) { return v.tlbVisor->Buttons(QString::fromLatin1(key)).Enabled(); }
};

TEST_F(ViewerTest, ThePagesButtonsMoveThroughThePagesAndSayWhereTheClerkIs)
{
    EXPECT_EQ(v.PageCount(), 2);
    EXPECT_EQ(v.Preview->pageCount(), 2);
    EXPECT_EQ(v.lblPagina->text(), "Página 1 de 2");
    EXPECT_FALSE(enabled("anterior"));
    EXPECT_TRUE(enabled("siguiente"));
    testsupport::Screenshot(&v, "visor_reporte");

    click("siguiente");
    EXPECT_EQ(v.CurrentPage(), 2);
    EXPECT_EQ(v.lblPagina->text(), "Página 2 de 2");
    EXPECT_FALSE(enabled("siguiente"));
    EXPECT_FALSE(enabled("ultima"));
    click("primera");
    EXPECT_EQ(v.CurrentPage(), 1);
    click("ultima");
    EXPECT_EQ(v.CurrentPage(), 2);
    click("anterior");
    EXPECT_EQ(v.CurrentPage(), 1);

    const double z = v.Zoom();
    click("acercar");
    EXPECT_GT(v.Zoom(), z);
    click("alejar");
    click("alejar");
    EXPECT_LT(v.Zoom(), z);
    click("ancho");
    EXPECT_EQ(v.Preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
}

TEST_F(ViewerTest, SavingAsPdfAsksBeforeReplacingAFile)
{
    const QString path = QDir(db.folder()).filePath("lista.pdf");
    int dialogs = 0;
    QString proposed;
    forms::SetCommonDialogHook([&](const forms::CommonDialog& d) -> std::optional<QString> {
        ++dialogs;
        proposed = d.FileName;
        if (QFileInfo(d.FileName).isAbsolute()) return std::nullopt;  // back after a declined replace: cancel
        return path;
    });
    testsupport::MsgBoxRecorder msgs({forms::vbNo, forms::vbYes});

    click("pdf");
    EXPECT_EQ(proposed, "Lista de prueba.pdf");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(testsupport::PdfPages(path), 2);
    EXPECT_TRUE(msgs.prompts().isEmpty());

    // Declined: the dialog comes back, its cancel leaves the file as it was.
    QFile::resize(path, 10);
    click("pdf");
    ASSERT_EQ(msgs.prompts().size(), 1);
    EXPECT_EQ(msgs.prompts()[0], "lista.pdf ya existe.\r\n¿Desea reemplazarlo?");
    EXPECT_EQ(QFileInfo(path).size(), 10);
    EXPECT_EQ(dialogs, 3);

    click("pdf");  // accepted
    EXPECT_EQ(testsupport::PdfPages(path), 2);
    forms::SetCommonDialogHook({});
}

TEST_F(ViewerTest, AFolderThatCannotBeWrittenGivesAMessageAndNoFile)
{
    testsupport::MsgBoxRecorder msgs;
    const QString path = QDir(db.folder()).filePath("no-existe/lista.pdf");
    EXPECT_FALSE(v.ExportPdf(path));
    ASSERT_EQ(msgs.messages().size(), 1);
    EXPECT_TRUE(msgs.prompts()[0].startsWith("No se pudo guardar el archivo lista.pdf"));
    EXPECT_EQ(msgs.messages()[0].title, "Guardar como PDF");
    EXPECT_FALSE(QFile::exists(path));
}

// "Guardar PDF" over an earlier PDF on a disk with less room than the new
// one needs, room by room: the earlier file stays byte for byte and the
// clerk reads that the disk is full; with room enough the new one is whole.
TEST_F(ViewerTest, APdfThatDoesNotFitLeavesTheEarlierOneAndSaysTheDiskIsFull)
{
    testsupport::SmallDisk disk(512 * 1024);
    if (!disk.ok()) GTEST_SKIP() << "this system does not let the test mount a small disk";
    const QString path = QDir(disk.folder()).filePath("lista.pdf");
    forms::SetCommonDialogHook([&](const forms::CommonDialog& d) -> std::optional<QString> {
        if (QFileInfo(d.FileName).isAbsolute()) return std::nullopt;
        return path;
    });
    QByteArray pdf;
    {
        testsupport::MsgBoxRecorder msgs;
        click("pdf");
        ASSERT_TRUE(msgs.prompts().isEmpty()) << msgs.prompts().join("|").toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        pdf = f.readAll();
    }
    const QByteArray earlier = "%PDF-1.4 an earlier form the clerk keeps\n" + QByteArray(3000, 'e');
    int full = 0, saved = 0;
    for (qint64 room = 0; room <= pdf.size() + 8192; room += 4096) {
        SCOPED_TRACE(room);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(earlier);
        }
        disk.fill(room);
        testsupport::MsgBoxRecorder msgs({forms::vbYes});  // replace it
        click("pdf");
        disk.empty();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        ASSERT_GE(msgs.prompts().size(), 1);
        if (msgs.prompts().size() == 1) {
            EXPECT_EQ(testsupport::PdfPages(path), 2);  // whole, not cut
            EXPECT_EQ(now.size(), pdf.size());
            ++saved;
        } else {
            ++full;
            EXPECT_EQ(now.toStdString(), earlier.toStdString());
            EXPECT_TRUE(msgs.prompts()[1].contains("El disco está lleno.")) << msgs.prompts()[1].toStdString();
            EXPECT_EQ(msgs.messages()[1].title, "Guardar como PDF");
        }
        EXPECT_EQ(QDir(disk.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"lista.pdf"});
    }
    std::printf("rooms tried %d: disk full said %d, whole PDFs %d\n", full + saved, full, saved);
    EXPECT_GT(full, 0);
    EXPECT_GT(saved, 0);
    forms::SetCommonDialogHook({});
}

TEST_F(ViewerTest, PrintingSendsEveryPageToThePrinterChosen)
{
    const QString path = QDir(db.folder()).filePath("impreso.pdf");
    bool asked = false;
    SetPrintDialogHook([&](QPrinter& p) {
        asked = true;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(path);
        return true;
    });
    click("imprimir");
    EXPECT_TRUE(asked);
    EXPECT_EQ(testsupport::PdfPages(path), 2);
    EXPECT_TRUE(testsupport::PdfText(path, 2).contains("TOTAL"));

    QFile::remove(path);
    SetPrintDialogHook([&](QPrinter& p) {
        p.setOutputFileName(path);
        return false;  // cancelled
    });
    click("imprimir");
    EXPECT_FALSE(QFile::exists(path));
    SetPrintDialogHook({});
}

}  // namespace
