#include "declarations/reports/CrBDLey7351.h"

#include "core/modNroALetras.h"
#include "core/schema/Vistas.h"
#include "declarations/reports/CodigoPago.h"
#include "declarations/reports/Formatos.h"
#include "platform/barcode/Barcode.h"
#include "platform/text/Text.h"

#include <QRegularExpression>
#include <cmath>

using namespace formatos;
using report::SectionKind;

namespace {

const char* const kEjemplar[CrBDLey7351::kCopias] = {"ORIGINAL", "DUPLICADO", "TRIPLICADO", "CUADRUPLICADO"};
constexpr double kAltoCopia = 3926;  // a quarter of the page's body
constexpr double kX = 150;           // inside the copy's frame

}  // namespace

CrBDLey7351::CrBDLey7351(barcode::Barcode& Barcode) : m_barcode(Barcode)
{
    Title = QStringLiteral("Boleta de depósito Ley 7351");
    DetailSection1 = &AddSection(SectionKind::Details, QStringLiteral("DetailSection1"), kAltoCopia * kCopias);
    DetailSection1->NewPageAfter = true;
    for (int i = 0; i < kCopias; ++i) Copia(*DetailSection1, i, i * kAltoCopia);
    picTamanio = DetailSection1->Add<report::PictureObject>(QStringLiteral("picTamanio"), QRectF(kX, 3050, 7600, 540));
    picTamanio->Suppress = true;
    DetailSection1->Format = [this] { DetailSection1_Format(); };
}

