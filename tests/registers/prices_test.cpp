// The dock-price register: the list's order, the editor's checks, insert,
// update, deletion, keys, and the price reaching the declaration editor.
#include "support/LocaleRun.h"
#include "vessel_price_fixture.h"

#include "core/controls/ctlNumero.h"
#include "declarations/frmDDJJ.h"
#include "declarations/frmEditarDJ.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEditarPrecio.h"
#include "registers/frmPrecios.h"
#include "ui/MDIPrincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace vptest;

namespace {

class Prices : public RegisterTest {
protected:
    // Two species on one date, an older price of one of them, and a third species.
    void insertFour()
    {
        insertPrice(1, 0.85, QStringLiteral("2005-01-01"), QStringLiteral("DISP 04/05"));
        insertPrice(2, 5.4, QStringLiteral("2006-04-01"), QStringLiteral("DISP 15/06"));
        insertPrice(1, 1.05, QStringLiteral("2006-04-01"));
        insertPrice(3, 1.25, QStringLiteral("2006-02-01"), QStringLiteral("DISP 08/06"));
    }
    frmPrecios& openList() { return RegisterTest::openList<frmPrecios>(main->op_Precios); }
    frmEditarPrecio& ed() { return editor<frmEditarPrecio>(); }
    bool editorOpen() const { return forms::Form::Existing<frmEditarPrecio>() != nullptr; }
    frmEditarPrecio& openNew()
    {
        click(openList().tlbMonedas, "nuevo");
        return ed();
    }
    void selectRow(frmPrecios& f, int row) { clickCell(f.grillaPrecios, row, 2); }
    QStringList stored()
    {
        return rows(QStringLiteral(
            "select PPRE_ID, PTES_ID, PPRE_VALOR, PPRE_FVIGENCIA, PPRE_DISPOSICION from LNV_PES_TB_PRECIOS_LEY7351 "
            "order by PPRE_ID"));
    }
    void closeAll()
    {
        testsupport::UnloadAllWindows();
        main->HabDeshabMenu(true);
    }
};

// ---------------------------------------------------------------- the list

// Its caption, place, buttons and columns: tests/ui/lists_test.cpp.
TEST_F(Prices, TheListShowsTheNewestPricesFirstThenBySpecies)
{
    insertFour();
    frmPrecios& f = openList();
    EXPECT_FALSE(menusEnabled());
    EXPECT_EQ(shownRows(f.grillaPrecios),
              (QStringList{"LANGOSTINO|5,400|01/04/2006|DISP 15/06", "MERLUZA HUBBSI|1,050|01/04/2006|",
                           "CALAMAR ILLEX|1,250|01/02/2006|DISP 08/06", "MERLUZA HUBBSI|0,850|01/01/2005|DISP 04/05"}));
    EXPECT_EQ(f.grillaPrecios->Row(), 0);
    EXPECT_EQ(f.grillaPrecios->SelBookmarks().Count(), 1);
    testsupport::Screenshot(main, QStringLiteral("price-list"));

    click(f.tlbMonedas, "salir");
    EXPECT_EQ(forms::Form::Existing<frmPrecios>(), nullptr);
    EXPECT_TRUE(menusEnabled());
}

TEST_F(Prices, AnEmptyRegisterOffersANewPriceOfAnySpeciesButSinPesca)
{
    frmPrecios& f = openList();
    EXPECT_FALSE(f.tlbMonedas->Buttons(4).Enabled());
    EXPECT_FALSE(f.tlbMonedas->Buttons(5).Enabled());
    click(f.tlbMonedas, "nuevo");
    frmEditarPrecio& e = ed();
    EXPECT_EQ(e.Caption(), QStringLiteral("Nuevo Valor Banquina"));
    EXPECT_EQ(e.cbo_Especies->ListIndex(), -1);
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("cbo_Especies"));
    EXPECT_EQ(e.dtp_FAlta->Date(), QDate(2006, 5, 15));
    EXPECT_EQ(e.txtDisposicion->text(), QStringLiteral("Disposición SSP vigente"));
    QStringList offered;
    for (int i = 0; i < e.cbo_Especies->ListCount(); ++i) offered << e.cbo_Especies->List(i);
    EXPECT_EQ(offered.size(), 40);
    EXPECT_FALSE(offered.contains(QStringLiteral("Sin Pesca")));
    EXPECT_EQ(offered.value(0), QStringLiteral("ABADEJO"));
    EXPECT_TRUE(offered.contains(QStringLiteral("OTRAS ESPECIES")));
    testsupport::Screenshot(e.subWindow(), QStringLiteral("price-editor"));
}

// ---------------------------------------------------------------- editor

