// The "Detalle" tab of the guide editor: the guide's lines, one per
// species, with crates, kilograms, price per kilogram and amount, priced
// from the dock price in force at the guide's date. Every line change and
// the guide's totals it moves are stored together.
#include "declarations/PaginaRenglones.h"
#include "declarations/Renglones.h"
#include "declarations/frmEditarGuias.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Variant.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace DetGuia = PES_VW_GUIAS_DET;

using forms::Etiqueta;
using forms::Nombrado;
using text::CDbl;
using text::CStr;

void frmEditarGuias::crearDetalle(QWidget* page)
{
    PaginaRenglones p = CrearPaginaRenglones(page, QStringLiteral("Nro. Renglón"), QStringLiteral("Especie"));
    tlb_detalle = p.barra;
    frm_detalle = p.marco;
    txt_renglon = p.renglon;
    cbo_Especies = p.especies;
    lbl_Precio = p.precio;
    const std::pair<ctlNumero**, const char*> numeros[] = {{&txt_cajones, "txt_cajones"},
                                                           {&txt_kg, "txt_kg"},
                                                           {&txt_precio, "txt_precio"},
                                                           {&txt_MtoTotal, "txt_MtoTotal"}};
    for (const auto& [n, nombre] : numeros) *n = Nombrado(new ctlNumero(frm_detalle), nombre);
    p.campos->addRow(Etiqueta(QStringLiteral("Cajones"), txt_cajones, frm_detalle), txt_cajones);
    p.campos->addRow(Etiqueta(QStringLiteral("Kg. Capturados"), txt_kg, frm_detalle), txt_kg);
    p.campos->addRow(Etiqueta(QStringLiteral("Precio por Kg."), txt_precio, frm_detalle), txt_precio);
    p.campos->addRow(Etiqueta(QStringLiteral("Monto Total"), txt_MtoTotal, frm_detalle), txt_MtoTotal);

    adoDetalleGuia = new forms::DataControl(this);
    adoDetalleGuia->setObjectName(QStringLiteral("adoDetalleGuia"));
    txt_MtoGralVtas = Nombrado(new QLineEdit(page), "txt_MtoGralVtas");
    txt_MtoGralVtas->setReadOnly(true);  // the sum of the lines, never typed
    txt_MtoGralVtas->setAlignment(Qt::AlignRight);
    CompletarPaginaRenglones(p, page, adoDetalleGuia, txt_MtoGralVtas, QStringLiteral("Total Guía:"));
    grilla_detalle = p.grilla;
    frm_totalGralVtas = p.marcoTotal;

    mSeccionDetalle.Declarar({.ventana = this,
                              .pagina = p,
                              .datos = adoDetalleGuia,
                              .kg = txt_kg,
                              .precio = txt_precio,
                              .monto = txt_MtoTotal,
                              .especies = &mEspecies,
                              .guardados = {{txt_cajones, QStringLiteral("PDGT_CAJONES")},
                                            {txt_kg, QStringLiteral("PDGT_KGS")},
                                            {txt_precio, QStringLiteral("PDGT_PRECIO")},
                                            {txt_MtoTotal, QStringLiteral("PDGT_TOTAL")}},
                              .columnaRenglon = QStringLiteral("PDGT_NRO")},
                             {
                                 .nuevo = {[this] {
                                               if (!TieneRenglones()) return;
                                               GuardarDetalleActual();
                                               QuitarEspeciesCargadas();
                                               LimpiarDetalle();
                                           },
                                           cbo_Especies},
                                 // "modificar" and "eliminar" act on the line the fields show.
                                 .modificar = {[this] { GuardarDetalleActual(); }, txt_cajones},
                                 .validar = [this] { return ValidarDetalle(); },
                                 .insertar = [this] { InsertarDetalle(); },
                                 .actualizar = [this] { ActualizarDetalle(); },
                                 .borrar = [this] { BorrarDetalle(); },
                                 .totales = [this] { MostrarTotales(EscribirTotales()); },
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
    connect(tlb_detalle, &forms::Toolbar::ButtonClick, this, &frmEditarGuias::tlb_detalle_ButtonClick);
    connect(cbo_Especies, &forms::ComboBox::Click, this, &frmEditarGuias::cbo_Especies_Click);
    for (ctlNumero* n : {txt_cajones, txt_kg, txt_precio})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarGuias::CalcularMontoRenglon);
    for (ctlNumero* n : {txt_MtoTotal, txt_alicuota})
        connect(n, &ctlNumero::LostFocus, this, &frmEditarGuias::CalcularDepositado);
    connect(grilla_detalle, &forms::DataGrid::RowColChange, this, &frmEditarGuias::grilla_detalle_RowColChange);
}

void frmEditarGuias::SSTab1_Click(int previousTab)
{
    (void)previousTab;
    if (SSTab1->Tab() == 0) {
        MostrarTotalesGuardados();
        CalcularDepositado();
    }
    if (SSTab1->Tab() == 1) CargarDetalle();
}

// ---------------------------------------------------------------- species

void frmEditarGuias::CargarEspecies()
{
    // The guide's lines are priced at the guide's date, not at the declared month.
    mSeccionDetalle.CargarEspecies(dtp_FechaG->Date());
}

void frmEditarGuias::cbo_Especies_Click() { mSeccionDetalle.EspecieElegida(); }

void frmEditarGuias::QuitarEspeciesCargadas() { mSeccionDetalle.QuitarEspeciesCargadas(); }

// ---------------------------------------------------------------- one line

bool frmEditarGuias::ValidarDetalle()
{
    return mSeccionDetalle.Validar({{txt_cajones->Value() == 0, "Ingrese los cajones", txt_cajones}});
}

void frmEditarGuias::CalcularMontoRenglon() { mSeccionDetalle.CalcularMonto(); }

// Inside the insert's transaction: two instances never take one number.
QString frmEditarGuias::SiguienteRenglon()
{
    txt_renglon->setText(CStr(Renglones::SiguienteRenglonGuia(de1::conn(), txt_NroGuia->text())));
    return txt_renglon->text();
}

void frmEditarGuias::InsertarDetalle()
{
    Renglones::InsertarDetalleGuia(de1::conn(), txt_NroGuia->text(), SiguienteRenglon().toInt(),
                                   cbo_Especies->ItemData(cbo_Especies->ListIndex()), txt_cajones->Value(),
                                   txt_kg->Value(), txt_precio->Value(), txt_MtoTotal->Value());
}

void frmEditarGuias::ActualizarDetalle()
{
    if (const auto renglon = mSeccionDetalle.RenglonMostrado())
        Renglones::ActualizarDetalleGuia(de1::conn(), txt_NroGuia->text(), *renglon, mSeccionDetalle.FilaLeida(),
                                         mSeccionDetalle.Conservado(txt_cajones), mSeccionDetalle.Conservado(txt_kg),
                                         mSeccionDetalle.Conservado(txt_precio),
                                         mSeccionDetalle.Conservado(txt_MtoTotal));
}

void frmEditarGuias::BorrarDetalle()
{
    if (const auto renglon = mSeccionDetalle.RenglonMostrado())
        Renglones::BorrarDetalleGuia(de1::conn(), txt_NroGuia->text(), *renglon, mSeccionDetalle.FilaLeida());
}

// ---------------------------------------------------------------- the grid

void frmEditarGuias::CargarDetalle()
{
    CargarGrillaDetalle();
    double suma = 0;
    if (TieneRenglones()) {
        suma = mSeccionDetalle.SumarYElegirPrimero(QStringLiteral("PDGT_TOTAL"));
        MostrarRenglon();
    } else {
        LimpiarDetalle();
    }
    txt_MtoGralVtas->setText(text::Format(suma, QStringLiteral("###,###,##0.00")));
    HabilitarDetalle(true);
}

void frmEditarGuias::CargarGrillaDetalle()
{
    mSeccionDetalle.CargarGrilla(
        [this] {
            return QStringLiteral("select * FROM PES_VW_GUIAS_DET ") + QStringLiteral("WHERE PGTR_NRO = '")
                + NroGuiaSQL() + QStringLiteral("'");
        },
        [this] { FormatearGrillaDetalle(); });
}

void frmEditarGuias::FormatearGrillaDetalle()
{
    static constexpr auto columnas = forms::PorPosicion<DetGuia::Columnas>({
        {DetGuia::PGTR_NRO, {"", 0}},
        {DetGuia::PDGT_NRO, {"Renglón", 700, forms::dbgRight}},
        {DetGuia::PTES_ID, {"", 0}},
        {DetGuia::PTES_DESCRIPCION, {"Especie", 2000}},
        {DetGuia::PDGT_CAJONES, {"Cajones", 700, forms::dbgRight, "0.00"}},
        {DetGuia::PDGT_KGS, {"Kg. capturados", 1000, forms::dbgRight, "0.00"}},
        // As stored: a dock price has three decimals, a typed one up to four.
        {DetGuia::PDGT_PRECIO, {"Precio por Kg.", 1000, forms::dbgRight, "0.00##"}},
        {DetGuia::PDGT_TOTAL, {"Monto Total", 1200, forms::dbgRight, "0.00"}},
    });
    forms::AplicarColumnas(*grilla_detalle, columnas);
}

bool frmEditarGuias::TieneRenglones() const { return mSeccionDetalle.TieneRenglones(); }

void frmEditarGuias::HabilitarDetalle(bool Habilitar) { mSeccionDetalle.Habilitar(Habilitar); }

void frmEditarGuias::MostrarRenglon()
{
    if (grilla_detalle->Row() < 0) return;
    txt_renglon->setText(grilla_detalle->Text(DetGuia::PDGT_NRO));
    mSeccionDetalle.OfrecerEspeciesDeRenglones();
    cbo_Especies->setText(grilla_detalle->Text(DetGuia::PTES_DESCRIPCION));
    // The reference beside the species is the shown line's, not the last one chosen.
    lbl_Precio->clear();
    mSeccionDetalle.MostrarPrecio();
    // The stored numbers, not the grid's texts: a price of 3,456 shown as
    // such must not come back as 3,46.
    const auto& rs = adoDetalleGuia->Recordset;
    txt_cajones->setValue(CDbl(rs->Fields(DetGuia::PDGT_CAJONES).Value()));
    txt_kg->setValue(CDbl(rs->Fields(DetGuia::PDGT_KGS).Value()));
    txt_precio->setValue(CDbl(rs->Fields(DetGuia::PDGT_PRECIO).Value()));
    txt_MtoTotal->setValue(CDbl(rs->Fields(DetGuia::PDGT_TOTAL).Value()));
}

void frmEditarGuias::LimpiarDetalle()
{
    mSeccionDetalle.Limpiar();
    txt_cajones->ClearText();
}

void frmEditarGuias::GuardarDetalleActual()
{
    clsDetGuia& d = mDet.Guardar();
    d.NroGuia = txt_NroGuia->text();
    d.Renglon = text::IsNumeric(txt_renglon->text()) ? text::CInt(txt_renglon->text()) : 0;
    d.Especie = cbo_Especies->Text();
    d.Cajones = txt_cajones->Value();
    d.Kg = txt_kg->Value();
    d.Precio = txt_precio->Value();
    d.MtoTotal = txt_MtoTotal->Value();
}

// "cancelar" puts back the copy of the last "nuevo" or "modificar" without
// reading the grid again; without a copy the fields stay empty.
void frmEditarGuias::CancelarDetalle()
{
    LimpiarDetalle();
    if (!mDet) return;
    CargarEspecies();
    mSeccionDetalle.OfrecerEspeciesDeRenglones();
    txt_renglon->setText(CStr(mDet->Renglon));
    cbo_Especies->setText(mDet->Especie);
    txt_cajones->setValue(mDet->Cajones);
    txt_kg->setValue(mDet->Kg);
    txt_precio->setValue(mDet->Precio);
    txt_MtoTotal->setValue(mDet->MtoTotal);
}

void frmEditarGuias::tlb_detalle_ButtonClick(const QString& key) { mSeccionDetalle.ButtonClick(key); }

void frmEditarGuias::grilla_detalle_RowColChange(const ado::Variant& lastRow, int lastCol)
{
    (void)lastCol;
    if (!lastRow.isEmpty() && !(lastRow == grilla_detalle->Bookmark())) MostrarRenglon();
}
