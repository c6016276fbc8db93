// The editor inside the main window: it never runs past the MDI area, and
// when the area is smaller than the editor needs its content scrolls.
#include "editor_fixture.h"

#include "ui/MDIPrincipal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>

namespace editortest {
namespace {

class EditorFitTest : public EditorTest {};

TEST_F(EditorFitTest, TheEditorLiesInsideTheMainWindowAndScrollsWhenTheAreaIsSmall)
{
    struct Case { QSize main; bool scrolls; };
    for (const Case& c : {Case{QSize(1024, 768), false}, Case{QSize(640, 420), true}}) {
        MDIPrincipal& main = MDIPrincipal::Instance();
        main.showNormal();
        main.resize(c.main);
        testsupport::Settle();
        frmEditarDJ& f = open(1);
        const QRect area = main.mdiArea()->viewport()->rect();
        const QRect sub = f.subWindow()->geometry();
        EXPECT_TRUE(area.contains(sub)) << c.main.width() << ": " << sub.width() << "x" << sub.height() << " in "
                                        << area.width() << "x" << area.height();
        // Never squeezed below what its controls need: the frame scrolls instead.
        EXPECT_GE(f.width(), f.minimumSizeHint().width());
        EXPECT_GE(f.height(), f.minimumSizeHint().height());
        auto* frame = qobject_cast<QScrollArea*>(f.subWindow()->widget());
        ASSERT_TRUE(frame);
        const bool scrolls = frame->verticalScrollBar()->maximum() > 0 || frame->horizontalScrollBar()->maximum() > 0;
        EXPECT_EQ(scrolls, c.scrolls) << c.main.width();
        testsupport::Screenshot(&main, QStringLiteral("editor-in-main-%1").arg(c.main.width()));
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace editortest
