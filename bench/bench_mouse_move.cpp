// One mouse move in "Digitaliser" mode with 100,000 points stored: coordinates, rubber band,
// status bar and the repaint of the image area.
#include "BenchMap.h"
#include "RatioReporter.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

// A window with a 4000 × 3000 picture and 100,000 points on 25 lines, made once.
tracelle::ui::MainWindow& window() {
    static tracelle::ui::MainWindow* w = tracelle::bench::benchMapWindow(100000);
    return *w;
}

void MouseMove100kPoints(benchmark::State& state) {
    tracelle::ui::MainWindow& w = window();
    auto* area = w.findChild<tracelle::ui::ImageArea*>("ImageCarte");
    int step = 0;
    for (auto _ : state) {
        ++step;
        w.imageMoved(QPoint(100 + step % 1000, 100 + step % 700));
        area->repaint();
    }
}
BENCHMARK(MouseMove100kPoints)->Unit(benchmark::kMillisecond)->Iterations(200);

// The whole overlay drawn again (a new line, a deletion, "Redessiner").
void RedrawOverlay100kPoints(benchmark::State& state) {
    tracelle::ui::MainWindow& w = window();
    for (auto _ : state)
        w.redessiner_calque();
}
BENCHMARK(RedrawOverlay100kPoints)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    std::printf("MouseMove100kPoints: the time above must stay under one frame (16 ms)\n");
    return status;
}