TEST_F(Prices, AcceptingNeedsASpeciesAndAPriceAboveZero)
{
    const struct {
        const char* what;
        const char* species;
        const char* price;
        const char* message;
        const char* focus;
    } cases[] = {
        {"no species", nullptr, "1,5", "Seleccione la especie", "cbo_Especies"},
        {"empty price", "ABADEJO", "", "Ingrese el Valor Banquina de la especie indicada", "txt_precio"},
        {"price 0", "ABADEJO", "0", "Ingrese el Valor Banquina de la especie indicada", "txt_precio"},
        {"price 0,000", "ABADEJO", "0,000", "Ingrese el Valor Banquina de la especie indicada", "txt_precio"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        frmEditarPrecio& e = openNew();
        if (c.species) choose(e.cbo_Especies, QString::fromUtf8(c.species));
        type(e.txt_precio, QString::fromLatin1(c.price));
        boxes.clear();
        click(e.toolbar, "aceptar");
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages()[0].style, 64);
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Nuevo Valor Banquina"));
        ASSERT_TRUE(focused());
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(c.focus));
        EXPECT_TRUE(editorOpen());
        EXPECT_TRUE(stored().isEmpty());
        closeAll();
    }
}

TEST_F(Prices, ANewPriceKeepsTheReferenceAsTypedAndNullWhenEmptied)
{
    const struct {
        const char* what;
        const char* reference;
        const char* row;
    } cases[] = {
        {"the design's reference", nullptr, "1|4|7,125|01/06/2006|Disposición SSP vigente"},
        {"an apostrophe, letters as typed", "  Disp. n° 12/06 'bis' d'Orbigny ",
         "1|4|7,125|01/06/2006|Disp. n° 12/06 'bis' d'Orbigny"},
        {"a run of quotes, as typed", "O''Brien '''", "1|4|7,125|01/06/2006|O''Brien '''"},
        {"emptied", "   ", "1|4|7,125|01/06/2006|null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exec(QStringLiteral("delete from LNV_PES_TB_PRECIOS_LEY7351"));
        exec(QStringLiteral("delete from sqlite_sequence"));
        frmEditarPrecio& e = openNew();
        choose(e.cbo_Especies, QStringLiteral("ABADEJO"));
        type(e.txt_precio, QStringLiteral("7,125"));
        setDate(e.dtp_FAlta, QStringLiteral("01/06/2006"));
        if (c.reference) type(e.txtDisposicion, QString::fromUtf8(c.reference));
        click(e.toolbar, "aceptar");
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(editorOpen());
        EXPECT_EQ(stored(), QStringList{QString::fromUtf8(c.row)});
        // The list shows it on its return.
        EXPECT_EQ(shownRows(forms::Form::Existing<frmPrecios>()->grillaPrecios).size(), 1);
        closeAll();
    }
}

TEST_F(Prices, ModificarLoadsTheSelectedRowAndUpdatesIt)
{
    insertFour();
    frmPrecios& f = openList();
    selectRow(f, 1);
    click(f.tlbMonedas, "modificar");
    frmEditarPrecio& e = ed();
    EXPECT_EQ(e.Caption(), QStringLiteral("Modificar Valor Banquina"));
    EXPECT_EQ(e.cbo_Especies->Text(), QStringLiteral("MERLUZA HUBBSI"));
    EXPECT_EQ(e.txt_precio->toString(), QStringLiteral("1,050"));
    EXPECT_EQ(e.dtp_FAlta->Date(), QDate(2006, 4, 1));
    EXPECT_EQ(e.txtDisposicion->text(), QString());

    choose(e.cbo_Especies, QStringLiteral("ABADEJO"));
    type(e.txt_precio, QStringLiteral("1,1"));
    setDate(e.dtp_FAlta, QStringLiteral("02/04/2006"));
    type(e.txtDisposicion, QStringLiteral("O'Brien"));
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(stored().value(2), QStringLiteral("3|4|1,1|02/04/2006|O'Brien"));

    // Emptied on a change, the reference is stored as null too.
    selectRow(f, 0);
    EXPECT_EQ(f.grillaPrecios->Text(5), QStringLiteral("O'Brien"));
    click(f.tlbMonedas, "modificar");
    type(ed().txtDisposicion, QString());
    click(ed().toolbar, "aceptar");
    EXPECT_EQ(stored().value(2), QStringLiteral("3|4|1,1|02/04/2006|null"));
    EXPECT_EQ(stored().size(), 4);
}

TEST_F(Prices, AChangeToAPriceDeletedMeanwhileIsReportedAndKeptOnScreen)
{
    insertFour();
    frmPrecios& f = openList();
    click(f.tlbMonedas, "modificar");
    exec(QStringLiteral("delete from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID = 2"));
    type(ed().txt_precio, QStringLiteral("9"));
    click(ed().toolbar, "aceptar");
    EXPECT_EQ(prompts(),
              QStringList{QStringLiteral("No se guardaron los cambios: el valor banquina ya no está registrado")});
    EXPECT_TRUE(editorOpen());
    EXPECT_EQ(ed().txt_precio->toString(), QStringLiteral("9,000"));
}

TEST_F(Prices, DeletionAsksFirstAndSaysWhenNothingWasDeleted)
{
    insertFour();
    frmPrecios& f = openList();
    boxes.answer(7);
    click(f.tlbMonedas, "borrar");
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].prompt,
              QStringLiteral("¿Está seguro que desea borrar el valor banquina seleccionado?"));
    EXPECT_EQ(boxes.messages()[0].style, 36);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Borrar valor banquina"));
    EXPECT_EQ(stored().size(), 4);

    boxes.answer(6);
    click(f.tlbMonedas, "borrar");
    EXPECT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID = 2")), 0);
    EXPECT_EQ(shownRows(f.grillaPrecios).size(), 3);

    // Gone from under the list: the refusal, and the list as stored.
    exec(QStringLiteral("delete from LNV_PES_TB_PRECIOS_LEY7351 where PPRE_ID = 3"));
    boxes.clear();
    boxes.answer(6);
    click(f.tlbMonedas, "borrar");
    ASSERT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(boxes.messages()[1].prompt, QStringLiteral("No se puede borrar el Precio seleccionado"));
    EXPECT_EQ(boxes.messages()[1].style, 64);
    EXPECT_EQ(boxes.messages()[1].title, QStringLiteral("Borrar valor banquina"));
    EXPECT_EQ(shownRows(f.grillaPrecios).size(), 2);
}

