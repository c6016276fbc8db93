#include "core/de1.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "support/ErrorNumber.h"
#include "support/Support.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeySequence>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using forms::DataControl;
using forms::DataGrid;

namespace {

std::shared_ptr<ado::Recordset> query(const QString& sql)
{
    auto rs = std::make_shared<ado::Recordset>();
    rs->Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic);
    return rs;
}

// A list window in small: a data control, its grid, and a table of four rows
// with a text, a real number, a date, nulls and a column meant to be hidden.
struct Grid : ::testing::Test {
    testsupport::TempDb db;
    QWidget window;
    DataControl* ado = new DataControl(&window);
    DataGrid* grid = new DataGrid(&window);
    std::shared_ptr<ado::Recordset> rs;
    struct Change {
        ado::Variant lastRow;
        int lastCol;
    };
    std::vector<Change> changes;

    void SetUp() override
    {
        grid->setObjectName("grilla");
        (new QVBoxLayout(&window))->addWidget(grid);
        window.resize(760, 260);
        de1::conn().Execute(
            "CREATE TABLE PRUEBA_GRILLA (ID INTEGER, NOMBRE TEXT, MONTO REAL, FECHA DATE, OCULTO TEXT)");
        de1::conn().Execute("INSERT INTO PRUEBA_GRILLA VALUES "
                            "(1, 'PÉREZ HNOS', 1234.5, '2006-05-01', 'a'), (2, 'GÓMEZ', 0.5, NULL, 'b'), "
                            "(3, NULL, -7, '2007-12-31', 'c'), (4, 'ÑANDÚ', 1000000, '2008-01-15', 'd')");
        QObject::connect(grid, &DataGrid::RowColChange, [this](const ado::Variant& lastRow, int lastCol) {
            changes.push_back({lastRow, lastCol});
        });
        grid->setDataSource(ado);
        load("SELECT * FROM PRUEBA_GRILLA ORDER BY ID");
        window.show();
        testsupport::Settle();
    }

    // What a list window does on every load: new recordset, refresh, layout, first row selected.
    void load(const QString& sql)
    {
        rs = query(sql);
        ado->Recordset = rs;
        ado->Refresh();
        struct Col {
            int twips;
            const char* caption;
            int align;
            const char* format;
        };
        const Col layout[] = {
            {700, "Nro.", forms::dbgLeft, ""},
            {2000, "Nombre", forms::dbgLeft, ""},
            {1100, "Monto", forms::dbgRight, "0.00"},
            {1050, "Fecha", forms::dbgCenter, ""},
            {0, "", forms::dbgLeft, ""},
        };
        for (int c = 0; c < std::min(grid->ColumnCount(), 5); ++c) {
            forms::Column col = grid->Columns(c);
            col.setWidth(layout[c].twips);
            if (layout[c].twips > 0) col.setCaption(layout[c].caption);
            col.setAlignment(layout[c].align);
            col.setNumberFormat(layout[c].format);
        }
        if (rs->RecordCount() > 0) {
            rs->MoveFirst();
            grid->SelBookmarks().Add(rs->Bookmark());
        }
    }

    QPoint cell(int row, int col) { return grid->visualRect(grid->model()->index(row, col)).center(); }
    void click(int row, int col) { QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell(row, col)); }
    void key(Qt::Key k)
    {
        grid->setFocus();
        QTest::keyClick(grid, k);
    }
    int shownRow() { return grid->currentIndex().isValid() ? grid->currentIndex().row() : -1; }
};

}  // namespace

