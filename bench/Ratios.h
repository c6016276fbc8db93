#pragma once
// Runs the benchmarks of one program and prints each figure as a ratio
// against its baseline measured in the same run.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct Ratio {
    std::string name;      // the benchmark measured
    std::string baseline;  // the benchmark it is compared with
    const char* target;    // what we aim for, as text for the report
    std::string minus{};   // when set, its time is taken off the measured one first
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred) {
                const double ns = r.GetAdjustedRealTime() * unitFactor(r.time_unit);
                const double cpu = r.GetAdjustedCPUTime() * unitFactor(r.time_unit);
                times[r.run_name.function_name] = ns;
                cpuTimes[r.run_name.function_name] = cpu;
                // A benchmark run at several sizes is named with its argument: "BM_List/1000".
                if (!r.run_name.args.empty()) {
                    times[r.run_name.function_name + "/" + r.run_name.args] = ns;
                    cpuTimes[r.run_name.function_name + "/" + r.run_name.args] = cpu;
                }
            }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;     // nanoseconds
    std::map<std::string, double> cpuTimes;  // the same in processor time, steadier on a busy machine

private:
    static double unitFactor(benchmark::TimeUnit u)
    {
        switch (u) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1.0;
        }
    }
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const Ratio& r : ratios) {
        const auto a = reporter.times.find(r.name), b = reporter.times.find(r.baseline);
        if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
        const double ca = reporter.cpuTimes[r.name], cb = reporter.cpuTimes[r.baseline];
        if (!r.minus.empty()) {
            const auto m = reporter.times.find(r.minus);
            if (m == reporter.times.end()) continue;
            const double cm = reporter.cpuTimes[r.minus];
            std::printf("ratio (%s - %s) / %s = %.4f, in processor time %.4f (target %s)\n", r.name.c_str(),
                        r.minus.c_str(), r.baseline.c_str(), (a->second - m->second) / b->second,
                        cb > 0 ? (ca - cm) / cb : 0.0, r.target);
            continue;
        }
        std::printf("ratio %s / %s = %.2f, in processor time %.2f (target %s)\n", r.name.c_str(), r.baseline.c_str(),
                    a->second / b->second, cb > 0 ? ca / cb : 0.0, r.target);
    }
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
