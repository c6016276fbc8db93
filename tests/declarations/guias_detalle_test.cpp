// The guide editor's "Detalle" tab, driven through its controls: species
// priced at the guide's date, the line checks, numbering, the guide totals
// and deposit that follow every change, and their single commit.
#include "guias_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace guiastest;

namespace {

constexpr int kCambia = 901;  // a new price from 10/05/2006, inside the declared month
constexpr int kOtra = 902;
const QString kCambiaTxt = QStringLiteral("ESPECIE CAMBIA EN MAYO");
const QString kOtraTxt = QStringLiteral("ESPECIE OTRA");

class GuiaDetalle : public GuiasTest {
protected:
    void SetUp() override
    {
        GuiasTest::SetUp();
        insertSpecies(kCambia, kCambiaTxt);
        insertSpecies(kOtra, kOtraTxt);
        insertPrice(kCambia, 1.00, QStringLiteral("2006-01-01"), QStringLiteral("DISP 1"));
        insertPrice(kCambia, 1.50, QStringLiteral("2006-05-01"), QStringLiteral("DISP 2"));
        insertPrice(kCambia, 1.75, QStringLiteral("2006-05-10"), QStringLiteral("DISP 3"));
        insertPrice(kOtra, 2.00, QStringLiteral("2006-01-01"), QStringLiteral("DISP 4"));
    }
    // The stored guide G1 opened from the guides tab, on its "Detalle" tab.
    frmEditarGuias& openLines(const Guia& guia = {.nro = QStringLiteral("G1")})
    {
        insertGuide(guia);
        openGuias();
        modificarGuia();
        g().SSTab1->setTab(1);
        testsupport::Settle();
        return g();
    }
    QString priceOffered(const QString& especie)
    {
        choose(g().cbo_Especies, especie);
        return shown(g().txt_precio) + QLatin1Char(' ') + g().lbl_Precio->text();
    }
    QString boxes4() const
    {
        return QStringList{shown(g().txt_CajonesTotales), shown(g().txt_KilosTotales), shown(g().txt_TotalGral),
                           shown(g().txt_Depositado)}
            .join(QLatin1Char(' '));
    }
    // Stored crates, kilograms, total and deposit of the guide.
    QString storedTotals(const QString& nro = QStringLiteral("G1")) const
    {
        const QStringList f = storedGuide(nro).split(QLatin1Char('|'));
        return QStringList{f.value(7), f.value(8), f.value(9), f.value(11)}.join(QLatin1Char(' '));
    }
    bool offered(int especie) const
    {
        for (int i = 0; i < g().cbo_Especies->ListCount(); ++i)
            if (g().cbo_Especies->ItemData(i) == especie) return true;
        return false;
    }
};

TEST_F(GuiaDetalle, LinesArePricedAtTheGuidesDateNotAtTheDeclaredMonth)
{
    openLines({.nro = QStringLiteral("G1"), .fecha = QStringLiteral("2006-05-12")});
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_EQ(priceOffered(kCambiaTxt), QStringLiteral("1,7500 DISP 3"));
    click(g().tlb_detalle, QStringLiteral("cancelar"));

    // The declaration's own lines take the price in force on 01/05/2006.
    click(g().toolbar, QStringLiteral("salir"));
    ed().SSTab1->setTab(1);
    testsupport::Settle();
    click(ed().tlb_detalle, QStringLiteral("nuevo"));
    choose(ed().cbo_Especies, kCambiaTxt);
    EXPECT_EQ(shown(ed().txt_precio), QStringLiteral("1,5000"));
}

TEST_F(GuiaDetalle, ANewDateSavedInTheHeaderPricesNewLinesAndKeepsTheStoredOnes)
{
    openLines({.nro = QStringLiteral("G1"), .fecha = QStringLiteral("2006-05-12")});
    addLine(kCambiaTxt, QStringLiteral("10"), QStringLiteral("100"), QString());
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:901 10c 100x1.75=175"));

    g().SSTab1->setTab(0);
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    setDate(QDate(2006, 5, 2));
    click(g().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_EQ(storedGuide(QStringLiteral("G1")).section(QLatin1Char('|'), 2, 2), QStringLiteral("02/05/2006"));
    g().SSTab1->setTab(1);
    testsupport::Settle();
    EXPECT_EQ(shown(g().txt_precio), QStringLiteral("1,7500")) << "the stored line keeps its price";
    // Without its line the species is offered again, at the price of 01/05/2006 now.
    click(g().tlb_detalle, QStringLiteral("eliminar"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_EQ(priceOffered(kCambiaTxt), QStringLiteral("1,5000 DISP 2"));
}

TEST_F(GuiaDetalle, ALineNeedsASpeciesCratesKilogramsAndAPrice)
{
    struct Case {
        const char* especie;  // nullptr: none chosen
        const char* cajones;
        const char* kg;
        const char* precio;
        const char* message;
        ctlNumero* frmEditarGuias::*focus;  // nullptr: the species combo
    };
    const Case cases[] = {
        {nullptr, "1", "10", "1", "Seleccione la especie capturada", nullptr},
        {"ESPECIE OTRA", "", "10", "1", "Ingrese los cajones", &frmEditarGuias::txt_cajones},
        {"ESPECIE OTRA", "0", "10", "1", "Ingrese los cajones", &frmEditarGuias::txt_cajones},
        {"ESPECIE OTRA", "1", "0", "1", "Ingrese los kilogramos capturados", &frmEditarGuias::txt_kg},
        {"ESPECIE OTRA", "1", "10", "0", "Ingrese el precio por kilo", &frmEditarGuias::txt_precio},
        // With several missing, the first in the documented order is the one asked for.
        {nullptr, "0", "0", "0", "Seleccione la especie capturada", nullptr},
        {"ESPECIE OTRA", "0", "0", "0", "Ingrese los cajones", &frmEditarGuias::txt_cajones},
    };
    openLines();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        click(g().tlb_detalle, QStringLiteral("nuevo"));
        if (c.especie) choose(g().cbo_Especies, QString::fromUtf8(c.especie));
        type(g().txt_cajones, QString::fromLatin1(c.cajones));
        type(g().txt_kg, QString::fromLatin1(c.kg));
        type(g().txt_precio, QString::fromLatin1(c.precio));
        boxes.clear();
        click(g().tlb_detalle, QStringLiteral("aceptar"));
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages().back().prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages().back().style, forms::vbInformation);
        EXPECT_EQ(boxes.messages().back().title, QStringLiteral("Modificar Guía de Tránsito de Pescados y Mariscos"));
        EXPECT_EQ(focused(), c.focus ? static_cast<QWidget*>(g().*c.focus) : g().cbo_Especies);
        EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("aceptar,cancelar"));
        EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QString());
        click(g().tlb_detalle, QStringLiteral("cancelar"));
    }
}

