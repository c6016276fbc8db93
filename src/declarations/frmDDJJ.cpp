#include "declarations/frmDDJJ.h"

#include "core/General.h"
#include "core/MenuPrincipal.h"
#include "core/de1.h"
#include "declarations/frmEditarDJ.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/GridColumns.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/Trap.h"
#include "platform/text/Text.h"

#include <QMdiArea>
#include <QVBoxLayout>

namespace {

const QString kTituloBorrar = QStringLiteral("Borrar declaración jurada");

// The view's 26 columns by position; a width of 0 hides the column.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"Nro. DDJJ", 1400},
    {"Año", 500},
    {"Mes", 500},
    {"", 0},  // declaration type id
    {"Tipo DDJJ", 2100},
    {"Nro. Embarcación", 500},
    {"Matrícula", 500},
    {"Nombre", 2000},
    {"", 0},  // vessel state id
    {"Estado Emb.", 1000},
    {"", 0},  // port id
    {"Puerto Desembarco", 1500},
    {"Nro. Empresa", 700},
    {"Cuit", 1000},
    {"Razón Social", 2000},
    {"Total General de Ventas", 1100, forms::dbgRight},
    {"Alícuota", 700, forms::dbgRight},
    {"Importe", 900, forms::dbgRight},
    {"Intereses", 900, forms::dbgRight},
    {"Multa", 900, forms::dbgRight},
    {"Total Adeudado", 900, forms::dbgRight},
    {"Responsable", 2000},
    {"Tipo Doc.", 700},
    {"Nro. Doc.", 1000},
    {"", 0},  // capacity id
    {"Carácter", 1500},
};

}  // namespace

frmDDJJ::frmDDJJ()
{
    setObjectName(QStringLiteral("frmDDJJ"));
    setCaption(QStringLiteral("Declaraciones Juradas Ley 7351"));

    tlbMonedas = forms::Nombrado(new forms::Toolbar(this), "tlbMonedas");
    tlbMonedas->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    tlbMonedas->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tlbMonedas->AddSeparator();
    tlbMonedas->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tlbMonedas->AddButton(QStringLiteral("borrar"), QStringLiteral("Eliminar"));
    tlbMonedas->AddSeparator();
    tlbMonedas->AddButton(QStringLiteral("imprimir"), QStringLiteral("Imprimir DJ"));
    tlbMonedas->AddButton(QStringLiteral("disco"), QStringLiteral("Generar disco"));
    connect(tlbMonedas, &forms::Toolbar::ButtonClick, this, &frmDDJJ::tlbMonedas_ButtonClick);

    adoDDJJ = forms::Nombrado(new forms::DataControl(this), "adoDDJJ");
    grillaDJ = forms::Nombrado(new forms::DataGrid(this), "grillaDJ");
    grillaDJ->setAccessibleName(Caption());
    grillaDJ->setDataSource(adoDDJJ);
    ComD = forms::Nombrado(new forms::CommonDialog(this), "ComD");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tlbMonedas);
    layout->addWidget(grillaDJ, 1);
}

QSize frmDDJJ::sizeHint() const
{
    const QSize want(1000, 480);
    QMdiArea* area = MdiArea();
    if (!area || area->viewport()->width() < 400 || area->viewport()->height() < 300) return want;
    return want.boundedTo(area->viewport()->size() - QSize(16, 40));
}

void frmDDJJ::Form_Load() { Move(0, 0); }

