// Header of the declaration editor: its checks, the declaration number,
// the insert and update of the header row, and the vessel and company
// lookups that fill the header from the registers.
#include "declarations/frmEditarDJ.h"

#include "core/General.h"
#include "core/Matricula.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "declarations/Renglones.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Reglas.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

using General::DuplicarComillas;
using General::TextoSQL;
using text::CStr;
using text::EsEnteroSimple;
using text::Format;
using text::IsNumeric;
using text::Trim;

namespace {

// How many digits each number written unquoted may have: a CUIT has 11
// digits, a document number fits a double exactly.
constexpr int kDigitosCUIT = 11;
constexpr int kDigitosDoc = 15;

bool mesValido(const QString& s) { return EsEnteroSimple(s, 2) && s.toInt() >= 1 && s.toInt() <= 12; }

}  // namespace

bool frmEditarDJ::ValidarCabecera()
{
    for (QLineEdit* t :
         {txt_anio, txt_mes, txt_NroEmb, txt_Matricula, txt_NroEmp, txt_CUIT, txt_NroDoc, txt_responsable})
        t->setText(Trim(t->text()));

    // Numbers that reach SQL unquoted are refused unless they are plain
    // digits; a year and month also form the declaration number, so they
    // must be a real period.
    return forms::CumpleReglas(
        {
            {!EsEnteroSimple(txt_anio->text(), 4) || txt_anio->text().size() != 4,
             "Ingrese el año al que corresponde la Declaración Jurada", txt_anio},
            {!mesValido(txt_mes->text()), "Ingrese el mes al que corresponde la Declaración Jurada", txt_mes},
            {cbo_TipoDJ->ListIndex() < 0, "Seleccione el tipo de Declaración Jurada", cbo_TipoDJ},
            {cbo_Puertos->ListIndex() < 0, "Seleccione el puerto de desembarco", cbo_Puertos},
            {cbo_EstadosDJ->ListIndex() < 0, "Seleccione el estado de la embarcación durante el período indicado",
             cbo_EstadosDJ},
            {!text::EsNroRegistro(txt_NroEmb->text()), "Ingrese el nro. de Embarcación", txt_NroEmb},
            // Four digits of the declaration number: anything else would break
            // its 23 digits and the statements it keys.
            {!Matricula::Aceptable(txt_Matricula->text()), "Ingresar la Matrícula de la Embarcación", txt_Matricula},
            {cbo_barcos->ListIndex() < 0, "Ingresar el nombre de la Embarcación", cbo_barcos},
            {!text::EsNroRegistro(txt_NroEmp->text()), "Ingrese el Nº de la Empresa", txt_NroEmp},
            {!EsEnteroSimple(txt_CUIT->text(), kDigitosCUIT), "Ingrese el CUIT de la Empresa", txt_CUIT},
            {cbo_empresas->ListIndex() < 0, "Ingrese la Razón Social de la Empresa", cbo_empresas},
            {cbo_TipoDoc->ListIndex() < 0, "Ingrese el tipo de documento del Responsable", cbo_TipoDoc},
            {!EsEnteroSimple(txt_NroDoc->text(), kDigitosDoc), "Ingrese el Nº de documento del Responsable",
             txt_NroDoc},
            {cbo_CaracteresResp->ListIndex() < 0, "Ingrese el caracter del Responsable", cbo_CaracteresResp},
            {txt_responsable->text().isEmpty(), "Ingrese el nombre del Responsable", txt_responsable},
            {cbo_Alicuota->ListIndex() < 0 && cbo_EstadosDJ->Text() == QLatin1String("NORMAL"),
             "Seleccione la alícuota", cbo_Alicuota},
        },
        Caption());
}