TEST_F(GuiaDetalle, EveryLineChangeMovesTheGuideTotalsAndTheDeposit)
{
    openLines();
    EXPECT_EQ(g().grilla_detalle->model()->rowCount(), 0);
    EXPECT_EQ(g().txt_MtoGralVtas->text(), QStringLiteral("0,00"));
    EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("nuevo"));

    // 100 kg at 12.3457 make 1234.57; 4 % of it is 49.3828, stored as 49.38.
    addLine(kCambiaTxt, QStringLiteral("5"), QStringLiteral("100"), QStringLiteral("12,3457"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:901 5c 100x12.3457=1234.57"));
    EXPECT_EQ(storedTotals(), QStringLiteral("5 100 1234.57 49.38"));
    EXPECT_EQ(boxes4(), QStringLiteral("5,00 100,00 1.234,57 49,38"));
    EXPECT_EQ(shown(g().nroDepositadoAux), QStringLiteral("49,38"));
    EXPECT_EQ(g().txt_MtoGralVtas->text(), QStringLiteral("1.234,57"));
    testsupport::Screenshot(g().subWindow(), QStringLiteral("guia-detalle"));

    addLine(kOtraTxt, QStringLiteral("2,5"), QStringLiteral("10"), QString());
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")),
              QStringLiteral("1:901 5c 100x12.3457=1234.57 2:902 2.5c 10x2=20"));
    EXPECT_EQ(storedTotals(), QStringLiteral("7.5 110 1254.57 50.18"));
    EXPECT_EQ(g().txt_renglon->text() + QLatin1Char(' ') + g().lbl_Precio->text(), QStringLiteral("1 DISP 3"))
        << "the first line's own reference";
    EXPECT_EQ(g().txt_MtoGralVtas->text(), QStringLiteral("1.254,57"));

    // Back on the header the deposit shown is the rate of the total shown.
    g().SSTab1->setTab(0);
    testsupport::Settle();
    EXPECT_EQ(shown(g().txt_Depositado), QStringLiteral("50,18"));

    g().SSTab1->setTab(1);
    testsupport::Settle();
    for (int line = 0; line < 2; ++line) {
        click(g().tlb_detalle, QStringLiteral("eliminar"));
        click(g().tlb_detalle, QStringLiteral("aceptar"));
    }
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QString());
    EXPECT_EQ(storedTotals(), QStringLiteral("0 0 0 0"));
    EXPECT_EQ(boxes4(), QStringLiteral("0,00 0,00 0,00 0,00"));
    EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("nuevo"));

    // The declaration editor, in front again, shows the stored deposit.
    addLine(kCambiaTxt, QStringLiteral("5"), QStringLiteral("100"), QStringLiteral("12,3457"));
    MDIPrincipal::Instance().mdiArea()->setActiveSubWindow(ed().subWindow());
    testsupport::Settle();
    EXPECT_EQ(ed().grilla_guias->Text(14), QStringLiteral("49,38"));
    EXPECT_EQ(shown(ed().nroTotalDepGuias), QStringLiteral("49,38"));
    EXPECT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("24,69"));
}

