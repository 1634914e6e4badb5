// Undo and redo: an import of 100,000 points undone and redone, the memory of a session of
// 100,000 clicks, and a click on the map with and without its undo step.
#include "BenchMap.h"
#include "RatioReporter.h"
#include "files/PointImport.h"
#include "model/History.h"
#include "model/Project.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using tracelle::model::History;
constexpr int kPoints = 100000;

double worstUndoMs = 0, worstRedoMs = 0, sessionMb = 0;

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void UndoRedoImport100k(benchmark::State& state) {
    tracelle::model::Project p;
    p.setDefaultCalibration(4001, 4001, 0, 0);
    std::string text;
    for (int i = 0; i < kPoints; ++i)
        text += std::to_string(i % 4000) + " " + std::to_string(i / 40) + " p\n";
    {
        const History::Step step(p.history());
        tracelle::files::ajoutePointsTexte(p, text);
    }
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        p.history().undo();
        worstUndoMs = std::max(worstUndoMs, msSince(start));
        start = std::chrono::steady_clock::now();
        p.history().redo();
        worstRedoMs = std::max(worstRedoMs, msSince(start));
    }
    if (p.N() != kPoints) state.SkipWithError("import incomplet");
}
BENCHMARK(UndoRedoImport100k)->Unit(benchmark::kMillisecond)->Iterations(5);

void Session100kClicks(benchmark::State& state) {
    for (auto _ : state) {
        tracelle::model::Project p;
        p.setDefaultCalibration(4001, 4001, 0, 0);
        for (int i = 0; i < kPoints; ++i) {
            const History::Step step(p.history());
            p.ajoute_point(i % 4000, i / 40);
        }
        sessionMb = static_cast<double>(p.history().bytes()) / (1 << 20);
        if (p.history().steps() != static_cast<std::size_t>(kPoints))
            state.SkipWithError("pas une étape par clic");
    }
}
BENCHMARK(Session100kClicks)->Unit(benchmark::kMillisecond)->Iterations(1);

// The map of the pointer benchmark: a 4000 × 3000 picture and 20,000 points.
tracelle::ui::MainWindow& window() {
    static tracelle::ui::MainWindow* w = tracelle::bench::benchMapWindow(20000);
    return *w;
}

// Clicks with and without their undo step in turn, so that neither gets the warmer caches.
double withUndoUs = 0, withoutUndoUs = 0;

void ClickWithAndWithoutUndo(benchmark::State& state) {
    tracelle::ui::MainWindow& w = window();
    int k = 0;
    double with = 0, without = 0;
    int pairs = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        {
            const History::Step step(w.project().history());
            w.imagePressed(Qt::LeftButton, QPoint(100 + ++k % 900, 300));
        }
        with += msSince(start);
        start = std::chrono::steady_clock::now();
        w.imagePressed(Qt::LeftButton, QPoint(100 + ++k % 900, 300));
        without += msSince(start);
        ++pairs;
    }
    withUndoUs = 1000 * with / pairs;
    withoutUndoUs = 1000 * without / pairs;
}
BENCHMARK(ClickWithAndWithoutUndo)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    const double ratio = withUndoUs / withoutUndoUs;
    std::printf("clic : %.2f us avec son étape d'annulation, %.2f us sans : rapport %.2f "
                "(target <= 1.2) %s\n",
                withUndoUs, withoutUndoUs, ratio, ratio <= 1.2 ? "ok" : "MISSED");
    std::printf("import de 100 000 points : annuler %.1f ms, rétablir %.1f ms au pire "
                "(target < 100 ms) %s\n",
                worstUndoMs, worstRedoMs, worstUndoMs < 100 && worstRedoMs < 100 ? "ok" : "MISSED");
    std::printf("session de 100 000 clics : historique %.1f Mo (target < 50 Mo) %s\n", sessionMb,
                sessionMb < 50 ? "ok" : "MISSED");
    return status;
}
