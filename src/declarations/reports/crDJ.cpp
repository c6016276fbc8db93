#include "declarations/reports/crDJ.h"

#include "core/schema/Vistas.h"
#include "declarations/reports/CodigoPago.h"
#include "declarations/reports/Formatos.h"
#include "platform/barcode/Barcode.h"
#include "platform/text/Text.h"

using namespace formatos;
using report::SectionKind;

namespace {

const Qt::Alignment kDerecha = Qt::AlignRight | Qt::AlignVCenter;
constexpr double kX = 150;

QString Kilos(const ado::Variant& v)
{
    return v.isNumber() ? text::Format(v, QStringLiteral("###,###,##0.00")) : text::CStr(v);
}

}  // namespace

crDJ::crDJ(barcode::Barcode& Barcode, barcode::Barcode& BarcodeMD5, const QString& MD5Files)
    : m_barcode(Barcode), m_barcodeMD5(BarcodeMD5), m_md5(MD5Files)
{
    Title = QStringLiteral("Declaración Jurada Ley 7351");
    Encabezado();
    Detalle();
    Totales();
    Guias();
    Firmas();
    Pie();
}

void crDJ::Encabezado()
{
    report::Section& s = AddSection(SectionKind::ReportHeader, QStringLiteral("ReportHeaderSection1"), 3460);
    const double w = BodyWidth();
    Rotulo(s, QStringLiteral("lblTitulo"), QRectF(0, 0, w, 400), QStringLiteral("DECLARACIÓN JURADA - LEY 7351"), 14,
           true, Qt::AlignCenter);
    Rotulo(s, QStringLiteral("lblSubtitulo"), QRectF(0, 420, w, 260),
           QStringLiteral("Declaración jurada mensual de ventas de pescado"), 9, false, Qt::AlignCenter);
    s.Add<report::BoxObject>(QStringLiteral("boxIdentificacion"), QRectF(0, 760, w, 2560), 20);

    auto fila = [&](double y, const char* caption, double x, double wc, const char* column, double xv, double wv,
                    report::FieldObject::Formatter f = Texto, double h = 240) {
        Rotulo(s, QStringLiteral("lbl") + QLatin1String(column), QRectF(x, y, wc, 240), QString::fromUtf8(caption));
        return Campo(s, QLatin1String(column), QRectF(xv, y, wv, h), std::move(f), 8, true,
                     Qt::AlignLeft | (h > 240 ? Qt::AlignTop : Qt::AlignVCenter));
    };
    // The long names on the left, the short values in a column on the right.
    constexpr double kRotuloDer = 7300, kValorDer = 9000;
    const double wDer = w - kValorDer - kX;
    Monoespaciado(fila(860, "Declaración Jurada N°:", kX, 2000, "PCDJ_NRO", 2150, 3400), 9);
    fila(860, "Período:", kRotuloDer, kValorDer - kRotuloDer, "PCDJ_MES", kValorDer, wDer, [this](const ado::Variant&) {
        return Periodo(Field(QStringLiteral("PCDJ_ANIO")), Field(QStringLiteral("PCDJ_MES")));
    });
    fila(1120, "Tipo:", kX, 600, "PTDJ_DESCRIPCION", 750, 3000);
    fila(1120, "Estado:", 4000, 800, "PEDJ_DESCRIPCION", 4800, kRotuloDer - 100 - 4800);
    fila(1120, "N° IIBB:", kRotuloDer, kValorDer - kRotuloDer, "PEMP_NROIB", kValorDer, wDer);
    fila(1380, "Puerto de desembarco:", kX, 2100, "PPTO_DESCRIPCION", 2250, kRotuloDer - 100 - 2250);
    fila(1380, "Tipo embarcación:", kRotuloDer, kValorDer - kRotuloDer, "PTBA_DESCRIPCION", kValorDer, wDer);
    fila(1640, "Embarcación:", kX, 1250, "PBAR_NOMBRE", 1400, kRotuloDer - 100 - 1400);
    fila(1640, "Matrícula:", kRotuloDer, kValorDer - kRotuloDer, "PBAR_MATRICULA", kValorDer, wDer)->Fit =
        report::TextFit::Shrink;
    fila(1900, "Empresa:", kX, 1000, "PEMP_RSOCIAL", 1150, kRotuloDer - 100 - 1150);
    fila(1900, "CUIT:", kRotuloDer, kValorDer - kRotuloDer, "PEMP_CUIT", kValorDer, wDer, Cuit);
    // Two lines: the street, the locality and the province of the longest address.
    fila(
        2160, "Domicilio fiscal:", kX, 1600, "PEMP_DOM_FISCAL", 1750, w - 1750 - kX,
        [this](const ado::Variant&) {
            QStringList partes;
            for (const char* c : {"PEMP_DOM_FISCAL", "GLOC_DESCRIPCION_DF", "GPRO_DESCRIPCION_DF"}) {
                const QString t = text::CStr(Field(QLatin1String(c))).trimmed();
                if (!t.isEmpty()) partes << t;
            }
            const QString cp = text::CStr(Field(QStringLiteral("PEMP_CP_DF"))).trimmed();
            return partes.join(QStringLiteral(", "))
                + (cp.isEmpty() ? QString() : QStringLiteral(" (C.P.\u00A0") + cp + QLatin1Char(')'));
        },
        400);
    s.Add<report::LineObject>(QStringLiteral("linResponsable"), QRectF(kX, 2620, w - 2 * kX, 0), 10);
    fila(2680, "Responsable:", kX, 1300, "PCDJ_RESP", 1450, kRotuloDer - 100 - 1450);
    fila(2680, "Documento:", kRotuloDer, kValorDer - kRotuloDer, "PCDJ_NRODOC", kValorDer, wDer,
         [this](const ado::Variant& v) {
             return (text::CStr(Field(QStringLiteral("GTDC_ID"))) + QLatin1Char(' ') + text::CStr(v)).trimmed();
         })
        ->Fit = report::TextFit::Shrink;
    fila(2940, "Carácter:", kX, 1000, "PCAR_DESCRIPCION", 1150, kRotuloDer - 100 - 1150);
}

