// The declaration editor's frame and header, driven through its controls:
// opening states, the sixteen checks, numbering, insert then update, the
// state rule, amounts, lookups, keys and closing.
#include "editor_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

using namespace editortest;

namespace {

QString enabledButtons(forms::Toolbar* tb)
{
    QStringList on;
    for (int i = 1; i <= tb->Count(); ++i)
        if (tb->Buttons(i).Enabled()) on << tb->Buttons(i).Key();
    return on.join(QLatin1Char(','));
}

QString enabledTabs(forms::TabbedDialog* t)
{
    QString s;
    for (int i = 0; i < t->Tabs(); ++i) s += t->TabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QString cell(const QString& column, const QString& nro = kNro)
{
    return text::CStr(
        scalar(QStringLiteral("select %1 from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%2'").arg(column, nro)));
}

long headers() { return count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351")); }

using CabeceraTest = EditorTest;

// ---------------------------------------------------------------- opening

TEST_F(CabeceraTest, ANewDeclarationOpensLockedWithOnlyTheHeaderTab)
{
    open(1);
    EXPECT_EQ(ed().Caption(), QStringLiteral("Nueva Declaración Jurada"));
    EXPECT_EQ(ed().txt_anio->text(), QStringLiteral("2006"));
    EXPECT_EQ(ed().txt_mes->text(), QStringLiteral("5"));
    EXPECT_TRUE(ed().txt_NroDJ->text().isEmpty());
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1000"));
    EXPECT_FALSE(ed().frm_cab->isEnabled());
    EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("nuevo,eliminar"));
    EXPECT_EQ(ed().cbo_EstadosDJ->ListCount(), 6);
    EXPECT_EQ(ed().cbo_Alicuota->ListCount(), 3);

    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    EXPECT_TRUE(ed().frm_cab->isEnabled());
    EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{ed().txt_anio, ed().txt_mes, ed().frm_Embarcacion, ed().frm_Empresa})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    testsupport::Screenshot(ed().subWindow(), QStringLiteral("editor-nueva"));
}

// The list hands over the grid row; the vessel and company come back from
// the registers by name, the rest as recorded.
TEST_F(CabeceraTest, AnExistingDeclarationOpensWithItsRecordAndTheStateRuleOnTheLinesTab)
{
    struct Case {
        const char* estado;
        const char* tabs;
    };
    for (const Case c : {Case{"N", "1111"}, Case{"S", "1011"}}) {
        SCOPED_TRACE(c.estado);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351"));
        insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QString::fromLatin1(c.estado));
        de1::conn().Execute(QStringLiteral(
            "update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_INTERESES = 1.5, PCDJ_MULTA = 2, PCDJ_TOTAL = 3.5"));
        auto cab = recordOf(kNro);
        cab->NroEmb = 999;                       // stale in the list,
        cab->Matricula = QStringLiteral("OLD");  // refreshed from the register
        open(2, cab);
        EXPECT_EQ(ed().Caption(), QStringLiteral("Modificar Declaración Jurada"));
        EXPECT_EQ(ed().txt_NroDJ->text(), kNro);
        EXPECT_EQ(ed().txt_anio->text(), QStringLiteral("2006"));
        EXPECT_EQ(ed().txt_mes->text(), QStringLiteral("5"));
        EXPECT_EQ(ed().cbo_Puertos->Text(), cab->Puerto);
        EXPECT_EQ(ed().cbo_TipoDJ->Text(), cab->TipoDJ);
        EXPECT_EQ(ed().cbo_EstadosDJ->Text(), cab->Estado);
        EXPECT_EQ(ed().txt_NroEmb->text(), QStringLiteral("7"));
        EXPECT_EQ(ed().txt_Matricula->text(), QStringLiteral("123"));
        EXPECT_EQ(ed().cbo_barcos->Text(), QStringLiteral("DON JUAN"));
        EXPECT_EQ(ed().txt_NroEmp->text(), QStringLiteral("3"));
        EXPECT_EQ(ed().txt_CUIT->text(), QStringLiteral("20123456786"));
        EXPECT_EQ(ed().cbo_empresas->Text(), QStringLiteral("PEREZ JUAN CARLOS"));
        EXPECT_EQ(ed().cbo_Alicuota->Text(), QStringLiteral("3%"));
        EXPECT_EQ(shown(ed().txt_Interes), QStringLiteral("1,50"));
        EXPECT_EQ(shown(ed().txt_Multa), QStringLiteral("2,00"));
        EXPECT_EQ(shown(ed().txt_TotalAdeudado), QStringLiteral("3,50"));
        EXPECT_EQ(ed().txt_NroDoc->text(), QStringLiteral("22333444"));
        EXPECT_EQ(ed().txt_responsable->text(), QStringLiteral("GOMEZ ANA"));
        EXPECT_EQ(ed().cbo_TipoDoc->Text(), cab->TipoDoc);
        EXPECT_EQ(ed().cbo_CaracteresResp->Text(), cab->CaracterResp);
        EXPECT_EQ(enabledTabs(ed().SSTab1), QString::fromLatin1(c.tabs));
        EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("modificar,eliminar"));
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
        if (c.estado[0] == 'N') testsupport::Screenshot(ed().subWindow(), QStringLiteral("editor-existente"));

