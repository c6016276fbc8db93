// The numeric field driven through its real inner box, shown off screen:
// keys typed with QTest, focus moved between it and a neighbour.
#include "core/controls/ctlNumero.h"
#include "platform/errors/Error.h"
#include "platform/forms/Form.h"
#include "platform/text/Text.h"
#include "support/ErrorNumber.h"
#include "support/LocaleRun.h"
#include "support/Support.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A window with the field and a neighbour to hand the focus to.
class NumeroWindow {
public:
    NumeroWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        field = new ctlNumero(&window);
        field->setObjectName(QStringLiteral("txt_kg"));
        other = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.resize(240, 90);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QObject::connect(field, &ctlNumero::KeyPress, [this](int& k) { seen.push_back(k); });
    }

    QLineEdit* txt() const { return field->findChild<QLineEdit*>(QStringLiteral("txt")); }
    void enter()
    {
        if (txt()->hasFocus()) leave();
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void leave()
    {
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void type(const QString& keys) { QTest::keyClicks(txt(), keys); }
    void typeAndLeave(int decimals, const QString& keys)
    {
        field->setCantidadDecimales(std::int16_t(decimals));
        enter();
        type(keys);
        typed = field->toString();
        leave();
    }

    QWidget window;
    ctlNumero* field;
    QLineEdit* other;
    std::vector<int> seen;
    QString typed;
};

class NumeroAR : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QLocale::system().decimalPoint(), ",") << "run under LANG=es_AR.UTF-8";
        w = std::make_unique<NumeroWindow>();
    }
    // Locked: the button face colour, the focus still taken, typed keys
    // changing nothing of what it shows.
    void expectLocked(const QString& shown)
    {
        EXPECT_FALSE(w->field->Enabled());
        EXPECT_EQ(w->txt()->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        w->enter();
        EXPECT_TRUE(w->txt()->hasFocus());
        w->type("7");
        EXPECT_EQ(w->field->toString(), shown);
    }
    std::unique_ptr<NumeroWindow> w;
};

// Keys typed into a field of so many decimals: what it shows while typed,
// after leaving, and what it reads as.
struct Case {
    int decimals;
    const char* keys;
    const char* typed;
    const char* shown;
    double value;
    const char* sql;
};

}  // namespace

TEST_F(NumeroAR, TypedKeysLeavingAndReading)
{
    const Case cases[] = {
        {2, "12.5", "12,5", "12,50", 12.5, "12.50"},
        {2, "1.2.3", "1,23", "1,23", 1.23, "1.23"},   // a second point is dropped
        {0, "12.5", "125", "125", 125, "125"},        // no decimals: the point is dropped
        {2, "12,5", "12,5", "12,50", 12.5, "12.50"},  // the locale's own comma is the decimal key
        {2, "1,2.3", "1,23", "1,23", 1.23, "1.23"},
        {2, "a-+ 1x2e", "12", "12,00", 12, "12.00"},  // letters, signs and blanks are dropped
        {2, "1234567.891", "1234567,891", "1.234.567,89", 1234567.89, "1234567.89"},
        {3, "0.0005", "0,0005", "0,001", 0.001, "0.001"},  // rounded half away from zero on leaving
        {2, ".5", ",5", "0,50", 0.5, "0.50"},
        {2, "", "", "", 0, ""},
    };
    for (const auto& c : cases) {
        w->field->ClearText();
        w->typeAndLeave(c.decimals, QString::fromUtf8(c.keys));
        EXPECT_EQ(w->typed, QString::fromUtf8(c.typed)) << c.keys;
        EXPECT_EQ(w->field->toString(), QString::fromUtf8(c.shown)) << c.keys;
        EXPECT_EQ(w->field->Value(), c.value) << c.keys;
        EXPECT_EQ(w->field->toSQL(), QString::fromUtf8(c.sql)) << c.keys;
    }
}

TEST_F(NumeroAR, PointIsDroppedWhenTheTextHoldsTheSeparatorEvenIfSelected)
{
    w->field->setCantidadDecimales(2);
    w->enter();
    w->type("1.5");
    w->txt()->selectAll();
    w->type(".");
    EXPECT_EQ(w->field->toString(), "1,5");
    w->type("7");  // a digit replaces the selection as usual
    EXPECT_EQ(w->field->toString(), "7");
}

