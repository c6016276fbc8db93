// The company editor: its checks, the gross-income number, duplicates,
// the statements it writes, the three addresses and the keyboard.
#include "empresas_fixture.h"
#include "support/Places.h"

#include "core/de1.h"
#include "declarations/frmEditarDJ.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace empresastest;

namespace {

class CompanyEditor : public EmpresasTest {
public:
    frmEditarEmpresa& openNew()
    {
        openList();
        return nueva();
    }
    long companies() { return count(QStringLiteral("select count(*) from LNV_PES_TB_EMPRESAS")); }
    QString column(const QString& expr, const QString& cuit = kCuitA)
    {
        return text::CStr(
            scalar(QStringLiteral("select %1 from LNV_PES_TB_EMPRESAS where PEMP_CUIT = %2").arg(expr, cuit)));
    }
    // The message shown, its style and title, and where the focus went.
    void expectRefused(const QString& message, QWidget* focus, const QString& title = QStringLiteral("Nueva Empresa"))
    {
        EXPECT_EQ(prompts(), QStringList{message});
        if (!boxes.messages().empty()) {
            EXPECT_EQ(boxes.messages()[0].style, forms::vbInformation);
            EXPECT_EQ(boxes.messages()[0].title, title);
        }
        EXPECT_EQ(focused(), focus) << (focused() ? focused()->objectName().toStdString() : "none");
        EXPECT_TRUE(forms::Form::Existing<frmEditarEmpresa>());
    }
    void typeMask(frmEditarEmpresa& e, const QString& digits)
    {
        focusOn(e.mskNroInscripcion);
        QWidget* box = QApplication::focusWidget();
        QTest::keyClick(box, Qt::Key_Home);
        testsupport::Type(box, digits);
    }
};

using Step = std::function<void(CompanyEditor&, frmEditarEmpresa&)>;

TEST_F(CompanyEditor, TheChecksStopAtTheFirstFailureWithItsMessageAndFocus)
{
    struct Case {
        const char* name;
        Step change;
        const char* message;
        QWidget* (*focus)(frmEditarEmpresa&);
    };
#define SET(box, text) [](CompanyEditor& t, frmEditarEmpresa& e) { t.type(e.box, QStringLiteral(text)); }
#define NONE(cbo) [](CompanyEditor&, frmEditarEmpresa& e) { e.cbo->setListIndex(-1); }
#define FOCUS(w) [](frmEditarEmpresa& e) -> QWidget* { return e.w; }
    const Case cases[] = {
        {"number empty", SET(txt_IdEmpresa, ""), "Ingresar el número de Empresa", FOCUS(txt_IdEmpresa)},
        {"number decimal", SET(txt_IdEmpresa, "1,5"), "Ingresar el número de Empresa", FOCUS(txt_IdEmpresa)},
        {"number beyond 32 bits", SET(txt_IdEmpresa, "2147483648"), "Ingresar el número de Empresa",
         FOCUS(txt_IdEmpresa)},
        {"CUIT empty", SET(txt_CUIT, ""), "Ingresar el CUIT de Empresa", FOCUS(txt_CUIT)},
        {"CUIT with dashes", SET(txt_CUIT, "30-708123-1"), "Ingresar el CUIT de Empresa", FOCUS(txt_CUIT)},
        {"name blank", SET(txt_RSocial, "   "), "Ingrese la Razón Social de la Empresa", FOCUS(txt_RSocial)},
        {"no company type", NONE(cboTipoSociedad), "Seleccione el tipo de sociedad", FOCUS(cboTipoSociedad)},
        {"no start date", [](CompanyEditor&, frmEditarEmpresa& e) { e.dtp_FAlta->setNoValue(); },
         "Ingrese la fecha de alta", FOCUS(dtp_FAlta)},
        {"fiscal street blank", SET(txt_DomicilioFiscal, "   "), "Ingrese el domicilio Fiscal",
         FOCUS(txt_DomicilioFiscal)},
        {"no fiscal province", NONE(cbo_provincia_DFiscal), "Seleccione la provincia del domicilio fiscal",
         FOCUS(cbo_provincia_DFiscal)},
        {"no fiscal locality", NONE(cbo_localidad_DFiscal), "Seleccione la localidad del domicilio fiscal",
         FOCUS(cbo_localidad_DFiscal)},
        {"no fiscal postal code", SET(txt_CodPostal_DFiscal, ""), "Ingrese el codigo postal del domicilio fiscal",
         FOCUS(txt_CodPostal_DFiscal)},
        {"real street without province", SET(txt_DomicilioReal, "san martin 5"),
         "Seleccione la provincia del domicilio real", FOCUS(cbo_provincia_DReal)},
        {"real province without street",
         [](CompanyEditor& t, frmEditarEmpresa& e) { t.choose(e.cbo_provincia_DReal, QStringLiteral("CHUBUT")); },
         "Domicilio real incompleto", FOCUS(txt_DomicilioReal)},
        {"real street and province without locality",
         [](CompanyEditor& t, frmEditarEmpresa& e) {
             t.type(e.txt_DomicilioReal, QStringLiteral("san martin 5"));
             t.choose(e.cbo_provincia_DReal, QStringLiteral("CHUBUT"));
         },
         "Seleccione la localidad del domicilio real", FOCUS(cbo_localidad_DReal)},
        {"real address without postal code",
         [](CompanyEditor& t, frmEditarEmpresa& e) {
             t.type(e.txt_DomicilioReal, QStringLiteral("san martin 5"));
             t.choose(e.cbo_localidad_DReal, QStringLiteral("TRELEW"));
         },
         "Ingrese el codigo postal del domicilio real", FOCUS(txt_CodPostal_DReal)},
        {"legal street without province", SET(txt_DomicilioLegal, "pellegrini 12"),
         "Seleccione la provincia del domicilio Legal", FOCUS(cbo_provincia_DLegal)},
        {"legal locality without street",
         [](CompanyEditor& t, frmEditarEmpresa& e) { t.choose(e.cbo_localidad_DLegal, QStringLiteral("TRELEW")); },
         "Domicilio Legal incompleto", FOCUS(txt_DomicilioLegal)},
        {"legal street and province without locality",
         [](CompanyEditor& t, frmEditarEmpresa& e) {
             t.type(e.txt_DomicilioLegal, QStringLiteral("pellegrini 12"));
             t.choose(e.cbo_provincia_DLegal, QStringLiteral("RÍO NEGRO"));
         },
         "Seleccione la localidad del domicilio Legal", FOCUS(cbo_localidad_DLegal)},
        {"legal address without postal code",
         [](CompanyEditor& t, frmEditarEmpresa& e) {
             t.type(e.txt_DomicilioLegal, QStringLiteral("pellegrini 12"));
             t.choose(e.cbo_provincia_DLegal, QStringLiteral("RÍO NEGRO"));
             t.choose(e.cbo_localidad_DLegal, QStringLiteral("SAN ANTONIO OESTE"));
         },
         "Ingrese el codigo postal del domicilio legal", FOCUS(txt_CodPostal_DLegal)},
        {"CUIT of ten digits", SET(txt_CUIT, "3070812345"), "CUIT inválido. Ingréselo nuevamente", FOCUS(txt_CUIT)},
        {"CUIT with a wrong check digit", SET(txt_CUIT, "30708123452"), "CUIT inválido. Ingréselo nuevamente",
         FOCUS(txt_CUIT)},
        {"gross-income number never left",
         [](CompanyEditor& t, frmEditarEmpresa& e) { t.typeMask(e, QStringLiteral("90112")); },
         "El número de inscripción ingresado no es válido", FOCUS(mskNroInscripcion)},
    };
#undef SET
#undef NONE
#undef FOCUS
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmEditarEmpresa& e = openNew();
        fillValid(e);
        c.change(*this, e);
        boxes.clear();
        click(e.toolbar, QStringLiteral("aceptar"));
        expectRefused(QString::fromUtf8(c.message), c.focus(e));
        EXPECT_EQ(companies(), 0);
        // The next case starts from a new window.
        click(e.toolbar, QStringLiteral("cancelar"));
        click(list().tlbMonedas, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CompanyEditor, TheGrossIncomeNumberIsCheckedAsTheMaskIsLeft)
{
    struct Case {
        const char* name;
        const char* digits;
        bool refused;
    };
    const Case cases[] = {
        {"valid", "9011234563", false},
        {"wrong check digit", "9011234564", true},
        {"nine digits", "901123456", true},
        {"none", "", false},
    };
    frmEditarEmpresa& e = openNew();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        e.mskNroInscripcion->setText(QString());
        typeMask(e, QString::fromLatin1(c.digits));
        boxes.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        testsupport::Settle();
        if (c.refused) {
            expectRefused(QStringLiteral("El número de inscripción ingresado no es válido"), e.mskNroInscripcion);
        } else {
            EXPECT_TRUE(prompts().isEmpty());
            EXPECT_NE(focused(), e.mskNroInscripcion);
        }
    }
    // The toolbar taking the focus skips the check.
    e.mskNroInscripcion->setText(QString());
    typeMask(e, QStringLiteral("901123"));
    boxes.clear();
    focusOn(e.toolbar->Buttons(QStringLiteral("cancelar")).widget());
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(CompanyEditor, ANewCompanyIsStoredWithNullsForWhatIsLeftEmpty)
{
    frmEditarEmpresa& e = openNew();
    EXPECT_EQ(e.Caption(), QStringLiteral("Nueva Empresa"));
    EXPECT_EQ(focused(), e.txt_IdEmpresa);
    fillValid(e);
    testsupport::Screenshot(e.subWindow(), QStringLiteral("empresas_editor_nueva"));
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(forms::Form::Existing<frmEditarEmpresa>());
    EXPECT_EQ(column(QStringLiteral("PEMP_ID || '|' || PEMP_RSOCIAL || '|' || GTSO_ID || '|' || PEMP_FALTA || '|' || "
                                    "PEMP_DOM_FISCAL || '|' || GLOC_ID_DF || '|' || GPRO_ID_DF || '|' || PEMP_CP_DF")),
              QStringLiteral("10|PESQUERA DEL SUR S.A.|1|2006-05-15|RIVADAVIA 100|40|26|9103"));
    EXPECT_EQ(
        count(QStringLiteral("select count(*) from LNV_PES_TB_EMPRESAS where PEMP_NROIB is null and PEMP_FBAJA is "
                             "null and PEMP_DOM_REAL is null and GLOC_ID_DR is null and GPRO_ID_DR is null and "
                             "PEMP_CP_DR is null and PEMP_DOM_LEGAL is null and GLOC_ID_DL is null and GPRO_ID_DL "
                             "is null and PEMP_CP_DL is null")),
        1);
}

TEST_F(CompanyEditor, APostalCodeAloneIsSavedWithTheRestOfItsAddressNull)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    type(e.txt_CodPostal_DReal, QStringLiteral("b7600"));
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_CP_DR || '|' || ifnull(PEMP_DOM_REAL, 'null') || '|' || ifnull(GLOC_ID_DR, "
                                    "'null') || '|' || ifnull(GPRO_ID_DR, 'null')")),
              QStringLiteral("B7600|null|null|null"));
}

