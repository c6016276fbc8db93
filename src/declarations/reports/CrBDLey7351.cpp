#include "declarations/reports/CrBDLey7351.h"

#include "core/modNroALetras.h"
#include "declarations/reports/CodigoPago.h"
#include "declarations/reports/Formatos.h"
#include "platform/barcode/Barcode.h"
#include "platform/text/Text.h"

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
    picTamanio = DetailSection1->Add<report::PictureObject>(QStringLiteral("picTamanio"), QRectF(kX, 2780, 7600, 680));
    picTamanio->Suppress = true;
    DetailSection1->Format = [this] { DetailSection1_Format(); };
}

void CrBDLey7351::Copia(report::Section& s, int i, double top)
{
    const QString n = QString::number(i + 1);
    auto at = [top](double x, double y, double w, double h) { return QRectF(x, top + y, w, h); };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    s.Add<report::BoxObject>(QStringLiteral("boxCopia") + n, at(0, 60, BodyWidth(), kAltoCopia - 180), 20);
    if (i > 0) {
        auto* corte = s.Add<report::LineObject>(QStringLiteral("linCorte") + n, at(-300, 0, BodyWidth() + 600, 0), 10);
        corte->Dashed = true;
    }
    Rotulo(s, QStringLiteral("lblTitulo") + n, at(kX, 140, 6000, 300), QStringLiteral("BOLETA DE DEPÓSITO - LEY 7351"),
           11, true);
    Rotulo(s, QStringLiteral("lblEjemplar") + n, at(6200, 140, BodyWidth() - 6200 - kX, 300),
           QString::fromUtf8(kEjemplar[i]), 8, true, right);

    Rotulo(s, QStringLiteral("lblNroDJ") + n, at(kX, 500, 2000, 240), QStringLiteral("Declaración Jurada N°:"));
    txtNroDJ[i] = Rotulo(s, QStringLiteral("txtNroDJ") + n, at(2150, 500, 3300, 240), {}, 9, true);
    Monoespaciado(txtNroDJ[i], 9);
    Rotulo(s, QStringLiteral("lblPeriodo") + n, at(5600, 500, 800, 240), QStringLiteral("Período:"));
    Campo(
        s, QStringLiteral("PPDJ_MES"), at(6400, 500, 900, 240),
        [this](const ado::Variant&) {
            return Periodo(Field(QStringLiteral("PPDJ_ANIO")), Field(QStringLiteral("PPDJ_MES")));
        },
        8, true);
    Rotulo(s, QStringLiteral("lblBoleta") + n, at(7600, 500, 1100, 240), QStringLiteral("Boleta N°:"));
    Campo(s, QStringLiteral("PPDJ_NRO"), at(8700, 500, 700, 240), Texto, 8, true);

    Rotulo(s, QStringLiteral("lblEmpresa") + n, at(kX, 780, 1000, 240), QStringLiteral("Empresa:"));
    Campo(s, QStringLiteral("PEMP_RSOCIAL"), at(1150, 780, 5300, 240), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblCuit") + n, at(6600, 780, 700, 240), QStringLiteral("CUIT:"));
    Campo(s, QStringLiteral("PEMP_CUIT"), at(7300, 780, 2000, 240), Cuit, 8, true);

    Rotulo(s, QStringLiteral("lblEmbarcacion") + n, at(kX, 1040, 1250, 240), QStringLiteral("Embarcación:"));
    Campo(s, QStringLiteral("PBAR_NOMBRE"), at(1400, 1040, 3300, 240), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblMatricula") + n, at(4800, 1040, 1000, 240), QStringLiteral("Matrícula:"));
    Campo(s, QStringLiteral("PBAR_MATRICULA"), at(5800, 1040, 800, 240), Texto, 8, true);
    Rotulo(s, QStringLiteral("lblPuerto") + n, at(6600, 1040, 700, 240), QStringLiteral("Puerto:"));
    Campo(s, QStringLiteral("PPTO_DESCRIPCION"), at(7300, 1040, 3300, 240), Texto, 8, true);

    // The amounts, in four columns.
    const char* const caps[] = {"Importe", "Intereses", "Multa", "Total a Pagar"};
    const char* const cols[] = {"PPDJ_IMPORTE", "PPDJ_INTERESES", "PPDJ_MULTA", "PPDJ_TOTAL"};
    s.Add<report::LineObject>(QStringLiteral("linImportes") + n, at(kX, 1330, BodyWidth() - 2 * kX, 0), 10);
    for (int c = 0; c < 4; ++c) {
        const double x = kX + c * 2300;
        Rotulo(s, QStringLiteral("lblImp%1_").arg(c) + n, at(x, 1360, 2200, 240), QString::fromLatin1(caps[c]), 8,
               false, right);
        auto* f =
            Campo(s, QString::fromLatin1(cols[c]), at(x, 1600, 2200, 260), Importe, c == 3 ? 10 : 9, c == 3, right);
        if (c == 3 && i == 0) fldTotal = f;
    }

    // The forms of payment.
    Rotulo(s, QStringLiteral("lblFormaPago") + n, at(kX, 1920, 1600, 240), QStringLiteral("Forma de pago:"), 8, true);
    Rotulo(s, QStringLiteral("lblEfectivo") + n, at(1800, 1920, 900, 240), QStringLiteral("Efectivo:"));
    Campo(s, QStringLiteral("PPDJ_EFECTIVO"), at(2700, 1920, 1500, 240), Importe, 8, false, right);
    for (int c = 1; c <= 2; ++c) {
        const double y = 1920 + (c - 1) * 250;
        const QString k = QString::number(c);
        Rotulo(s, QStringLiteral("lblCheque%1_").arg(c) + n, at(4400, y, 1350, 240),
               QStringLiteral("Cheque %1 N°:").arg(c));
        Campo(s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_NRO"), at(5750, y, 1150, 240));
        Rotulo(s, QStringLiteral("lblBanco%1_").arg(c) + n, at(6950, y, 650, 240), QStringLiteral("Banco:"));
        Campo(s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_BANCO"), at(7600, y, 2000, 240));
        Campo(s, QStringLiteral("PPDJ_CHEQUE") + k + QStringLiteral("_MONTO"),
              at(9600, y, BodyWidth() - 9600 - kX, 240), Importe, 8, false, right);
    }

    // A fixed-width face, as amounts in words are written on bank forms.
    txtSonPesos[i] = Rotulo(s, QStringLiteral("txtSonPesos") + n, at(kX, 2440, BodyWidth() - 2 * kX, 320), {}, 9, true);
    Monoespaciado(txtSonPesos[i], 9);
    txtSonPesos[i]->WordWrap = true;

    picCodigo[i] = s.Add<report::PictureObject>(QStringLiteral("picCodigo") + n, at(kX, 2780, 7600, 680));
    txtAviso[i] = Rotulo(s, QStringLiteral("txtAviso") + n, at(kX, 2780, 7600, 680), {}, 9, true, Qt::AlignCenter);
    txtAviso[i]->WordWrap = true;
    s.Add<report::BoxObject>(QStringLiteral("boxAviso") + n, at(kX, 2780, 7600, 680), 20)->Suppress = true;
    txtCodigo[i] = Rotulo(s, QStringLiteral("txtCodigo") + n, at(kX, 3480, BodyWidth() - 2 * kX, 240), {}, 6.5, false);
    Monoespaciado(txtCodigo[i], 6.5);
    Rotulo(s, QStringLiteral("lblVence") + n, at(8000, 2900, BodyWidth() - 8000 - kX, 240),
           QStringLiteral("Vencimiento:"), 8, false, Qt::AlignCenter);
    Rotulo(s, QStringLiteral("txtVence") + n, at(8000, 3150, BodyWidth() - 8000 - kX, 260), {}, 10, true,
           Qt::AlignCenter);
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
        picCodigo[i]->SetPicture(valido ? m_barcode.Drawing() : QPainterPath());
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
    // Fields by their position in PES_VW_BOLETA_PAGO (0-based here).
    CodigoPago c;
    c.Constante("031050");
    c.Constante("050");
    c.Identificador(Field(14), 25, QStringLiteral("el identificador de la boleta"));
    c.Centesimos(Field(15), 4, QStringLiteral("la alícuota"));
    c.Constante("0");
    c.Vencimiento(Field(1), Field(2));
    c.Centesimos(Field(10), 12, QStringLiteral("el importe"));
    c.Centesimos(Field(11), 10, QStringLiteral("el monto de los intereses"));
    c.Centesimos(Field(12), 10, QStringLiteral("la multa"));
    m_problema = c.Problema();
    return c.Terminar();
}
