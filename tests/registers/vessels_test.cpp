// The vessel register: the list, the copy of a row for the editor, the
// deletion, and the editor's checks, duplicates, insert, update and keys.
#include "support/LocaleRun.h"
#include "support/Places.h"
#include "vessel_price_fixture.h"

#include "core/controls/ctlNumero.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "registers/frmEditarEmbarcacion.h"
#include "registers/frmEmbarcaciones.h"
#include "ui/MDIPrincipal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

using namespace vptest;

namespace {

const QString kColumnas = QStringLiteral(
    "PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FINSC7351, PBAR_FALTA, PBAR_FBAJA, PBAR_FBOTADURA, PBAR_ESLORA, "
    "PBAR_MATERIALCASCO, PBAR_ARBOLADURA, PBAR_MANGA, PBAR_PUNTAL, PBAR_BODEGA, PBAR_TONTOTAL, PBAR_TONNETO, PBAR_PODERMOTOR, "
    "PBAR_MARCAMOTOR, PBAR_NROMOTOR, PBAR_TIPOMOTOR, PBAR_CERTSEGURIDAD, PPTO_ID, PBAR_POTENCIA, PBAR_CONVENIO_GOLFO");

class Vessels : public RegisterTest {
protected:
    // Vessel 10 "0045" with every field; vessel 11 "123" with only what is mandatory.
    void insertTwo()
    {
        exec(
            QStringLiteral("insert into LNV_PES_TB_EMBARCACIONES (") + kColumnas
            + QStringLiteral(
                ") values (10, '0045', 'ESTRELLA DEL SUR', 6, '2005-03-14', '2005-03-01', '2006-01-31', '1978-09-22', "
                "18.5, 'MADERA', 9.25, 5.1, 2.4, 45, 62.3, 21.8, 320, 'CATERPILLAR', 'CAT-77', 'DIESEL', 'CS-0412', 10, "
                "238.6, 1)"));
        exec(QStringLiteral(
            "insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) "
            "values (11, '123', 'DON JUAN', 2, '2004-11-05', 12)"));
    }
    frmEmbarcaciones& openList() { return RegisterTest::openList<frmEmbarcaciones>(main->op_Embarcaciones); }
    frmEditarEmbarcacion& ed() { return editor<frmEditarEmbarcacion>(); }
    bool editorOpen() const { return forms::Form::Existing<frmEditarEmbarcacion>() != nullptr; }

