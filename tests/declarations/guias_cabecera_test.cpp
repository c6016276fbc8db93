// The guide editor's frame and header, driven through its controls: opening
// for a new and a stored guide, the checks, the insert with its duplicate
// refusal, the update, the destination lists, keys and closing.
#include "guias_fixture.h"
#include "support/LocaleRun.h"
#include "support/Places.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace guiastest;

namespace {

const QString kNueva = QStringLiteral("Nueva Guía de Tránsito de Pescados y Mariscos");
const QString kModificar = QStringLiteral("Modificar Guía de Tránsito de Pescados y Mariscos");

class GuiaCabecera : public GuiasTest {
protected:
    // Presses the header's "aceptar" and returns the one message it showed ("" for none).
    QString aceptar()
    {
        boxes.clear();
        click(g().tlb_cabecera, QStringLiteral("aceptar"));
        EXPECT_LE(boxes.messages().size(), 1u);
        return boxes.messages().empty() ? QString() : boxes.messages().back().prompt;
    }
    QStringList items(forms::ComboBox* cbo) const
    {
        QStringList all;
        for (int i = 0; i < cbo->ListCount(); ++i) all << cbo->List(i);
        return all;
    }
    QStringList localitiesOf(int provincia) const
    {
        QStringList all;
        ado::Recordset rs;
        rs.Open(QStringLiteral(
                    "select GLOC_DESCRIPCION from LNV_GLB_TB_LOCALIDADES where GPRO_ID = %1 order by GLOC_DESCRIPCION")
                    .arg(provincia),
                de1::conn());
        for (; !rs.Eof(); rs.MoveNext()) all << text::CStr(rs(0));
        return all;
    }
    void expectAmountsSurviveModificar(const QString& credito);
};

TEST_F(GuiaCabecera, ANewGuideReachesDetalleOnlyOnceItsHeaderIsStored)
{
    openGuias();
    nuevaGuia();
    EXPECT_EQ(g().Caption(), kNueva);
    EXPECT_FALSE(g().SSTab1->TabEnabled(1));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("nuevo,eliminar"));
    EXPECT_FALSE(g().frm_cab->isEnabled());
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 5, 15));
    EXPECT_EQ(g().cbo_Alicuota->Text(), QStringLiteral("4%"));
    EXPECT_EQ(shown(g().txt_Depositado), QStringLiteral("0,00"));

    fillHeader(QStringLiteral("g-1 b"));
    EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G-1 B")) << "typed in capitals";
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
    testsupport::Screenshot(g().subWindow(), QStringLiteral("guia-cabecera"));
    EXPECT_EQ(aceptar(), QString());

    EXPECT_EQ(storedGuide(QStringLiteral("G-1 B")),
              kNro + QStringLiteral("|G-1 B|15/05/2006|10|44|26|PLANTA DEL SUR|0|0|0|4|0"));
    EXPECT_TRUE(g().SSTab1->TabEnabled(1));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("modificar,eliminar"));
    EXPECT_FALSE(g().frm_cab->isEnabled());
    // The number is now the key of the lines and totals.
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    EXPECT_FALSE(g().txt_NroGuia->isEnabled());
    type(g().txt_PlantaProcesadora, QStringLiteral("otra planta"));
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")), 1)
        << "the second aceptar updates";
    EXPECT_EQ(storedGuide(QStringLiteral("G-1 B")).section(QLatin1Char('|'), 6, 6), QStringLiteral("OTRA PLANTA"));
}

