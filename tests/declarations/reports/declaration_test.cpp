#include "declarations/reports/ReportsFixture.h"

#include <QMdiArea>
#include <QRegularExpression>

namespace reportstest {
namespace {

// The fixture declaration's own code: rate 3, May 2006, importe 45, intereses 2.5, multa 1.
const QString kCodigoDJ =
    code(QStringLiteral("031050050") + kNro + QStringLiteral("0300000") + QStringLiteral("20060615")
         + QStringLiteral("000000004500") + QStringLiteral("0000000250") + QStringLiteral("0000000100"));

QString groupedChecksum(const QString& md5)
{
    QString s;
    for (int i = 0; i < md5.size(); i += 4) s += md5.mid(i, 4) + QLatin1Char(' ');
    return s;
}

class DeclarationTest : public ReportsTest {
protected:
    // "Imprimir DJ" on the list, with the declaration selected.
    frmLisDJ& print(const QString& nro = kNro)
    {
        frmDDJJ& list = openList();
        selectDeclaration(list, nro);
        click(list, "imprimir");
        md5 = list.MD5Archivos;
        frmLisDJ* v = forms::Form::Existing<frmLisDJ>();
        if (!v) throw std::runtime_error("the viewer did not open");
        return *v;
    }
    QString md5;
};

TEST_F(DeclarationTest, EveryPageFooterCarriesThePaymentCodeAndTheChecksumAsBarcodesAndText)
{
    insertLine(kNro, 1, 1, 1000, 1.05);
    insertLine(kNro, 2, 2, 80, 5.85);
    insertGuide(kNro, "0012 A", "2006-05-03");
    for (int i = 3; i <= 120; ++i) insertLine(kNro, i, i % 5, 100 + i, 1.25);
    for (int g = 1; g <= 70; ++g) insertGuide(kNro, QStringLiteral("G-%1").arg(g, 3, 10, QChar('0')), "2006-05-10");

    frmLisDJ& v = print();
    ASSERT_EQ(md5.size(), 32);
    EXPECT_EQ(forms::Form::MdiArea()->activeSubWindow(), v.subWindow());
    testsupport::Screenshot(&v, "frmLisDJ");
    const int pages = v.CRViewer91->PageCount();
    ASSERT_GE(pages, 3);
    const QString pdf = savePdf(v.CRViewer91, "declaracion.pdf");
    ASSERT_EQ(testsupport::PdfPages(pdf), pages);

    QStringList expected{kCodigoDJ, md5};
    expected.sort();
    for (int p = 1; p <= pages; ++p) {
        const QString text = testsupport::PdfText(pdf, p), folded = testsupport::Folded(text);
        EXPECT_TRUE(folded.contains(testsupport::Folded(CodigoPago::Agrupado(kCodigoDJ)))) << p;
        EXPECT_TRUE(text.contains(groupedChecksum(md5).trimmed())) << p;
        EXPECT_TRUE(folded.contains(QStringLiteral("Página %1 de %2").arg(p).arg(pages))) << p;
        QStringList read = testsupport::PdfBarcodes(pdf, p);
        read.sort();
        EXPECT_EQ(read, expected) << p;
    }
    // What the declaration says, in order: identification, lines, totals, guides, signatures.
    const QString all = testsupport::Folded(testsupport::PdfText(pdf));
    const QStringList inOrder{kNro,      "05/2006",  "DON JUAN CARLOS",      "30-70812345-1", "JUAN PEREZ",
                              "Especie", "1.050,00", "Total Adeudado",       "48,50",         "Guías de Tránsito",
                              "0012 A",  "G-070",    "Firma del responsable"};
    qsizetype at = 0;
    for (const QString& want : inOrder) {
        const qsizetype found = all.indexOf(want, at);
        EXPECT_GE(found, 0) << want.toStdString();
        if (found >= 0) at = found;
    }
    EXPECT_EQ(all.count("Firma del responsable"), 1);
    // A page of guides only carries the guides' captions, not the sales lines'.
    const QString guidesOnly = testsupport::Folded(testsupport::PdfText(pdf, pages - 1));
    EXPECT_TRUE(guidesOnly.startsWith("N° Guía Fecha Destino")) << guidesOnly.left(80).toStdString();
    EXPECT_FALSE(guidesOnly.contains("Especie"));
    EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(DeclarationTest, TheGroupedTextsAreWrittenAsTheBankAndTheAuthorityReadThem)
{
    frmLisDJ& v = print();
    EXPECT_TRUE(v.Report->txtCodigo->Text().startsWith("03105 00503  "));  // the declaration number starts at digit 10
    EXPECT_EQ(digitsOf(v.Report->txtCodigo->Text()), kCodigoDJ);
    EXPECT_EQ(v.Report->txtMD5->Text(), groupedChecksum(md5));
    EXPECT_EQ(v.Report->txtMD5->Font().pointSize(), 10);
    // No lines and no guides: the header and the codes still print.
    const QString folded = testsupport::Folded(testsupport::PdfText(savePdf(v.CRViewer91, "sin-lineas.pdf")));
    EXPECT_TRUE(folded.contains("la declaración no tiene guías")) << folded.toStdString();
    EXPECT_FALSE(folded.contains("Especie"));
    EXPECT_TRUE(folded.contains("La declaración no tiene líneas de venta."));
    EXPECT_EQ(v.CRViewer91->PageCount(), 1);
}

TEST_F(DeclarationTest, ReactivatingTheViewerShowsTheDeclarationAsStoredNow)
{
    frmLisDJ& v = print();
    EXPECT_EQ(digitsOf(v.Report->txtCodigo->Text()).mid(69, 10), "0000000100");
    exec("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PCDJ_MULTA = 7, PCDJ_TOTAL = 54.5");
    insertLine(kNro, 1, 1, 10, 2);
    reactivate(v);
    EXPECT_EQ(digitsOf(v.Report->txtCodigo->Text()).mid(69, 10), "0000000700");
    const QString folded = testsupport::Folded(testsupport::PdfText(savePdf(v.CRViewer91, "nueva.pdf")));
    EXPECT_TRUE(folded.contains("54,50"));
    EXPECT_TRUE(folded.contains("Especie"));
}

TEST_F(DeclarationTest, ARateThatDoesNotFitPrintsNoPaymentCodeAndSaysSo)
{
    exec("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PCDJ_ALICUOTA = 100");
    frmLisDJ& v = print();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.contains("la alícuota (100,00) no cabe en los 4 dígitos del código"))
        << boxes.messages()[0].prompt.toStdString();
    EXPECT_EQ(boxes.messages()[0].style, forms::vbExclamation);
    EXPECT_TRUE(v.Report->txtCodigo->Text().isEmpty());
    const QString pdf = savePdf(v.CRViewer91, "sin-codigo.pdf");
    EXPECT_TRUE(testsupport::Folded(testsupport::PdfText(pdf)).contains("SIN CÓDIGO DE PAGO"));
    // The checksum is still there; no payment code is.
    EXPECT_EQ(testsupport::PdfBarcodes(pdf), QStringList{md5});
    reactivate(v);
    EXPECT_EQ(boxes.messages().size(), 1u);
}

}  // namespace
}  // namespace reportstest