void crDJ::Detalle()
{
    const double w = BodyWidth();
    report::Section& ph = AddSection(SectionKind::PageHeader, QStringLiteral("PageHeaderSection1"), 650);
    m_cabecera = &ph;
    Rotulo(ph, QStringLiteral("lblVentas"), QRectF(kX, 0, 4000, 280), QStringLiteral("Ventas"), 9, true);
    Rotulo(ph, QStringLiteral("lblEspecie"), QRectF(kX, 320, 3400, 240), QStringLiteral("Especie"), 8, true);
    Rotulo(ph, QStringLiteral("lblKg"), QRectF(3650, 320, 2300, 240), QStringLiteral("Kilogramos"), 8, true, kDerecha);
    Rotulo(ph, QStringLiteral("lblPrecio"), QRectF(6050, 320, 2100, 240), QStringLiteral("Precio"), 8, true, kDerecha);
    Rotulo(ph, QStringLiteral("lblImporte"), QRectF(8250, 320, w - 8250 - kX, 240), QStringLiteral("Importe"), 8, true,
           kDerecha);
    ph.Add<report::LineObject>(QStringLiteral("linVentas"), QRectF(kX, 600, w - 2 * kX, 0), 10);
    // Once the lines are done, the pages of totals and guides carry no sales captions.
    ph.Format = [this] { m_cabecera->Suppress = m_enTotales || Field(QStringLiteral("PDDJ_NRO")).isNull(); };

    report::Section& d = AddSection(SectionKind::Details, QStringLiteral("DetailSection1"), 250);
    Campo(d, QStringLiteral("PTES_DESCRIPCION"), QRectF(kX, 0, 3400, 240));
    Campo(d, QStringLiteral("PDDJ_KG"), QRectF(3650, 0, 2300, 240), Kilos, 8, false, kDerecha);
    Campo(d, QStringLiteral("PDDJ_PRECIO"), QRectF(6050, 0, 2100, 240), Importe, 8, false, kDerecha);
    Campo(d, QStringLiteral("PDDJ_TOTAL"), QRectF(8250, 0, w - 8250 - kX, 240), Importe, 8, false, kDerecha);
    // A declaration without lines still has its one row of header data.
    d.Format = [this, &d] { d.Suppress = Field(QStringLiteral("PDDJ_NRO")).isNull(); };
}