    void selectRow(frmEmbarcaciones& f, int row) { clickCell(f.grillaEmbaraciones, row, 2); }
    frmEditarEmbarcacion& openNew()
    {
        frmEmbarcaciones& f = openList();
        click(f.tlbMonedas, "nuevo");
        return ed();
    }
    frmEditarEmbarcacion& openExisting(int row)
    {
        frmEmbarcaciones& f = openList();
        selectRow(f, row);
        click(f.tlbMonedas, "modificar");
        return ed();
    }
    // A new vessel that passes every check.
    void fillValid(frmEditarEmbarcacion& e)
    {
        type(e.txt_IdEmbarcacion, QStringLiteral("501"));
        type(e.txt_Matricula, QStringLiteral("501"));
        type(e.txt_nombre, QStringLiteral("nueva esperanza"));
        choose(e.cbo_TipoEmb, QStringLiteral("COSTERO"));
        choose(e.cbo_Puertos, QStringLiteral("RAWSON"));
    }
    QString stored(int id)
    {
        return rows(QStringLiteral("select ") + kColumnas
                    + QStringLiteral(" from LNV_PES_TB_EMBARCACIONES where PBAR_ID = %1").arg(id))
            .value(0);
    }
    long vessels() { return count(QStringLiteral("select count(*) from LNV_PES_TB_EMBARCACIONES")); }
};

// ---------------------------------------------------------------- the list

// Its caption, place, buttons and columns: tests/ui/lists_test.cpp.
TEST_F(Vessels, TheListShowsEveryVesselAndSelectsTheFirst)
{
    insertTwo();
    frmEmbarcaciones& f = openList();
    EXPECT_FALSE(menusEnabled());
    // By name, the values as the view gives them.
    EXPECT_EQ(
        shownRows(f.grillaEmbaraciones),
        (QStringList{
            "11|123|DON JUAN|COSTERO||05/11/2004|||0||0|0|0|0|0|0|0|0|||||RAWSON|0",
            "10|0045|ESTRELLA DEL SUR|TANGONERO|14/03/2005|01/03/2005|31/01/2006|22/09/1978|18,5|MADERA|9,25|5,1|2,4|45|"
            "62,3|21,8|238,6|320|CATERPILLAR|CAT-77|DIESEL|CS-0412|PUERTO MADRYN|1"}));
    EXPECT_EQ(f.grillaEmbaraciones->Row(), 0);
    EXPECT_EQ(f.grillaEmbaraciones->SelBookmarks().Count(), 1);
    testsupport::Screenshot(main, QStringLiteral("vessel-list"));

    click(f.tlbMonedas, "salir");
    EXPECT_EQ(forms::Form::Existing<frmEmbarcaciones>(), nullptr);
    EXPECT_TRUE(menusEnabled());

    // The close box closes it too, and gives the menus back.
    frmEmbarcaciones& again = openList();
    EXPECT_FALSE(menusEnabled());
    again.subWindow()->close();
    testsupport::Settle();
    EXPECT_EQ(forms::Form::Existing<frmEmbarcaciones>(), nullptr);
    EXPECT_TRUE(menusEnabled());
}

TEST_F(Vessels, AnEmptyRegisterOffersOnlyNewAndExit)
{
    frmEmbarcaciones& f = openList();
    EXPECT_EQ(f.grillaEmbaraciones->Row(), -1);
    EXPECT_EQ(f.grillaEmbaraciones->SelBookmarks().Count(), 0);
    EXPECT_FALSE(f.tlbMonedas->Buttons(4).Enabled());
    EXPECT_FALSE(f.tlbMonedas->Buttons(5).Enabled());
    click(f.tlbMonedas, "nuevo");
    EXPECT_EQ(ed().Caption(), QStringLiteral("Nueva Embarcación"));
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txt_IdEmbarcacion"));
    EXPECT_TRUE(prompts().isEmpty());
}

// A list that cannot be read says why and offers only what needs no row.
TEST_F(Vessels, AListThatCannotBeReadIsReportedAndOffersOnlyNewAndExit)
{
    insertTwo();
    exec(QStringLiteral("drop view PES_VW_EMBARCACIONES"));
    frmEmbarcaciones& f = openList();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error ")))
        << boxes.messages()[0].prompt.toStdString();
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Sistema Caladero Ley 7351"));
    EXPECT_FALSE(f.tlbMonedas->Buttons(4).Enabled());
    EXPECT_FALSE(f.tlbMonedas->Buttons(5).Enabled());
    EXPECT_TRUE(f.tlbMonedas->Buttons(2).Enabled());
}

// The editor gets the row as the record carries it: the matrícula through
// a whole number, absent dates empty, descriptions selected by text.
TEST_F(Vessels, ModificarHandsTheSelectedRowToTheEditor)
{
    insertTwo();
    frmEditarEmbarcacion& e = openExisting(1);
    EXPECT_EQ(e.Caption(), QStringLiteral("Modificar Embarcación"));
    auto values = [](frmEditarEmbarcacion& e) {
        auto d = [](forms::DatePicker* p) {
            return p->HasValue() ? p->Date().toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("-");
        };
        return QStringList{e.txt_IdEmbarcacion->text(),
                           e.txt_Matricula->text(),
                           e.txt_Matricula->isEnabled() ? QStringLiteral("editable") : QStringLiteral("fixed"),
                           e.txt_nombre->text(),
                           e.cbo_TipoEmb->Text(),
                           e.cbo_Puertos->Text(),
                           d(e.dtp_FInscL7351),
                           d(e.dtp_FAlta),
                           d(e.dtp_FBaja),
                           d(e.dtp_FBotadura),
                           e.txt_Eslora->toString(),
                           e.txt_MCasco->text(),
                           e.txt_Arboladura->toString(),
                           e.txt_Manga->toString(),
                           e.txt_Puntal->toString(),
                           e.txt_Bodega->toString(),
                           e.txt_TonTotal->toString(),
                           e.txt_TonNeto->toString(),
                           e.txt_Potencia->toString(),
                           e.txt_Poder->toString(),
                           e.txt_MarcaMotor->text(),
                           e.txt_NroMotor->text(),
                           e.txt_TipoMotor->text(),
                           e.txt_NroCertSeg->text(),
                           e.chk_convenio->isChecked() ? QStringLiteral("convenio") : QStringLiteral("-")}
            .join(QLatin1Char('|'));
    };
    EXPECT_EQ(
        values(e),
        QStringLiteral(
            "10|45|fixed|ESTRELLA DEL SUR|TANGONERO|PUERTO MADRYN|14/03/2005|01/03/2005|31/01/2006|22/09/1978|"
            "18,50|MADERA|9,25|5,10|2,40|45,00|62,30|21,80|238,60|320,00|CATERPILLAR|CAT-77|DIESEL|CS-0412|convenio"));
    testsupport::Screenshot(e.subWindow(), QStringLiteral("vessel-editor"));

    // The open editor takes the next row.
    frmEmbarcaciones& f = *forms::Form::Existing<frmEmbarcaciones>();
    main->mdiArea()->setActiveSubWindow(f.subWindow());
    testsupport::Settle();
    selectRow(f, 0);
    click(f.tlbMonedas, "modificar");
    EXPECT_EQ(&ed(), &e);
    EXPECT_EQ(
        values(e),
        QStringLiteral(
            "11|123|fixed|DON JUAN|COSTERO|RAWSON|-|05/11/2004|-|-|0,00||0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|||||-"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
}

// "Nuevo" on the editor left open by a change keeps what it showed, but the
// new vessel gets a matrícula of its own.
TEST_F(Vessels, NuevoOnTheOpenEditorUnlocksTheMatricula)
{
    insertTwo();
    frmEditarEmbarcacion& e = openExisting(0);
    frmEmbarcaciones& f = *forms::Form::Existing<frmEmbarcaciones>();
    main->mdiArea()->setActiveSubWindow(f.subWindow());
    testsupport::Settle();
    click(f.tlbMonedas, "nuevo");
    EXPECT_EQ(&ed(), &e);
    EXPECT_EQ(e.Caption(), QStringLiteral("Nueva Embarcación"));
    EXPECT_TRUE(e.txt_Matricula->isEnabled());
    EXPECT_EQ(e.txt_nombre->text(), QStringLiteral("DON JUAN"));
    type(e.txt_IdEmbarcacion, QStringLiteral("12"));
    type(e.txt_Matricula, QStringLiteral("124"));
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(
        stored(12),
        QStringLiteral("12|124|DON JUAN|2|null|15/05/2006|null|null|0|null|0|0|0|0|0|0|0|null|null|null|null|12|0|0"));
}

TEST_F(Vessels, ARowTheRecordCannotTakeIsNamedAndNothingOpens)
{
    const struct {
        const char* change;
        const char* message;
    } cases[] = {
        // The matrícula's range is what the declaration number's four digits hold.
        {"PBAR_MATRICULA = '40000'",
         "No se puede modificar la embarcación seleccionada porque el dato \"Matrícula\" (40000) no es un número válido entre 0 y 9999."},
        {"PBAR_MATRICULA = '10000'",
         "No se puede modificar la embarcación seleccionada porque el dato \"Matrícula\" (10000) no es un número válido entre 0 y 9999."},
        {"PBAR_MATRICULA = 'AB-1'",
         "No se puede modificar la embarcación seleccionada porque el dato \"Matrícula\" (AB-1) no es un número válido entre 0 y 9999."},
        {"PBAR_ESLORA = ''",
         "No se puede modificar la embarcación seleccionada porque no tiene cargado el dato \"Eslora\"."},
        {"PBAR_TONNETO = 'x'",
         "No se puede modificar la embarcación seleccionada porque el dato \"Tonelaje Neto\" (x) no es un número válido."},
    };
    insertTwo();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        exec(QStringLiteral("update LNV_PES_TB_EMBARCACIONES set %1 where PBAR_ID = 11")
                 .arg(QString::fromUtf8(c.change)));
        frmEmbarcaciones& f = openList();
        boxes.clear();
        click(f.tlbMonedas, "modificar");
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages()[0].style, 64);
        EXPECT_FALSE(editorOpen());
        EXPECT_EQ(f.mEmbarcacion, nullptr);
        click(f.tlbMonedas, "salir");
        exec(QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES where PBAR_ID = 11"));
        exec(QStringLiteral(
            "insert into LNV_PES_TB_EMBARCACIONES (PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PTBA_ID, PBAR_FALTA, PPTO_ID) "
            "values (11, '123', 'DON JUAN', 2, '2004-11-05', 12)"));
    }
}

// ---------------------------------------------------------------- deletion

TEST_F(Vessels, DeletionUsesTheMatriculaAsStoredAndAsksFirst)
{
    insertTwo();
    frmEmbarcaciones& f = openList();
    selectRow(f, 1);
    boxes.answer(7);
    click(f.tlbMonedas, "borrar");
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].prompt, QStringLiteral("¿Está seguro que desea borrar la embarcación seleccionada?"));
    EXPECT_EQ(boxes.messages()[0].style, 36);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Borrar embarcación"));
    EXPECT_EQ(vessels(), 2);

