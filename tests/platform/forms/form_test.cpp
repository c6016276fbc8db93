#include "platform/forms/Form.h"
#include "platform/forms/MsgBox.h"
#include "support/Support.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QStringList g_events;

template <int N> class Window : public forms::Form {
public:
    Window()
    {
        setWindowTitle(QStringLiteral("Ventana %1").arg(N));
        auto* l = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txt"));
        l->addWidget(edit);
    }
    QLineEdit* edit;
    int refuseCloseBox = 0;
    bool upperCase = false;

protected:
    QString me() const { return QStringLiteral("%1:").arg(N); }
    void Form_Load() override
    {
        g_events << me() + QStringLiteral("Load");
        KeyPreview = upperCase = (N == 1);
    }
    void Form_Activate() override { g_events << me() + QStringLiteral("Activate"); }
    void Form_QueryUnload(int& cancel, int mode) override
    {
        g_events << me() + QStringLiteral("QueryUnload%1").arg(mode);
        if (mode == forms::vbFormControlMenu) cancel = refuseCloseBox;
    }
    void Form_Unload(int&) override { g_events << me() + QStringLiteral("Unload"); }
    void Form_KeyPress(int& k) override
    {
        if (k == '!')
            k = 0;
        else if (upperCase)
            k = QChar(k).toUpper().unicode();
    }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_events.clear();
        main.resize(900, 700);
        area = new QMdiArea(&main);
        main.setCentralWidget(area);
        forms::Form::SetMdiArea(area);
        main.show();
        QApplication::setActiveWindow(&main);
        testsupport::Settle();
    }
    void TearDown() override
    {
        forms::Form::UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forms::Form::SetMdiArea(nullptr);
    }
    QMainWindow main;
    QMdiArea* area = nullptr;
};

TEST_F(FormTest, OneInstancePerClassWithLoadActivateAndUnload)
{
    auto& a = forms::Form::Instance<Window<1>>();
    EXPECT_EQ(&a, &forms::Form::Instance<Window<1>>());
    a.Show();
    testsupport::Settle();
    EXPECT_EQ(g_events, (QStringList{"1:Load", "1:Activate"}));

    auto& b = forms::Form::Instance<Window<2>>();
    b.Show();
    testsupport::Settle();
    EXPECT_EQ(g_events.mid(2), (QStringList{"2:Load", "2:Activate"}));

    // Closing the second window gives the first its activation back.
    g_events.clear();
    b.Unload();
    testsupport::Settle();
    EXPECT_EQ(g_events, (QStringList{"2:QueryUnload1", "2:Unload", "1:Activate"}));
    EXPECT_EQ(forms::Form::Existing<Window<2>>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A new reference makes a new instance that loads again.
    g_events.clear();
    forms::Form::Instance<Window<2>>().Show();
    testsupport::Settle();
    EXPECT_EQ(g_events, (QStringList{"2:Load", "2:Activate"}));
}

TEST_F(FormTest, TheCloseBoxAsksTheWindowWhichMayRefuse)
{
    auto& a = forms::Form::Instance<Window<1>>();
    a.refuseCloseBox = 1;
    a.Show();
    testsupport::Settle();
    g_events.clear();
    a.subWindow()->close();
    testsupport::Settle();
    EXPECT_EQ(g_events, (QStringList{"1:QueryUnload0"}));
    EXPECT_EQ(forms::Form::Existing<Window<1>>(), &a);
    EXPECT_TRUE(a.isVisible());

    a.refuseCloseBox = 0;
    a.subWindow()->close();
    testsupport::Settle();
    EXPECT_EQ(g_events.mid(1), (QStringList{"1:QueryUnload0", "1:Unload"}));
    EXPECT_EQ(forms::Form::Existing<Window<1>>(), nullptr);
}

TEST_F(FormTest, KeyPreviewSeesTypedCharactersFirst)
{
    auto& a = forms::Form::Instance<Window<1>>();  // previews: capitals, drops '!'
    a.Show();
    auto& b = forms::Form::Instance<Window<2>>();  // no preview
    b.Show();
    testsupport::Settle();
    a.subWindow()->setFocus();
    area->setActiveSubWindow(a.subWindow());
    a.edit->setFocus();
    testsupport::Type(a.edit, QStringLiteral("puerto madryn!ñ"));
    EXPECT_EQ(a.edit->text(), QStringLiteral("PUERTO MADRYNÑ"));
    area->setActiveSubWindow(b.subWindow());
    b.edit->setFocus();
    testsupport::Type(b.edit, QStringLiteral("abc!"));
    EXPECT_EQ(b.edit->text(), QStringLiteral("abc!"));
}

TEST(MsgBoxHook, AnswersAndRecordsWithTheDefaultTitle)
{
    testsupport::MsgBoxRecorder boxes({forms::vbNo});
    EXPECT_EQ(forms::MsgBox(QStringLiteral("¿Seguro?"), forms::vbYesNo | forms::vbQuestion, QStringLiteral("Borrar")),
              forms::vbNo);
    EXPECT_EQ(forms::MsgBox(QStringLiteral("Listo")), forms::vbOK);
    forms::ShowError(-2147467259, QStringLiteral("Falló"));
    ASSERT_EQ(boxes.messages().size(), 3u);
    EXPECT_EQ(boxes.messages()[0].style, 36);
    EXPECT_EQ(boxes.messages()[0].title, QStringLiteral("Borrar"));
    EXPECT_EQ(boxes.messages()[1].title, QStringLiteral("Sistema Caladero Ley 7351"));
    EXPECT_EQ(boxes.messages()[2].prompt, QStringLiteral("Error -2147467259: Falló"));
    EXPECT_EQ(boxes.messages()[2].title, QStringLiteral("Sistema Caladero Ley 7351"));
}

}  // namespace