void frmDDJJ::Form_Activate()
{
    forms::Atrapar([this] {
        CargarGrilla();
        const auto& rs = adoDDJJ->Recordset;
        if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1) {
            rs->MoveFirst();
            grillaDJ->setRow(0);
            grillaDJ->SelBookmarks().Add(rs->Bookmark());
        }
        HabilitarBotones();
        // The arrow keys move through the list as soon as it shows.
        grillaDJ->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void frmDDJJ::Form_Unload(int& cancel)
{
    (void)cancel;
    MenuPrincipal::HabDeshabMenu(true);
}

void frmDDJJ::tlbMonedas_ButtonClick(const QString& key)
{
    forms::Atrapar([&] {
        if (key == QLatin1String("salir")) {
            Unload();
        } else if (key == QLatin1String("nuevo")) {
            AbrirEditor(1, nullptr);
        } else if (key == QLatin1String("modificar")) {
            CargarDJSeleccionada();
            AbrirEditor(2, mCabDDJJ);
        } else if (key == QLatin1String("borrar")) {
            using namespace forms;
            if (MsgBox(QStringLiteral("¿Está seguro que desea borrar la declaración jurada seleccionada?"),
                       vbYesNo + vbQuestion, kTituloBorrar)
                != vbYes)
                return;
            if (MsgBox(QStringLiteral("Al borrar la declaración jurada, se borrará el detalle de la misma "
                                      "¿Desea eliminarla de todos modos?"),
                       vbYesNo + vbQuestion, kTituloBorrar)
                != vbYes)
                return;
            BorrarDJ();
            HabilitarBotones();
        } else if (key == QLatin1String("imprimir")) {
            bool enDisco = false;
            GenerarDisco(enDisco);
            // The viewer opens whatever the export did.
            AbrirVisor(NroDJSeleccionada(), MD5Archivos);
        } else if (key == QLatin1String("disco")) {
            bool enDisco = true;
            GenerarDisco(enDisco);
        }
    });
}

void frmDDJJ::HabilitarBotones()
{
    const auto& rs = adoDDJJ->Recordset;
    const bool hayFilas = rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1;
    for (int i : {4, 5, 7, 8}) tlbMonedas->Buttons(i).setEnabled(hayFilas);
}

void frmDDJJ::CargarGrilla()
{
    auto rs = std::make_shared<ado::Recordset>();
    // The grid keeps what it showed when the list cannot be read.
    if (!forms::Atrapar([&] {
            rs->Open(QStringLiteral("select * FROM PES_VW_CAB_DDJJ7351"), de1::conn(), ado::adOpenKeyset,
                     ado::adLockOptimistic);
        }))
        return;
    adoDDJJ->Recordset = std::move(rs);
    adoDDJJ->Refresh();
    FormatearGrilla();
}

void frmDDJJ::FormatearGrilla() { forms::AplicarColumnas(*grillaDJ, kColumnas); }

QString frmDDJJ::NroDJSeleccionada() { return text::PadLeft(grillaDJ->Text(0), 23, QChar('0')); }

QStringList frmDDJJ::TextosFilaActual()
{
    QStringList fila;
    for (int i = 0; i < grillaDJ->ColumnCount(); ++i) fila << grillaDJ->Text(i);
    return fila;
}

void frmDDJJ::CargarDJSeleccionada()
{
    if (!mCabDDJJ) mCabDDJJ = std::make_shared<clsCabDDJJ>();
    clsCabDDJJ& c = *mCabDDJJ;
    auto t = [this](int i) { return grillaDJ->Text(i); };
    c.NroDJ = NroDJSeleccionada();
    c.Anio = text::CInt(t(1));
    c.Mes = text::CInt(t(2));
    c.TipoDJ = t(4);
    c.NroEmb = text::CLng(t(5));
    c.Matricula = t(6);
    c.Nombre = t(7);
    c.Estado = t(9);
    c.Puerto = t(11);
    c.NroEmp = text::CLng(t(12));
    c.CUIT = text::CDbl(t(13));
    c.RSocial = t(14);
    c.MtoVtas = text::CDbl(t(15));
    c.Alicuota = text::CDbl(t(16));
    c.Importe = text::CDbl(t(17));
    c.Intereses = text::CDbl(t(18));
    c.Multa = text::CDbl(t(19));
    c.Total = text::CDbl(t(20));
    c.Responsable = t(21);
    c.TipoDoc = t(22);
    c.NroDoc = text::Trim(t(23)).isEmpty() ? 0 : text::CDbl(t(23));
    c.CaracterResp = t(25);
}

void frmDDJJ::BorrarDJ()
{
    const QString sql = QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='")
        + General::DuplicarComillas(NroDJSeleccionada()) + QStringLiteral("'");
    long borradas = 0;
    // The database's refusal (guides or payments still there) ends in the message below.
    forms::Ignorar([&] { de1::conn().Execute(sql, &borradas); });
    if (borradas == 0)
        forms::MsgBox(QStringLiteral("No se puede borrar la declaración jurada seleccionada"), forms::vbInformation,
                      kTituloBorrar);
    CargarGrilla();
}

// One editor: an open one takes the new operation.
void frmDDJJ::AbrirEditor(int op, std::shared_ptr<clsCabDDJJ> cab)
{
    frmEditarDJ& editor = forms::Form::Instance<frmEditarDJ>();
    editor.Operacion(op, cab);
    editor.Show();
}

void frmDDJJ::AbrirVisor(const QString& DJNro, const QString& MD5Files)
{
    frmLisDJ& visor = forms::Form::Instance<frmLisDJ>();
    visor.DJNro(DJNro);
    visor.MD5Files(MD5Files);
    visor.Show();
}
