// Start-up: every window created in its order and the main window shown (headless).
#include "RatioReporter.h"
#include "ui/Startup.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

void StartupToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        tracelle::ui::Startup startup({});
        startup.show();
        QApplication::processEvents();
        state.PauseTiming(); // closing the windows is not start-up
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    std::printf("StartupToMainWindowShown: the time above must stay under 1000 ms "
                "(the splash's 2 s wait is not included)\n");
    return status;
}