TEST_F(GuiaDetalle, QuotesInTheNumberAndThePlantAreStoredAsTypedEverywhere)
{
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("o'brien 2"), QStringLiteral("la 'costa'"));
    click(g().tlb_cabecera, QStringLiteral("aceptar"));
    const QString nro = QStringLiteral("O'BRIEN 2");
    EXPECT_EQ(storedGuide(nro).section(QLatin1Char('|'), 1, 6),
              QStringLiteral("O'BRIEN 2|15/05/2006|10|44|26|LA 'COSTA'"));

    g().SSTab1->setTab(1);
    testsupport::Settle();
    addLine(kOtraTxt, QStringLiteral("1"), QStringLiteral("10"), QString());
    addLine(kCambiaTxt, QStringLiteral("2"), QStringLiteral("10"), QString());
    EXPECT_EQ(storedGuideLines(nro), QStringLiteral("1:902 1c 10x2=20 2:901 2c 10x1.75=17.5"));
    EXPECT_EQ(storedTotals(nro), QStringLiteral("3 20 37.5 1.5"));
    click(g().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(g().txt_kg, QStringLiteral("20"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    click(g().tlb_detalle, QStringLiteral("eliminar"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(storedGuideLines(nro), QStringLiteral("2:901 2c 10x1.75=17.5"));
    EXPECT_EQ(storedTotals(nro), QStringLiteral("2 10 17.5 0.7"));

    g().SSTab1->setTab(0);
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    type(g().txt_PlantaProcesadora, QStringLiteral("o'neill"));
    click(g().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_EQ(storedGuide(nro).section(QLatin1Char('|'), 6, 6), QStringLiteral("O'NEILL"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QStringLiteral(" | ")).toStdString();

    // And the guides tab lists it, opens it and deletes it by that number.
    click(g().toolbar, QStringLiteral("salir"));
    EXPECT_EQ(ed().grilla_guias->Text(1), nro);
    modificarGuia();
    EXPECT_EQ(g().txt_NroGuia->text(), nro);
    EXPECT_EQ(g().grilla_detalle->model()->rowCount(), 0) << "lines load when their tab is shown";
    g().SSTab1->setTab(1);
    testsupport::Settle();
    EXPECT_EQ(g().grilla_detalle->model()->rowCount(), 1);
    click(g().toolbar, QStringLiteral("salir"));
    boxes.answer(forms::vbYes);
    boxes.answer(forms::vbYes);
    click(ed().tlb_guias, QStringLiteral("eliminar"));
    EXPECT_EQ(storedGuide(nro), QString());
    EXPECT_EQ(prompts().size(), 2);
}

TEST_F(GuiaDetalle, ALineWhoseTotalsCannotBeStoredIsNotStoredEither)
{
    openLines();
    addLine(kOtraTxt, QStringLiteral("1"), QStringLiteral("10"), QString());
    de1::conn().Execute(QStringLiteral("CREATE TRIGGER sin_totales BEFORE UPDATE ON LNV_PES_TB_GUIAS_TRANSPORTE "
                                       "BEGIN SELECT RAISE(ABORT, 'sin totales'); END"));
    const QString before = storedGuideLines(QStringLiteral("G1"));
    boxes.clear();
    addLine(kCambiaTxt, QStringLiteral("1"), QStringLiteral("10"), QString());
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error ")))
        << boxes.messages()[0].prompt.toStdString();
    EXPECT_EQ(boxes.messages()[0].title, forms::AppTitle());
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), before);
    EXPECT_EQ(storedTotals(), QStringLiteral("1 10 20 0.8"));
    EXPECT_EQ(boxes4(), QStringLiteral("1,00 10,00 20,00 0,80"));
    // The section keeps what was typed, to be accepted again or cancelled.
    EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("aceptar,cancelar"));
    EXPECT_EQ(g().cbo_Especies->Text(), kCambiaTxt);
    EXPECT_EQ(shown(g().txt_kg), QStringLiteral("10,00"));
    EXPECT_EQ(g().txt_renglon->text(), QString());
    click(g().tlb_detalle, QStringLiteral("cancelar"));
    // The same for a change and a deletion.
    for (const char* key : {"modificar", "eliminar"}) {
        SCOPED_TRACE(key);
        click(g().tlb_detalle, QString::fromLatin1(key));
        if (QLatin1String(key) == QLatin1String("modificar")) typeAndLeave(g().txt_kg, QStringLiteral("20"));
        click(g().tlb_detalle, QStringLiteral("aceptar"));
        EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), before);
        EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("aceptar,cancelar"));
        if (QLatin1String(key) == QLatin1String("modificar")) {
            EXPECT_EQ(shown(g().txt_kg), QStringLiteral("20,00"));
        }
        click(g().tlb_detalle, QStringLiteral("cancelar"));
    }
    EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("nuevo,modificar,eliminar"));
}