    boxes.answer(6);
    click(f.tlbMonedas, "borrar");
    EXPECT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(rows(QStringLiteral("select PBAR_MATRICULA from LNV_PES_TB_EMBARCACIONES")), QStringList{"123"});
    EXPECT_EQ(shownRows(f.grillaEmbaraciones).size(), 1);

    boxes.answer(6);
    click(f.tlbMonedas, "borrar");
    EXPECT_EQ(vessels(), 0);
    EXPECT_FALSE(f.tlbMonedas->Buttons(4).Enabled());
    EXPECT_FALSE(f.tlbMonedas->Buttons(5).Enabled());
}

TEST_F(Vessels, AVesselInUseByADeclarationIsRefusedAndStays)
{
    insertTwo();
    testsupport::insertCompany(3, 20123456786LL, QStringLiteral("PEREZ JUAN CARLOS"));
    testsupport::insertDeclaration({.nro = QStringLiteral("20123456786012320060500"), .cuit = 20123456786LL});
    frmEmbarcaciones& f = openList();
    boxes.answer(6);
    click(f.tlbMonedas, "borrar");
    ASSERT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(boxes.messages()[1].prompt,
              QStringLiteral(
                  "No se puede borrar la embarcación seleccionada porque tiene Declaraciones Juradas relacionadas"));
    EXPECT_EQ(boxes.messages()[1].style, 64);
    EXPECT_EQ(boxes.messages()[1].title, QStringLiteral("Borrar embarcación"));
    EXPECT_EQ(vessels(), 2);
    EXPECT_EQ(shownRows(f.grillaEmbaraciones).size(), 2);
}