TEST_F(GuiaCabecera, TheChecksRunInOrderAndKeepTheHeaderOpen)
{
    openGuias();
    nuevaGuia();
    click(g().tlb_cabecera, QStringLiteral("nuevo"));
    struct Step {
        std::function<void()> fill;
        const char* message;
    };
    const Step steps[] = {
        {[] {}, "Ingrese el Nro. de Guía"},
        {[this] { type(g().txt_NroGuia, QStringLiteral("   ")); }, "Ingrese el Nro. de Guía"},
        {[this] { type(g().txt_NroGuia, QStringLiteral(" g1 ")); }, "Seleccione el puerto de procedencia"},
        {[this] { choose(g().cbo_Puertos, QStringLiteral("RAWSON")); }, "Seleccione la localidad destino"},
        // A province chosen narrows the localities and leaves none selected.
        {[this] { choose(g().cbo_provincias, QStringLiteral("CHUBUT")); }, "Seleccione la localidad destino"},
        {[this] {
             choose(g().cbo_localidades, QStringLiteral("PUERTO MADRYN"));
             g().cbo_provincias->setListIndex(-1);
         },
         "Seleccione la provincia destino"},
        {[this] { choose(g().cbo_localidades, QStringLiteral("PUERTO MADRYN")); }, "Ingrese la Planta Procesadora"},
        {[this] { type(g().txt_PlantaProcesadora, QStringLiteral("  ")); }, "Ingrese la Planta Procesadora"},
        {[this] {
             type(g().txt_PlantaProcesadora, QStringLiteral(" planta "));
             g().cbo_Alicuota->setListIndex(-1);
         },
         "Seleccione la alícuota consignada en la Guía de Tránsito"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.message);
        s.fill();
        EXPECT_EQ(aceptar(), QString::fromUtf8(s.message));
        ASSERT_FALSE(boxes.messages().empty());
        EXPECT_EQ(boxes.messages().back().style, forms::vbInformation);
        EXPECT_EQ(boxes.messages().back().title, kNueva);
        EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
        EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")), 0);
    }
    EXPECT_EQ(focused(), g().cbo_Alicuota);
    choose(g().cbo_Alicuota, QStringLiteral("4%"));
    EXPECT_EQ(aceptar(), QString());
    // Blanks around the number and the plant are not stored.
    EXPECT_EQ(storedGuide(QStringLiteral("G1")).section(QLatin1Char('|'), 1, 6),
              QStringLiteral("G1|15/05/2006|12|44|26|PLANTA"));
}

TEST_F(GuiaCabecera, EachCheckFocusesItsField)
{
    openGuias();
    nuevaGuia();
    click(g().tlb_cabecera, QStringLiteral("nuevo"));
    aceptar();
    EXPECT_EQ(focused(), g().txt_NroGuia);
    type(g().txt_NroGuia, QStringLiteral("G1"));
    aceptar();
    EXPECT_EQ(focused(), g().cbo_Puertos);
    choose(g().cbo_Puertos, QStringLiteral("RAWSON"));
    aceptar();
    EXPECT_EQ(focused(), g().cbo_localidades);
    choose(g().cbo_localidades, QStringLiteral("PUERTO MADRYN"));
    aceptar();
    EXPECT_EQ(focused(), g().txt_PlantaProcesadora);
}

TEST_F(GuiaCabecera, AProvinceNarrowsTheLocalitiesAndALocalitySelectsItsProvince)
{
    openGuias();
    nuevaGuia();
    click(g().tlb_cabecera, QStringLiteral("nuevo"));
    const int all = g().cbo_localidades->ListCount();
    ASSERT_GT(all, localitiesOf(26).size());

    // A locality picked from the whole list selects its province and narrows nothing.
    choose(g().cbo_localidades, QStringLiteral("MAR DEL PLATA"));
    EXPECT_EQ(g().cbo_provincias->Text(), QStringLiteral("BUENOS AIRES"));
    EXPECT_EQ(g().cbo_localidades->ListCount(), all);
    EXPECT_EQ(g().cbo_localidades->Text(), QStringLiteral("MAR DEL PLATA"));

    choose(g().cbo_provincias, QStringLiteral("CHUBUT"));
    EXPECT_EQ(items(g().cbo_localidades), localitiesOf(26));
    EXPECT_EQ(g().cbo_localidades->ListIndex(), -1);
    choose(g().cbo_localidades, QStringLiteral("PUERTO MADRYN"));
    EXPECT_EQ(g().cbo_provincias->Text(), QStringLiteral("CHUBUT"));
    EXPECT_EQ(items(g().cbo_localidades), localitiesOf(26));
}