void CrBDLey7351::Copia(report::Section& s, int i, double top)
{
    const QString n = QString::number(i + 1);
    auto at = [top](double x, double y, double w, double h) { return QRectF(x, top + y, w, h); };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const double fin = BodyWidth() - kX;  // the right edge of what the copy prints
    // Two columns of data: the long names on the left, the short values on the right.
    constexpr double kValorIzq = 1400, kRotuloDer = 7350, kValorDer = 8500;

    s.Add<report::BoxObject>(QStringLiteral("boxCopia") + n, at(0, 60, BodyWidth(), kAltoCopia - 180), 20);
    if (i > 0) {
        // Inside the printable margin, where every printer draws it.
        auto* corte = s.Add<report::LineObject>(QStringLiteral("linCorte") + n, at(0, 0, BodyWidth(), 0), 10);
        corte->Dashed = true;
    }
    Rotulo(s, QStringLiteral("lblTitulo") + n, at(kX, 100, 6000, 280), QStringLiteral("BOLETA DE DEPÓSITO - LEY 7351"),
           11, true);
    Rotulo(s, QStringLiteral("lblEjemplar") + n, at(6200, 100, fin - 6200, 280), QString::fromUtf8(kEjemplar[i]), 8,
           true, right);

    Rotulo(s, QStringLiteral("lblNroDJ") + n, at(kX, 410, 2000, 230), QStringLiteral("Declaración Jurada N°:"));
    txtNroDJ[i] = Rotulo(s, QStringLiteral("txtNroDJ") + n, at(2150, 410, 3300, 230), {}, 9, true);
    Monoespaciado(txtNroDJ[i], 9);
    Rotulo(s, QStringLiteral("lblBoleta") + n, at(5600, 410, 1000, 230), QStringLiteral("Boleta N°:"));
    Campo(s, QStringLiteral("PPDJ_NRO"), at(6600, 410, kRotuloDer - 6700, 230), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblPeriodo") + n, at(kRotuloDer, 410, kValorDer - kRotuloDer, 230),
           QStringLiteral("Período:"));
    Campo(
        s, QStringLiteral("PPDJ_MES"), at(kValorDer, 410, fin - kValorDer, 230),
        [this](const ado::Variant&) {
            return Periodo(Field(QStringLiteral("PPDJ_ANIO")), Field(QStringLiteral("PPDJ_MES")));
        },
        8, true);

    Rotulo(s, QStringLiteral("lblEmpresa") + n, at(kX, 640, kValorIzq - kX, 230), QStringLiteral("Empresa:"));
    Campo(s, QStringLiteral("PEMP_RSOCIAL"), at(kValorIzq, 640, kRotuloDer - 100 - kValorIzq, 230), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblCuit") + n, at(kRotuloDer, 640, kValorDer - kRotuloDer, 230), QStringLiteral("CUIT:"));
    Campo(s, QStringLiteral("PEMP_CUIT"), at(kValorDer, 640, fin - kValorDer, 230), Cuit, 8, true);

    Rotulo(s, QStringLiteral("lblEmbarcacion") + n, at(kX, 870, kValorIzq - kX, 230), QStringLiteral("Embarcación:"));
    Campo(s, QStringLiteral("PBAR_NOMBRE"), at(kValorIzq, 870, kRotuloDer - 100 - kValorIzq, 230), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblMatricula") + n, at(kRotuloDer, 870, kValorDer - kRotuloDer, 230),
           QStringLiteral("Matrícula:"));
    Campo(s, QStringLiteral("PBAR_MATRICULA"), at(kValorDer, 870, fin - kValorDer, 230), Texto, 8, true)->Fit =
        report::TextFit::Shrink;

    Rotulo(s, QStringLiteral("lblPuerto") + n, at(kX, 1100, kValorIzq - kX, 230), QStringLiteral("Puerto:"));
    Campo(s, QStringLiteral("PPTO_DESCRIPCION"), at(kValorIzq, 1100, kRotuloDer - 100 - kValorIzq, 230), Texto, 8,
          true);

    // The amounts, in four columns over the whole width.
    const char* const caps[] = {"Importe", "Intereses", "Multa", "Total a Pagar"};
    const char* const cols[] = {"PPDJ_IMPORTE", "PPDJ_INTERESES", "PPDJ_MULTA", "PPDJ_TOTAL"};
    const double columna = (fin - kX) / 4;
    s.Add<report::LineObject>(QStringLiteral("linImportes") + n, at(kX, 1360, fin - kX, 0), 10);
    for (int c = 0; c < 4; ++c) {
        const double x = kX + c * columna + 100;
        Rotulo(s, QStringLiteral("lblImp%1_").arg(c) + n, at(x, 1380, columna - 100, 200), QString::fromLatin1(caps[c]),
               8, false, right);
        auto* f = Campo(s, QString::fromLatin1(cols[c]), at(x, 1580, columna - 100, 260), Importe, c == 3 ? 10 : 9,
                        c == 3, right);
        if (c == 3 && i == 0) fldTotal = f;
    }

    // The forms of payment, their amounts under the total's.
    const double xMonto = kX + 3 * columna + 100;
    Rotulo(s, QStringLiteral("lblFormaPago") + n, at(kX, 1880, 1550, 230), QStringLiteral("Forma de pago:"), 8, true);
    Rotulo(s, QStringLiteral("lblEfectivo") + n, at(xMonto - 1600, 1880, 1500, 230), QStringLiteral("Efectivo:"), 8,
           false, right);
    Campo(s, QStringLiteral("PPDJ_EFECTIVO"), at(xMonto, 1880, fin - xMonto, 230), Importe, 8, false, right);
    for (int c = 1; c <= 2; ++c) {
        const double y = 1880 + c * 230;
        const QString k = QString::number(c);
        Rotulo(s, QStringLiteral("lblCheque%1_").arg(c) + n, at(kX, y, 1550, 230),
               QStringLiteral("Cheque %1 N°:").arg(c));
        Campo(s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_NRO"), at(1700, y, 1600, 230))->Fit =
            report::TextFit::Shrink;
        Rotulo(s, QStringLiteral("lblBanco%1_").arg(c) + n, at(3400, y, 650, 230), QStringLiteral("Banco:"));
        Campo(s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_BANCO"), at(4050, y, xMonto - 4150, 230));
        // A slip paid without that cheque leaves its amount blank.
        Campo(
            s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_MONTO"), at(xMonto, y, fin - xMonto, 230),
            [](const ado::Variant& v) { return v.isNumber() && v.toDouble() == 0 ? QString() : Importe(v); }, 8, false,
            right);
    }

    // A fixed-width face, as amounts in words are written on bank forms; two
    // lines, the font made smaller only when even two do not hold it.
    txtSonPesos[i] =
        Rotulo(s, QStringLiteral("txtSonPesos") + n, at(kX, 2600, fin - kX, 410), {}, 9, true, Qt::AlignLeft);
    Monoespaciado(txtSonPesos[i], 9);
    txtSonPesos[i]->Fit = report::TextFit::WrapWhole;

    picCodigo[i] = s.Add<report::PictureObject>(QStringLiteral("picCodigo") + n, at(kX, 3050, 7600, 540));
    txtAviso[i] = Rotulo(s, QStringLiteral("txtAviso") + n, at(kX + 80, 3090, 7440, 460), {}, 9, true, Qt::AlignCenter);
    txtAviso[i]->Fit = report::TextFit::WrapWhole;
    s.Add<report::BoxObject>(QStringLiteral("boxAviso") + n, at(kX, 3050, 7600, 540), 20)->Suppress = true;
    txtCodigo[i] = Rotulo(s, QStringLiteral("txtCodigo") + n, at(kX, 3600, fin - kX, 170), {}, 6.5, false);
    Monoespaciado(txtCodigo[i], 6.5);
    Rotulo(s, QStringLiteral("lblVence") + n, at(8000, 3060, fin - 8000, 230), QStringLiteral("Vencimiento:"), 8, false,
           Qt::AlignCenter);
    Rotulo(s, QStringLiteral("txtVence") + n, at(8000, 3300, fin - 8000, 260), {}, 10, true, Qt::AlignCenter);
}

QStringList CrBDLey7351::Avisos() const
{
    QStringList all;
    for (const auto& [row, aviso] : m_avisos) all << aviso;
    return all;
}

void CrBDLey7351::Layout()
{
    m_avisos.clear();
    report::Report::Layout();
}

void CrBDLey7351::DetailSection1_Format()
{
    // The amount in words on every copy.
    const ado::Variant& total = fldTotal->Value();
    QString palabras;
    if (total.isNumber() && std::abs(total.toDouble()) < 1e15)
        palabras = modNroALetras::NroALetras(total.toDouble(), 1, false);
    // The cents stay on the line of their "CON".
    palabras.replace(QRegularExpression(QStringLiteral("CON (\\d+/100)$")), QStringLiteral("CON\u00A0\\1"));
    for (int i = 0; i < kCopias; ++i) txtSonPesos[i]->SetText(QStringLiteral("SON PESOS: ") + palabras);

    const QString code = ArmarCodigoBarras();
    m_barcode.setText(code);
    m_barcode.SizeTo(PixelesCodigo(picTamanio->Width()), PixelesCodigo(picTamanio->Height()));
    const bool valido = CodigoPago::Valido(code) && m_barcode.Valid();

    txtCodigo[0]->SetText(valido ? CodigoPago::Agrupado(code) : QString());
    for (int i = 1; i < kCopias; ++i) txtCodigo[i]->SetText(txtCodigo[0]->Text());
    const QString aviso = QStringLiteral("SIN CÓDIGO DE PAGO: ") + m_problema
        + QStringLiteral(". No pague con esta boleta; corrija la declaración y vuelva a imprimirla.");
    for (int i = 0; i < kCopias; ++i) {
        picCodigo[i]->SetPicture(valido ? m_barcode.Modules() : QImage(), report::Scaling::Sharp);
        txtAviso[i]->SetText(valido ? QString() : aviso);
        Object(QStringLiteral("boxAviso%1").arg(i + 1))->Suppress = valido;
        static_cast<report::TextObject*>(Object(QStringLiteral("txtVence%1").arg(i + 1)))
            ->SetText(valido ? code.mid(45, 2) + QLatin1Char('/') + code.mid(43, 2) + QLatin1Char('/') + code.mid(39, 4)
                             : QString());
    }
    if (valido)
        m_avisos.erase(CurrentRow());
    else
        m_avisos[CurrentRow()] =
            QStringLiteral("Boleta %1: %2.").arg(text::CStr(Field(QStringLiteral("PPDJ_NRO"))), m_problema);
}

QString CrBDLey7351::ArmarCodigoBarras()
{
    namespace V = PES_VW_BOLETA_PAGO;
    CodigoPago c;
    c.Constante("031050");
    c.Constante("050");
    c.Identificador(Field(V::PPDJ_IDENTIFICADOR), 25, QStringLiteral("el identificador de la boleta"));
    c.Centesimos(Field(V::PCDJ_ALICUOTA), 4, QStringLiteral("la alícuota"));
    c.Constante("0");
    c.Vencimiento(Field(V::PPDJ_ANIO), Field(V::PPDJ_MES));
    c.Centesimos(Field(V::PPDJ_IMPORTE), 12, QStringLiteral("el importe"));
    c.Centesimos(Field(V::PPDJ_INTERESES), 10, QStringLiteral("el monto de los intereses"));
    c.Centesimos(Field(V::PPDJ_MULTA), 10, QStringLiteral("la multa"));
    m_problema = c.Problema();
    return c.Terminar();
}