TEST_F(CompanyEditor, EveryFieldIsStoredAndTheEndDateCannotPrecedeTheStart)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    EXPECT_EQ(e.dtp_FAlta->MaxDate(), QDate(2006, 5, 15));
    EXPECT_FALSE(e.dtp_FBaja->HasValue());
    typeMask(e, kNroIB);
    choose(e.cboTipoSociedad, QStringLiteral("COOPERATIVA"));
    e.dtp_FAlta->setValue(QDate(2004, 3, 1));
    EXPECT_EQ(e.dtp_FBaja->MinDate(), QDate(2004, 3, 1));
    e.dtp_FBaja->setValue(QDate(2005, 6, 30));
    type(e.txt_DomicilioReal, QStringLiteral("san martín 5"));
    choose(e.cbo_provincia_DReal, QStringLiteral("BUENOS AIRES"));
    choose(e.cbo_localidad_DReal, QStringLiteral("MAR DEL PLATA"));
    type(e.txt_CodPostal_DReal, QStringLiteral("b7600"));
    type(e.txt_DomicilioLegal, QStringLiteral("pellegrini 12"));
    choose(e.cbo_localidad_DLegal, QStringLiteral("SAN ANTONIO OESTE"));
    type(e.txt_CodPostal_DLegal, QStringLiteral("8520"));
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(
        column(QStringLiteral("PEMP_NROIB || '|' || GTSO_ID || '|' || PEMP_FALTA || '|' || PEMP_FBAJA || '|' || "
                              "PEMP_DOM_REAL || '|' || GLOC_ID_DR || '|' || GPRO_ID_DR || '|' || PEMP_CP_DR || '|' || "
                              "PEMP_DOM_LEGAL || '|' || GLOC_ID_DL || '|' || GPRO_ID_DL || '|' || PEMP_CP_DL")),
        QStringLiteral("9011234563|8|2004-03-01|2005-06-30|SAN MARTÍN 5|3|6|B7600|PELLEGRINI 12|66|62|8520"));
}

