// After a real message box the editor stays the active window and the
// focus stays in it, with the declaration list opened first beside it.
#include "editor_fixture.h"

#include "declarations/frmDDJJ.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
    // The real box, answered by Enter from a timer as soon as it shows.
    void realBoxes()
    {
        forms::SetMsgBoxHook({});
        answerer = new QTimer(qApp);
        QObject::connect(answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answerer->start(20);
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
    ASSERT_EQ(shown.size(), 1);
    expectEditorActiveWithFocus(nullptr);  // the named field: see below
    EXPECT_TRUE(ed().frm_cab->isAncestorOf(QApplication::focusWidget()));

    // "Cancelar" as the next click after the message: the focus stays in the editor.
    click(ed().tlb_cabecera, QStringLiteral("cancelar"));
    expectEditorActiveWithFocus(nullptr);
    EXPECT_TRUE(forms::Form::Existing<frmDDJJ>());
}

}  // namespace
}  // namespace editortest