TEST_F(Grid, ColumnLayoutCaptionsWidthsHiddenAndAlignment)
{
    struct Row {
        int col;
        const char* caption;
        int px;
        bool hidden;
        Qt::Alignment align;
    };
    const Row rows[] = {
        {0, "Nro.", 47, false, Qt::AlignLeft},   {1, "Nombre", 133, false, Qt::AlignLeft},
        {2, "Monto", 73, false, Qt::AlignRight}, {3, "Fecha", 70, false, Qt::AlignHCenter},
        {4, "OCULTO", 0, true, Qt::AlignLeft},
    };
    ASSERT_EQ(grid->ColumnCount(), 5);
    // Twips at 15 per pixel of a face with 5-pixel digits, grown to the grid's own face.
    const double scale = std::max(1.0, grid->fontMetrics().horizontalAdvance(QLatin1Char('0')) / 5.0);
    auto scaled = [&](int px) { return px * scale; };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.col);
        EXPECT_EQ(grid->model()->headerData(r.col, Qt::Horizontal).toString(), r.caption);
        EXPECT_EQ(grid->isColumnHidden(r.col), r.hidden);
        if (!r.hidden) {
            EXPECT_NEAR(grid->horizontalHeader()->sectionSize(r.col), scaled(r.px), 1.5);
        }
        const auto align =
            Qt::Alignment(grid->model()->data(grid->model()->index(0, r.col), Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(align & Qt::AlignHorizontal_Mask, r.align);
        EXPECT_EQ(grid->Columns(r.col).Alignment() == forms::dbgRight, r.align == Qt::AlignRight);
    }
    EXPECT_EQ(grid->Columns(4).Width(), 0);
    EXPECT_EQ(grid->Columns(1).Width(), 2000);

    grid->Columns(4).setWidth(1500);
    EXPECT_FALSE(grid->isColumnHidden(4));
    EXPECT_NEAR(grid->horizontalHeader()->sectionSize(4), scaled(100), 1.5);
    grid->Columns(4).setVisible(false);
    EXPECT_TRUE(grid->isColumnHidden(4));
    EXPECT_EQ(grid->Columns(4).Width(), 1500);

    EXPECT_EQ(errorNumber([&] { grid->Columns(5); }), platform::ErrSubscript);
    EXPECT_EQ(errorNumber([&] { grid->Text(-1); }), platform::ErrSubscript);
    testsupport::Screenshot(&window, "datagrid");
}

TEST_F(Grid, DisplayedTextsOfTheCurrentRow)
{
    struct Row {
        long bookmark;
        int col;
        const char* format;
        const char* text;
    };
    const Row rows[] = {
        {1, 0, "", "1"},
        {1, 1, "", "PÉREZ HNOS"},
        {1, 2, "", "1234,5"},  // no format: as the value converts to text
        {1, 2, "0.00", "1234,50"},
        {3, 2, "0.00", "-7,00"},
        {4, 2, "###,###,##0.00", "1.000.000,00"},
        {1, 3, "", "01/05/2006"},
        {2, 3, "", ""},           // null date
        {3, 1, "", ""},           // null text
        {2, 1, "0.00", "GÓMEZ"},  // a text under a number format stays as it is
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.bookmark << "/" << r.col << " " << r.format);
        grid->Columns(r.col).setNumberFormat(r.format);
        rs->setBookmark(r.bookmark);
        EXPECT_EQ(grid->Text(r.col), r.text);
        EXPECT_EQ(grid->Columns(r.col).Text(), r.text);
        // The cell on screen shows the same text.
        EXPECT_EQ(grid->model()->data(grid->model()->index(int(r.bookmark - 1), r.col)).toString(), r.text);
    }
}

TEST_F(Grid, CodeMovesTheRecordsetAndTheGridFollowsWithoutRowColChange)
{
    EXPECT_EQ(shownRow(), 0);
    rs->MoveLast();
    testsupport::Settle();
    EXPECT_EQ(shownRow(), 3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Bookmark(), ado::Variant(4L));
    EXPECT_TRUE(changes.empty());

    // A key acts from where the recordset is, even when the screen has not caught up yet.
    rs->MoveFirst();
    key(Qt::Key_Down);
    EXPECT_EQ(rs->Bookmark(), 2);
    grid->setRow(2);
    EXPECT_EQ(rs->Bookmark(), 3);
}