TEST_F(Prices, EnterAcceptsFromAnyFieldAndTheCloseBoxDoesNothing)
{
    frmEditarPrecio& e = openNew();
    e.subWindow()->close();
    testsupport::Settle();
    EXPECT_TRUE(editorOpen());
    pressEnter(e.txtDisposicion);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Seleccione la especie")});
    choose(e.cbo_Especies, QStringLiteral("RAYA"));
    type(e.txt_precio, QStringLiteral("0,75"));
    boxes.clear();
    pressEnter(e.txt_precio);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(stored(), QStringList{QStringLiteral("1|19|0,75|15/05/2006|Disposición SSP vigente")});
}

// Under a decimal point the list's text still reaches the editor as the
// number it shows, and a typed price reaches SQL as typed.
TEST_F(Prices, CLocale_APriceRoundTripsThroughTheListUnderAPointLocale)
{
    SKIP_UNLESS_C_LOCALE();
    insertFour();
    frmPrecios& f = openList();
    selectRow(f, 1);
    click(f.tlbMonedas, "modificar");
    EXPECT_EQ(ed().txt_precio->toString(), QStringLiteral("1.050"));
    type(ed().txt_precio, QStringLiteral("1234.5"));
    click(ed().toolbar, "aceptar");
    EXPECT_EQ(stored().value(2), QStringLiteral("3|1|1234.5|01/04/2006|null"));
    selectRow(f, 1);
    EXPECT_EQ(f.grillaPrecios->Text(3), QStringLiteral("1234.500"));
    click(f.tlbMonedas, "modificar");
    EXPECT_EQ(ed().txt_precio->toString(), QStringLiteral("1,234.500"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
}

TEST(PricesUnderC, TheCLocaleCasesPassInAChildProcess)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("Prices.CLocale_*"));
}

// ---------------------------------------------------------------- end to end

// The price entered here is the one the declaration editor proposes for a
// line of a month from its date on; an earlier month keeps the older price.
TEST_F(Prices, APriceEnteredHereIsProposedForLinesFromItsMonthOn)
{
    insertPrice(4, 2.05, QStringLiteral("2006-04-01"), QStringLiteral("DISP 15/06"));
    frmEditarPrecio& e = openNew();
    choose(e.cbo_Especies, QStringLiteral("ABADEJO"));
    type(e.txt_precio, QStringLiteral("7,125"));
    setDate(e.dtp_FAlta, QStringLiteral("01/06/2006"));
    type(e.txtDisposicion, QStringLiteral("DISP 20/06"));
    click(e.toolbar, "aceptar");
    ASSERT_FALSE(editorOpen());
    click(forms::Form::Existing<frmPrecios>()->tlbMonedas, "salir");

    testsupport::insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    testsupport::insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
    const struct {
        int mes;
        const char* nro;
        const char* price;
        const char* reference;
    } cases[] = {
        {5, "20123456786012320060501", "2,0500", "DISP 15/06"},
        {6, "20123456786012320060601", "7,1250", "DISP 20/06"},
        {7, "20123456786012320060701", "7,1250", "DISP 20/06"},
    };
    for (const auto& c : cases)
        testsupport::insertDeclaration({.nro = QString::fromLatin1(c.nro), .mes = c.mes, .cuit = 20123456786LL});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mes);
        frmDDJJ& list = RegisterTest::openList<frmDDJJ>(main->op_DDJJ);
        clickRowHolding(list.grillaDJ, 0, QString::fromLatin1(c.nro));
        click(list.tlbMonedas, "modificar");
        frmEditarDJ& dj = editor<frmEditarDJ>();
        dj.SSTab1->setTab(1);
        testsupport::Settle();
        click(dj.tlb_detalle, "nuevo");
        choose(dj.cbo_Especies, QStringLiteral("ABADEJO"));
        EXPECT_EQ(dj.txt_precio->toString(), QString::fromLatin1(c.price));
        EXPECT_EQ(dj.lbl_Precio->text(), QString::fromLatin1(c.reference));
        click(dj.tlb_detalle, "cancelar");
        closeAll();
    }
}

}  // namespace
