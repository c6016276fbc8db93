#pragma once
// Runs the benchmarks of one program and prints each figure as a ratio
// against its baseline measured in the same run. A row past its target is
// listed at the end ("past target: ...") and the program ends with status
// 1, as it does when a benchmark fails or throws, so that a regression
// stops `make bench`.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace bench {

// What a row aims for. Bounds are checked in processor time, steadier than
// wall time on a shared machine; a row with neither bound is printed for
// the record.
struct Target {
    double atMost = 0;  // the ratio it may reach
    double ms = 0;      // the measured benchmark's own processor time per run, in milliseconds
    const char* words = "";
};
inline Target AtMost(double ratio, const char* words = "") { return {ratio, 0, words}; }
inline Target UnderMs(double ms, double ratio = 0, const char* words = "") { return {ratio, ms, words}; }
inline Target ForTheRecord(const char* words = "for the record") { return {0, 0, words}; }

struct Ratio {
    std::string name;      // the benchmark measured
    std::string baseline;  // the benchmark it is compared with
    Target target;
    std::string minus{};  // when set, its time is taken off the measured one first
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration) continue;
            if (r.error_occurred) {
                failed.push_back(r.benchmark_name() + ": " + r.error_message);
                continue;
            }
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
    std::map<std::string, double> cpuTimes;  // the same in processor time
    std::vector<std::string> failed;         // benchmarks that stopped with an error

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

inline std::string describe(const Target& t)
{
    std::string s;
    char buf[64];
    if (t.ms > 0) {
        std::snprintf(buf, sizeof buf, "under %g ms", t.ms);
        s += buf;
    }
    if (t.atMost > 0) {
        std::snprintf(buf, sizeof buf, "%sat most %g", s.empty() ? "" : "; ", t.atMost);
        s += buf;
    }
    if (*t.words) s += (s.empty() ? "" : "; ") + std::string(t.words);
    return s;
}

// Prints the rows; returns those past their targets.
inline std::vector<std::string> printRatios(const RatioReporter& reporter, const std::vector<Ratio>& ratios)
{
    std::vector<std::string> past;
    auto cpu = [&](const std::string& n) {
        const auto it = reporter.cpuTimes.find(n);
        return it == reporter.cpuTimes.end() ? 0.0 : it->second;
    };
    std::set<std::string> msChecked;
    for (const Ratio& r : ratios) {
        const auto a = reporter.times.find(r.name), b = reporter.times.find(r.baseline);
        if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
        const double ca = cpu(r.name), cb = cpu(r.baseline);
        double wall = a->second / b->second, inCpu = cb > 0 ? ca / cb : 0.0;
        std::string label = r.name + " / " + r.baseline;
        const char* format = "ratio %s = %.2f, in processor time %.2f (target %s)\n";
        if (!r.minus.empty()) {
            const auto m = reporter.times.find(r.minus);
            if (m == reporter.times.end()) continue;
            wall = (a->second - m->second) / b->second;
            inCpu = cb > 0 ? (ca - cpu(r.minus)) / cb : 0.0;
            label = "(" + r.name + " - " + r.minus + ") / " + r.baseline;
            format = "ratio %s = %.4f, in processor time %.4f (target %s)\n";
        }
        const std::string target = describe(r.target);
        std::printf(format, label.c_str(), wall, inCpu, target.c_str());
        char line[512];
        if (r.target.atMost > 0 && inCpu > r.target.atMost) {
            std::snprintf(line, sizeof line, "%s = %.4f in processor time, target at most %g", label.c_str(), inCpu,
                          r.target.atMost);
            past.push_back(line);
        }
        if (r.target.ms > 0 && ca / 1e6 > r.target.ms && msChecked.insert(r.name).second) {
            std::snprintf(line, sizeof line, "%s = %.2f ms in processor time, target under %g ms", r.name.c_str(),
                          ca / 1e6, r.target.ms);
            past.push_back(line);
        }
    }
    return past;
}

// `more` prints the program's own figures after the ratios and returns
// those past their targets.
inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios,
                         const std::function<std::vector<std::string>()>& more = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The flags are read before QApplication sets the user's locale: in a
    // decimal-comma one "0.2" would not parse.
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    // The report's figures in points whatever the locale; the program's own
    // conversions follow QLocale, which this leaves alone.
    std::setlocale(LC_NUMERIC, "C");
    RatioReporter reporter;
    try {
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } catch (const std::exception& e) {
        reporter.failed.push_back(std::string("a benchmark threw: ") + e.what());
    }
    std::printf("\n");
    std::vector<std::string> past = printRatios(reporter, ratios);
    if (more)
        for (std::string& p : more()) past.push_back(std::move(p));
    benchmark::Shutdown();
    for (const std::string& f : reporter.failed) std::printf("failed: %s\n", f.c_str());
    for (const std::string& p : past) std::printf("past target: %s\n", p.c_str());
    std::fflush(stdout);
    return reporter.failed.empty() && past.empty() ? 0 : 1;
}

}  // namespace bench
