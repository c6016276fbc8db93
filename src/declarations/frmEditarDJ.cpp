// The frame of the declaration editor: the tabs, the window toolbar, the
// loading of the lists, Operacion, keys and closing.
#include "declarations/frmEditarDJ.h"

#include "core/Utiles.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

using text::CStr;

namespace {

// Two vessels or companies may share a name: the one the declaration was
// made for wins over the first of that name (a renumbered one falls back
// to the name).
void SeleccionarNombre(forms::ComboBox& cbo, const QString& nombre, std::int32_t id)
{
    for (int i = 0; i < cbo.ListCount(); ++i) {
        if (cbo.List(i) == nombre && cbo.ItemData(i) == id) {
            cbo.setListIndex(i);
            return;
        }
    }
    Utiles::SeleccionarTextoCombo(cbo, nombre);
}

}  // namespace

frmEditarDJ::frmEditarDJ()
{
    setObjectName(QStringLiteral("frmEditarDJ"));
    KeyPreview = true;

    auto* root = new QVBoxLayout(this);

    toolbar = forms::Nombrado(new forms::Toolbar(this), "toolbar");
    toolbar->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    toolbar->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    toolbar->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    root->addWidget(toolbar);

    SSTab1 = forms::Nombrado(new forms::TabbedDialog(this), "SSTab1");
    crearCabecera(SSTab1->AddTab(QStringLiteral("Liq. de la Deuda")));
    crearDetalle(SSTab1->AddTab(QStringLiteral("Detalle")));
    crearGuias(SSTab1->AddTab(QStringLiteral("Guías de Tránsito")));
    crearPagos(SSTab1->AddTab(QStringLiteral("Boletas de Pago")));
    root->addWidget(SSTab1, 1);

    connect(toolbar, &forms::Toolbar::ButtonClick, this, &frmEditarDJ::toolbar_ButtonClick);
    connect(SSTab1, &forms::TabbedDialog::Click, this, &frmEditarDJ::SSTab1_Click);
}

frmEditarDJ::~frmEditarDJ() = default;

QSize frmEditarDJ::sizeHint() const { return DentroDelArea(Form::sizeHint(), minimumSizeHint()); }

QString frmEditarDJ::NroDJ23() const
{
    // It goes into SQL between quotes as it is: nothing but its 23 digits may.
    const QString nro = text::PadLeft(txt_NroDJ->text(), 23, QChar('0'));
    if (!text::EsEnteroSimple(nro, 23)) throw platform::RuntimeError(platform::ErrInvalidCall);
    return nro;
}

