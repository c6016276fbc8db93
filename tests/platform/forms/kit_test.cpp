// The window kit: error trapping, lost focus behind a message box, changed
// characters, the date picker and the masked edit.
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeyPress.h"
#include "platform/forms/LostFocus.h"
#include "platform/forms/MaskedEdit.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Trap.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using testsupport::MsgBoxRecorder;

TEST(Trap, ShowsTheDocumentedMessageAndTheHandlerGoesOn)
{
    MsgBoxRecorder boxes;
    bool after = false;
    const bool ok = forms::Atrapar([] { throw platform::RuntimeError(platform::ErrInvalidPropertyValue); });
    after = true;
    EXPECT_FALSE(ok);
    EXPECT_TRUE(after);
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].prompt, QStringLiteral("Error 380: El valor de la propiedad no es válido"));
    EXPECT_EQ(boxes.messages()[0].title, forms::AppTitle());
    EXPECT_TRUE(forms::Atrapar([] {}));
    EXPECT_EQ(boxes.messages().size(), 1u);
}

// A window's own words for one error number; every other number keeps the
// general message, and an ignored step shows nothing at all.
TEST(Trap, OneNumberGetsTheWindowsOwnHandlingAndIgnoredStepsShowNothing)
{
    MsgBoxRecorder boxes;
    int propios = 0;
    const auto propio = [&] { ++propios; };
    EXPECT_FALSE(forms::Atrapar([] { throw platform::RuntimeError(platform::ErrDuplicateKey); },
                                platform::ErrDuplicateKey, propio));
    EXPECT_EQ(propios, 1);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_FALSE(
        forms::Atrapar([] { throw platform::RuntimeError(platform::ErrOverflow); }, platform::ErrDuplicateKey, propio));
    EXPECT_EQ(propios, 1);
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error 6: ")));
    EXPECT_TRUE(forms::Atrapar([] {}, platform::ErrDuplicateKey, propio));

    EXPECT_FALSE(forms::Ignorar([] { throw platform::RuntimeError(platform::ErrOverflow); }));
    EXPECT_TRUE(forms::Ignorar([] {}));
    EXPECT_EQ(boxes.messages().size(), 1u);
}

class TransactionTrap : public ::testing::Test {
protected:
    void SetUp() override
    {
        conn.Create(dir.filePath(QStringLiteral("t.mdb")), QStringLiteral("clave"));
        conn.Execute(QStringLiteral("create table t (id integer primary key, v text not null)"));
    }
    long rows()
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select count(*) from t"), conn);
        return long(rs.Fields(0).Value().integer());
    }
    QTemporaryDir dir;
    ado::Connection conn;
};

TEST_F(TransactionTrap, AFailingStatementUndoesTheWholeAction)
{
    MsgBoxRecorder boxes;
    EXPECT_FALSE(forms::AtraparEnTransaccion(conn, [&] {
        conn.Execute(QStringLiteral("insert into t values (1, 'a')"));
        conn.Execute(QStringLiteral("insert into t values (1, 'b')"));  // duplicate key
    }));
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(conn.InTransaction());
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_TRUE(boxes.messages()[0].prompt.startsWith(QStringLiteral("Error -2147467259: ")));

    EXPECT_TRUE(forms::AtraparEnTransaccion(conn, [&] {
        conn.Execute(QStringLiteral("insert into t values (1, 'a')"));
        conn.Execute(QStringLiteral("insert into t values (2, 'b')"));
    }));
    EXPECT_EQ(rows(), 2);
    EXPECT_FALSE(conn.InTransaction());
}

TEST_F(TransactionTrap, TransactionsDoNotNest)
{
    conn.BeginTrans();
    EXPECT_EQ(errorNumber([&] { conn.BeginTrans(); }), -2147467259);
    conn.RollbackTrans();
    EXPECT_FALSE(conn.InTransaction());
}

// A window with two text boxes; the first counts its focus losses.
class TwoBoxes : public QMainWindow {
public:
    TwoBoxes()
    {
        auto* w = new QWidget(this);
        auto* l = new QVBoxLayout(w);
        first = new QLineEdit(w);
        second = new QLineEdit(w);
        l->addWidget(first);
        l->addWidget(second);
        setCentralWidget(w);
        forms::OnLostFocus(first, [this] { ++lost; });
    }
    QLineEdit* first;
    QLineEdit* second;
    int lost = 0;
};

TEST(LostFocus, RunsWhenCodeMovesTheFocusBehindAMessageBox)
{
    TwoBoxes win;
    win.show();
    QApplication::setActiveWindow(&win);
    win.first->setFocus();
    testsupport::Settle();
    ASSERT_TRUE(win.first->hasFocus());

    // A message box takes the activation: that is no loss of focus.
    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    testsupport::Settle();
    EXPECT_EQ(win.lost, 0);

    // The window's code moves the focus while the box is up; the loss
    // counts once the window has the activation back.
    win.second->setFocus();
    box.hide();
    QApplication::setActiveWindow(&win);
    testsupport::Settle();
    EXPECT_TRUE(win.second->hasFocus());
    EXPECT_EQ(win.lost, 1);

    // And the user's own move counts as well, once.
    win.first->setFocus();
    testsupport::Settle();
    win.second->setFocus(Qt::TabFocusReason);
    testsupport::Settle();
    EXPECT_EQ(win.lost, 2);
}

