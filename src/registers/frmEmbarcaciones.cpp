#include "registers/frmEmbarcaciones.h"

#include "core/General.h"
#include "core/schema/Vistas.h"
#include "platform/forms/DataGrid.h"
#include "registers/frmEditarEmbarcacion.h"

namespace {

namespace V = PES_VW_EMBARCACIONES;

// The vessel type's and port's ids hidden.
constexpr auto kColumnas = forms::PorPosicion<V::Columnas>({
    {V::PBAR_ID, {"Nro. Barco", 500}},
    {V::PBAR_MATRICULA, {"Matrícula", 800}},
    {V::PBAR_NOMBRE, {"Nombre", 2500}},
    {V::PTBA_ID, {"", 0}},
    {V::PTBA_DESCRIPCION, {"Tipo Emb.", 2100}},
    {V::PBAR_FINSC7351, {"F. Inscr. Ley 7351", 1000}},
    {V::PBAR_FALTA, {"Fecha de Alta", 1000}},
    {V::PBAR_FBAJA, {"Fecha de Baja", 1000}},
    {V::PBAR_FBOTADURA, {"Fecha de Botadura", 1000}},
    {V::PBAR_ESLORA, {"Eslora", 700}},
    {V::PBAR_MATERIALCASCO, {"Material Casco", 1000}},
    {V::PBAR_ARBOLADURA, {"Arboladura", 700}},
    {V::PBAR_MANGA, {"Manga", 700}},
    {V::PBAR_PUNTAL, {"Puntal", 700}},
    {V::PBAR_BODEGA, {"Bodega", 700}},
    {V::PBAR_TONTOTAL, {"Tonelaje Total", 700}},
    {V::PBAR_TONNETO, {"Tonelaje Neto", 700}},
    {V::PBAR_POTENCIA, {"Potencia (KW)", 700}},
    {V::PBAR_PODERMOTOR, {"Poder Motor (HP)", 700}},
    {V::PBAR_MARCAMOTOR, {"Motor Marca", 1500}},
    {V::PBAR_NROMOTOR, {"Motor Nro.", 700}},
    {V::PBAR_TIPOMOTOR, {"Tipo Motor", 1500}},
    {V::PBAR_CERTSEGURIDAD, {"Nro. Cert. Seguridad", 700}},
    {V::PPTO_ID, {"", 0}},
    {V::PPTO_DESCRIPCION, {"Puerto", 1500}},
    {V::PBAR_CONVENIO_GOLFO, {"Convenio Golfo", 700}},
});

constexpr FormLista::Boton kBotones[] = {
    {"salir", "Salir"}, {"nuevo", "Nuevo"}, {nullptr}, {"modificar", "Modificar", true}, {"borrar", "Borrar", true},
};

// The first columns (number to dates) at once; the rest scroll.
const FormLista::Definicion kLista = {
    .nombre = "frmEmbarcaciones",
    .caption = "Embarcaciones",
    .grilla = "grillaEmbaraciones",
    .ado = "adoEmbarcaciones",
    .sql = "select * FROM PES_VW_EMBARCACIONES",
    .columnas = kColumnas,
    .botones = kBotones,
    .tamanio = QSize(1000, 480),
    .registro = "la embarcación seleccionada",
    .tituloBorrar = "Borrar embarcación",
    .preguntaBorrar = "¿Está seguro que desea borrar la embarcación seleccionada?",
    .rechazoBorrar = "No se puede borrar la embarcación seleccionada porque tiene Declaraciones Juradas relacionadas",
};

}  // namespace

frmEmbarcaciones::frmEmbarcaciones() : FormLista(kLista), grillaEmbaraciones(grilla()), adoEmbarcaciones(ado()) {}

void frmEmbarcaciones::AbrirEditor(int op) { Editar<frmEditarEmbarcacion>(op, mEmbarcacion); }

bool frmEmbarcaciones::CargarEmbarcacionSeleccionada()
{
    FilaLista f = Fila();
    clsEmbarcacion e;
    e.IdEmbarcacion = f.Lng(V::PBAR_ID);
    e.Matricula = f.Matricula(V::PBAR_MATRICULA);
    e.Nombre = f.Texto(V::PBAR_NOMBRE);
    e.TipoEmb = f.Texto(V::PTBA_DESCRIPCION);
    e.FInscL7351 = f.TextoOVacio(V::PBAR_FINSC7351);
    e.FAlta = f.Texto(V::PBAR_FALTA);
    e.FBaja = f.TextoOVacio(V::PBAR_FBAJA);
    e.FBotadura = f.TextoOVacio(V::PBAR_FBOTADURA);
    e.Eslora = f.Dbl(V::PBAR_ESLORA);
    e.MCasco = f.Texto(V::PBAR_MATERIALCASCO);
    e.Arboladura = f.Dbl(V::PBAR_ARBOLADURA);
    e.Manga = f.Dbl(V::PBAR_MANGA);
    e.Puntal = f.Dbl(V::PBAR_PUNTAL);
    e.Bodega = f.Dbl(V::PBAR_BODEGA);
    e.TonTotal = f.Dbl(V::PBAR_TONTOTAL);
    e.TonNeto = f.Dbl(V::PBAR_TONNETO);
    e.Potencia = f.Dbl(V::PBAR_POTENCIA);
    e.PoderMotor = f.Dbl(V::PBAR_PODERMOTOR);
    e.MarcaMotor = f.Texto(V::PBAR_MARCAMOTOR);
    e.NroMotor = f.Texto(V::PBAR_NROMOTOR);
    e.TipoMotor = f.Texto(V::PBAR_TIPOMOTOR);
    e.NroCertSeg = f.Texto(V::PBAR_CERTSEGURIDAD);
    e.Puerto = f.Texto(V::PPTO_DESCRIPCION);
    e.ConvGolfo = f.Int(V::PBAR_CONVENIO_GOLFO);
    return Tomar(f, e, mEmbarcacion);
}

// The matrícula as shown: leading zeros are part of the stored key.
void frmEmbarcaciones::BorrarEmbarcacion()
{
    EjecutarBorrado(QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA='")
                    + General::DuplicarComillas(grillaEmbaraciones->Text(V::PBAR_MATRICULA)) + QStringLiteral("'"));
}
