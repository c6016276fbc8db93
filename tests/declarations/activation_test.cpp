// After a real message box the editor stays the active window and the
// focus stays in it, with the declaration list opened first beside it.
#include "editor_fixture.h"

#include "core/controls/ctlNumero.h"
#include "declarations/frmDDJJ.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace editortest {
namespace {

class Activation : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        MDIPrincipal::Instance().op_DDJJ->trigger();
        QApplication::setActiveWindow(&MDIPrincipal::Instance());
        testsupport::Settle();
        ASSERT_TRUE(forms::Form::Existing<frmDDJJ>());
    }
    // The real box, answered from a timer as soon as it shows: Enter, or
    // Escape for "No".
    void realBoxes(Qt::Key key = Qt::Key_Return)
    {
        forms::SetMsgBoxHook({});
        answerer = new QTimer(qApp);
        QObject::connect(answerer, &QTimer::timeout, [this, key] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                QTest::keyClick(box, key);
            }
        });
        answerer->start(20);
    }
    // The stored declaration on its "Detalle" tab, a new line begun.
    void newLine(const QString& precio)
    {
        insertSpecies(904, QStringLiteral("ESPECIE SIN PRECIO"));
        insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), 20123456786LL, QStringLiteral("N"), 2);
        open(2, recordOf(kNro));
        ed().SSTab1->setTab(1);
        testsupport::Settle();
        click(ed().tlb_detalle, QStringLiteral("nuevo"));
        if (precio.isEmpty()) return;
        choose(ed().cbo_Especies, QStringLiteral("ESPECIE SIN PRECIO"));
        typeAndLeave(ed().txt_kg, QStringLiteral("10"));
        typeAndLeave(ed().txt_precio, precio);
    }
    int storedLines() const
    {
        return int(
            count(QStringLiteral("select count(*) from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro)));
    }
    void TearDown() override
    {
        delete answerer;
        EditorTest::TearDown();
    }
    void expectEditorActiveWithFocus(QWidget* field)
    {
        testsupport::Settle();
        QMdiArea* area = MDIPrincipal::Instance().mdiArea();
        EXPECT_EQ(area->activeSubWindow(), ed().subWindow());
        QWidget* f = QApplication::focusWidget();
        ASSERT_TRUE(f);
        EXPECT_TRUE(ed().isAncestorOf(f)) << f->objectName().toStdString();
        if (field) {
            EXPECT_TRUE(f == field || field->isAncestorOf(f)) << f->objectName().toStdString();
        }
    }
    QTimer* answerer = nullptr;
    QStringList shown;
};

TEST_F(Activation, AHeaderMessageLeavesTheEditorActiveWithTheNamedFieldFocused)
{
    open(1);
    click(ed().tlb_cabecera, QStringLiteral("nuevo"));
    realBoxes();
    click(ed().tlb_cabecera, QStringLiteral("aceptar"));
    ASSERT_EQ(shown, QStringList{QStringLiteral("Seleccione el tipo de Declaración Jurada")});
    expectEditorActiveWithFocus(ed().cbo_TipoDJ);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(ed().cbo_TipoDJ));

    // "Cancelar" as the next click after the message: the focus stays in the editor.
    click(ed().tlb_cabecera, QStringLiteral("cancelar"));
    expectEditorActiveWithFocus(nullptr);
    EXPECT_TRUE(forms::Form::Existing<frmDDJJ>());
}

// The question answered "No" stores the line; the toolbar button that had
// the focus is disabled as the section goes back to browsing.
TEST_F(Activation, ALineSavedAfterTheAmountQuestionLeavesTheFocusInTheEditor)
{
    newLine(QStringLiteral("1,2341"));
    realBoxes(Qt::Key_Escape);
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("El Monto Total no coincide")));
    EXPECT_EQ(storedLines(), 1);
    expectEditorActiveWithFocus(nullptr);
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(ed().tlb_detalle->Buttons(QStringLiteral("nuevo")).widget()));
    // The keys typed next go to the editor, not to the list's grid.
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    testsupport::Settle();
    EXPECT_FALSE(ed().tlb_detalle->Buttons(QStringLiteral("nuevo")).Enabled());
    EXPECT_EQ(MDIPrincipal::Instance().mdiArea()->activeSubWindow(), ed().subWindow());
}

// A refused line, then "Cancelar" clicked at once, before anything else
// runs: the button clicked is disabled while it holds the focus.
TEST_F(Activation, CancelarRightAfterAMessageLeavesTheFocusInTheEditor)
{
    newLine(QString());
    realBoxes();
    click(ed().tlb_detalle, QStringLiteral("aceptar"));
    ASSERT_EQ(shown, QStringList{QStringLiteral("Seleccione la especie capturada")});
    QTest::mouseClick(ed().tlb_detalle->Buttons(QStringLiteral("cancelar")).widget(), Qt::LeftButton);
    expectEditorActiveWithFocus(nullptr);
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(ed().tlb_detalle->Buttons(QStringLiteral("nuevo")).widget()));
    EXPECT_EQ(storedLines(), 0);
}

}  // namespace
}  // namespace editortest