void frmEditarDJ::Form_Load()
{
    Move(0, 0);
    txt_MtoGralVtas->setCantidadDecimales(2);

    // A list that cannot be read is reported and the window still opens.
    using forms::Atrapar;
    Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_PUERTOS.PPTO_ID, LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION From LNV_PES_TB_PUERTOS ORDER BY LNV_PES_TB_PUERTOS.PPTO_DESCRIPCION"),
            *cbo_Puertos);
    });
    Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_TIPOS_DDJJL7351.PTDJ_ID, LNV_PES_TB_TIPOS_DDJJL7351.PTDJ_DESCRIPCION From LNV_PES_TB_TIPOS_DDJJL7351 ORDER BY LNV_PES_TB_TIPOS_DDJJL7351.PTDJ_DESCRIPCION"),
            *cbo_TipoDJ);
    });
    Atrapar([this] {
        ado::Recordset rs;
        rs.Open(
            QStringLiteral(
                "SELECT LNV_PES_TB_ESTADOS_DJ7351.PEDJ_ID, LNV_PES_TB_ESTADOS_DJ7351.PEDJ_DESCRIPCION From LNV_PES_TB_ESTADOS_DJ7351 ORDER BY LNV_PES_TB_ESTADOS_DJ7351.PEDJ_DESCRIPCION"),
            de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.Eof(); rs.MoveNext()) cbo_EstadosDJ->AddItem(CStr(rs(QStringLiteral("PEDJ_DESCRIPCION"))));
    });
    Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_EMBARCACIONES.PBAR_ID, LNV_PES_TB_EMBARCACIONES.PBAR_NOMBRE From LNV_PES_TB_EMBARCACIONES ORDER BY LNV_PES_TB_EMBARCACIONES.PBAR_NOMBRE "),
            *cbo_barcos);
    });
    Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_EMPRESAS.PEMP_ID, LNV_PES_TB_EMPRESAS.PEMP_RSOCIAL From LNV_PES_TB_EMPRESAS ORDER BY LNV_PES_TB_EMPRESAS.PEMP_RSOCIAL"),
            *cbo_empresas);
    });
    CargarEspecies();
    Atrapar([this] {
        ado::Recordset rs;
        rs.Open(
            QStringLiteral(
                "SELECT LNV_GLB_TB_TIPOS_DOCUMENTO.GTDC_ID From LNV_GLB_TB_TIPOS_DOCUMENTO ORDER BY LNV_GLB_TB_TIPOS_DOCUMENTO.GTDC_ID"),
            de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        for (; !rs.Eof(); rs.MoveNext()) cbo_TipoDoc->AddItem(CStr(rs(QStringLiteral("GTDC_ID"))));
    });
    Atrapar([this] {
        Utiles::CargarCombo(
            QStringLiteral(
                "SELECT LNV_PES_TB_CARACTERES_RESP.PCAR_ID, LNV_PES_TB_CARACTERES_RESP.PCAR_DESCRIPCION From LNV_PES_TB_CARACTERES_RESP ORDER BY LNV_PES_TB_CARACTERES_RESP.PCAR_DESCRIPCION"),
            *cbo_CaracteresResp);
    });

    txt_alicuota->setCantidadDecimales(2);
    txt_alicuota->Enabled(true);
    txt_alicuota->setVisible(false);
    for (ctlNumero* n : {txt_Importe, txt_Interes, txt_Multa}) {
        n->setCantidadDecimales(2);
        n->Enabled(true);
        n->setValue(0);
    }
    txt_TotalAdeudado->setCantidadDecimales(2);
    txt_TotalGralVtas->setCantidadDecimales(2);
    txt_kg->setCantidadDecimales(2);
    txt_kg->Enabled(true);
    txt_kg->setMaxLength(14);
    txt_precio->setCantidadDecimales(4);
    txt_precio->Enabled(true);
    txt_MtoTotal->setCantidadDecimales(2);
    txt_MtoTotal->Enabled(true);
}