void crDJ::Totales()
{
    const double w = BodyWidth();
    report::Section& s = AddSection(SectionKind::ReportFooter, QStringLiteral("ReportFooterSection1"), 1850);
    s.Add<report::LineObject>(QStringLiteral("linTotales"), QRectF(kX, 40, w - 2 * kX, 0), 10);
    struct Fila {
        const char* caption;
        const char* column;
    };
    const Fila filas[] = {{"Total General de Ventas:", "PCDJ_MTOVTAS"},
                          {"Alícuota (%):", "PCDJ_ALICUOTA"},
                          {"Importe:", "PCDJ_IMPORTE"},
                          {"Intereses:", "PCDJ_INTERESES"},
                          {"Multa:", "PCDJ_MULTA"},
                          {"Total Adeudado:", "PCDJ_TOTAL"}};
    double y = 100;
    for (const Fila& f : filas) {
        const bool total = qstrcmp(f.column, "PCDJ_TOTAL") == 0;
        if (total) {
            y += 60;
            s.Add<report::LineObject>(QStringLiteral("linTotal"), QRectF(5000, y - 30, w - 5000 - kX, 0), 10);
        }
        Rotulo(s, QStringLiteral("lbl") + QLatin1String(f.column), QRectF(5000, y, 2800, 260),
               QString::fromUtf8(f.caption), total ? 10 : 8, total, kDerecha);
        Campo(s, QLatin1String(f.column), QRectF(7900, y, w - 7900 - kX, 260), Importe, total ? 10 : 8, total,
              kDerecha);
        y += 260;
    }
    auto* sinLineas = Rotulo(s, QStringLiteral("lblSinLineas"), QRectF(kX, 100, 4700, 260), {}, 8, true);
    s.Format = [this, sinLineas] {
        m_enTotales = true;
        sinLineas->SetText(Field(QStringLiteral("PDDJ_NRO")).isNull()
                               ? QStringLiteral("La declaración no tiene líneas de venta.")
                               : QString());
    };
}