TEST_F(NumeroAR, KeyPressSeesEveryTypedKeyAfterTheFilter)
{
    w->field->setCantidadDecimales(2);
    w->enter();
    w->type("a1.");
    EXPECT_EQ(w->seen, (std::vector<int>{0, '1', ','}));

    w->seen.clear();
    QTest::keyClick(w->txt(), Qt::Key_Backspace);
    QTest::keyClick(w->txt(), Qt::Key_Escape);
    QTest::keyClick(w->txt(), Qt::Key_Return);
    EXPECT_EQ(w->seen, (std::vector<int>{8, 27, 13}));
    EXPECT_EQ(w->field->toString(), "1");  // Backspace took the comma

    // Keys that type nothing go to the box without a KeyPress.
    w->seen.clear();
    QTest::keyClick(w->txt(), Qt::Key_Left);
    QTest::keyClick(w->txt(), Qt::Key_Delete);
    EXPECT_TRUE(w->seen.empty());
    EXPECT_EQ(w->field->toString(), "");
}

// A character beyond the first 65 536 is one key to the filter, and no digit.
TEST_F(NumeroAR, AnEmojiIsDroppedAsOneKey)
{
    w->enter();
    w->type("5");
    w->seen.clear();
    const char32_t pez = U'\U0001F41F';
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&pez, 1));
    QApplication::sendEvent(w->txt(), &press);
    EXPECT_EQ(w->seen, std::vector<int>{0});
    EXPECT_EQ(w->field->toString(), "5");
}