TEST_F(CompanyEditor, ADuplicateNumberOrCuitIsFoundBeforeAnyInsert)
{
    struct Case {
        const char* name;
        const char* number;
        QString cuit;
        const char* message;
        QWidget* (*focus)(frmEditarEmpresa&);
    };
    const Case cases[] = {
        {"number", "1", kCuitA, "Ya existe una empresa con ese Número",
         [](frmEditarEmpresa& e) -> QWidget* { return e.txt_IdEmpresa; }},
        {"CUIT", "10", kCuitB, "Ya existe una empresa con ese CUIT",
         [](frmEditarEmpresa& e) -> QWidget* { return e.txt_CUIT; }},
        // Only the first company found counts: the number's.
        {"number of one, CUIT of another", "1", kCuitC, "Ya existe una empresa con ese Número",
         [](frmEditarEmpresa& e) -> QWidget* { return e.txt_IdEmpresa; }},
    };
    insertCompany(1, kCuitB, QStringLiteral("ARGENPESCA S.A."));
    insertCompany(2, kCuitC, QStringLiteral("PEREZ JUAN CARLOS"));
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        type(e.txt_IdEmpresa, QString::fromLatin1(c.number));
        type(e.txt_CUIT, c.cuit);
        boxes.clear();
        click(e.toolbar, QStringLiteral("aceptar"));
        expectRefused(QString::fromUtf8(c.message), c.focus(e));
        EXPECT_EQ(companies(), 2);
    }
}

