// The declaration list as the clerk meets it: from the menu click to the
// list shown with its first row selected, and its reactivation when a
// window beside it closes, at 1 000, 100 000 and 1 000 000 declarations.
// Baseline: stepping the view's first screen of rows in a plain SQLCipher
// loop. The "peak_MB" counter is the process's peak resident memory so far.
#include "Ratios.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Database.h"
#include "declarations/frmDDJJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "support/Fixtures.h"
#include "ui/MDIPrincipal.h"

#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sqlcipher/sqlite3.h>
#include <sys/resource.h>

namespace {

const char* kList = "select * FROM PES_VW_CAB_DDJJ7351";
constexpr int kScreenRows = 30;

double peakMegabytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

// One database per size, filled once and kept for the run; de1.conn is
// switched to the one a benchmark asks for.
void useDatabase(long declarations)
{
    static std::map<long, std::unique_ptr<QTemporaryDir>> folders;
    static long current = -1;
    if (current == declarations) return;
    if (de1::conn().State()) de1::conn().Close();
    auto& dir = folders[declarations];
    const bool fresh = !dir;
    if (fresh) {
        dir = std::make_unique<QTemporaryDir>();
        schema::CreateDatabase(dir->path(), true);
    }
    de1::conn().Open(General::BuildConnectionString(dir->path()));
    current = declarations;
    if (!fresh) return;
    testsupport::insertDeclarations(declarations);
}

void BM_PlainFirstScreen(benchmark::State& state)
{
    useDatabase(long(state.range(0)));
    sqlite3* db = de1::conn().handle();
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, kList, -1, &stmt, nullptr);
        double sink = 0;
        const int columns = sqlite3_column_count(stmt);
        for (int r = 0; r < kScreenRows && sqlite3_step(stmt) == SQLITE_ROW; ++r) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER: sink += double(sqlite3_column_int64(stmt, c)); break;
                case SQLITE_FLOAT: sink += sqlite3_column_double(stmt, c); break;
                case SQLITE_TEXT: sink += double(sqlite3_column_bytes(stmt, c)) + *sqlite3_column_text(stmt, c); break;
                default: break;
                }
            }
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(sink);
    }
}

// Unloaded windows go at the next turn of the event loop, which a benchmark never takes.
void settleDeletes()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A window beside the list whose closing gives the activation back to it.
class Vecina : public forms::Form {};

MDIPrincipal& mainWindow()
{
    MDIPrincipal& m = MDIPrincipal::Instance();
    if (!m.isVisible()) {
        m.resize(1024, 768);
        m.Show();
        QApplication::processEvents();
    }
    return m;
}

frmDDJJ& openList()
{
    mainWindow().op_DDJJ->trigger();
    QApplication::processEvents();
    frmDDJJ* f = forms::Form::Existing<frmDDJJ>();
    if (!f || f->grillaDJ->SelBookmarks().Count() != 1) throw std::runtime_error("the list did not show its first row");
    f->grillaDJ->viewport()->repaint();
    return *f;
}

void BM_ListShow(benchmark::State& state)
{
    useDatabase(long(state.range(0)));
    mainWindow();
    for (auto _ : state) {
        openList();
        state.PauseTiming();
        forms::Form::Existing<frmDDJJ>()->Unload();
        settleDeletes();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// Shows the neighbour (not timed) and closes it (timed), which hands the
// activation back to the window that had it.
void closeNeighbour(benchmark::State& state)
{
    state.PauseTiming();
    auto& other = forms::Form::Instance<Vecina>();
    other.Show();
    QApplication::processEvents();
    state.ResumeTiming();
    other.Unload();
    QApplication::processEvents();
    state.PauseTiming();
    settleDeletes();
    state.ResumeTiming();
}

void BM_ListReactivate(benchmark::State& state)
{
    useDatabase(long(state.range(0)));
    frmDDJJ& list = openList();
    for (auto _ : state) closeNeighbour(state);
    list.Unload();
    settleDeletes();
    state.counters["peak_MB"] = peakMegabytes();
}

// What closing the neighbour costs Qt when the window it hands the
// activation to is a plain one: taken off the reactivation, it leaves what
// the list itself does.
void BM_NeighbourClose(benchmark::State& state)
{
    useDatabase(long(state.range(0)));
    mainWindow();
    class Quieta : public forms::Form {};
    auto& plain = forms::Form::Instance<Quieta>();
    plain.Show();
    QApplication::processEvents();
    for (auto _ : state) closeNeighbour(state);
    plain.Unload();
    settleDeletes();
}

// The list's own work when it becomes active again, without the repaint
// Qt does for a window uncovered: the same signal the MDI area sends. With
// nothing changed it checks the database and selects the first row; after
// a save here it reads the list again.
void BM_ListActivation(benchmark::State& state)
{
    useDatabase(long(state.range(0)));
    frmDDJJ& list = openList();
    QMdiArea* area = mainWindow().mdiArea();
    auto& other = forms::Form::Instance<Vecina>();
    other.Show();
    QApplication::processEvents();
    const bool changed = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        emit area->subWindowActivated(other.subWindow());  // the activation goes elsewhere first
        if (changed)
            de1::conn().Execute(QStringLiteral("update LNV_PES_TB_CAB_DDJJ7351 set PCDJ_MULTA = PCDJ_MULTA + 1 "
                                               "where PCDJ_NRO = (select min(PCDJ_NRO) from LNV_PES_TB_CAB_DDJJ7351)"));
        QApplication::processEvents();
        state.ResumeTiming();
        emit area->subWindowActivated(list.subWindow());
        QApplication::processEvents();
    }
    other.Unload();
    list.Unload();
    settleDeletes();
}

// Sizes in increasing order, so each peak figure belongs to the largest list so far.
BENCHMARK(BM_PlainFirstScreen)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListShow)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListReactivate)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeighbourClose)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListActivation)
    ->Args({1000, 0})
    ->Args({1000000, 0})
    ->Args({1000, 1})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunWithRatios(
        argc, argv,
        {{"BM_ListShow/1000", "BM_PlainFirstScreen/1000", "for the record"},
         {"BM_ListShow/1000000", "BM_PlainFirstScreen/1000000", "for the record"},
         {"BM_ListShow/1000000", "BM_ListShow/1000", "at most 1.5"},
         {"BM_ListReactivate/1000000", "BM_ListShow/1000000", "for the record"},
         {"BM_ListReactivate/1000000", "BM_ListShow/1000000", "under 0.01", "BM_NeighbourClose/1000"},
         {"BM_ListReactivate/1000", "BM_ListShow/1000", "under 0.01", "BM_NeighbourClose/1000"},
         {"BM_ListActivation/1000000/0", "BM_ListShow/1000000", "under 0.01"},
         {"BM_ListActivation/1000/0", "BM_ListShow/1000", "under 0.01"},
         {"BM_ListActivation/1000000/1", "BM_ListShow/1000000", "for the record"}});
}