TEST_F(Grid, ClickAndKeysMoveTheRecordsetAndRaiseRowColChange)
{
    click(2, 1);
    EXPECT_EQ(rs->Bookmark(), 3);
    EXPECT_EQ(grid->Text(0), "3");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].lastRow, ado::Variant(1L));

    struct Step {
        Qt::Key key;
        long bookmark;
    };
    const Step steps[] = {
        {Qt::Key_Up, 2},   {Qt::Key_Down, 3},     {Qt::Key_End, 4},    {Qt::Key_Down, 4},
        {Qt::Key_Home, 1}, {Qt::Key_PageDown, 4}, {Qt::Key_PageUp, 1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(QKeySequence(s.key).toString().toStdString());
        key(s.key);
        EXPECT_EQ(rs->Bookmark(), s.bookmark);
        EXPECT_EQ(grid->Row(), s.bookmark - 1);
        EXPECT_EQ(shownRow(), s.bookmark - 1);
    }

    // A move along the row reports the row it stays on, which the windows ignore.
    changes.clear();
    key(Qt::Key_Right);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].lastRow, grid->Bookmark());
}

TEST_F(Grid, SelBookmarksShowSelectedRows)
{
    auto sel = grid->SelBookmarks();
    ASSERT_EQ(sel.Count(), 1);
    EXPECT_EQ(sel.Item(0), 1);
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(0, {}));

    sel.Add(3);
    EXPECT_EQ(sel.Count(), 2);
    EXPECT_EQ(sel[1], 3);
    EXPECT_TRUE(grid->selectionModel()->isRowSelected(2, {}));

    click(1, 0);  // the user's choice is the one selected row
    EXPECT_EQ(sel.Count(), 1);
    EXPECT_EQ(sel.Item(0), 2);

    sel.Clear();
    EXPECT_EQ(sel.Count(), 0);
    EXPECT_FALSE(grid->selectionModel()->isRowSelected(1, {}));
    EXPECT_EQ(errorNumber([&] { sel.Add(0); }), platform::ErrInvalidCall);
    EXPECT_EQ(errorNumber([&] { sel.Add(5); }), platform::ErrInvalidCall);
    EXPECT_EQ(errorNumber([&] { sel.Item(0); }), platform::ErrSubscript);
}

TEST_F(Grid, NoRows)
{
    load("SELECT * FROM PRUEBA_GRILLA WHERE ID = 0");
    testsupport::Settle();
    EXPECT_EQ(grid->ColumnCount(), 5);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->Row(), -1);
    EXPECT_TRUE(grid->Bookmark().isEmpty());
    EXPECT_EQ(grid->Text(1), "");
    EXPECT_EQ(grid->SelBookmarks().Count(), 0);
    EXPECT_EQ(errorNumber([&] { grid->SelBookmarks().Add(1); }), platform::ErrInvalidCall);
    key(Qt::Key_Down);
    key(Qt::Key_End);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Nombre");
}

TEST_F(Grid, RefreshRebindsEveryGridAndStartsTheLayoutOver)
{
    auto* other = new DataGrid(&window);
    other->setDataSource(ado);
    EXPECT_EQ(other->model()->rowCount(), 4);

    rs = query("SELECT ID, NOMBRE FROM PRUEBA_GRILLA WHERE ID >= 3 ORDER BY ID");
    ado->Recordset = rs;
    ado->Refresh();
    for (DataGrid* g : {grid, other}) {
        EXPECT_EQ(g->ColumnCount(), 2);
        EXPECT_EQ(g->model()->rowCount(), 2);
        EXPECT_EQ(g->model()->headerData(1, Qt::Horizontal).toString(), "NOMBRE");
        EXPECT_EQ(g->Columns(1).Width(), 1500);
        EXPECT_EQ(g->SelBookmarks().Count(), 0);
        EXPECT_EQ(g->Text(1), "");  // row 3's NOMBRE is null
    }
    rs->MoveNext();
    EXPECT_EQ(other->Text(1), "ÑANDÚ");
}