TEST_F(CompanyEditor, GivingACompanyAnotherCompanysNumberIsRefused)
{
    insertCompany(1, kCuitB, QStringLiteral("ARGENPESCA S.A."));
    insertCompany(2, kCuitA, QStringLiteral("PESQUERA DEL SUR S.A."));
    openList();
    frmEditarEmpresa& e = modificar(kCuitA);
    type(e.txt_IdEmpresa, QStringLiteral("1"));
    click(e.toolbar, QStringLiteral("aceptar"));
    expectRefused(QStringLiteral("Ya existe otra empresa con ese Nro.Empresa"), e.toolbar->Buttons(1).widget(),
                  QStringLiteral("Modificar Empresa"));
    EXPECT_EQ(column(QStringLiteral("PEMP_ID")), QStringLiteral("2"));
    // Its own number may change.
    type(e.txt_IdEmpresa, QStringLiteral("3"));
    boxes.clear();
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(column(QStringLiteral("PEMP_ID")), QStringLiteral("3"));
}

// Only a uniqueness violation is a duplicate: a database another instance
// holds, a read-only file or disk, says what happened and keeps the company and
// the editor as they were.
TEST_F(CompanyEditor, AChangeTheDatabaseCannotTakeSaysWhyAndKeepsWhatWasTyped)
{
    using testsupport::UnwritableDatabase;
    insertCompany(2, kCuitA, QStringLiteral("PESQUERA DEL SUR S.A."));
    openList();
    frmEditarEmpresa& e = modificar(kCuitA);
    type(e.txt_RSocial, QStringLiteral("pesquera del norte s.a."));
    for (UnwritableDatabase::Kind kind : UnwritableDatabase::kinds) {
        SCOPED_TRACE(int(kind));
        UnwritableDatabase place(kind, db.folder());
        if (!place.ok()) GTEST_SKIP() << "this system cannot make a file read-only";
        boxes.clear();
        click(e.toolbar, QStringLiteral("aceptar"));
        EXPECT_EQ(prompts(), QStringList{place.Message()});
        EXPECT_EQ(forms::Form::Existing<frmEditarEmpresa>(), &e);
        EXPECT_EQ(e.txt_RSocial->text(), QStringLiteral("PESQUERA DEL NORTE S.A."));
    }
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("PESQUERA DEL SUR S.A."));
    boxes.clear();
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("PESQUERA DEL NORTE S.A."));
}

