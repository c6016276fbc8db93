// The combo box stand-in: selection numbers, item data and the Click rules,
// driven from code and from the keyboard on a combo shown off screen.
#include "platform/errors/Error.h"
#include "platform/forms/ComboBox.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A shown window with one combo holding "A"=1, "B"=2, "C"=3; counts Clicks.
class ComboFixture : public ::testing::Test {
protected:
    void make(forms::ComboBox::Style style)
    {
        combo = new forms::ComboBox(&window, style);
        combo->setObjectName(QStringLiteral("cbo_prueba"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(combo);
        std::int32_t id = 0;
        for (const char* t : {"A", "B", "C"}) {
            const int at = combo->AddItem(QString::fromLatin1(t));
            combo->setItemData(at, ++id);
        }
        QObject::connect(combo, &forms::ComboBox::Click, [this] {
            ++clicks;
            textAtClick = combo->Text();
        });
        QObject::connect(combo, &forms::ComboBox::Change, [this] { ++changes; });
        window.resize(220, 60);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
    }
    void SetUp() override { make(forms::ComboBox::vbComboDropdownList); }

    QWidget window;
    forms::ComboBox* combo = nullptr;
    int clicks = 0;
    int changes = 0;
    QString textAtClick;
};

}  // namespace

TEST_F(ComboFixture, AddingItemsSelectsNothingAndRaisesNothing)
{
    EXPECT_EQ(combo->ListCount(), 3);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(combo->ItemData(2), 3);
    EXPECT_EQ(combo->List(1), "B");
    EXPECT_EQ(combo->List(3), "");  // past the end reads as empty, as the selection loops expect
    EXPECT_EQ(combo->List(-1), "");
    EXPECT_EQ(combo->AddItem("Z", 0), 0);
    EXPECT_EQ(combo->NewIndex(), 0);
    EXPECT_EQ(combo->ItemData(0), 0);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_FALSE(combo->isEditable());
}

TEST_F(ComboFixture, SettingListIndexRaisesClickOnlyWhenItChanges)
{
    struct Step {
        int index;
        int clicks;
        const char* text;
    };
    const Step steps[] = {
        {1, 1, "B"}, {1, 1, "B"},  // the same index again: no Click
        {2, 2, "C"}, {-1, 3, ""},  // cleared: a Click
        {-1, 3, ""},               // already clear: none
        {0, 4, "A"},
    };
    for (const auto& s : steps) {
        combo->setListIndex(s.index);
        EXPECT_EQ(combo->ListIndex(), s.index);
        EXPECT_EQ(clicks, s.clicks) << "index " << s.index;
        EXPECT_EQ(combo->Text(), QString::fromLatin1(s.text));
    }
    EXPECT_EQ(textAtClick, "A");  // the handler already sees the new selection
    EXPECT_EQ(errorNumber([&] { combo->setListIndex(3); }), 380);
    EXPECT_EQ(errorNumber([&] { combo->setListIndex(-2); }), 380);
    EXPECT_EQ(combo->ListIndex(), 0);
}

TEST_F(ComboFixture, UserChoiceRaisesOneClick)
{
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ListIndex(), 0);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(clicks, 2);

    // Through the open list.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(view->isVisible());
    view->setCurrentIndex(view->model()->index(2, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(combo->ListIndex(), 2);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(textAtClick, "C");
    testsupport::Screenshot(&window, QStringLiteral("ComboBox"));
}

TEST_F(ComboFixture, ItemDataIsCheckedAgainstTheList)
{
    combo->setItemData(1, -2147483647 - 1);
    EXPECT_EQ(combo->ItemData(1), -2147483647 - 1);
    EXPECT_EQ(errorNumber([&] { combo->ItemData(3); }), 381);
    EXPECT_EQ(errorNumber([&] { combo->ItemData(-1); }), 381);
    EXPECT_EQ(errorNumber([&] { combo->setItemData(5, 1); }), 381);
}

TEST_F(ComboFixture, RemovingTheSelectedItemLeavesNothingSelected)
{
    combo->setListIndex(2);
    combo->RemoveItem(0);  // before the selection: it follows its item
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(combo->Text(), "C");
    EXPECT_EQ(combo->ItemData(1), 3);
    combo->RemoveItem(1);  // the selection itself
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->ListCount(), 1);
    EXPECT_EQ(clicks, 1);  // only the setListIndex above
    EXPECT_EQ(errorNumber([&] { combo->RemoveItem(1); }), 5);

    combo->Clear();
    EXPECT_EQ(combo->ListCount(), 0);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->AddItem("N"), 0);
    EXPECT_EQ(combo->ListIndex(), -1);
}

TEST_F(ComboFixture, SettingTheTextOfAListSelectsTheItem)
{
    combo->setText("B");
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
    combo->setText("b");  // no item: nothing selected
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(clicks, 2);
    combo->setText("");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 0);  // a list never raises Change
}

class DropdownComboFixture : public ComboFixture {
protected:
    void SetUp() override { make(forms::ComboBox::vbComboDropdown); }
};

TEST_F(DropdownComboFixture, KeepsTypedText)
{
    ASSERT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->Text(), "");

    combo->setListIndex(1);
    EXPECT_EQ(combo->Text(), "B");
    EXPECT_EQ(clicks, 1);
    const int changesBefore = changes;
    // Typing after the item's text: the text no longer is the item's, so
    // nothing reads as selected (its item data must not be taken for it).
    combo->lineEdit()->end(false);
    QTest::keyClicks(combo->lineEdit(), "X");
    EXPECT_EQ(combo->Text(), "BX");
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_GT(changes, changesBefore);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->ListCount(), 3);  // typed text never becomes an item

    combo->setText("OTRO");
    EXPECT_EQ(combo->Text(), "OTRO");
    EXPECT_EQ(combo->ListIndex(), -1);
    combo->setText("C");
    EXPECT_EQ(combo->ListIndex(), 2);
    EXPECT_EQ(combo->Text(), "C");
    combo->setListIndex(-1);
    EXPECT_EQ(combo->Text(), "");
}
