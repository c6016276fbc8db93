// The four list windows as their menu items open them: caption, place,
// toolbar and column table, one case each. They sit here because the main
// window is the one layer that reaches both the declarations and the
// registers.
#include "core/FormLista.h"
#include "declarations/frmDDJJ.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmEmpresas.h"
#include "registers/frmPrecios.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "ui/MDIPrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <vector>

namespace {

struct Boton {
    const char* key;  // nullptr: a separator
    const char* caption = nullptr;
};
struct Columna {
    const char* caption;  // nullptr: not checked (a hidden column keeps the view's name)
    int width;            // 0: hidden
    int alignment = forms::dbgLeft;
    const char* format = "";
};
struct Lista {
    const char* nombre;
    QAction* MDIPrincipal::*menu;
    FormLista* (*abierta)();
    const char* caption;
    std::vector<Boton> botones;
    std::vector<Columna> columnas;
};

template <class F> FormLista* abierta() { return forms::Form::Existing<F>(); }

const Lista kListas[] = {
    {"frmDDJJ",
     &MDIPrincipal::op_DDJJ,
     &abierta<frmDDJJ>,
     "Declaraciones Juradas Ley 7351",
     {{"salir", "Salir"},
      {"nuevo", "Nuevo"},
      {nullptr},
      {"modificar", "Modificar"},
      {"borrar", "Eliminar"},
      {nullptr},
      {"imprimir", "Imprimir DJ"},
      {"disco", "Generar disco"}},
     {
         {"Nro. DDJJ", 1400},
         {"Año", 500},
         {"Mes", 500},
         {"", 0},
         {"Tipo DDJJ", 2100},
         {"Nro. Embarcación", 500},
         {"Matrícula", 500},
         {"Nombre", 2000},
         {"", 0},
         {"Estado Emb.", 1000},
         {"", 0},
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
         {"", 0},
         {"Carácter", 1500},
     }},
    {"frmEmpresas",
     &MDIPrincipal::op_empresas,
     &abierta<frmEmpresas>,
     "Empresas",
     {{"salir", "Salir"}, {nullptr}, {"nuevo", "Nuevo"}, {"modificar", "Modificar"}, {"borrar", "Borrar"}},
     {
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
     }},
    {"frmEmbarcaciones",
     &MDIPrincipal::op_Embarcaciones,
     &abierta<frmEmbarcaciones>,
     "Embarcaciones",
     {{"salir", "Salir"}, {"nuevo", "Nuevo"}, {nullptr}, {"modificar", "Modificar"}, {"borrar", "Borrar"}},
     {
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
     }},
    {"frmPrecios",
     &MDIPrincipal::op_Precios,
     &abierta<frmPrecios>,
     "Valores Banquina",
     {{"salir", "Salir"}, {"nuevo", "Nuevo"}, {nullptr}, {"modificar", "Modificar"}, {"borrar", "Borrar"}},
     {
         {"", 0},
         {"", 0},
         {"Especie", 2000},
         {"Valor Banquina", 1200, forms::dbgRight, "0.000"},
         {"Vigencia", 1200, forms::dbgCenter},
         {"Disposición", 2000},
     }},
};

// The sample registers and one declaration: every list holds a row.
class ListWindows : public testsupport::MainWindowTest {
protected:
    ListWindows() : MainWindowTest(true) {}
};

TEST_F(ListWindows, EachOpensFromItsMenuAtTheTopLeftWithItsButtonsAndColumns)
{
    testsupport::insertDeclaration({.nro = QStringLiteral("30708123451012320060501")});
    for (const Lista& l : kListas) {
        SCOPED_TRACE(l.nombre);
        triggerMenu(main->*l.menu);
        FormLista* f = l.abierta();
        ASSERT_TRUE(f);
        EXPECT_FALSE(main->op_archivo->menuAction()->isEnabled());
        EXPECT_FALSE(main->op_Tablas->menuAction()->isEnabled());
        EXPECT_FALSE(main->op_DJ->menuAction()->isEnabled());
        EXPECT_EQ(f->Caption(), QString::fromUtf8(l.caption));
        ASSERT_TRUE(f->subWindow());
        EXPECT_EQ(main->mdiArea()->activeSubWindow(), f->subWindow());
        EXPECT_EQ(f->subWindow()->pos(), QPoint(0, 0));

        // With a row in the list every button is enabled.
        ASSERT_EQ(f->tlbMonedas->Count(), int(l.botones.size()));
        for (int i = 1; i <= int(l.botones.size()); ++i) {
            const Boton& esperado = l.botones[size_t(i - 1)];
            const forms::Button b = f->tlbMonedas->Buttons(i);
            if (!esperado.key) {
                EXPECT_TRUE(b.IsSeparator()) << i;
                continue;
            }
            EXPECT_EQ(b.Key(), QString::fromLatin1(esperado.key)) << i;
            EXPECT_EQ(b.Caption(), QString::fromUtf8(esperado.caption)) << i;
            EXPECT_TRUE(b.Enabled()) << i;
        }

        forms::DataGrid* g = f->grilla();
        ASSERT_EQ(g->ColumnCount(), int(l.columnas.size()));
        for (int i = 0; i < g->ColumnCount(); ++i) {
            const Columna& esperada = l.columnas[size_t(i)];
            forms::Column c = g->Columns(i);
            if (esperada.caption) {
                EXPECT_EQ(c.Caption(), QString::fromUtf8(esperada.caption)) << i;
            }
            EXPECT_EQ(c.Width(), esperada.width) << i;
            EXPECT_EQ(g->isColumnHidden(i), esperada.width == 0) << i;
            EXPECT_EQ(c.Alignment(), esperada.alignment) << i;
            EXPECT_EQ(c.NumberFormat(), QString::fromLatin1(esperada.format)) << i;
        }

        f->Unload();
        EXPECT_TRUE(menusEnabled());
    }
}

}  // namespace