// ---------------------------------------------------------------- editor checks

TEST_F(Vessels, TheChecksRunInOrderAndStopAtTheFirstFailure)
{
    using Change = std::function<void(Vessels&, frmEditarEmbarcacion&)>;
    auto number = [](const char* t) {
        return Change([t](Vessels& v, frmEditarEmbarcacion& e) { v.type(e.txt_IdEmbarcacion, QString::fromUtf8(t)); });
    };
    auto matricula = [](const char* t) {
        return Change([t](Vessels& v, frmEditarEmbarcacion& e) { v.type(e.txt_Matricula, QString::fromUtf8(t)); });
    };
    const QString kNumero = QStringLiteral("Ingrese el número de embarcación");
    const QString kMatricula = QStringLiteral("Ingrese la matrícula de la embarcación");
    const QString kNombre = QStringLiteral("Ingrese el nombre de la embarcación");
    const struct Case {
        const char* what;
        std::vector<Change> changes;
        QString message;
        const char* focus;
    } cases[] = {
        {"empty number", {number("")}, kNumero, "txt_IdEmbarcacion"},
        {"blank number", {number("   ")}, kNumero, "txt_IdEmbarcacion"},
        {"number 0", {number("0")}, kNumero, "txt_IdEmbarcacion"},
        {"letters in the number", {number("12a")}, kNumero, "txt_IdEmbarcacion"},
        {"a separator in the number", {number("1.234")}, kNumero, "txt_IdEmbarcacion"},
        {"a number beyond 32 bits", {number("2147483648")}, kNumero, "txt_IdEmbarcacion"},
        {"number 00 passes", {number("00"), matricula("")}, kMatricula, "txt_Matricula"},
        {"blank matrícula", {matricula("  ")}, kMatricula, "txt_Matricula"},
        {"matrícula 0", {matricula("0")}, kMatricula, "txt_Matricula"},
        {"letters in the matrícula", {matricula("ab")}, kMatricula, "txt_Matricula"},
        {"matrícula 00 passes",
         {matricula("00"), [](Vessels& v, frmEditarEmbarcacion& e) { v.type(e.txt_nombre, QStringLiteral("  ")); }},
         kNombre,
         "txt_nombre"},
        {"no type",
         {[](Vessels&, frmEditarEmbarcacion& e) { e.cbo_TipoEmb->setListIndex(-1); }},
         QStringLiteral("Seleccione el tipo de embarcación"),
         "cbo_TipoEmb"},
        {"no port",
         {[](Vessels&, frmEditarEmbarcacion& e) { e.cbo_Puertos->setListIndex(-1); }},
         QStringLiteral("Seleccione el puerto de la embarcación"),
         "cbo_Puertos"},
        {"no entry date",
         {[](Vessels& v, frmEditarEmbarcacion& e) { v.setDate(e.dtp_FAlta, QString()); }},
         QStringLiteral("Ingrese la fecha de alta"),
         "dtp_FAlta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmEditarEmbarcacion& e = openNew();
        fillValid(e);
        for (const Change& change : c.changes) change(*this, e);
        boxes.clear();
        click(e.toolbar, "aceptar");
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].prompt, c.message);
        EXPECT_EQ(boxes.messages()[0].style, 64);
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Nueva Embarcación"));
        ASSERT_TRUE(focused());
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(c.focus));
        EXPECT_TRUE(editorOpen());
        EXPECT_EQ(vessels(), 0);
        click(e.toolbar, "cancelar");
        testsupport::UnloadAllWindows();
    }
}

