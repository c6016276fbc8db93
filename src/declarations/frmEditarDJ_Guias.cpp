// The "Guías de Tránsito" tab of the declaration editor: the guides of the
// declaration, the sum of what was deposited with them and the credit it
// gives ("A favor Ley 7351", half of that sum). Guides are written by the
// guide editor; this tab only deletes them.
#include "declarations/frmEditarDJ.h"
#include "declarations/frmEditarGuias.h"

#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "declarations/Renglones.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Guia = PES_VW_GUIAS_TRANSPORTE;

using text::CDbl;

namespace {

const QString kTituloBorrar = QStringLiteral("Borrar guía de tránsito");

bool conFilas(const std::shared_ptr<ado::Recordset>& rs)
{
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
}

}  // namespace

void frmEditarDJ::crearGuias(QWidget* page)
{
    auto* pageLayout = new QVBoxLayout(page);

    tlb_guias = forms::BarraDeSeccion(page, "tlb_guias");
    pageLayout->addWidget(tlb_guias);

    adoGuiasDJ = new forms::DataControl(this);
    adoGuiasDJ->setObjectName(QStringLiteral("adoGuiasDJ"));
    grilla_guias = forms::Nombrado(new forms::DataGrid(page), "grilla_guias");
    grilla_guias->setAccessibleName(QStringLiteral("Guías de Tránsito"));
    grilla_guias->setDataSource(adoGuiasDJ);
    pageLayout->addWidget(grilla_guias, 1);

    Frame1 = forms::Nombrado(new QGroupBox(page), "Frame1");
    auto* totales = new QHBoxLayout(Frame1);
    nroTotalDepGuias = forms::Nombrado(new ctlNumero(Frame1), "nroTotalDepGuias");
    nroAfavorL7351 = forms::Nombrado(new ctlNumero(Frame1), "nroAfavorL7351");
    totales->addStretch(1);
    for (auto [caption, campo] : {std::pair{"Total depositado Guías de Tránsito", nroTotalDepGuias},
                                  std::pair{"A favor Ley 7351", nroAfavorL7351}}) {
        // Computed from the stored guides, never typed.
        campo->setCantidadDecimales(2);
        campo->Enabled(false);
        campo->setValue(0);
        totales->addWidget(forms::Etiqueta(QString::fromUtf8(caption), campo, Frame1));
        totales->addWidget(campo);
        totales->addSpacing(12);
    }
    pageLayout->addWidget(Frame1);

    connect(tlb_guias, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::tlb_guias_ButtonClick);
}

void frmEditarDJ::CargarGuias()
{
    CargarGrillaGuias();
    double suma = 0;
    const auto& rs = adoGuiasDJ->Recordset;
    if (conFilas(rs)) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            suma += CDbl(rs->Fields(QStringLiteral("PGTR_VALOR")).Value());
        rs->MoveFirst();
        grilla_guias->SelBookmarks().Add(rs->Bookmark());
    } else {
        mGuia.reset();
    }
    nroTotalDepGuias->setValue(suma);
    nroAfavorL7351->setValue(text::Round(suma / 2.0, 2));
    MostrarTotalesGuardados();
    HabilitarGuias(true);
}

// A new declaration in the open editor has no guides yet: neither the list
// nor the credit of the one it showed may reach its payment slips.
void frmEditarDJ::LimpiarGuias()
{
    adoGuiasDJ->Recordset.reset();
    adoGuiasDJ->Refresh();
    mGuia.reset();
    nroTotalDepGuias->setValue(0);
    nroAfavorL7351->setValue(0);
    HabilitarGuias(true);
}