TEST_F(Grid, DisabledGridIgnoresTheUser)
{
    grid->setEnabled(false);
    click(3, 1);
    key(Qt::Key_Down);
    EXPECT_EQ(rs->Bookmark(), 1);
    EXPECT_TRUE(changes.empty());
}

TEST_F(Grid, ReferenceTableAsAList)
{
    load("SELECT GPRO_ID, GPRO_DESCRIPCION, GPRO_JURISDICCION, GPRO_LETRA_PAT FROM LNV_GLB_TB_PROVINCIAS "
         "ORDER BY GPRO_DESCRIPCION");
    const char* captions[] = {"Id", "Provincia", "Jurisdicción", "Letra"};
    for (int c = 0; c < 4; ++c) {
        grid->Columns(c).setCaption(captions[c]);
        grid->Columns(c).setNumberFormat("");
    }
    grid->Columns(1).setWidth(3000);
    grid->Columns(2).setWidth(1300);
    EXPECT_GT(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->model()->rowCount(), rs->RecordCount());
    for (long b = rs->RecordCount(); b >= 1; --b) {
        rs->setBookmark(b);
        EXPECT_EQ(grid->Text(1), rs->Fields("GPRO_DESCRIPCION").Value().text());
        EXPECT_EQ(grid->Text(0), QString::number(rs->Fields("GPRO_ID").Value().integer()));
    }
    testsupport::Settle();
    EXPECT_EQ(shownRow(), 0);
    testsupport::Screenshot(&window, "datagrid_provincias");
}

TEST_F(Grid, HundredThousandRows)
{
    rs = query("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
               "SELECT i AS ID, 'FILA ' || i AS NOMBRE FROM n");
    ado->Recordset = rs;
    ado->Refresh();
    testsupport::Settle();
    ASSERT_EQ(grid->model()->rowCount(), 100000);
    key(Qt::Key_End);
    EXPECT_EQ(rs->Bookmark(), 100000);
    EXPECT_EQ(grid->Text(1), "FILA 100000");
    rs->setBookmark(50000);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Text(0), "50001");
    EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(grid->currentIndex())));
}

// A list read as it is shown: a long one first shows the rows counted before
// it appeared, and grows to its count in idle time, keeping the clerk's row.
TEST_F(Grid, AListReadAsShownGrowsToItsCountKeepingTheCurrentRow)
{
    de1::conn().Execute(
        "CREATE TABLE LARGA (ID INTEGER PRIMARY KEY, NOMBRE TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
        "INSERT INTO LARGA SELECT i, 'FILA ' || substr('00000' || i, -5) FROM n;"
        "CREATE VIEW VW_LARGA AS SELECT L.ID AS ID, L.NOMBRE AS NOMBRE FROM LARGA L ORDER BY L.NOMBRE DESC;");
    rs = std::make_shared<ado::Recordset>();
    rs->Open("select * FROM VW_LARGA", de1::conn(), ado::adOpenKeyset);
    ado->Recordset = rs;
    ado->Refresh();
    EXPECT_LT(grid->model()->rowCount(), 30000);  // before the event loop turns, only what was counted
    grid->setRow(2);
    ASSERT_EQ(grid->Text(1), "FILA 29998");
    QElapsedTimer t;
    t.start();
    while (grid->model()->rowCount() != 30000 && t.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_EQ(grid->model()->rowCount(), 30000);
    EXPECT_EQ(shownRow(), 2);
    EXPECT_EQ(grid->Text(1), "FILA 29998");
    key(Qt::Key_End);
    EXPECT_EQ(grid->Text(1), "FILA 00001");
    EXPECT_EQ(grid->model()->data(grid->model()->index(29999, 1)).toString(), "FILA 00001");
}
