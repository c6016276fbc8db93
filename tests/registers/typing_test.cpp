// What the clerk types into the register editors: a whole date over the
// one proposed, after a click as after Tab, refused with its reason when it
// cannot be taken; Enter in an open list; a new vessel's zeros.
#include "empresas_fixture.h"
#include "vessel_price_fixture.h"

#include "core/controls/ctlNumero.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEditarEmbarcacion.h"
#include "registers/frmEditarPrecio.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmPrecios.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using namespace vptest;

namespace {

QString shown(const forms::DatePicker* d) { return d->Date().toString(QStringLiteral("dd/MM/yyyy")); }

class Typing : public RegisterTest {
protected:
    // A click into the box, then the keys; an optional date is given one first.
    void typeDate(forms::DatePicker* d, const QString& keys)
    {
        if (!d->HasValue()) QTest::mouseClick(d->checkBoxWidget(), Qt::LeftButton);
        ASSERT_TRUE(d->HasValue()) << d->objectName().toStdString();
        clickAndType(d->dateEdit(), keys);
    }
};

TEST_F(Typing, AClickThenAWholeDateGivesThatDateInEveryBox)
{
    frmEditarEmbarcacion& v = newVessel();
    for (forms::DatePicker* d : {v.dtp_FInscL7351, v.dtp_FAlta, v.dtp_FBaja, v.dtp_FBotadura}) {
        // With or without the slashes, one digit for a day or month ended by its slash.
        struct Case {
            const char* keys;
            const char* date;
        };
        for (const Case& c : {Case{"01032006", "01/03/2006"}, Case{"20/04/2006", "20/04/2006"},
                              Case{"2/3/1978", "02/03/1978"}, Case{"31122005", "31/12/2005"}}) {
            typeDate(d, QString::fromLatin1(c.keys));
            EXPECT_EQ(shown(d), QString::fromLatin1(c.date)) << d->objectName().toStdString() << " " << c.keys;
        }
    }
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    typeDate(v.dtp_FAlta, QStringLiteral("14032005"));
    testsupport::Screenshot(&v, QStringLiteral("vessel-dates-typed"));
    type(v.txt_IdEmbarcacion, QStringLiteral("501"));
    type(v.txt_Matricula, QStringLiteral("501"));
    type(v.txt_nombre, QStringLiteral("nueva esperanza"));
    choose(v.cbo_TipoEmb, QStringLiteral("COSTERO"));
    choose(v.cbo_Puertos, QStringLiteral("RAWSON"));
    click(v.toolbar, QStringLiteral("aceptar"));
    EXPECT_EQ(rows(QStringLiteral("select PBAR_FINSC7351, PBAR_FALTA, PBAR_FBAJA, PBAR_FBOTADURA from "
                                  "LNV_PES_TB_EMBARCACIONES where PBAR_ID = 501")),
              QStringList{QStringLiteral("31/12/2005|14/03/2005|31/12/2005|31/12/2005")});

    frmEditarPrecio& p = newPrice();
    typeDate(p.dtp_FAlta, QStringLiteral("01042006"));
    EXPECT_EQ(shown(p.dtp_FAlta), QStringLiteral("01/04/2006"));
    // The arrows still step the date shown; digits then start a whole date again.
    QTest::keyClick(p.dtp_FAlta->dateEdit(), Qt::Key_Up);
    EXPECT_EQ(shown(p.dtp_FAlta), QStringLiteral("02/04/2006"));
    QTest::keyClicks(p.dtp_FAlta->dateEdit(), QStringLiteral("15 06 2007"));
    EXPECT_EQ(shown(p.dtp_FAlta), QStringLiteral("15/06/2007"));
}

// Over today (15/05/2006, the latest date allowed) day 20 is typed before
// the month that makes it valid.
TEST_F(Typing, ADateThatCannotBeTakenIsRefusedWithItsReasonAndTheDateShownStays)
{
    frmEditarEmbarcacion& v = newVessel();
    struct Case {
        const char* keys;
        const char* message;
    };
    for (const Case& c : {Case{"20052006", "La fecha no puede ser posterior al 15/05/2006"},
                          Case{"31022006", "La fecha 31/02/2006 no existe"},
                          Case{"0103\r", "Ingrese la fecha completa: día, mes y año de cuatro cifras (dd/mm/aaaa)"}}) {
        boxes.clear();
        typeDate(v.dtp_FAlta, QString::fromLatin1(c.keys));
        testsupport::Settle();
        EXPECT_EQ(prompts(), QStringList{QString::fromUtf8(c.message)}) << c.keys;
        ASSERT_FALSE(boxes.messages().empty());
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Nueva Embarcación"));
        EXPECT_EQ(shown(v.dtp_FAlta), QStringLiteral("15/05/2006")) << c.keys;
        EXPECT_EQ(v.dtp_FAlta->dateEdit()->text(), QStringLiteral("15/05/2006")) << c.keys;
        EXPECT_EQ(focused(), static_cast<QWidget*>(v.dtp_FAlta)) << c.keys;
    }
    // A half-typed date is not left behind by Tab either, and the next date is taken whole.
    boxes.clear();
    clickAndType(v.dtp_FAlta->dateEdit(), QStringLiteral("1203"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    testsupport::Settle();
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_EQ(focused(), static_cast<QWidget*>(v.dtp_FAlta));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12032006"));
    EXPECT_EQ(shown(v.dtp_FAlta), QStringLiteral("12/03/2006"));
    EXPECT_TRUE(forms::Form::Existing<frmEditarEmbarcacion>());
}

// The keys reach the open list as the window system delivers them: to the
// main window, which hands them to the popup. Sent to the list itself, the
// list would close on the shortcut check before the window saw the Enter.
TEST_F(Typing, EnterInAnOpenListPicksTheItemAndAcceptsNothing)
{
    frmEditarEmbarcacion& v = newVessel();
    frmEditarPrecio& p = newPrice();
    QWindow* ventana = main->windowHandle();
    ASSERT_TRUE(ventana);
    for (forms::ComboBox* cbo : {v.cbo_Puertos, p.cbo_Especies}) {
        focusOn(cbo);
        boxes.clear();
        QTest::keyClick(ventana, Qt::Key_Down, Qt::AltModifier);  // opens the list
        testsupport::Settle();
        ASSERT_TRUE(QApplication::activePopupWidget()) << cbo->objectName().toStdString();
        ASSERT_TRUE(cbo->view()->isAncestorOf(QApplication::focusWidget())
                    || cbo->view() == QApplication::focusWidget());
        QTest::keyClick(ventana, Qt::Key_Down);
        const int marcado = cbo->view()->currentIndex().row();
        QTest::keyClick(ventana, Qt::Key_Return);
        testsupport::Settle();
        EXPECT_GE(marcado, 0);
        EXPECT_EQ(cbo->ListIndex(), marcado) << cbo->objectName().toStdString();
        EXPECT_TRUE(prompts().isEmpty()) << cbo->objectName().toStdString() << ": "
                                         << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(QApplication::activePopupWidget());
    }
    EXPECT_TRUE(forms::Form::Existing<frmEditarEmbarcacion>());
    EXPECT_TRUE(forms::Form::Existing<frmEditarPrecio>());
    // Without a list open Enter accepts, as before.
    pressEnter(p.txtDisposicion);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Ingrese el Valor Banquina de la especie indicada")});
}

TEST_F(Typing, ANewVesselShowsZeroInItsNumericFields)
{
    frmEditarEmbarcacion& v = newVessel();
    for (ctlNumero* n : {v.txt_Eslora, v.txt_Arboladura, v.txt_Manga, v.txt_Puntal, v.txt_Bodega, v.txt_TonTotal,
                         v.txt_TonNeto, v.txt_Potencia, v.txt_Poder})
        EXPECT_EQ(n->toString(), QStringLiteral("0,00")) << n->objectName().toStdString();
}

class CompanyTyping : public empresastest::EmpresasTest {};

TEST_F(CompanyTyping, TheStartAndTheOptionalEndDateTakeWholeDatesAfterAClick)
{
    openList();
    frmEditarEmpresa& e = nueva();
    clickAndType(e.dtp_FAlta->dateEdit(), QStringLiteral("01032006"));
    EXPECT_EQ(shown(e.dtp_FAlta), QStringLiteral("01/03/2006"));
    EXPECT_EQ(e.dtp_FBaja->MinDate(), QDate(2006, 3, 1));

    // The end date: its box checked, an arrow pressed, then the date with blanks.
    ASSERT_FALSE(e.dtp_FBaja->HasValue());
    QTest::mouseClick(e.dtp_FBaja->checkBoxWidget(), Qt::LeftButton);
    ASSERT_TRUE(e.dtp_FBaja->HasValue());
    clickAndType(e.dtp_FBaja->dateEdit(), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15 06 2006"));
    EXPECT_EQ(shown(e.dtp_FBaja), QStringLiteral("15/06/2006"));

    boxes.clear();
    clickAndType(e.dtp_FBaja->dateEdit(), QStringLiteral("28022006"));
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("La fecha no puede ser anterior al 01/03/2006")});
    EXPECT_EQ(shown(e.dtp_FBaja), QStringLiteral("15/06/2006"));

    // Unchecked again, the company has no end date.
    QTest::mouseClick(e.dtp_FBaja->checkBoxWidget(), Qt::LeftButton);
    EXPECT_TRUE(e.dtp_FBaja->Value().isNull());
}

}  // namespace