QString frmEditarDJ::GenerarNroDJ()
{
    // The sequence follows the highest one of the vessel's month. The highest
    // whole number would not do: its CUIT comes first, so another company's
    // number could hide a higher sequence and repeat one.
    ado::Recordset rs;
    rs.Open(
        QStringLiteral(
            "SELECT LNV_PES_TB_CAB_DDJJ7351.PCDJ_NRO AS PCDJ_NRO From LNV_PES_TB_CAB_DDJJ7351 WHERE (((LNV_PES_TB_CAB_DDJJ7351.PCDJ_ANIO)=")
            + txt_anio->text() + QStringLiteral(") AND ((LNV_PES_TB_CAB_DDJJ7351.PCDJ_MES)=") + txt_mes->text()
            + QStringLiteral(")AND ((LNV_PES_TB_CAB_DDJJ7351.PBAR_MATRICULA)= '")
            + DuplicarComillas(txt_Matricula->text()) + QStringLiteral("'))"),
        de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    int secuencia = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString nro = CStr(rs(QStringLiteral("PCDJ_NRO")));
        const QString ultimos = text::Right(nro, 2);
        if (EsEnteroSimple(ultimos, 2)) secuencia = std::max(secuencia, ultimos.toInt() + 1);
    }
    const QString nro = Format(ado::Variant(txt_CUIT->text()), QStringLiteral("00000000000"))
        + Format(ado::Variant(txt_Matricula->text()), QStringLiteral("000#")) + txt_anio->text()
        + Format(ado::Variant(txt_mes->text()), QStringLiteral("0#")) + Format(double(secuencia), QStringLiteral("00"));
    txt_NroDJ->setText(nro);
    return nro;
}

bool frmEditarDJ::InsertarCabecera()
{
    Renglones::TotalesDJ t;
    const bool hecho = forms::AtraparEnTransaccion(de1::conn(), [&] {
        GenerarNroDJ();
        const QString nroDoc = Trim(txt_NroDoc->text()).isEmpty() ? QStringLiteral("0") : txt_NroDoc->text();
        TasaSeleccionada();
        const QString sql =
            QStringLiteral("insert into LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, PEDJ_ID, PTDJ_ID, PCDJ_RESP, GTDC_ID, PCDJ_NRODOC, PCAR_ID ) VALUES (")
            + QStringList{
                  QStringLiteral("'") + NroDJ23() + QStringLiteral("'"),
                  txt_anio->text(),
                  txt_mes->text(),
                  CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex())),
                  txt_NroEmb->text(),
                  TextoSQL(txt_Matricula->text()),
                  TextoSQL(cbo_barcos->Text()),
                  txt_NroEmp->text(),
                  txt_CUIT->text(),
                  TextoSQL(cbo_empresas->Text()),
                  text::NumeroSQL(txt_alicuota->Value()),
                  text::NumeroSQL(txt_Interes->Value()),
                  text::NumeroSQL(txt_Multa->Value()),
                  // A new number has no lines: the total due is the interest and fine alone.
                  text::NumeroSQL(
                      Renglones::CalcularTotalesDJ(0, txt_alicuota->Value(), txt_Interes->Value(), txt_Multa->Value())
                          .adeudado),
                  TextoSQL(ObtenerIdEstado()),
                  CStr(cbo_TipoDJ->ItemData(cbo_TipoDJ->ListIndex())),
                  TextoSQL(txt_responsable->text()),
                  TextoSQL(cbo_TipoDoc->Text()),
                  nroDoc,
                  CStr(cbo_CaracteresResp->ItemData(cbo_CaracteresResp->ListIndex())),
              }.join(QStringLiteral(", "))
            + QStringLiteral(")");
        de1::conn().Execute(sql);
        t = Renglones::EscribirTotalesDJ(de1::conn(), NroDJ23());
    });
    if (hecho) MostrarTotales(t);
    return hecho;
}

// The header's own fields; its totals follow in the same transaction from
// the stored lines and the rate, interest and fine just written, never
// from the screen (another window may have saved lines since).
bool frmEditarDJ::ActualizarCabecera()
{
    Renglones::TotalesDJ t;
    const bool hecho = forms::AtraparEnTransaccion(de1::conn(), [&] {
        TasaSeleccionada();
        const QString sql = QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 SET PPTO_ID=")
            + CStr(cbo_Puertos->ItemData(cbo_Puertos->ListIndex())) + QStringLiteral(", PCDJ_ALICUOTA=")
            + text::NumeroSQL(txt_alicuota->Value()) + QStringLiteral(", PCDJ_INTERESES=")
            + text::NumeroSQL(txt_Interes->Value()) + QStringLiteral(", PCDJ_MULTA=")
            + text::NumeroSQL(txt_Multa->Value()) + QStringLiteral(", PEDJ_ID= ") + TextoSQL(ObtenerIdEstado())
            + QStringLiteral(", PTDJ_ID= ") + CStr(cbo_TipoDJ->ItemData(cbo_TipoDJ->ListIndex()))
            + QStringLiteral(", PCDJ_RESP= ") + TextoSQL(txt_responsable->text()) + QStringLiteral(", GTDC_ID=")
            + TextoSQL(cbo_TipoDoc->Text()) + QStringLiteral(", PCDJ_NRODOC=") + txt_NroDoc->text()
            + QStringLiteral(", PCAR_ID=") + CStr(cbo_CaracteresResp->ItemData(cbo_CaracteresResp->ListIndex()))
            + QStringLiteral(" WHERE PCDJ_NRO ='") + NroDJ23() + QStringLiteral("'");
        long cambiadas = 0;
        de1::conn().Execute(sql, &cambiadas);
        if (cambiadas == 0) throw platform::Conflicto(Renglones::kDeclaracionBorrada);
        t = Renglones::EscribirTotalesDJ(de1::conn(), NroDJ23());
    });
    if (hecho) MostrarTotales(t);
    return hecho;
}

