#include "registers/frmEmpresas.h"

#include "core/General.h"
#include "core/MenuPrincipal.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"
#include "registers/frmEditarEmpresa.h"

#include <QMdiArea>
#include <QVBoxLayout>

using text::Trim;

namespace {

const QString kTituloBorrar = QStringLiteral("Borrar empresa");

// PES_VW_EMPRESAS by position; the ids beside each description stay hidden.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"Nro. Empresa", 700},
    {"Cuit", 1300},
    {"Razón Social", 2500},
    {"Nro.Ingresos Brutos", 1200},
    {nullptr, 0},
    {"Tipo de Sociedad", 2000},
    {"Fecha de Alta", 1000},
    {"Fecha de Baja", 1000},
    {"Domicilio Fiscal", 2500},
    {nullptr, 0},
    {"Localidad (Dom Fiscal)", 2200},
    {nullptr, 0},
    {"Provincia (Dom Fiscal)", 1200},
    {"CP (Dom Fiscal)", 900},
    {"Domicilio Real", 2500},
    {nullptr, 0},
    {"Localidad (Dom Real)", 2200},
    {nullptr, 0},
    {"Provincia (Dom Real)", 1200},
    {"CP (Dom Real)", 900},
    {"Domicilio Legal", 2500},
    {nullptr, 0},
    {"Localidad (Dom Legal)", 2200},
    {nullptr, 0},
    {"Provincia  (Dom Legal)", 1200},
    {"CP  (Dom Legal)", 900},
};

}  // namespace

frmEmpresas::frmEmpresas()
{
    forms::Nombrado(this, "frmEmpresas");
    setCaption(QStringLiteral("Empresas"));

    tlbMonedas = forms::Nombrado(new forms::Toolbar(this), "tlbMonedas");
    tlbMonedas->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    tlbMonedas->AddSeparator();
    tlbMonedas->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tlbMonedas->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tlbMonedas->AddButton(QStringLiteral("borrar"), QStringLiteral("Borrar"));
    connect(tlbMonedas, &forms::Toolbar::ButtonClick, this, &frmEmpresas::tlbMonedas_ButtonClick);

    adoEmpresas = forms::Nombrado(new forms::DataControl(this), "adoEmpresas");
    grillaEmpresas = forms::Nombrado(new forms::DataGrid(this), "grillaEmpresas");
    grillaEmpresas->setAccessibleName(Caption());
    grillaEmpresas->setDataSource(adoEmpresas);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tlbMonedas);
    layout->addWidget(grillaEmpresas, 1);
}

QSize frmEmpresas::sizeHint() const
{
    const QSize want(1000, 480);
    QMdiArea* area = MdiArea();
    if (!area || area->viewport()->width() < 400 || area->viewport()->height() < 300) return want;
    return want.boundedTo(area->viewport()->size() - QSize(16, 40));
}

void frmEmpresas::Form_Load() { Move(0, 0); }

void frmEmpresas::Form_Activate()
{
    forms::Atrapar([this] {
        CargarGrilla();
        const auto& rs = adoEmpresas->Recordset;
        if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1) {
            rs->MoveFirst();
            grillaEmpresas->setRow(0);
            grillaEmpresas->SelBookmarks().Add(rs->Bookmark());
        }
        HabilitarBotones();
        // The arrow keys move through the list as soon as it shows.
        grillaEmpresas->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void frmEmpresas::Form_Unload(int& cancel)
{
    (void)cancel;
    MenuPrincipal::HabDeshabMenu(true);
}

void frmEmpresas::tlbMonedas_ButtonClick(const QString& key)
{
    forms::Atrapar([&] {
        if (key == QLatin1String("salir")) {
            Unload();
        } else if (key == QLatin1String("nuevo")) {
            AbrirEditor(1, nullptr);
        } else if (key == QLatin1String("modificar")) {
            CargarEmpresaSeleccionada();
            AbrirEditor(2, mEmpresa);
        } else if (key == QLatin1String("borrar")) {
            if (forms::MsgBox(QStringLiteral("¿Está seguro que desea borrar la empresa seleccionada?"),
                              forms::vbYesNo + forms::vbQuestion, kTituloBorrar)
                != forms::vbYes)
                return;
            BorrarEmpresa();
            HabilitarBotones();
        }
    });
}

void frmEmpresas::HabilitarBotones()
{
    const auto& rs = adoEmpresas->Recordset;
    const bool hayFilas = rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1;
    for (int i : {4, 5}) tlbMonedas->Buttons(i).setEnabled(hayFilas);
}

void frmEmpresas::CargarGrilla()
{
    auto rs = std::make_shared<ado::Recordset>();
    // The grid keeps what it showed when the view cannot be read.
    if (!forms::Atrapar([&] {
            rs->Open(QStringLiteral("select * FROM PES_VW_EMPRESAS"), de1::conn(), ado::adOpenKeyset,
                     ado::adLockOptimistic);
        }))
        return;
    adoEmpresas->Recordset = std::move(rs);
    adoEmpresas->Refresh();
    FormatearGrilla();
}

void frmEmpresas::FormatearGrilla() { forms::AplicarColumnas(*grillaEmpresas, kColumnas); }

void frmEmpresas::CargarEmpresaSeleccionada()
{
    if (!mEmpresa) mEmpresa = std::make_shared<clsEmpresa>();
    clsEmpresa& e = *mEmpresa;
    auto t = [this](int i) { return grillaEmpresas->Text(i); };
    e.IdEmpresa = text::CLng(t(0));
    // Eleven digits: a double holds them exactly.
    e.CUIT = text::CDbl(t(1));
    e.RSocial = t(2);
    e.NroIB = Trim(t(3)).isEmpty() ? 0 : text::CDbl(t(3));
    e.TipoSoc = t(5);
    e.FAlta = t(6);
    e.FBaja = Trim(t(7)).isEmpty() ? QString() : t(7);
    e.DomicilioFiscal = t(8);
    e.LocalidadFiscal = t(10);
    e.ProvinciaFiscal = t(12);
    e.CodPostalFiscal = t(13);
    e.DomicilioReal = t(14);
    e.LocalidadReal = t(16);
    e.ProvinciaReal = t(18);
    e.CodPostalReal = t(19);
    e.DomicilioLegal = t(20);
    e.LocalidadLegal = t(22);
    e.ProvinciaLegal = t(24);
    e.CodPostalLegal = t(25);
}

void frmEmpresas::BorrarEmpresa()
{
    // The CUIT is the view's own integer, so it goes in unquoted as shown.
    const QString sql = QStringLiteral("delete * from LNV_PES_TB_EMPRESAS where PEMP_CUIT=") + grillaEmpresas->Text(1);
    long borradas = 0;
    // Any failure, the database's refusal for a company that declarations
    // name included, ends in the one message below.
    forms::Ignorar([&] { de1::conn().Execute(sql, &borradas); });
    if (borradas == 0)
        forms::MsgBox(QStringLiteral("No se puede borrar la empresa seleccionada porque tiene Declaraciones Juradas "
                                     "relacionadas"),
                      forms::vbInformation, kTituloBorrar);
    CargarGrilla();
}

// One editor: an open one takes the new operation.
void frmEmpresas::AbrirEditor(int op, const std::shared_ptr<clsEmpresa>& empresa)
{
    frmEditarEmpresa& editor = forms::Form::Instance<frmEditarEmpresa>();
    editor.Operacion(op, empresa);
    editor.Show();
}
