#include "RatioReporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace tracelle::bench {

namespace {

class Recorder : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> secondsPerIteration;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.iterations > 0)
                secondsPerIteration[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int runWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    std::printf("\n");
    for (const auto& r : ratios) {
        const auto m = recorder.secondsPerIteration.find(r.measured);
        const auto b = recorder.secondsPerIteration.find(r.baseline);
        if (m == recorder.secondsPerIteration.end() || b == recorder.secondsPerIteration.end())
            continue;
        const double ratio = m->second / b->second;
        std::printf("ratio %-40s / %-32s = %6.2f  (target <= %.2f) %s\n", r.measured.c_str(),
                    r.baseline.c_str(), ratio, r.target, ratio <= r.target ? "ok" : "MISSED");
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace tracelle::bench
