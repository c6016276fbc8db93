// The company list: opening from the menu, its columns, the reload on
// activation, the copy of a row for the editor and the deletion.
#include "empresas_fixture.h"

#include "support/LocaleRun.h"

#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using namespace empresastest;

namespace {

class CompanyList : public EmpresasTest {
protected:
    QStringList cuits()
    {
        QStringList all;
        const QAbstractItemModel* m = list().grillaEmpresas->model();
        for (int r = 0; r < m->rowCount(); ++r) all << m->data(m->index(r, 1)).toString();
        return all;
    }
};

// Its caption, place, buttons and columns: tests/ui/lists_test.cpp.
TEST_F(CompanyList, ShowsTheViewsOrderWithTheFirstRowSelectedAndClosesGivingTheMenusBack)
{
    insertCompany(2, kCuitB, QStringLiteral("PEREZ JUAN CARLOS"));
    insertCompany(1, kCuitA, QStringLiteral("ARGENPESCA S.A."));
    frmEmpresas& f = openList();
    // The view's own order, the first row selected.
    EXPECT_EQ(cuits(), (QStringList{kCuitA, kCuitB}));
    EXPECT_EQ(f.grillaEmpresas->Row(), 0);
    ASSERT_EQ(f.grillaEmpresas->SelBookmarks().Count(), 1);
    EXPECT_EQ(f.grillaEmpresas->SelBookmarks().Item(0), 1);
    EXPECT_EQ(rows().value(0),
              QStringLiteral("1|30708123451|ARGENPESCA S.A.||1|SOCIEDAD ANÓNIMA (S.A.)|01/01/2005||"
                             "RIVADAVIA 100|40|RAWSON|26|CHUBUT|9103||||||||||||"));
    testsupport::Screenshot(f.subWindow(), QStringLiteral("empresas_lista"));

    click(f.tlbMonedas, QStringLiteral("salir"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::Form::Existing<frmEmpresas>());
    EXPECT_TRUE(menusEnabled());
}

TEST_F(CompanyList, AnEmptyRegisterOffersOnlyNewAndExit)
{
    frmEmpresas& f = openList();
    EXPECT_EQ(f.grillaEmpresas->model()->rowCount(), 0);
    EXPECT_EQ(f.grillaEmpresas->SelBookmarks().Count(), 0);
    EXPECT_FALSE(f.tlbMonedas->Buttons(QStringLiteral("modificar")).Enabled());
    EXPECT_FALSE(f.tlbMonedas->Buttons(QStringLiteral("borrar")).Enabled());
    EXPECT_TRUE(f.tlbMonedas->Buttons(QStringLiteral("nuevo")).Enabled());
    nueva();
    EXPECT_EQ(editor().Caption(), QStringLiteral("Nueva Empresa"));
}

TEST_F(CompanyList, DeletesAfterTheQuestionOnlyACompanyNoDeclarationNames)
{
    struct Case {
        const char* name;
        bool used;
        int answer;
        QStringList remaining;
        QStringList prompts;
    };
    const QString pregunta = QStringLiteral("¿Está seguro que desea borrar la empresa seleccionada?");
    const QString negativa =
        QStringLiteral("No se puede borrar la empresa seleccionada porque tiene Declaraciones Juradas relacionadas");
    const Case cases[] = {
        {"declined", false, forms::vbNo, {kCuitA, kCuitB}, {pregunta}},
        {"unused", false, forms::vbYes, {kCuitA}, {pregunta}},
        {"named by a declaration", true, forms::vbYes, {kCuitA, kCuitB}, {pregunta, negativa}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDb fresh;
        insertCompany(1, kCuitA, QStringLiteral("ARGENPESCA S.A."));
        insertCompany(2, kCuitB, QStringLiteral("PEREZ JUAN CARLOS"));
        if (c.used) insertDeclarationFor(kCuitB);
        frmEmpresas& f = openList();
        selectRow(kCuitB);
        boxes.clear();
        boxes.answer(c.answer);
        click(f.tlbMonedas, QStringLiteral("borrar"));
        EXPECT_EQ(prompts(), c.prompts);
        for (const auto& m : boxes.messages()) EXPECT_EQ(m.title, QStringLiteral("Borrar empresa"));
        ASSERT_GE(boxes.messages().size(), 1u);
        EXPECT_EQ(boxes.messages()[0].style, forms::vbYesNo + forms::vbQuestion);
        if (boxes.messages().size() > 1) {
            EXPECT_EQ(boxes.messages()[1].style, forms::vbInformation);
        }
        EXPECT_EQ(cuits(), c.remaining);
        EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_EMPRESAS")), c.remaining.size());
        click(f.tlbMonedas, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The selected row travels to the editor as texts: every field lands in
// its control, the CUIT's eleven digits exactly.
TEST_F(CompanyList, ModifyHandsTheSelectedRowToTheEditor)
{
    insertCompany(1, kCuitB, QStringLiteral("ARGENPESCA S.A."));
    de1::conn().Execute(QStringLiteral(
        "insert into LNV_PES_TB_EMPRESAS values (2147483647, 30708123451, 'PESQUERA DEL SUR S.A.', 9011234563, 2, "
        "'2004-03-01', '2005-06-30', 'RIVADAVIA 100', 40, 26, '9103', 'SAN MARTIN 5', 3, 6, 'B7600', "
        "'PELLEGRINI 12', 66, 62, '8520')"));
    openList();
    frmEditarEmpresa& e = modificar(kCuitA);
    const clsEmpresa& r = *list().mEmpresa;
    EXPECT_EQ(r.CUIT, 30708123451.0);
    EXPECT_EQ(r.IdEmpresa, 2147483647);
    EXPECT_EQ(r.NroIB, 9011234563.0);
    EXPECT_EQ(e.Caption(), QStringLiteral("Modificar Empresa"));
    EXPECT_EQ(focused(), e.txt_IdEmpresa);
    const struct {
        QLineEdit* box;
        const char* text;
    } boxes_[] = {
        {e.txt_IdEmpresa, "2147483647"},          {e.txt_CUIT, "30708123451"},
        {e.txt_RSocial, "PESQUERA DEL SUR S.A."}, {e.txt_DomicilioFiscal, "RIVADAVIA 100"},
        {e.txt_CodPostal_DFiscal, "9103"},        {e.txt_DomicilioReal, "SAN MARTIN 5"},
        {e.txt_CodPostal_DReal, "B7600"},         {e.txt_DomicilioLegal, "PELLEGRINI 12"},
        {e.txt_CodPostal_DLegal, "8520"},
    };
    for (const auto& b : boxes_)
        EXPECT_EQ(b.box->text(), QString::fromUtf8(b.text)) << b.box->objectName().toStdString();
    const struct {
        forms::ComboBox* cbo;
        const char* text;
    } combos[] = {
        {e.cboTipoSociedad, "SOCIEDAD DE RESPONSABILIDAD LIMITADA (S.R.L.)"},
        {e.cbo_provincia_DFiscal, "CHUBUT"},
        {e.cbo_localidad_DFiscal, "RAWSON"},
        {e.cbo_provincia_DReal, "BUENOS AIRES"},
        {e.cbo_localidad_DReal, "MAR DEL PLATA"},
        {e.cbo_provincia_DLegal, "RÍO NEGRO"},
        {e.cbo_localidad_DLegal, "SAN ANTONIO OESTE"},
    };
    for (const auto& c : combos)
        EXPECT_EQ(c.cbo->Text(), QString::fromUtf8(c.text)) << c.cbo->objectName().toStdString();
    EXPECT_FALSE(e.txt_CUIT->isEnabled());
    EXPECT_EQ(e.mskNroInscripcion->Text(), QStringLiteral("901-123456-3"));
    EXPECT_EQ(e.dtp_FAlta->Date(), QDate(2004, 3, 1));
    EXPECT_EQ(e.dtp_FBaja->Date(), QDate(2005, 6, 30));
    testsupport::Screenshot(e.subWindow(), QStringLiteral("empresas_editor_modificar"));

    // Saved unchanged, the update's key finds the row of those eleven digits.
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(forms::Form::Existing<frmEditarEmpresa>());
    EXPECT_EQ(text::CStr(scalar(
                  QStringLiteral("select PEMP_ID || ' ' || PEMP_NROIB || ' ' || PEMP_FALTA || ' ' || PEMP_FBAJA || ' ' "
                                 "|| GLOC_ID_DL from LNV_PES_TB_EMPRESAS where PEMP_CUIT = 30708123451"))),
              QStringLiteral("2147483647 9011234563 2004-03-01 2005-06-30 66"));
}

// The eleven and ten digits go through the grid's texts and the doubles
// the same way under a point-decimal locale.
TEST_F(CompanyList, CLocale_TheCuitAndGrossIncomeNumberKeepTheirDigits)
{
    SKIP_UNLESS_C_LOCALE();
    de1::conn().Execute(QStringLiteral(
        "insert into LNV_PES_TB_EMPRESAS (PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PEMP_NROIB, GTSO_ID, PEMP_FALTA, "
        "PEMP_DOM_FISCAL, GLOC_ID_DF, GPRO_ID_DF, PEMP_CP_DF) values (1234567, 30708123451, 'ARGENPESCA S.A.', "
        "9011234563, 1, '2005-01-01', 'RIVADAVIA 100', 40, 26, '9103')"));
    openList();
    frmEditarEmpresa& e = modificar(kCuitA);
    EXPECT_EQ(e.txt_IdEmpresa->text(), QStringLiteral("1234567"));
    EXPECT_EQ(e.txt_CUIT->text(), kCuitA);
    EXPECT_EQ(e.mskNroInscripcion->ClipText(), kNroIB);
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(text::CStr(scalar(QStringLiteral("select PEMP_ID || ' ' || PEMP_NROIB from LNV_PES_TB_EMPRESAS where "
                                               "PEMP_CUIT = 30708123451"))),
              QStringLiteral("1234567 9011234563"));
}

TEST_F(CompanyList, UnderAPointDecimalLocaleToo)
{
    testsupport::ExpectPassesUnderC(QStringLiteral("CompanyList.CLocale_*"));
}

TEST_F(CompanyList, ACompanyWithoutGrossIncomeNumberOrEndDateOpensWithBothEmpty)
{
    insertCompany(1, kCuitA, QStringLiteral("ARGENPESCA S.A."));
    openList();
    frmEditarEmpresa& e = modificar(kCuitA);
    EXPECT_EQ(list().mEmpresa->NroIB, 0.0);
    EXPECT_TRUE(list().mEmpresa->FBaja.isEmpty());
    EXPECT_TRUE(e.mskNroInscripcion->ClipText().isEmpty());
    EXPECT_FALSE(e.dtp_FBaja->HasValue());
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(scalar(QStringLiteral("select PEMP_NROIB from LNV_PES_TB_EMPRESAS")).isNull());
    EXPECT_TRUE(scalar(QStringLiteral("select PEMP_FBAJA from LNV_PES_TB_EMPRESAS")).isNull());
}

TEST_F(CompanyList, AfterTheEditorSavesTheListReloadsWithTheFirstRowSelected)
{
    insertCompany(1, kCuitB, QStringLiteral("ARGENPESCA S.A."));
    frmEmpresas& f = openList();
    frmEditarEmpresa& e = nueva();
    fillValid(e);
    click(e.toolbar, QStringLiteral("aceptar"));
    testsupport::Settle();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), f.subWindow());
    EXPECT_EQ(cuits(), (QStringList{kCuitB, kCuitA}));
    EXPECT_EQ(f.grillaEmpresas->Row(), 0);
    ASSERT_EQ(f.grillaEmpresas->SelBookmarks().Count(), 1);
    EXPECT_EQ(f.grillaEmpresas->SelBookmarks().Item(0), 1);
    EXPECT_EQ(f.grillaEmpresas->Text(1), kCuitB);
}

}  // namespace
