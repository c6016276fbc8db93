// The declaration list over a few thousand declarations, which it reads as
// they come into view: the first row, the far end, the row handed to the
// editor, and what another program or the editor changed meanwhile.
#include "ListFixture.h"

#include "core/General.h"
#include "declarations/frmEditarDJ.h"
#include "platform/ado/Connection.h"
#include "platform/text/Text.h"

#include <QElapsedTimer>
#include <QKeySequence>
#include <QLineEdit>
#include <QScrollBar>

using namespace listtest;

namespace {

constexpr int kDeclarations = 3000;

class OtraVentana : public forms::Form {};

class LongList : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        testsupport::insertDeclarations(kDeclarations);
    }
    // The declaration numbers in the view's order, read whole.
    static QStringList stored()
    {
        QStringList all;
        ado::Recordset rs;
        rs.Open(QStringLiteral("select PCDJ_NRO FROM PES_VW_CAB_DDJJ7351"), de1::conn());
        for (; !rs.Eof(); rs.MoveNext()) all << rs(0).text();
        return all;
    }
    static void key(frmDDJJ& f, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(f.grillaDJ, k, m);
        testsupport::Settle(1);
    }
    // What the clerk sees in the current row's first cell.
    static QString onScreen(frmDDJJ& f)
    {
        const QModelIndex i = f.grillaDJ->currentIndex();
        return f.grillaDJ->model()->data(f.grillaDJ->model()->index(i.row(), 0)).toString();
    }
    void activateAgain()
    {
        auto& other = forms::Form::Instance<OtraVentana>();
        other.Show();
        testsupport::Settle();
        other.Unload();
        testsupport::Settle();
    }
};

TEST_F(LongList, OpensOnTheFirstRowAndTheKeysReachEitherEnd)
{
    const QStringList all = stored();
    ASSERT_EQ(all.size(), kDeclarations);
    frmDDJJ& f = openList();
    EXPECT_EQ(f.grillaDJ->model()->rowCount(), kDeclarations);
    EXPECT_EQ(f.grillaDJ->Row(), 0);
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 1);
    EXPECT_EQ(f.grillaDJ->Text(0), all.first());
    // The scroll bar stands for every row, not only those read.
    QScrollBar* bar = f.grillaDJ->verticalScrollBar();
    EXPECT_EQ(bar->maximum() + bar->pageStep(), kDeclarations);

    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int row;
    } steps[] = {
        {Qt::Key_End, Qt::NoModifier, kDeclarations - 1},
        {Qt::Key_Up, Qt::NoModifier, kDeclarations - 2},
        {Qt::Key_Home, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, kDeclarations - 1},
        {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_PageDown, Qt::NoModifier, -1},  // a screenful further down
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(QKeySequence(s.key).toString().toStdString());
        key(f, s.key, s.mods);
        const int row = int(f.grillaDJ->Row());
        if (s.row >= 0)
            EXPECT_EQ(row, s.row);
        else
            EXPECT_TRUE(row > 1 && row <= bar->pageStep() + 1) << row;
        ASSERT_GE(row, 0);
        EXPECT_EQ(f.grillaDJ->Text(0), all[row]);
        EXPECT_EQ(onScreen(f), all[row]);
    }

    // "Modificar" opens the declaration the clerk is on.
    key(f, Qt::Key_End);
    click(f, "modificar");
    ASSERT_TRUE(f.mCabDDJJ);
    EXPECT_EQ(f.mCabDDJJ->NroDJ, all.last());
    auto* editor = forms::Form::Existing<frmEditarDJ>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(text::PadLeft(editor->txt_NroDJ->text(), 23, QChar(u'0')), all.last());
    testsupport::Screenshot(main, QStringLiteral("declaration-list-long"));
}