void frmEditarDJ::CargarGrillaGuias()
{
    // A view that cannot be read leaves the grid as it was.
    forms::Atrapar([this] {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(QStringLiteral("select * FROM PES_VW_GUIAS_TRANSPORTE WHERE PCDJ_NRO = '") + NroDJ23()
                     + QStringLiteral("'"),
                 de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        adoGuiasDJ->Recordset = rs;
        adoGuiasDJ->Refresh();
        FormatearGrillaGuias();
    });
}

void frmEditarDJ::FormatearGrillaGuias()
{
    static constexpr auto columnas = forms::PorPosicion<Guia::Columnas>({
        {Guia::PCDJ_NRO, {"", 0}},
        {Guia::PGTR_NRO, {"Nro. Guia", 1000}},
        {Guia::PGTR_FECHA, {"Fecha", 1100}},
        {Guia::PPTO_ID, {"", 0}},
        {Guia::PPTO_DESCRIPCION, {"Puerto", 1100}},
        {Guia::GLOC_ID, {"", 0}},
        {Guia::GLOC_DESCRIPCION, {"Destino", 1100}},
        {Guia::GPRO_ID, {"", 0}},
        {Guia::GPRO_DESCRIPCION, {"Provincia", 1100}},
        {Guia::PGTR_PLANTAPROCESADORA, {"Planta Procesadora", 1100}},
        {Guia::PGTR_CAJONES, {"Total Cajones", 1100}},
        {Guia::PGTR_KGS, {"Total Kilos", 1100}},
        {Guia::PGTR_TOTAL, {"Total", 1100}},
        {Guia::PGTR_ALICUOTA, {"Alícuota", 1100}},
        {Guia::PGTR_VALOR, {"Depositado", 1100}},
    });
    forms::AplicarColumnas(*grilla_guias, columnas);
}

void frmEditarDJ::HabilitarGuias(bool Habilitar)
{
    const bool conGuias = conFilas(adoGuiasDJ->Recordset);
    tlb_guias->Buttons(1).setEnabled(Habilitar);
    tlb_guias->Buttons(2).setEnabled(Habilitar && conGuias);
    tlb_guias->Buttons(3).setEnabled(Habilitar && conGuias);
    tlb_guias->Buttons(4).setEnabled(!Habilitar);
    tlb_guias->Buttons(5).setEnabled(!Habilitar);
    grilla_guias->setEnabled(Habilitar);
}

void frmEditarDJ::CargarGuiaSeleccionada()
{
    if (!mGuia) mGuia = std::make_shared<clsCabGuia>();
    clsCabGuia& g = *mGuia;
    g.NroDJ = grilla_guias->Text(Guia::PCDJ_NRO);
    g.NroGuia = grilla_guias->Text(Guia::PGTR_NRO);
    g.Fecha = QDate::fromString(grilla_guias->Text(Guia::PGTR_FECHA), QStringLiteral("dd/MM/yyyy"));
    g.Puerto = grilla_guias->Text(Guia::PPTO_DESCRIPCION);
    g.Localidad = grilla_guias->Text(Guia::GLOC_DESCRIPCION);
    g.Provincia = grilla_guias->Text(Guia::GPRO_DESCRIPCION);
    g.PProcesadora = grilla_guias->Text(Guia::PGTR_PLANTAPROCESADORA);
    g.TotalCajones = grilla_guias->Numero(Guia::PGTR_CAJONES);
    g.TotalKilos = grilla_guias->Numero(Guia::PGTR_KGS);
    g.Total = grilla_guias->Numero(Guia::PGTR_TOTAL);
    g.Alicuota = grilla_guias->Numero(Guia::PGTR_ALICUOTA);
    g.Depositado = grilla_guias->Numero(Guia::PGTR_VALOR);
}

void frmEditarDJ::BorrarGuia()
{
    const auto& rs = adoGuiasDJ->Recordset;
    if (!conFilas(rs)) return;
    const Renglones::FilaLeida leida = Renglones::LeerFila(*rs);
    const QString nroDJ = text::PadLeft(grilla_guias->Text(Guia::PCDJ_NRO), 23, QChar('0'));
    const QString nroGuia = grilla_guias->Text(Guia::PGTR_NRO);
    long borradas = 0;
    bool comoSeLeyo = false;
    // The database's refusal is not shown: a guide left in place is reported
    // as such. A guide another window changed or deleted is told apart and
    // stays as stored.
    forms::Ignorar([&] {
        ado::Transaccion t(de1::conn());
        Renglones::VerificarGuiaLeida(de1::conn(), nroDJ, nroGuia, leida);
        comoSeLeyo = true;
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE  where PCDJ_NRO='") + nroDJ
                                + QStringLiteral("' and PGTR_NRO ='") + General::DuplicarComillas(nroGuia)
                                + QStringLiteral("'"),
                            &borradas);
        t.Commit();
    });
    if (comoSeLeyo && borradas == 0)
        forms::MsgBox(QStringLiteral("No se puede borrar la guía seleccionada"), forms::vbInformation, kTituloBorrar);
}

void frmEditarDJ::tlb_guias_ButtonClick(const QString& key)
{
    if (key == QLatin1String("nuevo")) {
        frmEditarGuias& guias = forms::Form::Instance<frmEditarGuias>();
        guias.Operacion(1, nullptr, txt_NroDJ->text());
        guias.Show();
    } else if (key == QLatin1String("modificar")) {
        CargarGuiaSeleccionada();
        frmEditarGuias& guias = forms::Form::Instance<frmEditarGuias>();
        guias.Operacion(2, mGuia, txt_NroDJ->text());
        guias.Show();
    } else if (key == QLatin1String("eliminar")) {
        if (forms::MsgBox(QStringLiteral("¿Está seguro que desea borrar la guía de tránsito seleccionada?"),
                          forms::vbYesNo + forms::vbQuestion, kTituloBorrar)
            != forms::vbYes)
            return;
        if (forms::MsgBox(QStringLiteral(
                              "Al borrar la guía, se borrará el detalle de la misma ¿Desea eliminarla de todos modos?"),
                          forms::vbYesNo + forms::vbQuestion, kTituloBorrar)
            != forms::vbYes)
            return;
        BorrarGuia();
        CargarGuias();
        HabilitarGuias(true);
    }
}
