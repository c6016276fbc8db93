#include "registers/frmEmbarcaciones.h"

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
#include "registers/frmEditarEmbarcacion.h"

#include <QMdiArea>
#include <QVBoxLayout>

namespace {

const QString kTituloBorrar = QStringLiteral("Borrar embarcación");

// The view's 26 columns by position; the vessel type's and port's ids hidden.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"Nro. Barco", 500},
    {"Matrícula", 800},
    {"Nombre", 2500},
    {"", 0},
    {"Tipo Emb.", 2100},
    {"F. Inscr. Ley 7351", 1000},
    {"Fecha de Alta", 1000},
    {"Fecha de Baja", 1000},
    {"Fecha de Botadura", 1000},
    {"Eslora", 700},
    {"Material Casco", 1000},
    {"Arboladura", 700},
    {"Manga", 700},
    {"Puntal", 700},
    {"Bodega", 700},
    {"Tonelaje Total", 700},
    {"Tonelaje Neto", 700},
    {"Potencia (KW)", 700},
    {"Poder Motor (HP)", 700},
    {"Motor Marca", 1500},
    {"Motor Nro.", 700},
    {"Tipo Motor", 1500},
    {"Nro. Cert. Seguridad", 700},
    {"", 0},
    {"Puerto", 1500},
    {"Convenio Golfo", 700},
};

}  // namespace

frmEmbarcaciones::frmEmbarcaciones()
{
    forms::Nombrado(this, "frmEmbarcaciones");
    setCaption(QStringLiteral("Embarcaciones"));

    tlbMonedas = forms::Nombrado(new forms::Toolbar(this), "tlbMonedas");
    tlbMonedas->AddButton(QStringLiteral("salir"), QStringLiteral("Salir"));
    tlbMonedas->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tlbMonedas->AddSeparator();
    tlbMonedas->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tlbMonedas->AddButton(QStringLiteral("borrar"), QStringLiteral("Borrar"));
    connect(tlbMonedas, &forms::Toolbar::ButtonClick, this, &frmEmbarcaciones::tlbMonedas_ButtonClick);

    adoEmbarcaciones = forms::Nombrado(new forms::DataControl(this), "adoEmbarcaciones");
    grillaEmbaraciones = forms::Nombrado(new forms::DataGrid(this), "grillaEmbaraciones");
    grillaEmbaraciones->setAccessibleName(Caption());
    grillaEmbaraciones->setDataSource(adoEmbarcaciones);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tlbMonedas);
    layout->addWidget(grillaEmbaraciones, 1);
}

QSize frmEmbarcaciones::sizeHint() const
{
    // The first columns (number to dates) at once; the rest scroll.
    const QSize want(1000, 480);
    QMdiArea* area = MdiArea();
    if (!area || area->viewport()->width() < 400 || area->viewport()->height() < 300) return want;
    return want.boundedTo(area->viewport()->size() - QSize(16, 40));
}

void frmEmbarcaciones::Form_Load() { Move(0, 0); }