TEST_F(Vessels, ANewVesselWithARegisteredNumberOrMatriculaIsRefusedBeforeAnyInsert)
{
    const struct {
        const char* numero;
        const char* matricula;
        const char* message;
        const char* focus;
    } cases[] = {
        {"11", "999", "Ya existe una embarcacion con ese Número", "txt_IdEmbarcacion"},
        {"500", "123", "Ya existe una embarcacion con esa Matrícula", "txt_Matricula"},
        // Vessels 10 and 11 both match; the first row has the number.
        {"10", "123", "Ya existe una embarcacion con ese Número", "txt_IdEmbarcacion"},
        // Only the number matches, written with a leading zero.
        {"011", "999", "Ya existe una embarcacion con ese Número", "txt_IdEmbarcacion"},
    };
    insertTwo();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numero);
        frmEditarEmbarcacion& e = openNew();
        fillValid(e);
        type(e.txt_IdEmbarcacion, QString::fromLatin1(c.numero));
        type(e.txt_Matricula, QString::fromLatin1(c.matricula));
        boxes.clear();
        click(e.toolbar, "aceptar");
        EXPECT_EQ(prompts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(boxes.messages().at(0).title, QStringLiteral("Nueva Embarcación"));
        ASSERT_TRUE(focused());
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(c.focus));
        EXPECT_TRUE(editorOpen());
        EXPECT_EQ(vessels(), 2);
        testsupport::UnloadAllWindows();
    }
}

// ---------------------------------------------------------------- insert and update