        click(ed().tlb_cabecera, QStringLiteral("modificar"));
        EXPECT_TRUE(ed().frm_cab->isEnabled());
        EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("eliminar,aceptar,cancelar"));
        for (QWidget* w :
             std::initializer_list<QWidget*>{ed().txt_anio, ed().txt_mes, ed().frm_Embarcacion, ed().frm_Empresa})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Boats and companies often share a name: the declaration's own comes back,
// not the first of that name in the register.
TEST_F(CabeceraTest, AnExistingDeclarationShowsItsOwnVesselAndCompanyWhenTheirNamesRepeat)
{
    insertVessel(8, QStringLiteral("456"), QStringLiteral("DON JUAN"));
    insertCompany(4, 30708123451LL, QStringLiteral("PEREZ JUAN CARLOS"));
    const QString nro = QStringLiteral("30708123451045620060500");
    insertDeclaration(nro, 2006, 5, QStringLiteral("456"), 30708123451LL, QStringLiteral("N"));
    open(2, recordOf(nro));
    EXPECT_EQ(QStringList({ed().txt_NroEmb->text(), ed().txt_Matricula->text(), ed().cbo_barcos->Text()})
                  .join(QLatin1Char(' ')),
              QStringLiteral("8 456 DON JUAN"));
    EXPECT_EQ(
        QStringList({ed().txt_NroEmp->text(), ed().txt_CUIT->text(), ed().cbo_empresas->Text()}).join(QLatin1Char(' ')),
        QStringLiteral("4 30708123451 PEREZ JUAN CARLOS"));
    ASSERT_GE(ed().cbo_barcos->ListIndex(), 0);
    ASSERT_GE(ed().cbo_empresas->ListIndex(), 0);
    EXPECT_EQ(ed().cbo_barcos->ItemData(ed().cbo_barcos->ListIndex()), 8);
    EXPECT_EQ(ed().cbo_empresas->ItemData(ed().cbo_empresas->ListIndex()), 4);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
}

// ---------------------------------------------------------------- checks

struct Check {
    const char* name;
    std::function<void(frmEditarDJ&)> breakIt;
    const char* message;
    std::function<QWidget*(frmEditarDJ&)> focus;
};

#define FOCUS(member) [](frmEditarDJ& e) -> QWidget* { return e.member; }
#define SET(member, value) [](frmEditarDJ& e) { e.member->setText(QStringLiteral(value)); }
#define NONE(member) [](frmEditarDJ& e) { e.member->setListIndex(-1); }