TEST_F(GuiaCabecera, ANumberStoredInAnotherDeclarationIsRefusedAndTheHeaderStaysOpen)
{
    const QString otra = QStringLiteral("20123456786012320060400");
    insertDeclaration(otra, 2006, 4, QStringLiteral("123"), 20123456786LL);
    insertGuide({.nroDJ = otra, .nro = QStringLiteral("G-7")});
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("g-7"));
    EXPECT_EQ(aceptar(), QStringLiteral("Ya existe una Guía de tránsito con el número ingresado"));
    EXPECT_EQ(boxes.messages().back().style, forms::vbExclamation);
    EXPECT_EQ(boxes.messages().back().title, kNueva);
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
    EXPECT_EQ(focused(), g().txt_NroGuia);
    EXPECT_FALSE(g().SSTab1->TabEnabled(1));
    EXPECT_EQ(storedGuide(QStringLiteral("G-7")).left(23), otra);

    // Corrected, the same header goes in as a new guide.
    type(g().txt_NroGuia, QStringLiteral("g-8"));
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(storedGuide(QStringLiteral("G-8")).left(23), kNro);
    EXPECT_TRUE(g().SSTab1->TabEnabled(1));
}

// A run of quotes in the number and the plant is stored as typed, and the
// update finds the guide by that number.
TEST_F(GuiaCabecera, ARunOfQuotesInTheNumberAndThePlantIsStoredAsTyped)
{
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("g''1'"), QStringLiteral("la ''costa'''"));
    EXPECT_EQ(aceptar(), QString());
    const QString nro = QStringLiteral("G''1'");
    EXPECT_EQ(storedGuide(nro).section(QLatin1Char('|'), 1, 1), nro);
    EXPECT_EQ(storedGuide(nro).section(QLatin1Char('|'), 6, 6), QStringLiteral("LA ''COSTA'''"));

    click(g().tlb_cabecera, QStringLiteral("modificar"));
    type(g().txt_PlantaProcesadora, QStringLiteral("o''neill"));
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(storedGuide(nro).section(QLatin1Char('|'), 6, 6), QStringLiteral("O''NEILL"));
}

// Only a uniqueness violation is a duplicate: a database another instance
// holds, a read-only file or disk, says what happened, stores nothing and keeps
// the header open as typed.
TEST_F(GuiaCabecera, AnInsertTheDatabaseCannotTakeSaysWhyAndKeepsTheHeaderOpen)
{
    using testsupport::UnwritableDatabase;
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("g-9"));
    const QString guias = QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE");
    for (UnwritableDatabase::Kind kind : UnwritableDatabase::kinds) {
        SCOPED_TRACE(int(kind));
        UnwritableDatabase place(kind, db.folder());
        if (!place.ok()) GTEST_SKIP() << "this system cannot make a file read-only";
        EXPECT_EQ(aceptar(), place.Message());
        EXPECT_EQ(boxes.messages().back().title, QStringLiteral("Sistema Caladero Ley 7351"));
        EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
        EXPECT_FALSE(g().SSTab1->TabEnabled(1));
        EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G-9"));
    }
    EXPECT_EQ(count(guias), 0);
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(storedGuide(QStringLiteral("G-9")).left(23), kNro);
    EXPECT_TRUE(g().SSTab1->TabEnabled(1));
}

TEST_F(GuiaCabecera, AStoredGuideOpensWithItsValuesAndOnlyModificar)
{
    insertGuide({.nro = QStringLiteral("G5"),
                 .fecha = QStringLiteral("2006-05-03"),
                 .puerto = 12,
                 .localidad = 3,
                 .provincia = 6,
                 .planta = QStringLiteral("FRIGORIFICO"),
                 .cajones = 12,
                 .kilos = 340.5,
                 .total = 704.93,
                 .valor = 28.2});
    openGuias();
    modificarGuia();
    EXPECT_EQ(g().Caption(), kModificar);
    EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G5"));
    EXPECT_FALSE(g().txt_NroGuia->isEnabled());
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 5, 3));
    EXPECT_EQ(g().cbo_Puertos->Text(), QStringLiteral("RAWSON"));
    EXPECT_EQ(g().cbo_localidades->Text(), QStringLiteral("MAR DEL PLATA"));
    EXPECT_EQ(g().cbo_provincias->Text(), QStringLiteral("BUENOS AIRES"));
    EXPECT_EQ(g().txt_PlantaProcesadora->text(), QStringLiteral("FRIGORIFICO"));
    EXPECT_EQ(shown(g().txt_CajonesTotales), QStringLiteral("12,00"));
    EXPECT_EQ(shown(g().txt_KilosTotales), QStringLiteral("340,50"));
    EXPECT_EQ(shown(g().txt_TotalGral), QStringLiteral("704,93"));
    EXPECT_EQ(shown(g().txt_Depositado), QStringLiteral("28,20")) << "the stored deposit, not one computed again";
    EXPECT_EQ(g().cbo_Alicuota->Text(), QStringLiteral("4%"));
    EXPECT_TRUE(g().SSTab1->TabEnabled(1));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("modificar,eliminar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QStringLiteral(" | ")).toStdString();
}

