// The declaration and guide editors as a screen reader reads them: no stop
// without its field's name on any tab, the numbers and dates spoken by
// their labels, and the tabs that cannot be chosen said to be disabled.
#include "guias_fixture.h"

#include "core/controls/ctlNumero.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/TabbedDialog.h"
#include "support/Accesible.h"

#include <QAccessible>
#include <QApplication>
#include <QTabBar>

namespace guiastest {
namespace {

using testsupport::NombreAccesible;
using testsupport::ValorAccesible;

class Accesible : public GuiasTest {};

// Every number and date box of the window, each spoken by its own label.
void esperarCamposNombrados(QWidget* ventana, int numeros, int fechas)
{
    const QList<ctlNumero*> n = ventana->findChildren<ctlNumero*>();
    const QList<forms::DatePicker*> d = ventana->findChildren<forms::DatePicker*>();
    EXPECT_EQ(n.size(), numeros);
    EXPECT_EQ(d.size(), fechas);
    QList<QWidget*> campos(n.begin(), n.end());
    campos.append(QList<QWidget*>(d.begin(), d.end()));
    for (QWidget* c : campos) {
        if (c->isHidden()) continue;  // the program's own, never shown
        const QString nombre = c->accessibleName();
        EXPECT_FALSE(nombre.isEmpty()) << c->objectName().toStdString();
        QWidget* interior = c->focusProxy();
        ASSERT_TRUE(interior) << c->objectName().toStdString();
        EXPECT_EQ(NombreAccesible(interior), nombre) << c->objectName().toStdString();
    }
}

TEST_F(Accesible, NoStopOfTheDeclarationOrTheGuideEditorIsUnnamed)
{
    Guia guia;
    guia.nro = QStringLiteral("000123");
    insertGuide(guia);
    frmEditarDJ& e = openGuias();
    EXPECT_EQ(testsupport::SinNombre(&e), QStringList());
    esperarCamposNombrados(&e, 21, 0);

    // A stored guide: both of its tabs can be chosen.
    e.SSTab1->setTab(2);
    testsupport::Settle();
    frmEditarGuias& editor = modificarGuia();
    ASSERT_TRUE(editor.SSTab1->TabEnabled(1));
    EXPECT_EQ(testsupport::SinNombre(&editor), QStringList());
    esperarCamposNombrados(&editor, 10, 1);
}

TEST_F(Accesible, TabIntoAnAmountSpeaksItsLabelAndItsValue)
{
    open(2, recordOf(kNro));
    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    typeAndLeave(ed().txt_Interes, QStringLiteral("1234,5"));
    QWidget* f = testsupport::TabHacia(ed().txt_Interes);
    ASSERT_TRUE(ed().txt_Interes->isAncestorOf(f));
    EXPECT_EQ(NombreAccesible(f), QStringLiteral("Intereses"));
    EXPECT_EQ(ValorAccesible(f), QStringLiteral("1234,50"));
}

// A new declaration offers only its header tab: the other three are drawn
// disabled and a screen reader hears them so.
TEST_F(Accesible, TheTabsThatCannotBeChosenAreSpokenDisabled)
{
    open(1);
    forms::TabbedDialog* t = ed().SSTab1;
    auto* barra = t->findChild<QTabBar*>();
    ASSERT_TRUE(barra);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(barra);
    ASSERT_TRUE(i);
    ASSERT_GE(i->childCount(), t->Tabs());  // the tabs, then the scroll buttons
    for (int k = 0; k < t->Tabs(); ++k) {
        QAccessibleInterface* pestana = i->child(k);
        ASSERT_TRUE(pestana);
        EXPECT_EQ(pestana->role(), QAccessible::PageTab);
        EXPECT_EQ(pestana->text(QAccessible::Name), t->TabCaption(k));
        EXPECT_EQ(pestana->state().disabled, !t->TabEnabled(k)) << k;
        EXPECT_EQ(i->indexOfChild(pestana), k);
    }
    EXPECT_FALSE(i->child(0)->state().disabled);
    EXPECT_TRUE(i->child(1)->state().disabled);
}

}  // namespace
}  // namespace guiastest