class Previewing : public forms::Form {
public:
    Previewing()
    {
        auto* l = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        l->addWidget(edit);
        KeyPreview = true;
    }
    QLineEdit* edit;

protected:
    void Form_KeyPress(int& k) override
    {
        if (k == '*')
            k = 8;  // as a Backspace
        else
            forms::Mayuscula(k);
    }
};

TEST(KeyPress, ChangedCharactersReachTheControlChanged)
{
    struct Case {
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("abc"), QStringLiteral("ABC")},
        {QStringLiteral("peña"), QStringLiteral("PEÑA")},
        {QStringLiteral("ab*c"), QStringLiteral("AC")},
        {QStringLiteral("12,5"), QStringLiteral("12,5")},
    };
    QMainWindow main;
    auto* form = new Previewing;
    main.setCentralWidget(form);
    form->Load();
    main.show();
    QApplication::setActiveWindow(&main);
    for (const Case& c : cases) {
        form->edit->clear();
        form->edit->setFocus();
        testsupport::Settle();
        testsupport::Type(form->edit, c.typed);
        EXPECT_EQ(form->edit->text(), c.shown) << c.typed.toStdString();
    }
    // A control's own handler sees the character after the preview.
    forms::OnKeyPress(form->edit, [](int& k) {
        if (k == 'X') k = 0;
    });
    form->edit->clear();
    testsupport::Type(form->edit, QStringLiteral("axb"));
    EXPECT_EQ(form->edit->text(), QStringLiteral("AB"));
}

TEST(DatePicker, HoldsADateOrNoneWithinItsBounds)
{
    forms::DatePicker dtp;
    int changes = 0;
    QObject::connect(&dtp, &forms::DatePicker::Change, [&] { ++changes; });
    dtp.setMaxDate(QDate(2024, 6, 30));
    changes = 0;  // the date shown moved down to the bound
    dtp.setValue(QDate(2024, 3, 1));
    EXPECT_TRUE(dtp.HasValue());
    EXPECT_EQ(dtp.Value(), ado::Variant(QDate(2024, 3, 1)));
    EXPECT_EQ(dtp.dateEdit()->text(), QStringLiteral("01/03/2024"));
    EXPECT_EQ(changes, 1);

    EXPECT_EQ(errorNumber([&] { dtp.setValue(QDate(2024, 7, 1)); }), 380);
    EXPECT_EQ(dtp.Date(), QDate(2024, 3, 1));

    dtp.setCheckBox(true);
    dtp.setValue(ado::Variant::Null());
    EXPECT_FALSE(dtp.HasValue());
    EXPECT_TRUE(dtp.Value().isNull());
    EXPECT_FALSE(dtp.dateEdit()->isEnabled());
    EXPECT_EQ(changes, 2);

    // Focus given to a picker without a date lands where the user can give one.
    dtp.show();
    dtp.setFocus();
    EXPECT_EQ(dtp.focusWidget(), dtp.checkBoxWidget());

    dtp.checkBoxWidget()->click();  // the user gives it a date again
    EXPECT_EQ(dtp.Value(), ado::Variant(QDate(2024, 3, 1)));
    EXPECT_EQ(changes, 3);
    dtp.setFocus();
    EXPECT_EQ(dtp.focusWidget(), dtp.dateEdit());
}

TEST(MaskedEdit, ClipTextIsTheTypedDigitsOnly)
{
    forms::MaskedEdit msk;
    msk.setMask(QStringLiteral("###-######-#"));
    msk.setPromptChar(QChar('_'));
    msk.show();
    msk.setFocus();
    EXPECT_EQ(msk.ClipText(), QString());

    msk.setCursorPosition(0);
    testsupport::Type(&msk, QStringLiteral("12a34"));
    EXPECT_EQ(msk.ClipText(), QStringLiteral("1234"));
    EXPECT_EQ(msk.Text(), QStringLiteral("123-4_____-_"));

    msk.setText(QStringLiteral("901-234567-8"));
    EXPECT_EQ(msk.ClipText(), QStringLiteral("9012345678"));
    EXPECT_EQ(msk.Text(), QStringLiteral("901-234567-8"));
    msk.setText(QStringLiteral("9012345678"));
    EXPECT_EQ(msk.Text(), QStringLiteral("901-234567-8"));
    msk.setText(QString());
    EXPECT_EQ(msk.ClipText(), QString());

    msk.setText(QStringLiteral("901-234567-8"));
    msk.setSelStart(4);
    msk.setSelLength(6);
    EXPECT_EQ(msk.SelStart(), 4);
    EXPECT_EQ(msk.SelLength(), 6);
    EXPECT_EQ(msk.selectedText(), QStringLiteral("234567"));
}

}  // namespace
