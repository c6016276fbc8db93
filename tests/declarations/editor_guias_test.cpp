// The "Guías de Tránsito" tab of the declaration editor: the guides listed,
// their deposited total and the credit, deletion with its two questions,
// and the reload when the guide editor hands the focus back.
#include "guias_fixture.h"

#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "ui/MDIPrincipal.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace guiastest;

namespace {

class GuiasTab : public GuiasTest {
protected:
    int rows() const { return m_ed->grilla_guias->model()->rowCount(); }
    long guides() const { return count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_TRANSPORTE")); }
};

TEST_F(GuiasTab, TheCreditIsHalfTheDepositsRoundedToTheEvenCent)
{
    struct Case {
        std::vector<double> depositos;
        const char* total;
        const char* credito;
        const char* botones;
    };
    const Case cases[] = {
        {{}, "0,00", "0,00", "nuevo"},
        {{100.00, 50.25}, "150,25", "75,12", "nuevo,modificar,eliminar"},  // 75.125 to the even cent
        {{10.00, 5.00}, "15,00", "7,50", "nuevo,modificar,eliminar"},
        {{0.75}, "0,75", "0,38", "nuevo,modificar,eliminar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE"));
        int i = 0;
        for (double d : c.depositos) insertGuide({.nro = QStringLiteral("G%1").arg(++i), .valor = d});
        // Another declaration's guide counts for nothing here.
        insertDeclaration(QStringLiteral("20123456786012320060400"), 2006, 4, QStringLiteral("123"), 20123456786LL);
        insertGuide({.nroDJ = QStringLiteral("20123456786012320060400"), .nro = QStringLiteral("OTRA"), .valor = 999});
        openGuias();
        EXPECT_EQ(rows(), int(c.depositos.size()));
        EXPECT_EQ(shown(ed().nroTotalDepGuias), QString::fromLatin1(c.total));
        EXPECT_EQ(shown(ed().nroAfavorL7351), QString::fromLatin1(c.credito));
        EXPECT_EQ(enabledButtons(ed().tlb_guias), QString::fromLatin1(c.botones));
        EXPECT_TRUE(ed().grilla_guias->isEnabled());
        if (c.depositos.size() == 2) testsupport::Screenshot(ed().subWindow(), QStringLiteral("editor-guias"));
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE"));
        de1::conn().Execute(
            QStringLiteral("delete from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '20123456786012320060400'"));
    }
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QStringLiteral(" | ")).toStdString();
}

TEST_F(GuiasTab, TheGridShowsTheGuidesUnderTheirCaptions)
{
    insertGuide({.nro = QStringLiteral("0012 A"), .cajones = 120, .kilos = 1400, .total = 1544, .valor = 61.76});
    openGuias();
    forms::DataGrid* grid = ed().grilla_guias;
    QStringList shownCaptions;
    for (int c = 0; c < grid->ColumnCount(); ++c)
        if (grid->Columns(c).Width() > 0) shownCaptions << grid->Columns(c).Caption();
    EXPECT_EQ(
        shownCaptions.join(QLatin1Char('|')),
        QStringLiteral(
            "Nro. Guia|Fecha|Puerto|Destino|Provincia|Planta Procesadora|Total Cajones|Total Kilos|Total|Alícuota|Depositado"));
    EXPECT_EQ(grid->Text(1), QStringLiteral("0012 A"));
    EXPECT_EQ(grid->Text(2), QStringLiteral("10/05/2006"));
    EXPECT_EQ(grid->Text(4), QStringLiteral("PUERTO MADRYN"));
    EXPECT_EQ(grid->Text(8), QStringLiteral("CHUBUT"));
    EXPECT_EQ(grid->Text(14), QStringLiteral("61,76"));
}

