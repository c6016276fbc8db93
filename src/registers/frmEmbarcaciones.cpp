#include "registers/frmEmbarcaciones.h"

#include "core/General.h"
#include "platform/forms/DataGrid.h"
#include "registers/frmEditarEmbarcacion.h"

namespace {

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
    e.IdEmbarcacion = f.Lng(0);
    e.Matricula = f.Matricula(1);
    e.Nombre = f.Texto(2);
    e.TipoEmb = f.Texto(4);
    e.FInscL7351 = f.TextoOVacio(5);
    e.FAlta = f.Texto(6);
    e.FBaja = f.TextoOVacio(7);
    e.FBotadura = f.TextoOVacio(8);
    e.Eslora = f.Dbl(9);
    e.MCasco = f.Texto(10);
    e.Arboladura = f.Dbl(11);
    e.Manga = f.Dbl(12);
    e.Puntal = f.Dbl(13);
    e.Bodega = f.Dbl(14);
    e.TonTotal = f.Dbl(15);
    e.TonNeto = f.Dbl(16);
    e.Potencia = f.Dbl(17);
    e.PoderMotor = f.Dbl(18);
    e.MarcaMotor = f.Texto(19);
    e.NroMotor = f.Texto(20);
    e.TipoMotor = f.Texto(21);
    e.NroCertSeg = f.Texto(22);
    e.Puerto = f.Texto(24);
    e.ConvGolfo = f.Int(25);
    return Tomar(f, e, mEmbarcacion);
}

// The matrícula as shown: leading zeros are part of the stored key.
QString frmEmbarcaciones::SqlBorrar()
{
    return QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES where PBAR_MATRICULA='")
        + General::DuplicarComillas(grillaEmbaraciones->Text(1)) + QStringLiteral("'");
}
