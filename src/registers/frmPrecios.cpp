#include "registers/frmPrecios.h"

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
#include "registers/frmEditarPrecio.h"

#include <QMdiArea>
#include <QVBoxLayout>

namespace {

const QString kTituloBorrar = QStringLiteral("Borrar valor banquina");

// The view's columns by position: ids hidden, the price with three decimals.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"", 0},
    {"", 0},
    {"Especie", 2000},
    {"Valor Banquina", 1200, forms::dbgRight, "0.000"},
    {"Vigencia", 1200, forms::dbgCenter},
    {"Disposición", 2000, forms::dbgLeft},
};

}  // namespace

frmPrecios::frmPrecios()
{
    forms::Nombrado(this, "frmPrecios");
    setCaption(QStringLiteral("Valores Banquina"));

    tlbMonedas = forms::Nombrado(new forms::Toolbar(this), "tlbMonedas");
    tlbMonedas->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    tlbMonedas->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tlbMonedas->AddSeparator();
    tlbMonedas->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tlbMonedas->AddButton(QStringLiteral("borrar"), QStringLiteral("Borrar"));
    connect(tlbMonedas, &forms::Toolbar::ButtonClick, this, &frmPrecios::tlbMonedas_ButtonClick);

    adoPrecios = forms::Nombrado(new forms::DataControl(this), "adoPrecios");
    grillaPrecios = forms::Nombrado(new forms::DataGrid(this), "grillaPrecios");
    grillaPrecios->setAccessibleName(Caption());
    grillaPrecios->setDataSource(adoPrecios);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tlbMonedas);
    layout->addWidget(grillaPrecios, 1);
}

QSize frmPrecios::sizeHint() const
{
    // The visible columns side by side, within the main window's area.
    const QSize want(600, 420);
    QMdiArea* area = MdiArea();
    if (!area || area->viewport()->width() < 400 || area->viewport()->height() < 300) return want;
    return want.boundedTo(area->viewport()->size() - QSize(16, 40));
}

void frmPrecios::Form_Load() { Move(0, 0); }

void frmPrecios::Form_Activate()
{
    forms::Atrapar([this] {
        CargarGrilla();
        const auto& rs = adoPrecios->Recordset;
        if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0) {
            rs->MoveFirst();
            grillaPrecios->setRow(0);
            grillaPrecios->SelBookmarks().Add(rs->Bookmark());
        }
        HabilitarBotones();
        grillaPrecios->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void frmPrecios::Form_Unload(int& cancel)
{
    (void)cancel;
    MenuPrincipal::HabDeshabMenu(true);
}

void frmPrecios::tlbMonedas_ButtonClick(const QString& key)
{
    forms::Atrapar([&] {
        if (key == QLatin1String("salir")) {
            Unload();
        } else if (key == QLatin1String("nuevo")) {
            AbrirEditor(1, nullptr);
        } else if (key == QLatin1String("modificar")) {
            CargarPrecioSeleccionado();
            AbrirEditor(2, mPrecio);
        } else if (key == QLatin1String("borrar")) {
            if (forms::MsgBox(QStringLiteral("¿Está seguro que desea borrar el valor banquina seleccionado?"),
                              forms::vbYesNo + forms::vbQuestion, kTituloBorrar)
                != forms::vbYes)
                return;
            BorrarPrecio();
            HabilitarBotones();
        }
    });
}

void frmPrecios::HabilitarBotones()
{
    const auto& rs = adoPrecios->Recordset;
    const bool hayFilas = rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0;
    for (int i : {4, 5}) tlbMonedas->Buttons(i).setEnabled(hayFilas);
}

void frmPrecios::CargarGrilla()
{
    auto rs = std::make_shared<ado::Recordset>();
    // The grid keeps what it showed when the query fails.
    if (!forms::Atrapar([&] {
            rs->Open(
                QStringLiteral("select * FROM PES_VW_PRECIOS_LEY7351 order by PPRE_FVIGENCIA DESC, PTES_DESCRIPCION"),
                de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
        }))
        return;
    adoPrecios->Recordset = std::move(rs);
    adoPrecios->Refresh();
    FormatearGrilla();
}

void frmPrecios::FormatearGrilla() { forms::AplicarColumnas(*grillaPrecios, kColumnas); }

void frmPrecios::CargarPrecioSeleccionado()
{
    if (!mPrecio) mPrecio = std::make_shared<clsPrecios>();
    clsPrecios& p = *mPrecio;
    p.IdPrecio = text::CLng(grillaPrecios->Text(0));
    p.IdEspecie = text::CLng(grillaPrecios->Text(1));
    p.valor = text::CDbl(grillaPrecios->Text(3));
    p.FAlta(grillaPrecios->Text(4));
    p.Disposicion = grillaPrecios->Text(5);
}

void frmPrecios::BorrarPrecio()
{
    long borradas = 0;
    // Any refusal ends in the message below.
    forms::Ignorar([&] {
        de1::conn().Execute(QStringLiteral("delete * from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID=")
                                + grillaPrecios->Text(0),
                            &borradas);
    });
    if (borradas == 0)
        forms::MsgBox(QStringLiteral("No se puede borrar el Precio seleccionado"), forms::vbInformation, kTituloBorrar);
    CargarGrilla();
}

// One editor: an open one takes the new operation.
void frmPrecios::AbrirEditor(int op, const std::shared_ptr<clsPrecios>& precio)
{
    frmEditarPrecio& editor = forms::Form::Instance<frmEditarPrecio>();
    editor.Operacion(op, precio);
    editor.Show();
}
