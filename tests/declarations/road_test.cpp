// The list opens the one declaration editor: empty for "nuevo", with the
// selected row for "modificar", and a second "modificar" reuses it.
#include "ListFixture.h"
#include "declarations/frmEditarDJ.h"

#include <QLineEdit>
#include <QMdiArea>

using namespace listtest;

namespace {

const QString kNroA = QStringLiteral("30708123451012320060501");
const QString kNroB = QStringLiteral("30708123451104520060401");

class ListOpensEditor : public ListWindowTest {};

TEST_F(ListOpensEditor, NuevoAndModificarShareOneEditor)
{
    insertDeclaration({.nro = kNroA});
    insertDeclaration({.nro = kNroB,
                       .mes = 4,
                       .barId = 2,
                       .matricula = QStringLiteral("1045"),
                       .nombre = QStringLiteral("VIRGEN DE LUJÁN")});
    testsupport::MsgBoxRecorder boxes;
    frmDDJJ& list = openList();

    click(list, "nuevo");
    frmEditarDJ* ed = forms::Form::Existing<frmEditarDJ>();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), ed->subWindow());
    EXPECT_TRUE(ed->txt_NroDJ->text().isEmpty());

    selectDeclaration(list, kNroB);
    click(list, "modificar");
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), ed) << "the open editor takes the new operation";
    EXPECT_EQ(ed->txt_NroDJ->text(), kNroB);
    EXPECT_EQ(ed->txt_Matricula->text(), QStringLiteral("1045"));

    selectDeclaration(list, kNroA);
    click(list, "modificar");
    EXPECT_EQ(forms::Form::Existing<frmEditarDJ>(), ed);
    EXPECT_EQ(ed->txt_NroDJ->text(), kNroA);
    EXPECT_EQ(ed->txt_Matricula->text(), QStringLiteral("123"));
    EXPECT_TRUE(boxes.messages().empty()) << boxes.prompts().join(QStringLiteral(" | ")).toStdString();
}

}  // namespace