TEST_F(CabeceraTest, TheSixteenChecksStopAtTheFirstFailureWithItsMessageAndFocus)
{
    const Check checks[] = {
        {"year empty", SET(txt_anio, ""), "Ingrese el año al que corresponde la Declaración Jurada", FOCUS(txt_anio)},
        {"year not numeric", SET(txt_anio, "2OO6"), "Ingrese el año al que corresponde la Declaración Jurada",
         FOCUS(txt_anio)},
        {"year not four digits", SET(txt_anio, "06"), "Ingrese el año al que corresponde la Declaración Jurada",
         FOCUS(txt_anio)},
        {"year with a separator", SET(txt_anio, "2.006"), "Ingrese el año al que corresponde la Declaración Jurada",
         FOCUS(txt_anio)},
        {"month empty", SET(txt_mes, " "), "Ingrese el mes al que corresponde la Declaración Jurada", FOCUS(txt_mes)},
        {"month decimal", SET(txt_mes, "5,5"), "Ingrese el mes al que corresponde la Declaración Jurada",
         FOCUS(txt_mes)},
        {"month 13", SET(txt_mes, "13"), "Ingrese el mes al que corresponde la Declaración Jurada", FOCUS(txt_mes)},
        {"no type", NONE(cbo_TipoDJ), "Seleccione el tipo de Declaración Jurada", FOCUS(cbo_TipoDJ)},
        {"no port", NONE(cbo_Puertos), "Seleccione el puerto de desembarco", FOCUS(cbo_Puertos)},
        {"no state", NONE(cbo_EstadosDJ), "Seleccione el estado de la embarcación durante el período indicado",
         FOCUS(cbo_EstadosDJ)},
        {"vessel number empty", SET(txt_NroEmb, ""), "Ingrese el nro. de Embarcación", FOCUS(txt_NroEmb)},
        {"vessel number with SQL", SET(txt_NroEmb, "7 OR 1=1"), "Ingrese el nro. de Embarcación", FOCUS(txt_NroEmb)},
        {"vessel number decimal", SET(txt_NroEmb, "7,5"), "Ingrese el nro. de Embarcación", FOCUS(txt_NroEmb)},
        {"vessel number beyond 32 bits", SET(txt_NroEmb, "2147483648"), "Ingrese el nro. de Embarcación",
         FOCUS(txt_NroEmb)},
        {"matrícula blank", SET(txt_Matricula, "   "), "Ingresar la Matrícula de la Embarcación", FOCUS(txt_Matricula)},
        {"no vessel name", NONE(cbo_barcos), "Ingresar el nombre de la Embarcación", FOCUS(cbo_barcos)},
        {"company number empty", SET(txt_NroEmp, ""), "Ingrese el Nº de la Empresa", FOCUS(txt_NroEmp)},
        {"company number signed", SET(txt_NroEmp, "-3"), "Ingrese el Nº de la Empresa", FOCUS(txt_NroEmp)},
        {"CUIT empty", SET(txt_CUIT, ""), "Ingrese el CUIT de la Empresa", FOCUS(txt_CUIT)},
        {"CUIT with dashes", SET(txt_CUIT, "20-12345678-6"), "Ingrese el CUIT de la Empresa", FOCUS(txt_CUIT)},
        {"no company name", NONE(cbo_empresas), "Ingrese la Razón Social de la Empresa", FOCUS(cbo_empresas)},
        {"no document type", NONE(cbo_TipoDoc), "Ingrese el tipo de documento del Responsable", FOCUS(cbo_TipoDoc)},
        {"document number empty", SET(txt_NroDoc, ""), "Ingrese el Nº de documento del Responsable", FOCUS(txt_NroDoc)},
        {"document number pasted with letters", SET(txt_NroDoc, "22.333.444"),
         "Ingrese el Nº de documento del Responsable", FOCUS(txt_NroDoc)},
        {"no capacity", NONE(cbo_CaracteresResp), "Ingrese el caracter del Responsable", FOCUS(cbo_CaracteresResp)},
        {"responsible blank", SET(txt_responsable, "  "), "Ingrese el nombre del Responsable", FOCUS(txt_responsable)},
        {"no rate while NORMAL", NONE(cbo_Alicuota), "Seleccione la alícuota", FOCUS(cbo_Alicuota)},
        {"the first failure wins",
         [](frmEditarDJ& e) {
             e.cbo_Alicuota->setListIndex(-1);
             e.cbo_TipoDJ->setListIndex(-1);
         },
         "Seleccione el tipo de Declaración Jurada", FOCUS(cbo_TipoDJ)},
    };
    fillValidHeader();
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    for (const Check& c : checks) {
        SCOPED_TRACE(c.name);
        fillValidHeader();
        boxes.clear();
        c.breakIt(ed());
        click(ed().tlb_cabecera, QStringLiteral("aceptar"));
        ASSERT_EQ(boxes.messages().size(), 1u) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(boxes.messages()[0].prompt, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.messages()[0].style, forms::vbInformation);
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Nueva Declaración Jurada"));
        EXPECT_EQ(focused(), c.focus(ed()));
        EXPECT_TRUE(ed().frm_cab->isEnabled()) << "the header stays unlocked";
        EXPECT_EQ(headers(), 0);
    }
}

