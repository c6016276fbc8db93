#include "declarations/frmDDJJ.h"

#include "core/General.h"
#include "declarations/frmEditarDJ.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataGrid.h"
#include "platform/text/Text.h"

namespace {

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

constexpr FormLista::Boton kBotones[] = {
    {"salir", "Salir"},
    {"nuevo", "Nuevo"},
    {nullptr},
    {"modificar", "Modificar", true},
    {"borrar", "Eliminar", true},
    {nullptr},
    {"imprimir", "Imprimir DJ", true},
    {"disco", "Generar disco", true},
};

const FormLista::Definicion kLista = {
    .nombre = "frmDDJJ",
    .caption = "Declaraciones Juradas Ley 7351",
    .grilla = "grillaDJ",
    .ado = "adoDDJJ",
    .sql = "select * FROM PES_VW_CAB_DDJJ7351",
    .columnas = kColumnas,
    .botones = kBotones,
    .tamanio = QSize(1000, 480),
    .registro = "la declaración jurada seleccionada",
    .tituloBorrar = "Borrar declaración jurada",
    .preguntaBorrar = "¿Está seguro que desea borrar la declaración jurada seleccionada?",
    .rechazoBorrar = "No se puede borrar la declaración jurada seleccionada",
    .segundaPregunta = "Al borrar la declaración jurada, se borrará el detalle de la misma "
                       "¿Desea eliminarla de todos modos?",
};

}  // namespace

frmDDJJ::frmDDJJ() : FormLista(kLista), grillaDJ(grilla()), adoDDJJ(ado())
{
    ComD = forms::Nombrado(new forms::CommonDialog(this), "ComD");
}

void frmDDJJ::AbrirEditor(int op) { Editar<frmEditarDJ>(op, mCabDDJJ); }

void frmDDJJ::OtroBoton(const QString& key)
{
    if (key == QLatin1String("imprimir")) {
        bool enDisco = false;
        GenerarDisco(enDisco);
        // The viewer opens whatever the export did.
        AbrirVisor(NroDJSeleccionada(), MD5Archivos);
    } else if (key == QLatin1String("disco")) {
        bool enDisco = true;
        GenerarDisco(enDisco);
    }
}

QString frmDDJJ::NroDJSeleccionada() { return text::PadLeft(grillaDJ->Text(0), 23, QChar('0')); }

QStringList frmDDJJ::TextosFilaActual()
{
    QStringList fila;
    for (int i = 0; i < grillaDJ->ColumnCount(); ++i) fila << grillaDJ->Text(i);
    return fila;
}

bool frmDDJJ::CargarDJSeleccionada()
{
    FilaLista f = Fila();
    clsCabDDJJ c;
    c.NroDJ = NroDJSeleccionada();
    c.Anio = f.Int(1);
    c.Mes = f.Int(2);
    c.TipoDJ = f.Texto(4);
    c.NroEmb = f.Lng(5);
    c.Matricula = f.Texto(6);
    c.Nombre = f.Texto(7);
    c.Estado = f.Texto(9);
    c.Puerto = f.Texto(11);
    c.NroEmp = f.Lng(12);
    c.CUIT = f.Dbl(13);
    c.RSocial = f.Texto(14);
    c.MtoVtas = f.Dbl(15);
    c.Alicuota = f.Dbl(16);
    c.Importe = f.Dbl(17);
    c.Intereses = f.Dbl(18);
    c.Multa = f.Dbl(19);
    c.Total = f.Dbl(20);
    c.Responsable = f.Texto(21);
    c.TipoDoc = f.Texto(22);
    c.NroDoc = f.DblOCero(23);
    c.CaracterResp = f.Texto(25);
    return Tomar(f, c, mCabDDJJ);
}

QString frmDDJJ::SqlBorrar()
{
    return QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='")
        + General::DuplicarComillas(NroDJSeleccionada()) + QStringLiteral("'");
}

void frmDDJJ::AbrirVisor(const QString& DJNro, const QString& MD5Files)
{
    frmLisDJ& visor = forms::Form::Instance<frmLisDJ>();
    visor.DJNro(DJNro);
    visor.MD5Files(MD5Files);
    visor.Show();
}