TEST_F(NumeroAR, ClipboardKeysAreDroppedAndPasteNeverReachesTheBox)
{
    QApplication::clipboard()->setText(QStringLiteral("1;DROP"));
    w->enter();
    w->type("5");
    w->seen.clear();
    QTest::keyClick(w->txt(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w->txt(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(w->txt(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(w->txt(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(w->seen, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(w->field->toString(), "5");
}

// Where the desktop has a selection clipboard (X11), the middle button
// pastes it into a line edit.
TEST_F(NumeroAR, MiddleButtonPastesNothing)
{
    if (!QApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "this platform has no selection clipboard";
    QApplication::clipboard()->setText(QStringLiteral("1;DROP"), QClipboard::Selection);
    w->enter();
    w->type("5");
    QTest::mouseClick(w->txt(), Qt::MiddleButton);
    EXPECT_EQ(w->field->toString(), "5");
}

TEST_F(NumeroAR, HandlerMayChangeOrDropTheKey)
{
    QObject::connect(w->field, &ctlNumero::KeyPress, [](int& k) {
        if (k == '1')
            k = '7';
        else if (k == '2')
            k = 0;
        else if (k == '9')
            k = 8;  // a Backspace of its own
    });
    w->enter();
    w->type("1234");
    EXPECT_EQ(w->field->toString(), "734");
    w->type("9");
    EXPECT_EQ(w->field->toString(), "73");
}

TEST_F(NumeroAR, EnteringRemovesGroupingAndSelectsAllLeavingRegroups)
{
    w->field->setCantidadDecimales(2);
    w->field->setValue(1234.5);
    EXPECT_EQ(w->field->toString(), "1.234,50");
    w->enter();
    EXPECT_EQ(w->field->toString(), "1234,50");
    EXPECT_EQ(w->txt()->selectedText(), "1234,50");
    QString atLostFocus;
    QObject::connect(w->field, &ctlNumero::LostFocus, [&] { atLostFocus = w->field->toString(); });
    w->leave();
    EXPECT_EQ(w->field->toString(), "1.234,50");
    EXPECT_EQ(atLostFocus, "1.234,50");  // the window's handler reads the formatted text
    testsupport::Screenshot(&w->window, QStringLiteral("ctlNumero"));
}

TEST_F(NumeroAR, AnotherWindowTakingTheFocusDoesNotLeaveTheField)
{
    w->field->setCantidadDecimales(2);
    w->enter();
    w->type("1234.5");
    int lostFocus = 0;
    QObject::connect(w->field, &ctlNumero::LostFocus, [&] { ++lostFocus; });

    QWidget popup;  // as a message box would
    auto* box = new QLineEdit(&popup);
    popup.show();
    QApplication::setActiveWindow(&popup);
    box->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(lostFocus, 0);
    EXPECT_EQ(w->field->toString(), "1234,5");

    popup.hide();
    QApplication::setActiveWindow(&w->window);
    w->field->setFocus();
    QApplication::processEvents();
    w->leave();
    EXPECT_EQ(lostFocus, 1);
    EXPECT_EQ(w->field->toString(), "1.234,50");
}

// A window's check shows a message and then sends the focus to the field
// at fault, before its own window is active again: the field is left all
// the same, once its window has the focus back.
TEST_F(NumeroAR, FocusSentElsewhereBehindAMessageLeavesTheField)
{
    w->field->setCantidadDecimales(2);
    w->enter();
    w->type("1234.5");
    int lostFocus = 0;
    QObject::connect(w->field, &ctlNumero::LostFocus, [&] { ++lostFocus; });

    QWidget popup;
    auto* box = new QLineEdit(&popup);
    popup.show();
    QApplication::setActiveWindow(&popup);
    box->setFocus();
    QApplication::processEvents();
    w->other->setFocus(Qt::OtherFocusReason);
    popup.hide();
    QApplication::setActiveWindow(&w->window);
    QApplication::processEvents();
    ASSERT_TRUE(w->other->hasFocus());
    EXPECT_EQ(lostFocus, 1);
    EXPECT_EQ(w->field->toString(), "1.234,50");

    w->enter();  // and entered again as usual
    EXPECT_EQ(w->txt()->selectedText(), "1234,50");
}

TEST_F(NumeroAR, ValueSetFormatsWithTheCountOfDecimals)
{
    struct Case {
        int decimals;
        double v;
        const char* shown;
        double back;
        const char* sql;
    };
    const Case cases[] = {
        {2, 1234.567, "1.234,57", 1234.57, "1234.57"},
        {2, 0, "0,00", 0, "0.00"},
        {0, 1234.5, "1.235", 1235, "1235"},
        {3, 20123456.7, "20.123.456,700", 20123456.7, "20123456.700"},
        {2, -1234.5, "-1.234,50", -1234.5, "-1234.50"},
        // Products of a price and a weight carry binary noise below the
        // 15th digit: 0.011 x 5 is 0.05499999999999999, meant as 0.055.
        {2, 0.011 * 5, "0,06", 0.06, "0.06"},
        {2, 0.015 * 11, "0,17", 0.17, "0.17"},
        {2, 0.103 * 1135, "116,91", 116.91, "116.91"},
    };
    for (const auto& c : cases) {
        w->field->setCantidadDecimales(std::int16_t(c.decimals));
        w->field->setValue(c.v);
        EXPECT_EQ(w->field->toString(), QString::fromUtf8(c.shown)) << c.v;
        EXPECT_EQ(w->field->Value(), c.back) << c.v;
        EXPECT_EQ(w->field->toSQL(), QString::fromUtf8(c.sql)) << c.v;
    }
}

TEST_F(NumeroAR, EmptyAndLoneSeparator)
{
    EXPECT_EQ(w->field->Value(), 0);
    EXPECT_EQ(w->field->toString(), "");
    EXPECT_EQ(w->field->toSQL(), "");
    EXPECT_EQ(text::NumeroSQL(w->field->Value()), "0");

    w->typeAndLeave(2, ".");
    EXPECT_EQ(w->field->toString(), ",");  // no number: left as it is
    EXPECT_EQ(w->field->Value(), 0);
    EXPECT_EQ(text::NumeroSQL(w->field->Value()), "0");

    // Not reachable from the keyboard, but the callers see the error.
    w->txt()->setText(QStringLiteral("12a"));
    EXPECT_EQ(errorNumber([&] { w->field->Value(); }), 13);
}

TEST_F(NumeroAR, CountOfDecimalsDoesNotReformatUntilLeaving)
{
    w->field->setCantidadDecimales(2);
    w->field->setValue(1.5);
    w->field->setCantidadDecimales(3);
    EXPECT_EQ(w->field->toString(), "1,50");
    w->enter();
    w->leave();
    EXPECT_EQ(w->field->toString(), "1,500");
    EXPECT_EQ(errorNumber([&] { w->field->setCantidadDecimales(-1); }), 5);
    EXPECT_EQ(w->field->CantidadDecimales(), 3);
}

TEST_F(NumeroAR, LockedFieldTakesFocusButNoText)
{
    const QPalette app = QApplication::palette();
    w->field->setValue(5);
    w->field->Enabled(false);
    expectLocked("5");
    EXPECT_EQ(w->seen, (std::vector<int>{'7'}));  // KeyPress is still raised
    w->leave();

    w->field->Enabled(true);
    EXPECT_TRUE(w->field->Enabled());
    EXPECT_EQ(w->txt()->palette().color(QPalette::Base), app.color(QPalette::Base));
    w->enter();
    w->type("7");
    EXPECT_EQ(w->field->toString(), "7");
}

// Disabling the field itself through QWidget (as a loop over a window's
// controls would) locks it rather than greying it; a disabled frame around
// it still greys it.
TEST_F(NumeroAR, DisablingItThroughQWidgetLocksIt)
{
    const QPalette app = QApplication::palette();
    w->field->setValue(5);
    QWidget* base = w->field;
    base->setEnabled(false);
    EXPECT_TRUE(w->field->isEnabled());
    expectLocked("5");
    w->leave();

    w->field->Enabled(true);
    QWidget* frame = w->field->parentWidget();
    frame->setEnabled(false);
    EXPECT_FALSE(w->field->isEnabled());
    EXPECT_TRUE(w->field->Enabled());
    frame->setEnabled(true);
    EXPECT_TRUE(w->field->isEnabled());
    EXPECT_TRUE(w->field->Enabled());
}

TEST_F(NumeroAR, MaxLengthLimitsTypingOnly)
{
    w->field->setMaxLength(4);
    EXPECT_EQ(w->field->MaxLength(), 4);
    w->enter();
    w->type("123456");
    EXPECT_EQ(w->field->toString(), "1234");
    w->txt()->selectAll();
    w->type("9");  // replacing the selection is within the limit
    EXPECT_EQ(w->field->toString(), "9");
    w->leave();

    w->field->setCantidadDecimales(2);
    w->field->setValue(1234567.89);
    EXPECT_EQ(w->field->toString(), "1.234.567,89");  // text set by code is never cut

    EXPECT_EQ(errorNumber([&] { w->field->setMaxLength(40000); }), 6);
    EXPECT_EQ(w->field->MaxLength(), 4);
    w->field->setMaxLength(0);  // no limit
    w->enter();
    w->type("1234567890");
    EXPECT_EQ(w->field->toString(), "1234567890");
}

TEST_F(NumeroAR, InnerBoxFillsTheFieldLessOnePixel)
{
    w->field->resize(120, 30);
    EXPECT_EQ(w->txt()->geometry(), QRect(0, 0, 119, 29));
    EXPECT_TRUE(w->txt()->alignment() & Qt::AlignRight);
}

namespace {

// A window that sees the keys first, as the editors do.
class PreviewForm : public forms::Form {
public:
    PreviewForm()
    {
        KeyPreview = true;
        auto* layout = new QVBoxLayout(this);
        field = new ctlNumero(this);
        layout->addWidget(field);
    }
    ctlNumero* field;

protected:
    void Form_KeyPress(int& k) override
    {
        if (k == '1')
            k = '2';
        else if (k == '3')
            k = 0;
    }
};

}  // namespace

TEST_F(NumeroAR, TheWindowSeesTheKeysBeforeTheField)
{
    PreviewForm& f = forms::Form::Instance<PreviewForm>();
    f.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    std::vector<int> seen;
    QObject::connect(f.field, &ctlNumero::KeyPress, [&](int& k) { seen.push_back(k); });
    f.field->setFocus();
    QTest::keyClicks(f.field->textBox(), "1345");
    EXPECT_EQ(f.field->toString(), "245");
    EXPECT_EQ(seen, (std::vector<int>{'2', '4', '5'}));
    f.Unload();
}

// ---------------------------------------------------------------- C locale

TEST(NumeroUnderC, PointLocaleCasesPass) { testsupport::ExpectPassesUnderC(QStringLiteral("CLocale_*")); }

TEST(CLocale_Numero, PointDecimalsCommaGroups)
{
    SKIP_UNLESS_C_LOCALE();
    NumeroWindow w;
    const Case cases[] = {
        {2, "12.5", "12.5", "12.50", 12.5, "12.50"},
        {2, "1,2", "12", "12.00", 12, "12.00"},  // the comma groups here: dropped
        {2, "1234567.891", "1234567.891", "1,234,567.89", 1234567.89, "1234567.89"},
        {0, "7.5", "75", "75", 75, "75"},
    };
    for (const auto& c : cases) {
        w.field->ClearText();
        w.typeAndLeave(c.decimals, QString::fromUtf8(c.keys));
        EXPECT_EQ(w.typed, QString::fromUtf8(c.typed)) << c.keys;
        EXPECT_EQ(w.field->toString(), QString::fromUtf8(c.shown)) << c.keys;
        EXPECT_EQ(w.field->Value(), c.value) << c.keys;
        EXPECT_EQ(w.field->toSQL(), QString::fromUtf8(c.sql)) << c.keys;
    }
    w.field->setCantidadDecimales(2);
    w.field->setValue(1234.567);
    EXPECT_EQ(w.field->toString(), "1,234.57");
    w.enter();
    EXPECT_EQ(w.field->toString(), "1234.57");
}

namespace {

// What is typed after entering the field replaces its value, whether the
// field was entered by Tab, by a click or with Ctrl+A.
TEST_F(NumeroAR, EnteringByClickOrCtrlASelectsTheValueSoTypingReplacesIt)
{
    enum How { Tab, Click, CtrlA };
    for (How how : {Tab, Click, CtrlA}) {
        w->field->setCantidadDecimales(2);
        w->field->setValue(0);
        w->leave();
        ASSERT_EQ(w->field->toString(), "0,00");
        if (how == Tab) {
            w->enter();
        } else {
            QTest::mouseClick(w->txt(), Qt::LeftButton, {}, QPoint(w->txt()->width() - 8, w->txt()->height() / 2));
            if (how == CtrlA) {
                // A second click places the cursor; Ctrl+A then selects all again.
                QTest::mouseClick(w->txt(), Qt::LeftButton, {}, QPoint(w->txt()->width() - 8, w->txt()->height() / 2));
                EXPECT_FALSE(w->txt()->hasSelectedText());
                QTest::keyClick(w->txt(), Qt::Key_A, Qt::ControlModifier);
            }
        }
        EXPECT_EQ(w->txt()->selectedText(), w->txt()->text()) << how;
        w->type("12,34");
        w->leave();
        EXPECT_EQ(w->field->toString(), "12,34") << how;
        EXPECT_DOUBLE_EQ(w->field->Value(), 12.34) << how;
    }
}

// A locked field looks locked and Tab goes past it.
TEST_F(NumeroAR, ALockedFieldIsSkippedByTabAndDoesNotLookTypable)
{
    auto* after = new QLineEdit(&w->window);
    w->window.layout()->addWidget(after);
    after->show();
    QWidget::setTabOrder(w->other, w->field);
    QWidget::setTabOrder(w->field, after);
    const QColor typable = w->txt()->palette().color(QPalette::Active, QPalette::Base);
    w->field->Enabled(false);
    EXPECT_NE(w->txt()->palette().color(QPalette::Active, QPalette::Base), typable);
    w->other->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->other, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    w->field->Enabled(true);
    w->other->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->other, Qt::Key_Tab);
    EXPECT_TRUE(w->txt()->hasFocus());
}

}  // namespace