void crDJ::Guias()
{
    const double w = BodyWidth();
    auto sub = std::make_unique<report::Report>();
    report::Report& g = *sub;
    report::Section& h = g.AddSection(SectionKind::ReportHeader, QStringLiteral("ReportHeaderSection1"), 620);
    auto* titulo = Rotulo(h, QStringLiteral("lblGuias"), QRectF(kX, 0, w - 2 * kX, 280),
                          QStringLiteral("Guías de Tránsito"), 9, true);
    struct Col {
        const char* caption;
        const char* column;
        double x, w;
        bool right;
        report::FieldObject::Formatter f;
    };
    const Col cols[] = {
        {"N° Guía", "PGTR_NRO", kX, 1400, false, Texto},
        {"Fecha", "PGTR_FECHA", 1600, 900, false, Texto},
        {"Destino", "GLOC_DESCRIPCION", 2550, 2400, false, {}},
        {"Planta procesadora", "PGTR_PLANTAPROCESADORA", 5000, 1950, false, Texto},
        {"Cajones", "PGTR_CAJONES", 7000, 800, true, Kilos},
        {"Kilogramos", "PGTR_KGS", 7850, 900, true, Kilos},
        {"Total", "PGTR_TOTAL", 8800, 900, true, Importe},
        {"Valor", "PGTR_VALOR", 9750, w - 9750 - kX, true, Importe},
    };
    std::vector<report::TextObject*> captions;
    // Two lines a guide: its number, destination and plant are long texts.
    report::Section& d = g.AddSection(SectionKind::Details, QStringLiteral("DetailSection1"), 400);
    for (const Col& c : cols) {
        captions.push_back(Rotulo(h, QStringLiteral("lbl") + QLatin1String(c.column), QRectF(c.x, 320, c.w, 240),
                                  QString::fromUtf8(c.caption), 7, true,
                                  c.right ? kDerecha : Qt::AlignLeft | Qt::AlignVCenter));
        auto f = c.f ? c.f : [&g](const ado::Variant& loc) {
            const QString prov = text::CStr(g.Field(QStringLiteral("GPRO_DESCRIPCION")));
            return text::CStr(loc) + (prov.isEmpty() ? QString() : QStringLiteral(", ") + prov);
        };
        auto* campo = Campo(d, QLatin1String(c.column), QRectF(c.x, 0, c.w, 380), f, 7, false,
                            c.right ? kDerecha : Qt::AlignLeft | Qt::AlignVCenter);
        // The guide's number and where the fish went are printed whole, in a smaller face when long.
        if (!c.right && qstrcmp(c.column, "PGTR_FECHA") != 0) campo->Fit = report::TextFit::WrapWhole;
    }
    // The pages the guides run on to repeat their captions at the top.
    report::Section& ph = AddSection(SectionKind::PageHeader, QStringLiteral("PageHeaderSection2"), 300);
    for (const Col& c : cols)
        Rotulo(ph, QStringLiteral("lblSigue") + QLatin1String(c.column), QRectF(c.x, 0, c.w, 240),
               QString::fromUtf8(c.caption), 7, true, c.right ? kDerecha : Qt::AlignLeft | Qt::AlignVCenter);
    ph.Format = [this, &ph] { ph.Suppress = !m_enGuias; };

    h.Format = [this, &g, titulo, captions] {
        m_enGuias = g.RecordCount() > 0;
        const bool hay = g.RecordCount() > 0;
        titulo->SetText(hay ? QStringLiteral("Guías de Tránsito")
                            : QStringLiteral("Guías de Tránsito: la declaración no tiene guías."));
        for (report::TextObject* t : captions) t->Suppress = !hay;
    };

    report::Section& s = AddSection(SectionKind::ReportFooter, QStringLiteral("ReportFooterSection2"), 700);
    subGuias = s.Add<report::SubreportObject>(QStringLiteral("subGuias"), QRectF(0, 200, w, 400), std::move(sub));
}

void crDJ::Firmas()
{
    const double w = BodyWidth();
    report::Section& s = AddSection(SectionKind::ReportFooter, QStringLiteral("ReportFooterSection3"), 1700);
    s.Format = [this] { m_enGuias = false; };
    Rotulo(s, QStringLiteral("lblJuramento"), QRectF(kX, 100, w - 2 * kX, 260),
           QStringLiteral(
               "Declaro bajo juramento que los datos consignados en esta declaración son correctos y completos."));
    s.Add<report::LineObject>(QStringLiteral("linFirma"), QRectF(600, 1200, 3800, 0), 10);
    s.Add<report::LineObject>(QStringLiteral("linAclaracion"), QRectF(w - 600 - 3800, 1200, 3800, 0), 10);
    Rotulo(s, QStringLiteral("lblFirma"), QRectF(600, 1240, 3800, 240), QStringLiteral("Firma del responsable"), 8,
           false, Qt::AlignCenter);
    Rotulo(s, QStringLiteral("lblAclaracion"), QRectF(w - 600 - 3800, 1240, 3800, 240),
           QStringLiteral("Aclaración y carácter"), 8, false, Qt::AlignCenter);
}

