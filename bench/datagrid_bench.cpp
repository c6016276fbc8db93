// The lists show whole views in a DataGrid: what does binding and paging a
// grid of 100 000 rows cost over opening the recordset alone, and over a
// plain QTableView on a model that formats nothing?
#include "Ratios.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;

// Ten columns shaped like a list's: ids, texts, amounts, a date.
const QString& listQuery()
{
    static const QString q =
        QStringLiteral(
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
            "select substr('00000000000000000000000' || i, -23) as NRO, 2000 + i % 20 as ANIO, 1 + i % 12 as MES, "
            "'EMBARCACION ' || i as NOMBRE, 'EMPRESA PESQUERA ' || (i % 97) as RSOCIAL, 1000.25 + i as VENTAS, "
            "3 as ALICUOTA, 30.5 + i as IMPORTE, 'JUAN PEREZ' as RESP, date('2006-01-01', '+' || (i % 3000) || ' days') as FECHA "
            "from n")
            .arg(kRows);
    return q;
}

void openDatabase()
{
    static QTemporaryDir dir;
    static bool done = false;
    if (done) return;
    done = true;
    schema::CreateDatabase(dir.path(), false);
    de1::conn().Open(General::BuildConnectionString(dir.path()));
}

void pageDown(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

void BM_RecordsetOpen(benchmark::State& state)
{
    openDatabase();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(listQuery(), de1::conn());
        benchmark::DoNotOptimize(rs.at(rs.RecordCount() - 1, 0));
    }
}
BENCHMARK(BM_RecordsetOpen)->Unit(benchmark::kMillisecond);

// What a list window does on each activation: query, bind, lay out, select, paint.
void BM_GridLoad(benchmark::State& state)
{
    openDatabase();
    QWidget window;
    forms::DataControl ado;
    auto* grid = new forms::DataGrid(&window);
    grid->setDataSource(&ado);
    window.resize(1000, 600);
    grid->resize(1000, 600);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(listQuery(), de1::conn());
        ado.Recordset = rs;
        ado.Refresh();
        for (int c = 0; c < grid->ColumnCount(); ++c) grid->Columns(c).setWidth(1200);
        grid->Columns(5).setNumberFormat(QStringLiteral("0.00"));
        grid->Columns(5).setAlignment(forms::dbgRight);
        rs->MoveFirst();
        grid->SelBookmarks().Add(rs->Bookmark());
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_GridLoad)->Unit(benchmark::kMillisecond);

// Qt's own table on a model that hands out one fixed text: the cost of painting alone.
class FixedModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& = {}) const override { return kRows; }
    int columnCount(const QModelIndex& = {}) const override { return 10; }
    QVariant data(const QModelIndex& i, int role) const override
    {
        return i.isValid() && role == Qt::DisplayRole ? QVariant(m_text) : QVariant();
    }

private:
    QString m_text = QStringLiteral("EMPRESA 12");
};

void BM_PlainTablePageDown(benchmark::State& state)
{
    FixedModel model;
    QTableView view;
    view.setModel(&model);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.resize(1000, 600);
    view.show();
    view.setCurrentIndex(model.index(0, 0));
    QApplication::processEvents();
    for (auto _ : state) {
        pageDown(&view);
        view.viewport()->repaint();
        if (view.currentIndex().row() >= kRows - 100) view.setCurrentIndex(model.index(0, 0));
    }
}
BENCHMARK(BM_PlainTablePageDown)->Unit(benchmark::kMicrosecond);

void BM_GridPageDown(benchmark::State& state)
{
    openDatabase();
    auto rs = std::make_shared<ado::Recordset>();
    rs->Open(listQuery(), de1::conn());
    forms::DataControl ado;
    ado.Recordset = rs;
    forms::DataGrid grid;
    grid.setDataSource(&ado);
    grid.Columns(5).setNumberFormat(QStringLiteral("0.00"));
    grid.Columns(7).setNumberFormat(QStringLiteral("###,###,##0.00"));
    grid.resize(1000, 600);
    grid.show();
    QApplication::processEvents();
    for (auto _ : state) {
        pageDown(&grid);
        grid.viewport()->repaint();
        if (grid.Row() >= kRows - 100) rs->MoveFirst();
    }
}
BENCHMARK(BM_GridPageDown)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv,
                                {{"BM_GridLoad", "BM_RecordsetOpen", bench::AtMost(1.2)},
                                 {"BM_GridPageDown", "BM_PlainTablePageDown", bench::AtMost(2)}});
}
