// The declaration list: opening, its layout, the reload on activation, the
// copy of a row for the editor and the deletion with its two questions.
#include "ListFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace listtest;
using testsupport::MsgBoxRecorder;

namespace {

const QString kNro1 = QStringLiteral("30708123451012320060501");  // 2006-05, vessel 123
const QString kNro2 = QStringLiteral("30708123451104520060401");  // 2006-04, vessel 1045
const QString kNro3 = QStringLiteral("20123456786237820070101");  // 2007-01, vessel 2378

void insertThree()
{
    insertDeclaration(
        {.nro = kNro1, .mtoVtas = 1853.28, .alicuota = 4, .importe = 74.13, .intereses = 12.5, .total = 86.63});
    insertDeclaration({.nro = kNro2,
                       .mes = 4,
                       .barId = 2,
                       .matricula = QStringLiteral("1045"),
                       .nombre = QStringLiteral("VIRGEN DE LUJÁN"),
                       .mtoVtas = 1000,
                       .importe = 30,
                       .total = 30});
    insertDeclaration({.nro = kNro3,
                       .anio = 2007,
                       .mes = 1,
                       .barId = 3,
                       .matricula = QStringLiteral("2378"),
                       .nombre = QStringLiteral("SANTA ROSA DE LIMA"),
                       .empId = 3,
                       .cuit = 20123456786,
                       .rsocial = QStringLiteral("PÉREZ JUAN CARLOS"),
                       .alicuota = 2,
                       .multa = 150.75,
                       .total = 150.75,
                       .estado = QStringLiteral("S"),
                       .tipo = 2,
                       .nroDoc = 12345678});
}

QStringList rowNumbers(frmDDJJ& f)
{
    QStringList all;
    for (int r = 0; r < f.grillaDJ->model()->rowCount(); ++r)
        all << f.grillaDJ->model()->data(f.grillaDJ->model()->index(r, 0)).toString();
    return all;
}

// A window beside the list, as an editor or viewer would be.
class OtraVentana : public forms::Form {};

class DeclarationList : public ListWindowTest {};

// Its caption, place, buttons and columns: tests/ui/lists_test.cpp.
TEST_F(DeclarationList, ShowsTheValuesAsTheViewGivesThem)
{
    insertThree();
    frmDDJJ& f = openList();
    // Values show as the view gives them, with the locale's decimal separator.
    EXPECT_EQ(f.grillaDJ->Text(13), QStringLiteral("20123456786"));
    testsupport::Screenshot(main, QStringLiteral("declaration-list"));
}

// Another child window (an editor left open) does not push it out of the corner.
TEST_F(DeclarationList, OpensAtTheTopLeftBesideAnotherWindow)
{
    auto& other = forms::Form::Instance<OtraVentana>();
    other.Show();
    other.Move(120, 80);
    testsupport::Settle();
    frmDDJJ& f = openList();
    ASSERT_TRUE(f.subWindow());
    EXPECT_EQ(f.subWindow()->pos(), QPoint(0, 0));
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), f.subWindow());
}

TEST_F(DeclarationList, EmptyListSelectsNothingAndOffersOnlyNewAndExit)
{
    MsgBoxRecorder boxes;
    frmDDJJ& f = openList();
    EXPECT_EQ(f.grillaDJ->model()->rowCount(), 0);
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 0);
    EXPECT_EQ(f.grillaDJ->Row(), -1);
    for (int i : {4, 5, 7, 8}) EXPECT_FALSE(f.tlbMonedas->Buttons(i).Enabled()) << i;
    for (int i : {1, 2}) EXPECT_TRUE(f.tlbMonedas->Buttons(i).Enabled()) << i;

    click(f, "nuevo");
    EXPECT_EQ(forms::Form::Existing<frmDDJJ>(), &f);
    click(f, "salir");
    EXPECT_EQ(forms::Form::Existing<frmDDJJ>(), nullptr);
    EXPECT_TRUE(menusEnabled());
    EXPECT_TRUE(boxes.messages().empty());
}

TEST_F(DeclarationList, TheCloseBoxGivesTheMenusBackToo)
{
    frmDDJJ& f = openList();
    ASSERT_FALSE(menusEnabled());
    f.subWindow()->close();
    testsupport::Settle();
    EXPECT_EQ(forms::Form::Existing<frmDDJJ>(), nullptr);
    EXPECT_TRUE(menusEnabled());
}

