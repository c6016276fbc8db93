#pragma once
// The editor of one transit guide of a declaration ("Guía de Tránsito de
// Pescados y Mariscos"): its header (number, date, port of origin,
// destination, processing plant, rate, totals and deposit) and, once the
// header is stored, its lines per species priced at the guide's date. One
// window for the whole program: the guides tab calls Operacion again on the
// open editor.
//
// frmEditarGuias.cpp holds the frame and the header, frmEditarGuias_Detalle.cpp
// the lines.

#include "core/records/clsCabGuia.h"
#include "core/records/clsDetGuia.h"
#include "core/records/colEspecies.h"
#include "core/records/colLocalidades.h"
#include "core/records/colProvincias.h"
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
namespace forms {
class ComboBox;
class DataControl;
class DataGrid;
class DatePicker;
class TabbedDialog;
class Toolbar;
}  // namespace forms

class frmEditarGuias : public forms::Form {
    Q_OBJECT
public:
    frmEditarGuias();
    ~frmEditarGuias() override;

    // 1: a new guide of the declaration NroDJ (cab is not read); any other
    // code: the stored guide cab describes (its own NroDJ is taken).
    void Operacion(std::int32_t op, const std::shared_ptr<clsCabGuia>& cab, const QString& NroDJ);

    // ---- Frame
    forms::Toolbar* toolbar;
    forms::TabbedDialog* SSTab1;

    // ---- "Guía de Tránsito" tab
    forms::Toolbar* tlb_cabecera;
    QGroupBox* frm_cab;
    QLineEdit* txt_NroGuia;
    forms::DatePicker* dtp_FechaG;
    forms::ComboBox* cbo_Puertos;
    forms::ComboBox* cbo_localidades;
    forms::ComboBox* cbo_provincias;
    QLineEdit* txt_PlantaProcesadora;
    QGroupBox* frm_Datos;
    forms::ComboBox* cbo_Alicuota;
    ctlNumero* txt_CajonesTotales;
    ctlNumero* txt_KilosTotales;
    ctlNumero* txt_TotalGral;
    ctlNumero* txt_Depositado;
    ctlNumero* txt_alicuota;
    ctlNumero* nroDepositadoAux;

    // ---- "Detalle" tab
    forms::Toolbar* tlb_detalle;
    QGroupBox* frm_detalle;
    QLineEdit* txt_renglon;
    forms::ComboBox* cbo_Especies;
    QLabel* lbl_Precio;
    ctlNumero* txt_cajones;
    ctlNumero* txt_kg;
    ctlNumero* txt_precio;
    ctlNumero* txt_MtoTotal;
    forms::DataControl* adoDetalleGuia;
    forms::DataGrid* grilla_detalle;
    QGroupBox* frm_totalGralVtas;
    QLineEdit* txt_MtoGralVtas;

protected:
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void crearCabecera(QWidget* page);
    void crearDetalle(QWidget* page);

    // Frame and header (frmEditarGuias.cpp)
    void toolbar_ButtonClick(const QString& key);
    void tlb_cabecera_ButtonClick(const QString& key);
    void cbo_Alicuota_Change();
    void cbo_localidades_Click();
    void cbo_provincias_Click();
    bool ValidarCabecera();
    bool InsertarCabecera();
    bool ActualizarCabecera();
    void HabilitarCabecera(bool b);
    void CalcularDepositado();
    void RecalcularTotales();
    void CargarProvincias();
    void CargarLocalidades();
    QString NroDJ23() const;     // mNroDJ as 23 digits
    QString NroGuiaSQL() const;  // txt_NroGuia with its quotes doubled

    // The guide's totals as the database sums its lines; written into the
    // header row by EscribirTotales (throws), shown by MostrarTotales.
    struct Totales {
        double cajones = 0, kilos = 0, total = 0, depositado = 0;
    };
    Totales EscribirTotales();
    void MostrarTotales(const Totales& t);
    // The stored guide's totals, while its header is locked: another window
    // may have saved lines since.
    void MostrarTotalesGuardados();

    // Lines (frmEditarGuias_Detalle.cpp)
    void SSTab1_Click(int previousTab);
    void CargarEspecies();
    void cbo_Especies_Click();
    void QuitarEspeciesCargadas();
    bool ValidarDetalle();
    void CalcularMontoRenglon();
    QString SiguienteRenglon();  // the next line number, also into txt_renglon
    void InsertarDetalle();
    void ActualizarDetalle();
    void BorrarDetalle();
    void CargarDetalle();
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

    std::int32_t mOperacion = 0;
    std::shared_ptr<clsCabGuia> mCab;
    QString mNroDJ;
    std::shared_ptr<colProvincias> mProvincias;
    std::shared_ptr<colLocalidades> mLocalidades;
    std::shared_ptr<colEspecies> mEspecies;
    // The lines' mode and kept line.
    RenglonesConPrecio mSeccionDetalle;
    forms::ModoSeccion mModoDetalle = forms::ModoNinguno;
    forms::CopiaRenglon<clsDetGuia> mDet;
};