TEST_F(Vessels, ANewVesselStoresEmptyOptionalFieldsAsNullAndTheAgreementAsOneOrZero)
{
    struct Case {
        const char* what;
        std::function<void(Vessels&, frmEditarEmbarcacion&)> fill;
        const char* row;
    };
    const Case cases[] = {
        {"only what is mandatory, blanks in two boxes",
         [](Vessels& v, frmEditarEmbarcacion& e) {
             v.type(e.txt_MarcaMotor, QStringLiteral("   "));
             v.type(e.txt_NroCertSeg, QStringLiteral(" "));
         },
         "501|501|NUEVA ESPERANZA|2|null|15/05/2006|null|null|0|null|0|0|0|0|0|0|0|null|null|null|null|12|0|0"},
        {"every field",
         [](Vessels& v, frmEditarEmbarcacion& e) {
             v.type(e.txt_nombre, QStringLiteral("o'higgins ñandú"));
             v.setDate(e.dtp_FInscL7351, QStringLiteral("14/03/2005"));
             v.setDate(e.dtp_FAlta, QStringLiteral("01/03/2005"));
             v.setDate(e.dtp_FBaja, QStringLiteral("30/04/2006"));
             v.setDate(e.dtp_FBotadura, QStringLiteral("22/09/1978"));
             v.type(e.txt_Eslora, QStringLiteral("18,5"));
             v.type(e.txt_MCasco, QStringLiteral("madera"));
             v.type(e.txt_Arboladura, QStringLiteral("9,25"));
             v.type(e.txt_Manga, QStringLiteral("5,1"));
             v.type(e.txt_Puntal, QStringLiteral("2,4"));
             v.type(e.txt_Bodega, QStringLiteral("1234,5"));
             v.type(e.txt_TonTotal, QStringLiteral("62,3"));
             v.type(e.txt_TonNeto, QStringLiteral("21,8"));
             v.type(e.txt_MarcaMotor, QStringLiteral("caterpillar"));
             v.type(e.txt_NroMotor, QStringLiteral("cat-77"));
             v.type(e.txt_TipoMotor, QStringLiteral("diesel"));
             v.type(e.txt_Potencia, QStringLiteral("238,6"));
             v.type(e.txt_Poder, QStringLiteral("320"));
             v.type(e.txt_NroCertSeg, QStringLiteral("cs-0412"));
             e.chk_convenio->click();
         },
         "501|501|O'HIGGINS ÑANDÚ|2|14/03/2005|01/03/2005|30/04/2006|22/09/1978|18,5|MADERA|9,25|5,1|2,4|1234,5|62,3|21,8|320|"
         "CATERPILLAR|CAT-77|DIESEL|CS-0412|12|238,6|1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        exec(QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES"));
        frmEditarEmbarcacion& e = openNew();
        fillValid(e);
        c.fill(*this, e);
        click(e.toolbar, "aceptar");
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(editorOpen());
        EXPECT_EQ(stored(501), QString::fromUtf8(c.row));
        testsupport::UnloadAllWindows();
    }
}

TEST_F(Vessels, AChangeIsStoredByTheMatriculaAndMayRenumberTheVessel)
{
    insertTwo();
    // A launch date after today (typed before the clock was right) opens as stored and stays.
    exec(QStringLiteral("update LNV_PES_TB_EMBARCACIONES set PBAR_MARCAMOTOR = 'YANMAR', PBAR_CONVENIO_GOLFO = 1, "
                        "PBAR_FBOTADURA = '2006-12-01' where PBAR_ID = 11"));
    frmEditarEmbarcacion& e = openExisting(0);
    EXPECT_EQ(e.dtp_FBotadura->Date(), QDate(2006, 12, 1));
    type(e.txt_IdEmbarcacion, QStringLiteral("12"));
    type(e.txt_nombre, QStringLiteral("don juan ii"));
    type(e.txt_MarcaMotor, QString());
    setDate(e.dtp_FBaja, QStringLiteral("30/04/2006"));
    type(e.txt_Eslora, QStringLiteral("9,8"));
    e.chk_convenio->click();
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(
        stored(12),
        QStringLiteral(
            "12|123|DON JUAN II|2|null|05/11/2004|30/04/2006|01/12/2006|9,8|null|0|0|0|0|0|0|0|null|null|null|null|12|0|0"));
    EXPECT_EQ(vessels(), 2);
}

