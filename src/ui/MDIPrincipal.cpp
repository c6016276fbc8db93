#include "ui/MDIPrincipal.h"

#include "core/MenuPrincipal.h"
#include "declarations/frmDDJJ.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/MsgBox.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmEmpresas.h"
#include "registers/frmPrecios.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace {
MDIPrincipal* g_main = nullptr;
// The frame's title also shows a maximized child's caption; the caption
// itself stays this.
const QString kCaption = QStringLiteral("Ley 7351");
}  // namespace

MDIPrincipal& MDIPrincipal::Instance()
{
    if (!g_main) g_main = new MDIPrincipal();
    return *g_main;
}

MDIPrincipal* MDIPrincipal::Existing() { return g_main; }

MDIPrincipal::MDIPrincipal()
{
    setObjectName(QStringLiteral("MDIPrincipal"));
    setWindowTitle(kCaption);
    m_area = forms::Nombrado(new QMdiArea(this), "mdiArea");
    m_area->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_area);
    forms::Form::SetMdiArea(m_area);
    MenuPrincipal::SetHabDeshabMenu([this](bool on) { HabDeshabMenu(on); });

    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (MDIPrincipal::*slot)()) {
        QAction* a = forms::Nombrado(menu->addAction(caption), name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    op_archivo = forms::Nombrado(menuBar()->addMenu(QStringLiteral("Archivo")), "op_archivo");
    op_salir = item(op_archivo, "op_salir", QStringLiteral("Salir"), &MDIPrincipal::op_salir_Click);
    op_Tablas = forms::Nombrado(menuBar()->addMenu(QStringLiteral("Tablas")), "op_Tablas");
    op_empresas = item(op_Tablas, "op_empresas", QStringLiteral("Empresas"), &MDIPrincipal::op_empresas_Click);
    op_Embarcaciones =
        item(op_Tablas, "op_Embarcaciones", QStringLiteral("Embarcaciones"), &MDIPrincipal::op_Embarcaciones_Click);
    op_Precios = item(op_Tablas, "op_Precios", QStringLiteral("Valores Banquina"), &MDIPrincipal::op_Precios_Click);
    op_DJ = forms::Nombrado(menuBar()->addMenu(QStringLiteral("Declaraciones Juradas")), "op_DJ");
    op_DDJJ = item(op_DJ, "op_DDJJ", QStringLiteral("Declaraciones Juradas"), &MDIPrincipal::op_DDJJ_Click);
}

MDIPrincipal::~MDIPrincipal()
{
    forms::Form::SetMdiArea(nullptr);
    MenuPrincipal::SetHabDeshabMenu({});
    if (g_main == this) g_main = nullptr;
}

void MDIPrincipal::Show() { showMaximized(); }

void MDIPrincipal::HabDeshabMenu(bool Habilitar)
{
    for (QMenu* m : {op_archivo, op_Tablas, op_DJ}) m->menuAction()->setEnabled(Habilitar);
}

void MDIPrincipal::op_salir_Click()
{
    if (forms::MsgBox(QStringLiteral("¿Está seguro que desea salir del sistema?"), forms::vbYesNo | forms::vbQuestion,
                      kCaption)
        == forms::vbYes)
        endProgram();
}

void MDIPrincipal::endProgram()
{
    forms::Form::UnloadAll();
    hide();
    deleteLater();
    QApplication::quit();
}

void MDIPrincipal::closeEvent(QCloseEvent* e)
{
    // The close box ends the program without a question.
    e->accept();
    forms::Form::UnloadAll();
    deleteLater();
    QApplication::quit();
}

void MDIPrincipal::op_empresas_Click()
{
    HabDeshabMenu(false);
    forms::Form::Instance<frmEmpresas>().Show();
}

void MDIPrincipal::op_Embarcaciones_Click()
{
    HabDeshabMenu(false);
    forms::Form::Instance<frmEmbarcaciones>().Show();
}

void MDIPrincipal::op_Precios_Click()
{
    HabDeshabMenu(false);
    forms::Form::Instance<frmPrecios>().Show();
}

void MDIPrincipal::op_DDJJ_Click()
{
    HabDeshabMenu(false);
    forms::Form::Instance<frmDDJJ>().Show();
}
