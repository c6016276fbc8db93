// The "Detalle" tab of the declaration editor: the sales lines, one per
// species, priced from the dock price in force on the first day of the
// declared month, and the header totals that follow every change.
#include "declarations/PaginaRenglones.h"
#include "declarations/Renglones.h"
#include "declarations/frmEditarDJ.h"

#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/SectionMode.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace Det = PES_VW_DET_DDJJ7351;

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

void frmEditarDJ::crearDetalle(QWidget* page)
{
    PaginaRenglones p = CrearPaginaRenglones(page, QStringLiteral("Nro. Renglón:"), QStringLiteral("Especie:"));
    tlb_detalle = p.barra;
    frm_detalle = p.marco;
    txt_renglon = p.renglon;
    cbo_Especies = p.especies;
    lbl_Precio = p.precio;
    txt_kg = Nombrado(new ctlNumero(frm_detalle), "txt_kg");
    txt_precio = Nombrado(new ctlNumero(frm_detalle), "txt_precio");
    txt_MtoTotal = Nombrado(new ctlNumero(frm_detalle), "txt_MtoTotal");
    p.campos->addRow(Etiqueta(QStringLiteral("Kg.Capturados:"), txt_kg, frm_detalle), txt_kg);
    p.campos->addRow(Etiqueta(QStringLiteral("Precio por Kg.:"), txt_precio, frm_detalle), txt_precio);
    p.campos->addRow(Etiqueta(QStringLiteral("Monto Total:"), txt_MtoTotal, frm_detalle), txt_MtoTotal);

    adoDetalleDJ = Nombrado(new forms::DataControl(this), "adoDetalleDJ");
    txt_MtoGralVtas = Nombrado(new ctlNumero(page), "txt_MtoGralVtas");
    txt_MtoGralVtas->Enabled(false);  // the sum of the lines, never typed
    CompletarPaginaRenglones(p, page, adoDetalleDJ, txt_MtoGralVtas, QStringLiteral("Total General de Ventas"));
    grilla_detalle = p.grilla;
    frm_totalGralVtas = p.marcoTotal;

    mSeccionDetalle.Declarar({.ventana = this,
                              .pagina = p,
                              .datos = adoDetalleDJ,
                              .kg = txt_kg,
                              .precio = txt_precio,
                              .monto = txt_MtoTotal,
                              .especies = &mEspecies,
                              .guardados = {{txt_kg, QStringLiteral("PDDJ_KG")},
                                            {txt_precio, QStringLiteral("PDDJ_PRECIO")},
                                            {txt_MtoTotal, QStringLiteral("PDDJ_TOTAL")}},
                              .columnaRenglon = QStringLiteral("PDDJ_NRO")},
                             {
                                 .filasLeidas = [this] { return bool(adoDetalleDJ->Recordset); },
                                 .nuevo = {[this] {
                                               QuitarEspeciesCargadas();
                                               if (TieneRenglones()) {
                                                   GuardarDetalleActual();
                                                   LimpiarDetalle();
                                               }
                                           },
                                           cbo_Especies},
                                 .modificar = {[this] {
                                                   MostrarRenglon();
                                                   GuardarDetalleActual();
                                               },
                                               txt_kg},
                                 .eliminar = {[this] { MostrarRenglon(); }, nullptr},
                                 .validar = [this] { return ValidarDetalle(); },
                                 .insertar = [this] { InsertarDetalle(); },
                                 .actualizar = [this] { ActualizarDetalle(); },
                                 .borrar = [this] { BorrarDetalle(); },
                                 .totales = [this] { RecalcularTotales(); },
                                 // The species too after a new line: the one it took is offered again.
                                 .recargar =
                                     [this](forms::ModoSeccion modo) {
                                         if (modo == forms::ModoNuevo) CargarEspecies();
                                         CargarDetalle();
                                     },
                                 .cancelar = [this] { CancelarDetalle(); },
                                 .habilitar = [this](bool h) { HabilitarDetalle(h); },
                                 .modo = &mModoDetalle,
                             });
    connect(tlb_detalle, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::tlb_detalle_ButtonClick);
    connect(cbo_Especies, &forms::ComboBox::Click, this, &frmEditarDJ::cbo_Especies_Click);
    connect(txt_kg, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularMontoRenglon);
    connect(txt_precio, &ctlNumero::LostFocus, this, &frmEditarDJ::CalcularMontoRenglon);
    connect(grilla_detalle, &forms::DataGrid::RowColChange, this, &frmEditarDJ::grilla_detalle_RowColChange);
}