TEST_F(CabeceraTest, TheRateIsRequiredOnlyForANormalMonth)
{
    fillValidHeader();
    choose(ed().cbo_EstadosDJ, QStringLiteral("SIN MOVIMIENTO"));
    ed().cbo_Alicuota->setListIndex(-1);
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(cell(QStringLiteral("PCDJ_ALICUOTA")), QStringLiteral("0"));
    EXPECT_EQ(cell(QStringLiteral("PEDJ_ID")), QStringLiteral("S"));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1011")) << "no lines allowed in that state";
}

// ---------------------------------------------------------------- numbering

TEST_F(CabeceraTest, TheFirstAceptarNumbersAndInsertsTheSecondUpdates)
{
    fillValidHeader();
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(ed().txt_NroDJ->text(), kNro);
    ASSERT_EQ(headers(), 1);
    EXPECT_EQ(cell(QStringLiteral(
                  "PCDJ_ANIO || '/' || PCDJ_MES || ' ' || PBAR_ID || ' ' || PBAR_MATRICULA || ' ' || PBAR_NOMBRE")),
              QStringLiteral("2006/5 7 123 DON JUAN"));
    EXPECT_EQ(cell(QStringLiteral("PEMP_ID || ' ' || PEMP_CUIT || ' ' || PEMP_RSOCIAL")),
              QStringLiteral("3 20123456786 PEREZ JUAN CARLOS"));
    EXPECT_EQ(cell(QStringLiteral("PCDJ_ALICUOTA || ' ' || PEDJ_ID || ' ' || PCDJ_RESP || ' ' || PCDJ_NRODOC")),
              QStringLiteral("3.0 N GOMEZ ANA 22333444"));
    EXPECT_EQ(cell(QStringLiteral("PCDJ_MTOVTAS || ' ' || PCDJ_IMPORTE || ' ' || PCDJ_TOTAL")),
              QStringLiteral("0.0 0.0 0.0"));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1111"));
    EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("modificar,eliminar"));
    EXPECT_FALSE(ed().frm_cab->isEnabled());

    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{ed().txt_anio, ed().txt_mes, ed().frm_Embarcacion, ed().frm_Empresa})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString() << " forms the number: fixed once inserted";
    typeAndLeave(ed().txt_Interes, QStringLiteral("12,5"));
    type(ed().txt_responsable, QStringLiteral("o'brien"));
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(cell(QStringLiteral("PCDJ_INTERESES || ' ' || PCDJ_TOTAL || ' ' || PCDJ_RESP")),
              QStringLiteral("12.5 12.5 O'BRIEN"));
    EXPECT_EQ(ed().txt_NroDJ->text(), kNro);
}

TEST_F(CabeceraTest, TheSequenceCountsTheVesselsMonthWhateverTheCompany)
{
    insertCompany(2, 30710456786LL, QStringLiteral("ARMADORES DEL GOLFO S.R.L."));
    // The company with the higher CUIT holds the lower sequence.
    insertDeclaration(QStringLiteral("30710456786012320060500"), 2006, 5, QStringLiteral("123"), 30710456786LL);
    insertDeclaration(QStringLiteral("20123456786012320060501"), 2006, 5, QStringLiteral("123"), 20123456786LL);
    insertDeclaration(QStringLiteral("20123456786012320060605"), 2006, 6, QStringLiteral("123"), 20123456786LL);
    for (const char* empresa : {"3", "2"}) {
        SCOPED_TRACE(empresa);
        fillValidHeader();
        typeAndLeave(ed().txt_NroEmp, QString::fromLatin1(empresa));
        click(ed().tlb_cabecera, QStringLiteral("aceptar"));
        ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO in "
                                   "('20123456786012320060502', '30710456786012320060503')")),
              2);
}

