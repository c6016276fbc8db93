#include "declarations/reports/ReportsFixture.h"

#include <QRegularExpression>

namespace reportstest {
namespace {

using SlipsTest = ReportsTest;

// Slip n of the fixture declaration, May 2006, rate 3.
QString slipCode(int n, const char* amounts)
{
    return code(QStringLiteral("031050050") + kNro + QStringLiteral("%1").arg(n, 2, 10, QChar('0'))
                + QStringLiteral("0300020060615") + QLatin1String(amounts));
}

TEST_F(SlipsTest, EverySlipOfTheDeclarationPrintsOnItsOwnPageInFourCopies)
{
    insertPayment(kNro, {1, 2006, 5, 1500, 0, 0});
    insertPayment(kNro, {2, 2006, 5, 200.5, 10.25, 5});
    insertPayment(kNro, {3, 2006, 5, 0.01, 0, 0});
    const QString codes[] = {slipCode(1, "00000015000000000000000000000000"),
                             slipCode(2, "00000002005000000010250000000500"),
                             slipCode(3, "00000000000100000000000000000000")};
    for (const QString& c : codes) ASSERT_EQ(c.size(), 80);

    // The payments grid hands over the declaration number, whichever slip was selected.
    frmLisBolDeposito& v = openSlips(kNro);
    EXPECT_EQ(v.CRViewer91->PageCount(), 3);
    EXPECT_EQ(v.CRViewer91->lblPagina->text(), "Página 1 de 3");
    testsupport::Screenshot(&v, "frmLisBolDeposito");
    const QString pdf = savePdf(v.CRViewer91, "boletas.pdf");
    ASSERT_EQ(testsupport::PdfPages(pdf), 3);

    for (int p = 1; p <= 3; ++p) {
        const QString page = testsupport::Folded(testsupport::PdfText(pdf, p));
        const QString grouped = testsupport::Folded(CodigoPago::Agrupado(codes[p - 1]));
        // On paper the blocks of ten stand further apart than their halves.
        QStringList blocks;
        for (int b = 0; b < 8; ++b) blocks << codes[p - 1].mid(b * 10, 5) + " " + codes[p - 1].mid(b * 10 + 5, 5);
        EXPECT_EQ(testsupport::PdfText(pdf, p).count(QRegularExpression(blocks.join(" {2,}"))), 4) << p;
        EXPECT_EQ(page.count("SON PESOS:"), 4) << p;
        EXPECT_EQ(page.count(grouped), 4) << p << page.toStdString();
        EXPECT_EQ(page.count(kNro), 4) << p;
        EXPECT_EQ(page.count("15/06/2006"), 4) << p;
        EXPECT_EQ(testsupport::PdfBarcodes(pdf, p, 300, 4), QStringList(4, codes[p - 1])) << p;
    }
    // Two blanks before "CON", as the words are built (wider on paper than one).
    EXPECT_EQ(testsupport::PdfText(pdf, 1).count(QRegularExpression("SON PESOS: UN MIL QUINIENTOS {2,}CON 00/100")), 4)
        << testsupport::PdfText(pdf, 1).toStdString();
    EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(SlipsTest, TheCodeCarriesDueDateRateAndAmountsInTheirPlaces)
{
    struct Case {
        int anio, mes;
        double rate, importe, intereses, multa;
        const char* due;       // positions 40-47
        const char* rateText;  // 35-38
        const char* amounts;   // 48-79
    };
    const Case cases[] = {
        {2005, 12, 3, 1500, 0, 0, "20060115", "0300", "00000015000000000000000000000000"},
        {2006, 4, 2, 1234.56, 0, 0.1, "20060515", "0200", "00000012345600000000000000000010"},
        {2006, 5, 99.99, 99999999.99, 99999999.99, 99999999.99, "20060615", "9999", "00999999999999999999999999999999"},
    };
    for (const Case& c : cases) {
        exec("DELETE FROM LNV_PES_TB_PAGOS_DDJJ7351");
        exec(QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PCDJ_ALICUOTA = %1").arg(num(c.rate)));
        insertPayment(kNro, {1, c.anio, c.mes, c.importe, c.intereses, c.multa});
        frmLisBolDeposito& v = openSlips(kNro);
        reactivate(v);
        const QString printed = digitsOf(v.Report->txtCodigo[0]->Text());
        ASSERT_EQ(printed.size(), 80) << c.anio << "/" << c.mes;
        EXPECT_EQ(printed.mid(34, 4), QLatin1String(c.rateText));
        EXPECT_EQ(printed.mid(39, 8), QLatin1String(c.due));
        EXPECT_EQ(printed.mid(47, 32), QLatin1String(c.amounts));
        EXPECT_EQ(printed, code(printed.left(79)));
        for (int i = 1; i < CrBDLey7351::kCopias; ++i)
            EXPECT_EQ(v.Report->txtCodigo[i]->Text(), v.Report->txtCodigo[0]->Text());
    }
    EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(SlipsTest, ACodeThatCannotHaveEightyDigitsPrintsNoBarcodeAndSaysWhy)
{
    struct Case {
        double rate, importe, intereses, multa;
        const char* why;
    };
    const Case cases[] = {
        {3, 1e10, 0, 0, "el importe (10.000.000.000,00) no cabe en los 12 dígitos del código"},
        {3, 100, 0, -5, "la multa es menor que cero"},
        {3, 100, 1e8, 0, "el monto de los intereses (100.000.000,00) no cabe en los 10 dígitos"},
        {100, 100, 0, 0, "la alícuota (100,00) no cabe en los 4 dígitos del código"},
    };
    for (const Case& c : cases) {
        boxes.clear();
        exec("DELETE FROM LNV_PES_TB_PAGOS_DDJJ7351");
        exec(QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PCDJ_ALICUOTA = %1").arg(num(c.rate)));
        insertPayment(kNro, {1, 2006, 5, 150, 0, 0});  // a sound slip beside the bad one
        insertPayment(kNro, {2, 2006, 5, c.importe, c.intereses, c.multa});
        frmLisBolDeposito& v = openSlips(kNro);
        reactivate(v);
        ASSERT_EQ(boxes.messages().size(), 1u) << c.why;
        const auto& m = boxes.messages()[0];
        EXPECT_EQ(m.style, forms::vbExclamation);
        EXPECT_TRUE(m.prompt.contains(QString::fromUtf8(c.why))) << m.prompt.toStdString();
        if (c.rate < 100) {
            EXPECT_TRUE(m.prompt.contains("Boleta 2:")) << m.prompt.toStdString();
            EXPECT_FALSE(m.prompt.contains("Boleta 1:"));
        }
        EXPECT_FALSE(v.Report->txtAviso[0]->Text().isEmpty());
        EXPECT_TRUE(v.Report->txtCodigo[0]->Text().isEmpty());
        EXPECT_FALSE(v.Report->picCodigo[0]->HasPicture());
    }

    // The last case in print: the notice where the barcode goes, no digits, no bars.
    const QString pdf = savePdf(forms::Form::Existing<frmLisBolDeposito>()->CRViewer91, "sin-codigo.pdf");
    const QString page = testsupport::Folded(testsupport::PdfText(pdf, 2));
    EXPECT_EQ(page.count("SIN CÓDIGO DE PAGO"), 4) << page.toStdString();
    EXPECT_FALSE(page.contains(QRegularExpression("\\d{5} \\d{5}")));
    EXPECT_TRUE(testsupport::PdfBarcodes(pdf, 2).isEmpty());
}

TEST_F(SlipsTest, EachActivationReadsTheSlipsAgainAndANoticeIsNotRepeated)
{
    insertPayment(kNro, {1, 2006, 5, 1e10, 0, 0});
    frmLisBolDeposito& v = openSlips(kNro);
    EXPECT_EQ(v.CRViewer91->PageCount(), 1);
    EXPECT_EQ(boxes.messages().size(), 1u);

    insertPayment(kNro, {2, 2006, 5, 300, 0, 0});
    reactivate(v);
    EXPECT_EQ(v.CRViewer91->PageCount(), 2);
    EXPECT_EQ(v.CRViewer91->lblPagina->text(), "Página 1 de 2");
    EXPECT_EQ(boxes.messages().size(), 1u) << "the same notice again";

    exec("UPDATE LNV_PES_TB_PAGOS_DDJJ7351 SET PPDJ_IMPORTE = 100 WHERE PPDJ_NRO = 1");
    reactivate(v);
    EXPECT_TRUE(v.Report->Avisos().isEmpty());
    EXPECT_EQ(boxes.messages().size(), 1u);
}

TEST_F(SlipsTest, ANumberThatIsNoDeclarationShowsNoSlipsAndNoError)
{
    insertPayment(kNro, {1, 2006, 5, 100, 0, 0});
    for (const char* nro : {"1' OR '1'='1", ""}) {
        frmLisBolDeposito& v = openSlips(QString::fromUtf8(nro));
        reactivate(v);
        EXPECT_EQ(v.Report->RecordCount(), 0) << nro;
        EXPECT_TRUE(testsupport::Folded(testsupport::PdfText(savePdf(v.CRViewer91, "vacio.pdf"))).isEmpty());
    }
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_EQ(listtest::count("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351"), 1);
}

}  // namespace
}  // namespace reportstest