// The matrícula's range is the declaration number's four digits: the
// largest is stored and changed again; one above is refused as typed.
TEST_F(Vessels, TheLargestMatriculaIsStoredAndChangedAndOneAboveIsRefused)
{
    const QString kMatricula = QStringLiteral("Ingrese la matrícula de la embarcación");
    {
        frmEditarEmbarcacion& e = openNew();
        fillValid(e);
        type(e.txt_Matricula, QStringLiteral("10000"));
        click(e.toolbar, "aceptar");
        EXPECT_EQ(prompts(), QStringList{kMatricula});
        EXPECT_EQ(focused(), e.txt_Matricula);
        EXPECT_EQ(vessels(), 0);
        boxes.clear();
        type(e.txt_Matricula, QStringLiteral("9999"));
        click(e.toolbar, "aceptar");
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(editorOpen());
        EXPECT_EQ(stored(501).section(u'|', 1, 2), QStringLiteral("9999|NUEVA ESPERANZA"));
    }
    click(forms::Form::Existing<frmEmbarcaciones>()->tlbMonedas, "salir");
    frmEditarEmbarcacion& e = openExisting(0);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(e.txt_Matricula->text(), QStringLiteral("9999"));
    type(e.txt_nombre, QStringLiteral("esperanza ii"));
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(stored(501).section(u'|', 1, 2), QStringLiteral("9999|ESPERANZA II"));
}

TEST_F(Vessels, RenumberingToAnotherVesselsNumberIsRefused)
{
    insertTwo();
    const QString before = stored(11);
    frmEditarEmbarcacion& e = openExisting(0);
    type(e.txt_IdEmbarcacion, QStringLiteral("10"));
    type(e.txt_nombre, QStringLiteral("otro nombre"));
    click(e.toolbar, "aceptar");
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].prompt,
              QStringLiteral("Ya existe otra embarcacion con ese Nro.Embarcación o Matrícula"));
    EXPECT_EQ(boxes.messages()[0].style, 64);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Modificar Embarcación"));
    EXPECT_TRUE(editorOpen());
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txt_IdEmbarcacion"));
    EXPECT_EQ(e.txt_nombre->text(), QStringLiteral("OTRO NOMBRE"));
    EXPECT_EQ(stored(11), before);
}