TEST_F(GuiaDetalle, CancelarPutsBackTheKeptLineAndWritesNothing)
{
    openLines();
    // Without lines, "nuevo" then "cancelar" leaves the fields empty.
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    choose(g().cbo_Especies, kOtraTxt);
    type(g().txt_kg, QStringLiteral("3"));
    click(g().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(g().cbo_Especies->ListIndex(), -1);
    EXPECT_EQ(shown(g().txt_kg), QString());

    addLine(kOtraTxt, QStringLiteral("4"), QStringLiteral("10"), QString());
    click(g().tlb_detalle, QStringLiteral("modificar"));
    EXPECT_FALSE(g().cbo_Especies->isEnabled()) << "a line's species never changes";
    typeAndLeave(g().txt_kg, QStringLiteral("99"));
    click(g().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(shown(g().txt_kg), QStringLiteral("10,00"));
    EXPECT_EQ(g().cbo_Especies->Text(), kOtraTxt);
    EXPECT_EQ(g().txt_renglon->text(), QStringLiteral("1"));
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:902 4c 10x2=20"));

    // One line per species: the one with a line is not offered for a new one.
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_FALSE(offered(kOtra));
    EXPECT_TRUE(offered(kCambia));
    click(g().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_TRUE(offered(kOtra));

    click(g().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(g().txt_cajones, QStringLiteral("6"));
    typeAndLeave(g().txt_kg, QStringLiteral("12"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:902 6c 12x2=24"));
}

// A line keeps what it has stored unless the clerk changes it: a dock price
// of three decimals survives a change of the kilograms alone, and the grid
// shows it as stored.
TEST_F(GuiaDetalle, ModifyingOnlyTheKilogramsKeepsTheStoredPrice)
{
    insertGuide({.nro = QStringLiteral("G1"), .cajones = 5, .kilos = 1000, .total = 3456, .valor = 138.24});
    insertGuideLine(QStringLiteral("G1"), 1, kOtra, 5, 1000, 3.456, 3456);
    openGuias();
    modificarGuia();
    g().SSTab1->setTab(1);
    testsupport::Settle();
    EXPECT_EQ(g().grilla_detalle->Text(6), QStringLiteral("3,456"));
    click(g().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(g().txt_kg, QStringLiteral("1300,75"));
    boxes.answer(forms::vbNo);  // the amount question: 3,456 x 1300,75 has a third decimal
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:902 5c 1300.75x3.456=4495.39"));
    EXPECT_EQ(g().grilla_detalle->Text(6), QStringLiteral("3,456"));
    EXPECT_EQ(shown(g().txt_precio), QStringLiteral("3,4560"));
}

TEST_F(GuiaDetalle, AnAmountThatIsNotKilogramsTimesPriceIsQuestioned)
{
    openLines();
    struct Case {
        const char* precio;
        const char* monto;  // typed after the price; nullptr: as computed
        bool question;      // answered No: the product is stored
        const char* stored;
    };
    const Case cases[] = {
        {"1,25", nullptr, false, "1:902 1c 10x1.25=12.5"},
        {"1,2341", nullptr, true, "1:902 1c 10x1.2341=12.34"},
        {"1,25", "12", true, "1:902 1c 10x1.25=12.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.precio);
        click(g().tlb_detalle, QStringLiteral("nuevo"));
        choose(g().cbo_Especies, kOtraTxt);
        typeAndLeave(g().txt_cajones, QStringLiteral("1"));
        typeAndLeave(g().txt_kg, QStringLiteral("10"));
        typeAndLeave(g().txt_precio, QString::fromLatin1(c.precio));
        if (c.monto) typeAndLeave(g().txt_MtoTotal, QString::fromLatin1(c.monto));
        boxes.clear();
        boxes.answer(forms::vbNo);  // an unused No waits for the next question
        click(g().tlb_detalle, QStringLiteral("aceptar"));
        ASSERT_EQ(boxes.messages().size(), c.question ? 1u : 0u);
        if (c.question) {
            EXPECT_EQ(boxes.messages()[0].prompt,
                      QStringLiteral(
                          "El Monto Total no coincide con el producto  Kg.Capturados * Precio\r\n¿Desea corregirlo?"));
            EXPECT_EQ(boxes.messages()[0].style, forms::vbYesNo + forms::vbInformation);
        }
        EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QString::fromLatin1(c.stored));
        click(g().tlb_detalle, QStringLiteral("eliminar"));
        click(g().tlb_detalle, QStringLiteral("aceptar"));
    }
}

TEST_F(GuiaDetalle, AnotherGuideOpenedMeanwhileShowsItsOwnLines)
{
    insertGuide({.nro = QStringLiteral("G2"), .fecha = QStringLiteral("2006-05-11")});
    insertGuideLine(QStringLiteral("G2"), 1, kOtra, 1, 10, 2, 20);
    insertGuideLine(QStringLiteral("G2"), 2, kCambia, 1, 10, 1.75, 17.5);
    openLines();
    addLine(kOtraTxt, QStringLiteral("3"), QStringLiteral("30"), QString());
    click(g().tlb_detalle, QStringLiteral("eliminar"));  // left half done

    // Back on the declaration, the clerk picks G2, its second guide.
    MDIPrincipal::Instance().mdiArea()->setActiveSubWindow(ed().subWindow());
    testsupport::Settle();
    forms::DataGrid* grid = ed().grilla_guias;
    grid->setRow(1);
    testsupport::Settle();
    ASSERT_EQ(grid->Text(1), QStringLiteral("G2"));
    modificarGuia();
    EXPECT_EQ(g().SSTab1->Tab(), 0);
    EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G2"));
    g().SSTab1->setTab(1);
    testsupport::Settle();
    EXPECT_EQ(g().grilla_detalle->model()->rowCount(), 2);
    EXPECT_EQ(enabledButtons(g().tlb_detalle), QStringLiteral("nuevo,modificar,eliminar"));
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:902 3c 30x2=60"));
    EXPECT_EQ(storedGuideLines(QStringLiteral("G2")), QStringLiteral("1:902 1c 10x2=20 2:901 1c 10x1.75=17.5"));
}

}  // namespace

// A stored line of a species whose only dock price takes effect after the
// guide's date is modified like any other; a new line is not offered it.
TEST_F(GuiaDetalle, ALineOfASpeciesPricedOnlyLaterIsModifiedAndNotOfferedForANewLine)
{
    constexpr int kMasTarde = 903;
    insertSpecies(kMasTarde, QStringLiteral("ESPECIE PRECIO POSTERIOR"));
    insertPrice(kMasTarde, 3.00, QStringLiteral("2006-06-01"), QStringLiteral("DISP 5"));
    insertGuide({.nro = QStringLiteral("G1")});
    insertGuideLine(QStringLiteral("G1"), 1, kMasTarde, 2, 10, 1.25, 12.5);
    openGuias();
    modificarGuia();
    g().SSTab1->setTab(1);
    testsupport::Settle();
    EXPECT_EQ(g().cbo_Especies->Text(), QStringLiteral("ESPECIE PRECIO POSTERIOR")) << "the line shows its species";

    click(g().tlb_detalle, QStringLiteral("modificar"));
    typeAndLeave(g().txt_kg, QStringLiteral("20"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(storedGuideLines(QStringLiteral("G1")), QStringLiteral("1:903 2c 20x1.25=25"));

    click(g().tlb_detalle, QStringLiteral("nuevo"));
    EXPECT_FALSE(offered(kMasTarde));
    click(g().tlb_detalle, QStringLiteral("cancelar"));
    EXPECT_EQ(g().cbo_Especies->Text(), QStringLiteral("ESPECIE PRECIO POSTERIOR"));
}

// A real message box leaves the editor inactive once it closes: the species
// the clerk then picks is priced all the same.
TEST_F(GuiaDetalle, TheFirstSpeciesChosenAfterTheSpeciesMessageGetsItsPrice)
{
    openLines();
    click(g().tlb_detalle, QStringLiteral("nuevo"));
    click(g().tlb_detalle, QStringLiteral("aceptar"));
    ASSERT_EQ(prompts(), QStringList{QStringLiteral("Seleccione la especie capturada")});
    leaveWindowsInactive();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    // The pick the list's popup makes, the editor still inactive.
    pick(g().cbo_Especies, kOtraTxt);
    EXPECT_EQ(shown(g().txt_precio) + QLatin1Char(' ') + g().lbl_Precio->text(), QStringLiteral("2,0000 DISP 4"));
}