TEST_F(CompanyEditor, ANameWithAnApostropheGoesThroughInsertListAndUpdate)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    type(e.txt_RSocial, QStringLiteral("o'higgins pesca s.a."));
    type(e.txt_DomicilioFiscal, QStringLiteral("av. o''brien 1"));
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("O'HIGGINS PESCA S.A."));
    EXPECT_EQ(column(QStringLiteral("PEMP_DOM_FISCAL")), QStringLiteral("AV. O''BRIEN 1"));
    EXPECT_EQ(list().grillaEmpresas->Text(2), QStringLiteral("O'HIGGINS PESCA S.A."));

    frmEditarEmpresa& m = modificar(kCuitA);
    EXPECT_EQ(m.txt_RSocial->text(), QStringLiteral("O'HIGGINS PESCA S.A."));
    type(m.txt_RSocial, QStringLiteral("d'alessandro e hijos"));
    click(m.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("D'ALESSANDRO E HIJOS"));
    EXPECT_EQ(list().grillaEmpresas->Text(2), QStringLiteral("D'ALESSANDRO E HIJOS"));
}

// A run of quotes is stored as typed, by the insert and by the update.
TEST_F(CompanyEditor, ARunOfQuotesIsStoredAsTyped)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    type(e.txt_RSocial, QStringLiteral("o''higgins '''"));
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("O''HIGGINS '''"));

    frmEditarEmpresa& m = modificar(kCuitA);
    EXPECT_EQ(m.txt_RSocial->text(), QStringLiteral("O''HIGGINS '''"));
    type(m.txt_RSocial, QStringLiteral("''pesca'' sur"));
    click(m.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("''PESCA'' SUR"));
}

// A character beyond the first 65 536 (an emoji), typed as one key, reaches
// the box through the window's key preview and is stored; a NUL in pasted
// text is left out of the statement instead of cutting it short.
TEST_F(CompanyEditor, AnEmojiTypedAndANulPastedAreStoredAsTheDatabaseCanHoldThem)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    type(e.txt_RSocial, QStringLiteral("pez "));
    const char32_t pez = U'\U0001F41F';
    const QString emoji = QString::fromUcs4(&pez, 1);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, emoji);
    QApplication::sendEvent(e.txt_RSocial, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, emoji);
    QApplication::sendEvent(e.txt_RSocial, &release);
    EXPECT_EQ(e.txt_RSocial->text(), QStringLiteral("PEZ ") + emoji);

    QApplication::clipboard()->setText(QStringLiteral(" S") + QChar(0) + QStringLiteral("A"));
    e.txt_RSocial->end(false);
    QTest::keyClick(e.txt_RSocial, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(e.txt_RSocial->text().contains(QChar(0))) << "the paste did not arrive";
    click(e.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(QStringLiteral("PEMP_RSOCIAL")), QStringLiteral("PEZ ") + emoji + QStringLiteral(" SA"));
}