TEST_F(DeclarationList, ReloadsOnEveryActivationAndSelectsTheFirstRowAgain)
{
    insertDeclaration({.nro = kNro1});
    insertDeclaration({.nro = kNro2, .mes = 4, .barId = 2, .matricula = QStringLiteral("1045")});
    frmDDJJ& f = openList();
    EXPECT_EQ(rowNumbers(f), (QStringList{kNro1, kNro2}));
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 1);
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Item(0), 1);
    selectDeclaration(f, kNro2);
    ASSERT_EQ(f.grillaDJ->Text(0), kNro2);

    // Another window saves a declaration and closes: the list comes back active.
    auto& other = forms::Form::Instance<OtraVentana>();
    other.Show();
    testsupport::Settle();
    insertDeclaration({.nro = kNro3,
                       .anio = 2007,
                       .mes = 1,
                       .barId = 3,
                       .matricula = QStringLiteral("2378"),
                       .empId = 3,
                       .cuit = 20123456786});
    other.Unload();
    testsupport::Settle();

    EXPECT_EQ(rowNumbers(f), (QStringList{kNro3, kNro1, kNro2}));
    EXPECT_EQ(f.grillaDJ->Text(0), kNro3);
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 1);
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Item(0), 1);
    for (int i : {4, 5, 7, 8}) EXPECT_TRUE(f.tlbMonedas->Buttons(i).Enabled()) << i;
}

TEST_F(DeclarationList, TheKeyboardMovesThroughTheListFromTheStart)
{
    insertThree();
    frmDDJJ& f = openList();
    ASSERT_EQ(QApplication::focusWidget(), f.grillaDJ) << QApplication::focusWidget()->objectName().toStdString();
    QTest::keyClick(f.grillaDJ, Qt::Key_Down);
    QTest::keyClick(f.grillaDJ, Qt::Key_Down);
    testsupport::Settle();
    EXPECT_EQ(f.grillaDJ->Text(0), kNro2);
    click(f, "modificar");
    ASSERT_TRUE(f.mCabDDJJ);
    EXPECT_EQ(f.mCabDDJJ->NroDJ, kNro2);
}

TEST_F(DeclarationList, AListThatCannotBeReadSaysSoAndKeepsWhatItShowed)
{
    insertDeclaration({.nro = kNro1});
    frmDDJJ& f = openList();
    exec(QStringLiteral("DROP VIEW PES_VW_CAB_DDJJ7351"));
    MsgBoxRecorder boxes;
    auto& other = forms::Form::Instance<OtraVentana>();
    other.Show();
    other.Unload();
    testsupport::Settle();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error ")))
        << boxes.messages()[0].prompt.toStdString();
    EXPECT_TRUE(boxes.messages()[0].prompt.contains(QStringLiteral("PES_VW_CAB_DDJJ7351")));
    EXPECT_EQ(boxes.messages()[0].title, forms::AppTitle());
    EXPECT_EQ(rowNumbers(f), QStringList{kNro1});
    EXPECT_TRUE(f.tlbMonedas->Buttons(5).Enabled());
}

TEST_F(DeclarationList, ModifyCopiesTheSelectedRowIntoTheRecordItKeeps)
{
    insertThree();
    frmDDJJ& f = openList();
    EXPECT_EQ(f.mCabDDJJ, nullptr);
    selectDeclaration(f, kNro1);
    click(f, "modificar");
    ASSERT_TRUE(f.mCabDDJJ);
    const clsCabDDJJ& c = *f.mCabDDJJ;
    EXPECT_EQ(c.NroDJ, kNro1);
    EXPECT_EQ(c.Anio, 2006);
    EXPECT_EQ(c.Mes, 5);
    EXPECT_EQ(c.TipoDJ, QStringLiteral("ORIGINAL"));
    EXPECT_EQ(c.NroEmb, 1);
    EXPECT_EQ(c.Matricula, QStringLiteral("123"));
    EXPECT_EQ(c.Nombre, QStringLiteral("DON JUAN CARLOS"));
    EXPECT_EQ(c.Estado, QStringLiteral("NORMAL"));
    EXPECT_EQ(c.Puerto, QStringLiteral("RAWSON"));
    EXPECT_EQ(c.NroEmp, 1);
    EXPECT_EQ(c.CUIT, 30708123451.0);
    EXPECT_EQ(c.RSocial, QStringLiteral("PESQUERA PUNTA NINFAS S.A."));
    EXPECT_EQ(c.MtoVtas, 1853.28);
    EXPECT_EQ(c.Alicuota, 4.0);
    EXPECT_EQ(c.Importe, 74.13);
    EXPECT_EQ(c.Intereses, 12.5);
    EXPECT_EQ(c.Multa, 0.0);
    EXPECT_EQ(c.Total, 86.63);
    EXPECT_EQ(c.Responsable, QStringLiteral("JUAN PEREZ"));
    EXPECT_EQ(c.TipoDoc, QStringLiteral("DNI"));
    EXPECT_EQ(c.NroDoc, 20123456.0);
    EXPECT_EQ(c.CaracterResp, QStringLiteral("TITULAR"));

    // The same record, refilled from another row.
    const clsCabDDJJ* kept = f.mCabDDJJ.get();
    selectDeclaration(f, kNro3);
    click(f, "modificar");
    EXPECT_EQ(f.mCabDDJJ.get(), kept);
    EXPECT_EQ(c.NroDJ, kNro3);
    EXPECT_EQ(c.CUIT, 20123456786.0);
    EXPECT_EQ(c.Estado, QStringLiteral("SIN MOVIMIENTO"));
    EXPECT_EQ(c.Multa, 150.75);
    EXPECT_EQ(c.NroDoc, 12345678.0);
}