TEST_F(GuiasTab, DeletingAsksTwiceAndEitherNoKeepsTheGuide)
{
    insertGuide({.nro = QStringLiteral("O'HARA 1"), .valor = 40});
    insertGuideLine(QStringLiteral("O'HARA 1"), 1, 1, 10, 100, 1, 100);
    insertGuide({.nro = QStringLiteral("G2"), .fecha = QStringLiteral("2006-05-11"), .valor = 10});
    struct Case {
        std::deque<int> answers;
        long guidesLeft;
    };
    const Case cases[] = {
        {{forms::vbNo}, 2},
        {{forms::vbYes, forms::vbNo}, 2},
        {{forms::vbYes, forms::vbYes}, 1},
    };
    openGuias();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.guidesLeft);
        boxes.clear();
        for (int a : c.answers) boxes.answer(a);
        click(ed().tlb_guias, QStringLiteral("eliminar"));
        const auto& answers = boxes;
        ASSERT_EQ(answers.messages().size(), c.answers.size());
        const char* questions[] = {
            "¿Está seguro que desea borrar la guía de tránsito seleccionada?",
            "Al borrar la guía, se borrará el detalle de la misma ¿Desea eliminarla de todos modos?"};
        for (size_t i = 0; i < c.answers.size(); ++i) {
            EXPECT_EQ(answers.messages()[i].prompt, QString::fromUtf8(questions[i]));
            EXPECT_EQ(answers.messages()[i].style, forms::vbYesNo + forms::vbQuestion);
            EXPECT_EQ(answers.messages()[i].title, QStringLiteral("Borrar guía de tránsito"));
        }
        EXPECT_EQ(guides(), c.guidesLeft);
    }
    // The first row went, quote and lines included; the list and totals follow.
    EXPECT_EQ(storedGuide(QStringLiteral("O'HARA 1")), QString());
    EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_DET")), 0);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(ed().grilla_guias->Text(1), QStringLiteral("G2"));
    EXPECT_EQ(shown(ed().nroTotalDepGuias), QStringLiteral("10,00"));
    EXPECT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("5,00"));
}

TEST_F(GuiasTab, AGuideDeletedElsewhereIsRefusedAndTheLastOneEmptiesTheTab)
{
    insertGuide({.nro = QStringLiteral("G1"), .valor = 10});
    openGuias();
    de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_GUIAS_TRANSPORTE"));
    boxes.answer(forms::vbYes);
    boxes.answer(forms::vbYes);
    click(ed().tlb_guias, QStringLiteral("eliminar"));
    const auto& answers = boxes;
    ASSERT_EQ(answers.messages().size(), 3u);
    EXPECT_EQ(answers.messages()[2].prompt,
              QStringLiteral("La guía de tránsito fue modificada o eliminada en otra "
                             "ventana. Se muestran los datos guardados."));
    EXPECT_EQ(answers.messages()[2].style, forms::vbExclamation);
    EXPECT_EQ(answers.messages()[2].title, forms::AppTitle());
    // The reload after the attempt shows what is stored.
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("0,00"));
    EXPECT_EQ(enabledButtons(ed().tlb_guias), QStringLiteral("nuevo"));
}

TEST_F(GuiasTab, ComingBackFromTheGuideEditorShowsWhatItSaved)
{
    openGuias();
    nuevaGuia();
    EXPECT_EQ(MDIPrincipal::Instance().mdiArea()->activeSubWindow(), g().subWindow());
    insertGuide({.nro = QStringLiteral("G1"), .valor = 30.5});  // as the guide editor would have stored it
    EXPECT_EQ(rows(), 0) << "no reload while the guide editor is in front";
    MDIPrincipal::Instance().mdiArea()->setActiveSubWindow(ed().subWindow());
    testsupport::Settle();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("15,25"));
    EXPECT_EQ(enabledButtons(ed().tlb_guias), QStringLiteral("nuevo,modificar,eliminar"));
}

TEST_F(GuiasTab, ANewDeclarationInTheOpenEditorCarriesNoCreditOfTheOneBefore)
{
    insertGuide({.nro = QStringLiteral("G1"), .valor = 30});
    openGuias();
    ASSERT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("15,00"));
    open(1);  // "nuevo" on the list while the editor is open
    EXPECT_EQ(shown(ed().nroAfavorL7351), QStringLiteral("0,00"));
    EXPECT_EQ(shown(ed().nroTotalDepGuias), QStringLiteral("0,00"));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(enabledButtons(ed().tlb_guias), QStringLiteral("nuevo"));
}

}  // namespace