TEST_F(CompanyEditor, AProvinceNarrowsItsLocalitiesOnlyWhenTheClerkChoosesIt)
{
    frmEditarEmpresa& e = openNew();
    const long todas = count(QStringLiteral("select count(*) from LNV_GLB_TB_LOCALIDADES"));
    ASSERT_EQ(e.cbo_localidad_DReal->ListCount(), todas);
    EXPECT_EQ(e.cbo_provincia_DReal->ListCount(), count(QStringLiteral("select count(*) from LNV_GLB_TB_PROVINCIAS")));

    choose(e.cbo_provincia_DReal, QStringLiteral("CHUBUT"));
    EXPECT_EQ(e.cbo_localidad_DReal->ListCount(),
              count(QStringLiteral("select count(*) from LNV_GLB_TB_LOCALIDADES where GPRO_ID = 26")));
    EXPECT_GE(e.cbo_localidad_DReal->findText(QStringLiteral("TRELEW")), 0);
    EXPECT_EQ(e.cbo_localidad_DReal->ListIndex(), -1);
    // The other addresses keep every locality.
    EXPECT_EQ(e.cbo_localidad_DLegal->ListCount(), todas);

    // A locality chosen among all selects its province, which then narrows nothing.
    choose(e.cbo_localidad_DLegal, QStringLiteral("MAR DEL PLATA"));
    EXPECT_EQ(e.cbo_provincia_DLegal->Text(), QStringLiteral("BUENOS AIRES"));
    EXPECT_EQ(e.cbo_localidad_DLegal->ListCount(), todas);
    EXPECT_EQ(e.cbo_localidad_DLegal->Text(), QStringLiteral("MAR DEL PLATA"));

    // A province selected by code (not the active control) narrows nothing either.
    e.cbo_provincia_DFiscal->setListIndex(e.cbo_provincia_DFiscal->findText(QStringLiteral("CHUBUT")));
    EXPECT_EQ(e.cbo_localidad_DFiscal->ListCount(), todas);
}

