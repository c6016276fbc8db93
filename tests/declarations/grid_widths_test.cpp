// No grid hides a value: every shown column is at least as wide as its
// caption and the widest value on screen, in the declaration list and in
// the editor's sales lines, where every column fits the default window.
#include "ListFixture.h"
#include "editor_fixture.h"

#include "platform/forms/TabbedDialog.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

// Each shown column of the grid against its caption and the texts of the rows on screen.
void expectNothingCut(forms::DataGrid* g)
{
    testsupport::Settle();
    const QFontMetrics fm = g->fontMetrics();
    const QFontMetrics header = g->horizontalHeader()->fontMetrics();
    const int top = g->rowAt(0);
    int bottom = g->rowAt(g->viewport()->height() - 1);
    if (bottom < 0) bottom = g->model()->rowCount() - 1;
    ASSERT_GE(top, 0) << "no row on screen";
    for (int c = 0; c < g->ColumnCount(); ++c) {
        if (g->isColumnHidden(c)) continue;
        const int width = g->horizontalHeader()->sectionSize(c);
        const QString caption = g->Columns(c).Caption();
        EXPECT_GE(width, header.horizontalAdvance(caption)) << caption.toStdString();
        for (int r = top; r <= bottom; ++r) {
            const QString text = g->model()->data(g->model()->index(r, c)).toString();
            EXPECT_GE(width, fm.horizontalAdvance(text)) << caption.toStdString() << ": " << text.toStdString();
        }
    }
}

class ListWidths : public listtest::ListWindowTest {};

TEST_F(ListWidths, EveryShownColumnHoldsItsCaptionAndItsValues)
{
    using listtest::insertDeclaration;
    insertDeclaration(
        {.nro = QStringLiteral("30708123451012320060501"), .mtoVtas = 1853.28, .importe = 74.13, .total = 86.63});
    insertDeclaration({.nro = QStringLiteral("30708123451012320060401"),
                       .mes = 4,
                       .nombre = QStringLiteral("NUESTRA SEÑORA DEL ROSARIO DE SAN NICOLÁS"),
                       .rsocial = QStringLiteral("EMPRESA PESQUERA DEL ATLÁNTICO SUDOCCIDENTAL S.A."),
                       .mtoVtas = 185185183.68,
                       .importe = 5555555.51,
                       .intereses = 123456.78,
                       .multa = 98765.43,
                       .total = 5777777.72,
                       .nroDoc = 30708123451});
    frmDDJJ& f = openList();
    expectNothingCut(f.grillaDJ);
    // The documented width stays the least a column gets.
    EXPECT_GE(f.grillaDJ->horizontalHeader()->sectionSize(7), f.grillaDJ->horizontalHeader()->sectionSize(1));
    testsupport::Screenshot(main, QStringLiteral("declaration-list-long-values"));
}

class LineWidths : public editortest::EditorTest {};

TEST_F(LineWidths, TheLinesShowEveryColumnWholeAtTheDefaultSize)
{
    using namespace editortest;
    insertSpecies(901, QStringLiteral("ESPECIE VARIOS PRECIOS"));
    insertSpecies(902, QStringLiteral("LANGOSTINO PATAGÓNICO ENTERO CONGELADO"));
    const struct {
        const char* caso;
        double kg, precio;
    } cases[] = {
        {"sample lines", 10, 1.5},
        {"kilograms 123.456.789,12", 123456789.12, 1.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caso);
        const QString nro = kNro;
        if (!count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(nro)))
            insertDeclaration(nro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
        de1::conn().Execute(QStringLiteral("delete from LNV_PES_TB_DET_DDJJ7351"));
        insertLine(nro, 1, 901, 1296.23, 1, 1296.23);
        insertLine(nro, 2, 902, c.kg, c.precio, c.kg * c.precio);
        frmEditarDJ& e = open(2, recordOf(nro));
        e.SSTab1->setTab(1);
        testsupport::Settle();
        forms::DataGrid* g = e.grilla_detalle;
        ASSERT_EQ(g->model()->rowCount(), 2);
        expectNothingCut(g);
        // The last shown column ends inside the grid: nothing to scroll sideways for.
        int last = -1;
        for (int col = 0; col < g->ColumnCount(); ++col)
            if (!g->isColumnHidden(col)) last = col;
        ASSERT_GE(last, 0);
        EXPECT_LE(g->columnViewportPosition(last) + g->columnWidth(last), g->viewport()->width());
        EXPECT_EQ(g->horizontalScrollBar()->maximum(), 0);
        testsupport::Screenshot(&MDIPrincipal::Instance(), QStringLiteral("editor-detalle-long-amounts"));
        e.Unload();
        testsupport::Settle();
    }
}

}  // namespace