TEST_F(GuiaCabecera, AGuideDatedAfterTodayOpensAsStoredAndANewOneStopsAtToday)
{
    insertGuide({.nro = QStringLiteral("G5"), .fecha = QStringLiteral("2006-05-20")});
    openGuias();
    modificarGuia();
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 5, 20));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QStringLiteral(" | ")).toStdString();
    click(ed().tlb_guias, QStringLiteral("nuevo"));
    EXPECT_EQ(g().dtp_FechaG->MaxDate(), QDate(2006, 5, 15));
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 5, 15));
}

TEST_F(GuiaCabecera, ARateThatMatchesNoItemIsLeftUnselectedAndAskedFor)
{
    insertGuide({.nro = QStringLiteral("G5"), .alicuota = 3});
    openGuias();
    modificarGuia();
    EXPECT_EQ(g().cbo_Alicuota->ListIndex(), -1);
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    EXPECT_EQ(aceptar(), QStringLiteral("Seleccione la alícuota consignada en la Guía de Tránsito"));
}

TEST_F(GuiaCabecera, AnotherOperationKeepsWhatItDoesNotSet)
{
    insertGuide({.nro = QStringLiteral("G5"), .planta = QStringLiteral("FRIGORIFICO")});
    openGuias();
    frmEditarGuias* first = &modificarGuia();
    click(ed().tlb_guias, QStringLiteral("nuevo"));
    EXPECT_EQ(&g(), first) << "one guide editor";
    EXPECT_EQ(MDIPrincipal::Instance().mdiArea()->activeSubWindow(), g().subWindow());
    EXPECT_EQ(g().Caption(), kNueva);
    EXPECT_TRUE(g().txt_NroGuia->isEnabledTo(g().frm_cab));
    EXPECT_FALSE(g().SSTab1->TabEnabled(1));
    EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G5"));
    EXPECT_EQ(g().txt_PlantaProcesadora->text(), QStringLiteral("FRIGORIFICO"));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("nuevo,eliminar"));
}

TEST_F(GuiaCabecera, ALocalityOutsideTheListAnEarlierProvinceLeftIsStillShown)
{
    insertGuide({.nro = QStringLiteral("G5"), .localidad = 3, .provincia = 6});
    openGuias();
    nuevaGuia();
    click(g().tlb_cabecera, QStringLiteral("nuevo"));
    choose(g().cbo_provincias, QStringLiteral("CHUBUT"));
    click(g().tlb_cabecera, QStringLiteral("cancelar"));
    ed().SSTab1->setTab(2);
    modificarGuia();
    EXPECT_EQ(g().cbo_localidades->Text(), QStringLiteral("MAR DEL PLATA"));
    EXPECT_EQ(g().cbo_provincias->Text(), QStringLiteral("BUENOS AIRES"));
}

TEST_F(GuiaCabecera, CancelarLeavesTheEditedValuesOnScreenUnsaved)
{
    insertGuide({.nro = QStringLiteral("G5"), .planta = QStringLiteral("FRIGORIFICO")});
    openGuias();
    modificarGuia();
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    type(g().txt_PlantaProcesadora, QStringLiteral("otra"));
    click(g().tlb_cabecera, QStringLiteral("cancelar"));
    EXPECT_EQ(g().txt_PlantaProcesadora->text(), QStringLiteral("OTRA"));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("modificar,eliminar"));
    EXPECT_EQ(storedGuide(QStringLiteral("G5")).section(QLatin1Char('|'), 6, 6), QStringLiteral("FRIGORIFICO"));
}