TEST_F(CompanyEditor, TypedLettersAreCapitalsAndEnterAccepts)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    EXPECT_EQ(e.txt_RSocial->text(), QStringLiteral("PESQUERA DEL SUR S.A."));
    type(e.txt_CodPostal_DFiscal, QStringLiteral("u9103ñ"));
    EXPECT_EQ(e.txt_CodPostal_DFiscal->text(), QStringLiteral("U9103Ñ"));

    // Enter in a box with a check failing: the check's message, the window stays.
    type(e.txt_DomicilioReal, QStringLiteral("x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    testsupport::Settle();
    expectRefused(QStringLiteral("Seleccione la provincia del domicilio real"), e.cbo_provincia_DReal);

    // In an open list Enter picks the item and saves nothing.
    boxes.clear();
    e.cbo_provincia_DReal->showPopup();
    testsupport::Settle();
    ASSERT_TRUE(QApplication::activePopupWidget());
    QTest::keyClick(e.cbo_provincia_DReal->view(), Qt::Key_Down);
    QTest::keyClick(e.cbo_provincia_DReal->view(), Qt::Key_Return);
    testsupport::Settle();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(QApplication::activePopupWidget());
    EXPECT_GE(e.cbo_provincia_DReal->ListIndex(), 0);
    e.cbo_provincia_DReal->setListIndex(-1);
    type(e.txt_DomicilioReal, QString());
    boxes.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    testsupport::Settle();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(forms::Form::Existing<frmEditarEmpresa>());
    EXPECT_EQ(column(QStringLiteral("PEMP_CP_DF")), QStringLiteral("U9103Ñ"));
}

TEST_F(CompanyEditor, OnlyTheToolbarClosesItAndCancelSavesNothing)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    e.subWindow()->close();
    testsupport::Settle();
    ASSERT_TRUE(forms::Form::Existing<frmEditarEmpresa>());
    EXPECT_TRUE(e.subWindow()->isVisible());
    click(e.toolbar, QStringLiteral("cancelar"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::Form::Existing<frmEditarEmpresa>());
    EXPECT_EQ(companies(), 0);
}

// The list's "Nuevo" while the editor shows a company: the same window, the
// values kept, and the CUIT open to typing again.
TEST_F(CompanyEditor, OneEditorTakesEachNewOperation)
{
    insertCompany(1, kCuitB, QStringLiteral("ARGENPESCA S.A."));
    openList();
    frmEditarEmpresa& m = modificar(kCuitB);
    EXPECT_FALSE(m.txt_CUIT->isEnabled());
    click(list().tlbMonedas, QStringLiteral("nuevo"));
    EXPECT_EQ(&editor(), &m);
    EXPECT_EQ(m.Caption(), QStringLiteral("Nueva Empresa"));
    EXPECT_EQ(m.txt_RSocial->text(), QStringLiteral("ARGENPESCA S.A."));
    EXPECT_FALSE(m.dtp_FBaja->HasValue());
    EXPECT_TRUE(m.txt_CUIT->isEnabled());
    type(m.txt_IdEmpresa, QStringLiteral("2"));
    type(m.txt_CUIT, kCuitA);
    click(m.toolbar, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(companies(), 2);
}

// What a clerk does on a fresh installation: a company typed in, found in
// the list, modified, and at once there for a declaration.
TEST_F(CompanyEditor, AFreshDatabaseGetsItsFirstCompanyForADeclaration)
{
    frmEditarEmpresa& e = openNew();
    fillValid(e);
    typeMask(e, kNroIB);
    type(e.txt_DomicilioReal, QStringLiteral("san martín 5"));
    choose(e.cbo_provincia_DReal, QStringLiteral("BUENOS AIRES"));
    choose(e.cbo_localidad_DReal, QStringLiteral("MAR DEL PLATA"));
    type(e.txt_CodPostal_DReal, QStringLiteral("7600"));
    type(e.txt_DomicilioLegal, QStringLiteral("pellegrini 12"));
    choose(e.cbo_provincia_DLegal, QStringLiteral("RÍO NEGRO"));
    choose(e.cbo_localidad_DLegal, QStringLiteral("SAN ANTONIO OESTE"));
    type(e.txt_CodPostal_DLegal, QStringLiteral("8520"));
    click(e.toolbar, QStringLiteral("aceptar"));
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(rows().size(), 1);
    EXPECT_EQ(rows()[0],
              QStringLiteral("10|30708123451|PESQUERA DEL SUR S.A.|9011234563|1|SOCIEDAD ANÓNIMA (S.A.)|"
                             "15/05/2006||RIVADAVIA 100|40|RAWSON|26|CHUBUT|9103|SAN MARTÍN 5|3|MAR DEL PLATA|"
                             "6|BUENOS AIRES|7600|PELLEGRINI 12|66|SAN ANTONIO OESTE|62|RÍO NEGRO|8520"));

    frmEditarEmpresa& m = modificar(kCuitA);
    type(m.txt_CodPostal_DReal, QStringLiteral("b7600"));
    click(m.toolbar, QStringLiteral("aceptar"));
    ASSERT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(list().grillaEmpresas->Text(19), QStringLiteral("B7600"));

    click(list().tlbMonedas, QStringLiteral("salir"));
    main->op_DDJJ->trigger();
    testsupport::Settle();
    frmEditarDJ& dj = forms::Form::Instance<frmEditarDJ>();
    dj.Operacion(1, nullptr);
    dj.Show();
    testsupport::Settle();
    EXPECT_GE(dj.cbo_empresas->findText(QStringLiteral("PESQUERA DEL SUR S.A.")), 0);
    dj.Unload();
}

}  // namespace