// ---------------------------------------------------------------- species

void frmEditarDJ::CargarEspecies()
{
    // The first day of the declared month; today while the period is not typed.
    QDate fecha = text::Today();
    if (!txt_mes->text().isEmpty() && !txt_anio->text().isEmpty()) {
        bool anioOk = false, mesOk = false;
        const int anio = txt_anio->text().toInt(&anioOk), mes = txt_mes->text().toInt(&mesOk);
        const QDate d(anio, mes, 1);
        if (anioOk && mesOk && d.isValid()) fecha = d;
    }

    mSeccionDetalle.CargarEspecies(fecha);
}

void frmEditarDJ::cbo_Especies_Click() { mSeccionDetalle.EspecieElegida(); }

void frmEditarDJ::QuitarEspeciesCargadas() { mSeccionDetalle.QuitarEspeciesCargadas(); }

// ---------------------------------------------------------------- one line

bool frmEditarDJ::ValidarDetalle() { return mSeccionDetalle.Validar({}); }

void frmEditarDJ::CalcularMontoRenglon() { mSeccionDetalle.CalcularMonto(); }

// Inside the insert's transaction: two instances never take one number.
QString frmEditarDJ::SiguienteRenglon()
{
    txt_renglon->setText(CStr(Renglones::SiguienteRenglonDJ(de1::conn(), NroDJ23())));
    return txt_renglon->text();
}

void frmEditarDJ::InsertarDetalle()
{
    Renglones::InsertarDetalleDJ(de1::conn(), NroDJ23(), SiguienteRenglon().toInt(),
                                 cbo_Especies->ItemData(cbo_Especies->ListIndex()), txt_kg->Value(),
                                 txt_precio->Value(), txt_MtoTotal->Value());
}

void frmEditarDJ::ActualizarDetalle()
{
    if (const auto renglon = mSeccionDetalle.RenglonMostrado())
        Renglones::ActualizarDetalleDJ(de1::conn(), NroDJ23(), *renglon, mSeccionDetalle.FilaLeida(),
                                       mSeccionDetalle.Conservado(txt_kg), mSeccionDetalle.Conservado(txt_precio),
                                       mSeccionDetalle.Conservado(txt_MtoTotal));
}

void frmEditarDJ::BorrarDetalle()
{
    if (const auto renglon = mSeccionDetalle.RenglonMostrado())
        Renglones::BorrarDetalleDJ(de1::conn(), NroDJ23(), *renglon, mSeccionDetalle.FilaLeida());
}

// From the stored lines, rate, interest and fine: another window may have
// saved any of them since this one read its own.
void frmEditarDJ::RecalcularTotales()
{
    const Renglones::TotalesDJ t = Renglones::EscribirTotalesDJ(de1::conn(), NroDJ23());
    txt_TotalGralVtas->setValue(t.ventas);
    txt_Importe->setValue(t.importe);
    txt_TotalAdeudado->setValue(t.adeudado);
}

// ---------------------------------------------------------------- the grid

void frmEditarDJ::CargarDetalle()
{
    LimpiarDetalle();
    CargarGrillaDetalle();
    double suma = 0;
    if (TieneRenglones()) {
        suma = mSeccionDetalle.SumarYElegirPrimero(QStringLiteral("PDDJ_TOTAL"));
        GuardarDetalleActual();
        MostrarRenglon();
    } else {
        mDet.reset();
    }
    txt_MtoGralVtas->setValue(suma);
    MostrarTotalesGuardados();
    HabilitarDetalle(true);
}

void frmEditarDJ::CargarGrillaDetalle()
{
    mSeccionDetalle.CargarGrilla(
        [this] {
            return QStringLiteral("select * FROM PES_VW_DET_DDJJ7351 ") + QStringLiteral("WHERE PCDJ_NRO = '")
                + NroDJ23() + QStringLiteral("'");
        },
        [this] { FormatearGrillaDetalle(); });
}

