#include "registers/frmEmpresas.h"

#include "core/schema/Vistas.h"
#include "platform/forms/DataGrid.h"
#include "registers/frmEditarEmpresa.h"

namespace {

namespace V = PES_VW_EMPRESAS;

// The ids beside each description stay hidden.
constexpr auto kColumnas = forms::PorPosicion<V::Columnas>({
    {V::PEMP_ID, {"Nro. Empresa", 700}},
    {V::PEMP_CUIT, {"Cuit", 1300}},
    {V::PEMP_RSOCIAL, {"Razón Social", 2500}},
    {V::PEMP_NROIB, {"Nro.Ingresos Brutos", 1200}},
    {V::GTSO_ID, {nullptr, 0}},
    {V::GTSO_DESCRIPCION, {"Tipo de Sociedad", 2000}},
    {V::PEMP_FALTA, {"Fecha de Alta", 1000}},
    {V::PEMP_FBAJA, {"Fecha de Baja", 1000}},
    {V::PEMP_DOM_FISCAL, {"Domicilio Fiscal", 2500}},
    {V::GLOC_ID_DF, {nullptr, 0}},
    {V::GLOC_DESCRIPCION_DF, {"Localidad (Dom Fiscal)", 2200}},
    {V::GPRO_ID_DF, {nullptr, 0}},
    {V::GPRO_DESCRIPCION_DF, {"Provincia (Dom Fiscal)", 1200}},
    {V::PEMP_CP_DF, {"CP (Dom Fiscal)", 900}},
    {V::PEMP_DOM_REAL, {"Domicilio Real", 2500}},
    {V::GLOC_ID_DR, {nullptr, 0}},
    {V::GLOC_DESCRIPCION_DR, {"Localidad (Dom Real)", 2200}},
    {V::GPRO_ID_DR, {nullptr, 0}},
    {V::GPRO_DESCRIPCION_DR, {"Provincia (Dom Real)", 1200}},
    {V::PEMP_CP_DR, {"CP (Dom Real)", 900}},
    {V::PEMP_DOM_LEGAL, {"Domicilio Legal", 2500}},
    {V::GLOC_ID_DL, {nullptr, 0}},
    {V::GLOC_DESCRIPCION_DL, {"Localidad (Dom Legal)", 2200}},
    {V::GPRO_ID_DL, {nullptr, 0}},
    {V::GPRO_DESCRIPCION_DL, {"Provincia  (Dom Legal)", 1200}},
    {V::PEMP_CP_DL, {"CP  (Dom Legal)", 900}},
});

constexpr FormLista::Boton kBotones[] = {
    {"salir", "Salir"}, {nullptr}, {"nuevo", "Nuevo"}, {"modificar", "Modificar", true}, {"borrar", "Borrar", true},
};

const FormLista::Definicion kLista = {
    .nombre = "frmEmpresas",
    .caption = "Empresas",
    .grilla = "grillaEmpresas",
    .ado = "adoEmpresas",
    .sql = "select * FROM PES_VW_EMPRESAS",
    .columnas = kColumnas,
    .botones = kBotones,
    .tamanio = QSize(1000, 480),
    .registro = "la empresa seleccionada",
    .tituloBorrar = "Borrar empresa",
    .preguntaBorrar = "¿Está seguro que desea borrar la empresa seleccionada?",
    .rechazoBorrar = "No se puede borrar la empresa seleccionada porque tiene Declaraciones Juradas relacionadas",
};

}  // namespace

frmEmpresas::frmEmpresas() : FormLista(kLista), grillaEmpresas(grilla()), adoEmpresas(ado()) {}

void frmEmpresas::AbrirEditor(int op) { Editar<frmEditarEmpresa>(op, mEmpresa); }

bool frmEmpresas::CargarEmpresaSeleccionada()
{
    FilaLista f = Fila();
    clsEmpresa e;
    e.IdEmpresa = f.Lng(V::PEMP_ID);
    // Eleven digits: a double holds them exactly.
    e.CUIT = f.Dbl(V::PEMP_CUIT);
    e.RSocial = f.Texto(V::PEMP_RSOCIAL);
    e.NroIB = f.DblOCero(V::PEMP_NROIB);
    e.TipoSoc = f.Texto(V::GTSO_DESCRIPCION);
    e.FAlta = f.Texto(V::PEMP_FALTA);
    e.FBaja = f.TextoOVacio(V::PEMP_FBAJA);
    e.DomicilioFiscal = f.Texto(V::PEMP_DOM_FISCAL);
    e.LocalidadFiscal = f.Texto(V::GLOC_DESCRIPCION_DF);
    e.ProvinciaFiscal = f.Texto(V::GPRO_DESCRIPCION_DF);
    e.CodPostalFiscal = f.Texto(V::PEMP_CP_DF);
    e.DomicilioReal = f.Texto(V::PEMP_DOM_REAL);
    e.LocalidadReal = f.Texto(V::GLOC_DESCRIPCION_DR);
    e.ProvinciaReal = f.Texto(V::GPRO_DESCRIPCION_DR);
    e.CodPostalReal = f.Texto(V::PEMP_CP_DR);
    e.DomicilioLegal = f.Texto(V::PEMP_DOM_LEGAL);
    e.LocalidadLegal = f.Texto(V::GLOC_DESCRIPCION_DL);
    e.ProvinciaLegal = f.Texto(V::GPRO_DESCRIPCION_DL);
    e.CodPostalLegal = f.Texto(V::PEMP_CP_DL);
    return Tomar(f, e, mEmpresa);
}

// The CUIT is the view's own integer, so it goes in unquoted as shown.
void frmEmpresas::BorrarEmpresa()
{
    EjecutarBorrado(QStringLiteral("delete * from LNV_PES_TB_EMPRESAS where PEMP_CUIT=")
                    + grillaEmpresas->Text(V::PEMP_CUIT));
}