TEST_F(GuiaCabecera, TheRateRecomputesTheDepositShownAndATypedDepositIsStored)
{
    insertGuide({.nro = QStringLiteral("G5"), .total = 1234.57, .valor = 0});
    insertGuideLine(QStringLiteral("G5"), 1, 1, 1, 1, 1234.57, 1234.57);
    openGuias();
    modificarGuia();
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    choose(g().cbo_Alicuota, QStringLiteral("4%"));
    EXPECT_EQ(shown(g().txt_Depositado), QStringLiteral("49,38"));
    type(g().txt_Depositado, QStringLiteral("50,1"));
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(storedGuide(QStringLiteral("G5")).section(QLatin1Char('|'), 11, 11), QStringLiteral("50.1"));
}

TEST_F(GuiaCabecera, OnlyTheNumberAndThePlantTakeCapitalsAndEnterChangesNothing)
{
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("g-1"), QStringLiteral("planta ñandú"));
    EXPECT_EQ(g().txt_PlantaProcesadora->text(), QStringLiteral("PLANTA ÑANDÚ"));
    type(g().txt_Depositado, QStringLiteral("12"));
    QTest::keyClick(g().txt_NroGuia, Qt::Key_Return);
    QTest::keyClick(g().txt_PlantaProcesadora, Qt::Key_Enter);
    testsupport::Settle();
    EXPECT_EQ(g().txt_NroGuia->text(), QStringLiteral("G-1"));
    EXPECT_EQ(enabledButtons(g().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")), 0);
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(GuiaCabecera, OnlySalirClosesTheWindow)
{
    openGuias();
    nuevaGuia();
    g().subWindow()->close();
    testsupport::Settle();
    ASSERT_NE(forms::Form::Existing<frmEditarGuias>(), nullptr);
    EXPECT_TRUE(g().isVisible());
    for (const char* key : {"aceptar", "cancelar"}) {
        click(g().toolbar, QString::fromLatin1(key));
        ASSERT_NE(forms::Form::Existing<frmEditarGuias>(), nullptr) << key;
    }
    click(g().toolbar, QStringLiteral("salir"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forms::Form::Existing<frmEditarGuias>(), nullptr);
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")), 0);
}

// The guide reaches the editor as the grid's texts, in the locale's
// number format; saving it unchanged must store the very amounts.
void GuiaCabecera::expectAmountsSurviveModificar(const QString& credito)
{
    insertGuide({.nro = QStringLiteral("G5"), .cajones = 1012.5, .kilos = 1340.25, .total = 1234.57, .valor = 49.38});
    insertGuideLine(QStringLiteral("G5"), 1, 1, 1012.5, 1340.25, 0.9211, 1234.57);
    const QString before = storedGuide(QStringLiteral("G5"));
    openGuias();
    EXPECT_EQ(shown(ed().nroAfavorL7351), credito);
    modificarGuia();
    click(g().tlb_cabecera, QStringLiteral("modificar"));
    EXPECT_EQ(aceptar(), QString());
    EXPECT_EQ(storedGuide(QStringLiteral("G5")), before);
}

TEST_F(GuiaCabecera, AStoredGuideSavedUnchangedKeepsItsAmounts)
{
    expectAmountsSurviveModificar(QStringLiteral("24,69"));
}

TEST_F(GuiaCabecera, CLocale_AStoredGuideSavedUnchangedKeepsItsAmounts)
{
    SKIP_UNLESS_C_LOCALE();
    expectAmountsSurviveModificar(QStringLiteral("24.69"));
}

TEST(GuiaCabeceraUnderC, TheCLocaleCasesPassInAChildProcess)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("GuiaCabecera.CLocale_*"));
}

TEST_F(GuiaCabecera, TheEditorLiesInsideASmallMainWindowAndScrolls)
{
    MDIPrincipal& main = MDIPrincipal::Instance();
    main.showNormal();
    main.resize(640, 420);
    testsupport::Settle();
    openGuias();
    nuevaGuia();
    const QRect area = main.mdiArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(g().subWindow()->geometry()));
    EXPECT_GE(g().height(), g().minimumSizeHint().height()) << "scrolled, never squeezed";
    testsupport::Screenshot(&main, QStringLiteral("guia-en-ventana-chica"));
}

}  // namespace
