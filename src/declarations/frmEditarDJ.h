#pragma once
// The editor of one monthly sworn declaration: its header (period, vessel,
// company, responsible person, rate and amounts) on the first tab, its
// sales lines priced from the dock price in force on the "Detalle" tab,
// and the guides and payment slips on the last two. One window for the
// whole program: the list calls Operacion again on the open editor.
//
// The code is split by section: frmEditarDJ.cpp (frame, tabs, keys),
// frmEditarDJ_Cabecera.cpp (header layout, its toolbar, amounts, state
// rule), frmEditarDJ_Validacion.cpp (header checks, numbering, insert,
// update, vessel and company lookups), frmEditarDJ_Detalle.cpp (lines),
// frmEditarDJ_Guias.cpp (transit guides and the credit they give),
// frmEditarDJ_Pagos.cpp (payment slips).

#include "core/records/clsCabDDJJ.h"
#include "core/records/clsCabGuia.h"
#include "core/records/clsDetDDJJ.h"
#include "core/records/clsPagosDDJJ.h"
#include "core/records/colEspecies.h"
#include "declarations/RenglonesConPrecio.h"
#include "platform/forms/Form.h"
#include "platform/forms/SeccionLineas.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class ctlNumero;
namespace ado {
class Variant;
}
namespace Renglones {
struct Boleta;
struct TotalesDJ;
}  // namespace Renglones
namespace forms {
class ComboBox;
class DataControl;
class DataGrid;
class TabbedDialog;
class Toolbar;
}  // namespace forms

class frmEditarDJ : public forms::Form {
    Q_OBJECT
public:
    frmEditarDJ();
    ~frmEditarDJ() override;

    // 1 prepares a new declaration (cab is not read); any other code the
    // existing declaration that cab describes.
    void Operacion(std::int32_t operacion, const std::shared_ptr<clsCabDDJJ>& cab);

    // ---- Frame
    forms::TabbedDialog* SSTab1;
    forms::Toolbar* toolbar;

    // ---- Header tab
    forms::Toolbar* tlb_cabecera;
    QGroupBox* frm_cab;
    QLineEdit* txt_NroDJ;
    QLineEdit* txt_anio;
    QLineEdit* txt_mes;
    forms::ComboBox* cbo_TipoDJ;
    forms::ComboBox* cbo_Puertos;
    forms::ComboBox* cbo_EstadosDJ;
    QGroupBox* frm_Embarcacion;
    QLineEdit* txt_NroEmb;
    QLineEdit* txt_Matricula;
    forms::ComboBox* cbo_barcos;
    QGroupBox* frm_Empresa;
    QLineEdit* txt_NroEmp;
    QLineEdit* txt_CUIT;
    forms::ComboBox* cbo_empresas;
    QGroupBox* frm_responsable;
    QLineEdit* txt_responsable;
    forms::ComboBox* cbo_TipoDoc;
    QLineEdit* txt_NroDoc;
    forms::ComboBox* cbo_CaracteresResp;
    QGroupBox* frm_Datos;
    ctlNumero* txt_TotalGralVtas;
    forms::ComboBox* cbo_Alicuota;
    ctlNumero* txt_alicuota;
    ctlNumero* txt_Importe;
    ctlNumero* txt_Interes;
    ctlNumero* txt_Multa;
    ctlNumero* txt_TotalAdeudado;

    // ---- "Detalle" tab
    forms::Toolbar* tlb_detalle;
    QGroupBox* frm_detalle;
    QLineEdit* txt_renglon;
    forms::ComboBox* cbo_Especies;
    QLabel* lbl_Precio;
    ctlNumero* txt_kg;
    ctlNumero* txt_precio;
    ctlNumero* txt_MtoTotal;
    forms::DataControl* adoDetalleDJ;
    forms::DataGrid* grilla_detalle;
    QGroupBox* frm_totalGralVtas;
    ctlNumero* txt_MtoGralVtas;

    // ---- "Guías de Tránsito" tab
    forms::Toolbar* tlb_guias;
    forms::DataControl* adoGuiasDJ;
    forms::DataGrid* grilla_guias;
    QGroupBox* Frame1;
    ctlNumero* nroTotalDepGuias;
    // Half of the deposits of the guides: the credit a payment slip starts from.
    ctlNumero* nroAfavorL7351;

    // ---- "Boletas de Pago" tab
    forms::Toolbar* tlb_BoletadePago;
    forms::DataControl* adoPagosDJ;
    forms::DataGrid* grilla_pagos;
    ctlNumero* nroSumatoriaPagos;
    QGroupBox* fra_detalle;
    QLineEdit* txt_NroPago;
    ctlNumero* txt_ImportePg;
    ctlNumero* txt_InteresPg;
    ctlNumero* txt_MultaPg;
    ctlNumero* txt_TotalPg;
    QGroupBox* fra_Pagos;
    ctlNumero* nroEfectivo;
    QLabel* lbl_NroCheque;
    QLineEdit* txt_NroCheque1;
    QLineEdit* txtCheque1_Banco;
    ctlNumero* nroCheque1_Monto;
    QLineEdit* txt_NroCheque2;
    QLineEdit* txtCheque2_Banco;
    ctlNumero* nroCheque2_Monto;
    ctlNumero* nroTotalFormasPago;

