// What a clerk meets in the editor: it never runs past the MDI area and
// scrolls when the area is small, every field is known by its label, and
// a matrícula that is no four digits never reaches the database.
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
    struct Case {
        QSize main;
        bool scrolls;
    };
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

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/forms/ComboBox.h"

namespace editortest {
namespace {

// Every field is known by its label, also once a combo shows a value.
TEST_F(EditorFitTest, EveryFieldKeepsItsLabelAsItsAccessibleName)
{
    fillValidHeader();
    const auto labels = ed().findChildren<QLabel*>();
    int fields = 0;
    for (QLabel* l : labels) {
        QWidget* field = l->buddy();
        if (!field) continue;
        ++fields;
        QString caption = l->text();
        caption.remove(QLatin1Char('&'));
        if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
        ASSERT_TRUE(a) << caption.toStdString();
        // A name of the window's own (the cheque's "Nº del primer cheque") or the label.
        const QString expected = field->accessibleName().isEmpty() ? caption.trimmed() : field->accessibleName();
        EXPECT_EQ(a->text(QAccessible::Name), expected) << field->objectName().toStdString();
    }
    EXPECT_GT(fields, 20);
    EXPECT_FALSE(ed().cbo_barcos->currentText().isEmpty());  // a combo that shows a value
}

// A matrícula is four digits of the declaration number; a quote in it never
// reaches the database.
TEST_F(EditorFitTest, AMatriculaThatIsNotDigitsIsRefusedBeforeAnySql)
{
    for (const QString& m : {QStringLiteral("12'3"), QStringLiteral("12345"), QStringLiteral("A1")}) {
        fillValidHeader();
        boxes.clear();
        ed().txt_Matricula->setText(m);
        click(ed().tlb_cabecera, QStringLiteral("aceptar"));
        EXPECT_EQ(prompts(), QStringList{QStringLiteral("Ingresar la Matrícula de la Embarcación")}) << m.toStdString();
        EXPECT_EQ(focused(), static_cast<QWidget*>(ed().txt_Matricula));
        EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351")), 0);
    }
}

}  // namespace
}  // namespace editortest