void frmEditarDJ::FormatearGrillaDetalle()
{
    static constexpr auto columnas = forms::PorPosicion<Det::Columnas>({
        {Det::PCDJ_NRO, {nullptr, 0}},
        {Det::PDDJ_NRO, {"Renglón", 700}},
        {Det::PTES_ID, {nullptr, 0}},
        {Det::PTES_DESCRIPCION, {"Especie", 2000}},
        {Det::PDDJ_KG, {"Kg.Capturados", 1100, forms::dbgRight, "0.00"}},
        // As stored: a dock price has three decimals, a typed one up to four.
        {Det::PDDJ_PRECIO, {"Precio por Kg.", 1100, forms::dbgRight, "0.00##"}},
        {Det::PDDJ_TOTAL, {"Monto Total", 2000, forms::dbgRight, "0.00"}},
    });
    forms::AplicarColumnas(*grilla_detalle, columnas);
}

bool frmEditarDJ::TieneRenglones() const { return mSeccionDetalle.TieneRenglones(); }

void frmEditarDJ::HabilitarDetalle(bool Habilitar)
{
    // States that allow no lines close the tab while the declaration has none.
    if (EstadoSinMovimiento()) {
        if (!TieneRenglones()) SSTab1->setTabEnabled(1, false);
    } else {
        SSTab1->setTabEnabled(1, true);
    }
    if (!SSTab1->TabEnabled(1)) return;

    mSeccionDetalle.Habilitar(Habilitar);
}

void frmEditarDJ::MostrarRenglon()
{
    if (grilla_detalle->Row() < 0) return;
    txt_renglon->setText(grilla_detalle->Text(Det::PDDJ_NRO));
    mSeccionDetalle.OfrecerEspeciesDeRenglones();
    Utiles::SeleccionarTextoCombo(*cbo_Especies, grilla_detalle->Text(Det::PTES_DESCRIPCION));
    // The stored numbers, not the grid's texts: a price of 3,456 shown as
    // such must not come back as 3,46.
    const auto& rs = adoDetalleDJ->Recordset;
    txt_kg->setValue(CDbl(rs->Fields(Det::PDDJ_KG).Value()));
    txt_precio->setValue(CDbl(rs->Fields(Det::PDDJ_PRECIO).Value()));
    txt_MtoTotal->setValue(CDbl(rs->Fields(Det::PDDJ_TOTAL).Value()));
}

void frmEditarDJ::LimpiarDetalle() { mSeccionDetalle.Limpiar(); }

void frmEditarDJ::GuardarDetalleActual()
{
    const auto& rs = adoDetalleDJ->Recordset;
    if (!TieneRenglones()) return;
    clsDetDDJJ& d = mDet.Guardar();
    if (rs->Bof() || rs->Eof()) rs->MoveFirst();
    d.NroDJ = CStr(rs->Fields(QStringLiteral("PCDJ_NRO")).Value());
    d.Renglon = text::CInt(rs->Fields(QStringLiteral("PDDJ_NRO")).Value());
    d.Especie = CStr(rs->Fields(QStringLiteral("PTES_DESCRIPCION")).Value());
    d.Kg = CDbl(rs->Fields(QStringLiteral("PDDJ_KG")).Value());
    d.Precio = CDbl(rs->Fields(QStringLiteral("PDDJ_PRECIO")).Value());
    d.MtoTotal = CDbl(rs->Fields(QStringLiteral("PDDJ_TOTAL")).Value());
}

// "cancelar" shows the lines recordset's current row again: after a new
// line the first one (the grid is read again), else the row that was chosen.
void frmEditarDJ::CancelarDetalle()
{
    if (mModoDetalle == forms::ModoNuevo) {
        CargarEspecies();
        CargarDetalle();
    }
    if (!mDet) {
        LimpiarDetalle();
        return;
    }
    GuardarDetalleActual();
    txt_NroDJ->setText(mDet->NroDJ);
    txt_renglon->setText(CStr(mDet->Renglon));
    SeleccionarTextoSinClick(cbo_Especies, mDet->Especie);
    txt_kg->setValue(mDet->Kg);
    txt_precio->setValue(mDet->Precio);
    txt_MtoTotal->setValue(mDet->MtoTotal);
}

void frmEditarDJ::tlb_detalle_ButtonClick(const QString& key) { mSeccionDetalle.ButtonClick(key); }

void frmEditarDJ::grilla_detalle_RowColChange(const ado::Variant& lastRow, int lastCol)
{
    (void)lastCol;
    if (!(lastRow == grilla_detalle->Bookmark())) MostrarRenglon();
}
