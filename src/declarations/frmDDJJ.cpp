#include "declarations/frmDDJJ.h"

#include "core/General.h"
#include "core/schema/Vistas.h"
#include "declarations/frmEditarDJ.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DataGrid.h"
#include "platform/text/Text.h"

namespace {

namespace V = PES_VW_CAB_DDJJ7351;

// A width of 0 hides the column.
constexpr auto kColumnas = forms::PorPosicion<V::Columnas>({
    {V::PCDJ_NRO, {"Nro. DDJJ", 1400}},
    {V::PCDJ_ANIO, {"Año", 500}},
    {V::PCDJ_MES, {"Mes", 500}},
    {V::PTDJ_ID, {"", 0}},
    {V::PTDJ_DESCRIPCION, {"Tipo DDJJ", 2100}},
    {V::PBAR_ID, {"Nro. Embarcación", 500}},
    {V::PBAR_MATRICULA, {"Matrícula", 500}},
    {V::PBAR_NOMBRE, {"Nombre", 2000}},
    {V::PEDJ_ID, {"", 0}},
    {V::PEDJ_DESCRIPCION, {"Estado Emb.", 1000}},
    {V::PPTO_ID, {"", 0}},
    {V::PPTO_DESCRIPCION, {"Puerto Desembarco", 1500}},
    {V::PEMP_ID, {"Nro. Empresa", 700}},
    {V::PEMP_CUIT, {"Cuit", 1000}},
    {V::PEMP_RSOCIAL, {"Razón Social", 2000}},
    {V::PCDJ_MTOVTAS, {"Total General de Ventas", 1100, forms::dbgRight}},
    {V::PCDJ_ALICUOTA, {"Alícuota", 700, forms::dbgRight}},
    {V::PCDJ_IMPORTE, {"Importe", 900, forms::dbgRight}},
    {V::PCDJ_INTERESES, {"Intereses", 900, forms::dbgRight}},
    {V::PCDJ_MULTA, {"Multa", 900, forms::dbgRight}},
    {V::PCDJ_TOTAL, {"Total Adeudado", 900, forms::dbgRight}},
    {V::PCDJ_RESP, {"Responsable", 2000}},
    {V::GTDC_ID, {"Tipo Doc.", 700}},
    {V::PCDJ_NRODOC, {"Nro. Doc.", 1000}},
    {V::PCAR_ID, {"", 0}},
    {V::PCAR_DESCRIPCION, {"Carácter", 1500}},
});

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

QString frmDDJJ::NroDJSeleccionada() { return text::PadLeft(grillaDJ->Text(V::PCDJ_NRO), 23, QChar('0')); }

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
    c.Anio = f.Int(V::PCDJ_ANIO);
    c.Mes = f.Int(V::PCDJ_MES);
    c.TipoDJ = f.Texto(V::PTDJ_DESCRIPCION);
    c.NroEmb = f.Lng(V::PBAR_ID);
    c.Matricula = f.Texto(V::PBAR_MATRICULA);
    c.Nombre = f.Texto(V::PBAR_NOMBRE);
    c.Estado = f.Texto(V::PEDJ_DESCRIPCION);
    c.Puerto = f.Texto(V::PPTO_DESCRIPCION);
    c.NroEmp = f.Lng(V::PEMP_ID);
    c.CUIT = f.Dbl(V::PEMP_CUIT);
    c.RSocial = f.Texto(V::PEMP_RSOCIAL);
    c.MtoVtas = f.Dbl(V::PCDJ_MTOVTAS);
    c.Alicuota = f.Dbl(V::PCDJ_ALICUOTA);
    c.Importe = f.Dbl(V::PCDJ_IMPORTE);
    c.Intereses = f.Dbl(V::PCDJ_INTERESES);
    c.Multa = f.Dbl(V::PCDJ_MULTA);
    c.Total = f.Dbl(V::PCDJ_TOTAL);
    c.Responsable = f.Texto(V::PCDJ_RESP);
    c.TipoDoc = f.Texto(V::GTDC_ID);
    c.NroDoc = f.DblOCero(V::PCDJ_NRODOC);
    c.CaracterResp = f.Texto(V::PCAR_DESCRIPCION);
    return Tomar(f, c, mCabDDJJ);
}

void frmDDJJ::BorrarDJ()
{
    EjecutarBorrado(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='")
                    + General::DuplicarComillas(NroDJSeleccionada()) + QStringLiteral("'"));
}

void frmDDJJ::AbrirVisor(const QString& DJNro, const QString& MD5Files)
{
    frmLisDJ& visor = forms::Form::Instance<frmLisDJ>();
    visor.DJNro(DJNro);
    visor.MD5Files(MD5Files);
    visor.Show();
}