QString frmEditarDJ::ObtenerIdEstado()
{
    ado::Recordset rs;
    rs.Open(
        QStringLiteral(
            "SELECT LNV_PES_TB_ESTADOS_DJ7351.PEDJ_ID From LNV_PES_TB_ESTADOS_DJ7351 WHERE (((LNV_PES_TB_ESTADOS_DJ7351.PEDJ_DESCRIPCION)='")
            + DuplicarComillas(cbo_EstadosDJ->Text()) + QStringLiteral("')) "),
        de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    return rs.Eof() ? QString() : CStr(rs(QStringLiteral("PEDJ_ID")));
}

// ---------------------------------------------------------------- lookups

namespace {

// Selects the register's row in a name combo without raising its Click:
// by the id first (two vessels may share a name), else by the name.
void seleccionarFila(forms::ComboBox* cbo, std::int32_t id, const QString& nombre)
{
    const QSignalBlocker quieto(cbo);
    for (int i = 0; i < cbo->ListCount(); ++i) {
        if (cbo->ItemData(i) == id) {
            cbo->setListIndex(i);
            return;
        }
    }
    cbo->setText(nombre);
}

// Two rows of a register may share a name: the one the user picked in the
// combo (its id already in the number box) wins over the first.
void aLaFilaElegida(ado::Recordset& rs, const QString& campoId, const QString& id)
{
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        if (CStr(rs(campoId)) == id) return;
    rs.MoveFirst();
}

void sinSeleccion(forms::ComboBox* cbo)
{
    const QSignalBlocker quieto(cbo);
    cbo->setListIndex(-1);
}

}  // namespace

void frmEditarDJ::BuscarEmpresa(const QString& modo)
{
    QString sql = QStringLiteral(
        "SELECT LNV_PES_TB_EMPRESAS.PEMP_ID, LNV_PES_TB_EMPRESAS.PEMP_CUIT, LNV_PES_TB_EMPRESAS.PEMP_RSOCIAL FROM LNV_PES_TB_EMPRESAS ");
    // A number that is no plain whole number names no company: nothing to ask the database.
    bool buscar = true;
    if (modo == QLatin1String("N")) {
        const QString nro = Trim(txt_NroEmp->text());
        buscar = text::EsNroRegistro(nro);
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMPRESAS.PEMP_ID)=") + nro + QStringLiteral(" ))");
    } else if (modo == QLatin1String("C")) {
        const QString cuit = Trim(txt_CUIT->text());
        buscar = EsEnteroSimple(cuit, kDigitosCUIT);
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMPRESAS.PEMP_CUIT)=") + cuit + QStringLiteral(" ))");
    } else {
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMPRESAS.PEMP_RSOCIAL)='") + DuplicarComillas(cbo_empresas->Text())
            + QStringLiteral("' ))");
    }
    forms::Atrapar([&] {
        ado::Recordset rs;
        if (buscar) rs.Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (!buscar || rs.Eof()) {
            forms::MsgBox(QStringLiteral("No se encuentra la empresa buscada"), forms::vbInformation,
                          QStringLiteral("Atención"));
            txt_CUIT->clear();
            txt_NroEmp->clear();
            sinSeleccion(cbo_empresas);
            return;
        }
        if (modo == QLatin1String("R")) aLaFilaElegida(rs, QStringLiteral("PEMP_ID"), txt_NroEmp->text());
        const std::int32_t id = text::CLng(rs(QStringLiteral("PEMP_ID")));
        const QString rsocial = CStr(rs(QStringLiteral("PEMP_RSOCIAL")));
        if (modo != QLatin1String("C")) txt_CUIT->setText(Format(rs(QStringLiteral("PEMP_CUIT")), QStringLiteral("0")));
        if (modo != QLatin1String("N")) txt_NroEmp->setText(CStr(id));
        seleccionarFila(cbo_empresas, id, rsocial);
    });
}