// Refused by the database (here the vessel left the register meanwhile):
// the error is shown and the declaration stays new, unlocked and on screen.
TEST_F(CabeceraTest, AHeaderTheDatabaseRefusesStaysOnScreenToBeCorrected)
{
    for (const char* which : {"tlb_cabecera", "toolbar"}) {
        SCOPED_TRACE(which);
        fillValidHeader();
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_EMBARCACIONES where PBAR_ID = 7"));
        boxes.clear();
        click(which[0] == 't' && which[1] == 'l' ? ed().tlb_cabecera : ed().toolbar, QStringLiteral("aceptar"));
        ASSERT_EQ(boxes.messages().size(), 1u);
        EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error ")))
            << boxes.messages()[0].prompt.toStdString();
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Sistema Caladero Ley 7351"));
        EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), m_ed);
        EXPECT_TRUE(ed().frm_cab->isEnabled());
        EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1000"));
        EXPECT_EQ(headers(), 0);
        insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
    }
    // Corrected, the same window saves and closes.
    click(ed().toolbar, QStringLiteral("aceptar"));
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), nullptr);
}

TEST_F(CabeceraTest, TheWindowsAceptarSavesOnlyAValidHeaderAndThenCloses)
{
    fillValidHeader();
    ed().txt_responsable->clear();
    click(ed().toolbar, QStringLiteral("aceptar"));
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Ingrese el nombre del Responsable")});
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), m_ed);
    type(ed().txt_responsable, QStringLiteral("gomez ana"));
    click(ed().toolbar, QStringLiteral("aceptar"));
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), nullptr);
}

TEST_F(CabeceraTest, CancelarLocksTheHeaderAndKeepsWhatWasTyped)
{
    open(1);
    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    type(ed().txt_responsable, QStringLiteral("gomez"));
    click(ed().tlb_cabecera, QStringLiteral("cancelar"));
    EXPECT_FALSE(ed().frm_cab->isEnabled());
    EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("nuevo,eliminar"));
    EXPECT_EQ(ed().txt_responsable->text(), QStringLiteral("GOMEZ"));
    EXPECT_EQ(headers(), 0);
}

// Texts go into SQL between quotes with their quotes doubled, and come back intact.
TEST_F(CabeceraTest, ASingleQuoteInsideANameIsStoredIntact)
{
    insertVessel(9, QStringLiteral("777"), QStringLiteral("D'ALESSANDRO"));
    insertCompany(4, 30708123451LL, QStringLiteral("O'HIGGINS S.A."));
    fillValidHeader();
    choose(ed().cbo_barcos, QStringLiteral("D'ALESSANDRO"));
    choose(ed().cbo_empresas, QStringLiteral("O'HIGGINS S.A."));
    type(ed().txt_responsable, QStringLiteral("o'brien"));
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    const QString nro = QStringLiteral("30708123451077720060500");
    EXPECT_EQ(ed().txt_NroDJ->text(), nro);
    EXPECT_EQ(cell(QStringLiteral("PBAR_NOMBRE || '|' || PEMP_RSOCIAL || '|' || PCDJ_RESP"), nro),
              QStringLiteral("D'ALESSANDRO|O'HIGGINS S.A.|O'BRIEN"));
}

// ---------------------------------------------------------------- state rule

