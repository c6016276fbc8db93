// CMD5 against Qt's MD5 on the same 1 MiB text, in the same run.
// Qt's figure includes the text-to-bytes step a caller needs (toLatin1),
// as CMD5's does. BM_Ratio's "ratio" counter is CMD5's throughput over
// Qt's (1 = as fast; the aim is at least 0.7); the closing line gives the
// same as a time ratio (at most 1/0.7 = 1.43).

#include "Ratios.h"
#include "core/CMD5.h"

#include <QCryptographicHash>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const QString& Text()
{
    static const QString text = [] {
        QString s(1 << 20, Qt::Uninitialized);
        quint32 x = 7351;
        for (QChar& ch : s) {
            x = x * 1103515245u + 12345u;
            ch = QChar(0x20 + (x >> 16) % 0xE0);  // Latin-1 beyond the controls, Ñ included
        }
        return s;
    }();
    return text;
}

QString QtMd5(const QString& s)
{
    return QString::fromLatin1(QCryptographicHash::hash(s.toLatin1(), QCryptographicHash::Md5).toHex());
}

void BM_CMD5(benchmark::State& state)
{
    const QString& text = Text();
    CMD5 md5;
    for (auto _ : state) benchmark::DoNotOptimize(md5.MD5(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_QtMd5(benchmark::State& state)
{
    const QString& text = Text();
    for (auto _ : state) benchmark::DoNotOptimize(QtMd5(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}

// Both in turn on each iteration, so the ratio sees the same machine state.
void BM_Ratio(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const QString& text = Text();
    CMD5 md5;
    Clock::duration ours{}, qt{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const QString a = md5.MD5(text);
        const auto t1 = Clock::now();
        const QString b = QtMd5(text);
        const auto t2 = Clock::now();
        if (a != b) state.SkipWithError("digests differ");
        ours += t1 - t0;
        qt += t2 - t1;
    }
    const double bytes = double(state.iterations()) * double(text.size());
    const double oursBps = bytes / std::chrono::duration<double>(ours).count();
    const double qtBps = bytes / std::chrono::duration<double>(qt).count();
    state.counters["ours_Bps"] = oursBps;
    state.counters["qt_Bps"] = qtBps;
    state.counters["ratio"] = oursBps / qtBps;
}

}  // namespace

BENCHMARK(BM_CMD5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtMd5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ratio)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::RunWithRatios(argc, argv, {{"BM_CMD5", "BM_QtMd5", bench::AtMost(1.43)}});
}
