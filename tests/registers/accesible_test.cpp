// The register editors as a screen reader reads them: every field Tab
// reaches is spoken by its label with the value it shows, combos tell
// their list, and no stop goes unnamed.
#include "empresas_fixture.h"
#include "vessel_price_fixture.h"

#include "core/controls/ctlNumero.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEditarEmbarcacion.h"
#include "registers/frmEditarPrecio.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmPrecios.h"
#include "support/Accesible.h"
#include "ui/MDIPrincipal.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

using namespace vptest;
using empresastest::kNroIB;
using testsupport::NombreAccesible;
using testsupport::ValorAccesible;

namespace {

class Accesible : public RegisterTest {};

struct Campo {
    QWidget* campo;
    const char* nombre;
    const char* valor;
};

// Tab into the field: the widget that takes the focus is named by the label
// and tells what the field shows; the next Tab leaves the field, so the
// field's outer control is no stop of its own.
void esperarHablado(const Campo& c)
{
    const std::string cual = c.campo->objectName().toStdString();
    QWidget* f = testsupport::TabHacia(c.campo);
    ASSERT_TRUE(f == c.campo || c.campo->isAncestorOf(f)) << cual;
    EXPECT_EQ(NombreAccesible(f), QString::fromUtf8(c.nombre)) << cual;
    EXPECT_EQ(ValorAccesible(f), QString::fromUtf8(c.valor)) << cual;
    QTest::keyClick(f, Qt::Key_Tab);
    testsupport::Settle(1);
    QWidget* despues = QApplication::focusWidget();
    // A date with its "Con fecha" box has two stops, the box and the date, both named.
    if (despues == c.campo || c.campo->isAncestorOf(despues)) {
        EXPECT_TRUE(qobject_cast<QCheckBox*>(f) && qobject_cast<QDateEdit*>(despues)) << cual;
        EXPECT_EQ(NombreAccesible(despues), QString::fromUtf8(c.nombre)) << cual;
        QTest::keyClick(despues, Qt::Key_Tab);
        testsupport::Settle(1);
        EXPECT_FALSE(c.campo->isAncestorOf(QApplication::focusWidget())) << cual;
    }
}

TEST_F(Accesible, TabIntoEachKindOfFieldSpeaksItsLabelAndWhatItShows)
{
    frmEditarEmbarcacion& v = newVessel();
    type(v.txt_nombre, QStringLiteral("don pepe"));
    choose(v.cbo_Puertos, QStringLiteral("RAWSON"));
    typeAndLeave(v.txt_Eslora, QStringLiteral("1250"));
    for (const Campo& c : {Campo{v.txt_nombre, "Nombre", "DON PEPE"}, Campo{v.cbo_Puertos, "Puerto", "RAWSON"},
                           Campo{v.txt_Eslora, "Eslora", "1250,00"}, Campo{v.txt_Poder, "Poder (HP)", "0,00"},
                           // The optional date without one: the focus is on its check box.
                           Campo{v.dtp_FBaja, "Fecha Baja", ""}})
        esperarHablado(c);
    ASSERT_FALSE(v.dtp_FBaja->HasValue());
    EXPECT_EQ(QApplication::focusWidget()->accessibleDescription(), QStringLiteral("Con fecha"));

    frmEditarPrecio& p = newPrice();
    choose(p.cbo_Especies, p.cbo_Especies->itemText(0));
    typeAndLeave(p.txt_precio, QStringLiteral("5,4"));
    for (const Campo& c :
         {Campo{p.cbo_Especies, "Especie", ""}, Campo{p.txt_precio, "Precio por Kg.", "5,400"},
          Campo{p.dtp_FAlta, "Fecha Entrada en Vigencia", "15/05/2006"}, Campo{p.txtDisposicion, "Disposición", ""}}) {
        Campo esperado = c;
        const QByteArray especie = p.cbo_Especies->Text().toUtf8();
        const QByteArray disposicion = p.txtDisposicion->text().toUtf8();
        if (c.campo == p.cbo_Especies) esperado.valor = especie.constData();
        if (c.campo == p.txtDisposicion) esperado.valor = disposicion.constData();
        esperarHablado(esperado);
    }
}

TEST_F(Accesible, AComboSpeaksItsLabelItsChoiceAndItsList)
{
    frmEditarEmbarcacion& v = newVessel();
    choose(v.cbo_Puertos, QStringLiteral("RAWSON"));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(v.cbo_Puertos);
    ASSERT_TRUE(i);
    EXPECT_EQ(i->role(), QAccessible::ComboBox);
    EXPECT_EQ(i->text(QAccessible::Name), QStringLiteral("Puerto"));
    EXPECT_EQ(i->text(QAccessible::Value), QStringLiteral("RAWSON"));
    ASSERT_GE(i->childCount(), 1);
    QAccessibleInterface* lista = i->child(0);
    ASSERT_TRUE(lista);
    EXPECT_EQ(lista->parent()->object(), v.cbo_Puertos);
    QStringList items;
    for (int k = 0; k < lista->childCount(); ++k) items << lista->child(k)->text(QAccessible::Name);
    QStringList esperados;
    for (int k = 0; k < v.cbo_Puertos->ListCount(); ++k) esperados << v.cbo_Puertos->List(k);
    EXPECT_EQ(items, esperados);
    // Nothing chosen: the name stays the label, the value is empty.
    frmEditarPrecio& p = newPrice();
    QAccessibleInterface* e = QAccessible::queryAccessibleInterface(p.cbo_Especies);
    EXPECT_EQ(e->text(QAccessible::Name), QStringLiteral("Especie"));
    EXPECT_EQ(e->text(QAccessible::Value), QString());
}

// With the check box hidden the picker shows the date alone; shown, the box
// is one of its parts.
TEST_F(Accesible, TheConFechaBoxIsExposedOnlyWhileShown)
{
    frmEditarPrecio& p = newPrice();
    frmEditarEmbarcacion& v = newVessel();
    auto partes = [](forms::DatePicker* d) {
        QList<QObject*> s;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(d);
        for (int k = 0; k < i->childCount(); ++k) s << i->child(k)->object();
        return s;
    };
    ASSERT_FALSE(p.dtp_FAlta->checkBoxWidget()->isVisibleTo(p.dtp_FAlta));
    EXPECT_EQ(partes(p.dtp_FAlta), QList<QObject*>{p.dtp_FAlta->dateEdit()});
    EXPECT_EQ(partes(v.dtp_FBaja), (QList<QObject*>{v.dtp_FBaja->checkBoxWidget(), v.dtp_FBaja->dateEdit()}));
}

TEST_F(Accesible, NoStopOfTheVesselAndPriceEditorsIsUnnamed)
{
    EXPECT_EQ(testsupport::SinNombre(&newVessel()), QStringList());
    EXPECT_EQ(testsupport::SinNombre(&newPrice()), QStringList());
}

class EmpresaAccesible : public empresastest::EmpresasTest {};

TEST_F(EmpresaAccesible, TheMaskAndTheDatesSpeakTheirLabelsAndNoStopIsUnnamed)
{
    openList();
    frmEditarEmpresa& e = nueva();
    type(e.txt_RSocial, QStringLiteral("pesquera"));
    type(e.mskNroInscripcion, kNroIB);
    for (const Campo& c :
         {Campo{e.txt_RSocial, "Razón Social", "PESQUERA"},
          Campo{e.mskNroInscripcion, "Nro. Ing. Brutos", "901-123456-3"},
          Campo{e.dtp_FAlta, "Fecha Alta - Ley 7351", "15/05/2006"}, Campo{e.dtp_FBaja, "Fecha Baja - Ley 7351", ""}})
        esperarHablado(c);
    EXPECT_EQ(testsupport::SinNombre(&e), QStringList());
}

}  // namespace