    // ---- Procedures of the sections. The window's own handlers call them;
    // they are public so that the benchmark can time them one by one.
    void CargarEspecies();
    void CargarDetalle();
    void RecalcularTotales();

    QSize sizeHint() const override;  // within the main window's area

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

private:
    // Layout, one builder per tab.
    void crearCabecera(QWidget* page);
    void crearDetalle(QWidget* page);
    void crearGuias(QWidget* page);
    void crearPagos(QWidget* page);

    // Frame (frmEditarDJ.cpp)
    void SSTab1_Click(int previousTab);
    void toolbar_ButtonClick(const QString& key);
    QString NroDJ23() const;  // txt_NroDJ as 23 digits

    // Header (frmEditarDJ_Cabecera.cpp)
    void tlb_cabecera_ButtonClick(const QString& key);
    void HabilitarCabecera(bool Habilitar);
    void CalcularTotalAdeudado();
    void cbo_EstadosDJ_Click();
    void cbo_Alicuota_Change();
    void txt_NroDoc_KeyPress(int& KeyAscii);
    void txt_responsable_KeyPress(int& KeyAscii);
    bool EstadoSinMovimiento() const;
    void SeleccionarTextoSinClick(forms::ComboBox* cbo, const QString& texto);
    // The header's sales total, amount and total due, the guides' credit and
    // the slips' sum as stored: what another window saved shows here too.
    void MostrarTotalesGuardados();
    void MostrarTotales(const Renglones::TotalesDJ& t);

    // Header validation, numbering and lookups (frmEditarDJ_Validacion.cpp)
    bool ValidarCabecera();
    QString GenerarNroDJ();
    bool InsertarCabecera();
    bool ActualizarCabecera();
    QString ObtenerIdEstado();
    void BuscarEmpresa(const QString& modo);
    void BuscarEmbarcacion(const QString& modo);
    void txt_NroEmb_LostFocus();
    void txt_Matricula_LostFocus();
    void cbo_barcos_Click();
    void txt_NroEmp_LostFocus();
    void txt_CUIT_LostFocus();
    void cbo_empresas_Click();
    void TasaSeleccionada();

    // Sales lines (frmEditarDJ_Detalle.cpp)
    void cbo_Especies_Click();
    void QuitarEspeciesCargadas();
    bool ValidarDetalle();
    void CalcularMontoRenglon();
    QString SiguienteRenglon();  // the next line number, also into txt_renglon
    void InsertarDetalle();
    void ActualizarDetalle();
    void BorrarDetalle();
    void CargarGrillaDetalle();
    void FormatearGrillaDetalle();
    void HabilitarDetalle(bool Habilitar);
    void MostrarRenglon();
    void LimpiarDetalle();
    void GuardarDetalleActual();
    void CancelarDetalle();
    void tlb_detalle_ButtonClick(const QString& key);
    void grilla_detalle_RowColChange(const ado::Variant& lastRow, int lastCol);
    bool TieneRenglones() const;

    // Transit guides (frmEditarDJ_Guias.cpp)
    void CargarGuias();
    void CargarGrillaGuias();
    void FormatearGrillaGuias();
    void HabilitarGuias(bool Habilitar);
    void CargarGuiaSeleccionada();
    void BorrarGuia();
    void LimpiarGuias();
    void tlb_guias_ButtonClick(const QString& key);
    // Payment slips (frmEditarDJ_Pagos.cpp)
    void tlb_BoletadePago_ButtonClick(const QString& key);
    void grilla_pagos_RowColChange(const ado::Variant& lastRow, int lastCol);
    void CargarPagos();
    void CargarGrillaPagos();
    void FormatearGrillaPagos();
    void MostrarPago();
    void HabilitarPagos(bool Habilitar);
    void GuardarPagoActual();
    void LimpiarPago();
    void CalcularTotalPago();
    void CalcularTotalFormasPago();
    bool ValidarPago();
    void CancelarPago();
    Renglones::Boleta BoletaMostrada() const;  // the slip as the fields show it
    QString SiguienteNroPago();                // the next slip number, also into txt_NroPago
    void InsertarPago();
    void ActualizarPago();
    void BorrarPago();
    bool TienePagos() const;

    std::int32_t mOperacion = 0;
    std::shared_ptr<clsCabDDJJ> mCab;
    std::shared_ptr<colEspecies> mEspecies;
    // The sales lines' mode and kept line.
    RenglonesConPrecio mSeccionDetalle;
    forms::ModoSeccion mModoDetalle = forms::ModoNinguno;
    forms::CopiaRenglon<clsDetDDJJ> mDet;
    std::shared_ptr<clsCabGuia> mGuia;  // the guide last handed to the guide editor
    // The payment slips' mode and kept slip.
    forms::SeccionLineas mSeccionPagos;
    forms::ModoSeccion mModoPago = forms::ModoNinguno;
    forms::CopiaRenglon<clsPagosDDJJ> mPago;
    QString mEstadoMostrado;  // the state last accepted by the state rule
};