// Another program on the same file saves while the list is open; the list
// shows its work on the next activation.
TEST_F(LongList, AnotherProgramSavesWhileTheListIsOpenAndTheListShowsItNext)
{
    frmDDJJ& f = openList();
    const QString first = f.grillaDJ->Text(0);
    key(f, Qt::Key_End);  // both ends read
    key(f, Qt::Key_PageUp);

    ado::Connection other;
    other.Open(General::BuildConnectionString(db.folder()));
    QElapsedTimer t;
    t.start();
    long deleted = 0;
    other.Execute(QStringLiteral("DELETE FROM LNV_PES_TB_CAB_DDJJ7351 WHERE PCDJ_NRO = '%1'").arg(first), &deleted);
    other.Execute(
        QStringLiteral("BEGIN; INSERT INTO LNV_PES_TB_CAB_DDJJ7351 SELECT '30708123451012320300101', 2030, 1, "
                       "PPTO_ID, PBAR_ID, PBAR_MATRICULA, PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, "
                       "PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, PEDJ_ID, PTDJ_ID, PCDJ_RESP, "
                       "GTDC_ID, PCDJ_NRODOC, PCAR_ID, 1, 1 FROM LNV_PES_TB_CAB_DDJJ7351 LIMIT 1; COMMIT;"));
    EXPECT_EQ(deleted, 1);
    EXPECT_LT(t.elapsed(), 1000) << "the list kept the file locked";

    activateAgain();
    const QStringList all = stored();
    EXPECT_EQ(f.grillaDJ->model()->rowCount(), kDeclarations);
    EXPECT_EQ(f.grillaDJ->Row(), 0);
    EXPECT_EQ(f.grillaDJ->Text(0), QStringLiteral("30708123451012320300101"));
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 1);
    key(f, Qt::Key_End);
    EXPECT_EQ(f.grillaDJ->Text(0), all.last());
    for (int r = 0; r < 40; ++r)
        EXPECT_NE(f.grillaDJ->model()->data(f.grillaDJ->model()->index(r, 0)).toString(), first) << r;
}

// Closing a window beside the list reads nothing again while nothing changed;
// a save here (the editor's) is seen at once.
TEST_F(LongList, ReactivationReadsAgainOnlyAfterAChange)
{
    frmDDJJ& f = openList();
    key(f, Qt::Key_Down);
    const auto before = f.adoDDJJ->Recordset;
    activateAgain();
    ASSERT_TRUE(f.adoDDJJ->Recordset);
    EXPECT_TRUE(f.adoDDJJ->Recordset->SameRows(*before));
    EXPECT_EQ(f.grillaDJ->Row(), 0) << "the first row is selected again";
    EXPECT_FALSE(f.grillaDJ->selectionModel()->isRowSelected(1, {})) << "and only it";
    EXPECT_EQ(f.grillaDJ->SelBookmarks().Count(), 1);

    insertDeclaration({.nro = QStringLiteral("30708123451012320300201"), .anio = 2030, .mes = 2});
    activateAgain();
    EXPECT_FALSE(f.adoDDJJ->Recordset->SameRows(*before));
    EXPECT_EQ(f.grillaDJ->model()->rowCount(), kDeclarations + 1);
    EXPECT_EQ(f.grillaDJ->Text(0), QStringLiteral("30708123451012320300201"));
}

}  // namespace

namespace {

// Each list window's view has the shape the lists read as shown; a view
// changed out of it would quietly fall back to reading every row.
TEST(ListViews, AreReadAsShownAndShowWhatTheSnapshotShows)
{
    testsupport::TempDb db(true);
    insertDeclaration({.nro = QStringLiteral("30708123451012320060501")});
    insertDeclaration({.nro = QStringLiteral("30708123451012320060401"), .mes = 4});
    for (const char* view : {"PES_VW_CAB_DDJJ7351", "PES_VW_EMPRESAS", "PES_VW_EMBARCACIONES"}) {
        SCOPED_TRACE(view);
        const QString sql = QStringLiteral("select * FROM ") + QString::fromLatin1(view);
        ado::Recordset keyset, again, snapshot;
        keyset.Open(sql, de1::conn(), ado::adOpenKeyset);
        again.Open(sql, de1::conn(), ado::adOpenKeyset);
        snapshot.Open(sql, de1::conn(), ado::adOpenStatic);
        EXPECT_TRUE(keyset.SameRows(again));
        ASSERT_GT(snapshot.RecordCount(), 0);
        ASSERT_EQ(keyset.RecordCount(), snapshot.RecordCount());
        for (long r = 0; r < snapshot.RecordCount(); ++r)
            for (int c = 0; c < snapshot.FieldCount(); ++c)
                EXPECT_EQ(keyset.at(r, c), snapshot.at(r, c)) << r << "/" << c;
    }
}

}  // namespace
