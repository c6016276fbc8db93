// Where the keyboard goes when a header opens and closes: to the first field
// the clerk can type into, then to the button the header offers next, never
// to a disabled control or to the header's "Eliminar".
#include "guias_fixture.h"

#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Toolbar.h"
#include "support/MainWindowTest.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>
#include <functional>

using namespace guiastest;

namespace {

class CabecerasFoco : public GuiasTest {
protected:
    static bool holds(QWidget* field, QWidget* w) { return w && (w == field || field->isAncestorOf(w)); }
};

TEST_F(CabecerasFoco, NuevoAndModificarOpenTheHeaderOnItsFirstOpenField)
{
    struct Case {
        const char* what;
        std::function<forms::Toolbar*()> open;  // the header's toolbar
        const char* key;
        std::function<QWidget*()> field;
    };
    const Case cases[] = {
        {"new declaration", [&] { return open(1).tlb_cabecera; }, "nuevo", [&] { return (QWidget*)ed().txt_anio; }},
        // Year and month are fixed once numbered: the type comes first.
        {"stored declaration", [&] { return open(2, recordOf(kNro)).tlb_cabecera; }, "modificar",
         [&] { return (QWidget*)ed().cbo_TipoDJ; }},
        {"new guide",
         [&] {
             openGuias();
             return nuevaGuia().tlb_cabecera;
         },
         "nuevo", [&] { return (QWidget*)g().txt_NroGuia; }},
        // Its number is the key of its lines: the date comes first.
        {"stored guide",
         [&] {
             insertGuide({.nro = QStringLiteral("G5")});
             openGuias();
             return modificarGuia().tlb_cabecera;
         },
         "modificar", [&] { return (QWidget*)g().dtp_FechaG; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        forms::Toolbar* tb = c.open();
        click(tb, QString::fromLatin1(c.key));
        QWidget* f = focused();
        EXPECT_TRUE(holds(c.field(), f)) << (f ? f->objectName().toStdString() : "no focus");
        EXPECT_TRUE(f && f->isEnabled() && f->window() == tb->window());
        testsupport::UnloadAllWindows();
    }
}

TEST_F(CabecerasFoco, AceptarAndCancelarHandTheKeyboardToTheButtonOffered)
{
    fillValidHeader();
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    ASSERT_FALSE(ed().frm_cab->isEnabled()) << "the header was not stored";
    EXPECT_EQ(focused(), (QWidget*)ed().tlb_cabecera->Buttons(QStringLiteral("modificar")).widget());

    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    EXPECT_TRUE(holds(ed().cbo_TipoDJ, focused()));
    click(ed().tlb_cabecera, QStringLiteral("cancelar"));
    EXPECT_EQ(focused(), (QWidget*)ed().tlb_cabecera->Buttons(QStringLiteral("modificar")).widget());
}

}  // namespace
