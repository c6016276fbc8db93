#include "platform/forms/TabbedDialog.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using forms::TabbedDialog;

namespace {

// The declaration editor's four tabs, the last three disabled as for a new declaration.
struct Tabs : ::testing::Test {
    QWidget window;
    TabbedDialog* tabs = new TabbedDialog(&window);
    std::unique_ptr<QSignalSpy> clicks;

    void SetUp() override
    {
        (new QVBoxLayout(&window))->addWidget(tabs);
        for (const char* caption : {"Liq. de la Deuda", "Detalle", "Guías de Tránsito", "Boletas de Pago"}) {
            QWidget* page = tabs->AddTab(caption);
            (new QVBoxLayout(page))->addWidget(new QLabel(caption, page));
        }
        for (int i = 1; i <= 3; ++i) tabs->setTabEnabled(i, false);
        clicks = std::make_unique<QSignalSpy>(tabs, &TabbedDialog::Click);
        window.resize(500, 200);
        window.show();
        testsupport::Settle();
    }
    void clickTab(int i)
    {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    }
    std::vector<int> previousTabs()
    {
        std::vector<int> v;
        for (const auto& args : *clicks) v.push_back(args.at(0).toInt());
        return v;
    }
};

}  // namespace

TEST_F(Tabs, BuiltWithFirstTabCurrentAndNoClick)
{
    EXPECT_EQ(tabs->Tabs(), 4);
    EXPECT_EQ(tabs->Tab(), 0);
    EXPECT_EQ(tabs->TabCaption(2), "Guías de Tránsito");
    EXPECT_TRUE(tabs->TabEnabled(0));
    EXPECT_FALSE(tabs->TabEnabled(3));
    EXPECT_EQ(tabs->Page(1), tabs->widget(1));
    EXPECT_TRUE(clicks->isEmpty());
    testsupport::Screenshot(&window, "tabbeddialog");
}

TEST_F(Tabs, DisabledTabsCannotBeChosenByTheUser)
{
    clickTab(2);
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->Tab(), 0);
    EXPECT_TRUE(clicks->isEmpty());
}

TEST_F(Tabs, ClickReportsTheTabLeftWhoeverChangesIt)
{
    for (int i = 1; i <= 3; ++i) tabs->setTabEnabled(i, true);
    tabs->setTab(2);                                                              // code
    clickTab(3);                                                                  // mouse
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);  // keyboard: back to 2
    tabs->setTab(2);                                                              // no change, no click
    EXPECT_EQ(previousTabs(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(tabs->Tab(), 2);
}

TEST_F(Tabs, DisablingTheCurrentTabLeavesIt)
{
    tabs->setTabEnabled(1, true);
    tabs->setTab(1);
    clicks->clear();
    tabs->setTabEnabled(1, false);
    EXPECT_NE(tabs->Tab(), 1);
    EXPECT_TRUE(tabs->isTabEnabled(tabs->Tab()));
    EXPECT_EQ(previousTabs(), (std::vector<int>{1}));
}

TEST_F(Tabs, TabOutsideTheRangeIsAnError)
{
    EXPECT_EQ(errorNumber([&] { tabs->setTab(4); }), 380);
    EXPECT_EQ(errorNumber([&] { tabs->setTabEnabled(-1, true); }), 380);
    EXPECT_EQ(errorNumber([&] { tabs->TabCaption(7); }), 380);
    EXPECT_EQ(tabs->Tab(), 0);
}