void crDJ::Pie()
{
    const double w = BodyWidth();
    PageFooterSection1 = &AddSection(SectionKind::PageFooter, QStringLiteral("PageFooterSection1"), 2150);
    report::Section& s = *PageFooterSection1;
    s.Add<report::LineObject>(QStringLiteral("linPie"), QRectF(0, 0, w, 0), 15);
    Rotulo(s, QStringLiteral("lblCodigo"), QRectF(0, 60, 7000, 200), QStringLiteral("Código de pago de la declaración"),
           7);
    picCodigo = s.Add<report::PictureObject>(QStringLiteral("picCodigo"), QRectF(0, 260, 7000, 700));
    txtAviso = Rotulo(s, QStringLiteral("txtAviso"), QRectF(0, 260, 7000, 700), {}, 9, true, Qt::AlignCenter);
    txtAviso->Fit = report::TextFit::WrapWhole;
    txtCodigo = Rotulo(s, QStringLiteral("txtCodigo"), QRectF(0, 980, w, 240), {}, 6.5);
    Monoespaciado(txtCodigo, 6.5);
    s.Add<report::PageNumberObject>(QStringLiteral("txtPagina"), QRectF(7300, 260, w - 7300, 260))->Alignment =
        kDerecha;
    Rotulo(s, QStringLiteral("lblMD5"), QRectF(0, 1280, 7000, 200),
           QStringLiteral("Suma de verificación (MD5) de los archivos de la declaración"), 7);
    picMD5 = s.Add<report::PictureObject>(QStringLiteral("picMD5"), QRectF(0, 1480, 5600, 600));
    txtMD5 = Rotulo(s, QStringLiteral("txtMD5"), QRectF(5800, 1620, w - 5800, 300), {}, 10);
    Monoespaciado(txtMD5, 10);
    s.Format = [this] { PageFooterSection1_Format(); };
}

QStringList crDJ::Avisos() const
{
    if (m_aviso.isEmpty()) return {};
    return {m_aviso};
}

void crDJ::Layout()
{
    m_enTotales = false;
    m_enGuias = false;
    m_aviso.clear();
    report::Report::Layout();
}

void crDJ::PageFooterSection1_Format()
{
    const QString code = ArmarCodigoBarras();
    m_barcode.setText(code);
    m_barcode.SizeTo(PixelesCodigo(picCodigo->Width()), PixelesCodigo(picCodigo->Height()));
    const bool valido = CodigoPago::Valido(code) && m_barcode.Valid();
    picCodigo->SetPicture(valido ? m_barcode.Modules() : QImage(), report::Scaling::Sharp);
    txtCodigo->SetText(valido ? CodigoPago::Agrupado(code) : QString());
    txtAviso->SetText(valido ? QString()
                             : QStringLiteral("SIN CÓDIGO DE PAGO: ") + m_problema
                              + QStringLiteral(". Corrija la declaración antes de pagarla."));
    if (!valido) m_aviso = QStringLiteral("Declaración %1: %2.").arg(text::CStr(Field(0)), m_problema);

    m_barcodeMD5.setText(m_md5);
    m_barcodeMD5.SizeTo(PixelesCodigo(picMD5->Width()), PixelesCodigo(picMD5->Height()));
    picMD5->SetPicture(m_barcodeMD5.Modules(), report::Scaling::Sharp);
    QString grupos;
    for (int i = 0; i < m_md5.size(); i += 4) grupos += m_md5.mid(i, 4) + QLatin1Char(' ');
    txtMD5->SetText(grupos);
    txtMD5->Font().setPointSize(10);
}

QString crDJ::ArmarCodigoBarras()
{
    namespace V = PES_VW_DJ7351;
    CodigoPago c;
    c.Constante("031050");
    c.Constante("050");
    c.Identificador(Field(V::PCDJ_NRO), 23, QStringLiteral("el número de declaración"));
    c.Centesimos(Field(V::PCDJ_ALICUOTA), 4, QStringLiteral("la alícuota"));
    c.Constante("000");
    c.Vencimiento(Field(V::PCDJ_ANIO), Field(V::PCDJ_MES));
    c.Centesimos(Field(V::PCDJ_IMPORTE), 12, QStringLiteral("el importe"));
    c.Centesimos(Field(V::PCDJ_INTERESES), 10, QStringLiteral("el monto de los intereses"));
    c.Centesimos(Field(V::PCDJ_MULTA), 10, QStringLiteral("la multa"));
    m_problema = c.Problema();
    return c.Terminar();
}
