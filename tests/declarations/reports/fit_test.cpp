// The printed forms at the largest values the editors and the registers
// take, read back from the saved PDF word by word: every word lies inside
// the box of the text it belongs to, every value reads back whole, no two
// words touch and none lies on a barcode (its quiet zones included).
#include "declarations/reports/ReportsFixture.h"

#include <QRegularExpression>
#include <map>

namespace reportstest {
namespace {

// The largest amount a 14-character amount field takes, and the cheque amount that was printed cut.
constexpr double kMaximo = 99999999999999;
const QString kMaximoTexto = QStringLiteral("99.999.999.999.999,00");

// Texts at the lengths the editors take (50 for names and addresses, 30 for banks and guides, 15 for cheques).
const QString kRSocial = QStringLiteral("COMPAÑÍA PESQUERA DEL GOLFO SAN MATÍAS MARÍTIMA SA");
const QString kBuque = QStringLiteral("NUESTRA SEÑORA DE LA MERCED DEL PUERTO SAN ANTONIO");
const QString kDomicilio = QStringLiteral("AVENIDA HIPÓLITO YRIGOYEN 12345 PISO 14 DEPTO 14 B");
const QString kBanco = QStringLiteral("BANCO DE LA PROVINCIA DEL CHUB");
const QString kGuia = QStringLiteral("GUIA 000000000000000000012345A");
const QString kPlanta = QStringLiteral("PLANTA PROCESADORA DE PESCADOS Y MARISCOS DEL SUR");

struct Leido {
    QString name, expected, read;
};

// The words of page `page` matched to the texts the layout put there. Each
// problem found is added to `faults`.
std::vector<Leido> readBack(const report::Report& r, const QString& pdf, int page, QStringList& faults)
{
    const auto& items = r.Pages()[size_t(page - 1)].items;
    auto points = [](const QRectF& twips) {
        return QRectF(twips.x() / 20, twips.y() / 20, twips.width() / 20, twips.height() / 20);
    };
    std::vector<std::vector<testsupport::PdfWord>> byItem(items.size());
    const auto words = testsupport::PdfWords(pdf, page);
    for (const auto& w : words) {
        // The smallest text box holding the word's centre is its own.
        int owner = -1;
        for (size_t i = 0; i < items.size(); ++i) {
            const auto& it = items[i];
            if (it.type != report::PageItem::Text && it.type != report::PageItem::PageNumber) continue;
            if (!points(it.rect).contains(w.box.center())) continue;
            if (owner < 0
                || it.rect.width() * it.rect.height()
                    < items[size_t(owner)].rect.width() * items[size_t(owner)].rect.height())
                owner = int(i);
        }
        if (owner < 0) {
            faults << QStringLiteral("«%1» outside every box").arg(w.text);
            continue;
        }
        const QRectF box = points(items[size_t(owner)].rect).adjusted(-0.6, -0.6, 0.6, 0.6);
        if (!box.contains(w.box))
            faults << QStringLiteral("«%1» runs out of %2").arg(w.text, items[size_t(owner)].name);
        byItem[size_t(owner)].push_back(w);
        for (const auto& it : items)
            if ((it.type == report::PageItem::Drawing || it.type == report::PageItem::Image)
                && points(it.rect).intersects(w.box))
                faults << QStringLiteral("«%1» on the barcode %2").arg(w.text, it.name);
    }
    for (size_t a = 0; a < words.size(); ++a)
        for (size_t b = a + 1; b < words.size(); ++b) {
            const QRectF both = words[a].box.intersected(words[b].box);
            if (both.width() > 0.3 && both.height() > 0.3)
                faults << QStringLiteral("«%1» overlaps «%2»").arg(words[a].text, words[b].text);
        }
    std::vector<Leido> read;
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& it = items[i];
        if (it.type != report::PageItem::Text && it.type != report::PageItem::PageNumber) continue;
        QStringList text;
        for (const auto& w : byItem[i]) text << w.text;  // poppler gives them in reading order
        const QString expected = it.type == report::PageItem::PageNumber
            ? report::PageNumberObject::TextFor(page, r.PageCount())
            : testsupport::Folded(it.text);
        read.push_back({it.name, expected, text.join(QLatin1Char(' '))});
        if (read.back().read != expected)
            faults << QStringLiteral("%1 reads «%2», laid out «%3»").arg(it.name, read.back().read, expected);
    }
    return read;
}

// The saved PDF beside the screenshots, to be looked at.
void keep(const QString& pdf, const QString& name)
{
    const QString folder = qEnvironmentVariable("DJ_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    QFile::remove(QDir(folder).filePath(name));
    QFile::copy(pdf, QDir(folder).filePath(name));
}

// What the object of that name prints on the page, every time it is there.
QStringList printed(const std::vector<Leido>& read, const QString& name)
{
    QStringList all;
    for (const Leido& l : read)
        if (l.name == name) all << l.read;
    return all;
}

class FitTest : public ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        // The longest descriptions the registers hold, the longest texts the clerk can type.
        const QString longest = QStringLiteral("(SELECT %1 FROM %2 ORDER BY length(%3) DESC LIMIT 1)");
        const QString loc = longest.arg("GLOC_ID", "LNV_GLB_TB_LOCALIDADES", "GLOC_DESCRIPCION");
        const QString prov = longest.arg("GPRO_ID", "LNV_GLB_TB_PROVINCIAS", "GPRO_DESCRIPCION");
        exec(QStringLiteral("UPDATE LNV_PES_TB_EMPRESAS SET PEMP_DOM_FISCAL = '%1', GLOC_ID_DF = %2, GPRO_ID_DF = %3, "
                            "PEMP_CP_DF = 'U9120ACX123', PEMP_NROIB = 9999999999")
                 .arg(kDomicilio, loc, prov));
        exec(
            QStringLiteral("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PEMP_RSOCIAL = '%1', PBAR_NOMBRE = '%2', PPTO_ID = %3, "
                           "PCDJ_RESP = 'MARÍA DE LOS ÁNGELES FERNÁNDEZ DE LA PEÑA', PCDJ_NRODOC = 99999999999, "
                           "PCDJ_MTOVTAS = %4, PCDJ_IMPORTE = %4, PCDJ_INTERESES = %4, PCDJ_MULTA = %4, "
                           "PCDJ_TOTAL = %4")
                .arg(kRSocial, kBuque, longest.arg("PPTO_ID", "LNV_PES_TB_PUERTOS", "PPTO_DESCRIPCION"), num(kMaximo)));
        // The longest matrícula, in the register and in the declaration that refers to it.
        exec("PRAGMA foreign_keys = OFF");
        exec("UPDATE LNV_PES_TB_EMBARCACIONES SET PBAR_MATRICULA = 'MAT-1234567' WHERE PBAR_MATRICULA = "
             "(SELECT PBAR_MATRICULA FROM LNV_PES_TB_CAB_DDJJ7351)");
        exec("UPDATE LNV_PES_TB_CAB_DDJJ7351 SET PBAR_MATRICULA = 'MAT-1234567'");
        exec("PRAGMA foreign_keys = ON");
        m_guias =
            QStringLiteral("INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE VALUES ('%1', '%2', '2006-05-31', 12, %3, %4, "
                           "'%5', %6, %6, %6, 3, %6)")
                .arg(kNro, kGuia, loc, prov, kPlanta, num(kMaximo));
    }
    QString m_guias;
};