void frmEmbarcaciones::Form_Activate()
{
    forms::Atrapar([this] {
        CargarGrilla();
        const auto& rs = adoEmbarcaciones->Recordset;
        if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1) {
            rs->MoveFirst();
            grillaEmbaraciones->setRow(0);
            grillaEmbaraciones->SelBookmarks().Add(rs->Bookmark());
        }
        HabilitarBotones();
        grillaEmbaraciones->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void frmEmbarcaciones::Form_Unload(int& cancel)
{
    (void)cancel;
    MenuPrincipal::HabDeshabMenu(true);
}

void frmEmbarcaciones::tlbMonedas_ButtonClick(const QString& key)
{
    forms::Atrapar([&] {
        if (key == QLatin1String("salir")) {
            Unload();
        } else if (key == QLatin1String("nuevo")) {
            AbrirEditor(1, nullptr);
        } else if (key == QLatin1String("modificar")) {
            if (CargarEmbarcacionSeleccionada()) AbrirEditor(2, mEmbarcacion);
        } else if (key == QLatin1String("borrar")) {
            if (forms::MsgBox(QStringLiteral("¿Está seguro que desea borrar la embarcación seleccionada?"),
                              forms::vbYesNo + forms::vbQuestion, kTituloBorrar)
                != forms::vbYes)
                return;
            BorrarEmbarcacion();
            HabilitarBotones();
        }
    });
}

void frmEmbarcaciones::HabilitarBotones()
{
    const auto& rs = adoEmbarcaciones->Recordset;
    const bool hayFilas = rs && rs->State() == ado::adStateOpen && rs->RecordCount() >= 1;
    for (int i : {4, 5}) tlbMonedas->Buttons(i).setEnabled(hayFilas);
}

void frmEmbarcaciones::CargarGrilla()
{
    auto rs = std::make_shared<ado::Recordset>();
    // The grid keeps what it showed when the query fails.
    if (!forms::Atrapar([&] {
            rs->Open(QStringLiteral("select * FROM PES_VW_EMBARCACIONES"), de1::conn(), ado::adOpenKeyset,
                     ado::adLockOptimistic);
        }))
        return;
    adoEmbarcaciones->Recordset = std::move(rs);
    adoEmbarcaciones->Refresh();
    FormatearGrilla();
}

void frmEmbarcaciones::FormatearGrilla() { forms::AplicarColumnas(*grillaEmbaraciones, kColumnas); }

bool frmEmbarcaciones::CargarEmbarcacionSeleccionada()
{
    auto texto = [this](int c) { return grillaEmbaraciones->Text(c); };
    // A row the record cannot take (a matrícula beyond 16 bits, a number
    // left empty) is named to the clerk instead of reaching the editor.
    QString problema;
    auto numero = [&](int c, auto convertir) -> decltype(convertir(QString())) {
        try {
            return convertir(texto(c));
        } catch (const platform::Error&) {
            if (problema.isEmpty()) {
                const QString dato = QString::fromUtf8(kColumnas[c].caption);
                problema = text::Trim(texto(c)).isEmpty()
                    ? QStringLiteral(
                          "No se puede modificar la embarcación seleccionada porque no tiene cargado el dato \"%1\".")
                          .arg(dato)
                    : QStringLiteral(
                          "No se puede modificar la embarcación seleccionada porque el dato \"%1\" (%2) no es un número válido%3.")
                          .arg(dato, texto(c), c == 1 ? QStringLiteral(" entre -32768 y 32767") : QString());
            }
            return {};
        }
    };
    auto lng = [](const QString& t) { return text::CLng(t); };
    auto dbl = [](const QString& t) { return text::CDbl(t); };
    auto fecha = [&](int c) { return text::Trim(texto(c)).isEmpty() ? QString() : texto(c); };

    clsEmbarcacion e;
    e.IdEmbarcacion = numero(0, lng);
    e.Matricula = text::CStr(numero(1, [](const QString& t) { return text::CInt(t); }));
    e.Nombre = texto(2);
    e.TipoEmb = texto(4);
    e.FInscL7351 = fecha(5);
    e.FAlta = texto(6);
    e.FBaja = fecha(7);
    e.FBotadura = fecha(8);
    e.Eslora = numero(9, dbl);
    e.MCasco = texto(10);
    e.Arboladura = numero(11, dbl);
    e.Manga = numero(12, dbl);
    e.Puntal = numero(13, dbl);
    e.Bodega = numero(14, dbl);
    e.TonTotal = numero(15, dbl);
    e.TonNeto = numero(16, dbl);
    e.Potencia = numero(17, dbl);
    e.PoderMotor = numero(18, dbl);
    e.MarcaMotor = texto(19);
    e.NroMotor = texto(20);
    e.TipoMotor = texto(21);
    e.NroCertSeg = texto(22);
    e.Puerto = texto(24);
    e.ConvGolfo = numero(25, [](const QString& t) { return text::CInt(t); });
    if (!problema.isEmpty()) {
        forms::MsgBox(problema, forms::vbInformation, Caption());
        return false;
    }
    if (!mEmbarcacion) mEmbarcacion = std::make_shared<clsEmbarcacion>();
    *mEmbarcacion = e;
    return true;
}

void frmEmbarcaciones::BorrarEmbarcacion()
{
    // The matrícula as shown: leading zeros are part of the stored key.
    const QString sql = QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA='")
        + General::DuplicarComillas(grillaEmbaraciones->Text(1)) + QStringLiteral("'");
    long borradas = 0;
    // The database's refusal (declarations name it) ends in the message below.
    forms::Ignorar([&] { de1::conn().Execute(sql, &borradas); });
    if (borradas == 0)
        forms::MsgBox(
            QStringLiteral(
                "No se puede borrar la embarcación seleccionada porque tiene Declaraciones Juradas relacionadas"),
            forms::vbInformation, kTituloBorrar);
    CargarGrilla();
}

// One editor: an open one takes the new operation.
void frmEmbarcaciones::AbrirEditor(int op, const std::shared_ptr<clsEmbarcacion>& embarcacion)
{
    frmEditarEmbarcacion& editor = forms::Form::Instance<frmEditarEmbarcacion>();
    editor.Operacion(op, embarcacion);
    editor.Show();
}