TEST_F(CabeceraTest, AStateWithoutLinesIsRefusedWhileTheDeclarationHasLines)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"));
    insertLine(kNro, 1, 1, 10, 1.05, 10.5);
    open(2, recordOf(kNro));
    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    choose(ed().cbo_EstadosDJ, QStringLiteral("EN DIQUE"));
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(
        boxes.messages()[0].prompt,
        QStringLiteral(
            "Para declarar SIN MOVIMIENTO o EN DIQUE o EN REPARACION o EN MAREA  o VEDA BIOLOGICA elimine primero el detalle de la Declaracion Jurada"));
    EXPECT_EQ(boxes.messages()[0].style, forms::vbOKOnly);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Sistema Caladero Ley 7351"));
    EXPECT_EQ(ed().cbo_EstadosDJ->Text(), QStringLiteral("NORMAL"));
    EXPECT_EQ(focused(), ed().cbo_EstadosDJ);
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_EQ(cell(QStringLiteral("PEDJ_ID")), QStringLiteral("N"));
}

// The editor last showed a declaration with lines: a new one has none of them.
TEST_F(CabeceraTest, ANewDeclarationInTheOpenEditorMayBeDeclaredWithoutSales)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"));
    insertLine(kNro, 1, 1, 10, 1.05, 10.5);
    open(2, recordOf(kNro));
    fillValidHeader();
    typeAndLeave(ed().txt_mes, QStringLiteral("6"));
    choose(ed().cbo_EstadosDJ, QStringLiteral("SIN MOVIMIENTO"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(ed().cbo_EstadosDJ->Text(), QStringLiteral("SIN MOVIMIENTO"));
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    const QString nuevo = QStringLiteral("20123456786012320060600");
    EXPECT_EQ(ed().txt_NroDJ->text(), nuevo);
    EXPECT_EQ(cell(QStringLiteral("PEDJ_ID"), nuevo), QStringLiteral("S"));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1011"));
}

TEST_F(CabeceraTest, AStateWithoutLinesIsAcceptedWithoutLinesAndClosesTheLinesTabOnSave)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"));
    open(2, recordOf(kNro));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1111"));
    click(ed().tlb_cabecera, QStringLiteral("modificar"));
    choose(ed().cbo_EstadosDJ, QStringLiteral("EN DIQUE"));
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1111")) << "the tab follows at the next save";
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_EQ(cell(QStringLiteral("PEDJ_ID")), QStringLiteral("D"));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1011"));
}

// ---------------------------------------------------------------- amounts