void frmEditarDJ::Operacion(std::int32_t operacion, const std::shared_ptr<clsCabDDJJ>& cab)
{
    mOperacion = operacion;
    if (operacion == 1) {
        setCaption(QStringLiteral("Nueva Declaración Jurada"));
        mCab = std::make_shared<clsCabDDJJ>();
        txt_anio->setText(CStr(text::Today().year()));
        txt_mes->setText(CStr(text::Today().month()));
        for (int tab : {1, 2, 3}) SSTab1->setTabEnabled(tab, false);
        // The open editor may still hold the lines of the declaration it
        // showed: they are none of this one's and must not bar a state.
        adoDetalleDJ->Recordset.reset();
        adoDetalleDJ->Refresh();
        mDet.reset();
        LimpiarGuias();
    } else {
        setCaption(QStringLiteral("Modificar Declaración Jurada"));
        mCab = cab ? cab : std::make_shared<clsCabDDJJ>();
        const clsCabDDJJ& c = *mCab;
        txt_NroDJ->setText(text::PadLeft(c.NroDJ, 23, QChar('0')));
        txt_anio->setText(CStr(c.Anio));
        txt_mes->setText(CStr(c.Mes));
        Utiles::SeleccionarTextoCombo(*cbo_Puertos, c.Puerto);
        Utiles::SeleccionarTextoCombo(*cbo_TipoDJ, c.TipoDJ);
        SeleccionarTextoSinClick(cbo_EstadosDJ, c.Estado);
        mEstadoMostrado = cbo_EstadosDJ->Text();
        txt_NroEmb->setText(CStr(c.NroEmb));
        txt_Matricula->setText(c.Matricula);
        // Selecting the names refills number, matrícula and CUIT from the registers.
        SeleccionarNombre(*cbo_barcos, c.Nombre, c.NroEmb);
        txt_NroEmp->setText(CStr(c.NroEmp));
        txt_CUIT->setText(text::Format(c.CUIT, QStringLiteral("0")));
        SeleccionarNombre(*cbo_empresas, c.RSocial, c.NroEmp);
        txt_TotalGralVtas->setValue(c.MtoVtas);
        txt_alicuota->setValue(c.Alicuota);
        std::int32_t tasa = text::CLng(text::Int(c.Alicuota));
        Utiles::SeleccionarIdCombo(*cbo_Alicuota, tasa);
        txt_Importe->setValue(c.Importe);
        txt_Interes->setValue(c.Intereses);
        txt_Multa->setValue(c.Multa);
        txt_TotalAdeudado->setValue(c.Total);
        Utiles::SeleccionarTextoCombo(*cbo_TipoDoc, c.TipoDoc);
        txt_NroDoc->setText(text::Format(c.NroDoc, QStringLiteral("0")));
        Utiles::SeleccionarTextoCombo(*cbo_CaracteresResp, c.CaracterResp);
        txt_responsable->setText(c.Responsable);

        CargarDetalle();
        CargarGuias();
        HabilitarDetalle(true);
        for (int tab : {2, 3}) SSTab1->setTabEnabled(tab, true);
        // A tab already shown is not chosen again: its slips would be the
        // previous declaration's.
        if (SSTab1->Tab() == 3) CargarPagos();
    }
    HabilitarCabecera(true);
    // Year, month, vessel and company form the number: fixed once inserted.
    const bool nueva = mOperacion == 1;
    txt_anio->setEnabled(nueva);
    txt_mes->setEnabled(nueva);
    frm_Embarcacion->setEnabled(nueva);
    frm_Empresa->setEnabled(nueva);
    // The prices depend on the month shown.
    CargarEspecies();
    MostrarTotalesGuardados();
}

void frmEditarDJ::toolbar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("aceptar")) {
        if (!ValidarCabecera()) return;
        const bool guardada = mOperacion == 1 ? InsertarCabecera() : ActualizarCabecera();
        // A header the database refused stays on screen to be corrected.
        if (guardada) Unload();
    } else if (key == QLatin1String("cancelar") || key == QLatin1String("salir")) {
        Unload();
    }
}

void frmEditarDJ::SSTab1_Click(int previousTab)
{
    (void)previousTab;
    if (SSTab1->Tab() == 1)
        CargarDetalle();
    else if (SSTab1->Tab() == 2)
        CargarGuias();
    else if (SSTab1->Tab() == 3)
        CargarPagos();
    MostrarTotalesGuardados();
}

void frmEditarDJ::Form_Activate()
{
    // Back from the guide editor: show what it saved.
    if (SSTab1->Tab() == 2) {
        CargarGuias();
        HabilitarGuias(true);
    }
    MostrarTotalesGuardados();
}

void frmEditarDJ::Form_KeyPress(int& KeyAscii) { forms::Mayuscula(KeyAscii); }

void frmEditarDJ::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Only the toolbar closes the editor.
    if (unloadMode == forms::vbFormControlMenu) cancel = 1;
}

void frmEditarDJ::Form_Unload(int& cancel)
{
    (void)cancel;
    if (mEspecies) mEspecies->Clear();
    mEspecies.reset();
}
