#include "registers/frmEmpresas.h"

#include "platform/forms/DataGrid.h"
#include "registers/frmEditarEmpresa.h"

namespace {

// PES_VW_EMPRESAS by position; the ids beside each description stay hidden.
constexpr forms::ColumnaGrilla kColumnas[] = {
    {"Nro. Empresa", 700},
    {"Cuit", 1300},
    {"Razón Social", 2500},
    {"Nro.Ingresos Brutos", 1200},
    {nullptr, 0},
    {"Tipo de Sociedad", 2000},
    {"Fecha de Alta", 1000},
    {"Fecha de Baja", 1000},
    {"Domicilio Fiscal", 2500},
    {nullptr, 0},
    {"Localidad (Dom Fiscal)", 2200},
    {nullptr, 0},
    {"Provincia (Dom Fiscal)", 1200},
    {"CP (Dom Fiscal)", 900},
    {"Domicilio Real", 2500},
    {nullptr, 0},
    {"Localidad (Dom Real)", 2200},
    {nullptr, 0},
    {"Provincia (Dom Real)", 1200},
    {"CP (Dom Real)", 900},
    {"Domicilio Legal", 2500},
    {nullptr, 0},
    {"Localidad (Dom Legal)", 2200},
    {nullptr, 0},
    {"Provincia  (Dom Legal)", 1200},
    {"CP  (Dom Legal)", 900},
};

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
    e.IdEmpresa = f.Lng(0);
    // Eleven digits: a double holds them exactly.
    e.CUIT = f.Dbl(1);
    e.RSocial = f.Texto(2);
    e.NroIB = f.DblOCero(3);
    e.TipoSoc = f.Texto(5);
    e.FAlta = f.Texto(6);
    e.FBaja = f.TextoOVacio(7);
    e.DomicilioFiscal = f.Texto(8);
    e.LocalidadFiscal = f.Texto(10);
    e.ProvinciaFiscal = f.Texto(12);
    e.CodPostalFiscal = f.Texto(13);
    e.DomicilioReal = f.Texto(14);
    e.LocalidadReal = f.Texto(16);
    e.ProvinciaReal = f.Texto(18);
    e.CodPostalReal = f.Texto(19);
    e.DomicilioLegal = f.Texto(20);
    e.LocalidadLegal = f.Texto(22);
    e.ProvinciaLegal = f.Texto(24);
    e.CodPostalLegal = f.Texto(25);
    return Tomar(f, e, mEmpresa);
}

// The CUIT is the view's own integer, so it goes in unquoted as shown.
QString frmEmpresas::SqlBorrar()
{
    return QStringLiteral("delete * from LNV_PES_TB_EMPRESAS where PEMP_CUIT=") + grillaEmpresas->Text(1);
}