TEST_F(CabeceraTest, TheTaxAmountRoundsHalvesToEvenAndTheTotalDueAddsInterestAndFine)
{
    struct Case {
        double ventas;
        const char* tasa;  // nullptr: no rate
        const char* importe;
        const char* total;  // with interest 1,10 and fine 2,05
    };
    const Case cases[] = {
        {6.25, "2%", "0,12", "3,27"},
        {6.75, "2%", "0,14", "3,29"},
        {1000.00, "3%", "30,00", "33,15"},
        {18.75, "2%", "0,38", "3,53"},
        {1234567.89, "4%", "49.382,72", "49.385,87"},
        {1000.00, nullptr, "0,00", "3,15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ventas);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351"));
        insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), c.tasa ? 2 : 0);
        // The sales total is the stored lines'.
        insertLine(kNro, 1, 1, 1, c.ventas, c.ventas);
        de1::conn().Execute(
            QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_MTOVTAS = %1").arg(c.ventas, 0, 'f', 2));
        open(2, recordOf(kNro));
        click(ed().tlb_cabecera, QStringLiteral("modificar"));
        if (c.tasa) choose(ed().cbo_Alicuota, QString::fromLatin1(c.tasa));
        typeAndLeave(ed().txt_Interes, QStringLiteral("1,10"));
        typeAndLeave(ed().txt_Multa, QStringLiteral("2,05"));
        focusOn(ed().cbo_Alicuota);  // a field being entered shows no thousands separators
        EXPECT_EQ(shown(ed().txt_Importe), QString::fromLatin1(c.importe));
        EXPECT_EQ(shown(ed().txt_TotalAdeudado), QString::fromUtf8(c.total));
        click(ed().tlb_cabecera, QStringLiteral("aceptar"));
        EXPECT_EQ(text::Format(scalar(QStringLiteral("select PCDJ_IMPORTE from LNV_PES_TB_CAB_DDJJ7351")),
                               QStringLiteral("###,###,##0.00")),
                  QString::fromLatin1(c.importe));
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---------------------------------------------------------------- lookups

TEST_F(CabeceraTest, TheVesselAndCompanyAreFoundByNumberMatriculaCuitOrName)
{
    insertVessel(8, QStringLiteral("456"), QStringLiteral("DON JUAN"));  // the same name as vessel 7
    insertCompany(4, 30708123451LL, QStringLiteral("O'HIGGINS S.A."));
    struct Case {
        const char* how;
        std::function<void(EditorTest&, frmEditarDJ&)> look;
        const char* vessel;   // number, matrícula, name
        const char* company;  // number, CUIT, name
    };
    const Case cases[] = {
        {"vessel by number", [](EditorTest& t, frmEditarDJ& e) { t.typeAndLeave(e.txt_NroEmb, "8"); }, "8 456 DON JUAN",
         "  "},
        {"vessel by matrícula", [](EditorTest& t, frmEditarDJ& e) { t.typeAndLeave(e.txt_Matricula, "123"); },
         "7 123 DON JUAN", "  "},
        {"vessel by name, the second of two",
         [](EditorTest& t, frmEditarDJ& e) {
             t.focusOn(e.cbo_barcos);
             e.cbo_barcos->setCurrentIndex(1);
             emit e.cbo_barcos->activated(1);
         },
         "8 456 DON JUAN", "  "},
        {"company by number", [](EditorTest& t, frmEditarDJ& e) { t.typeAndLeave(e.txt_NroEmp, "4"); }, "  ",
         "4 30708123451 O'HIGGINS S.A."},
        {"company by CUIT", [](EditorTest& t, frmEditarDJ& e) { t.typeAndLeave(e.txt_CUIT, "20123456786"); }, "  ",
         "3 20123456786 PEREZ JUAN CARLOS"},
        {"company by name", [](EditorTest& t, frmEditarDJ& e) { t.choose(e.cbo_empresas, "O'HIGGINS S.A."); }, "  ",
         "4 30708123451 O'HIGGINS S.A."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        open(1);
        click(ed().tlb_cabecera, QStringLiteral("nuevo"));
        c.look(*this, ed());
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(QStringList({ed().txt_NroEmb->text(), ed().txt_Matricula->text(), ed().cbo_barcos->Text()})
                      .join(QLatin1Char(' ')),
                  QString::fromUtf8(c.vessel));
        EXPECT_EQ(QStringList({ed().txt_NroEmp->text(), ed().txt_CUIT->text(), ed().cbo_empresas->Text()})
                      .join(QLatin1Char(' ')),
                  QString::fromUtf8(c.company));
        if (ed().cbo_barcos->ListIndex() >= 0) {
            EXPECT_EQ(QString::number(ed().cbo_barcos->ItemData(ed().cbo_barcos->ListIndex())),
                      ed().txt_NroEmb->text());
        }
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The registers number vessels and companies with up to ten digits.
TEST_F(CabeceraTest, TenDigitVesselAndCompanyNumbersAreFoundAndSaved)
{
    insertVessel(1234567890, QStringLiteral("456"), QStringLiteral("ANA MARIA"));
    insertCompany(2147483647, 30708123451LL, QStringLiteral("O'HIGGINS S.A."));
    fillValidHeader();
    typeAndLeave(ed().txt_NroEmb, QStringLiteral("1234567890"));
    typeAndLeave(ed().txt_NroEmp, QStringLiteral("2147483647"));
    EXPECT_EQ(ed().txt_Matricula->text() + QLatin1Char(' ') + ed().txt_CUIT->text(), QStringLiteral("456 30708123451"));
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(cell(QStringLiteral("PBAR_ID || ' ' || PEMP_ID"), QStringLiteral("30708123451045620060500")),
              QStringLiteral("1234567890 2147483647"));
}

TEST_F(CabeceraTest, ALookupThatFindsNothingSaysSoAndClearsItsFields)
{
    struct Case {
        const char* how;
        QLineEdit* frmEditarDJ::*field;
        const char* typed;
        bool vessel;
    };
    const Case cases[] = {
        {"unknown vessel number", &frmEditarDJ::txt_NroEmb, "99", true},
        {"vessel number with a separator", &frmEditarDJ::txt_NroEmb, "1.234", true},
        {"unknown matrícula", &frmEditarDJ::txt_Matricula, "999", true},
        {"unknown company number", &frmEditarDJ::txt_NroEmp, "99", false},
        {"company number beyond 32 bits", &frmEditarDJ::txt_NroEmp, "2147483648", false},
        {"unknown CUIT", &frmEditarDJ::txt_CUIT, "30708123451", false},
        {"CUIT with a decimal comma", &frmEditarDJ::txt_CUIT, "2012345678,6", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        open(1);
        click(ed().tlb_cabecera, QStringLiteral("nuevo"));
        typeAndLeave(ed().txt_NroEmb, QStringLiteral("7"));
        typeAndLeave(ed().txt_NroEmp, QStringLiteral("3"));
        boxes.clear();
        typeAndLeave(ed().*c.field, QString::fromLatin1(c.typed));
        ASSERT_EQ(boxes.messages().size(), 1u) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(boxes.messages()[0].prompt,
                  c.vessel ? QStringLiteral("No se encuentra la embarcación buscada")
                           : QStringLiteral("No se encuentra la empresa buscada"));
        EXPECT_EQ(boxes.messages()[0].style, forms::vbInformation);
        EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Atención"));
        if (c.vessel) {
            EXPECT_EQ(ed().txt_NroEmb->text() + ed().txt_Matricula->text(), QString());
            EXPECT_EQ(ed().cbo_barcos->ListIndex(), -1);
            EXPECT_EQ(focused(), ed().txt_NroEmb);
            EXPECT_EQ(ed().txt_CUIT->text(), QStringLiteral("20123456786")) << "the company stays";
        } else {
            EXPECT_EQ(ed().txt_NroEmp->text() + ed().txt_CUIT->text(), QString());
            EXPECT_EQ(ed().cbo_empresas->ListIndex(), -1);
            EXPECT_EQ(ed().txt_Matricula->text(), QStringLiteral("123")) << "the vessel stays";
        }
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---------------------------------------------------------------- keys and closing

TEST_F(CabeceraTest, TypedLettersBecomeCapitalsAndTheDocumentNumberTakesOnlyDigits)
{
    open(1);
    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    type(ed().txt_responsable, QStringLiteral("josé ñandú"));
    EXPECT_EQ(ed().txt_responsable->text(), QStringLiteral("JOSÉ ÑANDÚ"));
    type(ed().txt_NroDoc, QStringLiteral("22a.333 444"));
    EXPECT_EQ(ed().txt_NroDoc->text(), QStringLiteral("22333444"));
    type(ed().txt_Interes, QStringLiteral("1x5"));
    EXPECT_EQ(shown(ed().txt_Interes), QStringLiteral("15"));
}

TEST_F(CabeceraTest, TheCloseBoxIsRefusedAndSalirClosesWithoutAsking)
{
    open(1);
    ed().subWindow()->close();
    testsupport::Settle();
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), m_ed);
    EXPECT_TRUE(ed().isVisible());
    click(ed().toolbar, QStringLiteral("salir"));
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), nullptr);
    EXPECT_TRUE(prompts().isEmpty());
}

// The list calls Operacion on the open editor: one window, reused.
TEST_F(CabeceraTest, OperacionOnTheOpenEditorReusesTheWindow)
{
    insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"));
    frmEditarDJ* first = &open(2, recordOf(kNro));
    frmEditarDJ* again = &open(1);
    EXPECT_EQ(first, again);
    EXPECT_EQ(ed().Caption(), QStringLiteral("Nueva Declaración Jurada"));
    EXPECT_EQ(enabledTabs(ed().SSTab1), QStringLiteral("1000"));
    EXPECT_EQ(enabledButtons(ed().tlb_cabecera), QStringLiteral("nuevo,eliminar"));
    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    EXPECT_TRUE(ed().frm_Embarcacion->isEnabled() && ed().txt_anio->isEnabled());
}

}  // namespace