void frmEditarDJ::BuscarEmbarcacion(const QString& modo)
{
    QString sql = QStringLiteral(
        "SELECT LNV_PES_TB_EMBARCACIONES.PBAR_ID, LNV_PES_TB_EMBARCACIONES.PBAR_MATRICULA,  LNV_PES_TB_EMBARCACIONES.PBAR_NOMBRE FROM LNV_PES_TB_EMBARCACIONES ");
    bool buscar = true;
    if (modo == QLatin1String("N")) {
        const QString nro = Trim(txt_NroEmb->text());
        buscar = text::EsNroRegistro(nro);
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMBARCACIONES.PBAR_ID)=") + nro + QStringLiteral(" ))");
    } else if (modo == QLatin1String("M")) {
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMBARCACIONES.PBAR_MATRICULA)='")
            + DuplicarComillas(txt_Matricula->text()) + QStringLiteral("' ))");
    } else {
        sql += QStringLiteral("WHERE (((LNV_PES_TB_EMBARCACIONES.PBAR_NOMBRE)='") + DuplicarComillas(cbo_barcos->Text())
            + QStringLiteral("' ))");
    }
    forms::Atrapar([&] {
        ado::Recordset rs;
        if (buscar) rs.Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        if (!buscar || rs.Eof()) {
            forms::MsgBox(QStringLiteral("No se encuentra la embarcación buscada"), forms::vbInformation,
                          QStringLiteral("Atención"));
            txt_NroEmb->clear();
            txt_Matricula->clear();
            sinSeleccion(cbo_barcos);
            txt_NroEmb->setFocus();
            return;
        }
        if (modo == QLatin1String("NO")) aLaFilaElegida(rs, QStringLiteral("PBAR_ID"), txt_NroEmb->text());
        const std::int32_t id = text::CLng(rs(QStringLiteral("PBAR_ID")));
        const QString nombre = CStr(rs(QStringLiteral("PBAR_NOMBRE")));
        if (modo != QLatin1String("M")) txt_Matricula->setText(CStr(rs(QStringLiteral("PBAR_MATRICULA"))));
        if (modo != QLatin1String("N")) txt_NroEmb->setText(CStr(id));
        seleccionarFila(cbo_barcos, id, nombre);
    });
}

void frmEditarDJ::txt_NroEmb_LostFocus()
{
    const QString t = Trim(txt_NroEmb->text());
    if (!t.isEmpty() && IsNumeric(t)) BuscarEmbarcacion(QStringLiteral("N"));
}

void frmEditarDJ::txt_Matricula_LostFocus()
{
    if (!Trim(txt_Matricula->text()).isEmpty()) BuscarEmbarcacion(QStringLiteral("M"));
}

void frmEditarDJ::cbo_barcos_Click()
{
    if (cbo_barcos->ListIndex() < 0) return;
    txt_NroEmb->setText(CStr(cbo_barcos->ItemData(cbo_barcos->ListIndex())));
    BuscarEmbarcacion(QStringLiteral("NO"));
}

void frmEditarDJ::txt_NroEmp_LostFocus()
{
    const QString t = Trim(txt_NroEmp->text());
    if (!t.isEmpty() && IsNumeric(t)) BuscarEmpresa(QStringLiteral("N"));
}

void frmEditarDJ::txt_CUIT_LostFocus()
{
    const QString t = Trim(txt_CUIT->text());
    if (!t.isEmpty() && IsNumeric(t)) BuscarEmpresa(QStringLiteral("C"));
}

void frmEditarDJ::cbo_empresas_Click()
{
    if (cbo_empresas->ListIndex() < 0) return;
    txt_NroEmp->setText(CStr(cbo_empresas->ItemData(cbo_empresas->ListIndex())));
    BuscarEmpresa(QStringLiteral("R"));
}