TEST_F(FitTest, EveryValueOfASlipAtItsLargestPrintsWholeInsideItsBox)
{
    struct Case {
        const char* what;
        double importe, intereses, multa, efectivo, cheque1, cheque2;
        const char* nro2;                  // the second cheque's number, NULL when there is none
        std::map<QString, QString> whole;  // "": not printed at all
    };
    const Case cases[] = {
        {"the cheque amount that was printed cut",
         1500,
         0,
         0,
         0,
         1508642625.32,
         0,
         nullptr,
         {{"fldPPDJ_CHEQUE1_MONTO", "1.508.642.625,32"}, {"fldPPDJ_CHEQUE2_MONTO", ""}}},
        {"every amount at the field's limit",
         kMaximo,
         kMaximo,
         kMaximo,
         kMaximo,
         kMaximo,
         kMaximo,
         "999999999999999",
         {{"fldPPDJ_IMPORTE", kMaximoTexto},
          {"fldPPDJ_INTERESES", kMaximoTexto},
          {"fldPPDJ_MULTA", kMaximoTexto},
          {"fldPPDJ_TOTAL", "299.999.999.999.997,00"},
          {"fldPPDJ_EFECTIVO", kMaximoTexto},
          {"fldPPDJ_CHEQUE1_MONTO", kMaximoTexto},
          {"fldPPDJ_CHEQUE2_MONTO", kMaximoTexto},
          {"fldPPDJ_CHEQUE2_NRO", "999999999999999"},
          {"fldPPDJ_CHEQUE2_BANCO", kBanco},
          {"fldPEMP_RSOCIAL", kRSocial},
          {"fldPBAR_NOMBRE", kBuque},
          {"fldPBAR_MATRICULA", "MAT-1234567"},
          {"fldPPTO_DESCRIPCION", "BAHÍA BLANCA - INGENIERO WHITE"}}},
        {"the longest words a payment code allows",
         7777777777.77,
         77777777.77,
         77777777.77,
         0,
         0,
         0,
         nullptr,
         {{"fldPPDJ_TOTAL", "7.933.333.333,31"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        exec("DELETE FROM LNV_PES_TB_PAGOS_DDJJ7351");
        exec(QStringLiteral("INSERT INTO LNV_PES_TB_PAGOS_DDJJ7351 VALUES ('%1', 1, 2006, 5, %2, %3, %4, %5, "
                            "'999999999999999', '%6', %7, %8, '%6', %9)")
                 .arg(kNro, num(c.importe), num(c.intereses), num(c.multa), num(c.efectivo), kBanco, num(c.cheque1),
                      c.nro2 ? QStringLiteral("'%1'").arg(QLatin1String(c.nro2)) : QStringLiteral("NULL"),
                      num(c.cheque2)));
        boxes.clear();
        frmLisBolDeposito& v = openSlips(kNro);
        reactivate(v);
        const QString pdf = savePdf(v.CRViewer91, "boleta-maxima.pdf");
        keep(pdf, QStringLiteral("boleta-maxima-%1.pdf").arg(&c - cases + 1));
        QStringList faults;
        const auto read = readBack(*v.Report, pdf, 1, faults);
        EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
        for (const auto& [name, text] : c.whole)
            EXPECT_EQ(printed(read, name), text.isEmpty() ? QStringList() : QStringList(4, text)) << name.toStdString();
        // The words in their two lines, "CON NN/100" on one, the copies alike.
        const QStringList words = printed(read, "txtSonPesos1");
        ASSERT_EQ(words.size(), 1);
        EXPECT_TRUE(words[0].startsWith("SON PESOS: ")) << words[0].toStdString();
        EXPECT_TRUE(QRegularExpression("CON \\d\\d/100$").match(words[0]).hasMatch()) << words[0].toStdString();
        for (int i = 2; i <= 4; ++i) EXPECT_EQ(printed(read, QStringLiteral("txtSonPesos%1").arg(i)), words);
        const auto& items = v.Report->Pages()[0].items;
        for (const auto& it : items)
            if (it.name.startsWith("txtSonPesos")) {
                EXPECT_LE(it.text.count('\n'), 1) << it.text.toStdString();
                EXPECT_FALSE(it.text.contains(QRegularExpression("CON\\n|\\n\\d\\d/100"))) << it.text.toStdString();
            }
        if (c.importe < 1e10) {
            EXPECT_EQ(testsupport::PdfBarcodes(pdf, 1, 300, 4).size(), 4u);
        } else {
            EXPECT_EQ(printed(read, "txtAviso1").size(), 1u);  // no code: the notice where the bars go
        }
    }
    testsupport::Screenshot(forms::Form::Existing<frmLisBolDeposito>(), "frmLisBolDeposito_maximos");
}

TEST_F(FitTest, EveryValueOfTheDeclarationAtItsLargestPrintsWholeInsideItsBox)
{
    insertLine(kNro, 1, 1, kMaximo, 9999999999.999);
    insertLine(kNro, 2, 2, 100, 1.25);
    exec(m_guias);
    frmLisDJ& v = forms::Form::Instance<frmLisDJ>();
    v.DJNro(kNro);
    v.MD5Files(QStringLiteral("9E107D9D372BB6826BD81D3542A419D6"));
    v.Show();
    testsupport::Settle();
    const QString pdf = savePdf(v.CRViewer91, "declaracion-maxima.pdf");
    keep(pdf, "declaracion-maxima.pdf");
    testsupport::Screenshot(&v, "frmLisDJ_maximos");

    std::vector<Leido> read;
    QStringList faults;
    for (int p = 1; p <= v.CRViewer91->PageCount(); ++p) {
        const auto page = readBack(*v.Report, pdf, p, faults);
        read.insert(read.end(), page.begin(), page.end());
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();

    const QString domicilio =
        kDomicilio + ", SAN FERNANDO DEL VALLE DE CATAMARCA, CIUDAD AUTÓNOMA DE BUENOS AIRES (C.P. U9120ACX123)";
    const std::pair<const char*, QString> whole[] = {
        {"fldPEMP_RSOCIAL", kRSocial},
        {"fldPBAR_NOMBRE", kBuque},
        {"fldPBAR_MATRICULA", "MAT-1234567"},
        {"fldPPTO_DESCRIPCION", "BAHÍA BLANCA - INGENIERO WHITE"},
        {"fldPEMP_DOM_FISCAL", domicilio},
        {"fldPEMP_NROIB", "9999999999"},
        {"fldPCDJ_RESP", "MARÍA DE LOS ÁNGELES FERNÁNDEZ DE LA PEÑA"},
        {"fldPCDJ_MTOVTAS", kMaximoTexto},
        {"fldPCDJ_IMPORTE", kMaximoTexto},
        {"fldPCDJ_INTERESES", kMaximoTexto},
        {"fldPCDJ_MULTA", kMaximoTexto},
        {"fldPCDJ_TOTAL", kMaximoTexto},
        {"fldPDDJ_KG", kMaximoTexto},
        {"fldPGTR_NRO", kGuia},
        {"fldPGTR_PLANTAPROCESADORA", kPlanta},
        {"fldGLOC_DESCRIPCION", "SAN FERNANDO DEL VALLE DE CATAMARCA, CIUDAD AUTÓNOMA DE BUENOS AIRES"},
        {"fldPGTR_CAJONES", kMaximoTexto},
        {"fldPGTR_KGS", kMaximoTexto},
        {"fldPGTR_TOTAL", kMaximoTexto},
        {"fldPGTR_VALOR", kMaximoTexto},
    };
    for (const auto& [name, text] : whole) {
        const QStringList got = printed(read, name);
        ASSERT_FALSE(got.isEmpty()) << name;
        // A number without blanks may be broken across its two lines.
        if (QLatin1String(name) == "fldPGTR_NRO")
            EXPECT_EQ(QString(got[0]).remove(' '), QString(text).remove(' ')) << name;
        else
            EXPECT_EQ(got[0], text) << name;
    }
    // The line's amount, kilograms times price: whole, whatever its length.
    const QStringList total = printed(read, "fldPDDJ_TOTAL");
    ASSERT_EQ(total.size(), 2);
    EXPECT_EQ(total[0].size(), QStringLiteral("999.999.999.999.900.000.000.000,00").size()) << total[0].toStdString();
    EXPECT_EQ(total[1], "125,00");
}

}  // namespace
}  // namespace reportstest
