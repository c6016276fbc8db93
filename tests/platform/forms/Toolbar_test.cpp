#include "platform/forms/Toolbar.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using forms::Toolbar;

namespace {

// The declaration list's toolbar: two separators among six buttons.
struct ListToolbar : ::testing::Test {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    Toolbar* tlb = new Toolbar(&window);

    void SetUp() override
    {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(tlb);
        tlb->AddButton("salir", "Salir");
        tlb->AddButton("nuevo", "Nuevo");
        tlb->AddSeparator();
        tlb->AddButton("modificar", "Modificar");
        tlb->AddButton("borrar", "Eliminar");
        tlb->AddSeparator();
        tlb->AddButton("imprimir", "Imprimir DJ");
        tlb->AddButton("disco", "Generar disco");
        window.show();
        testsupport::Settle();
    }
    QToolButton* button(const QString& key) { return tlb->findChild<QToolButton*>("btn_" + key); }
};

}  // namespace

TEST_F(ListToolbar, IndexCountsSeparatorsAndMatchesKey)
{
    struct Row {
        int index;
        const char* key;
        const char* caption;
    };
    const Row rows[] = {
        {1, "salir", "Salir"},          {2, "nuevo", "Nuevo"},         {3, "", ""},
        {4, "modificar", "Modificar"},  {5, "borrar", "Eliminar"},     {6, "", ""},
        {7, "imprimir", "Imprimir DJ"}, {8, "disco", "Generar disco"},
    };
    ASSERT_EQ(tlb->Count(), 8);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.index);
        forms::Button b = tlb->Buttons(r.index);
        EXPECT_EQ(b.Key(), r.key);
        EXPECT_EQ(b.Caption(), r.caption);
        EXPECT_EQ(b.IsSeparator(), QString(r.key).isEmpty());
        if (!b.IsSeparator()) {
            EXPECT_EQ(tlb->Buttons(QString(r.key)).Index(), r.index);
            ASSERT_EQ(button(r.key), b.widget());
            EXPECT_EQ(b.widget()->text(), r.caption);
        }
    }
}

TEST_F(ListToolbar, BadIndexOrKeyIsAnError)
{
    EXPECT_EQ(errorNumber([&] { tlb->Buttons(0); }), 35600);
    EXPECT_EQ(errorNumber([&] { tlb->Buttons(9); }), 35600);
    EXPECT_EQ(errorNumber([&] { tlb->Buttons("aceptar"); }), 35601);
    EXPECT_EQ(errorNumber([&] { tlb->Buttons(""); }), 35601);
    EXPECT_EQ(errorNumber([&] { tlb->AddButton("nuevo", "Otro"); }), 35602);
}

TEST_F(ListToolbar, ClickRaisesButtonClickWithKeyOnlyWhenEnabled)
{
    QSignalSpy spy(tlb, &Toolbar::ButtonClick);
    QTest::mouseClick(button("modificar"), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toString(), "modificar");

    tlb->Buttons(4).setEnabled(false);
    EXPECT_FALSE(tlb->Buttons("modificar").Enabled());
    QTest::mouseClick(button("modificar"), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 0);

    tlb->Buttons(4).setEnabled(true);
    QTest::mouseClick(button("modificar"), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(ListToolbar, EnabledIsTheButtonsOwnSettingWhileTheWindowIsDisabled)
{
    tlb->Buttons("borrar").setEnabled(false);
    window.setEnabled(false);
    EXPECT_TRUE(tlb->Buttons("nuevo").Enabled());
    EXPECT_FALSE(tlb->Buttons("borrar").Enabled());
    window.setEnabled(true);
    EXPECT_TRUE(button("nuevo")->isEnabled());
    EXPECT_FALSE(button("borrar")->isEnabled());
}

// A field's LostFocus work (recomputing an amount) must run before the click acts.
TEST_F(ListToolbar, ClickTakesTheFocusBeforeButtonClick)
{
    window.activateWindow();
    edit->setFocus();
    testsupport::Settle();
    ASSERT_TRUE(edit->hasFocus());
    bool editHadFocus = true;
    QObject::connect(tlb, &Toolbar::ButtonClick, [&] { editHadFocus = edit->hasFocus(); });
    QTest::mouseClick(button("nuevo"), Qt::LeftButton);
    EXPECT_FALSE(editHadFocus);
}

TEST_F(ListToolbar, KeyboardReachesAndPressesButtons)
{
    window.activateWindow();
    edit->setFocus();
    testsupport::Settle();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(button("salir")->hasFocus());

    QSignalSpy spy(tlb, &Toolbar::ButtonClick);
    QTest::keyClick(button("salir"), Qt::Key_Tab);
    ASSERT_TRUE(button("nuevo")->hasFocus());
    QTest::keyClick(button("nuevo"), Qt::Key_Space);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), "nuevo");
}

TEST_F(ListToolbar, HiddenButtonKeepsTheIndexesAndCaptionCanChange)
{
    tlb->Buttons("imprimir").setVisible(false);
    testsupport::Settle();
    EXPECT_FALSE(tlb->Buttons(7).Visible());
    EXPECT_FALSE(button("imprimir")->isVisible());
    EXPECT_EQ(tlb->Buttons(8).Key(), "disco");

    tlb->Buttons(8).setCaption("Exportar");
    EXPECT_EQ(button("disco")->text(), "Exportar");
    EXPECT_EQ(tlb->Buttons("disco").Caption(), "Exportar");
    testsupport::Screenshot(&window, "toolbar");
}

// Every button the windows use shows an icon beside its caption.
TEST(ToolbarIcons, EveryKnownKeyHasAnIcon)
{
    forms::Toolbar tb;
    const char* keys[] = {"nuevo",    "modificar", "borrar",   "eliminar", "aceptar",
                          "cancelar", "salir",     "imprimir", "disco"};
    for (const char* k : keys) tb.AddButton(QString::fromLatin1(k), QString::fromLatin1(k));
    for (const char* k : keys) {
        QToolButton* b = tb.Buttons(QString::fromLatin1(k)).widget();
        EXPECT_FALSE(b->icon().isNull()) << k;
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << k;
        EXPECT_EQ(b->text(), QString::fromLatin1(k));
    }
}
