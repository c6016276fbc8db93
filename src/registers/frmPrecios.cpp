#include "registers/frmPrecios.h"

#include "platform/forms/DataGrid.h"
#include "registers/frmEditarPrecio.h"

namespace {

// The view's columns by position: ids hidden, the price with three decimals.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"", 0},
    {"", 0},
    {"Especie", 2000},
    {"Valor Banquina", 1200, forms::dbgRight, "0.000"},
    {"Vigencia", 1200, forms::dbgCenter},
    {"Disposición", 2000, forms::dbgLeft},
};

constexpr FormLista::Boton kBotones[] = {
    {"salir", "Salir"}, {"nuevo", "Nuevo"}, {nullptr}, {"modificar", "Modificar", true}, {"borrar", "Borrar", true},
};

// The visible columns side by side.
const FormLista::Definicion kLista = {
    .nombre = "frmPrecios",
    .caption = "Valores Banquina",
    .grilla = "grillaPrecios",
    .ado = "adoPrecios",
    .sql = "select * FROM PES_VW_PRECIOS_LEY7351 order by PPRE_FVIGENCIA DESC, PTES_DESCRIPCION",
    .columnas = kColumnas,
    .botones = kBotones,
    .tamanio = QSize(600, 420),
    .registro = "el valor banquina seleccionado",
    .tituloBorrar = "Borrar valor banquina",
    .preguntaBorrar = "¿Está seguro que desea borrar el valor banquina seleccionado?",
    .rechazoBorrar = "No se puede borrar el Precio seleccionado",
};

}  // namespace

frmPrecios::frmPrecios() : FormLista(kLista), grillaPrecios(grilla()), adoPrecios(ado()) {}

void frmPrecios::AbrirEditor(int op) { Editar<frmEditarPrecio>(op, mPrecio); }

bool frmPrecios::CargarPrecioSeleccionado()
{
    FilaLista f = Fila();
    clsPrecios p;
    p.IdPrecio = f.Lng(0);
    p.IdEspecie = f.Lng(1);
    p.valor = f.Dbl(3);
    p.FAlta(f.Texto(4));
    p.Disposicion = f.Texto(5);
    return Tomar(f, p, mPrecio);
}

QString frmPrecios::SqlBorrar()
{
    return QStringLiteral("delete * from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID=") + grillaPrecios->Text(0);
}