// Both questions must be answered Yes; anything else deletes nothing.
TEST_F(DeclarationList, DeleteAsksTwiceAndDeletesOnlyOnTwoYes)
{
    const QString q1 = QStringLiteral("¿Está seguro que desea borrar la declaración jurada seleccionada?");
    const QString q2 = QStringLiteral(
        "Al borrar la declaración jurada, se borrará el detalle de la misma ¿Desea eliminarla de todos modos?");
    const struct {
        std::deque<int> answers;
        QStringList asked;
        bool deleted;
    } cases[] = {
        {{forms::vbNo}, {q1}, false},
        {{forms::vbYes, forms::vbNo}, {q1, q2}, false},
        {{forms::vbYes, forms::vbYes}, {q1, q2}, true},
    };
    insertDeclaration({.nro = kNro1});
    insertDeclaration({.nro = kNro2, .mes = 4, .barId = 2, .matricula = QStringLiteral("1045")});
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_DET_DDJJ7351 VALUES ('%1', 1, 1, 100, 1.05, 105), "
                        "('%1', 2, 2, 10, 5.85, 58.5)")
             .arg(kNro2));
    frmDDJJ& f = openList();
    for (const auto& c : cases) {
        selectDeclaration(f, kNro2);
        MsgBoxRecorder boxes(c.answers);
        click(f, "borrar");
        EXPECT_EQ(boxes.prompts(), c.asked);
        for (const auto& m : boxes.messages()) {
            EXPECT_EQ(m.style, forms::vbYesNo + forms::vbQuestion);
            EXPECT_EQ(m.title, QStringLiteral("Borrar declaración jurada"));
        }
        const long left = count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO='") + kNro2
                                + QStringLiteral("'"));
        EXPECT_EQ(left, c.deleted ? 0 : 1);
        EXPECT_EQ(rowNumbers(f), c.deleted ? QStringList{kNro1} : (QStringList{kNro1, kNro2}));
        if (c.deleted) break;
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_DET_DDJJ7351")), 0) << "its sales lines go with it";
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351")), 1);

    // The last one deleted leaves an empty list and the row buttons off.
    MsgBoxRecorder boxes({forms::vbYes, forms::vbYes});
    click(f, "borrar");
    EXPECT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(f.grillaDJ->model()->rowCount(), 0);
    for (int i : {4, 5, 7, 8}) EXPECT_FALSE(f.tlbMonedas->Buttons(i).Enabled()) << i;
}

TEST_F(DeclarationList, ADeleteTheDatabaseRefusesIsReportedAndTheRowStays)
{
    insertDeclaration({.nro = kNro1});
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE VALUES ('%1', '123', '2006-05-20', 10, 3, 6, "
                        "'FRIGORIFICO ATLANTICO', 30, 120.5, 704.93, 4, 28.2)")
             .arg(kNro1));
    frmDDJJ& f = openList();
    MsgBoxRecorder boxes({forms::vbYes, forms::vbYes});
    click(f, "borrar");
    ASSERT_EQ(boxes.messages().size(), 3u);
    EXPECT_EQ(boxes.messages()[2].prompt, QStringLiteral("No se puede borrar la declaración jurada seleccionada"));
    EXPECT_EQ(boxes.messages()[2].style, forms::vbInformation);
    EXPECT_EQ(boxes.messages()[2].title, QStringLiteral("Borrar declaración jurada"));
    EXPECT_EQ(rowNumbers(f), QStringList{kNro1});
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")), 1);
}

}  // namespace
