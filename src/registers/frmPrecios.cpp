#include "registers/frmPrecios.h"

#include "core/schema/Vistas.h"
#include "platform/forms/DataGrid.h"
#include "registers/frmEditarPrecio.h"

namespace {

namespace V = PES_VW_PRECIOS_LEY7351;

// Ids hidden, the price with three decimals.
constexpr auto kColumnas = forms::PorPosicion<V::Columnas>({
    {V::PPRE_ID, {"", 0}},
    {V::PTES_ID, {"", 0}},
    {V::PTES_DESCRIPCION, {"Especie", 2000}},
    {V::PPRE_VALOR, {"Valor Banquina", 1200, forms::dbgRight, "0.000"}},
    {V::PPRE_FVIGENCIA, {"Vigencia", 1200, forms::dbgCenter}},
    {V::PPRE_DISPOSICION, {"Disposición", 2000, forms::dbgLeft}},
});

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
    p.IdPrecio = f.Lng(V::PPRE_ID);
    p.IdEspecie = f.Lng(V::PTES_ID);
    p.valor = f.Dbl(V::PPRE_VALOR);
    p.FAlta(f.Texto(V::PPRE_FVIGENCIA));
    p.Disposicion = f.Texto(V::PPRE_DISPOSICION);
    return Tomar(f, p, mPrecio);
}

void frmPrecios::BorrarPrecio()
{
    EjecutarBorrado(QStringLiteral("delete * from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID=")
                    + grillaPrecios->Text(V::PPRE_ID));
}