// Quotes are stored as typed, a run of them included, by the insert and by
// the update (whose key, the matrícula, is quoted too).
TEST_F(Vessels, QuotesAreStoredAsTyped)
{
    frmEditarEmbarcacion& e = openNew();
    fillValid(e);
    type(e.txt_nombre, QStringLiteral("o''brien '''"));
    type(e.txt_MCasco, QStringLiteral("pino 'tea''"));
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    const QString sql = QStringLiteral(
        "select PBAR_NOMBRE || '|' || PBAR_MATERIALCASCO from LNV_PES_TB_EMBARCACIONES where PBAR_ID = 501");
    EXPECT_EQ(text::CStr(scalar(sql)), QStringLiteral("O''BRIEN '''|PINO 'TEA''"));

    frmEditarEmbarcacion& m = openExisting(0);
    EXPECT_EQ(m.txt_nombre->text(), QStringLiteral("O''BRIEN '''"));
    type(m.txt_nombre, QStringLiteral("d''alessandro'"));
    click(m.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(text::CStr(scalar(sql)), QStringLiteral("D''ALESSANDRO'|PINO 'TEA''"));
}

// Only a uniqueness violation is a duplicate: a database another instance
// holds, a read-only file or disk, says what happened and keeps the vessel and
// the editor as they were.
TEST_F(Vessels, AChangeTheDatabaseCannotTakeSaysWhyAndKeepsWhatWasTyped)
{
    using testsupport::UnwritableDatabase;
    insertTwo();
    const QString before = stored(11);
    frmEditarEmbarcacion& e = openExisting(0);
    type(e.txt_nombre, QStringLiteral("otro nombre"));
    for (UnwritableDatabase::Kind kind : UnwritableDatabase::kinds) {
        SCOPED_TRACE(int(kind));
        UnwritableDatabase place(kind, db.folder());
        if (!place.ok()) GTEST_SKIP() << "this system cannot make a file read-only";
        boxes.clear();
        click(e.toolbar, "aceptar");
        EXPECT_EQ(prompts(), QStringList{place.Message()});
        EXPECT_EQ(boxes.messages().at(0).title, QStringLiteral("Sistema Caladero Ley 7351"));
        EXPECT_TRUE(editorOpen());
        EXPECT_EQ(e.txt_nombre->text(), QStringLiteral("OTRO NOMBRE"));
    }
    EXPECT_EQ(stored(11), before);
    boxes.clear();
    click(e.toolbar, "aceptar");
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(editorOpen());
}

// The editor gets "45" for a vessel stored as "0045", which keys no row:
// the clerk is told and keeps what was typed.
TEST_F(Vessels, AChangeThatReachesNoRowIsReportedNotLost)
{
    insertTwo();
    const QString before = stored(10);
    frmEditarEmbarcacion& e = openExisting(1);
    type(e.txt_nombre, QStringLiteral("estrella del norte"));
    click(e.toolbar, "aceptar");
    EXPECT_EQ(prompts(),
              QStringList{QStringLiteral(
                  "No se guardaron los cambios: no hay ninguna embarcación registrada con la matrícula 45")});
    EXPECT_TRUE(editorOpen());
    EXPECT_EQ(e.txt_nombre->text(), QStringLiteral("ESTRELLA DEL NORTE"));
    EXPECT_EQ(stored(10), before);
}

// Dimensions typed with a decimal point are stored as typed and come back
// from the list as the same numbers.
TEST_F(Vessels, CLocale_DimensionsRoundTripUnderAPointLocale)
{
    SKIP_UNLESS_C_LOCALE();
    insertTwo();
    frmEditarEmbarcacion& e = openExisting(0);
    type(e.txt_Eslora, QStringLiteral("18.5"));
    type(e.txt_Bodega, QStringLiteral("1234.5"));
    click(e.toolbar, "aceptar");
    EXPECT_EQ(
        stored(11),
        QStringLiteral(
            "11|123|DON JUAN|2|null|05/11/2004|null|null|18.5|null|0|0|0|1234.5|0|0|0|null|null|null|null|12|0|0"));
    frmEditarEmbarcacion& again = openExisting(0);
    EXPECT_EQ(again.txt_Eslora->toString(), QStringLiteral("18.50"));
    EXPECT_EQ(again.txt_Bodega->toString(), QStringLiteral("1,234.50"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
}

TEST(VesselsUnderC, TheCLocaleCasesPassInAChildProcess)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("Vessels.CLocale_*"));
}

// ---------------------------------------------------------------- keys and closing

TEST_F(Vessels, LettersAreCapitalsInTheTextBoxesButNumberAndMatriculaKeepThem)
{
    frmEditarEmbarcacion& e = openNew();
    for (QLineEdit* t :
         {e.txt_nombre, e.txt_MCasco, e.txt_MarcaMotor, e.txt_NroMotor, e.txt_TipoMotor, e.txt_NroCertSeg}) {
        type(t, QStringLiteral("mar ñ-é 1"));
        EXPECT_EQ(t->text(), QStringLiteral("MAR Ñ-É 1")) << t->objectName().toStdString();
    }
    for (QLineEdit* t : {e.txt_IdEmbarcacion, e.txt_Matricula}) {
        type(t, QStringLiteral("a1"));
        EXPECT_EQ(t->text(), QStringLiteral("a1")) << t->objectName().toStdString();
    }
    EXPECT_EQ(e.txt_IdEmbarcacion->maxLength(), 10);
    EXPECT_EQ(e.txt_Matricula->maxLength(), 11);
}

TEST_F(Vessels, EnterAcceptsFromAnyFieldAndTheCloseBoxDoesNothing)
{
    frmEditarEmbarcacion& e = openNew();
    e.subWindow()->close();
    testsupport::Settle();
    EXPECT_TRUE(editorOpen());

    // A check that fails keeps the window; the field keeps what was typed.
    type(e.txt_IdEmbarcacion, QStringLiteral("501"));
    pressEnter(e.txt_Eslora);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Ingrese la matrícula de la embarcación")});
    EXPECT_TRUE(editorOpen());

    fillValid(e);
    boxes.clear();
    pressEnter(e.txt_NroCertSeg);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(editorOpen());
    EXPECT_EQ(vessels(), 1);
}

}  // namespace
